#include "data/moves.h"

#include "data/raw_tables.h"

namespace rusrina {
namespace {

constexpr const char* kCategoryNames[] = {"物理", "特殊", "変化"};

constexpr const char* kTargetNames[] = {
    "自分", "通常",     "相手全員", "相手ランダム", "自分以外", "味方全員",     "味方選択",
    "不定", "全体の場", "自分の場", "相手の場",     "全員",     "味方ランダム",
};
constexpr int kTargetNameCount = sizeof(kTargetNames) / sizeof(kTargetNames[0]);

// A move index from a damaged box file must not read past the table: it gets a nameless row that
// does nothing.
constexpr MoveRecord kNoMoveRecord{"", 0, 0, 0, 0, kStatus, 0, 0};

} // namespace

bool isValidMove(int move) {
    return move >= 0 && move < kMoveCount;
}

const MoveRecord& moveRecord(int move) {
    return isValidMove(move) ? generated::kMoveTable[move] : kNoMoveRecord;
}

const MoveRecord& moveRecord(MoveId move) {
    return moveRecord(static_cast<int>(move));
}

const char* moveCategoryName(int category) {
    return category >= 0 && category < 3 ? kCategoryNames[category] : "";
}

const char* moveTargetName(int target) {
    // Code 13, carried by つぼをつく alone, has no caption.
    return target >= 0 && target < kTargetNameCount ? kTargetNames[target] : "";
}

} // namespace rusrina
