#pragma once
// The box entry edit window: fills in one creature for the box, either as a new entry or over an
// existing one, and tells its owner which slot it wrote.

#include "app/tool_window.h"

namespace rusrina {

class Box;

class EntryEditWindow : public ToolWindow {
    Q_OBJECT

public:
    EntryEditWindow(Box& box, SettingsFile& settings, QWidget* parent = nullptr);

    // Clears the form for a new entry.
    void openNew();
    // Loads the entry in `slot` into the form; registering then overwrites that slot.
    void fillFromEntry(int slot);

signals:
    // A slot of the box was written (added or overwritten).
    void entryRegistered(int slot);

private:
    Box& m_box;
    int m_slot = -1;
};

} // namespace rusrina
