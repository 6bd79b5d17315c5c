// box.h comes before any Qt header: its Box::slots() would otherwise meet Qt's `slots` macro.
#include "box/box.h"

#include "ui/edit/entry_edit_window.h"

#include "app/product_title.h"

namespace rusrina {

EntryEditWindow::EntryEditWindow(Box& box, SettingsFile& settings, QWidget* parent)
    : ToolWindow(settings, QStringLiteral("DataEdit"), parent), m_box(box) {
    setObjectName(QStringLiteral("entryEditWindow"));
    setWindowTitle(QString::asprintf("%s バントレボックス　データ編集", ProductTitle));
}

void EntryEditWindow::openNew() { m_slot = -1; }

void EntryEditWindow::fillFromEntry(int slot) { m_slot = m_box.inUse(slot) ? slot : -1; }

} // namespace rusrina
