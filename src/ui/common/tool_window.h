#pragma once
// What every tool window (search, IV judge, box and damage, species detail, box entry edit) shares:
// it is created once and then only shown and hidden, it appears at the place it had at the last
// exit, and it hides with the top window when that is minimised.

#include <QRect>
#include <QString>
#include <QWidget>

#include <vector>

class QToolButton;

namespace rusrina {

class SettingsFile;

// Reads `left`, `top`, `right`, `bottom` of `section` (right and bottom exclusive) and makes that
// the window's normal rectangle: exactly as stored while it lies on the screen, else fitted on it
// (fittedOnScreen). Once the window manager has framed the window, it is moved once more if its
// frame lies off the screen. An empty or inverted rectangle leaves the window where it is, and the
// answer is false.
bool restorePlacement(QWidget& window, const SettingsFile& settings, const QString& section);

// `rect` for `window` moved, and shrunk where it is larger, into the free area of the screen it
// lies on most (the primary screen when it lies on none), with room for the window's frame once the
// window manager has drawn one; a rectangle already inside is returned as it is.
QRect fittedOnScreen(const QWidget& window, const QRect& rect);

// Shrinks a window larger than the free area of its screen; its place is left to the window manager
// (and corrected, as for a stored place, if its frame then lies off the screen).
void fitSizeOnScreen(QWidget& window);

// Writes the window's normal (not minimised) rectangle as `left`, `top`, `right`, `bottom`.
void savePlacement(const QWidget& window, SettingsFile& settings, const QString& section);

enum class ShowCommand { Hide, Show, Minimise, Restore };

// What the "ツール" menu of every tool window brings forward.
enum class Tool { Launcher, Search, IvJudge, Box, Matrix };

class ToolWindow : public QWidget {
    Q_OBJECT

public:
    // `section` names the window's settings section. The window starts hidden and refuses to
    // become visible until showTool has put it at its stored place.
    ToolWindow(SettingsFile& settings, const QString& section, QWidget* parent = nullptr);
    // Saves the placement (if the window was ever shown). Derived windows write their own keys
    // in their destructors, which run first.
    ~ToolWindow() override;

    // Places the window on its first call, whatever the command. Minimise hides a visible window
    // and remembers that; Restore shows it again only if Minimise hid it. Both are passed on to the
    // window this one owns. Show and Hide are applied directly.
    void showTool(ShowCommand command);

    // Shows the window (placing it first, as showTool does), un-minimises it, raises it above the
    // other windows and gives it the keyboard: what opening a tool from a button does.
    void bringForward();

    bool placedFlag() const { return m_placedFlag; }
    bool hiddenByMinimise() const { return m_hiddenByMinimise; }
    // Open for the user: visible, or hidden only because the launcher is minimised. This is what
    // the settings file keeps as the window's `show` key.
    bool isOpen() const { return isVisible() || m_hiddenByMinimise; }

    void setVisible(bool visible) override;

    // The windows that follow this one's minimise and restore (species detail for search; box entry
    // edit, and the matrix and spread finder, for box and damage), set by whoever made them all.
    // setOwnedTool replaces them all with one (or none); addOwnedTool adds one.
    void setOwnedTool(ToolWindow* owned) {
        m_ownedTools.clear();
        addOwnedTool(owned);
    }
    void addOwnedTool(ToolWindow* owned) {
        if (owned)
            m_ownedTools.push_back(owned);
    }

    // The window this one is opened from (the species detail from the search, the edit form from
    // the box): the window manager keeps this one above it, so that it never opens behind it. Such a
    // window is a dialog to the window manager, which marks only dialogs as belonging to another.
    void setOpenedFrom(ToolWindow* owner);

Q_SIGNALS:
    // The "ツール" menu (or its Ctrl+1 to Ctrl+5) asked for `tool`; whoever made the windows brings it forward.
    void toolRequested(Tool tool);

protected:
    SettingsFile& settings() const { return m_settings; }
    // The "ツール" button, made once; each window puts it where its layout leaves room.
    QWidget* toolsButton();

private:
    SettingsFile& m_settings;
    QString m_section;
    std::vector<ToolWindow*> m_ownedTools;
    ToolWindow* m_openedFrom = nullptr;
    QToolButton* m_toolsButton = nullptr;
    bool m_placedFlag = false;
    bool m_hiddenByMinimise = false;
    bool m_shownOnce = false;
};

} // namespace rusrina
