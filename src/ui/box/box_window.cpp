#include "box/box.h"
#include "format/box_file.h"
#include "format/recovery_file.h"
#include "settings/battle_state_settings.h"
#include "settings/settings_file.h"
#include "view/box/box_list.h"
#include "view/box/damage_view.h"
#include "view/box/speed_order_line.h"
#include "view/common/status_texts.h"

#include "ui/box/box_window.h"

#include "ui/box/battle_state_panel.h"
#include "ui/box/box_list_model.h"
#include "ui/box/conditions_panel.h"
#include "ui/box/damage_rows.h"
#include "ui/box/duel_line.h"
#include "ui/box/entry_panel.h"
#include "ui/box/log_pane.h"
#include "ui/box/set_text_dialog.h"
#include "ui/common/dialogs.h"
#include "ui/common/product_title.h"
#include "ui/common/qt_text.h"
#include "ui/common/status_line.h"
#include "ui/common/table_view.h"
#include "ui/session/battle_session.h"
#include "ui/session/box_document.h"
#include "ui/session/box_history.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QCoreApplication>
#include <QFile>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace rusrina {
namespace {

constexpr int kNameColumnWidth = 128;
constexpr int kSpeciesColumnWidth = 88;
constexpr int kListRows = 16;                // rows visible without scrolling
constexpr int kDuelLogRow = kDamageRowCount; // the log pane follows the 対面 line's log, after the six rows'
QString boxTitle() {
    return QCoreApplication::translate("BoxWindow", "バントレボックス");
}
QString saveAsCaption() {
    return QCoreApplication::translate("BoxWindow", "名前を付けて保存");
}

QPushButton* listButton(QWidget* parent, QGridLayout* grid, const char* name, const char* caption, int row, int column,
                        int columnSpan = 1) {
    auto* button = new QPushButton(QCoreApplication::translate("BoxWindow", caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    grid->addWidget(button, row, column, 1, columnSpan);
    return button;
}

// Puts the document's history in the hands of the user: the two buttons (enabled while there is a
// step, the tooltip naming it), Ctrl+Z and Ctrl+Shift+Z (Ctrl+Y too) anywhere in `window`, and the
// same two in the context menu of `list`, each naming its step ("元に戻す 削除").
void connectHistory(BoxHistory& history, QWidget& window, QWidget& list, QPushButton& undo, QPushButton& redo) {
    const std::pair<QPushButton*, bool> buttons[] = {{&undo, true}, {&redo, false}};
    for (const auto& [button, back] : buttons) {
        const QString caption = button->text();
        button->setEnabled(false);
        QObject::connect(button, &QPushButton::clicked, &history, back ? &QUndoStack::undo : &QUndoStack::redo);
        QObject::connect(&history, back ? &QUndoStack::canUndoChanged : &QUndoStack::canRedoChanged, button,
                         &QPushButton::setEnabled);
        QObject::connect(
            &history, back ? &QUndoStack::undoTextChanged : &QUndoStack::redoTextChanged, button,
            [button, caption](const QString& step) {
                button->setToolTip(
                    step.isEmpty() ? QString() : QCoreApplication::translate("BoxWindow", "%1：%2").arg(caption, step));
            });
    }
    QAction* undoAction = history.createUndoAction(&window, undo.text());
    undoAction->setObjectName(QStringLiteral("undoAction"));
    undoAction->setShortcuts(QKeySequence::Undo);
    QAction* redoAction = history.createRedoAction(&window, redo.text());
    redoAction->setObjectName(QStringLiteral("redoAction"));
    redoAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    window.addActions({undoAction, redoAction});
    list.setContextMenuPolicy(Qt::ActionsContextMenu);
    list.addActions({undoAction, redoAction});
}

constexpr const char* kSection = "Damage";

// The keys that remember a side between runs: its slot, its name's check and its species.
struct SideKeys {
    SettingKey slot;
    SettingKey name;
    SettingKey species;
};

constexpr SideKeys sideKeys(const char* slot, const char* name, const char* species) {
    return {{kSection, slot, -1, -1, kBoxCapacity - 1},
            {kSection, name, 0, INT_MIN, INT_MAX},
            {kSection, species, 0, 0, kSpeciesCount - 1}};
}

// The box window's settings beyond its place (ToolWindow) and its battle state
// (battle_state_settings.h), each key once. None is the window's original layout, so none is
// written at its default.
constexpr struct {
    SettingKey mode = positionKey(kSection, "mode");        // the "計算方式" position
    SettingKey keepPair = checkKey(kSection, "keepPair");   // "並べ替えても攻撃側・防御側を保つ"
    SettingKey stateOpen = checkKey(kSection, "stateOpen"); // the battle-state panel unfolded
    SideKeys attacker = sideKeys("attackerSlot", "attackerName", "attackerSpecies");
    SideKeys defender = sideKeys("defenderSlot", "defenderName", "defenderSpecies");
} kKeys;

RememberedSide readSide(const SettingsFile& settings, const SideKeys& keys) {
    return {settings.read(keys.slot), settings.read(keys.name), settings.read(keys.species)};
}

void writeSide(SettingsFile& settings, const SideKeys& keys, const RememberedSide& side) {
    settings.write(keys.slot, side.slot);
    settings.write(keys.name, side.nameCheck);
    settings.write(keys.species, side.species);
}

} // namespace

BoxWindow::BoxWindow(BoxDocument& document, BattleSession& battle, SettingsFile& settings, QWidget* parent)
    : ToolWindow(settings, QString::fromLatin1(kSection), parent), m_document(document), m_battle(battle) {
    setObjectName(QStringLiteral("boxWindow"));
    setWindowTitle(QCoreApplication::translate("BoxWindow", "%1 バントレボックス").arg(productTitle()));

    m_model = new BoxListModel(m_document.box(), this);
    // The calculation side is made before the list, as Tab has always visited them.
    QLayout* calculation = buildCalculationSide();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(buildListSide());
    layout->addLayout(calculation, 1);
    addShortcuts();
    connectSession();
    startBattle();
}

QLayout* BoxWindow::buildCalculationSide() {
    auto* panels = buildPairPanels();
    m_rows = buildRows();
    // The status line sits under the rows, where the right side has room to spare beside the list.
    m_status = new StatusLine(QStringLiteral("statusLine"), this);
    m_status->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred); // a long path never widens the window
    auto* right = new QVBoxLayout;
    right->addLayout(panels);
    right->addWidget(buildConditionsPanel());
    right->addWidget(buildStatePanel());
    right->addWidget(m_rows);
    // The 対面 line shares the order line's row: the window grows no taller for it.
    auto* lines = new QHBoxLayout;
    lines->addWidget(buildOrderLine());
    m_duelLine = new DuelLine(this);
    connect(m_duelLine, &DuelLine::logRequested, this, &BoxWindow::copyDuelLog);
    lines->addWidget(m_duelLine, 1);
    right->addLayout(lines);
    right->addStretch();
    // The links share the foot's row: the window grows no taller for them.
    QLayout* foot = buildFoot();
    static_cast<QBoxLayout*>(foot)->addLayout(buildLinks());
    right->addLayout(foot);
    right->addWidget(m_logPane);
    return right;
}

QLayout* BoxWindow::buildPairPanels() {
    m_attackerPanel =
        new EntryPanel(QCoreApplication::translate("BoxWindow", "攻撃側"), QStringLiteral("attacker"), this);
    m_defenderPanel =
        new EntryPanel(QCoreApplication::translate("BoxWindow", "防御側"), QStringLiteral("defender"), this);
    auto* panels = new QHBoxLayout;
    panels->addWidget(m_attackerPanel);
    panels->addWidget(m_defenderPanel);
    return panels;
}

DamageRows* BoxWindow::buildRows() {
    auto* rows = new DamageRows(this);
    connect(rows, &DamageRows::learnableMoveChanged, this,
            [this] { m_battle.setLearnableMove(m_rows->learnableMove()); });
    connect(rows, &DamageRows::directMoveChanged, this, [this] { m_battle.setDirectMove(m_rows->directMove()); });
    connect(rows, &DamageRows::copyRequested, this, &BoxWindow::copyRowLog);
    return rows;
}

QWidget* BoxWindow::buildConditionsPanel() {
    m_conditions = new ConditionsPanel(settings().read(kKeys.mode), this);
    connect(m_conditions, &ConditionsPanel::conditionsChanged, this, &BoxWindow::pushConditions);
    // The weather gives ウェザーボール its type; the list starts again with it, as with the filter.
    connect(m_conditions, &ConditionsPanel::learnableMovesChanged, this, [this] {
        pushConditions();
        m_battle.setLearnFilter(m_conditions->learnFilter());
    });
    connect(m_conditions, &ConditionsPanel::matrixRequested, this, &BoxWindow::matrixRequested);
    connect(m_conditions, &ConditionsPanel::sequenceRequested, this, &BoxWindow::sequenceRequested);
    return m_conditions;
}

QWidget* BoxWindow::buildStatePanel() {
    // Only the exact modes read the battle state; the simple mode's window stays as it was.
    m_state = new BattleStatePanel(this);
    m_state->setVisible(false);
    m_state->setState(readBattleState(settings(), kSection));
    m_state->setOpen(settings().read(kKeys.stateOpen) != 0);
    connect(m_state, &BattleStatePanel::stateChanged, this, [this] { m_battle.setState(m_state->state()); });
    connect(m_state, &BattleStatePanel::openChanging, this, [this](bool open) {
        if (open)
            m_heightBeforeState = height();
    });
    connect(m_state, &BattleStatePanel::openChanged, this, &BoxWindow::fitStatePanel);
    return m_state;
}

QWidget* BoxWindow::buildOrderLine() {
    // Only the exact modes know who moves first; the simple mode's window stays as it was.
    m_orderLine = new QLabel(this);
    m_orderLine->setObjectName(QStringLiteral("orderLine"));
    m_orderLine->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred); // short: it leaves the rest to 対面
    m_orderLine->setVisible(false);
    return m_orderLine;
}

