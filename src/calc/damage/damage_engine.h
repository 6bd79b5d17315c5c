#pragma once
// The damage engine: for an attacker and a defender taken from the box, the damage range, the
// hits needed and a calculation log for each of the six calculation rows of the box and damage
// window, under the battle conditions set there. Integer ratios throughout; the only floating
// point is the minimum damage (85 % of the maximum) and the texts.

#include "box/box_entry.h"
#include "box/entry_extra.h"
#include "calc/battle/battle_state.h"
#include "calc/damage/calc_log.h"
#include "calc/scenario.h"
#include "data/items.h"
#include "data/moves.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace rusrina {

inline constexpr int kDamageRowCount = 6;
inline constexpr int kMoveRowCount = 4; // rows 0..3: the attacker's four move slots
inline constexpr int kLearnableRow = 4; // a move the attacker's species can learn
inline constexpr int kDirectRow = 5;    // power, category and type chosen directly

// One row of the stage lists ("+6" at index 0 … "±0" at 6 … "-6" at 12); the multiplier is
// numerator / denominator.
struct StageRatio {
    int32_t denominator;
    int32_t numerator;
    const char* label;
};
inline constexpr int kStageCount = 13;
inline constexpr int kNeutralStage = 6;
inline constexpr std::array<StageRatio, kStageCount> StageRatios = {{
    {2, 8, "+6"},
    {2, 7, "+5"},
    {2, 6, "+4"},
    {2, 5, "+3"},
    {2, 4, "+2"},
    {2, 3, "+1"},
    {2, 2, "±0"},
    {3, 2, "-1"},
    {4, 2, "-2"},
    {5, 2, "-3"},
    {6, 2, "-4"},
    {7, 2, "-5"},
    {8, 2, "-6"},
}};

// The conditions of the box and damage window; the same for all six rows.
struct BattleConditions {
    int weather = kWeatherNone;       // Weather
    int attackStage = kNeutralStage;  // index into StageRatios
    int defenceStage = kNeutralStage; // index into StageRatios
    bool helpingHand = false;         // てだすけ
    bool burn = false;                // やけど
    bool flowerGift = false;          // フラワーギフト
    bool reflect = false;             // リフレクター
    bool lightScreen = false;         // ひかりのかべ
    bool gravity = false;             // じゅうりょく
    bool foresight = false;           // みやぶる／かぎわける
    bool abilityActive = false;       // 特性発動
    bool berryActive = false;         // きのみ発動
    bool doubleBattle = false;        // ダブルバトル
    bool friendGuard = false; // the defender's ally has フレンドガード (the exact modes; no check box yet)
};

// The values of the direct-value row.
struct DirectMove {
    int power = 5;            // 5, 10, … 200
    int category = kPhysical; // MoveCategory
    int type = 0;             // type index
};

// What one row computes: rows 0..4 a move (or NO_MOVE), row 5 the direct values.
struct DamageSlot {
    int row = 0;
    int move = NO_MOVE;
    DirectMove direct;

    static DamageSlot moveRow(int row, int move) { return DamageSlot{row, move, {}}; }
    static DamageSlot directRow(const DirectMove& direct) { return DamageSlot{kDirectRow, NO_MOVE, direct}; }
};

// The conditions of the window as the scenario holds them: the weather, じゅうりょく and ダブルバトル of
// its field, the boxes of each side (the screens, みやぶる and フレンドガード on the defender's, てだすけ and
// フラワーギフト on the attacker's), and the window's own assumptions (攻撃補正/防御補正 as stage indices,
// やけど, 特性発動, きのみ発動). The simple engine reads nothing else of a scenario.
BattleConditions conditionsOf(const Scenario& scenario);

// The moves the six rows compute beside the attacker's four: a move the attacker's species can learn
// (row 4) and the direct values (row 5).
struct RowMoves {
    int learnableMove = NO_MOVE;
    DirectMove direct;
};
// What row `row` computes for `attacker` (null: no move in rows 0 to 3).
DamageSlot rowSlot(const BoxEntry* attacker, const RowMoves& moves, int row);

// Direct values both engines can compute with: a power the box could hold, a category and a type
// from their tables.
bool directMoveUsable(const DirectMove& direct);

// The conditions with a weather or stage position outside its chooser taken back into range.
BattleConditions conditionsWithinRange(BattleConditions conditions);

inline constexpr char kNotAvailable[] = "－";

struct SlotResult {
    std::string damageText = kNotAvailable; // "－", "無効", "1" or "min ～ max"
    std::string hitsText = kNotAvailable;   // "－", "無効", "n" or "few ～ many"
    std::string multiplierText = kNotAvailable;
    int shownType = -1;  // ウェザーボール, めざめるパワー: the type worked out for the row's type column
    int shownPower = -1; // めざめるパワー: the power worked out for the row's power column
    CalcLog log;         // empty when the row was not computed
};

// One row. A row is computed only when its move is set and its power is not 0; otherwise the
// result holds "－" and an empty log. Entries the engine cannot use (an index outside its table,
// a level or stat outside what the box can hold) leave the row uncomputed too.
SlotResult computeRow(const BoxEntry& attacker, const BoxEntry& defender, const DamageSlot& slot,
                      const BattleConditions& conditions);

// The head of a row's log: who attacks whom, with the stats a move of the category uses. The exact
// modes' logs begin with it too.
std::string damageLogHead(const BoxEntry& attacker, const BoxEntry& defender, int category);

// Everything the box and damage window feeds the engine. computeAllRows recomputes all six
// rows from it, each independently; with no attacker or no defender no row is computed.
struct DamageEngine {
    std::optional<BoxEntry> attacker;
    std::optional<BoxEntry> defender;
    // What the box keeps beside each entry: the exact modes read its held item, gender and
    // happiness; the simple engine reads the 144-byte record alone.
    EntryExtra attackerExtra;
    EntryExtra defenderExtra;
    int learnableMove = NO_MOVE;
    DirectMove direct;
    BattleConditions conditions;
    BattleState state; // the exact modes read it; the simple engine ignores it

    DamageSlot slot(int row) const;
    RowMoves moves() const { return {learnableMove, direct}; }
    // The window's inputs as a scenario computed in `mode`, with or without a critical hit.
    Scenario scenario(DamageMode mode, bool critical) const;
    std::array<SlotResult, kDamageRowCount> computeAllRows() const;
};

} // namespace rusrina
