#pragma once
// The header-click rule of every sortable list: a click on the column clicked just before sorts
// descending and forgets that column, so a third click sorts ascending again; any other column
// sorts ascending.

namespace rusrina {

class ColumnSortState {
public:
    // Records a click on `column` and tells whether this sort is descending.
    bool click(int column);
    void reset() { m_lastColumn = -1; }

private:
    int m_lastColumn = -1;
};

} // namespace rusrina