QLayout* BoxWindow::buildFoot() {
    // The check box sits at the foot, level with the list's last buttons, where the window has room.
    m_keepPair = new QCheckBox(QCoreApplication::translate("BoxWindow", "並べ替えても攻撃側・防御側を保つ"), this);
    m_keepPair->setObjectName(QStringLiteral("keepPairCheck"));
    m_keepPair->setToolTip(QCoreApplication::translate(
        "BoxWindow", "項目の移動や、ほかの項目の削除のあとも、攻撃側と防御側に同じ項目を残します"));
    connect(m_keepPair, &QCheckBox::toggled, this,
            [this](bool on) { m_document.setPairOnMove(on ? PairOnMove::Follow : PairOnMove::Clear); });
    m_keepPair->setChecked(settings().read(kKeys.keepPair) != 0);
    auto* foot = new QHBoxLayout;
    foot->addWidget(m_keepPair);
    foot->addWidget(m_status, 1);
    return foot;
}

QLayout* BoxWindow::buildLinks() {
    m_logPane = new LogPane(this);
    auto* toDex = new QPushButton(QCoreApplication::translate("BoxWindow", "図鑑で見る"), this);
    toDex->setObjectName(QStringLiteral("dexButton"));
    toDex->setAutoDefault(false);
    toDex->setToolTip(QCoreApplication::translate("BoxWindow", "選んだ項目のバントレを詳細ウィンドウで開きます"));
    connect(toDex, &QPushButton::clicked, this, [this] {
        if (const int row = selectedRow(); m_document.box().inUse(row))
            Q_EMIT speciesRequested(m_document.box().entry(row).species);
    });
    auto* links = new QHBoxLayout;
    links->addWidget(m_logPane->toggle());
    links->addWidget(toDex);
    links->addWidget(toolsButton());
    return links;
}

