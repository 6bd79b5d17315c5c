#include "ui/common/tool_window.h"

#include "settings/settings_file.h"
#include "ui/common/qt_text.h"

#include "view/common/window_fit.h"

#include <QAction>
#include <QBasicTimer>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QToolButton>
#include <QWindow>

#include <optional>

namespace rusrina {
namespace {

WindowRect toWindowRect(const QRect& rect) {
    return {rect.left(), rect.top(), rect.width(), rect.height()};
}

QRect toQRect(const WindowRect& rect) {
    return {rect.left, rect.top, rect.width, rect.height};
}

// The frame the window manager has drawn around the window; none before it has framed it (or
// when no window manager runs). A stored place is the user's own: it is kept as stored as long as
// the window lies on the screen, and only once the frame is known does it count too.
FrameMargins frameOf(const QWidget& window) {
    const QWindow* handle = window.windowHandle();
    const QMargins margins = handle ? handle->frameMargins() : QMargins();
    return {margins.left(), margins.top(), margins.right(), margins.bottom()};
}

bool isFramed(const QWidget& window) {
    const QWindow* handle = window.windowHandle();
    return handle && !handle->frameMargins().isNull();
}

// Waits for the window manager to frame a window placed before it was framed, and then moves the
// window as little as it takes for its title bar and borders to lie on the screen too. The frame
// may be known at the window's first Show or Move or only a moment later, with no event to say so,
// and the window manager may have moved the window meanwhile: the window is fitted from the place it
// was given, not from where it was found, so that it opens at the same place on every run. The
// first frame read can be a passing one (the window already inside the frame, the frame's final
// extents not yet announced), so for a short while after the fit a frame that changes is fitted to
// again, from the same place.
class FramedFit : public QObject {
public:
    FramedFit(QWidget& window, std::optional<QRect> given) : QObject(&window), m_window(window), m_given(given) {
        window.installEventFilter(this);
        if (window.isVisible())
            m_poll.start(kPollMs, this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (watched != &m_window || (type != QEvent::Move && type != QEvent::Show && type != QEvent::Resize))
            return false;
        // Polled only while the window is on the screen: a tool may stay hidden all session.
        if (type == QEvent::Show && !m_poll.isActive())
            m_poll.start(kPollMs, this);
        tryFit();
        return false;
    }

    void timerEvent(QTimerEvent*) override {
        // A window that stays unframed (no window manager) is left as it is. A busy machine may
        // take seconds to frame a window, so the wait is long; each poll costs next to nothing.
        if (m_fitted ? ++m_settlePolls > kSettlePolls : ++m_polls > kPollLimit)
            finish();
        else
            tryFit();
    }

private:
    static constexpr int kPollMs = 20;
    static constexpr int kPollLimit = 1500;  // 30 s
    static constexpr int kSettlePolls = 100; // 2 s with the same frame

    void tryFit() {
        if (!m_window.isVisible() || !isFramed(m_window))
            return;
        const QMargins frame = m_window.windowHandle()->frameMargins();
        // A maximised or full-screen window is the window manager's to place.
        if ((m_fitted && frame == m_frame) || (m_window.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
            return;
        m_fitted = true;
        m_frame = frame;
        m_settlePolls = 0;
        const QRect fitted = fittedOnScreen(m_window, m_given.value_or(m_window.geometry()));
        if (fitted != m_window.geometry())
            m_window.setGeometry(fitted);
    }

    void finish() {
        m_poll.stop();
        m_window.removeEventFilter(this);
        deleteLater();
    }

    QWidget& m_window;
    std::optional<QRect> m_given;
    QBasicTimer m_poll;
    int m_polls = 0;
    bool m_fitted = false;
    QMargins m_frame;
    int m_settlePolls = 0;
};

void fitWhenFramed(QWidget& window, std::optional<QRect> given = std::nullopt) {
    if (!isFramed(window))
        new FramedFit(window, given);
}

// The free area of the screen that holds the middle of `rect`, else of the one it overlaps most,
// else of the primary screen (a monitor that is gone).
QRect availableAreaFor(const QRect& rect) {
    QRect best;
    qint64 bestOverlap = 0;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->availableGeometry();
        if (area.contains(rect.center()))
            return area;
        const QRect overlap = area.intersected(rect);
        const qint64 size = qint64(overlap.width()) * overlap.height();
        if (!overlap.isEmpty() && size > bestOverlap) {
            bestOverlap = size;
            best = area;
        }
    }
    if (best.isEmpty()) {
        if (const QScreen* primary = QGuiApplication::primaryScreen())
            best = primary->availableGeometry();
    }
    return best;
}

} // namespace

QRect fittedOnScreen(const QWidget& window, const QRect& rect) {
    const QRect area = availableAreaFor(rect);
    if (area.isEmpty())
        return rect;
    const QSize least = window.minimumSize().expandedTo(window.minimumSizeHint());
    return toQRect(fitIntoArea(toWindowRect(rect), frameOf(window), toWindowRect(area), least.width(), least.height()));
}

bool restorePlacement(QWidget& window, const SettingsFile& settings, const QString& section) {
    const std::string s = fromQt(section);
    const PlacementKeys keys = placementKeys(s);
    const int left = settings.read(keys.left);
    const int top = settings.read(keys.top);
    const int right = settings.read(keys.right);
    const int bottom = settings.read(keys.bottom);
    // Compared in 64 bits: hand-edited edges far apart must not overflow into a valid-looking size.
    if (static_cast<long long>(right) <= left || static_cast<long long>(bottom) <= top)
        return false;
    if (static_cast<long long>(right) - left > QWIDGETSIZE_MAX ||
        static_cast<long long>(bottom) - top > QWIDGETSIZE_MAX)
        return false;
    // A place partly off the screen (another monitor, a smaller screen, one that is gone) is moved,
    // and if need be shrunk, to where the user can reach all of the window.
    const QRect fitted = fittedOnScreen(window, QRect(QPoint(left, top), QSize(right - left, bottom - top)));
    window.setGeometry(fitted);
    fitWhenFramed(window, fitted);
    return true;
}

void fitSizeOnScreen(QWidget& window) {
    const QRect fitted = fittedOnScreen(window, window.geometry());
    if (fitted.size() != window.size())
        window.resize(fitted.size());
    fitWhenFramed(window);
}

void savePlacement(const QWidget& window, SettingsFile& settings, const QString& section) {
    QRect rect = window.normalGeometry();
    if (rect.isEmpty())
        rect = window.geometry();
    const std::string s = fromQt(section);
    const PlacementKeys keys = placementKeys(s);
    // Windows-style edges: right and bottom are one past the last pixel.
    settings.write(keys.left, rect.left());
    settings.write(keys.top, rect.top());
    settings.write(keys.right, rect.left() + rect.width());
    settings.write(keys.bottom, rect.top() + rect.height());
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

void ToolWindow::setOpenedFrom(ToolWindow* owner) {
    m_openedFrom = owner;
    const Qt::WindowFlags hints = windowFlags() & ~Qt::WindowType_Mask;
    // New flags hide the window; one already shown (open at the last exit) stays shown.
    const bool shown = isVisible();
    setWindowFlags(hints | (owner ? Qt::Dialog : Qt::Window));
    if (shown)
        show();
}

void ToolWindow::setVisible(bool visible) {
    if (visible && !m_placedFlag)
        return;
    if (visible && m_openedFrom) {
        // Both need their native windows for the one to be marked as belonging to the other.
        winId();
        m_openedFrom->winId();
        windowHandle()->setTransientParent(m_openedFrom->windowHandle());
    }
    QWidget::setVisible(visible);
    m_shownOnce = m_shownOnce || visible;
}

void ToolWindow::showTool(ShowCommand command) {
    if (!m_placedFlag) {
        // Without a stored place the window manager chooses where the window goes; it only has to
        // be no larger than the screen.
        if (!restorePlacement(*this, m_settings, m_section))
            fitSizeOnScreen(*this);
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

void ToolWindow::bringForward() {
    showTool(ShowCommand::Show);
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
}

QWidget* ToolWindow::toolsButton() {
    if (m_toolsButton)
        return m_toolsButton;
    static constexpr struct {
        Tool tool;
        const char* caption;
        const char* name;
    } kTools[] = {
        {Tool::Launcher, QT_TRANSLATE_NOOP("ToolWindow", "ルセリナ（ランチャー）"), "toolLauncher"},
        {Tool::Search, QT_TRANSLATE_NOOP("ToolWindow", "バントレ絞込み検索"), "toolSearch"},
        {Tool::IvJudge, QT_TRANSLATE_NOOP("ToolWindow", "バントレ個体値Ｖ判定"), "toolIvJudge"},
        {Tool::Box, QT_TRANSLATE_NOOP("ToolWindow", "バントレボックス"), "toolBox"},
        {Tool::Matrix, QT_TRANSLATE_NOOP("ToolWindow", "一覧・努力値探索"), "toolMatrix"},
    };
    m_toolsButton = new QToolButton(this);
    m_toolsButton->setObjectName(QStringLiteral("toolsButton"));
    m_toolsButton->setText(QCoreApplication::translate("ToolWindow", "ツール(&T)"));
    m_toolsButton->setToolTip(
        QCoreApplication::translate("ToolWindow", "ほかのツールを前面に出します（Ctrl+1～Ctrl+5）"));
    m_toolsButton->setPopupMode(QToolButton::InstantPopup);
    m_toolsButton->setFocusPolicy(Qt::NoFocus);
    auto* menu = new QMenu(m_toolsButton);
    menu->setObjectName(QStringLiteral("toolsMenu"));
    int number = 1;
    for (const auto& entry : kTools) {
        QAction* action = menu->addAction(QCoreApplication::translate("ToolWindow", entry.caption));
        action->setObjectName(QString::fromLatin1(entry.name));
        // The shortcuts work anywhere in the window, the menu closed.
        action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_0 + number++)));
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
        connect(action, &QAction::triggered, this, [this, tool = entry.tool] { Q_EMIT toolRequested(tool); });
    }
    m_toolsButton->setMenu(menu);
    return m_toolsButton;
}

} // namespace rusrina
