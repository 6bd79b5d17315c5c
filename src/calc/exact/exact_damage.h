#pragma once
// The exact damage engine: what the game computes for one hit, in the 5th or the 4th generation,
// roll by roll. It takes the simple engine's inputs (two box entries, a row, the conditions) plus
// the generation and a critical hit, and gives the 16 random rolls (85 % … 100 %), the chance to
// knock out in n hits, the row's texts and, when asked, a log of every modifier in the order the
// game applies it.
//
// Two ways in: computeExactRow for one row with texts and log (what the box and damage window
// shows), and prepareExactAttack + exactRolls for many defenders or stat spreads against one
// attacker's move, which builds no text at all.

#include "box/box_entry.h"
#include "calc/damage/damage_engine.h"
#include "data/generations.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace rusrina {

// How the box and damage window computes its rows. The simple engine is the default.
enum class DamageMode { Simple = 0, ExactGen5 = 1, ExactGen4 = 2 };
inline constexpr int kDamageModeCount = 3;
const char* damageModeName(DamageMode mode); // "簡易計算", "実機（第5世代）", "実機（第4世代）"
bool isExact(DamageMode mode);
Generation generationOf(DamageMode mode); // kGen5 for the simple mode

struct ExactOptions {
    Generation generation = kGen5;
    bool critical = false; // 急所
};

inline constexpr int kRollCount = 16;

// What one hit does, without texts.
struct ExactRolls {
    enum class Outcome : uint8_t {
        NotComputed, // no move, power 0, an entry or input the engine cannot use
        NoFormula,   // a move whose damage does not follow from what the window knows
        Immune,      // 0 damage: the type chart or an ability
        Damage,
    };
    Outcome outcome = Outcome::NotComputed;
    bool fixed = false;                      // a move that deals a set amount (ちきゅうなげ …)
    std::array<int32_t, kRollCount> rolls{}; // the rolls 85 % … 100 %, ascending but where damage wraps
    int32_t hp = 0;                          // the defender's HP
    int32_t effect = 4;                      // effectiveness product, 4 neutral (as the simple engine)
    int32_t sameType = 0;                    // 0 none, 1 ×1.5, 2 ×2 (てきおうりょく)
    int32_t shownType = -1;                  // ウェザーボール, めざめるパワー: the type worked out
    int32_t shownPower = -1; // めざめるパワー, ジャイロボール, エレキボール: the power worked out

    bool hits() const { return outcome == Outcome::Damage; }
    int32_t low() const { return *std::min_element(rolls.begin(), rolls.end()); }
    int32_t high() const { return *std::max_element(rolls.begin(), rolls.end()); }
};

// The smallest number of hits that can knock the defender out, and the chance that this many
// do, counted over all 16^n equally likely roll combinations (1 when certain).
struct KoChance {
    int hits = 0;
    double chance = 0.0;
};
KoChance koChance(const ExactRolls& rolls);
// The chance that n hits take at least hp, from the distribution of the 16 rolls (a convolution
// over the sums, not an enumeration of the combinations).
double koChanceIn(const std::array<int32_t, kRollCount>& rolls, int32_t hp, int hits);

// One attacker's move under the conditions, worked out once for any number of defenders. It
// points at the attacker it was prepared from, which must outlive it.
struct ExactAttack {
    const BoxEntry* attacker = nullptr;
    DamageSlot slot;
    BattleConditions conditions;
    ExactOptions options;
    bool usable = false;    // false: every defender gets NotComputed
    bool noFormula = false; // a variable-damage move, or one the generation lacks
    int move = NO_MOVE;     // NO_MOVE in the direct-value row
    int power = 0;          // the move's power in the generation (before its own rules)
    int accuracy = 0;
    int type = 0;
    int category = 0;
    int target = 0;
    int ability = 0;     // the attacker's ability as the engine reads it (0 for one it ignores)
    int item = 0;        // the attacker's item; 0 when ぶきよう keeps it from acting
    bool status = false; // burned, or "特性発動" for こんじょう (which needs a status)
    bool spread = false; // a move that hits both foes, in a double battle, from the attacker's own moves
};
ExactAttack prepareExactAttack(const BoxEntry& attacker, const DamageSlot& slot, const BattleConditions& conditions,
                               const ExactOptions& options);
// The fast path: the rolls of the prepared move against one defender; no text is built.
ExactRolls exactRolls(const ExactAttack& attack, const BoxEntry& defender);

// The defender's stat the prepared move hits: kDefence for physical moves (and, in the 5th
// generation, サイコショック, サイコブレイク and しんぴのつるぎ), else kSpDefence. The attacker's
// stat is kAttack for physical moves, else kSpAttack.
int defendingStatOf(const ExactAttack& attack);
int attackingStatOf(const ExactAttack& attack);
// Whether the rolls depend on the defender's HP (いかりのまえば); for every other move they follow
// from the defence alone, so one set of rolls serves every HP.
bool rollsDependOnHp(const ExactAttack& attack);

// The distribution of what `hits` hits of the same rolls add up to, worked out once so that the
// chance to knock out can be read for any HP: chanceAtLeast(hp) equals koChanceIn(rolls, hp, hits).
class HitSums {
public:
    HitSums(const std::array<int32_t, kRollCount>& rolls, int hits);
    double chanceAtLeast(int64_t total) const;

private:
    int64_t m_lowest = 0;          // the smallest sum
    std::vector<double> m_atLeast; // [i]: the chance that the sum reaches m_lowest + i
};

// What a row of the box and damage window shows in an exact mode.
struct ExactRowResult {
    SlotResult texts; // damage "a ～ b", hits "確定2発" / "乱数2発 (43.8％)", multiplier, log
    std::string hpShareText = kNotAvailable; // "48.2％ ～ 56.9％"
    ExactRolls rolls;
    KoChance ko;
};
ExactRowResult computeExactRow(const BoxEntry& attacker, const BoxEntry& defender, const DamageSlot& slot,
                               const BattleConditions& conditions, const ExactOptions& options);

// The texts of a computed hit, as the row and its log show them.
std::string exactDamageText(const ExactRolls& rolls);            // "－", "無効", "40" or "120 ～ 142"
std::string hpShareText(const ExactRolls& rolls);                // "－", "無効" or "48.2％ ～ 56.9％"
std::string koText(const ExactRolls& rolls, const KoChance& ko); // "確定2発", "乱数2発 (43.8％)"
// A chance as the verdict shows it, "43.8％": a chance that is neither none nor certain shows as at
// least 0.1％ and at most 99.9％.
std::string koChanceText(double chance);

// The six rows of the box and damage window in the chosen mode; the simple mode gives the simple
// engine's results unchanged (and "－" as the share of HP).
struct DamageSettings {
    DamageMode mode = DamageMode::Simple;
    bool critical = false; // ignored by the simple engine
};
std::array<ExactRowResult, kDamageRowCount> computeRowsInMode(const DamageEngine& engine,
                                                              const DamageSettings& settings);

} // namespace rusrina