void BoxWindow::startBattle() {
    // The battle starts from the controls as they open (the stored mode among them), and with
    // the pair of the last run while its entries are still where they were.
    m_battle.setLearnFilter(m_conditions->learnFilter());
    m_battle.setState(m_state->state());
    pushConditions();
    restorePair();
    selectRow(0);
}

BoxWindow::~BoxWindow() {
    settings().write(kKeys.mode, m_conditions->storedMode());
    settings().write(kKeys.keepPair, m_keepPair->isChecked() ? 1 : 0);
    writeBattleState(settings(), kSection, m_battle.state());
    settings().write(kKeys.stateOpen, m_state->isOpen() ? 1 : 0);
    // The pair is kept for the next start only while the check box keeps it through the list's
    // changes; otherwise the next start begins without one, and nothing of it stays in the file.
    const bool keep = m_keepPair->isChecked();
    writeSide(settings(), kKeys.attacker,
              keep ? rememberSide(m_document.box(), m_document.attackerSlot()) : RememberedSide{});
    writeSide(settings(), kKeys.defender,
              keep ? rememberSide(m_document.box(), m_document.defenderSlot()) : RememberedSide{});
}

void BoxWindow::restorePair() {
    if (!m_keepPair->isChecked())
        return;
    const int attacker = recallSide(m_document.box(), readSide(settings(), kKeys.attacker));
    const int defender = recallSide(m_document.box(), readSide(settings(), kKeys.defender));
    if (defender >= 0)
        m_document.setDefender(defender);
    if (attacker >= 0)
        m_document.setAttacker(attacker);
}

