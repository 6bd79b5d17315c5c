#include "format/set_text_parts.h"

#include "data/abilities.h"
#include "data/held_items.h"
#include "data/move_legality.h"
#include "data/moves.h"
#include "data/names.h"
#include "data/species.h"
#include "text/cp932.h"
#include "text/name_fold.h"
#include "text/name_nearest.h"
#include "text/ui_text.h"

#include <algorithm>
#include <vector>

namespace rusrina {
namespace {

bool learnable(int species, int move) {
    const auto& tutor = opTutorMoves();
    return canLearnMove(species, move) ||
           (species < kOpTutorSpeciesLimit && std::find(tutor.begin(), tutor.end(), move) != tutor.end());
}

// "第4世代の配布、第5世代の教え技": the sources by generation.
std::string sourcesText(MoveSources sources) {
    static constexpr const char* kKinds[kMoveSourceKindCount] = {
        UI_TEXT_NOOP("MoveSources", "レベル技"),
        UI_TEXT_NOOP("MoveSources", "技マシン"),
        UI_TEXT_NOOP("MoveSources", "タマゴ技"),
        UI_TEXT_NOOP("MoveSources", "教え技"),
        UI_TEXT_NOOP("MoveSources", "配布"),
        UI_TEXT_NOOP("MoveSources", "フォルムチェンジ・特別な入手"),
        UI_TEXT_NOOP("MoveSources", "ドリームワールド"),
        UI_TEXT_NOOP("MoveSources", "スケッチ"),
    };
    std::string text;
    for (int generation = kFirstSourceGeneration; generation <= kGen5; ++generation) {
        const unsigned kinds = sourceKindsIn(sources, generation);
        if (kinds == 0)
            continue;
        std::string named;
        for (int kind = 0; kind < kMoveSourceKindCount; ++kind) {
            if (kinds & (1u << kind))
                named += (named.empty() ? "" : text::uiText("MoveSources", "・")) +
                         text::uiText("MoveSources", kKinds[kind]);
        }
        text += text::fillText(text.empty() ? text::uiText("MoveSources", "第%1世代の%2")
                                            : text::uiText("MoveSources", "、第%1世代の%2"),
                               {std::to_string(generation), named});
    }
    if (sources & kSourceByPreEvolutionOnly)
        text += text::uiText("MoveSources", "、進化前から");
    return text;
}

// Whether the four editions themselves give the move by one of its sources: every game of the 4th
// generation is among them, and the 5th generation's form changes and スケッチ work in TK. Such a
// move is missing only from the program's per-edition learnsets (which have neither the forms' own
// moves nor スケッチ), not from the games: the player has nothing to look into.
bool givenInTheEditions(MoveSources sources) {
    constexpr unsigned kAnyEdition = (1u << kSourceSketch) | (1u << kSourceSpecial);
    constexpr unsigned kInGame =
        (1u << kSourceLevel) | (1u << kSourceMachine) | (1u << kSourceEgg) | (1u << kSourceTutor) | kAnyEdition;
    return (sourceKindsIn(sources, kGen4) & kInGame) != 0 || (sourceKindsIn(sources, kGen5) & kAnyEdition) != 0;
}

// The editions of the program's learnsets in which the species exists.
std::vector<Edition> editionsOf(int species) {
    if (species >= kFirstGen5Species)
        return {Edition::TK};
    return {Edition::QX, Edition::ZV, Edition::JYJY, Edition::TK};
}

// The folded names of every row of a kind, a row's Japanese and English name apart by '\n'.
std::vector<std::string> nameKeys(int count, const char* (*japanese)(int), const char* (*english)(int)) {
    std::vector<std::string> keys;
    keys.reserve(static_cast<std::size_t>(count));
    for (int row = 0; row < count; ++row)
        keys.push_back(text::foldForFind(japanese(row)) + '\n' + text::foldForFind(english(row)));
    return keys;
}

const char* moveName(int row) {
    return moveRecord(row).name;
}
const char* abilityJapanese(int row) {
    return row == 0 ? "" : abilityJapaneseName(row); // 0 is no ability: never offered
}
const char* abilityShown(int row) {
    return row == 0 ? "" : abilityName(row);
}
const char* heldItemJapanese(int row) {
    return heldItem(row).japanese;
}
const char* heldItemEnglish(int row) {
    return heldItem(row).english;
}

// A kind's names found in either language, suggested in the display language.
struct NameTable {
    std::vector<std::string> keys;
    const char* (*name)(int);
};

const NameTable& nameTable(NameKind kind) {
    static const NameTable tables[] = {
        {nameKeys(kSpeciesCount, speciesJapaneseName, speciesEnglishName), speciesName},
        {nameKeys(kMoveCount, moveJapaneseName, moveEnglishName), moveName},
        {nameKeys(kAbilityCount, abilityJapanese, abilityEnglishName), abilityShown},
        {nameKeys(heldItemCount(), heldItemJapanese, heldItemEnglish), heldItemName},
    };
    return tables[static_cast<int>(kind)];
}

} // namespace

MoveRemark moveRemark(int species, int move) {
    const MoveSources sources = moveSources(species, move, kGen4) | moveSources(species, move, kGen5);
    const std::string what = quotedText(speciesName(species));
    if (sources == 0) {
        if (learnable(species, move))
            return {};
        return {MoveRemark::Kind::Warning,
                text::fillText(text::uiText("TeamText", "%1はどの作品でも%2を覚えません（そのまま登録します）"),
                               {what, quotedText(moveRecord(move).name)})};
    }
    std::string editions;
    for (Edition edition : editionsOf(species)) {
        if (editionMoveSources(species, move, edition) != 0)
            return {};
        editions += (editions.empty() ? "" : text::uiText("TeamText", "・")) + std::string(editionCode(edition));
    }
    if (learnable(species, move) || givenInTheEditions(sources))
        return {};
    return {MoveRemark::Kind::Note,
            text::fillText(text::uiText("TeamText", "%1の%2は %3 のほかで覚える技です（%4）"),
                           {what, quotedText(moveRecord(move).name), editions, sourcesText(sources)})};
}

std::string nearestNamesText(NameKind kind, std::string_view typed) {
    const NameTable& table = nameTable(kind);
    std::vector<std::string> names;
    for (const int row : text::nearestKeys(table.keys, text::foldForFind(typed)))
        if (std::find(names.begin(), names.end(), table.name(row)) == names.end())
            names.emplace_back(table.name(row));
    return names.empty() ? std::string()
                         : text::fillText(text::uiText("TeamText", "。%1"), {text::didYouMeanText(names)});
}

std::string clippedText(std::string_view text) {
    const std::vector<std::string_view> characters = text::utf8Characters(text);
    if (characters.size() <= kQuotedCharacters)
        return std::string(text);
    const std::string_view& last = characters[kQuotedCharacters - 1];
    return std::string(text.substr(0, static_cast<std::size_t>(last.data() + last.size() - text.data()))) + "…";
}

std::string quotedText(std::string_view text) {
    return text::fillText(text::uiText("TeamText", "「%1」"), {clippedText(text)});
}

} // namespace rusrina
