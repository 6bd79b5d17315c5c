// The other half of the end-to-end test: builds the two creatures that the driver registers through
// the real program's windows, straight from the core, and
//   - writes them as a box file (the program's saved box must equal it byte for byte);
//   - prints, as JSON, the chooser rows the driver has to pick for them and the calculation logs
//     the damage window must copy for them.
// Usage: e2e_reference_box BOX_FILE > plan.json

#include "box/box.h"
#include "calc/stats.h"
#include "data/abilities.h"
#include "data/battle_rules.h"
#include "data/items.h"
#include "data/names.h"
#include "data/natures.h"
#include "data/species.h"
#include "format/box_file.h"
#include "view/box/damage_view.h"
#include "view/edit/entry_edit.h"

#include <array>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace rusrina {
namespace {

// A creature as the player describes it, by names.
struct Creature {
    const char* name;
    const char* species;
    int level;
    const char* nature; // the label up to its bracketed note
    const char* item;
    std::array<int, 6> iv;
    std::array<int, 6> ev;
    std::array<const char*, 4> moves; // as the move chooser shows them (tutor rows begin with "―")
};

// Alpha attacks, Beta defends. Hidden power (Alpha's second move) depends on the IVs, the first
// move is super effective with a held item, and the fourth comes from the tutor rows.
const Creature kCreatures[2] = {
    {"Alpha",
     "リザードン",
     50,
     "ひかえめ",
     "こだわりメガネ",
     {31, 2, 30, 31, 29, 31},
     {4, 0, 0, 252, 0, 252},
     {"かえんほうしゃ", "めざめるパワー", "エアスラッシュ", "―いわなだれ"}},
    {"Beta",
     "フシギバナ",
     55,
     "ずぶとい",
     "なし／その他",
     {30, 31, 31, 31, 31, 31},
     {252, 0, 252, 0, 4, 0},
     {"ギガドレイン", "ヘドロばくだん", "じしん", "ねむりごな"}},
};

// The rows the driver copies the log of, with Alpha attacking Beta.
constexpr int kCopiedRows[] = {0, 1};

int rowOf(const std::vector<ListChoice>& choices, std::string_view text, const char* what) {
    const int row = findChoiceText(choices, text);
    if (row < 0)
        throw std::runtime_error(std::string("no ") + what + " row " + std::string(text));
    return row;
}

int natureIndex(std::string_view name) {
    for (int nature = 0; nature < kNatureCount; ++nature) {
        if (std::string_view(natureRecord(nature).label).starts_with(name))
            return nature;
    }
    throw std::runtime_error("no nature " + std::string(name));
}

int itemIndex(std::string_view name) {
    for (int item = 0; item < kDamageItemCount; ++item) {
        if (name == damageItem(item).name)
            return item;
    }
    throw std::runtime_error("no item " + std::string(name));
}

// The chooser rows of one creature in the entry edit window (under the unrestricted rule).
struct ChooserRows {
    int species, level, nature, item;
    std::array<int, 4> moves;
};

ChooserRows chooserRows(const Creature& creature) {
    ChooserRows rows{};
    const std::vector<ListChoice> species = speciesChoices(kRuleUnrestricted);
    rows.species = rowOf(species, creature.species, "species");
    rows.level = creature.level - 1;
    rows.nature = natureIndex(creature.nature);
    rows.item = itemIndex(creature.item);
    const std::vector<ListChoice> moves = moveChoices(species[rows.species].value, 0);
    for (int k = 0; k < 4; ++k)
        rows.moves[k] = rowOf(moves, creature.moves[k], "move");
    return rows;
}

// The entry as the stat formulas make it, without going through the edit form's code.
BoxEntry entryOf(const Creature& creature) {
    const ChooserRows rows = chooserRows(creature);
    BoxEntry entry{};
    setEntryName(entry, creature.name);
    entry.species = speciesChoices(kRuleUnrestricted)[rows.species].value;
    entry.level = creature.level;
    entry.nature = rows.nature;
    entry.ability = speciesAbilities(entry.species).ability1; // the ability chooser's first row
    entry.item = rows.item;
    entry.statsDirect = 0;
    const SpeciesRecord& record = speciesRecord(entry.species);
    for (int stat = 0; stat < kStatCount; ++stat) {
        entry.iv[stat] = creature.iv[stat];
        entry.ev[stat] = creature.ev[stat];
        entry.stat[stat] = stat == kHp
                               ? computeHp(record.baseStats[stat], creature.iv[stat], creature.ev[stat], creature.level)
                               : computeStat(record.baseStats[stat], creature.iv[stat], creature.ev[stat],
                                             creature.level, natureMultiplier(entry.nature, stat));
    }
    const std::vector<ListChoice> moves = moveChoices(entry.species, 0);
    for (int k = 0; k < 4; ++k)
        entry.move[k] = moves[rows.moves[k]].value;
    return entry;
}

std::string jsonString(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string jsonInts(const int* values, int count) {
    std::string out = "[";
    for (int i = 0; i < count; ++i)
        out += (i ? ", " : "") + std::to_string(values[i]);
    return out + "]";
}

std::string creatureJson(const Creature& creature) {
    const ChooserRows rows = chooserRows(creature);
    return "{\"name\": " + jsonString(creature.name) + ", \"speciesRow\": " + std::to_string(rows.species) +
           ", \"speciesEnglish\": " + jsonString(speciesEnglishName(findSpecies(creature.species))) +
           ", \"levelRow\": " + std::to_string(rows.level) + ", \"natureRow\": " + std::to_string(rows.nature) +
           ", \"itemRow\": " + std::to_string(rows.item) + ", \"iv\": " + jsonInts(creature.iv.data(), 6) +
           ", \"ev\": " + jsonInts(creature.ev.data(), 6) + ", \"moveRows\": " + jsonInts(rows.moves.data(), 4) +
           ", \"moveNames\": [" + jsonString(creature.moves[0]) + ", " + jsonString(creature.moves[1]) + ", " +
           jsonString(creature.moves[2]) + ", " + jsonString(creature.moves[3]) + "]}";
}

// The logs of the copied rows with the window's conditions as they start (every control at its
// first value, nothing checked, no learnable move chosen).
std::string logsJson(const BoxEntry& attacker, const BoxEntry& defender) {
    DamageEngine engine;
    engine.attacker = attacker;
    engine.defender = defender;
    engine.conditions = battleConditions(ConditionControls{});
    const DamageResults results = engine.computeAllRows();
    std::string out = "{";
    for (const int row : kCopiedRows) {
        if (results[row].log.empty())
            throw std::runtime_error("row " + std::to_string(row) + " computes nothing");
        out +=
            (out.size() > 1 ? ", " : "") + jsonString(std::to_string(row)) + ": " + jsonString(results[row].log.text());
    }
    return out + "}";
}

int run(const char* boxPath) {
    Box box;
    const BoxEntry attacker = entryOf(kCreatures[0]);
    const BoxEntry defender = entryOf(kCreatures[1]);
    if (!box.add(attacker).ok() || !box.add(defender).ok())
        throw std::runtime_error("the box refused a creature");
    const SaveResult saved = BoxFile(boxPath).save(box);
    if (!saved.ok)
        throw std::runtime_error(saved.message);
    std::printf("{\"creatures\": [%s, %s],\n \"logs\": %s}\n", creatureJson(kCreatures[0]).c_str(),
                creatureJson(kCreatures[1]).c_str(), logsJson(attacker, defender).c_str());
    return 0;
}

} // namespace
} // namespace rusrina

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s BOX_FILE\n", argv[0]);
        return 2;
    }
    try {
        return rusrina::run(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "e2e_reference_box: %s\n", e.what());
        return 1;
    }
}
