// Developer tool: writes one compiled-in game table as UTF-8 CSV to standard output, a header row and
// then one line per table row, so that the tables can be compared with other sources.
// It reads the generated arrays directly and so does not depend on the lookup functions.
#include "data/items.h"
#include "data/natures.h"
#include "data/raw_tables.h"

#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace rusrina;
using namespace rusrina::generated;

// CSV field: quoted only when it holds a comma, a quote or a line break.
std::string field(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string out = "\"";
    for (char c : text) {
        out += c;
        if (c == '"') {
            out += '"';
        }
    }
    return out + "\"";
}

void writeLine(const std::vector<std::string>& fields) {
    std::string line;
    for (size_t i = 0; i < fields.size(); ++i) {
        line += (i ? "," : "") + fields[i];
    }
    line += '\n';
    std::fputs(line.c_str(), stdout);
}

std::string num(long value) {
    return std::to_string(value);
}

std::string moveName(int move) {
    return move >= 0 && move < kMoveCount ? kMoveTable[move].name : "?";
}

// The first columns of every per-species table.
std::vector<std::string> speciesColumns(int species) {
    return {num(species), num(kSpeciesTable[species].number), field(kSpeciesNames[species])};
}

void dumpSpecies() {
    writeLine({"species", "number", "name", "hp", "attack", "defence", "spAttack", "spDefence", "speed", "type1",
               "type2", "femaleRate", "hatchSteps", "eggGroup1", "eggGroup2", "ability1", "ability2", "hiddenAbility"});
    for (int s = 0; s < kSpeciesCount; ++s) {
        const SpeciesRecord& r = kSpeciesTable[s];
        std::vector<std::string> line = speciesColumns(s);
        for (int32_t stat : r.baseStats) {
            line.push_back(num(stat));
        }
        const BreedingRecord& b = kBreedingTable[s];
        const SpeciesAbilities& a = kSpeciesAbilities[s];
        for (int32_t v : {r.type1, r.type2, r.femaleRate, b.hatchSteps, b.eggGroup1, b.eggGroup2, a.ability1,
                          a.ability2, a.hiddenAbility}) {
            line.push_back(num(v));
        }
        writeLine(line);
    }
}

void dumpMoves() {
    writeLine({"move", "name", "power", "accuracy", "pp", "type", "category", "target", "effect"});
    for (int m = 0; m < kMoveCount; ++m) {
        const MoveRecord& r = kMoveTable[m];
        writeLine({num(m), field(r.name), num(r.power), num(r.accuracy), num(r.pp), num(r.type), num(r.category),
                   num(r.target), num(r.effect)});
    }
}

void dumpAbilities() {
    writeLine({"ability", "name"});
    for (int a = 0; a < kAbilityCount; ++a) {
        writeLine({num(a), field(kAbilityNames[a])});
    }
}

void dumpNatures() {
    writeLine({"nature", "name", "attack", "defence", "spAttack", "spDefence", "speed"});
    for (int n = 0; n < kNatureCount; ++n) {
        const NatureRecord& r = natureRecord(n);
        writeLine({num(n), field(r.label), num(r.factor[1]), num(r.factor[2]), num(r.factor[3]), num(r.factor[4]),
                   num(r.factor[5])});
    }
}

void dumpItems() {
    writeLine({"item", "name", "attackKind", "attackValue", "defenceKind", "defenceValue"});
    for (int i = 0; i < kDamageItemCount; ++i) {
        const DamageItem& r = damageItem(i);
        writeLine(
            {num(i), field(r.name), num(r.attackKind), num(r.attackValue), num(r.defenceKind), num(r.defenceValue)});
    }
}

void dumpEvolutions() {
    writeLine({"fromSpecies", "toSpecies", "fromName", "toName"});
    for (const EvolutionRecord& e : kEvolutionTable) {
        bool valid =
            e.fromSpecies >= 1 && e.fromSpecies <= kSpeciesCount && e.toSpecies >= 1 && e.toSpecies <= kSpeciesCount;
        writeLine({num(e.fromSpecies), num(e.toSpecies), valid ? field(kSpeciesNames[e.fromSpecies - 1]) : "?",
                   valid ? field(kSpeciesNames[e.toSpecies - 1]) : "?"});
    }
}

// Learnset rows: the entries of one species joined by spaces, then the same moves by name.
void writeMoveRow(int species, const std::vector<std::string>& entries, const std::vector<int>& moves) {
    std::string joined, names;
    for (size_t i = 0; i < entries.size(); ++i) {
        joined += (i ? " " : "") + entries[i];
        names += (i ? " " : "") + moveName(moves[i]);
    }
    std::vector<std::string> line = speciesColumns(species);
    line.push_back(field(joined));
    line.push_back(field(names));
    writeLine(line);
}

