#pragma once
// The species detail window: one species' data, its matchups and its full move list. The search
// window owns it and sends it the species the user clicked.

#include "app/tool_window.h"

namespace rusrina {

class DetailWindow : public ToolWindow {
    Q_OBJECT

public:
    explicit DetailWindow(SettingsFile& settings, QWidget* parent = nullptr);

    // Shows `species` (a species index) and brings the window forward, even when it was hidden.
    void showSpecies(int species);

    int currentSpecies() const { return m_species; }

private:
    int m_species = 0;
};

} // namespace rusrina