void BoxWindow::connectSession() {
    connect(&m_document, &BoxDocument::boxChanged, this, &BoxWindow::showBoxChange);
    connect(&m_document, &BoxDocument::pairChanged, this, &BoxWindow::showPair);
    connect(&m_battle, &BattleSession::learnableChoicesChanged, this, &BoxWindow::showLearnableChoices);
    connect(&m_battle, &BattleSession::calculated, this, &BoxWindow::showRows);
    connect(&m_document, &BoxDocument::statusMessage, m_status, &StatusLine::showMessage);
}

QWidget* BoxWindow::buildListSide() {
    auto* side = new QWidget(this);
    m_list = newRowTable(side, QStringLiteral("boxList"), m_model);
    m_list->setTabKeyNavigation(false);
    m_list->horizontalHeader()->setSectionsMovable(false);
    m_list->horizontalHeader()->setStretchLastSection(true);
    m_list->setColumnWidth(0, kNameColumnWidth);
    m_list->setColumnWidth(1, kSpeciesColumnWidth);
    m_list->setMinimumWidth(kNameColumnWidth + kSpeciesColumnWidth + 2 * m_list->frameWidth() + 20);
    m_list->setMinimumHeight(kListRows * m_list->verticalHeader()->defaultSectionSize());
    connect(m_list, &QTableView::doubleClicked, this, [this](const QModelIndex&) { openSelected(); });

    auto* buttons = new QGridLayout;
    auto* attacker = listButton(side, buttons, "attackerButton", QT_TRANSLATE_NOOP("BoxWindow", "→攻撃側"), 0, 0);
    auto* defender = listButton(side, buttons, "defenderButton", QT_TRANSLATE_NOOP("BoxWindow", "→防御側"), 0, 1);
    auto* swap = listButton(side, buttons, "swapButton", QT_TRANSLATE_NOOP("BoxWindow", "攻撃防御入替"), 1, 0, 2);
    auto* add = listButton(side, buttons, "newButton", QT_TRANSLATE_NOOP("BoxWindow", "新規追加"), 2, 0);
    auto* edit = listButton(side, buttons, "editButton", QT_TRANSLATE_NOOP("BoxWindow", "編集"), 2, 1);
    auto* up = listButton(side, buttons, "upButton", QT_TRANSLATE_NOOP("BoxWindow", "項目上移動"), 3, 0);
    auto* down = listButton(side, buttons, "downButton", QT_TRANSLATE_NOOP("BoxWindow", "項目下移動"), 3, 1);
    auto* top = listButton(side, buttons, "topButton", QT_TRANSLATE_NOOP("BoxWindow", "最上位移動"), 4, 0);
    auto* bottom = listButton(side, buttons, "bottomButton", QT_TRANSLATE_NOOP("BoxWindow", "最下位移動"), 4, 1);
    auto* remove = listButton(side, buttons, "deleteButton", QT_TRANSLATE_NOOP("BoxWindow", "削除"), 5, 0);
    auto* save = listButton(side, buttons, "saveButton", QT_TRANSLATE_NOOP("BoxWindow", "保存"), 5, 1);
    auto* saveAs = listButton(side, buttons, "saveAsButton", QT_TRANSLATE_NOOP("BoxWindow", "名前を付けて保存"), 6, 0);
    auto* import = listButton(side, buttons, "importButton", QT_TRANSLATE_NOOP("BoxWindow", "インポート"), 6, 1);
    auto* hide = listButton(side, buttons, "hideButton", QT_TRANSLATE_NOOP("BoxWindow", "閉じる"), 8, 0, 2);

    connect(attacker, &QPushButton::clicked, this, [this] { m_document.setAttacker(selectedRow()); });
    connect(defender, &QPushButton::clicked, this, [this] { m_document.setDefender(selectedRow()); });
    connect(swap, &QPushButton::clicked, &m_document, &BoxDocument::swapSides);
    connect(add, &QPushButton::clicked, this, &BoxWindow::openNew);
    connect(edit, &QPushButton::clicked, this, &BoxWindow::openSelected);
    const std::pair<QPushButton*, ListOperation> operations[] = {{up, ListOperation::MoveUp},
                                                                 {down, ListOperation::MoveDown},
                                                                 {top, ListOperation::MoveToTop},
                                                                 {bottom, ListOperation::MoveToBottom},
                                                                 {remove, ListOperation::Delete}};
    for (const auto& [button, operation] : operations)
        connect(button, &QPushButton::clicked, this, [this, operation, step = button->text()] {
            m_document.runListOperation(operation, selectedRow(), step);
        });
    connect(save, &QPushButton::clicked, this, [this] { this->save(SaveCheck::DiskUnchanged); });
    connect(saveAs, &QPushButton::clicked, this, &BoxWindow::saveAs);
    connect(import, &QPushButton::clicked, this, &BoxWindow::importFile);
    connect(hide, &QPushButton::clicked, this, [this] { showTool(ShowCommand::Hide); });

    auto* layout = new QVBoxLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QCoreApplication::translate("BoxWindow", "登録データ"), side));
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    connectHistory(m_document.history(), *this, *m_list,
                   *listButton(side, buttons, "undoButton", QT_TRANSLATE_NOOP("BoxWindow", "元に戻す"), 7, 0),
                   *listButton(side, buttons, "redoButton", QT_TRANSLATE_NOOP("BoxWindow", "やり直す"), 7, 1));
    layout->addWidget(buildTextButtons(side));
    return side;
}

