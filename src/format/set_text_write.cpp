#include "format/set_text.h"

#include "calc/stats.h"
#include "data/abilities.h"
#include "data/items.h"
#include "data/moves.h"
#include "data/names.h"
#include "data/species.h"
#include "data/types.h"
#include "format/set_text_stats.h"

#include <array>

namespace rusrina {
namespace {

constexpr int kDefaultLevel = 100;
constexpr int kPerfectIv = 31;

bool english(SetTextLanguage language) {
    return language == SetTextLanguage::English;
}

std::string speciesText(int species, SetTextLanguage language) {
    return english(language) ? speciesEnglishName(species) : speciesName(species);
}

// Only rows that are one item of the games are written; "各種タイプ補正" names none.
std::string itemText(int item, SetTextLanguage language) {
    const std::string englishName = itemEnglishName(item);
    if (englishName.empty())
        return {};
    return english(language) ? englishName : damageItem(item).name;
}

std::string speciesLine(const BoxEntry& entry, SetTextLanguage language) {
    const std::string species = speciesText(entry.species, language);
    const std::string name = entryNameUtf8(entry);
    std::string line = species;
    // A name other than the species' own is a nickname, even one that spells the species in
    // English: the reader keeps a written nickname as it stands.
    if (name != speciesName(entry.species))
        line = name + " (" + species + ")";
    const std::string item = itemText(entry.item, language);
    if (!item.empty())
        line += " @ " + item;
    return line + "\n";
}

// "252 Atk / 4 SpD / 252 Spe": the stats for which `shown` holds, in stat order.
template <class Shown> std::string statList(const int32_t (&values)[6], Shown shown) {
    std::string list;
    for (int stat = 0; stat < kStatCount; ++stat) {
        if (!shown(values[stat]))
            continue;
        if (!list.empty())
            list += " / ";
        list += std::to_string(values[stat]) + " " + kSetTextStatNames[stat];
    }
    return list;
}

std::string moveLine(const BoxEntry& entry, int move, SetTextLanguage language) {
    std::string line = "- " + std::string(english(language) ? moveEnglishName(move) : moveRecord(move).name);
    // Hidden power's type follows from the IVs, which only mean something when the stats came
    // from them.
    if (move == kMoveHiddenPower && entry.statsDirect == 0) {
        const int type =
            hiddenPowerOf({entry.iv[0], entry.iv[1], entry.iv[2], entry.iv[3], entry.iv[4], entry.iv[5]}).type;
        line += " [" + std::string(english(language) ? typeEnglishName(type) : typeName(type)) + "]";
    }
    return line + "\n";
}

} // namespace

std::string writeSetText(const BoxEntry& entry, SetTextLanguage language) {
    std::string text = speciesLine(entry, language);
    if (entry.ability > 0 && entry.ability < kAbilityCount)
        text += std::string("Ability: ") +
                (english(language) ? abilityEnglishName(entry.ability) : abilityName(entry.ability)) + "\n";
    if (entry.level != kDefaultLevel)
        text += "Level: " + std::to_string(entry.level) + "\n";
    const bool fromIvs = entry.statsDirect == 0;
    const std::string evs = statList(entry.ev, [](int ev) { return ev != 0; });
    if (fromIvs && !evs.empty())
        text += "EVs: " + evs + "\n";
    text += std::string(english(language) ? natureEnglishName(entry.nature) : natureName(entry.nature)) + " Nature\n";
    const std::string ivs = statList(entry.iv, [](int iv) { return iv != kPerfectIv; });
    if (fromIvs && !ivs.empty())
        text += "IVs: " + ivs + "\n";
    if (!fromIvs)
        text += std::string(kSetTextStatsComment) + " " + statList(entry.stat, [](int) { return true; }) + "\n";
    for (int move : entry.move) {
        if (isValidMove(move))
            text += moveLine(entry, move, language);
    }
    return text;
}

std::string writeSetTexts(std::span<const BoxEntry> entries, SetTextLanguage language) {
    std::string text;
    for (const BoxEntry& entry : entries) {
        if (!text.empty())
            text += "\n";
        text += writeSetText(entry, language);
    }
    return text;
}

} // namespace rusrina
