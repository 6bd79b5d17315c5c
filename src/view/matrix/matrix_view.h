#pragma once
// What the damage matrix shows: its columns, the text of each cell, the order after a click on a
// column, and the whole table as tab-separated text for a spreadsheet.

#include "calc/box_tools/damage_matrix.h"
#include "calc/damage/damage_engine.h"
#include "text/ui_text.h"
#include "view/common/damage_mode.h"

#include <span>
#include <string>
#include <vector>

namespace rusrina {

// The matrix and the spread finder always use the exact engine: the window's exact mode, or the
// 5th generation's when the window computes in the simple mode (calc/calculate.h's toolScenario).
DamageMode exactModeFor(DamageMode mode);

// The line above the matrix: who is chosen and the mode, "攻撃側：ぴかちゃん（ピカチュウ）・
// 計算方式：実機（第5世代）", or what to do when no one is. With the chosen entry's speed (the exact
// modes' speed column compares against it) "・素早さ 156" follows its name.
std::string matrixCaptionText(const BoxEntry* chosen, MatrixSide side, DamageMode mode, int chosenSpeed = -1);

// Two columns for the row's entry, then four for each move, best first.
enum MatrixColumnKind { kMatrixMove, kMatrixDamage, kMatrixShare, kMatrixKo };
inline constexpr int kMatrixEntryColumns = 2; // 名前, バントレ
inline constexpr int kMatrixColumnsPerMove = 4;
inline constexpr int kMatrixColumnCount = kMatrixEntryColumns + kMoveRowCount * kMatrixColumnsPerMove;

// In the exact modes two more after them: the row's entry's effective speed ("素早さ") and the
// attacker's order against the other side ("攻撃側": "先手", "後手", "同速"), from MatrixRow::speed.
inline constexpr int kMatrixSpeedColumn = kMatrixColumnCount;
inline constexpr int kMatrixOrderColumn = kMatrixColumnCount + 1;
inline constexpr int kMatrixColumnCountWithSpeed = kMatrixColumnCount + 2;
inline constexpr int matrixColumnCount(bool withSpeed) {
    return withSpeed ? kMatrixColumnCountWithSpeed : kMatrixColumnCount;
}
// When asked for, the 対面勝率 column comes last, after every other: the chosen entry's chance to
// win alone against the row's entry (MatrixRow::duel), blank until computed.
inline constexpr int kMatrixDuelColumn = kMatrixColumnCountWithSpeed;

// The column shown at `position` of the table: with the speed columns they follow the entry's two,
// where they are seen without scrolling, and the moves come after them; the position after the
// last is the 対面勝率 column's.
int matrixColumnAt(int position, bool withSpeed);

// A move's ダメージ or HP割合 column, which "技と確定数だけ" hides so that four moves fit a small screen.
bool matrixDetailColumn(int column);

// "名前", "バントレ", then "技１", "ダメージ１", "HP割合１", "確定数１", "技２" …, "素早さ", "攻撃側"
std::string matrixHeading(int column);
// The column's width in half-width characters, for the window's first layout.
int matrixColumnChars(int column);

// The cell's text: the entry's name and species, then per move its name, the damage range, the
// share of HP and the KO verdict as the damage rows show them ("－" for no move); the speed and
// the order ("－" for a row whose speed was not computed).
std::string matrixCellText(const MatrixRow& row, std::span<const BoxEntry> entries, int column);

// How sure the knock-out of a verdict cell is, from the surest down, for the cell's colour; None
// for a cell without a verdict (no damage, "無効", or a column that is not a verdict).
enum class KoShade { None, CertainOneHit, LikelyOneHit, CertainTwoHits, LikelyTwoHits, ThreeOrMore };
inline constexpr int kKoShadeCount = 5; // the shades but None
KoShade matrixKoShade(const MatrixRow& row, int column);
// The legend's words for a shade: "確定1発", "乱数1発", "確定2発", "乱数2発", "3発以上".
// Looked up with uiText("MatrixText", …) where it is shown.
const char* koShadeName(KoShade shade);

// Sorts by a column, keeping the present order among equal keys. Names compare by their Shift-JIS
// bytes (kana order); damage by the top roll, then the bottom one; the share of HP the same way;
// the KO verdict from the surest (fewest hits, then highest chance). Cells that show no figure
// ("－", and "無効" in the verdict column) go last whichever the direction. Speeds sort as numbers,
// the order from 先手 through 同速 to 後手.
void sortMatrixRows(std::vector<MatrixRow>& rows, std::span<const BoxEntry> entries, int column, bool descending);

// The headings and every row, cells separated by tabs, lines ended by CR LF; the speed columns too
// when `withSpeed`, in the table's order, and the 対面勝率 column when `withDuel`.
std::string matrixText(const std::vector<MatrixRow>& rows, std::span<const BoxEntry> entries, bool withSpeed = false,
                       bool withDuel = false);

} // namespace rusrina