void BoxWindow::addShortcuts() {
    auto* save = new QAction(QCoreApplication::translate("BoxWindow", "保存"), this);
    save->setObjectName(QStringLiteral("saveAction"));
    save->setShortcut(QKeySequence::Save);
    connect(save, &QAction::triggered, this, [this] { this->save(SaveCheck::DiskUnchanged); });
    addAction(save);
}

QWidget* BoxWindow::buildTextButtons(QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* grid = new QGridLayout(row);
    grid->setContentsMargins(0, 0, 0, 0);
    auto* exportButton =
        listButton(row, grid, "textExportButton", QT_TRANSLATE_NOOP("BoxWindow", "テキスト出力"), 0, 0);
    auto* importButton =
        listButton(row, grid, "textImportButton", QT_TRANSLATE_NOOP("BoxWindow", "テキスト入力"), 0, 1);
    exportButton->setToolTip(QCoreApplication::translate(
        "BoxWindow", "選択中の項目をチーム用テキストでコピーします（Shift+クリックで全項目）"));
    // The same two choices from the button's context menu.
    exportButton->setContextMenuPolicy(Qt::ActionsContextMenu);
    const std::pair<const char*, bool> choices[] = {{QT_TRANSLATE_NOOP("BoxWindow", "選択中の項目をコピー"), false},
                                                    {QT_TRANSLATE_NOOP("BoxWindow", "全項目をコピー"), true}};
    for (const auto& [caption, all] : choices) {
        auto* action = new QAction(QCoreApplication::translate("BoxWindow", caption), exportButton);
        action->setObjectName(QString::fromLatin1(all ? "textExportAllAction" : "textExportSelectedAction"));
        exportButton->addAction(action);
        connect(action, &QAction::triggered, this, [this, all] { copyAsText(all); });
    }
    connect(exportButton, &QPushButton::clicked, this,
            [this] { copyAsText(QGuiApplication::keyboardModifiers().testFlag(Qt::ShiftModifier)); });
    connect(importButton, &QPushButton::clicked, this, &BoxWindow::openTextImport);
    return row;
}

// --- What the sessions show ----------------------------------------------------------------------

