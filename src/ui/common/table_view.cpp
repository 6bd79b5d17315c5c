#include "ui/common/table_view.h"

#include "ui/common/plain_text_delegate.h"

#include <QHeaderView>
#include <QTableView>

namespace rusrina {

QTableView* newRowTable(QWidget* parent, const QString& name, QAbstractItemModel* model) {
    auto* table = new QTableView(parent);
    table->setObjectName(name);
    table->setModel(model);
    table->setItemDelegate(new PlainTextDelegate(table));
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setShowGrid(false);
    table->setWordWrap(false);
    table->verticalHeader()->hide();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 4);
    table->horizontalHeader()->setHighlightSections(false);
    return table;
}

} // namespace rusrina
