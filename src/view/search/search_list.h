#pragma once
// What the search window shows: its chooser entries, the texts of a move row and of a result row,
// the criteria its controls stand for, and the order of the result list after a header click.

#include "calc/search/search.h"
#include "text/ui_text.h"
#include "view/common/list_choice.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace rusrina {

// Stat bounds: the twelve options, each valued at its inclusive bound.
std::vector<ListChoice> statAtMostEntries();
std::vector<ListChoice> statAtLeastEntries();
// "タイプ１", "タイプ２" and the move-type choosers: "指定無し" (0), then every real type (type + 1).
std::vector<ListChoice> typeChooserEntries();
// "とくせい": every ability name in index order (the position is the ability index).
std::vector<ListChoice> abilityChooserEntries();
// "たまごグループ": "指定無し" (0), then the groups in their display order (group + 1).
std::vector<ListChoice> eggGroupChooserEntries();
// A move chooser for the value of its row's type chooser: " 無指定" (NO_MOVE), then the moves of that
// type (every move for 0) in index order, each valued at its move index.
std::vector<ListChoice> moveChooserEntries(int typeValue);
// The battle rules (the position is the rule kind).
std::vector<ListChoice> ruleChooserEntries();

// The six read-only fields of a move row: power, accuracy, PP, category, target, effect code.
inline constexpr int kMoveFieldCount = 6;
std::array<std::string, kMoveFieldCount> moveFieldTexts(int move);

// The controls of the search window as values: chooser values (not positions) and check states.
struct SearchChoices {
    std::array<int, 6> atMost{kAnyStatMax, kAnyStatMax, kAnyStatMax, kAnyStatMax, kAnyStatMax, kAnyStatMax};
    std::array<int, 6> atLeast{};
    int type1Value = 0; // type + 1, 0 for "指定無し"
    int type2Value = 0;
    int abilityIndex = 0;
    int eggGroupValue = 0; // group + 1, 0 for "指定無し"
    int rule = 0;
    std::array<int, 4> moves{NO_MOVE, NO_MOVE, NO_MOVE, NO_MOVE};
    bool anyOf = true;
    bool byLevel = false, byEgg = false, byMachine = false, byTutor = false;
    bool inQX = false, inZV = false, inJYJY = false, inTK = false;
};
SearchCriteria criteriaFromChoices(const SearchChoices& choices);

// The result list's columns.
struct ResultColumn {
    const char* heading; // UTF-8, looked up with uiText("SearchColumn", heading) where it is shown
    int width;           // pixels
    bool centred;        // else left-aligned
};
inline constexpr int kResultColumnCount = 13;
inline constexpr int kNameColumn = 1;
inline constexpr std::array<ResultColumn, kResultColumnCount> kResultColumns{{
    {UI_TEXT_NOOP("SearchColumn", "番号"), 36, true},
    {UI_TEXT_NOOP("SearchColumn", "名前"), 90, false},
    {UI_TEXT_NOOP("SearchColumn", "タイプ１"), 60, true},
    {UI_TEXT_NOOP("SearchColumn", "タイプ２"), 60, true},
    {UI_TEXT_NOOP("SearchColumn", "とくせい１"), 90, true},
    {UI_TEXT_NOOP("SearchColumn", "とくせい２"), 90, true},
    {UI_TEXT_NOOP("SearchColumn", "ゆめとくせい"), 90, true},
    {UI_TEXT_NOOP("SearchColumn", "ＨＰ"), 36, true},
    {UI_TEXT_NOOP("SearchColumn", "こうげき"), 54, true},
    {UI_TEXT_NOOP("SearchColumn", "ぼうぎょ"), 54, true},
    {UI_TEXT_NOOP("SearchColumn", "とくこう"), 54, true},
    {UI_TEXT_NOOP("SearchColumn", "とくぼう"), 54, true},
    {UI_TEXT_NOOP("SearchColumn", "すばやさ"), 58, true},
}};

// The text of one cell of a species' row; empty for a column outside the list.
std::string resultCellText(int species, int column);

// The name of a species for a cell too narrow for its whole name: a form row
// ("デオキシス（アタック）") as the species' name with the first letter of its English form name
// ("デオキシスA"), the default form ("デオキシス（ノーマル）") as the name alone; other names whole.
std::string shortSpeciesName(int species);

// The sort key of a column that sorts by number (every column but the name).
int resultSortKey(int species, int column);

// Sorts the rows by a column, keeping the current order among equal keys. The name column compares
// the Shift-JIS bytes of the names, so it follows the kana order of the code table.
void sortResultRows(std::vector<int>& rows, int column, bool descending);

// The positions in `rows` (species in the order shown) of the species a typed name finds, found as
// the choosers find a species (any part of its Japanese or English name, in either kana, either
// width, any capitals), in list order; none for empty text.
std::vector<int> rowsFoundByName(const std::vector<int>& rows, std::string_view typed);

// Which of those to select first: the first whose Japanese or English name is the text ("ミュウ"
// selects ミュウ, not ミュウツー listed before it), else the first whose name begins with it, else
// the first; -1 when none.
int bestFoundRow(const std::vector<int>& rows, const std::vector<int>& found, std::string_view typed);

} // namespace rusrina
