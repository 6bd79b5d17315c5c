#include "app/top_window.h"

#include "app/about_box.h"
#include "app/box_windows.h"
#include "app/program_icon.h"
#include "app/search_windows.h"
#include "settings/settings_file.h"
#include "ui/box/box_window.h"
#include "ui/detail/detail_window.h"
#include "ui/edit/entry_edit_window.h"
#include "ui/ivjudge/iv_judge_window.h"
#include "ui/matrix/matrix_window.h"
#include "ui/search/search_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QWindowStateChangeEvent>

#include <algorithm>

namespace rusrina {
namespace {

const QString kSection = QStringLiteral("TopWindow");
// Which tool windows were open at the last exit. The launcher writes them as it closes; the
// matrix's is the program's own addition, there only while the matrix was left open.
constexpr SettingKey kSearchShown = shownKey("Search", Stored::Always);
constexpr SettingKey kIvJudgeShown = shownKey("ParaCheck", Stored::Always);
constexpr SettingKey kBoxShown = shownKey("Damage", Stored::Always);
constexpr SettingKey kMatrixShown = shownKey("Matrix", Stored::UnlessDefault);

QPushButton* addButton(QWidget* window, QGridLayout* grid, const char* name, const QString& caption, int row,
                       int column) {
    auto* button = new QPushButton(caption, window);
    button->setObjectName(QString::fromLatin1(name));
    // Enter must never press a button of the launcher.
    button->setAutoDefault(false);
    grid->addWidget(button, row, column);
    return button;
}

void showStored(ToolWindow& window, const SettingsFile& settings, const SettingKey& shown) {
    window.showTool(settings.read(shown) != 0 ? ShowCommand::Show : ShowCommand::Hide);
}

} // namespace

TopWindow::TopWindow(SettingsFile& settings, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_settings(settings) {
    setObjectName(QStringLiteral("topWindow"));
    setWindowTitle(QCoreApplication::translate("TopWindow", "ルセリナ"));
    setWindowIcon(programIcon());

    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize); // the launcher cannot be resized or maximised
    auto* search =
        addButton(this, grid, "searchButton", QCoreApplication::translate("TopWindow", "バントレ検索"), 0, 0);
    auto* box = addButton(this, grid, "boxButton", QCoreApplication::translate("TopWindow", "バントレボックス"), 0, 1);
    auto* ivJudge =
        addButton(this, grid, "ivJudgeButton", QCoreApplication::translate("TopWindow", "個体値V判定"), 1, 0);
    auto* close = addButton(this, grid, "closeButton", QCoreApplication::translate("TopWindow", "図鑑を閉じる"), 1, 1);
    connect(search, &QPushButton::clicked, this, [this] { bringForward(searchWindow()); });
    connect(box, &QPushButton::clicked, this, [this] { bringForward(boxWindow()); });
    connect(ivJudge, &QPushButton::clicked, this, [this] { bringForward(m_ivJudge.get()); });
    connect(close, &QPushButton::clicked, this, &TopWindow::reject);
    // Four buttons of one size, whatever their captions, so that the launcher is an even grid.
    int width = 0;
    for (auto* b : {search, box, ivJudge, close})
        width = std::max(width, b->sizeHint().width());
    for (auto* b : {search, box, ivJudge, close})
        b->setMinimumWidth(width);

    // On Linux the window manager owns the title-bar menu, so the About item lives in the
    // launcher's right-click menu.
    auto* about = new QAction(QCoreApplication::translate("TopWindow", "rusrina のﾊﾞｰｼﾞｮﾝ情報(&A)..."), this);
    about->setObjectName(QStringLiteral("aboutAction"));
    connect(about, &QAction::triggered, this, &TopWindow::showAbout);
    addAction(about);
    setContextMenuPolicy(Qt::ActionsContextMenu);

    restorePlacement(*this, m_settings, kSection);
    openTools();
    linkTools();
}

TopWindow::~TopWindow() {
    closeTools();
    savePlacement(*this, m_settings, kSection);
}

void TopWindow::openTools() {
    m_search = std::make_unique<SearchWindows>(m_settings);
    showStored(m_search->searchWindow(), m_settings, kSearchShown);
    m_ivJudge = std::make_unique<IvJudgeWindow>(m_settings);
    showStored(*m_ivJudge, m_settings, kIvJudgeShown);
    m_box = std::make_unique<BoxWindows>(m_settings);
    showStored(m_box->boxWindow(), m_settings, kBoxShown);
    showStored(m_box->matrixWindow(), m_settings, kMatrixShown);
}

void TopWindow::linkTools() {
    ToolWindow* const tools[] = {searchWindow(), detailWindow(), m_ivJudge.get(),
                                 boxWindow(),    editWindow(),   matrixWindow()};
    for (ToolWindow* tool : tools)
        connect(tool, &ToolWindow::toolRequested, this, &TopWindow::bringTool);
    connect(detailWindow(), &DetailWindow::ivJudgeRequested, this, [this](int species) {
        if (m_ivJudge)
            m_ivJudge->openOnSpecies(species);
    });
    connect(boxWindow(), &BoxWindow::speciesRequested, detailWindow(), &DetailWindow::showSpecies);
    connect(detailWindow(), &DetailWindow::newEntryRequested, this, [this](int species) {
        if (!m_box)
            return;
        // The form stays in front of the box window it belongs to: the box comes first.
        m_box->boxWindow().bringForward();
        m_box->editWindow().openNewOf(species);
    });
}

void TopWindow::bringTool(Tool tool) {
    switch (tool) {
    case Tool::Launcher:
        bringLauncher();
        break;
    case Tool::Search:
        bringForward(searchWindow());
        break;
    case Tool::IvJudge:
        bringForward(m_ivJudge.get());
        break;
    case Tool::Box:
        bringForward(boxWindow());
        break;
    case Tool::Matrix:
        bringForward(boxWindow());
        bringForward(matrixWindow());
        break;
    }
}

void TopWindow::bringLauncher() {
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

SearchWindow* TopWindow::searchWindow() const {
    return m_search ? &m_search->searchWindow() : nullptr;
}

DetailWindow* TopWindow::detailWindow() const {
    return m_search ? &m_search->detailWindow() : nullptr;
}

BoxWindow* TopWindow::boxWindow() const {
    return m_box ? &m_box->boxWindow() : nullptr;
}

BoxDocument* TopWindow::boxDocument() const {
    return m_box ? &m_box->document() : nullptr;
}

EntryEditWindow* TopWindow::editWindow() const {
    return m_box ? &m_box->editWindow() : nullptr;
}

MatrixWindow* TopWindow::matrixWindow() const {
    return m_box ? &m_box->matrixWindow() : nullptr;
}

void TopWindow::closeTools() {
    const auto closeOne = [this](auto& window, const ToolWindow* tool, const SettingKey& shown) {
        if (!window)
            return;
        m_settings.write(shown, tool->isOpen() ? 1 : 0);
        window.reset(); // the window writes its own keys as it goes
    };
    closeOne(m_search, searchWindow(), kSearchShown);
    closeOne(m_ivJudge, m_ivJudge.get(), kIvJudgeShown);
    if (m_box) // it closes with the box windows, and is remembered like the tools
        m_settings.write(kMatrixShown, m_box->matrixWindow().isOpen() ? 1 : 0);
    closeOne(m_box, boxWindow(), kBoxShown);
}

void TopWindow::reject() {
    // Entries registered since the last save exist only in memory: the box window may ask to keep
    // the program open.
    if (m_box && !m_box->boxWindow().confirmClose(this))
        return;
    closeTools();
    QDialog::reject();
}

void TopWindow::bringForward(ToolWindow* window) {
    if (window)
        window->bringForward();
}

void TopWindow::showAbout() {
    AboutBox box(m_settings, this);
    box.exec();
}

void TopWindow::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    const bool wasMinimised = static_cast<QWindowStateChangeEvent*>(event)->oldState() & Qt::WindowMinimized;
    const bool minimised = windowState() & Qt::WindowMinimized;
    ToolWindow* const tools[] = {m_ivJudge.get(), searchWindow(), boxWindow()};
    if (minimised && !wasMinimised) {
        m_minimisedTools = true;
        for (auto* tool : tools)
            if (tool)
                tool->showTool(ShowCommand::Minimise);
    } else if (!minimised && wasMinimised && m_minimisedTools) {
        m_minimisedTools = false;
        for (auto* tool : tools)
            if (tool)
                tool->showTool(ShowCommand::Restore);
    }
}

void TopWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace rusrina
