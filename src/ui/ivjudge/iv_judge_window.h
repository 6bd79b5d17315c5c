#pragma once

#include "app/tool_window.h"

namespace rusrina {

class IvJudgeWindow : public ToolWindow {
    Q_OBJECT

public:
    explicit IvJudgeWindow(SettingsFile& settings, QWidget* parent = nullptr);
};

} // namespace rusrina
