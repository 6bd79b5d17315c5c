#include "data/moves.h"

#include "data/english_tables.h"
#include "data/raw_tables.h"

#include <array>

namespace rusrina {
namespace {

constexpr const char* kCategoryNames[] = {"物理", "特殊", "変化"};

constexpr const char* kTargetNames[] = {
    "自分", "通常",     "相手全員", "相手ランダム", "自分以外", "味方全員",     "味方選択",
    "不定", "全体の場", "自分の場", "相手の場",     "全員",     "味方ランダム",
};
constexpr int kTargetNameCount = sizeof(kTargetNames) / sizeof(kTargetNames[0]);
constexpr const char* kCategoryEnglishNames[] = {"Physical", "Special", "Status"};
constexpr const char* kTargetEnglishNames[kTargetNameCount] = {
    "User",   "Normal",      "All foes",     "Random foe",  "All others", "User's side", "Ally",
    "Varies", "Whole field", "User's field", "Foes' field", "Everyone",   "Random ally",
};

// A move index from a damaged box file must not read past the table: it gets a nameless row that
// does nothing.
constexpr MoveRecord kNoMoveRecord{"", 0, 0, 0, 0, kStatus, 0, 0};

// The move table with the English names, made once: callers hold the record by reference, and the
// damage engine reads it for every hit.
const std::array<MoveRecord, kMoveCount>& englishMoveTable() {
    static const std::array<MoveRecord, kMoveCount> table = [] {
        std::array<MoveRecord, kMoveCount> rows;
        for (int move = 0; move < kMoveCount; ++move) {
            rows[move] = generated::kMoveTable[move];
            rows[move].name = generated::kMoveEnglishNames[move];
        }
        return rows;
    }();
    return table;
}

} // namespace

bool isValidMove(int move) {
    return move >= 0 && move < kMoveCount;
}

const MoveRecord& moveRecord(int move) {
    if (!isValidMove(move))
        return kNoMoveRecord;
    return displaysEnglish() ? englishMoveTable()[move] : generated::kMoveTable[move];
}

const MoveRecord& moveRecord(MoveId move) {
    return moveRecord(static_cast<int>(move));
}

const char* moveJapaneseName(int move) {
    return isValidMove(move) ? generated::kMoveTable[move].name : "";
}

const char* moveCategoryName(int category) {
    if (category < 0 || category >= 3)
        return "";
    return displaysEnglish() ? kCategoryEnglishNames[category] : kCategoryNames[category];
}

const char* moveTargetName(int target) {
    // Code 13, carried by つぼをつく alone, has no caption.
    if (target < 0 || target >= kTargetNameCount)
        return "";
    return displaysEnglish() ? kTargetEnglishNames[target] : kTargetNames[target];
}

} // namespace rusrina
