#include "format/set_text.h"

#include "calc/stats.h"
#include "data/abilities.h"
#include "data/held_items.h"
#include "data/ids.h"
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

// ニドラン's English names as the public tools spell them ("Nidoran-F"): their calculator does not
// know "Nidoran♀". The reader takes both.
// A kept form by its own name ("Basculin-Blue-Striped"): as its base form, the public tools would
// read another form.
std::string speciesText(int species, int form, SetTextLanguage language) {
    if (const KeptForm* kept = keptForm(species, form))
        return english(language) ? kept->english : kept->japanese;
    if (!english(language))
        return speciesJapaneseName(species);
    std::string name = speciesEnglishName(species);
    for (auto [sign, letter] : {std::pair{"♀", "-F"}, std::pair{"♂", "-M"}}) {
        if (const std::size_t at = name.find(sign); at != std::string::npos)
            name.replace(at, std::string_view(sign).size(), letter);
    }
    return name;
}

// The held item as one item of the games; empty for no item and for a row that names none.
std::string itemText(int index, SetTextLanguage language) {
    if (index <= kNoHeldItem)
        return {};
    return english(language) ? heldItem(index).english : heldItem(index).japanese;
}

const char* genderText(Gender gender) {
    return gender == Gender::Male ? " (M)" : gender == Gender::Female ? " (F)" : "";
}

std::string speciesLine(const BoxEntry& entry, const EntryExtra& extra, SetTextLanguage language) {
    const std::string species = speciesText(entry.species, extra.form, language);
    const std::string name = entryNameUtf8(entry);
    std::string line = species;
    // A name other than the species' own is a nickname, even one that spells the species in
    // English: the reader keeps a written nickname as it stands.
    if (name != speciesJapaneseName(entry.species))
        line = name + " (" + species + ")";
    line += genderText(extra.gender);
    const std::string item = itemText(heldItemOf(entry, extra), language);
    if (!item.empty())
        line += " @ " + item;
    line += "\n";
    // A row that stands for many items (or none) is said in a comment the reader takes back.
    if (item.empty() && entry.item != 0 && damageItemJapaneseName(entry.item)[0] != '\0')
        line += std::string(kSetTextItemComment) + " " + damageItemJapaneseName(entry.item) + "\n";
    return line;
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
    std::string line = "- " + std::string(english(language) ? moveEnglishName(move) : moveJapaneseName(move));
    // Hidden power's type follows from the IVs, which only mean something when the stats came
    // from them.
    if (move == indexOf(MoveId::HiddenPower) && entry.statsDirect == 0) {
        const int type =
            hiddenPowerOf({entry.iv[0], entry.iv[1], entry.iv[2], entry.iv[3], entry.iv[4], entry.iv[5]}).type;
        line += " [" + std::string(english(language) ? typeEnglishName(type) : typeJapaneseName(type)) + "]";
    }
    return line + "\n";
}

} // namespace

std::string writeSetText(const BoxEntry& entry, SetTextLanguage language) {
    return writeSetText(entry, EntryExtra{}, language);
}

std::string writeSetText(const BoxEntry& entry, const EntryExtra& extra, SetTextLanguage language) {
    std::string text = speciesLine(entry, extra, language);
    if (entry.ability > 0 && entry.ability < kAbilityCount)
        text += std::string("Ability: ") +
                (english(language) ? abilityEnglishName(entry.ability) : abilityJapaneseName(entry.ability)) + "\n";
    if (entry.level != kDefaultLevel)
        text += "Level: " + std::to_string(entry.level) + "\n";
    if (extra.shiny)
        text += "Shiny: Yes\n";
    if (extra.happiness != kDefaultHappiness)
        text += "Happiness: " + std::to_string(extra.happiness) + "\n";
    const bool fromIvs = entry.statsDirect == 0;
    const std::string evs = statList(entry.ev, [](int ev) { return ev != 0; });
    if (fromIvs && !evs.empty())
        text += "EVs: " + evs + "\n";
    text += std::string(english(language) ? natureEnglishName(entry.nature) : natureJapaneseName(entry.nature)) +
            " Nature\n";
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
    return writeSetTexts(entries, {}, language);
}

std::string writeSetTexts(std::span<const BoxEntry> entries, std::span<const EntryExtra> extras,
                          SetTextLanguage language) {
    std::string text;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!text.empty())
            text += "\n";
        text += writeSetText(entries[i], i < extras.size() ? extras[i] : EntryExtra{}, language);
    }
    return text;
}

} // namespace rusrina
