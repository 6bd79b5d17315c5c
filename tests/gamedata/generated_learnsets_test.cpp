// The generated learnset tables: each table's encoding and empty markers, the rows the program's
// users know, and the largest rows against their fixed sizes.
#include "data/raw_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <span>
#include <string>
#include <vector>

namespace rusrina::generated {
namespace {

const char* const kEditionNames[] = {"QX", "ZV", "JYJY", "TK"};
const char* const kSetNames[] = {"QXZV", "JYJY", "TK"};
constexpr int kBarkOut = 552;   // バークアウト
constexpr int kLeechLife = 140; // きゅうけつ
constexpr int kNinjask = 290;   // テッカニン
constexpr int kPichu = 171;

std::vector<LevelUpEntry> usedEntries(int edition, int species) {
    std::vector<LevelUpEntry> used;
    for (const LevelUpEntry& e : kLevelUp[edition][species]) {
        if (!e.empty()) {
            used.push_back(e);
        }
    }
    return used;
}

TEST(GeneratedLevelUp, RowsArePackedOrderedAndInRange) {
    size_t largest = 0;
    for (int edition = 0; edition < kEditionCount; ++edition) {
        for (int s = 0; s < kSpeciesCount; ++s) {
            SCOPED_TRACE(std::string(kEditionNames[edition]) + " " + std::to_string(s));
            std::span<const LevelUpEntry> row(kLevelUp[edition][s]);
            size_t used = usedEntries(edition, s).size();
            largest = std::max(largest, used);
            for (size_t i = 0; i < row.size(); ++i) {
                if (i >= used) {
                    EXPECT_TRUE(row[i].empty()) << "entry " << i << " after the empty ones";
                    continue;
                }
                EXPECT_TRUE(row[i].level >= 1 && row[i].level <= 100);
                EXPECT_TRUE(row[i].move >= 0 && row[i].move < kMoveCount);
                if (i > 0) {
                    EXPECT_GE(row[i].level, row[i - 1].level);
                }
            }
            // Species of the 5th generation learn nothing in the 4th-generation editions.
            if (edition != 3 && s >= kFirstGen5Species) {
                EXPECT_EQ(used, 0u);
            }
        }
    }
    EXPECT_EQ(largest, 22u);
}

TEST(GeneratedLevelUp, RowsEveryEditionHas) {
    // Only the forms that came with ZV are missing from QX.
    const std::set<int> newInZV = {484, 485, 486, 487, 488, 497, 503};
    for (int edition = 0; edition < kEditionCount; ++edition) {
        int rows = edition == 3 ? kSpeciesCount : kFirstGen5Species;
        for (int s = 0; s < rows; ++s) {
            bool expected = edition != 0 || !newInZV.count(s);
            EXPECT_EQ(!usedEntries(edition, s).empty(), expected) << kEditionNames[edition] << " " << s;
        }
    }
}

TEST(GeneratedLevelUp, SameMoveTwiceAtDifferentLevels) {
    for (int edition = 0; edition < kEditionCount; ++edition) {
        std::vector<int> levels;
        for (const LevelUpEntry& e : usedEntries(edition, kNinjask)) {
            if (e.move == kLeechLife) {
                levels.push_back(e.level);
            }
        }
        EXPECT_EQ(levels, (std::vector<int>{1, 5})) << kEditionNames[edition];
    }
}

// Egg and tutor rows: move indices packed at the front, 0 for empty entries, no repeats.
size_t checkMoveRow(std::span<const int32_t> row, const std::string& what) {
    size_t used = 0;
    while (used < row.size() && row[used] != 0) {
        ++used;
    }
    std::set<int> seen;
    for (size_t i = 0; i < row.size(); ++i) {
        if (i >= used) {
            EXPECT_EQ(row[i], 0) << what << " entry " << i << " after an empty one";
            continue;
        }
        EXPECT_TRUE(row[i] >= 1 && row[i] < kMoveCount) << what;
        EXPECT_TRUE(seen.insert(row[i]).second) << what << " repeats " << row[i];
    }
    return used;
}

TEST(GeneratedEggAndTutorRows, PackedInRangeAndLargestRows) {
    size_t largestEgg = 0;
    for (int set = 0; set < 3; ++set) {
        for (int s = 0; s < kSpeciesCount; ++s) {
            std::string what = std::string("eggs ") + kSetNames[set] + " " + std::to_string(s);
            size_t used = checkMoveRow(kEggMoves[set][s], what);
            largestEgg = std::max(largestEgg, used);
            if (set != 2 && s >= kFirstGen5Species) {
                EXPECT_EQ(used, 0u) << what;
            }
        }
    }
    EXPECT_EQ(largestEgg, 16u);

    size_t largestZV = 0, largestJYJY = 0;
    for (int s = 0; s < kSpeciesCount; ++s) {
        size_t zv = checkMoveRow(kTutorZV[s], "tutor ZV " + std::to_string(s));
        size_t jyjy = checkMoveRow(kTutorJYJY[s], "tutor JYJY " + std::to_string(s));
        if (s >= kFirstGen5Species) {
            EXPECT_EQ(zv + jyjy, 0u) << s;
        }
        largestZV = std::max(largestZV, zv);
        largestJYJY = std::max(largestJYJY, jyjy);
    }
    EXPECT_EQ(largestZV, 38u);
    EXPECT_EQ(largestJYJY, 52u);
}

TEST(GeneratedMachines, SlotListsAndTheirEncodings) {
    const MachineSet& qxzv = kMachineSets[0];
    const MachineSet& jyjy = kMachineSets[1];
    const MachineSet& tk = kMachineSets[2];
    // マシン01 is きあいパンチ (move number 264) in the 4th generation, ふるいたてる (index 467) in TK.
    EXPECT_EQ(qxzv.slots[0], 264);
    EXPECT_EQ(tk.slots[0], 467);
    // TK stores move indices: マシン95 is バークアウト, whose index is not its national number.
    EXPECT_EQ(tk.slots[94], kBarkOut);
    // ひでん5 is the one slot in which QXZV and JYJY differ: きりばらい (432) and うずしお (250).
    EXPECT_EQ(qxzv.slots[96], 432);
    EXPECT_EQ(jyjy.slots[96], 250);
    for (int slot = 0; slot < kMachineColumns; ++slot) {
        if (slot != 96) {
            EXPECT_EQ(qxzv.slots[slot], jyjy.slots[slot]) << slot;
        }
    }
    for (int set = 0; set < 3; ++set) {
        int used = set == 2 ? 101 : 100;
        int offset = set == 2 ? 0 : 1;
        std::set<int> moves;
        for (int slot = 0; slot < kMachineColumns; ++slot) {
            int value = kMachineSets[set].slots[slot];
            if (slot >= used) {
                EXPECT_EQ(value, 0) << kSetNames[set] << " slot " << slot;
                continue;
            }
            EXPECT_TRUE(value - offset >= 0 && value - offset < kMoveCount) << kSetNames[set] << " " << slot;
            EXPECT_TRUE(moves.insert(value).second) << kSetNames[set] << " repeats " << value;
        }
    }
}

TEST(GeneratedMachines, FlagMatrices) {
    for (int set = 0; set < 3; ++set) {
        int mostFlags = 0;
        for (int s = 0; s < kSpeciesCount; ++s) {
            SCOPED_TRACE(std::string(kSetNames[set]) + " " + std::to_string(s));
            const int32_t* row = kMachineSets[set].flags[s];
            bool exists = set == 2 || s < kFirstGen5Species;
            EXPECT_EQ(row[0], exists ? kSpeciesTable[s].number : 0);
            int flags = 0;
            for (int column = 1; column < kMachineColumns; ++column) {
                EXPECT_TRUE(row[column] == 0 || row[column] == 1);
                flags += row[column];
            }
            if (!exists) {
                EXPECT_EQ(flags, 0);
            }
            // A QXZV or JYJY species cannot use the empty slot 100.
            if (set != 2) {
                EXPECT_EQ(row[101], 0);
            }
            mostFlags = std::max(mostFlags, flags);
        }
        EXPECT_EQ(mostFlags, set == 2 ? 101 : 100) << kSetNames[set];
    }
}

TEST(GeneratedSpecialRows, LightBallDragonAndStarterMoves) {
    std::vector<int> dragons, starters;
    for (int s = 0; s < kSpeciesCount; ++s) {
        std::span<const SpecialLearnEntry> row(kSpecialMoves[s]);
        if (row[0].methodText == 2) {
            dragons.push_back(s);
            EXPECT_EQ(row[0].move, 434) << s; // りゅうせいぐん
            EXPECT_EQ(row[1].move + row[1].methodText, 0) << s;
        } else if (row[0].methodText == 3) {
            starters.push_back(s);
        }
        for (const SpecialLearnEntry& e : row) {
            EXPECT_EQ(e.move == 0, e.methodText == 0) << s;
            EXPECT_TRUE(e.methodText >= 0 && e.methodText <= 3) << s;
            EXPECT_TRUE(e.move >= 0 && e.move <= kMoveCount) << s;
        }
    }
    // ピチュー's ボルテッカー (move number 344) by the light-ball egg; nobody else has method 1.
    EXPECT_EQ(kSpecialMoves[kPichu][0].move, 344);
    EXPECT_EQ(kSpecialMoves[kPichu][0].methodText, 1);
    EXPECT_EQ(kSpecialMoves[kPichu][1].move, 0);
    EXPECT_EQ(dragons, (std::vector<int>{148, 229, 329, 333, 372, 379, 380, 383, 449, 492, 493, 496, 497, 624, 633, 647,
                                         655, 656, 658}));
    EXPECT_EQ(starters, (std::vector<int>{2, 5, 8, 153, 156, 159, 253, 256, 259, 391, 394, 397, 508, 511, 514}));
    // Grass, fire and water final stages: the ultimate move, then the pledge of the same type.
    const int expected[3][2] = {{338, 520}, {307, 519}, {308, 518}};
    for (size_t i = 0; i < starters.size(); ++i) {
        const SpecialLearnEntry* row = kSpecialMoves[starters[i]];
        EXPECT_EQ(row[0].move, expected[i % 3][0]) << starters[i];
        EXPECT_EQ(row[1].move, expected[i % 3][1]) << starters[i];
        EXPECT_EQ(row[1].methodText, 3) << starters[i];
    }
}

TEST(GeneratedSpecialRows, TutorRowsLeaveOutWhatTheSpecialRowGives) {
    int rowsWithDracoMeteorTaught = 0;
    for (int s = 0; s < kSpeciesCount; ++s) {
        for (const SpecialLearnEntry& e : kSpecialMoves[s]) {
            if (e.move == 0) {
                continue;
            }
            int move = e.move - 1;
            EXPECT_EQ(std::count(std::begin(kTutorZV[s]), std::end(kTutorZV[s]), move), 0) << s;
            EXPECT_EQ(std::count(std::begin(kTutorJYJY[s]), std::end(kTutorJYJY[s]), move), 0) << s;
        }
        rowsWithDracoMeteorTaught += std::count(std::begin(kTutorZV[s]), std::end(kTutorZV[s]), 433) > 0;
    }
    // The dragons that evolve further (ミニリュウ, ハクリュー, ...) keep りゅうせいぐん as a tutor move.
    EXPECT_GT(rowsWithDracoMeteorTaught, 0);
    EXPECT_EQ(std::count(std::begin(kTutorZV[147]), std::end(kTutorZV[147]), 433), 1);
}

} // namespace
} // namespace rusrina::generated
