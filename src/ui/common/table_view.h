#pragma once
// The look every list of rows shares (search results, a species' moves, the box): whole rows, one
// selected at a time, read-only, no grid, no row numbers, one line of text a row.

class QAbstractItemModel;
class QString;
class QTableView;
class QWidget;

namespace rusrina {

QTableView* newRowTable(QWidget* parent, const QString& name, QAbstractItemModel* model);

} // namespace rusrina