void BoxWindow::showBoxChange(const BoxChange& change) {
    switch (change.rows) {
    case BoxChange::Rows::Rewritten:
        m_model->rowsRewritten(change.first, change.last);
        break;
    case BoxChange::Rows::Removed:
        m_model->rowRemoved(change.first);
        break;
    case BoxChange::Rows::Appended:
        m_model->rowsAppended();
        break;
    case BoxChange::Rows::Reset:
        m_model->reload();
        break;
    }
    if (change.select)
        selectRow(*change.select);
}

void BoxWindow::showPair() {
    const Box& box = m_document.box();
    m_attackerPanel->setTexts(entryPanelTexts(m_document.attacker(), box.extra(m_document.attackerSlot())));
    m_defenderPanel->setTexts(entryPanelTexts(m_document.defender(), box.extra(m_document.defenderSlot())));
}

void BoxWindow::showLearnableChoices() {
    m_rows->setLearnableChoices(m_battle.learnableChoices());
}

void BoxWindow::showRows() {
    if (const bool exact = isExact(m_battle.damageSettings().mode); exact != m_rows->exactMode())
        showExactMode(exact);
    m_rows->setTexts(damageRowTexts(m_battle.damageInputs(), m_battle.rows()));
    if (m_rows->exactMode())
        m_rows->setPriorities(movePriorityTexts(m_battle.damageInputs(), generationOf(m_battle.damageSettings().mode)));
    const std::string order = speedOrderLine(speedOrderOf(m_battle.damageInputs(), m_battle.damageSettings()));
    m_orderLine->setText(QString::fromStdString(order));
    m_orderLine->setVisible(!order.empty());
    const DamageSettings& settings = m_battle.damageSettings();
    m_duelLine->showPair(m_battle.damageInputs().scenario(settings.mode, settings.critical));
    // The log shown follows its row's new result.
    if (const int row = m_logPane->row(); row == kDuelLogRow)
        m_logPane->showLog(row, m_duelLine->logText());
    else if (row >= 0)
        m_logPane->showLog(row, toQt(m_battle.result(row).log.text()));
}

// The HP-share column comes and goes with the mode. The window keeps its place and width: the
// column takes room the window has, or the window grows to the right, moved back only as far as
// the screen needs; it never narrows by itself.
void BoxWindow::showExactMode(bool exact) {
    const QRect before = geometry();
    m_rows->setExactMode(exact);
    m_state->setVisible(exact);
    if (!isVisible())
        return;
    layout()->activate();
    QRect wanted = before;
    wanted.setWidth(std::max(before.width(), minimumSizeHint().width()));
    const QRect placed = fittedOnScreen(*this, wanted);
    if (placed != geometry())
        setGeometry(placed);
}

void BoxWindow::fitStatePanel(bool open) {
    if (!isVisible())
        return;
    // The panel's new size reaches this window's layout through posted layout requests.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    layout()->activate();
    QRect wanted = geometry();
    wanted.setHeight(std::max(open ? wanted.height() : m_heightBeforeState, minimumSizeHint().height()));
    const QRect placed = fittedOnScreen(*this, wanted);
    if (placed != geometry())
        setGeometry(placed);
}

void BoxWindow::pushConditions() {
    m_battle.setConditions(m_conditions->conditions(), m_conditions->damageSettings());
}

void BoxWindow::copyRowLog(int row) {
    if (m_battle.result(row).log.empty())
        return;
    // CR LF line ends are kept: the log is pasted into Windows-style text as it is.
    const std::string log = m_battle.result(row).log.text();
    QGuiApplication::clipboard()->setText(toQt(log));
    m_logPane->showLog(row, toQt(log));
    const std::string move = damageRowTexts(m_battle.damageInputs(), m_battle.rows())[row].name;
    const QString what = QCoreApplication::translate("BoxWindow", "%1の計算過程").arg(toQt(damageRowName(row, move)));
    m_status->showMessage(toQt(copiedText(fromQt(what), log)));
}

void BoxWindow::copyDuelLog() {
    const QString log = m_duelLine->logText();
    if (log.isEmpty())
        return;
    QGuiApplication::clipboard()->setText(log);
    m_logPane->showLog(kDuelLogRow, log);
    const QString what = QCoreApplication::translate("BoxWindow", "対面の計算過程");
    m_status->showMessage(toQt(copiedText(what.toStdString(), log.toStdString())));
}

