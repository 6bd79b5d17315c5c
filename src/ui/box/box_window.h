#pragma once

#include "app/tool_window.h"

namespace rusrina {

class BoxWindow : public ToolWindow {
    Q_OBJECT

public:
    explicit BoxWindow(SettingsFile& settings, QWidget* parent = nullptr);
};

} // namespace rusrina
