// The rules of the exact damage engine that hang on held items, abilities and the field, each
// against the figure the battle simulator gives for the same sets (tools/damage-oracle), and the
// held items the engine names by index against their names.

#include "calc/exact/exact_hit.h"
#include "calc/stats.h"
#include "data/abilities.h"
#include "data/held_items.h"
#include "view/box/exact_row.h"

#include "damage_test_support.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <string_view>

namespace rusrina::test {
namespace {

using namespace exact;

template <typename Name> int indexNamed(std::string_view name, int count, Name nameOf) {
    for (int i = 0; i < count; ++i) {
        if (name == nameOf(i))
            return i;
    }
    throw std::invalid_argument(std::string(name));
}
int species(std::string_view name) {
    return indexNamed(name, kSpeciesCount, speciesName);
}
int move(std::string_view name) {
    return indexNamed(name, kMoveCount, [](int m) { return moveRecord(m).name; });
}
int ability(std::string_view name) {
    return indexNamed(name, kAbilityCount, abilityName);
}
int item(std::string_view name) {
    return findHeldItem(name);
}

enum Nature { kModest = 8, kBold = 4, kCareful = 14, kJolly = 18, kTimid = 16, kAdamant = 1, kSerious = 24 };

// A creature as a player enters it: level 50, IVs 31.
struct Set {
    const char* species;
    int nature = kSerious;
    std::array<int, 6> evs{};
    const char* ability = nullptr;
    const char* item = nullptr;
    int gender = kUnknownGender;
    int level = 50;
};

struct Side {
    BoxEntry entry;
    ExactSide side;
    explicit Side(const Set& s) : entry(creature(rusrina::test::species(s.species), {})), side(entry) {
        entry.level = s.level;
        entry.nature = s.nature;
        entry.ability = s.ability ? ability(s.ability) : 0;
        entry.statsDirect = 0;
        const auto stats = computeEntryStats(entry.species, {31, 31, 31, 31, 31, 31}, s.evs, s.level, s.nature);
        for (int i = 0; i < 6; ++i) {
            entry.iv[i] = 31;
            entry.ev[i] = s.evs[i];
            entry.stat[i] = stats[i];
        }
        side = ExactSide(entry);
        side.heldItem = s.item ? item(s.item) : kNoHeldItem;
        side.gender = s.gender;
    }
};

// One hit as the simulator was asked for it, and the damage it gave ("78 ～ 92").
struct SimCase {
    const char* what;
    Generation gen;
    Set attacker;
    Set defender;
    const char* move;
    BattleConditions conditions = {};
    const char* damage = "";
    bool critical = false;
};

std::string damageOf(const SimCase& c) {
    const Side attacker(c.attacker), defender(c.defender);
    const DamageSlot slot = DamageSlot::moveRow(kLearnableRow, move(c.move));
    return computeExactRow(attacker.side, defender.side, slot, c.conditions, {c.gen, c.critical}).texts.damageText;
}

void expectSimulatorsFigures(std::initializer_list<SimCase> cases) {
    for (const SimCase& c : cases)
        EXPECT_EQ(damageOf(c), c.damage) << c.what << " (generation " << c.gen << ")";
}

constexpr std::array<int, 6> kSpecial{4, 0, 0, 252, 0, 252};
constexpr std::array<int, 6> kPhysicalEvs{4, 252, 0, 0, 0, 252};
constexpr std::array<int, 6> kSpecialWall{252, 0, 0, 0, 252, 4};
constexpr std::array<int, 6> kPhysicalWall{252, 0, 252, 0, 4, 0};

TEST(ExactRules, HeldItemsTheEngineNamesAreThoseItems) {
    struct Named {
        int item;
        const char* english;
    };
    const Named items[] = {
        {kLiechiBerry, "Liechi Berry"}, {kPetayaBerry, "Petaya Berry"},    {kChoiceBand, "Choice Band"},
        {kSoulDew, "Soul Dew"},         {kDeepSeaTooth, "Deep Sea Tooth"}, {kDeepSeaScale, "Deep Sea Scale"},
        {kLightBall, "Light Ball"},     {kMetalPowder, "Metal Powder"},    {kThickClub, "Thick Club"},
        {kMuscleBand, "Muscle Band"},   {kWiseGlasses, "Wise Glasses"},    {kExpertBelt, "Expert Belt"},
        {kLifeOrb, "Life Orb"},         {kChoiceSpecs, "Choice Specs"},
    };
    for (const Named& n : items)
        EXPECT_EQ(std::string(heldItem(n.item).english), n.english) << n.item;
}

// The plain hit of damage_test_support.h: 31 ～ 37 in both generations.
ExactRolls plainHit(const ExactSide& attacker, int type, Generation gen) {
    Scenario s;
    s.slot.direct.type = type;
    const ExactAttack attack = prepareExactAttack(attacker, s.slot, s.conditions, {gen, false});
    return exactRolls(attack, s.defender);
}

TEST(ExactRules, TheFullHeldItemActsNotTheRowStandingForIt) {
    const int charcoal = findHeldItem("Charcoal"), fireGem = findHeldItem("Fire Gem");
    Scenario s; // no item in its row
    struct Case {
        int held;
        int type;
        Generation gen;
        int high;
    };
    const Case cases[] = {
        {charcoal, kFireType, kGen5, 44},    {charcoal, kWaterType, kGen5, 37}, {charcoal, kFireType, kGen4, 44},
        {kNoHeldItem, kFireType, kGen5, 37}, {fireGem, kFireType, kGen4, 37}, // the 4th generation has no gems
    };
    for (const Case& c : cases) {
        ExactSide side(s.attacker);
        side.heldItem = c.held;
        EXPECT_EQ(plainHit(side, c.type, c.gen).high(), c.high) << c.held << " " << c.type;
    }
}

const BattleConditions kNone{}, kRain{.weather = kWeatherRain}, kSand{.weather = kWeatherSand};
const BattleConditions kGravity{.gravity = true};

TEST(ExactRules, FiguresOfTheGamesForTheRulesOfTheMoves) {
    const Set venusaur{"フシギバナ", kModest, kSpecial}, politoed{"ニョロトノ", kBold, kSpecialWall};
    const Set starmie{"スターミー", kTimid, {0, 0, 0, 252, 0, 252}},
        castform{"ポワルン", kBold, {252, 0, 252, 0, 4, 0}};
    const Set sableye{"ヤミラミ", kCareful, {252, 0, 0, 0, 252, 0}}, terrakion{"テラキオン", kJolly, kPhysicalEvs};
    const Set zekrom{"ゼクロム", kAdamant, {0, 252, 0, 0, 0, 252}, "テラボルテージ"};
    const Set lanturn{"ランターン", kBold, {252, 0, 0, 0, 252, 0}, "ちくでん"};
    const Set alakazam{"フーディン", kModest, {0, 0, 0, 252, 0, 0}}, snorlax{"カビゴン"}, tyranitar{"バンギラス"};
    const Set pidgeot{"ピジョット"}, orbAlakazam{"フーディン", kModest, {0, 0, 0, 252, 0, 0}, nullptr, "Life Orb"};
    expectSimulatorsFigures({
        {"ソーラービーム halved in rain", kGen5, venusaur, politoed, "ソーラービーム", kRain, "78 ～ 92"},
        {"ソーラービーム halved in rain", kGen4, venusaur, politoed, "ソーラービーム", kRain, "78 ～ 92"},
        {"てんきや leaves ポワルン Normal in sand", kGen5, starmie, castform, "なみのり", kSand, "90 ～ 106"},
        {"てんきや leaves ポワルン Normal in sand", kGen4, starmie, castform, "なみのり", kSand, "90 ～ 106"},
        {"イカサマ uses the defender's attack", kGen5, sableye, terrakion, "イカサマ", kNone, "44 ～ 52"},
        {"テラボルテージ gets through ちくでん", kGen5, zekrom, lanturn, "クロスサンダー", kNone, "147 ～ 174"},
        {"そらをとぶ cannot be used under じゅうりょく", kGen5, pidgeot, snorlax, "そらをとぶ", kGravity, "使用不可"},
        {"みらいよち has no type in the 4th generation", kGen4, alakazam, tyranitar, "みらいよち", kNone, "52 ～ 62"},
        {"nor a critical hit or いのちのたま", kGen4, orbAlakazam, snorlax, "みらいよち", kNone, "48 ～ 57", true},
    });
}

} // namespace
} // namespace rusrina::test
