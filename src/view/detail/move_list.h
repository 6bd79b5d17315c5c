#pragma once
// The move list of the species detail window: which moves a species learns, from which edition
// and by which method, filtered by method, edition, move type and category, or the differences
// between editions instead; with the texts and sort keys of its columns.

#include "view/detail/species_summary.h"

#include <string>
#include <vector>

namespace rusrina {

enum class DifferenceMode { None, QxZv, ZvJyjy, TkOlder };

struct MoveListOptions {
    bool byLevel = true, byMachine = true, byEgg = true, bySpecial = true;
    bool withPreEvolutions = true;
    bool inQX = true, inZV = true, inJYJY = true, inTK = true;
    DifferenceMode difference = DifferenceMode::None;
    int categoryPosition = 0; // 0: any; p: category p - 1
    int typePosition = 0;     // 0: any; else a type chooser position (type 9 is not offered)
};

// Sort-key bases: the method groups list in this order under the "習得方法" column.
inline constexpr int kLevelUpKeyBase = 0;
inline constexpr int kMachineKeyBase = 10000;
inline constexpr int kTutorKeyBase = 20000;
inline constexpr int kEggKeyBase = 30000;

struct MoveRow {
    int move;           // move index
    int sortKey;        // key base + move index
    std::string method; // the "習得方法" text, naming the species the row belongs to
    bool operator==(const MoveRow&) const = default;
};

inline constexpr int kMoveListColumns = 9;

// The move filter of the two choosers.
bool passesFilter(int move, int categoryPosition, int typePosition);

// The rows of one species. `base` is the species whose egg moves the difference views compare.
std::vector<MoveRow> buildMoveRows(int species, int base, const MoveListOptions& options);

// The whole list for the shown species: its rows, then those of preEvo1 and preEvo2 when the
// pre-evolutions are included.
std::vector<MoveRow> moveList(const DetailViewState& state, const MoveListOptions& options);

// The texts of column 0..8 of a row.
std::string moveRowText(const MoveRow& row, int column);

// The column's sort key of a row; column 8 (target) has none and gives 0 for every row.
int moveRowSortKey(const MoveRow& row, int column);

// Sorts by `column`, ascending or descending. Rows with equal keys keep their relative order.
void sortMoveRows(std::vector<MoveRow>& rows, int column, bool descending);

// The choosers' entries, position 0 first.
std::vector<std::string> categoryFilterEntries();
std::vector<std::string> typeFilterEntries();

} // namespace rusrina