void BoxWindow::copyAsText(bool all) {
    const int row = selectedRow();
    const SetTextLanguage language = m_textDialog ? m_textDialog->exportLanguage() : SetTextLanguage::English;
    const Box& box = m_document.box();
    std::span<const BoxEntry> entries(box.slots().data(), static_cast<std::size_t>(box.count()));
    std::span<const EntryExtra> extras(box.extras().data(), entries.size());
    if (!all && row >= 0) {
        entries = entries.subspan(static_cast<std::size_t>(row), 1);
        extras = extras.subspan(static_cast<std::size_t>(row), 1);
    }
    if (entries.empty())
        return;
    const std::string text = writeSetTexts(entries, extras, language);
    QGuiApplication::clipboard()->setText(toQt(text));
    const QString what = QCoreApplication::translate("BoxWindow", "チーム用テキスト %1 件").arg(entries.size());
    m_status->showMessage(toQt(copiedText(fromQt(what), text)));
}

void BoxWindow::openTextImport() {
    if (!m_textDialog)
        m_textDialog = new SetTextDialog(m_document, this);
    m_textDialog->prefillFromClipboard();
    m_textDialog->show();
    m_textDialog->raise();
    m_textDialog->activateWindow();
}

int BoxWindow::selectedRow() const {
    const QModelIndexList rows = m_list->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.constFirst().row();
}

void BoxWindow::selectRow(int row) {
    if (row < 0 || row >= m_model->rowCount()) {
        m_list->clearSelection();
        return;
    }
    const QModelIndex index = m_model->index(row, 0);
    m_list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_list->scrollTo(index);
}

void BoxWindow::openNew() {
    if (m_document.box().full()) {
        dialogs().message(this, QString(), toQt(text::uiText("Box", kBoxFullText)));
        return;
    }
    Q_EMIT editRequested(-1);
}

void BoxWindow::openSelected() {
    const int row = selectedRow();
    if (row < 0)
        openNew();
    else
        Q_EMIT editRequested(row);
}

// --- Files ---------------------------------------------------------------------------------------

bool BoxWindow::save(SaveCheck check) {
    const SaveResult result = m_document.save(check);
    if (result.ok)
        return true;
    const QString why = toQt(result.message);
    switch (result.problem) {
    case SaveProblem::NeedsNewName:
        return saveAs(); // the file there could not be read, so it is not replaced
    case SaveProblem::ChangedOnDisk:
        switch (dialogs().choose(
            this, boxTitle(), why + QCoreApplication::translate("BoxWindow", "\n上書きすると、その変更は失われます。"),
            {QCoreApplication::translate("BoxWindow", "上書き保存"), saveAsCaption(),
             QCoreApplication::translate("BoxWindow", "キャンセル")},
            2)) {
        case 0:
            return save(SaveCheck::Overwrite);
        case 1:
            return saveAs();
        default:
            return false;
        }
    case SaveProblem::ReadOnly:
        return dialogs().question(this, boxTitle(),
                                  why + QCoreApplication::translate("BoxWindow", "\n名前を付けて保存しますか？")) &&
               saveAs();
    default:
        dialogs().message(this, QString(), why);
        return false;
    }
}

bool BoxWindow::saveAs() {
    const QString fileName =
        dialogs().saveFileName(this, saveAsCaption(), toQt(kBoxFileFilter), QString::fromLatin1(kImportDefaultSuffix));
    if (fileName.isEmpty())
        return false;
    const SaveResult result = m_document.saveAs(QFile::encodeName(fileName).toStdString());
    if (!result.ok)
        dialogs().message(this, QString(), toQt(result.message));
    return result.ok;
}

void BoxWindow::reportOpening(const LoadResult& loaded) {
    const std::string summary = loadSummaryText(loaded, m_document.file().backupPath());
    if (!summary.empty())
        dialogs().message(this, QString(), toQt(summary));
    offerRecovery();
}

