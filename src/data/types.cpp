#include "data/types.h"

#include "data/english_tables.h"

namespace rusrina {
namespace {

struct TypeText {
    const char* name;
    const char* abbreviation;
    const char* englishAbbreviation;
};

constexpr TypeText kTypes[kTypeCount] = {
    {"ノーマル", "ノ", "Nor"}, {"かくとう", "闘", "Fig"}, {"ひこう", "飛", "Fly"},   {"どく", "毒", "Poi"},
    {"じめん", "地", "Gro"},   {"いわ", "岩", "Roc"},     {"むし", "虫", "Bug"},     {"ゴースト", "霊", "Gho"},
    {"はがね", "鋼", "Ste"},   {"－－－", "－", "---"},   {"ほのお", "炎", "Fir"},   {"みず", "水", "Wat"},
    {"くさ", "草", "Gra"},     {"でんき", "電", "Ele"},   {"エスパー", "超", "Psy"}, {"こおり", "氷", "Ice"},
    {"ドラゴン", "竜", "Dra"}, {"あく", "悪", "Dar"},
};

// Row: attacking type; column: defending type. 0 no effect, 1 half, 2 normal, 4 double.
// The placeholder type's row and column are all 0.
constexpr int kTypeChart[kTypeCount][kTypeCount] = {
    {2, 2, 2, 2, 2, 1, 2, 0, 1, 0, 2, 2, 2, 2, 2, 2, 2, 2}, // ノーマル
    {4, 2, 1, 1, 2, 4, 1, 0, 4, 0, 2, 2, 2, 2, 1, 4, 2, 4}, // かくとう
    {2, 4, 2, 2, 2, 1, 4, 2, 1, 0, 2, 2, 4, 1, 2, 2, 2, 2}, // ひこう
    {2, 2, 2, 1, 1, 1, 2, 1, 0, 0, 2, 2, 4, 2, 2, 2, 2, 2}, // どく
    {2, 2, 0, 4, 2, 4, 1, 2, 4, 0, 4, 2, 1, 4, 2, 2, 2, 2}, // じめん
    {2, 1, 4, 2, 1, 2, 4, 2, 1, 0, 4, 2, 2, 2, 2, 4, 2, 2}, // いわ
    {2, 1, 1, 1, 2, 2, 2, 1, 1, 0, 1, 2, 4, 2, 4, 2, 2, 4}, // むし
    {0, 2, 2, 2, 2, 2, 2, 4, 1, 0, 2, 2, 2, 2, 4, 2, 2, 1}, // ゴースト
    {2, 2, 2, 2, 2, 4, 2, 2, 1, 0, 1, 1, 2, 1, 2, 4, 2, 2}, // はがね
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, // －－－
    {2, 2, 2, 2, 2, 1, 4, 2, 4, 0, 1, 1, 4, 2, 2, 4, 1, 2}, // ほのお
    {2, 2, 2, 2, 4, 4, 2, 2, 2, 0, 4, 1, 1, 2, 2, 2, 1, 2}, // みず
    {2, 2, 1, 1, 4, 4, 1, 2, 1, 0, 1, 4, 1, 2, 2, 2, 1, 2}, // くさ
    {2, 2, 4, 2, 0, 2, 2, 2, 2, 0, 2, 4, 1, 1, 2, 2, 1, 2}, // でんき
    {2, 4, 2, 4, 2, 2, 2, 2, 1, 0, 2, 2, 2, 2, 1, 2, 2, 0}, // エスパー
    {2, 2, 4, 2, 4, 2, 2, 2, 1, 0, 1, 1, 4, 2, 2, 1, 4, 2}, // こおり
    {2, 2, 2, 2, 2, 2, 2, 2, 1, 0, 2, 2, 2, 2, 2, 2, 4, 2}, // ドラゴン
    {2, 1, 2, 2, 2, 2, 2, 4, 1, 0, 2, 2, 2, 2, 4, 2, 2, 1}, // あく
};

// Every real type but ノーマル, in index order.
constexpr int kHiddenPowerTypes[16] = {1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13, 14, 15, 16, 17};

bool validType(int type) {
    return type >= 0 && type < kTypeCount;
}

// The attacking types whose effectiveness product equals `product`, as abbreviations after a
// heading; nothing at all when no type qualifies.
// In English the abbreviations are words of three letters, set apart by spaces.
std::string matchupGroup(const int (&products)[kTypeCount], int product, const char* heading) {
    const bool english = displaysEnglish();
    std::string letters;
    for (int attacking = 0; attacking < kTypeCount; ++attacking) {
        if (attacking == kPlaceholderType || products[attacking] != product)
            continue;
        if (english && !letters.empty())
            letters += ' ';
        letters += english ? kTypes[attacking].englishAbbreviation : kTypes[attacking].abbreviation;
    }
    return letters.empty() ? letters : heading + letters;
}

} // namespace

const char* typeName(int type) {
    if (!displaysEnglish() || !validType(type))
        return typeJapaneseName(type);
    return type == kPlaceholderType ? "---" : generated::kTypeEnglishNames[type];
}

const char* typeJapaneseName(int type) {
    return validType(type) ? kTypes[type].name : "";
}

int typeChart(int attacking, int defending) {
    // A type from outside the table behaves like the placeholder: no effect either way.
    return validType(attacking) && validType(defending) ? kTypeChart[attacking][defending] : 0;
}

int effectiveness(int attacking, int defending1, int defending2) {
    const int first = typeChart(attacking, defending1);
    return defending1 == defending2 ? first * 2 : first * typeChart(attacking, defending2);
}

TypeMatchupSummary typeMatchupSummary(int type1, int type2) {
    int products[kTypeCount];
    for (int attacking = 0; attacking < kTypeCount; ++attacking)
        products[attacking] = effectiveness(attacking, type1, type2);

    TypeMatchupSummary summary;
    if (displaysEnglish()) {
        // Groups two spaces apart, the line led by one as the Japanese one is by a full-width space.
        summary.weakness = matchupGroup(products, 16, "  4x: ") + matchupGroup(products, 8, "  2x: ");
        summary.resistance = matchupGroup(products, 2, "  1/2: ") + matchupGroup(products, 1, "  1/4: ") +
                             matchupGroup(products, 0, "  Immune: ");
        for (std::string* line : {&summary.weakness, &summary.resistance}) {
            if (!line->empty())
                line->erase(0, 1);
        }
        return summary;
    }
    summary.weakness = matchupGroup(products, 16, "　４倍：") + matchupGroup(products, 8, "　２倍：");
    summary.resistance = matchupGroup(products, 2, "　1/2：") + matchupGroup(products, 1, "　1/4：") +
                         matchupGroup(products, 0, "　無効：");
    return summary;
}

int hiddenPowerType(int number) {
    return number >= 0 && number < 16 ? kHiddenPowerTypes[number] : 0;
}

int typeAtListPosition(int position) {
    if (position <= 0 || position >= kTypeCount)
        return -1;
    return position <= kPlaceholderType ? position - 1 : position;
}

} // namespace rusrina
