#include "data/natures.h"

#include "data/english_tables.h"

#include <array>
#include <string>

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

// The labels of the English interface, made once from the English names and the factors.
const std::array<NatureRecord, kNatureCount>& englishNatures() {
    static const std::array<std::string, kNatureCount> labels = [] {
        constexpr const char* kStats[6] = {"HP", "Atk", "Def", "SpA", "SpD", "Spe"};
        std::array<std::string, kNatureCount> made;
        for (int n = 0; n < kNatureCount; ++n) {
            std::string raised, lowered;
            for (int stat = 1; stat < 6; ++stat) {
                if (kNatures[n].factor[stat] > 10)
                    raised = kStats[stat];
                if (kNatures[n].factor[stat] < 10)
                    lowered = kStats[stat];
            }
            made[n] = std::string(generated::kNatureNames[n].english) +
                      (raised.empty() ? " (neutral)" : " (+" + raised + ", -" + lowered + ")");
        }
        return made;
    }();
    static const std::array<NatureRecord, kNatureCount> records = [] {
        std::array<NatureRecord, kNatureCount> made;
        for (int n = 0; n < kNatureCount; ++n) {
            made[n] = kNatures[n];
            made[n].label = labels[n].c_str();
        }
        return made;
    }();
    return records;
}

} // namespace

const NatureRecord& natureRecord(int nature) {
    // A stored index outside the table (a damaged box file) reads as a neutral nature.
    const int row = nature >= 0 && nature < kNatureCount ? nature : 24;
    return displaysEnglish() ? englishNatures()[row] : kNatures[row];
}

} // namespace rusrina
