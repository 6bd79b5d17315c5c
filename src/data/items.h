#pragma once
// Held items the damage engine knows, and the weather names.

#include <cstdint>

namespace rusrina {

inline constexpr int kDamageItemCount = 17; // row 16 has an empty name and no effect
inline constexpr int kWeatherCount = 5;

enum ItemKind {
    kItemNone = 0,
    kItemAllAttack = 1,      // attack × value / 10 for every damaging move
    kItemPhysical = 2,       // damage × value / 10 (attacker) or × 10 / value (defender), physical moves
    kItemSpecial = 3,        // the same for special-side moves
    kItemSuperEffective = 4, // attack × value / 10 when the effectiveness product is 8 or more
    kItemAttackBerry = 5,    // attack +1 stage for a physical move when the berry is active
    kItemSpAttackBerry = 6,  // special attack +1 stage for a special move when the berry is active
};

struct DamageItem {
    const char* name; // UTF-8, in the display language; "" for row 16
    int32_t attackKind;
    int32_t attackValue;
    int32_t defenceKind;
    int32_t defenceValue;
};

enum Weather { kWeatherNone = 0, kWeatherSun = 1, kWeatherRain = 2, kWeatherSand = 3, kWeatherHail = 4 };

const DamageItem& damageItem(int item);
// Always Japanese (UTF-8): the row's name that Japanese team text's comment writes.
const char* damageItemJapaneseName(int item);
// In the display language.
const char* weatherName(int weather); // "通常", "晴れ", "雨", "砂嵐", "霰"

} // namespace rusrina
