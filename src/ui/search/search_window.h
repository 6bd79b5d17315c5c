#pragma once

#include "app/tool_window.h"

namespace rusrina {

class SearchWindow : public ToolWindow {
    Q_OBJECT

public:
    explicit SearchWindow(SettingsFile& settings, QWidget* parent = nullptr);
};

} // namespace rusrina
