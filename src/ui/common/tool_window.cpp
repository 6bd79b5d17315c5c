#include "ui/common/tool_window.h"

#include "settings/settings_file.h"
#include "ui/common/qt_text.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace rusrina {
namespace {

bool onSomeScreen(const QRect& rect) {
    const auto screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(),
                       [&](const QScreen* s) { return s->availableGeometry().intersects(rect); });
}

} // namespace

void restorePlacement(QWidget& window, const SettingsFile& settings, const QString& section) {
    const std::string s = fromQt(section);
    const int left = settings.readSetting(s, "left", 0);
    const int top = settings.readSetting(s, "top", 0);
    const int right = settings.readSetting(s, "right", 0);
    const int bottom = settings.readSetting(s, "bottom", 0);
    // Compared in 64 bits: hand-edited edges far apart must not overflow into a valid-looking size.
    if (static_cast<long long>(right) <= left || static_cast<long long>(bottom) <= top)
        return;
    if (static_cast<long long>(right) - left > QWIDGETSIZE_MAX ||
        static_cast<long long>(bottom) - top > QWIDGETSIZE_MAX)
        return;
    QRect rect(QPoint(left, top), QSize(right - left, bottom - top));
    // A window stored on a monitor that is gone would otherwise open where nobody can reach it.
    if (!onSomeScreen(rect)) {
        if (const QScreen* primary = QGuiApplication::primaryScreen())
            rect.moveTopLeft(primary->availableGeometry().topLeft());
    }
    window.setGeometry(rect);
}

void savePlacement(const QWidget& window, SettingsFile& settings, const QString& section) {
    QRect rect = window.normalGeometry();
    if (rect.isEmpty())
        rect = window.geometry();
    const std::string s = fromQt(section);
    // Windows-style edges: right and bottom are one past the last pixel.
    settings.writeSetting(s, "left", rect.left());
    settings.writeSetting(s, "top", rect.top());
    settings.writeSetting(s, "right", rect.left() + rect.width());
    settings.writeSetting(s, "bottom", rect.top() + rect.height());
}

ToolWindow::ToolWindow(SettingsFile& settings, const QString& section, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_settings(settings),
      m_section(section) {}

ToolWindow::~ToolWindow() {
    // A window that was never on screen has no place of its own (the window manager chooses one
    // when it first appears); writing its unplaced geometry would pin it to the screen corner, or
    // throw away the place the user left it at last time.
    if (m_shownOnce)
        savePlacement(*this, m_settings, m_section);
}

void ToolWindow::setVisible(bool visible) {
    if (visible && !m_placedFlag)
        return;
    QWidget::setVisible(visible);
    m_shownOnce = m_shownOnce || visible;
}

void ToolWindow::showTool(ShowCommand command) {
    if (!m_placedFlag) {
        restorePlacement(*this, m_settings, m_section);
        m_placedFlag = true;
    }
    switch (command) {
    case ShowCommand::Minimise:
        if (isVisible()) {
            m_hiddenByMinimise = true;
            hide();
        }
        for (ToolWindow* owned : m_ownedTools)
            owned->showTool(ShowCommand::Minimise);
        break;
    case ShowCommand::Restore:
        if (m_hiddenByMinimise) {
            m_hiddenByMinimise = false;
            show();
        }
        for (ToolWindow* owned : m_ownedTools)
            owned->showTool(ShowCommand::Restore);
        break;
    case ShowCommand::Show:
        show();
        break;
    case ShowCommand::Hide:
        hide();
        break;
    }
}

} // namespace rusrina
