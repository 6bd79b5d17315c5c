#include "data/learnsets.h"
#include "data/moves.h"
#include "data/species.h"

#include <gtest/gtest.h>

#include <set>

using namespace rusrina;

namespace {

// Species indices.
constexpr int Bulbasaur = 0, Venusaur = 2, Charizard = 5, Squirtle = 6, Clefairy = 34, Pichu = 171;
constexpr int Nincada = 289, Ninjask = 290, Shedinja = 291, Victini = 505;
// Move indices.
constexpr int Pound = 0, Hydropump = 55, Flamethrower = 52, Earthquake = 88, Whirlpool = 249, RockSmash = 248;
constexpr int BatonPass = 225, Volttackle = 343, MagicalLeaf = 344, Defog = 431, DracoMeteor = 433, Xscissor = 403;
constexpr int NightSlash = 399, PowerWhip = 437, Safeguard = 218, Headbutt = 28, Snore = 172, FinalGambit = 514;

constexpr MoveMethods kAllMethods{true, true, true, true};
constexpr MoveEditions kAllEditions{true, true, true, true};
constexpr std::array<int, 4> kNothing{NO_MOVE, NO_MOVE, NO_MOVE, NO_MOVE};

MoveMethods only(bool MoveMethods::*method) {
    MoveMethods m;
    m.*method = true;
    return m;
}
MoveEditions onlyIn(bool MoveEditions::*edition) {
    MoveEditions e;
    e.*edition = true;
    return e;
}

TEST(Machines, SlotsHonourEachSetsEncodingAndNumbering) {
    constexpr int kUnchecked = -2; // only the label is checked
    struct Case {
        TableSet set;
        int slot, move;
        bool hidden;
        int number;
    } cases[] = {
        {TableSet::QXZV, 25, Earthquake, false, 26}, {TableSet::JYJY, 25, Earthquake, false, 26},
        {TableSet::TK, 25, Earthquake, false, 26},   {TableSet::QXZV, 91, kUnchecked, false, 92},
        {TableSet::QXZV, 92, 14, true, 1},           {TableSet::QXZV, 96, Defog, true, 5},
        {TableSet::JYJY, 96, Whirlpool, true, 5},    {TableSet::QXZV, 97, RockSmash, true, 6},
        {TableSet::QXZV, 99, kUnchecked, true, 8},   {TableSet::TK, 93, RockSmash, false, 94},
        {TableSet::TK, 94, 552, false, 95},          {TableSet::TK, 95, 14, true, 1},
        {TableSet::TK, 100, 290, true, 6},
    };
    for (const Case& c : cases) {
        const int set = static_cast<int>(c.set);
        if (c.move != kUnchecked) {
            EXPECT_EQ(machineSlotMove(c.set, c.slot), c.move) << set << " slot " << c.slot;
        }
        EXPECT_EQ(machineIsHidden(c.set, c.slot), c.hidden) << set << " slot " << c.slot;
        EXPECT_EQ(machineNumber(c.set, c.slot), c.number) << set << " slot " << c.slot;
    }
    // Only ひでん 5 differs between the two 4th-generation lists.
    for (int slot = 0; slot < kMachineSlots; ++slot) {
        if (slot != 96) {
            EXPECT_EQ(machineSlotMove(TableSet::QXZV, slot), machineSlotMove(TableSet::JYJY, slot)) << slot;
        }
    }
    // Empty slots read as no move, never as move index 0 or -1 + 1.
    EXPECT_EQ(machineSlotMove(TableSet::QXZV, 100), -1);
    EXPECT_EQ(machineSlotMove(TableSet::JYJY, 100), -1);
    EXPECT_EQ(machineSlotMove(TableSet::TK, 101), -1);
    EXPECT_EQ(machineSlotMove(TableSet::TK, -1), -1);
    EXPECT_FALSE(machineFlag(TableSet::QXZV, Victini, 25)); // no 5th-generation species in QXZV
    EXPECT_TRUE(machineFlag(TableSet::TK, Victini, 34));    // TM35 かえんほうしゃ
}

TEST(SpecialRows, MethodsAndOpTutor) {
    const char* names[] = {
        "", "でんきだま遺伝", "ドラゴン教え技", "御三家教え技", "オパリナ教え技", "教え屋教え技", "JYJY教え技", ""};
    for (int i = 0; i <= 7; ++i)
        EXPECT_STREQ(specialMethodName(i), names[i]) << i;
    EXPECT_EQ(specialRow(Pichu)[0].move, Volttackle + 1);
    EXPECT_EQ(specialRow(Pichu)[0].methodText, 1);

    const char* opNames[] = {"タマゴうみ",     "ちきゅうなげ", "ゆめくい",       "メガトンパンチ", "メガトンキック",
                             "のしかかり",     "いわなだれ",   "カウンター",     "でんじは",       "つるぎのまい",
                             "まるくなる",     "いびき",       "どろかけ",       "スピードスター", "こごえるかぜ",
                             "こらえる",       "じこあんじ",   "れいとうパンチ", "かみなりパンチ", "ほのおのパンチ",
                             "すてみタックル", "ものまね",     "ゆびをふる",     "だいばくはつ",   "みがわり",
                             "ばくれつパンチ", "ころがる",     "いばる",         "ねごと",         "れんぞくぎり"};
    const auto& op = opTutorMoves();
    for (int i = 0; i < kOpTutorMoveCount; ++i)
        EXPECT_STREQ(moveRecord(op[i]).name, opNames[i]) << i;
}

TEST(CanLearnMove, WalksTheEvolutionLine) {
    struct Case {
        int species, move;
        bool expected;
        const char* why;
    } cases[] = {
        {Shedinja, BatonPass, true, "only テッカニン learns it"},
        {Shedinja, NightSlash, true, "ツチニン learns it"},
        {Shedinja, FinalGambit, true, "ツチニン's egg move"},
        {Shedinja, Earthquake, false, "nobody of the line learns it"},
        {Nincada, BatonPass, false, "the step runs from ヌケニン only"},
        {Ninjask, NightSlash, true, "its pre-evolution learns it"},
        {Venusaur, MagicalLeaf, true, "egg move of the first stage, two steps back"},
        {Bulbasaur, MagicalLeaf, true, "its own egg move"},
        {Clefairy, Pound, true, "level-up entry (1, 0)"},
        {Bulbasaur, Pound, false, "empty egg and tutor entries are 0 and do not count"},
        {Victini, Flamethrower, true, "TK machine, stored as a move index"},
        {Victini, Flamethrower - 1, false, "neighbour of a TK machine move"},
        {Victini, Flamethrower + 1, false, "neighbour of a TK machine move"},
        {Pichu, Volttackle, true, "special row"},
        {Squirtle, Whirlpool, true, "JYJY ひでん 5"},
        {Charizard, Defog, true, "QXZV ひでん 5"},
        {kNoSpecies, Pound, false, "no species"},
        {Bulbasaur, NO_MOVE, false, "no move"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(canLearnMove(c.species, c.move), c.expected) << c.species << " " << c.move << ": " << c.why;
}

// ヌケニン learns everything テッカニン or ツチニン learns.
TEST(CanLearnMove, ShedinjaCoversItsLine) {
    for (int move = 0; move < kMoveCount; ++move) {
        if (canLearnMove(Ninjask, move) || canLearnMove(Nincada, move)) {
            EXPECT_TRUE(canLearnMove(Shedinja, move)) << move;
        }
    }
}

// A species of the 5th generation has empty rows in the 4th-generation tables.
TEST(CanLearnMove, LaterSpeciesHaveNothingInEarlierEditions) {
    for (int species = kFirstGen5Species; species < kSpeciesCount; ++species) {
        for (Edition e : {Edition::QX, Edition::ZV, Edition::JYJY})
            ASSERT_TRUE(levelUpRow(e, species)[0].empty()) << species;
        ASSERT_EQ(eggRow(TableSet::QXZV, species)[0], 0) << species;
        ASSERT_EQ(tutorRow(Edition::JYJY, species)[0], 0) << species;
        ASSERT_EQ(machineSet(TableSet::JYJY).flags[species][0], 0) << species;
    }
}

TEST(MatchMoveSlots, SourcesFollowMethodsAndEditions) {
    struct Case {
        int species, move;
        MoveMethods methods;
        MoveEditions editions;
        bool expected;
    } cases[] = {
        {Clefairy, Pound, only(&MoveMethods::byLevel), kAllEditions, true},
        {Clefairy, Pound, only(&MoveMethods::byEgg), kAllEditions, false},
        {Squirtle, Whirlpool, only(&MoveMethods::byMachine), onlyIn(&MoveEditions::inJYJY), true},
        {Squirtle, Whirlpool, only(&MoveMethods::byMachine), MoveEditions{true, true, false, false}, false},
        {Charizard, Defog, only(&MoveMethods::byMachine), onlyIn(&MoveEditions::inZV), true},
        {Charizard, Defog, only(&MoveMethods::byMachine), onlyIn(&MoveEditions::inJYJY), false},
        {Victini, Flamethrower, only(&MoveMethods::byMachine), onlyIn(&MoveEditions::inTK), true},
        {Victini, Flamethrower, kAllMethods, MoveEditions{true, true, true, false}, false},
        {Pichu, Volttackle, only(&MoveMethods::byTutor), onlyIn(&MoveEditions::inQX), true},
        {Pichu, Volttackle, only(&MoveMethods::byTutor), MoveEditions{false, true, true, true}, false},
        {Pichu, Volttackle, only(&MoveMethods::byEgg), kAllEditions, false},
        {Bulbasaur, PowerWhip, only(&MoveMethods::byEgg), onlyIn(&MoveEditions::inTK), true},
        {Bulbasaur, PowerWhip, only(&MoveMethods::byEgg), MoveEditions{true, true, false, false}, false},
        {Bulbasaur, Headbutt, only(&MoveMethods::byTutor), onlyIn(&MoveEditions::inJYJY), true},
        {Bulbasaur, Headbutt, only(&MoveMethods::byTutor), onlyIn(&MoveEditions::inZV), false},
        {Squirtle, Hydropump, only(&MoveMethods::byLevel), onlyIn(&MoveEditions::inQX), true},
        {Venusaur, MagicalLeaf, kAllMethods, kAllEditions, false}, // no pre-evolution walk here
    };
    for (const Case& c : cases) {
        std::array<int, 4> slots{NO_MOVE, c.move, NO_MOVE, NO_MOVE};
        for (bool anyOf : {false, true}) {
            std::array<int, 4> s = slots;
            EXPECT_EQ(matchMoveSlots(c.species, anyOf, c.methods, c.editions, s), c.expected)
                << c.species << " " << c.move << " anyOf " << anyOf;
            EXPECT_EQ(s[1], c.expected ? NO_MOVE : c.move) << c.species << " " << c.move;
        }
    }
}

TEST(MatchMoveSlots, ModesAndSlotRewriting) {
    struct Case {
        const char* what;
        int species;
        bool anyOf;
        MoveMethods methods;
        MoveEditions editions;
        std::array<int, 4> slots, after;
        bool expected;
    } cases[] = {
        {"nothing requested, AND", Bulbasaur, false, kAllMethods, kAllEditions, kNothing, kNothing, true},
        {"nothing requested, OR", Bulbasaur, true, kAllMethods, kAllEditions, kNothing, kNothing, true},
        {"AND, all learnt",
         Clefairy,
         false,
         kAllMethods,
         kAllEditions,
         {Pound, NO_MOVE, Snore, NO_MOVE},
         kNothing,
         true},
        {"AND, one missing",
         Bulbasaur,
         false,
         kAllMethods,
         kAllEditions,
         {Safeguard, Earthquake, NO_MOVE, MagicalLeaf},
         {NO_MOVE, Earthquake, NO_MOVE, NO_MOVE},
         false},
        {"AND, the last requested slot missing",
         Bulbasaur,
         false,
         kAllMethods,
         kAllEditions,
         {Safeguard, MagicalLeaf, Earthquake, NO_MOVE},
         {NO_MOVE, NO_MOVE, Earthquake, NO_MOVE},
         false},
        {"OR, slot 0 satisfied: the rest untouched",
         Bulbasaur,
         true,
         kAllMethods,
         kAllEditions,
         {Safeguard, MagicalLeaf, Earthquake, Xscissor},
         {NO_MOVE, MagicalLeaf, Earthquake, Xscissor},
         true},
        {"OR, only a later slot satisfied",
         Bulbasaur,
         true,
         kAllMethods,
         kAllEditions,
         {Earthquake, Xscissor, MagicalLeaf, Safeguard},
         {Earthquake, Xscissor, NO_MOVE, Safeguard},
         true},
        {"OR, none satisfied",
         Bulbasaur,
         true,
         kAllMethods,
         kAllEditions,
         {Earthquake, NO_MOVE, Xscissor, NO_MOVE},
         {Earthquake, NO_MOVE, Xscissor, NO_MOVE},
         false},
        {"tutor in TK only consults nothing, AND",
         Bulbasaur,
         false,
         only(&MoveMethods::byTutor),
         onlyIn(&MoveEditions::inTK),
         {Snore, NO_MOVE, NO_MOVE, NO_MOVE},
         {Snore, NO_MOVE, NO_MOVE, NO_MOVE},
         false},
        {"tutor in TK only consults nothing, OR",
         Bulbasaur,
         true,
         only(&MoveMethods::byTutor),
         onlyIn(&MoveEditions::inTK),
         {Snore, NO_MOVE, NO_MOVE, NO_MOVE},
         {Snore, NO_MOVE, NO_MOVE, NO_MOVE},
         false},
        {"no method chosen",
         Bulbasaur,
         false,
         MoveMethods{},
         kAllEditions,
         {Safeguard, NO_MOVE, NO_MOVE, NO_MOVE},
         {Safeguard, NO_MOVE, NO_MOVE, NO_MOVE},
         false},
    };
    for (const Case& c : cases) {
        std::array<int, 4> slots = c.slots;
        EXPECT_EQ(matchMoveSlots(c.species, c.anyOf, c.methods, c.editions, slots), c.expected) << c.what;
        EXPECT_EQ(slots, c.after) << c.what;
    }
}

// A caller passes the same slots along the evolution line, so matches accumulate.
TEST(MatchMoveSlots, AccumulatesAlongTheLine) {
    std::array<int, 4> slots{MagicalLeaf, Earthquake, NO_MOVE, NO_MOVE};
    EXPECT_FALSE(matchMoveSlots(Venusaur, false, kAllMethods, kAllEditions, slots));
    EXPECT_EQ(slots, (std::array<int, 4>{MagicalLeaf, NO_MOVE, NO_MOVE, NO_MOVE}));
    EXPECT_TRUE(matchMoveSlots(Bulbasaur, false, kAllMethods, kAllEditions, slots));
    EXPECT_EQ(slots, kNothing);
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
        {"level (1, 0) is a real entry", levelUpPresent(Edition::TK, Clefairy, {1, Pound}), true},
        {"machine, other slot number", machinePresent(TableSet::TK, Bulbasaur, RockSmash), true},
        {"machine, slot of the other set", machinePresent(TableSet::QXZV, Bulbasaur, RockSmash), true},
        {"machine not in JYJY", machinePresent(TableSet::JYJY, Charizard, Defog), false},
        {"machine in QXZV", machinePresent(TableSet::QXZV, Charizard, Defog), true},
        {"machine, flag 0", machinePresent(TableSet::TK, Bulbasaur, Flamethrower), false},
        {"egg in TK", eggPresent(TableSet::TK, Bulbasaur, PowerWhip), true},
        {"egg not in QXZV", eggPresent(TableSet::QXZV, Bulbasaur, PowerWhip), false},
        {"egg in QXZV only", eggPresent(TableSet::QXZV, Bulbasaur, Safeguard), true},
        {"egg dropped in TK", eggPresent(TableSet::TK, Bulbasaur, Safeguard), false},
        {"egg row zeros are not move 0", eggPresent(TableSet::TK, Bulbasaur, Pound), false},
        {"tutor in JYJY", tutorPresent(Edition::JYJY, Bulbasaur, Headbutt), true},
        {"tutor not in ZV", tutorPresent(Edition::ZV, Bulbasaur, Headbutt), false},
        {"tutor in ZV", tutorPresent(Edition::ZV, Bulbasaur, Snore), true},
        {"no TK tutor table", tutorPresent(Edition::TK, Bulbasaur, Snore), false},
        {"special moves stay out of the tutor rows", tutorPresent(Edition::ZV, 148, DracoMeteor), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.actual, c.expected) << c.what;
}

} // namespace
