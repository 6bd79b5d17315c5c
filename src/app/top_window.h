#pragma once
// The launcher: four buttons that bring the three main tools forward or end the program. It owns
// the search, IV judge and box-and-damage windows (and the windows each brings up) from its
// opening to its close sequence.

#include <QDialog>

#include <memory>

class QAction;

namespace rusrina {

class SettingsFile;
class DetailWindow;
class SearchWindow;
class SearchWindows;
class IvJudgeWindow;
class BoxDocument;
class BoxWindow;
class BoxWindows;
class EntryEditWindow;
class MatrixWindow;
class ToolWindow;
enum class Tool;

class TopWindow : public QDialog {
    Q_OBJECT

public:
    // Places the window and creates the three tool windows, each shown or hidden as it was at the
    // last exit.
    explicit TopWindow(SettingsFile& settings, QWidget* parent = nullptr);
    // Runs the close sequence if nothing did yet, then saves the top window's own placement.
    ~TopWindow() override;

    // Each is null once the close sequence has run.
    SearchWindow* searchWindow() const;
    DetailWindow* detailWindow() const;
    IvJudgeWindow* ivJudgeWindow() const { return m_ivJudge.get(); }
    BoxWindow* boxWindow() const;
    BoxDocument* boxDocument() const;
    EntryEditWindow* editWindow() const;
    MatrixWindow* matrixWindow() const;
    bool minimisedTools() const { return m_minimisedTools; }

    // "図鑑を閉じる", the close button and Escape all end up here: the close sequence.
    void reject() override;

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void openTools();
    // Every tool window's "ツール" menu, the detail window's links to the IV judge and the edit
    // form, the box window's to the detail: the windows only ask, the launcher answers.
    void linkTools();
    void bringTool(Tool tool);
    void bringLauncher();
    void closeTools();
    void showAbout();
    static void bringForward(ToolWindow* window);

    SettingsFile& m_settings;
    std::unique_ptr<SearchWindows> m_search;
    std::unique_ptr<IvJudgeWindow> m_ivJudge;
    std::unique_ptr<BoxWindows> m_box;
    bool m_minimisedTools = false;
};

} // namespace rusrina
