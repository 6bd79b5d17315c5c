#include "view/search/search_summary.h"

#include "data/names.h"
#include "data/species.h"
#include "data/types.h"
#include "view/search/search_list.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

using namespace rusrina;

namespace {

SearchCriteria everyMethodAndEdition() {
    SearchCriteria c;
    c.byLevel = c.byEgg = c.byMachine = c.byTutor = true;
    c.inQX = c.inZV = c.inJYJY = c.inTK = true;
    return c;
}

struct Case {
    const char* what;
    std::function<void(SearchCriteria&)> set;
};

} // namespace

TEST(SearchSummary, CountText) {
    EXPECT_EQ(resultCountText(663), "663 件");
    EXPECT_EQ(resultCountText(0), "0 件");
}

// The species a search lists are exactly those that miss no part of the criteria.
TEST(SearchSummary, MissesAgreeWithTheSearch) {
    const Case cases[] = {
        {"nothing", [](SearchCriteria&) {}},
        {"HP and type", [](SearchCriteria& c) { c.minStat[0] = 100, c.typeA = findType("みず"); }},
        {"two moves, AND",
         [](SearchCriteria& c) {
             c.slots[0] = findMove("なみのり"), c.slots[1] = findMove("れいとうビーム"), c.anyOf = false;
         }},
        {"rule, egg group and ability", [](SearchCriteria& c) { c.rule = 3, c.eggGroup = 0, c.ability = 1; }},
    };
    for (const Case& c : cases) {
        SearchCriteria criteria = everyMethodAndEdition();
        c.set(criteria);
        const std::vector<unsigned> misses = searchMisses(criteria);
        std::vector<int> missNothing;
        for (int s = 0; s < kSpeciesCount; ++s)
            if (misses[static_cast<size_t>(s)] == 0)
                missNothing.push_back(s);
        EXPECT_EQ(missNothing, runSearch(criteria)) << c.what;
    }
}

TEST(SearchSummary, EmptyResultSaysWhy) {
    const int electric = findType("でんき");
    const auto electricWithHpOver150 = [&] {
        SearchCriteria c;
        c.typeA = electric;
        return runSearch(c).size(); // what listing without the HP bound would give
    };
    const struct {
        Case criteria;
        std::string reason;
    } cases[] = {
        {{"something listed", [](SearchCriteria& c) { c.slots[0] = findMove("じしん"); }}, ""},
        {{"a move, no method",
          [](SearchCriteria& c) {
              c.slots[2] = findMove("じしん");
              c.byLevel = c.byEgg = c.byMachine = c.byTutor = false;
          }},
         "習得方法と作品を1つ以上選んでください"},
        {{"a move, no edition",
          [](SearchCriteria& c) {
              c.slots[0] = findMove("じしん");
              c.inQX = c.inZV = c.inJYJY = c.inTK = false;
          }},
         "習得方法と作品を1つ以上選んでください"},
        {{"HP bounds that leave nothing", [](SearchCriteria& c) { c.maxStat[0] = 50, c.minStat[0] = 150; }},
         "「HP」の条件だけで該当がなくなります"},
        {{"speed bounds, in the window's order",
          [](SearchCriteria& c) { c.minStat[3] = 150, c.maxStat[3] = 130, c.typeA = 0; }},
         "「すばやさ」の条件だけで該当がなくなります"},
        {{"a 5th-generation move in the 4th-generation editions",
          [](SearchCriteria& c) {
              c.slots[1] = findMove("クロスフレイム");
              c.inTK = false;
          }},
         "「クロスフレイム」を選んだ習得方法・作品で覚えるものがありません"},
        {{"two signature moves together",
          [](SearchCriteria& c) {
              c.slots[0] = findMove("あくうせつだん"), c.slots[3] = findMove("ときのほうこう"), c.anyOf = false;
          }},
         "選んだわざをすべて覚えるものがありません"},
        {{"a combination", [&](SearchCriteria& c) { c.minStat[0] = 150, c.typeA = electric; }},
         "条件の組み合わせで該当がなくなります（「HP」を外すと " + resultCountText(electricWithHpOver150()) + "）"},
    };
    for (const auto& c : cases) {
        SearchCriteria criteria = everyMethodAndEdition();
        c.criteria.set(criteria);
        EXPECT_EQ(emptyResultReason(criteria), c.reason) << c.criteria.what;
    }
}

TEST(SearchSummary, FormRowsShowTheirFormInShort) {
    const struct {
        const char* name;
        const char* shortName;
    } cases[] = {
        {"デオキシス（ノーマル）", "デオキシス"},
        {"デオキシス（アタック）", "デオキシスA"},
        {"デオキシス（ディフェンス）", "デオキシスD"},
        {"デオキシス（スピード）", "デオキシスS"},
        {"ミノマダム（砂）", "ミノマダムS"},
        {"メロエッタ（ステップ）", "メロエッタP"},
        {"ピカチュウ", "ピカチュウ"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(shortSpeciesName(findSpecies(c.name)), c.shortName) << c.name;
    std::set<std::string> shortNames;
    for (int s = 0; s < kSpeciesCount; ++s)
        EXPECT_TRUE(shortNames.insert(shortSpeciesName(s)).second) << "two rows read " << shortSpeciesName(s);
}
