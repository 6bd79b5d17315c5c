#include "view/matrix/matrix_view.h"

#include "data/moves.h"
#include "data/species.h"
#include "text/name_fold.h"
#include "text/ui_text.h"
#include "view/common/exact_texts.h"

#include <algorithm>
#include <cstdio>

namespace rusrina {
namespace {

// Each with the move's number in full-width digits (%1) and in ASCII digits (%2).
const char* const kMoveHeadings[kMatrixColumnsPerMove] = {
    UI_TEXT_NOOP("MatrixText", "技%1"), UI_TEXT_NOOP("MatrixText", "ダメージ%1"),
    UI_TEXT_NOOP("MatrixText", "HP割合%1"), UI_TEXT_NOOP("MatrixText", "確定数%1")};
const char* const kFullWidthDigits[kMoveRowCount] = {"１", "２", "３", "４"};
constexpr int kMoveColumnChars[kMatrixColumnsPerMove] = {13, 11, 16, 15};

int moveOf(int column) {
    return (column - kMatrixEntryColumns) / kMatrixColumnsPerMove;
}

MatrixColumnKind kindOf(int column) {
    return static_cast<MatrixColumnKind>((column - kMatrixEntryColumns) % kMatrixColumnsPerMove);
}

bool validColumn(int column) {
    return column >= 0 && column <= kMatrixDuelColumn;
}

bool moveColumn(int column) {
    return column >= kMatrixEntryColumns && column < kMatrixColumnCount;
}

// 先手 first, 後手 last.
int orderRank(TurnOrder order) {
    return order == TurnOrder::First ? 0 : order == TurnOrder::Tie ? 1 : 2;
}

std::string orderText(TurnOrder order) {
    return order == TurnOrder::First    ? text::uiText("MatrixText", "先手")
           : order == TurnOrder::Second ? text::uiText("MatrixText", "後手")
                                        : text::uiText("MatrixText", "同速");
}

const BoxEntry* entryOf(const MatrixRow& row, std::span<const BoxEntry> entries) {
    return row.slot >= 0 && row.slot < static_cast<int>(entries.size()) ? &entries[row.slot] : nullptr;
}

std::string speciesText(const BoxEntry* e) {
    return e && e->species >= 0 && e->species < kSpeciesCount ? speciesName(e->species) : kNotAvailable;
}

// The chosen entry's chance to win alone, as the box window's 対面 line gives it; blank until computed.
std::string duelCellText(const MatrixDuel& duel) {
    if (duel.state == MatrixDuel::State::NotAsked)
        return {};
    if (duel.state == MatrixDuel::State::Refused)
        return kNotAvailable;
    char text[16];
    std::snprintf(text, sizeof text, "%.1f %%", duel.win * 100.0);
    return text;
}

// A cell as a spreadsheet takes it: no tab or line break inside.
std::string tsvCell(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
    return text;
}

// What a column sorts by. Rows without a figure (group 1) stay last either way.
struct SortKey {
    int group = 0;
    double first = 0.0;
    double second = 0.0;
    std::string bytes; // names: their sort keys (text::nameSortKey)
};

const SortKey kNoFigure{1, 0.0, 0.0, {}};

SortKey moveKey(const MatrixCell& cell, MatrixColumnKind kind) {
    const ExactRolls& r = cell.rolls;
    const bool figure = r.hits() || (r.outcome == ExactRolls::Outcome::Immune && kind != kMatrixKo);
    if (kind == kMatrixMove)
        return isValidMove(cell.move) ? SortKey{0, 0.0, 0.0, text::nameSortKey(moveRecord(cell.move).name)} : kNoFigure;
    if (!figure)
        return kNoFigure;
    if (r.outcome == ExactRolls::Outcome::Immune)
        return {0, 0.0, 0.0, {}};
    switch (kind) {
    case kMatrixDamage:
        return {0, double(r.high()), double(r.low()), {}};
    case kMatrixShare:
        return {0, double(r.high()) / r.hp, double(r.low()) / r.hp, {}};
    default: // the surest verdict first: fewest hits, then the highest chance
        return {0, double(cell.ko.hits), -cell.ko.chance, {}};
    }
}

SortKey sortKey(const MatrixRow& row, std::span<const BoxEntry> entries, int column) {
    if (column == kMatrixDuelColumn)
        return row.duel.state == MatrixDuel::State::Computed ? SortKey{0, row.duel.win, row.duel.draw, {}} : kNoFigure;
    const BoxEntry* e = entryOf(row, entries);
    if (column == 0)
        return {0, 0.0, 0.0, e ? std::string(entryName(*e)) : std::string()};
    if (column == 1)
        return {0, 0.0, 0.0, text::nameSortKey(speciesText(e))};
    if (!moveColumn(column)) {
        if (!row.speed.known)
            return kNoFigure;
        return column == kMatrixSpeedColumn ? SortKey{0, double(row.speed.speed), 0.0, {}}
                                            : SortKey{0, double(orderRank(row.speed.attackerOrder)), 0.0, {}};
    }
    return moveKey(row.cells[moveOf(column)], kindOf(column));
}

bool keyLess(const SortKey& a, const SortKey& b) {
    if (a.first != b.first)
        return a.first < b.first;
    if (a.second != b.second)
        return a.second < b.second;
    return std::string_view(a.bytes).compare(b.bytes) < 0;
}

} // namespace

DamageMode exactModeFor(DamageMode mode) {
    Scenario s;
    s.mode = mode;
    return toolScenario(s).mode;
}

std::string matrixCaptionText(const BoxEntry* chosen, MatrixSide side, DamageMode mode, int chosenSpeed) {
    const bool attacker = side == MatrixSide::AttackerAgainstBox;
    if (!chosen)
        return attacker ? text::uiText("MatrixText", "「→攻撃側」で攻撃側を選んでください")
                        : text::uiText("MatrixText", "「→防御側」で防御側を選んでください");
    const std::string speed =
        chosenSpeed >= 0 ? text::fillText(text::uiText("MatrixText", "・素早さ %1"), {std::to_string(chosenSpeed)})
                         : std::string();
    return text::fillText(attacker ? text::uiText("MatrixText", "攻撃側：%1（%2）%3・計算方式：%4")
                                   : text::uiText("MatrixText", "防御側：%1（%2）%3・計算方式：%4"),
                          {entryShownName(*chosen), speciesText(chosen), speed, damageModeName(exactModeFor(mode))});
}

int matrixColumnAt(int position, bool withSpeed) {
    if (position == matrixColumnCount(withSpeed))
        return kMatrixDuelColumn;
    if (!withSpeed || position < kMatrixEntryColumns)
        return position;
    const int speedColumns = kMatrixColumnCountWithSpeed - kMatrixColumnCount;
    if (position < kMatrixEntryColumns + speedColumns)
        return kMatrixSpeedColumn + position - kMatrixEntryColumns;
    return position - speedColumns;
}

std::string matrixHeading(int column) {
    if (!validColumn(column))
        return {};
    if (column == kMatrixDuelColumn)
        return text::uiText("MatrixView", "対面勝率");
    if (column < kMatrixEntryColumns)
        return column == 0 ? text::uiText("MatrixText", "名前") : text::uiText("MatrixText", "バントレ");
    if (!moveColumn(column))
        return column == kMatrixSpeedColumn ? text::uiText("MatrixText", "素早さ")
                                            : text::uiText("MatrixText", "攻撃側");
    return text::fillText(text::uiText("MatrixText", kMoveHeadings[kindOf(column)]),
                          {kFullWidthDigits[moveOf(column)], std::to_string(moveOf(column) + 1)});
}

bool matrixDetailColumn(int column) {
    return moveColumn(column) && (kindOf(column) == kMatrixDamage || kindOf(column) == kMatrixShare);
}

int matrixColumnChars(int column) {
    if (!validColumn(column))
        return 0;
    if (column == kMatrixDuelColumn)
        return 9;
    if (column < kMatrixEntryColumns)
        return column == 0 ? 12 : 11;
    if (!moveColumn(column))
        return 7;
    return kMoveColumnChars[kindOf(column)];
}

std::string matrixCellText(const MatrixRow& row, std::span<const BoxEntry> entries, int column) {
    if (!validColumn(column))
        return {};
    if (column == kMatrixDuelColumn)
        return duelCellText(row.duel);
    const BoxEntry* e = entryOf(row, entries);
    if (column == 0)
        return e ? entryShownName(*e) : kNotAvailable;
    if (column == 1)
        return speciesText(e);
    if (!moveColumn(column)) {
        if (!row.speed.known)
            return kNotAvailable;
        return column == kMatrixSpeedColumn ? std::to_string(row.speed.speed) : orderText(row.speed.attackerOrder);
    }
    const MatrixCell& cell = row.cells[moveOf(column)];
    switch (kindOf(column)) {
    case kMatrixMove:
        return isValidMove(cell.move) ? moveRecord(cell.move).name : kNotAvailable;
    case kMatrixDamage:
        return exactDamageText(cell.rolls);
    case kMatrixShare:
        return hpShareText(cell.rolls);
    default:
        return koTextWithTurnEnd(cell.rolls, cell.ko, cell.turnEnd, cell.hitChances);
    }
}

KoShade matrixKoShade(const MatrixRow& row, int column) {
    if (!moveColumn(column) || kindOf(column) != kMatrixKo)
        return KoShade::None;
    const MatrixCell& cell = row.cells[moveOf(column)];
    if (!cell.rolls.hits() || cell.ko.hits <= 0)
        return KoShade::None;
    const bool certain = cell.ko.chance >= 1.0;
    switch (cell.ko.hits) {
    case 1:
        return certain ? KoShade::CertainOneHit : KoShade::LikelyOneHit;
    case 2:
        return certain ? KoShade::CertainTwoHits : KoShade::LikelyTwoHits;
    default:
        return KoShade::ThreeOrMore;
    }
}

const char* koShadeName(KoShade shade) {
    switch (shade) {
    case KoShade::CertainOneHit:
        return UI_TEXT_NOOP("MatrixText", "確定1発");
    case KoShade::LikelyOneHit:
        return UI_TEXT_NOOP("MatrixText", "乱数1発");
    case KoShade::CertainTwoHits:
        return UI_TEXT_NOOP("MatrixText", "確定2発");
    case KoShade::LikelyTwoHits:
        return UI_TEXT_NOOP("MatrixText", "乱数2発");
    case KoShade::ThreeOrMore:
        return UI_TEXT_NOOP("MatrixText", "3発以上");
    case KoShade::None:
        break;
    }
    return "";
}

void sortMatrixRows(std::vector<MatrixRow>& rows, std::span<const BoxEntry> entries, int column, bool descending) {
    if (!validColumn(column))
        return;
    struct Keyed {
        SortKey key;
        size_t index;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(rows.size());
    for (size_t i = 0; i < rows.size(); ++i)
        keyed.push_back({sortKey(rows[i], entries, column), i});
    std::stable_sort(keyed.begin(), keyed.end(), [descending](const Keyed& a, const Keyed& b) {
        if (a.key.group != b.key.group)
            return a.key.group < b.key.group;
        return descending ? keyLess(b.key, a.key) : keyLess(a.key, b.key);
    });
    std::vector<MatrixRow> sorted;
    sorted.reserve(rows.size());
    for (const Keyed& k : keyed)
        sorted.push_back(std::move(rows[k.index]));
    rows = std::move(sorted);
}

std::string matrixText(const std::vector<MatrixRow>& rows, std::span<const BoxEntry> entries, bool withSpeed,
                       bool withDuel) {
    const int columns = matrixColumnCount(withSpeed) + (withDuel ? 1 : 0);
    std::string text;
    for (int position = 0; position < columns; ++position)
        text += (position ? "\t" : "") + matrixHeading(matrixColumnAt(position, withSpeed));
    text += "\r\n";
    for (const MatrixRow& row : rows) {
        for (int position = 0; position < columns; ++position)
            text += (position ? "\t" : "") + tsvCell(matrixCellText(row, entries, matrixColumnAt(position, withSpeed)));
        text += "\r\n";
    }
    return text;
}

} // namespace rusrina
