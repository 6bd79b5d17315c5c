#include "view/box_list.h"

#include <algorithm>
#include <vector>

namespace rusrina {
namespace {

ListOperationResult moved(int from, int to) {
    return {true, std::min(from, to), std::max(from, to), to};
}

ListOperationResult unchanged(int selectedRow) {
    return {false, -1, -1, selectedRow};
}

} // namespace

ListOperationResult applyListOperation(Box& box, ListOperation operation, int selectedRow) {
    if (!box.inUse(selectedRow))
        return unchanged(-1);
    const int last = box.count() - 1;
    switch (operation) {
    case ListOperation::MoveUp:
        return box.moveUp(selectedRow) ? moved(selectedRow, selectedRow - 1) : unchanged(selectedRow);
    case ListOperation::MoveDown:
        return box.moveDown(selectedRow) ? moved(selectedRow, selectedRow + 1) : unchanged(selectedRow);
    case ListOperation::MoveToTop:
        return box.moveToTop(selectedRow) ? moved(selectedRow, 0) : unchanged(selectedRow);
    case ListOperation::MoveToBottom:
        return box.moveToBottom(selectedRow) ? moved(selectedRow, last) : unchanged(selectedRow);
    case ListOperation::Delete:
        if (!box.deleteEntry(selectedRow))
            return unchanged(selectedRow);
        return {true, selectedRow, selectedRow, box.inUse(selectedRow) ? selectedRow : -1};
    }
    return unchanged(selectedRow);
}

std::string qtFileFilter(std::string_view barSeparated) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    while (start <= barSeparated.size()) {
        const size_t bar = barSeparated.find('|', start);
        const size_t end = bar == std::string_view::npos ? barSeparated.size() : bar;
        parts.push_back(barSeparated.substr(start, end - start));
        start = end + 1;
    }
    std::string result;
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
        std::string_view name = parts[i];
        if (name.empty())
            break; // the closing "||"
        if (const size_t open = name.rfind(" ("); open != std::string_view::npos && name.back() == ')')
            name = name.substr(0, open);
        std::string patterns(parts[i + 1]);
        std::replace(patterns.begin(), patterns.end(), ';', ' ');
        if (patterns == "*.*")
            patterns = "*";
        if (!result.empty())
            result += ";;";
        result.append(name).append(" (").append(patterns).append(")");
    }
    return result;
}

} // namespace rusrina
