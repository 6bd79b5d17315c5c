#include "view/detail/move_list.h"

#include "data/learnsets.h"
#include "data/moves.h"
#include "data/species.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace rusrina {
namespace {

constexpr int kBulbasaur = 0, kVenusaur = 2, kPikachu = 24, kRaichu = 25, kPichu = 171, kEevee = 132, kDialga = 492;

MoveListOptions only(std::initializer_list<bool MoveListOptions::*> set) {
    MoveListOptions options;
    for (bool MoveListOptions::*flag :
         {&MoveListOptions::byLevel, &MoveListOptions::byMachine, &MoveListOptions::byEgg, &MoveListOptions::bySpecial,
          &MoveListOptions::withPreEvolutions, &MoveListOptions::inQX, &MoveListOptions::inZV, &MoveListOptions::inJYJY,
          &MoveListOptions::inTK})
        options.*flag = false;
    for (bool MoveListOptions::*flag : set)
        options.*flag = true;
    return options;
}

MoveListOptions difference(DifferenceMode mode, bool withPreEvolutions = false) {
    MoveListOptions options; // every method and edition box set: a difference view ignores them
    options.difference = mode;
    options.withPreEvolutions = withPreEvolutions;
    return options;
}

std::vector<MoveRow> listFor(int species, const MoveListOptions& options) {
    return moveList(detailViewState(species), options);
}

int findMove(const char* name) {
    for (int move = 0; move < kMoveCount; ++move) {
        if (std::string(moveRecord(move).name) == name)
            return move;
    }
    return -1;
}

bool hasRow(const std::vector<MoveRow>& rows, const char* move, const std::string& method) {
    const int index = findMove(move);
    return std::any_of(rows.begin(), rows.end(),
                       [&](const MoveRow& row) { return row.move == index && row.method == method; });
}

size_t countContaining(const std::vector<MoveRow>& rows, const std::string& part) {
    return static_cast<size_t>(std::count_if(
        rows.begin(), rows.end(), [&](const MoveRow& row) { return row.method.find(part) != std::string::npos; }));
}

TEST(MoveListTest, EditionBoxesChooseTheTables) {
    struct Case {
        const char* what;
        MoveListOptions options;
        std::vector<std::string> allowed; // every row's method contains one of these
        bool empty;
    };
    using O = MoveListOptions;
    const Case cases[] = {
        {"special with TK only", only({&O::bySpecial, &O::inTK}), {}, true},
        {"machines with ZV only", only({&O::byMachine, &O::inZV}), {"QXZV-マシン:", "QXZV-ひでん:"}, false},
        {"machines with QX only", only({&O::byMachine, &O::inQX}), {"QXZV-マシン:", "QXZV-ひでん:"}, false},
        {"machines with JYJY only", only({&O::byMachine, &O::inJYJY}), {" JY-マシン:", " JY-ひでん:"}, false},
        {"machines with TK only", only({&O::byMachine, &O::inTK}), {" TK-マシン:", " TK-ひでん:"}, false},
        {"eggs with ZV only", only({&O::byEgg, &O::inZV}), {" QXZV-遺伝"}, false},
        {"eggs with TK only", only({&O::byEgg, &O::inTK}), {" TK-遺伝"}, false},
        {"level with JYJY and TK", only({&O::byLevel, &O::inJYJY, &O::inTK}), {" JY-LV:", " TK-LV:"}, false},
        {"no edition", only({&O::byLevel, &O::byMachine, &O::byEgg, &O::bySpecial}), {}, true},
        {"no method", only({&O::inQX, &O::inZV, &O::inJYJY, &O::inTK}), {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto rows = listFor(kBulbasaur, c.options);
        EXPECT_EQ(rows.empty(), c.empty);
        for (const MoveRow& row : rows) {
            EXPECT_TRUE(std::any_of(c.allowed.begin(), c.allowed.end(), [&](const std::string& part) {
                return row.method.find(part) != std::string::npos;
            })) << row.method;
        }
    }
}

TEST(MoveListTest, NormalListingGroupsMethodsInOrder) {
    const auto rows = listFor(kBulbasaur, only({&MoveListOptions::byLevel, &MoveListOptions::byMachine,
                                                &MoveListOptions::byEgg, &MoveListOptions::inJYJY}));
    ASSERT_FALSE(rows.empty());
    EXPECT_TRUE(std::is_sorted(rows.begin(), rows.end(), [](const MoveRow& a, const MoveRow& b) {
        return a.sortKey / 10000 < b.sortKey / 10000;
    }));
    EXPECT_GT(countContaining(rows, "JY-LV:"), 0u);
    EXPECT_GT(countContaining(rows, "JY-マシン:"), 0u);
    EXPECT_GT(countContaining(rows, "JY-遺伝"), 0u);
    for (const MoveRow& row : rows)
        EXPECT_EQ(row.sortKey % 10000, row.move);
}

TEST(MoveListTest, PreEvolutionRowsFollowTheSpecies) {
    auto options = only({&MoveListOptions::byLevel, &MoveListOptions::inQX, &MoveListOptions::withPreEvolutions});
    const auto rows = listFor(kVenusaur, options);
    std::vector<std::string> order; // species names in the order their rows first appear
    for (const MoveRow& row : rows) {
        const std::string name = row.method.substr(1, row.method.find(' ', 1) - 1);
        if (order.empty() || order.back() != name)
            order.push_back(name);
    }
    EXPECT_EQ(order, (std::vector<std::string>{"フシギバナ", "フシギダネ", "フシギソウ"}));
    options.withPreEvolutions = false;
    EXPECT_EQ(countContaining(listFor(kVenusaur, options), "フシギダネ"), 0u);
}

TEST(MoveListTest, ChoosersFilterByTypeAndCategory) {
    struct Case {
        int typePosition, categoryPosition, type, category; // -1: any
    };
    const Case cases[] = {{9, 0, 8, -1}, {10, 0, 10, -1}, {1, 0, 0, -1}, {17, 0, 17, -1},
                          {0, 1, -1, 0}, {0, 3, -1, 2},   {12, 2, 12, 1}};
    for (const Case& c : cases) {
        MoveListOptions options;
        options.typePosition = c.typePosition;
        options.categoryPosition = c.categoryPosition;
        size_t listed = 0;
        for (int species : {kBulbasaur, kEevee, kDialga, kPichu}) {
            for (const MoveRow& row : listFor(species, options)) {
                ++listed;
                if (c.type >= 0) {
                    EXPECT_EQ(moveRecord(row.move).type, c.type) << c.typePosition;
                }
                if (c.category >= 0) {
                    EXPECT_EQ(moveRecord(row.move).category, c.category) << c.categoryPosition;
                }
            }
        }
        EXPECT_GT(listed, 0u) << c.typePosition << " " << c.categoryPosition;
    }
    // The filter itself, over every move: position 9 is はがね (type 8), position 10 ほのお (type 10).
    for (int move = 0; move < kMoveCount; ++move) {
        EXPECT_EQ(passesFilter(move, 0, 9), moveRecord(move).type == 8);
        EXPECT_EQ(passesFilter(move, 0, 10), moveRecord(move).type == 10);
        EXPECT_EQ(passesFilter(move, 2, 0), moveRecord(move).category == 1);
        EXPECT_TRUE(passesFilter(move, 0, 0));
    }
}

TEST(MoveListTest, DifferencesFollowTheMembershipRules) {
    // Every listed difference is really missing from the other side, and every entry missing from
    // the other side is listed.
    for (int species = 0; species < kSpeciesCount; species += 37) {
        const auto rows = buildMoveRows(species, species, difference(DifferenceMode::QxZv));
        size_t expected = 0;
        for (auto [own, other] : {std::pair{Edition::QX, Edition::ZV}, std::pair{Edition::ZV, Edition::QX}}) {
            for (const LevelUpEntry& entry : levelUpRow(own, species)) {
                if (entry.empty())
                    break;
                if (!levelUpPresent(other, species, entry))
                    ++expected;
            }
        }
        EXPECT_EQ(rows.size(), expected) << species;
    }
}

TEST(MoveListTest, HiddenMachineFiveDiffersBetweenQxzvAndJyjy) {
    // Slot 96 is ひでん 5 in both sets: きりばらい in QXZV, うずしお in JYJY.
    int species = -1;
    for (int s = 0; s < kSpeciesCount && species < 0; ++s) {
        if (machineFlag(TableSet::QXZV, s, 96) && machineFlag(TableSet::JYJY, s, 96))
            species = s;
    }
    ASSERT_GE(species, 0);
    const auto rows = buildMoveRows(species, species, difference(DifferenceMode::ZvJyjy));
    const std::string name = speciesName(species);
    EXPECT_TRUE(hasRow(rows, "きりばらい", " " + name + " QXZV-ひでん:5"));
    EXPECT_TRUE(hasRow(rows, "うずしお", " " + name + " JY-ひでん:5"));
}

TEST(MoveListTest, DifferenceViewsWithPreEvolutionsRepeatTheBreedingBaseEggs) {
    for (DifferenceMode mode : {DifferenceMode::ZvJyjy, DifferenceMode::TkOlder}) {
        const auto alone = listFor(kVenusaur, difference(mode, false));
        const auto line = listFor(kVenusaur, difference(mode, true));
        const size_t eggs = countContaining(alone, "-遺伝");
        ASSERT_GT(eggs, 0u);
        EXPECT_EQ(countContaining(alone, " フシギダネ "), eggs) << "egg rows carry the breeding base";
        EXPECT_EQ(countContaining(line, "-遺伝"), 3 * eggs);
        // A species without pre-evolution is built once.
        EXPECT_EQ(listFor(kEevee, difference(mode, true)), listFor(kEevee, difference(mode, false)));
    }
    EXPECT_EQ(countContaining(listFor(kVenusaur, difference(DifferenceMode::QxZv, true)), "遺伝"), 0u);
}

TEST(MoveListTest, EggDifferencesOfABabyLineComeFromTheBaby) {
    // じたばた is a JYJY egg move of ピチュー but not a QXZV one; ピカチュウ and ライチュウ have no egg rows.
    for (int species : {kPichu, kPikachu, kRaichu}) {
        const auto rows = listFor(species, difference(DifferenceMode::ZvJyjy));
        EXPECT_TRUE(hasRow(rows, "じたばた", " ピチュー JY-遺伝")) << species;
    }
}

TEST(MoveListTest, TkDifferenceHasNoTutorOrSpecialRows) {
    const auto rows = listFor(kPichu, difference(DifferenceMode::TkOlder));
    EXPECT_FALSE(rows.empty());
    for (const MoveRow& row : rows) {
        EXPECT_EQ(row.method.find("教え"), std::string::npos) << row.method;
        EXPECT_EQ(row.method.find("共通"), std::string::npos) << row.method;
    }
}

TEST(MoveListTest, ColumnTexts) {
    const auto rows = listFor(kBulbasaur, only({&MoveListOptions::byLevel, &MoveListOptions::inQX}));
    ASSERT_FALSE(rows.empty());
    const MoveRow& tackle = rows.front();
    ASSERT_EQ(tackle.move, findMove("たいあたり"));
    const std::vector<std::string> expected = {std::to_string(tackle.move + 1),
                                               " フシギダネ QX-LV:1",
                                               " たいあたり",
                                               " ノーマル",
                                               " 物理",
                                               " 50",
                                               " 100",
                                               " 35",
                                               " 通常"};
    for (int column = 0; column < kMoveListColumns; ++column)
        EXPECT_EQ(moveRowText(tackle, column), expected[static_cast<size_t>(column)]) << column;
    EXPECT_EQ(moveRowText(tackle, kMoveListColumns), "");
}

TEST(MoveListTest, SortingByColumnKeys) {
    const auto built = listFor(kBulbasaur, MoveListOptions{});
    ASSERT_GT(built.size(), 20u);
    for (int column = 0; column < kMoveListColumns; ++column) {
        auto ascending = built;
        sortMoveRows(ascending, column, false);
        auto descending = built;
        sortMoveRows(descending, column, true);
        auto key = [column](const MoveRow& row) { return moveRowSortKey(row, column); };
        EXPECT_TRUE(std::is_sorted(ascending.begin(), ascending.end(), [&](const MoveRow& a, const MoveRow& b) {
            return key(a) < key(b);
        })) << column;
        EXPECT_TRUE(std::is_sorted(descending.begin(), descending.end(), [&](const MoveRow& a, const MoveRow& b) {
            return key(a) > key(b);
        })) << column;
    }
    // Column 1 orders by method group, then move; the target column has no key and changes nothing.
    auto byMethod = built;
    sortMoveRows(byMethod, 1, true);
    EXPECT_GE(byMethod.front().sortKey, kEggKeyBase);
    EXPECT_LT(byMethod.back().sortKey, kMachineKeyBase);
    auto byTarget = built;
    sortMoveRows(byTarget, 8, true);
    EXPECT_EQ(byTarget, built);
    const MoveRow row{findMove("たいあたり"), kMachineKeyBase + findMove("たいあたり"), ""};
    EXPECT_EQ(moveRowSortKey(row, 0), row.move);
    EXPECT_EQ(moveRowSortKey(row, 2), row.move);
    EXPECT_EQ(moveRowSortKey(row, 1), row.sortKey);
    EXPECT_EQ(moveRowSortKey(row, 5), moveRecord(row.move).power);
}

TEST(MoveListTest, ChooserEntries) {
    EXPECT_EQ(categoryFilterEntries(), (std::vector<std::string>{"指定無し", "物理", "特殊", "変化"}));
    const auto types = typeFilterEntries();
    ASSERT_EQ(types.size(), 18u);
    EXPECT_EQ(types[0], "指定無し");
    EXPECT_EQ(types[1], "ノーマル");
    EXPECT_EQ(types[9], "はがね");
    EXPECT_EQ(types[10], "ほのお");
    EXPECT_EQ(std::count(types.begin(), types.end(), "－－－"), 0);
}

TEST(MoveListTest, SpeciesOutsideTheTableListsNothing) {
    for (int species : {-1, kSpeciesCount, 65535}) {
        for (DifferenceMode mode :
             {DifferenceMode::None, DifferenceMode::QxZv, DifferenceMode::ZvJyjy, DifferenceMode::TkOlder}) {
            MoveListOptions options;
            options.difference = mode;
            EXPECT_TRUE(buildMoveRows(species, species, options).empty());
        }
    }
}

} // namespace
} // namespace rusrina
