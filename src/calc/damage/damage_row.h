#pragma once
// What one damage row carries from step to step, and the steps themselves. Internal to the
// damage engine (damage_engine.cpp, damage_header.cpp, damage_modifiers.cpp).

#include "calc/damage/damage_engine.h"
#include "calc/damage/ratio.h"
#include "data/abilities.h"
#include "data/ids.h"
#include "data/items.h"
#include "data/moves.h"

#include <cstdio>
#include <string>

namespace rusrina::damage {

enum EngineType {
    kNormal = 0,
    kFighting = 1,
    kFlying = 2,
    kGround = 4,
    kRock = 5,
    kBug = 6,
    kGhost = 7,
    kSteel = 8,
    kFire = 10,
    kWater = 11,
    kGrass = 12,
    kElectric = 13,
    kIce = 15,
};

inline constexpr int kNeutralEffect = 4;      // effectiveness product of a neutral hit
inline constexpr int kSuperEffective = 8;     // products from here on are super effective
inline constexpr int kVariablePower = 1;      // table power of a move whose damage is not computed
inline constexpr int kMaxReturnPower = 102;   // おんがえし / やつあたり at their strongest
inline constexpr int kWeatherBallPower = 100; // ウェザーボール in any weather
inline constexpr int kTechnicianLimit = 60;   // テクニシャン boosts moves up to this power
inline constexpr int kMaxUsableValue = 9999;  // above any stat or power the box can hold

// The type a weather gives ウェザーボール and てんきや; 通常 gives ノーマル.
inline int weatherType(int weather) {
    static constexpr int kTypes[kWeatherCount] = {kNormal, kFire, kWater, kRock, kIce};
    return kTypes[weather];
}

// One number in a printf form such as "%1.2f".
inline std::string formatted(const char* format, double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

// Everything one row carries from step to step.
struct Row {
    Row(const BoxEntry& attacker, const BoxEntry& defender, const DamageSlot& row, const BattleConditions& c)
        : atk(attacker), def(defender), slot(row), cond(c) {}

    const BoxEntry& atk;
    const BoxEntry& def;
    const DamageSlot& slot;
    const BattleConditions& cond;
    MoveId move = kNoMoveId; // none in the direct-value row
    int power = 0;           // P
    int category = 0;        // Cat
    int type = 0;            // T
    int weather = 0;         // W
    int defType1 = 0;        // D1
    int defType2 = 0;        // D2
    int effect = 0;          // E: 0..16, 4 neutral
    int attackStage = kNeutralStage;
    int defenceStage = kNeutralStage;
    Ratio powerRatio;
    Ratio attackRatio;
    Ratio defenceRatio;
    Ratio damageRatio;
    SlotResult result;

    bool physical() const { return category == kPhysical; }
    bool isMoveRow() const { return slot.row != kDirectRow; }
    AbilityId atkAbility() const { return abilityIdOf(atk.ability); }
    AbilityId defAbility() const { return abilityIdOf(def.ability); }
    // A holder with ぶきよう gets nothing from its item.
    const DamageItem& atkItem() const {
        return damageItem(atkAbility() == AbilityId::Klutz ? kNoEffectItem : atk.item);
    }
    const DamageItem& defItem() const {
        return damageItem(defAbility() == AbilityId::Klutz ? kNoEffectItem : def.item);
    }
    CalcLog& log() { return result.log; }

    static constexpr int kNoEffectItem = 0;
};

void loadMove(Row& r);
void writeHeader(Row& r);
void writeMoveBlock(Row& r);
void applyTypeAndWeather(Row& r);
void applyEffectiveness(Row& r);
void applySameType(Row& r);
bool applyMoveSpecials(Row& r);
void applyWeather(Row& r);
void applyStages(Row& r);
void applyHelpingHandAndBurn(Row& r);
void applyAttackerAbilities(Row& r);
void applyActivatedAbilities(Row& r);
void applyDefenderAbilities(Row& r);
void applyDoubleBattle(Row& r);
void applyItemsAndScreens(Row& r);
void applyFinalFormula(Row& r);

} // namespace rusrina::damage
