#include "data/items.h"

#include "data/english_tables.h"

#include <array>

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

// The rows' names in the English interface: the English names of the games' items (the name tests
// hold them to the item table), and words for the first two rows.
constexpr const char* kDamageItemEnglishNames[kDamageItemCount] = {
    "None / other",
    "Type-boosting item",
    "Life Orb",
    "Choice Band",
    "Choice Specs",
    "Muscle Band",
    "Light Ball",
    "Thick Club",
    "Wise Glasses",
    "Expert Belt",
    "Soul Dew",
    "Deep Sea Tooth",
    "Deep Sea Scale",
    "Metal Powder",
    "Liechi Berry",
    "Petaya Berry",
    "",
};
constexpr const char* kWeatherEnglishNames[kWeatherCount] = {"Clear", "Sun", "Rain", "Sandstorm", "Hail"};

const std::array<DamageItem, kDamageItemCount>& englishDamageItems() {
    static const std::array<DamageItem, kDamageItemCount> rows = [] {
        std::array<DamageItem, kDamageItemCount> made;
        for (int row = 0; row < kDamageItemCount; ++row) {
            made[row] = kDamageItems[row];
            made[row].name = kDamageItemEnglishNames[row];
        }
        return made;
    }();
    return rows;
}

} // namespace

const DamageItem& damageItem(int item) {
    // An item index outside the table (a damaged box file) acts like no item.
    const int row = item >= 0 && item < kDamageItemCount ? item : 0;
    return displaysEnglish() ? englishDamageItems()[row] : kDamageItems[row];
}

const char* damageItemJapaneseName(int item) {
    return item >= 0 && item < kDamageItemCount ? kDamageItems[item].name : "";
}

const char* weatherName(int weather) {
    if (weather < 0 || weather >= kWeatherCount)
        return "";
    return displaysEnglish() ? kWeatherEnglishNames[weather] : kWeatherNames[weather];
}

} // namespace rusrina