// Each recovery, newest first, until one is restored; the others stay for the next start. Escape
// keeps a recovery for later at every question: nothing is lost by a stray key.
void BoxWindow::offerRecovery() {
    const std::vector<Recovery> found = m_document.recoveries();
    const int total = static_cast<int>(found.size());
    for (int i = 0; i < total; ++i) {
        const Recovery& recovery = found[static_cast<std::size_t>(i)];
        switch (dialogs().choose(this, boxTitle(), toQt(recoveryOfferText(recovery, i + 1, total)),
                                 {QCoreApplication::translate("BoxWindow", "復元する"),
                                  QCoreApplication::translate("BoxWindow", "削除する"),
                                  QCoreApplication::translate("BoxWindow", "残しておく")})) {
        case 0:
            if (restoreRecovery(recovery))
                return;
            break;
        case 1:
            m_document.deleteRecovery(recovery.path);
            break;
        default:
            break;
        }
    }
}

bool BoxWindow::restoreRecovery(const Recovery& recovery) {
    if (recovery.load.status != LoadResult::Status::Loaded) {
        dialogs().message(this, QString(), toQt(recovery.load.message));
        return false;
    }
    // An empty recovery never empties a box with entries unasked: not the one shown, nor its file.
    if (recovery.load.count == 0) {
        const int inFile = recovery.ownTarget ? entriesInFile(recovery.origin.boxFile) : 0;
        const int entriesNow = std::max(m_document.box().count(), inFile);
        if (entriesNow > 0 && dialogs().choose(this, boxTitle(), toQt(emptyRecoveryText(recovery, entriesNow)),
                                               {QCoreApplication::translate("BoxWindow", "空のボックスを復元する"),
                                                QCoreApplication::translate("BoxWindow", "残しておく")},
                                               1) != 0)
            return false;
    }
    BoxDocument::RestoreOver over = BoxDocument::RestoreOver::AsRecorded;
    QString newName;
    // Only a file the recovery may be saved to is asked about; any other is never written.
    if (recovery.ownTarget && recoveryOriginChanged(recovery.origin)) {
        switch (dialogs().choose(this, boxTitle(), toQt(recoveryOriginChangedText(recovery)),
                                 {QCoreApplication::translate("BoxWindow", "上書きする"), saveAsCaption(),
                                  QCoreApplication::translate("BoxWindow", "残しておく")},
                                 2)) {
        case 0:
            over = BoxDocument::RestoreOver::Overwrite;
            break;
        case 1:
            newName = dialogs().saveFileName(this, saveAsCaption(), toQt(kBoxFileFilter),
                                             QString::fromLatin1(kImportDefaultSuffix));
            if (newName.isEmpty())
                return false; // no name: the recovery stays for later
            over = BoxDocument::RestoreOver::NewName;
            break;
        default:
            return false;
        }
    }
    if (const LoadResult restored = m_document.restoreRecovery(recovery, over);
        restored.status != LoadResult::Status::Loaded) {
        dialogs().message(this, QString(), toQt(restored.message));
        return false;
    }
    if (!newName.isEmpty()) {
        // Saved at once; should that fail, the box stays restored and the next save asks for a name.
        if (const SaveResult saved = m_document.saveAs(QFile::encodeName(newName).toStdString()); !saved.ok)
            dialogs().message(this, QString(), toQt(saved.message));
    }
    return true;
}

void BoxWindow::importFile() {
    const QString fileName = dialogs().openFileName(this, QCoreApplication::translate("BoxWindow", "インポート"),
                                                    toQt(kBoxFileFilter), QString::fromLatin1(kImportDefaultSuffix));
    if (fileName.isEmpty())
        return;
    // What was added the status line says; only a file that could not be read asks for an OK.
    const ImportResult result = m_document.importFile(QFile::encodeName(fileName).toStdString());
    if (result.status == ImportResult::Status::OpenFailed)
        dialogs().message(this, QString(), toQt(importSummaryText(result)));
}

bool BoxWindow::confirmClose(QWidget* dialogParent) {
    if (!m_document.hasUnsavedChanges())
        return true;
    switch (dialogs().questionWithCancel(dialogParent ? dialogParent : this,
                                         toQt(text::uiText("BoxList", kUnsavedChangesTitle)),
                                         toQt(text::uiText("BoxList", kUnsavedChangesText)))) {
    case Dialogs::Answer::Yes:
        return save(SaveCheck::DiskUnchanged);
    case Dialogs::Answer::No:
        m_document.dropOwnRecovery(); // the user chose to keep nothing of this session
        return true;
    case Dialogs::Answer::Cancel:
        break;
    }
    return false;
}

} // namespace rusrina
