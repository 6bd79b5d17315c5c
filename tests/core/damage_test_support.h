#pragma once
// Shared set-up of the damage engine tests: a fixed attacker and defender whose plain hit is
// easy to work out by hand (level 50, attack 100 against defence 100 and HP 150, power 80,
// neutral, no same type: base 37, 31 ～ 37, 5 hits).

#include "box/box_entry.h"
#include "calc/damage/damage_engine.h"
#include "calc/scenario.h"

#include "box_test_support.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

namespace rusrina::test {

// Species indices the tests rely on for their types.
inline constexpr int kSnorlax = 142; // カビゴン: ノーマル
inline constexpr int kChansey = 112; // ラッキー: ノーマル
inline constexpr int kMachamp = 67;  // カイリキー: かくとう
inline constexpr int kGengar = 93;   // ゲンガー: ゴースト / どく
inline constexpr int kPidgeot = 17;  // ピジョット: ノーマル / ひこう
inline constexpr int kGeodude = 73;  // イシツブテ: いわ / じめん
inline constexpr int kZubat = 40;    // ズバット: どく / ひこう

enum TestType {
    kNormalType = 0,
    kFightingType = 1,
    kFlyingType = 2,
    kPoisonType = 3,
    kGroundType = 4,
    kRockType = 5,
    kBugType = 6,
    kGhostType = 7,
    kFireType = 10,
    kWaterType = 11,
    kGrassType = 12,
    kElectricType = 13,
    kPsychicType = 14,
    kIceType = 15,
    kDarkType = 17,
};

inline constexpr int kNeutralNature = 24; // まじめ

inline BoxEntry creature(int species, std::array<int, 6> stats, int ability = 0, int item = 0) {
    return testing::EntryBuilder("test", species)
        .nature(kNeutralNature)
        .ability(ability)
        .item(item)
        .ivs({})
        .evs({})
        .stats(stats)
        .noMoves()
        .typedIn();
}

// The entry with these four moves.
inline BoxEntry withMoves(BoxEntry entry, const std::array<int, 4>& moves) {
    std::copy(moves.begin(), moves.end(), entry.move);
    return entry;
}

inline constexpr DirectMove kPlainMove{80, kPhysical, kWaterType};

struct HitSetup {
    BoxEntry attacker = creature(kSnorlax, {200, 100, 100, 100, 100, 100});
    BoxEntry defender = creature(kChansey, {150, 100, 100, 100, 100, 100});
    DamageSlot slot = DamageSlot::directRow(kPlainMove);
    BattleConditions conditions;

    SlotResult run() const { return computeRow(attacker, defender, slot, conditions); }
    void direct(int power, int category, int type) { slot = DamageSlot::directRow({power, category, type}); }
    void learnable(int move) { slot = DamageSlot::moveRow(kLearnableRow, move); }
};

// Two entries as a scenario computed in `mode` (the 5th generation's exact mode unless said).
inline Scenario scenarioOf(std::optional<BoxEntry> attacker, std::optional<BoxEntry> defender,
                           DamageMode mode = DamageMode::ExactGen5) {
    Scenario s;
    s.attacker.entry = std::move(attacker);
    s.defender.entry = std::move(defender);
    s.mode = mode;
    return s;
}

// The log from the first line after the move block: the lines the modifiers wrote, then the
// damage and the hits.
inline std::string afterMoveBlock(const std::string& log) {
    size_t at = log.find("分類：");
    if (at == std::string::npos)
        return log;
    at = log.find("\r\n", at) + 2;
    if (log.compare(at, std::strlen("（天候："), "（天候：") == 0)
        at = log.find("\r\n", at) + 2;
    return log.substr(at);
}

inline std::string damageLines(const std::string& damage, const std::string& hits) {
    return "ダメージ： " + damage + "\r\n必要攻撃回数： " + hits + "\r\n";
}

inline const std::string kNeutral = "相性補正： *1.00\r\n";
inline const std::string kDouble = "相性補正： *2.00\r\n";
inline const std::string kSameType = "タイプ一致でダメージ： *1.5\r\n";
inline const std::string kNoStages = "攻撃ランク補正＝攻撃力： *1.00\r\n＞＞＞ 防御ランク補正＝防御力： *1.00\r\n";
inline const std::string kPlainHit = damageLines("31 ～ 37", "5");
inline const std::string kOneAndHalf = damageLines("45 ～ 54", "3 ～ 4"); // P', A ×1.5
inline const std::string kHalved = damageLines("16 ～ 19", "8 ～ 10");    // P', A ×0.5
inline const std::string kDamageHalved = damageLines("15 ～ 18", "9 ～ 10");
inline const std::string kNoDamage = damageLines("無効", "無効");

using Arrange = void (*)(HitSetup&);

// One modifier: how to set it up and what the log says from the effectiveness line on.
struct ModifierCase {
    const char* what;
    Arrange arrange;
    std::string expected;
    const char* multiplier = "1.00";
};

inline void expectModifierCases(const ModifierCase* cases, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        const ModifierCase& c = cases[i];
        HitSetup s;
        c.arrange(s);
        const SlotResult r = s.run();
        EXPECT_EQ(afterMoveBlock(r.log.text()), c.expected) << c.what;
        EXPECT_EQ(r.multiplierText, c.multiplier) << c.what;
    }
}

} // namespace rusrina::test
