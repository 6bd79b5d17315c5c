#include "calc/search/search.h"

#include "data/abilities.h"
#include "data/battle_rules.h"
#include "data/moves.h"
#include "data/search_options.h"
#include "data/species.h"
#include "data/types.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <string>

using namespace rusrina;

namespace {

int speciesIndex(const std::string& name) {
    for (int s = 0; s < kSpeciesCount; ++s)
        if (name == speciesName(s))
            return s;
    ADD_FAILURE() << "no species " << name;
    return -1;
}

int moveIndex(const std::string& name) {
    for (int m = 0; m < kMoveCount; ++m)
        if (name == moveRecord(m).name)
            return m;
    ADD_FAILURE() << "no move " << name;
    return -1;
}

int typeIndex(const std::string& name) {
    for (int t = 0; t < kTypeCount; ++t)
        if (name == typeName(t))
            return t;
    ADD_FAILURE() << "no type " << name;
    return -1;
}

bool listed(const std::vector<int>& found, const std::string& name) {
    return std::binary_search(found.begin(), found.end(), speciesIndex(name));
}

SearchCriteria everyMethodAndEdition() {
    SearchCriteria c;
    c.byLevel = c.byEgg = c.byMachine = c.byTutor = true;
    c.inQX = c.inZV = c.inJYJY = c.inTK = true;
    return c;
}

std::vector<int> allSpecies() {
    std::vector<int> all(kSpeciesCount);
    std::iota(all.begin(), all.end(), 0);
    return all;
}

TEST(Search, NoCriteriaListsEverySpeciesInIndexOrder) {
    EXPECT_EQ(runSearch(SearchCriteria{}), allSpecies());
    SearchCriteria andMode = everyMethodAndEdition();
    andMode.anyOf = false;
    EXPECT_EQ(runSearch(andMode), allSpecies());
}

TEST(Search, StatBoundsAreInclusiveAndInTheWindowsOrder) {
    // The option values the window delivers.
    EXPECT_EQ(statAtMostOption(0).value, 512);
    EXPECT_EQ(statAtLeastOption(0).value, 0);
    EXPECT_EQ(statAtMostOption(6).value, 100);
    EXPECT_EQ(statAtLeastOption(6).value, 100);

    SearchCriteria impossible;
    impossible.maxStat[0] = statAtMostOption(11).value; // 50以下
    impossible.minStat[0] = statAtLeastOption(1).value; // 150以上
    EXPECT_TRUE(runSearch(impossible).empty());

    // ミュウ has 100 everywhere: a bound of exactly 100 passes both ways.
    for (int i = 0; i < 6; ++i) {
        SearchCriteria exact;
        exact.minStat[i] = exact.maxStat[i] = 100;
        auto found = runSearch(exact);
        EXPECT_TRUE(listed(found, "ミュウ")) << "stat " << i;
        for (int s : found)
            EXPECT_EQ(speciesRecord(s).baseStats[kSearchStatOrder[i]], 100) << "stat " << i << " species " << s;
    }

    // The fourth chooser is speed, the fifth sp. attack.
    SearchCriteria fast;
    fast.minStat[3] = 150;
    auto fastOnes = runSearch(fast);
    EXPECT_TRUE(listed(fastOnes, "テッカニン"));
    EXPECT_FALSE(listed(fastOnes, "ミュウツー"));
    SearchCriteria special;
    special.minStat[4] = 150;
    auto specialOnes = runSearch(special);
    EXPECT_TRUE(listed(specialOnes, "ミュウツー"));
    EXPECT_FALSE(listed(specialOnes, "テッカニン"));
    SearchCriteria bulky;
    bulky.minStat[5] = 150; // sp. defence
    EXPECT_TRUE(listed(runSearch(bulky), "ツボツボ"));
    EXPECT_FALSE(listed(runSearch(bulky), "ミュウツー"));
}

TEST(Search, Types) {
    const int electric = typeIndex("でんき"), flying = typeIndex("ひこう");
    SearchCriteria single;
    single.typeA = single.typeB = electric;
    auto pure = runSearch(single);
    EXPECT_TRUE(listed(pure, "ピカチュウ"));
    EXPECT_FALSE(listed(pure, "ジバコイル"));
    for (int s : pure)
        EXPECT_TRUE(speciesRecord(s).type1 == electric && speciesRecord(s).type2 == electric) << s;

    SearchCriteria both;
    both.typeA = electric;
    both.typeB = flying;
    auto dual = runSearch(both);
    EXPECT_TRUE(listed(dual, "サンダー"));
    EXPECT_TRUE(listed(dual, "エモンガ"));
    EXPECT_FALSE(listed(dual, "ピカチュウ"));
    std::swap(both.typeA, both.typeB);
    EXPECT_EQ(runSearch(both), dual);

    for (bool second : {false, true}) {
        SearchCriteria one;
        (second ? one.typeB : one.typeA) = electric;
        auto any = runSearch(one);
        EXPECT_TRUE(listed(any, "ピカチュウ") && listed(any, "ジバコイル") && listed(any, "サンダー")) << second;
        EXPECT_FALSE(listed(any, "ピジョン")) << second;
    }
}

TEST(Search, EggGroupAndAbilityReadEverySlot) {
    auto groupNamed = [](const std::string& name) {
        for (int g = 0; g < kEggGroupCount; ++g)
            if (name == eggGroupName(g))
                return g;
        ADD_FAILURE() << name;
        return -1;
    };
    SearchCriteria ditto;
    ditto.eggGroup = groupNamed("メタモン");
    EXPECT_EQ(runSearch(ditto), std::vector<int>{speciesIndex("メタモン")});
    for (const char* group : {"陸上", "妖精"}) { // ピカチュウ's first and second group
        SearchCriteria c;
        c.eggGroup = groupNamed(group);
        EXPECT_TRUE(listed(runSearch(c), "ピカチュウ")) << group;
    }

    auto abilityNamed = [](const std::string& name) {
        for (int a = 1; a < kAbilityCount; ++a)
            if (name == abilityName(a))
                return a;
        ADD_FAILURE() << name;
        return -1;
    };
    SearchCriteria wonderGuard;
    wonderGuard.ability = abilityNamed("ふしぎなまもり");
    EXPECT_EQ(runSearch(wonderGuard), std::vector<int>{speciesIndex("ヌケニン")});
    // ピカチュウ: せいでんき first, ひらいしん as its hidden ability; ニドリーノ's second is とうそうしん.
    const std::pair<const char*, const char*> cases[] = {
        {"せいでんき", "ピカチュウ"}, {"ひらいしん", "ピカチュウ"}, {"とうそうしん", "ニドリーノ"}};
    for (auto [ability, species] : cases) {
        SearchCriteria c;
        c.ability = abilityNamed(ability);
        EXPECT_TRUE(listed(runSearch(c), species)) << ability;
    }
}

TEST(Search, RuleKeepsExactlyTheEligibleSpecies) {
    for (int rule = 1; rule < kBattleRuleCount; ++rule) {
        SearchCriteria c;
        c.rule = rule;
        std::vector<int> eligible;
        for (int s = 0; s < kSpeciesCount; ++s)
            if (isEligible(rule, s))
                eligible.push_back(s);
        EXPECT_EQ(runSearch(c), eligible) << rule;
    }
}

SearchCriteria requesting(SearchCriteria c, std::initializer_list<const char*> moves, bool anyOf) {
    int slot = 0;
    for (const char* move : moves)
        c.slots[slot++] = moveIndex(move);
    c.anyOf = anyOf;
    return c;
}

TEST(SearchMoves, NoMethodOrNoEditionFindsNothing) {
    for (bool anyOf : {true, false}) {
        SearchCriteria noMethod = requesting(everyMethodAndEdition(), {"たいあたり"}, anyOf);
        noMethod.byLevel = noMethod.byEgg = noMethod.byMachine = noMethod.byTutor = false;
        EXPECT_TRUE(runSearch(noMethod).empty()) << anyOf;
        SearchCriteria noEdition = requesting(everyMethodAndEdition(), {"たいあたり"}, anyOf);
        noEdition.inQX = noEdition.inZV = noEdition.inJYJY = noEdition.inTK = false;
        EXPECT_TRUE(runSearch(noEdition).empty()) << anyOf;
        EXPECT_TRUE(listed(runSearch(requesting(everyMethodAndEdition(), {"たいあたり"}, anyOf)), "フシギダネ"));
    }
}

// Each row: who must and who must not be listed for the moves asked.
struct MoveCase {
    const char* what;
    std::initializer_list<const char*> moves;
    bool anyOf;
    std::initializer_list<const char*> found;
    std::initializer_list<const char*> notFound;
};

TEST(SearchMoves, EvolutionLinesShareTheirProgress) {
    const MoveCase cases[] = {
        // ピチュー alone learns てんしのキッス, ピカチュウ alone こうそくいどう.
        {"AND across one step",
         {"てんしのキッス", "こうそくいどう"},
         false,
         {"ピカチュウ", "ライチュウ"},
         {"ピチュー"}},
        {"OR across one step",
         {"てんしのキッス", "こうそくいどう"},
         true,
         {"ピチュー", "ピカチュウ", "ライチュウ"},
         {}},
        {"AND, same move twice",
         {"こうそくいどう", "こうそくいどう"},
         false,
         {"ピカチュウ", "ライチュウ"},
         {"ピチュー"}},
        // ヒトカゲ's egg move, reached from リザードン in two steps.
        {"two steps back", {"りゅうのまい"}, false, {"ヒトカゲ", "リザード", "リザードン"}, {}},
        // ツチニン alone learns かぜおこし; nobody of the line learns なみのり.
        {"OR: ヌケニン through ツチニン", {"なみのり", "かぜおこし"}, true, {"ツチニン", "テッカニン", "ヌケニン"}, {}},
        // テッカニン alone learns つるぎのまい; ヌケニン alone あやしいひかり.
        {"ヌケニン through テッカニン", {"つるぎのまい"}, false, {"テッカニン", "ヌケニン"}, {"ツチニン"}},
        {"AND over ヌケニン, ツチニン and テッカニン",
         {"あやしいひかり", "かぜおこし", "つるぎのまい"},
         false,
         {"ヌケニン"},
         {"ツチニン", "テッカニン"}},
        {"AND: nobody of the line learns なみのり",
         {"かぜおこし", "なみのり"},
         false,
         {},
         {"ツチニン", "テッカニン", "ヌケニン"}},
    };
    for (const auto& c : cases) {
        auto found = runSearch(requesting(everyMethodAndEdition(), c.moves, c.anyOf));
        for (const char* name : c.found)
            EXPECT_TRUE(listed(found, name)) << c.what << ": " << name;
        for (const char* name : c.notFound)
            EXPECT_FALSE(listed(found, name)) << c.what << ": " << name;
    }
}

TEST(SearchMoves, AnySlotMayHoldTheRequest) {
    for (int slot = 0; slot < 4; ++slot) {
        for (bool anyOf : {true, false}) {
            SearchCriteria c = everyMethodAndEdition();
            c.anyOf = anyOf;
            c.slots[slot] = moveIndex("てんしのキッス");
            auto found = runSearch(c);
            EXPECT_TRUE(listed(found, "ピチュー") && listed(found, "ライチュウ")) << slot;
            EXPECT_FALSE(listed(found, "フシギダネ")) << slot;
        }
    }
}

// A move the species (which evolves from nothing) learns in one way only: the search must find it
// exactly when that method, or that edition, is among those consulted.
struct SourceCase {
    const char* species;
    const char* move;
    std::array<bool, 4> foundBy; // level, egg, machine, tutor; or QX, ZV, JYJY, TK
};

TEST(SearchMoves, EachMethodFlagReachesItsTable) {
    const SourceCase cases[] = {
        {"フシギダネ", "やどりぎのタネ", {true, false, false, false}},
        {"フシギダネ", "ヘドロこうげき", {false, true, false, false}},
        {"フシギダネ", "ソーラービーム", {false, false, true, false}},
        {"フシギダネ", "ずつき", {false, false, false, true}},
    };
    for (const auto& c : cases) {
        for (int method = 0; method < 4; ++method) {
            SearchCriteria criteria = requesting(everyMethodAndEdition(), {c.move}, false);
            criteria.byLevel = method == 0;
            criteria.byEgg = method == 1;
            criteria.byMachine = method == 2;
            criteria.byTutor = method == 3;
            EXPECT_EQ(listed(runSearch(criteria), c.species), c.foundBy[method]) << c.move << " method " << method;
        }
    }
}

TEST(SearchMoves, EachEditionFlagReachesItsTables) {
    const SourceCase cases[] = {
        {"レジギガス", "メガトンパンチ", {true, false, false, false}}, // QX level-up only
        {"フシギダネ", "れんぞくぎり", {false, true, true, false}},    // ZV and JYJY tutors
        {"フシギダネ", "ずつき", {false, false, true, false}},         // JYJY tutor
        {"ヒトカゲ", "はじけるほのお", {false, false, false, true}},   // TK level-up
    };
    for (const auto& c : cases) {
        for (int edition = 0; edition < 4; ++edition) {
            SearchCriteria criteria = requesting(everyMethodAndEdition(), {c.move}, true);
            criteria.inQX = edition == 0;
            criteria.inZV = edition == 1;
            criteria.inJYJY = edition == 2;
            criteria.inTK = edition == 3;
            EXPECT_EQ(listed(runSearch(criteria), c.species), c.foundBy[edition]) << c.move << " edition " << edition;
        }
    }
}

TEST(SearchMoves, TutorInQxConsultsTheSpecialRows) {
    // ピチュー's ボルテッカー stands in its special row, which only QX's tutor check reads.
    for (int edition = 0; edition < 4; ++edition) {
        SearchCriteria c = requesting(SearchCriteria{}, {"ボルテッカー"}, true);
        c.byTutor = true;
        c.inQX = edition == 0;
        c.inZV = edition == 1;
        c.inJYJY = edition == 2;
        c.inTK = edition == 3;
        auto found = runSearch(c);
        EXPECT_EQ(listed(found, "ピチュー"), edition == 0) << edition;
        EXPECT_EQ(listed(found, "ライチュウ"), edition == 0) << edition;
    }
}

} // namespace
