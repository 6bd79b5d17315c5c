#include "view/search/search_list.h"

#include "data/abilities.h"
#include "data/battle_rules.h"
#include "data/moves.h"
#include "data/names.h"
#include "data/search_options.h"
#include "data/species.h"
#include "data/types.h"
#include "text/name_fold.h"
#include "text/ui_text.h"
#include "view/common/choice_find.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace rusrina {
namespace {

constexpr const char* kNoChoice = UI_TEXT_NOOP("SearchText", "指定無し");
constexpr const char* kAnyMove = UI_TEXT_NOOP("SearchText", " 無指定");
constexpr const char* kEmptyField = " - ";
constexpr const char* kNone = "－";

std::string formatInt(const char* format, int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

std::vector<ListChoice> thresholdEntries(const ThresholdOption& (*option)(int)) {
    std::vector<ListChoice> entries;
    for (int i = 0; i < kThresholdOptionCount; ++i)
        entries.push_back({option(i).label, option(i).value});
    return entries;
}

const char* nameOrNone(const char* (*name)(int), int index) {
    return index == 0 ? kNone : name(index);
}

bool validSpecies(int species) {
    return species >= 0 && species < kSpeciesCount;
}

// The six base-stat columns follow the name, type and ability columns.
constexpr int kFirstStatColumn = 7;

bool isStatColumn(int column) {
    return column >= kFirstStatColumn && column < kFirstStatColumn + kStatCount;
}

} // namespace

std::vector<ListChoice> statAtMostEntries() {
    return thresholdEntries(statAtMostOption);
}

std::vector<ListChoice> statAtLeastEntries() {
    return thresholdEntries(statAtLeastOption);
}

std::vector<ListChoice> typeChooserEntries() {
    std::vector<ListChoice> entries{{text::uiText("SearchText", kNoChoice), 0}};
    std::ranges::move(typeChoices(1), std::back_inserter(entries));
    return entries;
}

std::vector<ListChoice> abilityChooserEntries() {
    return indexedChoices(kAbilityCount, [](int ability) { return abilityName(ability); });
}

std::vector<ListChoice> eggGroupChooserEntries() {
    std::vector<ListChoice> entries{{text::uiText("SearchText", kNoChoice), 0}};
    for (int group : eggGroupListOrder())
        entries.push_back({eggGroupName(group), group + 1});
    return entries;
}

std::vector<ListChoice> moveChooserEntries(int typeValue) {
    std::vector<ListChoice> entries{{text::uiText("SearchText", kAnyMove), NO_MOVE}};
    for (int move = 0; move < kMoveCount; ++move) {
        const MoveRecord& record = moveRecord(move);
        if (typeValue == 0 || record.type == typeValue - 1)
            entries.push_back({record.name, move});
    }
    return entries;
}

std::vector<ListChoice> ruleChooserEntries() {
    return indexedChoices(kBattleRuleCount, ruleName);
}

std::array<std::string, kMoveFieldCount> moveFieldTexts(int move) {
    if (!isValidMove(move))
        return {kEmptyField, kEmptyField, kEmptyField, kEmptyField, kEmptyField, kEmptyField};
    const MoveRecord& record = moveRecord(move);
    return {formatInt("%d", record.power),     formatInt("%d", record.accuracy), formatInt("%d", record.pp),
            moveCategoryName(record.category), moveTargetName(record.target),    formatInt(" %x", record.effect)};
}

SearchCriteria criteriaFromChoices(const SearchChoices& choices) {
    SearchCriteria criteria;
    criteria.maxStat = choices.atMost;
    criteria.minStat = choices.atLeast;
    criteria.typeA = choices.type1Value - 1;
    criteria.typeB = choices.type2Value - 1;
    criteria.ability = choices.abilityIndex;
    criteria.eggGroup = choices.eggGroupValue - 1;
    criteria.rule = choices.rule;
    criteria.slots = choices.moves;
    criteria.anyOf = choices.anyOf;
    criteria.byLevel = choices.byLevel;
    criteria.byEgg = choices.byEgg;
    criteria.byMachine = choices.byMachine;
    criteria.byTutor = choices.byTutor;
    criteria.inQX = choices.inQX;
    criteria.inZV = choices.inZV;
    criteria.inJYJY = choices.inJYJY;
    criteria.inTK = choices.inTK;
    return criteria;
}

std::string resultCellText(int species, int column) {
    if (!validSpecies(species))
        return {};
    const SpeciesRecord& record = speciesRecord(species);
    const SpeciesAbilities& abilities = speciesAbilities(species);
    switch (column) {
    case 0:
        return formatInt("%d", record.number);
    case 1:
        return speciesName(species);
    case 2:
        return typeName(record.type1);
    case 3:
        return record.type2 == record.type1 ? kNone : typeName(record.type2);
    case 4:
        return abilityName(abilities.ability1);
    case 5:
        return nameOrNone(abilityName, abilities.ability2);
    case 6:
        return nameOrNone(abilityName, abilities.hiddenAbility);
    default:
        return isStatColumn(column) ? formatInt("%d", record.baseStats[column - kFirstStatColumn]) : std::string();
    }
}

std::string shortSpeciesName(int species) {
    if (!validSpecies(species))
        return {};
    const std::string_view name = speciesName(species);
    const std::size_t note = name.find("（");
    if (note == std::string_view::npos)
        return std::string(name);
    // The English names spell forms as "Deoxys-Attack"; the default form has no suffix.
    const std::string_view english = speciesEnglishName(species);
    const std::size_t dash = english.rfind('-');
    std::string shortName(name.substr(0, note));
    if (dash != std::string_view::npos && dash + 1 < english.size())
        shortName.push_back(english[dash + 1]);
    return shortName;
}

int resultSortKey(int species, int column) {
    if (!validSpecies(species))
        return 0;
    const SpeciesRecord& record = speciesRecord(species);
    const SpeciesAbilities& abilities = speciesAbilities(species);
    switch (column) {
    case 2:
        return record.type1;
    case 3:
        return record.type2;
    case 4:
        return abilities.ability1;
    case 5:
        return abilities.ability2;
    case 6:
        return abilities.hiddenAbility;
    default:
        return isStatColumn(column) ? record.baseStats[column - kFirstStatColumn] : species;
    }
}

void sortResultRows(std::vector<int>& rows, int column, bool descending) {
    // Keys are worked out once per row, not once per comparison: the names' sort keys in
    // particular would otherwise be converted again and again.
    struct Keyed {
        int species;
        int key;
        std::string name;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(rows.size());
    for (int species : rows) {
        if (column == kNameColumn)
            keyed.push_back(
                {species, 0, validSpecies(species) ? text::nameSortKey(speciesName(species)) : std::string()});
        else
            keyed.push_back({species, resultSortKey(species, column), {}});
    }
    auto less = [column](const Keyed& a, const Keyed& b) {
        if (column == kNameColumn)
            return static_cast<std::string_view>(a.name).compare(b.name) < 0;
        return a.key < b.key;
    };
    // Descending order swaps the two rows before comparing, so rows with equal keys keep their
    // present order either way.
    if (descending)
        std::stable_sort(keyed.begin(), keyed.end(), [&](const Keyed& a, const Keyed& b) { return less(b, a); });
    else
        std::stable_sort(keyed.begin(), keyed.end(), less);
    std::transform(keyed.begin(), keyed.end(), rows.begin(), [](const Keyed& k) { return k.species; });
}

namespace {

// Every species' find key, folded once for the program's life.
const std::vector<std::string>& speciesFindKeys() {
    static const std::vector<std::string> keys = [] {
        std::vector<std::string> all;
        all.reserve(kSpeciesCount);
        for (int s = 0; s < kSpeciesCount; ++s)
            all.push_back(choiceFindKey({speciesName(s), s}, ChoiceNames::Species));
        return all;
    }();
    return keys;
}

// 2 for a whole name, 1 for the start of one, 0 for any other part.
int findRank(std::string_view key, std::string_view folded) {
    const size_t newline = key.find('\n');
    const std::string_view names[] = {key.substr(0, newline),
                                      newline == std::string_view::npos ? std::string_view() : key.substr(newline + 1)};
    int rank = 0;
    for (std::string_view name : names) {
        if (name == folded)
            return 2;
        if (name.starts_with(folded))
            rank = 1;
    }
    return rank;
}

} // namespace

std::vector<int> rowsFoundByName(const std::vector<int>& rows, std::string_view typed) {
    std::vector<int> found;
    const std::string folded = foldTyped(typed);
    if (folded.empty())
        return found;
    const auto& keys = speciesFindKeys();
    for (size_t r = 0; r < rows.size(); ++r)
        if (rows[r] >= 0 && rows[r] < kSpeciesCount && findKeyMatches(keys[rows[r]], folded))
            found.push_back(static_cast<int>(r));
    return found;
}

int bestFoundRow(const std::vector<int>& rows, const std::vector<int>& found, std::string_view typed) {
    const std::string folded = foldTyped(typed);
    const auto& keys = speciesFindKeys();
    int best = -1;
    int bestRank = -1;
    for (int r : found) {
        if (const int rank = findRank(keys[rows[r]], folded); rank > bestRank) {
            best = r;
            bestRank = rank;
        }
    }
    return best;
}

} // namespace rusrina
