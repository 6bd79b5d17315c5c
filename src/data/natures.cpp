#include "data/natures.h"

namespace rusrina {
namespace {

// Grouped by the raised stat, then the lowered one; the neutral natures last. Box entries and
// settings store these positions, so the order never changes. Labels are padded with full-width
// spaces so that the parentheses line up in a list.
constexpr NatureRecord kNatures[kNatureCount] = {
    {"さみしがり（攻撃＋防御－）", {0, 11, 9, 10, 10, 10}}, {"いじっぱり（攻撃＋特攻－）", {0, 11, 10, 9, 10, 10}},
    {"やんちゃ　（攻撃＋特防－）", {0, 11, 10, 10, 9, 10}}, {"ゆうかん　（攻撃＋素早－）", {0, 11, 10, 10, 10, 9}},
    {"ずぶとい　（防御＋攻撃－）", {0, 9, 11, 10, 10, 10}}, {"わんぱく　（防御＋特攻－）", {0, 10, 11, 9, 10, 10}},
    {"のうてんき（防御＋特防－）", {0, 10, 11, 10, 9, 10}}, {"のんき　　（防御＋素早－）", {0, 10, 11, 10, 10, 9}},
    {"ひかえめ　（特攻＋攻撃－）", {0, 9, 10, 11, 10, 10}}, {"おっとり　（特攻＋防御－）", {0, 10, 9, 11, 10, 10}},
    {"うっかりや（特攻＋特防－）", {0, 10, 10, 11, 9, 10}}, {"れいせい　（特攻＋素早－）", {0, 10, 10, 11, 10, 9}},
    {"おだやか　（特防＋攻撃－）", {0, 9, 10, 10, 11, 10}}, {"おとなしい（特防＋防御－）", {0, 10, 9, 10, 11, 10}},
    {"しんちょう（特防＋特攻－）", {0, 10, 10, 9, 11, 10}}, {"なまいき　（特防＋素早－）", {0, 10, 10, 10, 11, 9}},
    {"おくびょう（素早＋攻撃－）", {0, 9, 10, 10, 10, 11}}, {"せっかち　（素早＋防御－）", {0, 10, 9, 10, 10, 11}},
    {"ようき　　（素早＋特攻－）", {0, 10, 10, 9, 10, 11}}, {"むじゃき　（素早＋特防－）", {0, 10, 10, 10, 9, 11}},
    {"がんばりや（変化無し）", {0, 10, 10, 10, 10, 10}},    {"きまぐれ　（変化無し）", {0, 10, 10, 10, 10, 10}},
    {"すなお　　（変化無し）", {0, 10, 10, 10, 10, 10}},    {"てれや　　（変化無し）", {0, 10, 10, 10, 10, 10}},
    {"まじめ　　（変化無し）", {0, 10, 10, 10, 10, 10}},
};

} // namespace

const NatureRecord& natureRecord(int nature) {
    // A stored index outside the table (a damaged box file) reads as a neutral nature.
    return nature >= 0 && nature < kNatureCount ? kNatures[nature] : kNatures[24];
}

} // namespace rusrina
