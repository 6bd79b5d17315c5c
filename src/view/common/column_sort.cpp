#include "view/common/column_sort.h"

namespace rusrina {

bool ColumnSortState::click(int column) {
    if (column == m_lastColumn) {
        m_lastColumn = -1;
        return true;
    }
    m_lastColumn = column;
    return false;
}

} // namespace rusrina