void dumpLevelUp(int edition) {
    writeLine({"species", "number", "name", "level:move", "moveNames"});
    for (int s = 0; s < kSpeciesCount; ++s) {
        std::vector<std::string> entries;
        std::vector<int> moves;
        for (const LevelUpEntry& e : kLevelUp[edition][s]) {
            if (!e.empty()) {
                entries.push_back(num(e.level) + ":" + num(e.move));
                moves.push_back(e.move);
            }
        }
        writeMoveRow(s, entries, moves);
    }
}

void dumpMoveIndexRows(const int32_t* rows, int width) {
    writeLine({"species", "number", "name", "moves", "moveNames"});
    for (int s = 0; s < kSpeciesCount; ++s) {
        std::vector<std::string> entries;
        std::vector<int> moves;
        for (int i = 0; i < width; ++i) {
            if (int32_t move = rows[s * width + i]) {
                entries.push_back(num(move));
                moves.push_back(move);
            }
        }
        writeMoveRow(s, entries, moves);
    }
}

// "マシン01 きあいパンチ" style header of one machine slot; QXZV and JYJY have 92 numbered machines
// and store move numbers, TK has 95 and stores move indices.
std::string machineLabel(int set, int slot) {
    int numbered = set == 2 ? 95 : 92;
    int move = kMachineSets[set].slots[slot] - (set == 2 ? 0 : 1);
    char label[32];
    std::snprintf(label, sizeof label, "%s%02d", slot < numbered ? "マシン" : "ひでん",
                  slot < numbered ? slot + 1 : slot - numbered + 1);
    return field(std::string(label) + " " + (move >= 0 ? moveName(move) : "-"));
}

void dumpMachines(int set) {
    std::vector<std::string> header = {"species", "number", "name", "flagNumber"};
    for (int slot = 0; slot < kMachineSlots; ++slot) {
        header.push_back(machineLabel(set, slot));
    }
    writeLine(header);
    for (int s = 0; s < kSpeciesCount; ++s) {
        std::vector<std::string> line = speciesColumns(s);
        for (int column = 0; column < kMachineColumns; ++column) {
            line.push_back(num(kMachineSets[set].flags[s][column]));
        }
        writeLine(line);
    }
}

void dumpSpecial() {
    writeLine({"species", "number", "name", "move1", "method1", "move2", "method2", "moveNames"});
    for (int s = 0; s < kSpeciesCount; ++s) {
        std::vector<std::string> line = speciesColumns(s);
        std::string names;
        for (const SpecialLearnEntry& e : kSpecialMoves[s]) {
            line.push_back(num(e.move));
            line.push_back(num(e.methodText));
            if (e.move) {
                names += (names.empty() ? "" : " ") + moveName(e.move - 1);
            }
        }
        line.push_back(field(names));
        writeLine(line);
    }
}

struct Command {
    std::map<std::string, int> variants; // empty: the table takes no variant
    std::function<void(int)> dump;
};

const std::map<std::string, Command>& commands() {
    static const std::map<std::string, int> editions = {{"QX", 0}, {"ZV", 1}, {"JYJY", 2}, {"TK", 3}};
    static const std::map<std::string, int> sets = {{"QXZV", 0}, {"JYJY", 1}, {"TK", 2}};
    static const std::map<std::string, Command> table = {
        {"species", {{}, [](int) { dumpSpecies(); }}},
        {"moves", {{}, [](int) { dumpMoves(); }}},
        {"abilities", {{}, [](int) { dumpAbilities(); }}},
        {"natures", {{}, [](int) { dumpNatures(); }}},
        {"items", {{}, [](int) { dumpItems(); }}},
        {"evolutions", {{}, [](int) { dumpEvolutions(); }}},
        {"special", {{}, [](int) { dumpSpecial(); }}},
        {"levelup", {editions, dumpLevelUp}},
        {"machines", {sets, dumpMachines}},
        {"eggs", {sets, [](int set) { dumpMoveIndexRows(&kEggMoves[set][0][0], kEggEntries); }}},
        {"tutor",
         {{{"ZV", 0}, {"JYJY", 1}},
          [](int which) {
              if (which == 0) {
                  dumpMoveIndexRows(&kTutorZV[0][0], kTutorZvEntries);
              } else {
                  dumpMoveIndexRows(&kTutorJYJY[0][0], kTutorJyjyEntries);
              }
          }}},
    };
    return table;
}

int usage() {
    std::fputs("usage: rusrina-dump TABLE [VARIANT]\n"
               "  species | moves | abilities | natures | items | evolutions | special\n"
               "  levelup QX|ZV|JYJY|TK\n"
               "  machines QXZV|JYJY|TK\n"
               "  eggs QXZV|JYJY|TK\n"
               "  tutor ZV|JYJY\n"
               "Writes the table as UTF-8 CSV to standard output.\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        return usage();
    }
    auto command = commands().find(argv[1]);
    if (command == commands().end()) {
        return usage();
    }
    const Command& c = command->second;
    if (c.variants.empty()) {
        if (argc != 2) {
            return usage();
        }
        c.dump(0);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    auto variant = argc == 3 ? c.variants.find(argv[2]) : c.variants.end();
    if (variant == c.variants.end()) {
        return usage();
    }
    c.dump(variant->second);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
