#include "data/learnsets.h"
#include "data/moves.h"
#include "data/species.h"

#include <gtest/gtest.h>

using namespace rusrina;

namespace {

// Species indices.
constexpr int Bulbasaur = 0, Venusaur = 2, Charizard = 5, Squirtle = 6, Clefairy = 34, Dragonite = 148, Pichu = 171;
constexpr int Nincada = 289, Ninjask = 290, Shedinja = 291, Victini = 505;
// Move indices.
constexpr int Pound = 0, Flamethrower = 52, Hydropump = 55, Earthquake = 88, Headbutt = 28, Snore = 172;
constexpr int Safeguard = 218, BatonPass = 225, RockSmash = 248, Whirlpool = 249, Volttackle = 343;
constexpr int MagicalLeaf = 344, NightSlash = 399, Xscissor = 403, Defog = 431, DracoMeteor = 433;
constexpr int PowerWhip = 437, FinalGambit = 514;

constexpr MoveMethods kAll{true, true, true, true};
constexpr MoveMethods kLevel{true, false, false, false}, kEgg{false, true, false, false};
constexpr MoveMethods kMachine{false, false, true, false}, kTutor{false, false, false, true};
constexpr MoveEditions kEvery{true, true, true, true}, kGen4{true, true, true, false};
constexpr MoveEditions kQX{true, false, false, false}, kZV{false, true, false, false};
constexpr MoveEditions kJY{false, false, true, false}, kTK{false, false, false, true};
constexpr int X = NO_MOVE;

TEST(Machines, LabelsAndEncodings) {
    struct Case {
        TableSet set;
        int slot;
        bool hidden;
        int number;
    } cases[] = {{TableSet::QXZV, 0, false, 1}, {TableSet::JYJY, 91, false, 92}, {TableSet::QXZV, 92, true, 1},
                 {TableSet::JYJY, 99, true, 8}, {TableSet::TK, 94, false, 95},   {TableSet::TK, 95, true, 1},
                 {TableSet::TK, 100, true, 6}};
    for (const Case& c : cases) {
        EXPECT_EQ(machineIsHidden(c.set, c.slot), c.hidden) << static_cast<int>(c.set) << " " << c.slot;
        EXPECT_EQ(machineNumber(c.set, c.slot), c.number) << static_cast<int>(c.set) << " " << c.slot;
    }
    // Each set in its own encoding comes out as a move index; empty and unread slots as -1.
    EXPECT_EQ(machineSlotMove(TableSet::QXZV, 96), Defog);
    EXPECT_EQ(machineSlotMove(TableSet::JYJY, 96), Whirlpool);
    EXPECT_EQ(machineSlotMove(TableSet::TK, 93), RockSmash);
    EXPECT_EQ(machineSlotMove(TableSet::QXZV, 100), -1);
    EXPECT_EQ(machineSlotMove(TableSet::TK, 101), -1);
    EXPECT_TRUE(machineFlag(TableSet::TK, Victini, 34)); // マシン35 かえんほうしゃ
    EXPECT_FALSE(machineFlag(TableSet::QXZV, Victini, 34));
}

TEST(Machines, MethodNamesAndOpTutor) {
    const char* names[] = {
        "", "でんきだま遺伝", "ドラゴン教え技", "御三家教え技", "オパリナ教え技", "教え屋教え技", "JYJY教え技", ""};
    for (int i = 0; i <= 7; ++i)
        EXPECT_STREQ(specialMethodName(i), names[i]) << i;
    const char* op[] = {"タマゴうみ",     "ちきゅうなげ", "ゆめくい",       "メガトンパンチ", "メガトンキック",
                        "のしかかり",     "いわなだれ",   "カウンター",     "でんじは",       "つるぎのまい",
                        "まるくなる",     "いびき",       "どろかけ",       "スピードスター", "こごえるかぜ",
                        "こらえる",       "じこあんじ",   "れいとうパンチ", "かみなりパンチ", "ほのおのパンチ",
                        "すてみタックル", "ものまね",     "ゆびをふる",     "だいばくはつ",   "みがわり",
                        "ばくれつパンチ", "ころがる",     "いばる",         "ねごと",         "れんぞくぎり"};
    for (int i = 0; i < kOpTutorMoveCount; ++i)
        EXPECT_STREQ(moveRecord(opTutorMoves()[i]).name, op[i]) << i;
}

TEST(CanLearnMove, EveryTableAndTheEvolutionLine) {
    struct Case {
        int species, move;
        bool expected;
        const char* why;
    } cases[] = {
        {Shedinja, BatonPass, true, "only テッカニン learns it"},
        {Shedinja, NightSlash, true, "ツチニン learns it"},
        {Shedinja, FinalGambit, true, "ツチニン's egg move"},
        {Shedinja, Earthquake, false, "nobody of the line learns it"},
        {Nincada, BatonPass, false, "the テッカニン step is ヌケニン's alone"},
        {Venusaur, MagicalLeaf, true, "egg move of the first stage, two steps back"},
        {Clefairy, Pound, true, "level-up entry (1, 0)"},
        {Bulbasaur, Pound, false, "empty egg and tutor entries are 0"},
        {Victini, Flamethrower, true, "TK machine, a move index"},
        {Victini, Flamethrower - 1, false, "TK slots are not move numbers"},
        {Victini, Flamethrower + 1, false, "TK slots are not move numbers"},
        {Pichu, Volttackle, true, "special row"},
        {Squirtle, Whirlpool, true, "JYJY ひでん 5"},
        {Charizard, Defog, true, "QXZV ひでん 5"},
        {kNoSpecies, Pound, false, "no species"},
        {Bulbasaur, NO_MOVE, false, "no move"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(canLearnMove(c.species, c.move), c.expected) << c.species << " " << c.move << ": " << c.why;
}

TEST(CanLearnMove, ShedinjaCoversItsLine) {
    for (int move = 0; move < kMoveCount; ++move) {
        if (canLearnMove(Ninjask, move) || canLearnMove(Nincada, move)) {
            EXPECT_TRUE(canLearnMove(Shedinja, move)) << move;
        }
    }
}

TEST(MatchMoveSlots, SourcesFollowMethodsAndEditions) {
    struct Case {
        int species, move;
        MoveMethods methods;
        MoveEditions editions;
        bool expected;
    } cases[] = {
        {Clefairy, Pound, kLevel, kEvery, true},
        {Clefairy, Pound, kEgg, kEvery, false},
        {Squirtle, Hydropump, kLevel, kQX, true},
        {Squirtle, Whirlpool, kMachine, kJY, true},
        {Squirtle, Whirlpool, kMachine, {true, true, false, true}, false},
        {Charizard, Defog, kMachine, kZV, true},
        {Charizard, Defog, kMachine, kJY, false},
        {Victini, Flamethrower, kMachine, kTK, true},
        {Victini, Flamethrower, kAll, kGen4, false},
        {Pichu, Volttackle, kTutor, kQX, true},
        {Pichu, Volttackle, kTutor, {false, true, true, true}, false},
        {Pichu, Volttackle, kEgg, kEvery, false},
        {Bulbasaur, PowerWhip, kEgg, kTK, true},
        {Bulbasaur, PowerWhip, kEgg, {true, true, false, false}, false},
        {Bulbasaur, Headbutt, kTutor, kJY, true},
        {Bulbasaur, Headbutt, kTutor, kZV, false},
        {Venusaur, MagicalLeaf, kAll, kEvery, false}, // the caller walks the line, not the call
    };
    for (const Case& c : cases) {
        for (bool anyOf : {false, true}) {
            std::array<int, 4> slots{X, c.move, X, X};
            EXPECT_EQ(matchMoveSlots(c.species, anyOf, c.methods, c.editions, slots), c.expected)
                << c.species << " " << c.move << " anyOf " << anyOf;
            EXPECT_EQ(slots[1], c.expected ? X : c.move) << c.species << " " << c.move;
        }
    }
}

TEST(MatchMoveSlots, ModesAndSlotRewriting) {
    struct Case {
        const char* what;
        bool anyOf;
        std::array<int, 4> slots, after;
        bool expected;
    } cases[] = {
        {"nothing requested, AND", false, {X, X, X, X}, {X, X, X, X}, true},
        {"nothing requested, OR", true, {X, X, X, X}, {X, X, X, X}, true},
        {"AND, all learnt", false, {Safeguard, X, Snore, X}, {X, X, X, X}, true},
        {"AND, one missing", false, {Safeguard, Earthquake, X, MagicalLeaf}, {X, Earthquake, X, X}, false},
        {"AND, the last missing", false, {Safeguard, MagicalLeaf, Earthquake, X}, {X, X, Earthquake, X}, false},
        {"OR, slot 0 satisfied", true, {Safeguard, MagicalLeaf, Earthquake, X}, {X, MagicalLeaf, Earthquake, X}, true},
        {"OR, a later slot",
         true,
         {Earthquake, Xscissor, MagicalLeaf, Safeguard},
         {Earthquake, Xscissor, X, Safeguard},
         true},
        {"OR, none satisfied", true, {Earthquake, X, Xscissor, X}, {Earthquake, X, Xscissor, X}, false},
    };
    for (const Case& c : cases) {
        std::array<int, 4> slots = c.slots;
        EXPECT_EQ(matchMoveSlots(Bulbasaur, c.anyOf, kAll, kEvery, slots), c.expected) << c.what;
        EXPECT_EQ(slots, c.after) << c.what;
    }
    // The tutor method in TK alone consults no table at all.
    for (bool anyOf : {false, true}) {
        std::array<int, 4> slots{Snore, X, X, X};
        EXPECT_FALSE(matchMoveSlots(Bulbasaur, anyOf, kTutor, kTK, slots));
        EXPECT_EQ(slots[0], Snore);
    }
}

// A caller passes the same slots along the evolution line, so matches accumulate.
TEST(MatchMoveSlots, AccumulatesAlongTheLine) {
    std::array<int, 4> slots{MagicalLeaf, Safeguard, X, X};
    EXPECT_FALSE(matchMoveSlots(Venusaur, false, kAll, kEvery, slots));
    EXPECT_EQ(slots, (std::array<int, 4>{MagicalLeaf, X, X, X}));
    EXPECT_TRUE(matchMoveSlots(Bulbasaur, false, kAll, kEvery, slots));
    EXPECT_EQ(slots, (std::array<int, 4>{X, X, X, X}));
}

TEST(DifferenceViews, MembershipRules) {
    struct Case {
        const char* what;
        bool actual, expected;
    } cases[] = {
        {"same move, other level: absent in ZV", levelUpPresent(Edition::ZV, Squirtle, {37, Hydropump}), false},
        {"same move, other level: absent in QX", levelUpPresent(Edition::QX, Squirtle, {40, Hydropump}), false},
        {"same move and level", levelUpPresent(Edition::ZV, Squirtle, {40, Hydropump}), true},
        {"an empty entry is never present", levelUpPresent(Edition::QX, Squirtle, {0, 0}), false},
        {"(1, 0) is a real entry", levelUpPresent(Edition::TK, Clefairy, {1, Pound}), true},
        {"machine under another slot number", machinePresent(TableSet::TK, Bulbasaur, RockSmash), true},
        {"machine in QXZV only", machinePresent(TableSet::QXZV, Charizard, Defog), true},
        {"machine not in JYJY", machinePresent(TableSet::JYJY, Charizard, Defog), false},
        {"machine with flag 0", machinePresent(TableSet::TK, Bulbasaur, Flamethrower), false},
        {"egg in TK", eggPresent(TableSet::TK, Bulbasaur, PowerWhip), true},
        {"egg not in QXZV", eggPresent(TableSet::QXZV, Bulbasaur, PowerWhip), false},
        {"egg dropped in TK", eggPresent(TableSet::TK, Bulbasaur, Safeguard), false},
        {"egg row zeros are not move 0", eggPresent(TableSet::TK, Bulbasaur, Pound), false},
        {"tutor in JYJY", tutorPresent(Edition::JYJY, Bulbasaur, Headbutt), true},
        {"tutor not in ZV", tutorPresent(Edition::ZV, Bulbasaur, Headbutt), false},
        {"no TK tutor table", tutorPresent(Edition::TK, Bulbasaur, Snore), false},
        {"special moves stay out of the tutor rows", tutorPresent(Edition::ZV, Dragonite, DracoMeteor), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.actual, c.expected) << c.what;
}

} // namespace
