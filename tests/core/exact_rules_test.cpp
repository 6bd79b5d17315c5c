// The rules of the exact damage engine that hang on held items, abilities and the field, each
// against the figure the battle simulator gives for the same sets (tools/damage-oracle), and the
// held items the engine names by index against their names.

#include "calc/exact/exact_hit.h"
#include "data/held_items.h"

#include "damage_test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace rusrina::test {
namespace {

using namespace exact;

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

} // namespace
} // namespace rusrina::test
