#include "view/edit/entry_edit.h"

#include "calc/stats.h"
#include "data/abilities.h"
#include "data/battle_rules.h"
#include "data/held_items.h"
#include "data/items.h"
#include "data/learnsets.h"
#include "data/move_legality.h"
#include "data/moves.h"
#include "data/species.h"
#include "data/types.h"
#include "text/name_fold.h"
#include "text/ui_text.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <iterator>

namespace rusrina {
namespace {

// A move passes the filter when no type is chosen or it is of the chosen type.
bool passesTypeFilter(int move, int typeFilter) {
    return typeFilter == 0 || moveRecord(move).type + 1 == typeFilter;
}

std::string numberText(int value) {
    return std::to_string(value);
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool carries(const std::vector<ListChoice>& choices, int value) {
    return std::any_of(choices.begin(), choices.end(), [value](const ListChoice& c) { return c.value == value; });
}

// Appends the stored value, marked, when no row carries it yet.
void addStoredChoice(std::vector<ListChoice>& choices, int value, const char* name) {
    if (!carries(choices, value))
        choices.push_back({text::uiText("EntryEdit", kStoredValueMark) + std::string(name), value});
}

// A move the species has by its form (ロトム's form moves), which the editions' learnsets do not list.
bool isFormMove(int species, int move) {
    for (Generation generation : {kGen4, kGen5})
        if (sourceKindsIn(moveSources(species, move, generation), generation) & (1u << kSourceSpecial))
            return true;
    return false;
}

} // namespace

std::vector<ListChoice> typeFilterChoices() {
    std::vector<ListChoice> choices{{text::uiText("EntryEdit", kNoChoiceText), 0}};
    std::ranges::move(typeChoices(1), std::back_inserter(choices));
    return choices;
}

int typeFilterForMove(int move) {
    return isValidMove(move) ? moveRecord(move).type + 1 : 0;
}

std::vector<ListChoice> speciesChoices(int rule) {
    std::vector<ListChoice> choices;
    for (int species = 0; species < kSpeciesCount; ++species) {
        if (isEligible(rule, species))
            choices.push_back({speciesName(species), species});
    }
    return choices;
}

int levelForRule(int rule, int level) {
    switch (rule) {
    case kRuleGilda:
        return kGildaLevel;
    case kRuleRaffine:
        return kRaffineLevel;
    default:
        return level;
    }
}

int ruleForSpecies(int rule, int species) {
    return isEligible(rule, species) ? rule : kRuleUnrestricted;
}

std::vector<ListChoice> abilityChoices(int species, int storedAbility) {
    const SpeciesAbilities& abilities = speciesAbilities(species);
    std::vector<ListChoice> choices{{abilityName(abilities.ability1), abilities.ability1}};
    if (abilities.ability2 != 0)
        choices.push_back({abilityName(abilities.ability2), abilities.ability2});
    if (storedAbility >= 0 && storedAbility < kAbilityCount)
        addStoredChoice(choices, storedAbility, abilityName(storedAbility));
    return choices;
}

std::vector<ListChoice> itemChoices() {
    std::vector<ListChoice> choices;
    for (int item = 0; item < kDamageItemCount; ++item)
        choices.push_back({damageItem(item).name, item});
    return choices;
}

std::vector<ListChoice> heldItemChoices() {
    std::vector<ListChoice> choices = itemChoices();
    choices.push_back({text::uiText("EntryEdit", kItemSeparatorText), kItemSeparatorValue});
    for (int item = 1; item < heldItemCount(); ++item) {
        if (heldItemFields(item).heldItem != kItemOfRecord)
            choices.push_back({heldItemName(item), kHeldItemChoiceBase + item});
    }
    return choices;
}

int heldItemChoiceValue(const EntryForm& form) {
    BoxEntry record{};
    record.item = form.item;
    const EntryExtra fitted = fittedExtra(record, {.heldItem = form.heldItem});
    return fitted.heldItem == kItemOfRecord ? form.item : kHeldItemChoiceBase + fitted.heldItem;
}

void applyHeldItemChoice(EntryForm& form, int value) {
    if (value >= 0 && value < kDamageItemCount) {
        form.item = value;
        form.heldItem = kItemOfRecord;
    } else if (value > kHeldItemChoiceBase && value < kHeldItemChoiceBase + heldItemCount()) {
        setFormHeldItem(form, value - kHeldItemChoiceBase);
    }
}

std::vector<ListChoice> genderChoices(int species, Gender stored) {
    const int rate = species >= 0 && species < kSpeciesCount ? speciesRecord(species).femaleRate : kGenderless;
    const bool male = rate != kGenderless && rate != kAlwaysFemale;
    const bool female = rate != kGenderless && rate != kAlwaysMale;
    std::vector<ListChoice> choices{{"－", static_cast<int>(Gender::Unknown)}};
    if (male || stored == Gender::Male)
        choices.push_back({"♂", static_cast<int>(Gender::Male)});
    if (female || stored == Gender::Female)
        choices.push_back({"♀", static_cast<int>(Gender::Female)});
    return choices;
}

std::vector<ListChoice> moveChoices(int species, int typeFilter) {
    std::vector<ListChoice> choices{{text::uiText("EntryEdit", kNoChoiceText), NO_MOVE}};
    for (int move = 0; move < kMoveCount; ++move) {
        if (passesTypeFilter(move, typeFilter) && (canLearnMove(species, move) || isFormMove(species, move)))
            choices.push_back({moveRecord(move).name, move});
    }
    if (species < kOpTutorSpeciesLimit) {
        choices.push_back({text::uiText("ListChoice", kTutorSeparatorText), NO_MOVE});
        for (int move : opTutorMoves()) {
            if (passesTypeFilter(move, typeFilter))
                choices.push_back({std::string(kTutorPrefix) + moveRecord(move).name, move});
        }
    }
    return choices;
}

std::vector<ListChoice> withStoredMove(std::vector<ListChoice> moves, int typeFilter, int storedMove) {
    if (isValidMove(storedMove) && passesTypeFilter(storedMove, typeFilter))
        addStoredChoice(moves, storedMove, moveRecord(storedMove).name);
    return moves;
}

std::array<std::string, 5> moveInfoTexts(int move) {
    if (!isValidMove(move))
        return {" - ", " - ", " - ", " - ", " - "};
    const MoveRecord& record = moveRecord(move);
    return {numberText(record.power), numberText(record.accuracy), numberText(record.pp),
            moveCategoryName(record.category), moveTargetName(record.target)};
}

int findChoiceText(const std::vector<ListChoice>& choices, std::string_view text) {
    auto found = std::find_if(choices.begin(), choices.end(), [&](const ListChoice& c) { return c.text == text; });
    return found == choices.end() ? -1 : static_cast<int>(found - choices.begin());
}

const std::array<NaturePreset, kNaturePresetCount>& naturePresets() {
    static const std::array<NaturePreset, kNaturePresetCount> presets{{
        {UI_TEXT_NOOP("EntryEdit", " 手動入力"), -1, {0, 0, 0, 0, 0, 0}},
        {UI_TEXT_NOOP("EntryEdit", " 陽気AS"), 18, {6, 252, 0, 0, 0, 252}},
        {UI_TEXT_NOOP("EntryEdit", " 意地っ張りAS"), 1, {6, 252, 0, 0, 0, 252}},
        {UI_TEXT_NOOP("EntryEdit", " 臆病CS"), 16, {6, 0, 0, 252, 0, 252}},
        {UI_TEXT_NOOP("EntryEdit", " 控えめCS"), 8, {6, 0, 0, 252, 0, 252}},
        {UI_TEXT_NOOP("EntryEdit", " 図太いHB"), 4, {252, 0, 252, 0, 6, 0}},
        {UI_TEXT_NOOP("EntryEdit", " 腕白HB"), 5, {252, 0, 252, 0, 6, 0}},
        {UI_TEXT_NOOP("EntryEdit", " 穏やかHD"), 12, {252, 0, 6, 0, 252, 0}},
        {UI_TEXT_NOOP("EntryEdit", " 慎重HD"), 14, {252, 0, 6, 0, 252, 0}},
        {UI_TEXT_NOOP("EntryEdit", " 勇敢HA"), 3, {252, 252, 6, 0, 0, 0}},
        {UI_TEXT_NOOP("EntryEdit", " のんきHB"), 7, {252, 0, 252, 0, 6, 0}},
        {UI_TEXT_NOOP("EntryEdit", " 冷静HC"), 11, {252, 0, 0, 252, 6, 0}},
        {UI_TEXT_NOOP("EntryEdit", " なまいきHD"), 15, {252, 0, 6, 0, 252, 0}},
    }};
    return presets;
}

FieldCheck checkIntField(std::string_view typed, FieldRange range) {
    const std::string folded = text::foldNumberText(typed);
    std::string_view text = folded;
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    if (text.size() > 1 && text.front() == '+' && text[1] != '-')
        text.remove_prefix(1);
    long long value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error == std::errc::invalid_argument || end != text.data() + text.size())
        return {FieldStatus::NotInteger, 0};
    if (error == std::errc::result_out_of_range || value < range.min || value > range.max)
        return {FieldStatus::OutOfRange, 0};
    return {FieldStatus::Ok, static_cast<int>(value)};
}

std::string fieldCheckMessage(FieldStatus status, FieldRange range) {
    switch (status) {
    case FieldStatus::NotInteger:
        return text::uiText("EntryEdit", "整数を入力してください。");
    case FieldStatus::OutOfRange:
        return text::fillText(text::uiText("EntryEdit", "%1 から %2 までの整数を入力してください。"),
                              {std::to_string(range.min), std::to_string(range.max)});
    default:
        return {};
    }
}

std::array<std::string, 6> computedStatTexts(int species, int level, int nature,
                                             const std::array<std::string, 6>& ivTexts,
                                             const std::array<std::string, 6>& evTexts) {
    std::array<int, 6> ivs{}, evs{};
    std::array<bool, 6> readable{};
    for (int stat = 0; stat < kStatCount; ++stat) {
        const FieldCheck iv = checkIntField(ivTexts[stat], kIvRange);
        const FieldCheck ev = checkIntField(evTexts[stat], kEvRange);
        readable[stat] = iv.ok() && ev.ok();
        ivs[stat] = iv.value;
        evs[stat] = ev.value;
    }
    const std::array<int, 6> stats = computeEntryStats(species, ivs, evs, level, nature);
    std::array<std::string, 6> texts;
    for (int stat = 0; stat < kStatCount; ++stat)
        texts[stat] = readable[stat] ? numberText(stats[stat]) : "－";
    return texts;
}

int evsLeft(const std::array<std::string, 6>& evTexts) {
    int left = kMaxEvTotal;
    for (const std::string& text : evTexts) {
        if (const FieldCheck ev = checkIntField(text, kEvRange); ev.ok())
            left -= ev.value;
    }
    return left;
}

std::string evsLeftText(int left) {
    return text::fillText(text::uiText("EntryEdit", "残り %1"), {numberText(left)});
}

MessageText refusalMessage(Refusal refusal) {
    switch (refusal) {
    case Refusal::EmptyName:
        return {UI_TEXT_NOOP("EntryEdit", "入力不足"), UI_TEXT_NOOP("EntryEdit", "名前を入力してください")};
    case Refusal::UnstorableName:
        return {UI_TEXT_NOOP("EntryEdit", "名前の文字"), UI_TEXT_NOOP("EntryEdit", "名前に使えない文字があります")};
    case Refusal::TooManyEvs:
        return {UI_TEXT_NOOP("EntryEdit", "パラメータ異常"), UI_TEXT_NOOP("EntryEdit", "努力値が多すぎます")};
    default:
        return {"", ""};
    }
}

std::string refusalText(Refusal refusal, const EntryForm& form) {
    const char* message = refusalMessage(refusal).text;
    std::string text = *message ? text::uiText("EntryEdit", message) : std::string();
    if (refusal != Refusal::UnstorableName)
        return text;
    const std::vector<std::string> characters = unstorableNameCharacters(form.name);
    for (std::size_t i = 0; i < characters.size(); ++i)
        text += (i == 0 ? text::uiText("EntryEdit", "：") : text::uiText("EntryEdit", "、")) + characters[i];
    return text + "\n" +
           text::uiText("EntryEdit", "絵文字や一部の記号、改行やタブは名前に使えません。ほかの文字にしてください。");
}

std::string confirmationText(const std::array<int, 6>& s) {
    return text::fillText(
        text::uiText("EntryEdit", "HP %1:攻撃 %2:防御 %3:特攻 %4:特防 %5:素早 %6\nこれでいいですか？"),
        {std::to_string(s[0]), std::to_string(s[1]), std::to_string(s[2]), std::to_string(s[3]), std::to_string(s[4]),
         std::to_string(s[5])});
}

} // namespace rusrina
