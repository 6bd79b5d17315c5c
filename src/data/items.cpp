#include "data/items.h"

namespace rusrina {
namespace {

constexpr DamageItem kDamageItems[kDamageItemCount] = {
    {"なし／その他", kItemNone, 0, kItemNone, 0},
    {"各種タイプ補正", kItemAllAttack, 12, kItemNone, 0},
    {"いのちのたま", kItemAllAttack, 13, kItemNone, 0},
    {"こだわりハチマキ", kItemPhysical, 15, kItemNone, 0},
    {"こだわりメガネ", kItemSpecial, 15, kItemNone, 0},
    {"ちからのハチマキ", kItemPhysical, 11, kItemNone, 0},
    {"でんきだま", kItemAllAttack, 20, kItemNone, 0},
    {"ふといホネ", kItemPhysical, 20, kItemNone, 0},
    {"ものしりメガネ", kItemSpecial, 11, kItemNone, 0},
    {"たつじんのおび", kItemSuperEffective, 12, kItemNone, 0},
    {"こころのしずく", kItemSpecial, 15, kItemSpecial, 15},
    {"しんかいのキバ", kItemSpecial, 20, kItemNone, 0},
    {"しんかいのウロコ", kItemNone, 0, kItemSpecial, 20},
    {"メタルパウダー", kItemNone, 0, kItemPhysical, 20},
    {"チイラのみ", kItemAttackBerry, 0, kItemNone, 0},
    {"ヤタピのみ", kItemSpAttackBerry, 0, kItemNone, 0},
    {"", kItemNone, 0, kItemNone, 0},
};

constexpr const char* kWeatherNames[kWeatherCount] = {"通常", "晴れ", "雨", "砂嵐", "霰"};

} // namespace

const DamageItem& damageItem(int item) {
    // An item index outside the table (a damaged box file) acts like no item.
    return item >= 0 && item < kDamageItemCount ? kDamageItems[item] : kDamageItems[0];
}

const char* weatherName(int weather) {
    return weather >= 0 && weather < kWeatherCount ? kWeatherNames[weather] : "";
}

} // namespace rusrina
