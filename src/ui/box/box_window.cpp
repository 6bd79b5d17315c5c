#include "box/box.h"
#include "format/box_file.h"
#include "settings/settings_file.h"
#include "view/box/box_list.h"
#include "view/box/damage_view.h"
#include "view/common/status_texts.h"

#include "ui/box/box_window.h"

#include "format/set_text_import.h"
#include "ui/box/box_history.h"
#include "ui/box/box_list_model.h"
#include "ui/box/conditions_panel.h"
#include "ui/box/damage_rows.h"
#include "ui/box/entry_panel.h"
#include "ui/box/set_text_dialog.h"
#include "ui/common/dialogs.h"
#include "ui/common/product_title.h"
#include "ui/common/qt_text.h"
#include "ui/common/status_line.h"
#include "ui/common/table_view.h"
#include "ui/edit/entry_edit_window.h"
#include "ui/matrix/matrix_window.h"
#include "view/box/learnable_moves.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace rusrina {
namespace {

constexpr int kNameColumnWidth = 128;
constexpr int kSpeciesColumnWidth = 88;
constexpr int kListRows = 16; // rows visible without scrolling
const QString kBoxTitle = QStringLiteral("バントレボックス");
const QString kSaveAsCaption = QStringLiteral("名前を付けて保存");

QPushButton* listButton(QWidget* parent, QGridLayout* grid, const char* name, const char* caption, int row, int column,
                        int columnSpan = 1) {
    auto* button = new QPushButton(toQt(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    grid->addWidget(button, row, column, 1, columnSpan);
    return button;
}

constexpr const char* kSection = "Damage";
constexpr const char* kModeKey = "mode"; // the "計算方式" position

} // namespace

struct BoxWindow::Calculation {
    DamageEngine engine;
    DamageSettings settings;
    std::array<ExactRowResult, kDamageRowCount> rows;
};

BoxWindow::BoxWindow(SettingsFile& settings, QWidget* parent)
    : ToolWindow(settings, QString::fromLatin1(kSection), parent), m_box(std::make_unique<Box>()),
      m_boxFile(std::make_unique<BoxFile>(std::filesystem::absolute(kDefaultBoxFileName))),
      m_calculation(std::make_unique<Calculation>()) {
    setObjectName(QStringLiteral("boxWindow"));
    setWindowTitle(QString::asprintf("%s バントレボックス", ProductTitle));

    m_edit = std::make_unique<EntryEditWindow>(*m_box, settings);
    m_edit->setWindowTitle(QString::asprintf("%s バントレボックス　データ編集", ProductTitle));
    setOwnedTool(m_edit.get());
    connect(m_edit.get(), &EntryEditWindow::entryRegistered, this, &BoxWindow::onEntryRegistered);
    m_matrix = std::make_unique<MatrixWindow>(*this, settings);
    m_matrix->setWindowTitle(QString::asprintf("%s バントレボックス　一覧・努力値探索", ProductTitle));
    addOwnedTool(m_matrix.get());

    const LoadResult loaded = m_boxFile->load(*m_box);
    m_recoveryPath = recoveryPathFor(m_boxFile->path());
    m_model = new BoxListModel(*m_box, this);
    m_history = new BoxHistory(
        *m_box, [this](const BoxEdit& edit, bool undone, const QString& text) { showHistoryStep(edit, undone, text); },
        this);

    m_attackerPanel = new EntryPanel(QStringLiteral("攻撃側"), QStringLiteral("attacker"), this);
    m_defenderPanel = new EntryPanel(QStringLiteral("防御側"), QStringLiteral("defender"), this);
    m_rows = new DamageRows(this);
    connect(m_rows, &DamageRows::inputsChanged, this, &BoxWindow::recalculate);
    connect(m_rows, &DamageRows::copyRequested, this, &BoxWindow::copyRowLog);

    auto* panels = new QHBoxLayout;
    panels->addWidget(m_attackerPanel);
    panels->addWidget(m_defenderPanel);
    // The status line sits under the rows, where the right side has room to spare beside the list.
    m_status = new StatusLine(QStringLiteral("statusLine"), this);
    m_status->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred); // a long path never widens the window
    auto* right = new QVBoxLayout;
    right->addLayout(panels);
    m_conditions = new ConditionsPanel(settings.readSetting(kSection, kModeKey, 0), this);
    connect(m_conditions, &ConditionsPanel::conditionsChanged, this, &BoxWindow::recalculate);
    connect(m_conditions, &ConditionsPanel::learnableMovesChanged, this, [this] { setAttacker(m_attacker); });
    connect(m_conditions, &ConditionsPanel::matrixRequested, this, [this] {
        m_matrix->showTool(ShowCommand::Show);
        m_matrix->raise();
        m_matrix->activateWindow();
    });
    right->addWidget(m_conditions);
    right->addWidget(m_rows);
    right->addStretch();
    right->addWidget(m_status);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(buildListSide());
    layout->addLayout(right, 1);
    addShortcuts();

    selectRow(0);
    const std::string summary = loadSummaryText(loaded, m_boxFile->backupPath());
    if (!summary.empty())
        dialogs().message(this, QString(), toQt(summary));
    offerRecovery();
}

BoxWindow::~BoxWindow() {
    settings().writeSetting(kSection, kModeKey, m_conditions->storedMode());
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
    auto* attacker = listButton(side, buttons, "attackerButton", "→攻撃側", 0, 0);
    auto* defender = listButton(side, buttons, "defenderButton", "→防御側", 0, 1);
    auto* swap = listButton(side, buttons, "swapButton", "攻撃防御入替", 1, 0, 2);
    auto* add = listButton(side, buttons, "newButton", "新規追加", 2, 0);
    auto* edit = listButton(side, buttons, "editButton", "編集", 2, 1);
    auto* up = listButton(side, buttons, "upButton", "項目上移動", 3, 0);
    auto* down = listButton(side, buttons, "downButton", "項目下移動", 3, 1);
    auto* top = listButton(side, buttons, "topButton", "最上位移動", 4, 0);
    auto* bottom = listButton(side, buttons, "bottomButton", "最下位移動", 4, 1);
    auto* remove = listButton(side, buttons, "deleteButton", "削除", 5, 0);
    auto* save = listButton(side, buttons, "saveButton", "保存", 5, 1);
    auto* saveAs = listButton(side, buttons, "saveAsButton", "名前を付けて保存", 6, 0);
    auto* import = listButton(side, buttons, "importButton", "インポート", 6, 1);
    auto* hide = listButton(side, buttons, "hideButton", "閉じる", 8, 0, 2);

    connect(attacker, &QPushButton::clicked, this, [this] { setAttacker(selectedRow()); });
    connect(defender, &QPushButton::clicked, this, [this] { setDefender(selectedRow()); });
    connect(swap, &QPushButton::clicked, this, [this] {
        const int oldAttacker = m_attacker;
        setAttacker(m_defender);
        setDefender(oldAttacker);
    });
    connect(add, &QPushButton::clicked, this, &BoxWindow::openNew);
    connect(edit, &QPushButton::clicked, this, &BoxWindow::openSelected);
    const std::pair<QPushButton*, ListOperation> operations[] = {{up, ListOperation::MoveUp},
                                                                 {down, ListOperation::MoveDown},
                                                                 {top, ListOperation::MoveToTop},
                                                                 {bottom, ListOperation::MoveToBottom},
                                                                 {remove, ListOperation::Delete}};
    for (const auto& [button, operation] : operations)
        connect(button, &QPushButton::clicked, this,
                [this, operation, step = button->text()] { runListOperation(operation, step); });
    connect(save, &QPushButton::clicked, this, [this] { this->save(SaveCheck::DiskUnchanged); });
    connect(saveAs, &QPushButton::clicked, this, &BoxWindow::saveAs);
    connect(import, &QPushButton::clicked, this, &BoxWindow::importFile);
    connect(hide, &QPushButton::clicked, this, [this] { showTool(ShowCommand::Hide); });

    auto* layout = new QVBoxLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("登録データ"), side));
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    m_history->connectControls(*this, *m_list, *listButton(side, buttons, "undoButton", "元に戻す", 7, 0),
                               *listButton(side, buttons, "redoButton", "やり直す", 7, 1));
    layout->addWidget(buildTextButtons(side));
    return side;
}

void BoxWindow::addShortcuts() {
    auto* save = new QAction(QStringLiteral("保存"), this);
    save->setObjectName(QStringLiteral("saveAction"));
    save->setShortcut(QKeySequence::Save);
    connect(save, &QAction::triggered, this, [this] { this->save(SaveCheck::DiskUnchanged); });
    addAction(save);
}

QWidget* BoxWindow::buildTextButtons(QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* grid = new QGridLayout(row);
    grid->setContentsMargins(0, 0, 0, 0);
    auto* exportButton = listButton(row, grid, "textExportButton", "テキスト出力", 0, 0);
    auto* importButton = listButton(row, grid, "textImportButton", "テキスト入力", 0, 1);
    exportButton->setToolTip(QStringLiteral("選択中の項目をチーム用テキストでコピーします（Shift+クリックで全項目）"));
    // The same two choices from the button's context menu.
    exportButton->setContextMenuPolicy(Qt::ActionsContextMenu);
    const std::pair<const char*, bool> choices[] = {{"選択中の項目をコピー", false}, {"全項目をコピー", true}};
    for (const auto& [caption, all] : choices) {
        auto* action = new QAction(toQt(caption), exportButton);
        action->setObjectName(QString::fromLatin1(all ? "textExportAllAction" : "textExportSelectedAction"));
        exportButton->addAction(action);
        connect(action, &QAction::triggered, this, [this, all] { copyAsText(all); });
    }
    connect(exportButton, &QPushButton::clicked, this,
            [this] { copyAsText(QGuiApplication::keyboardModifiers().testFlag(Qt::ShiftModifier)); });
    connect(importButton, &QPushButton::clicked, this, &BoxWindow::openTextImport);
    return row;
}

const BoxEntry* BoxWindow::sideEntry(int slot) const {
    return m_box->inUse(slot) ? &m_box->entry(slot) : nullptr;
}

void BoxWindow::setAttacker(int slot) {
    m_attacker = m_box->inUse(slot) ? slot : -1;
    const BoxEntry* entry = sideEntry(m_attacker);
    m_attackerPanel->setTexts(entryPanelTexts(entry));
    if (entry)
        m_rows->setLearnableChoices(learnableMoveChoices(entry->species, m_conditions->learnFilter()));
    else
        m_rows->setLearnableChoices({{kNoMoveChoiceText, NO_MOVE}});
    recalculate();
}

void BoxWindow::setDefender(int slot) {
    m_defender = m_box->inUse(slot) ? slot : -1;
    m_defenderPanel->setTexts(entryPanelTexts(sideEntry(m_defender)));
    recalculate();
}

void BoxWindow::recalculate() {
    const BoxEntry* attacker = sideEntry(m_attacker);
    const BoxEntry* defender = sideEntry(m_defender);
    m_calculation->engine.attacker = attacker ? std::optional<BoxEntry>(*attacker) : std::nullopt;
    m_calculation->engine.defender = defender ? std::optional<BoxEntry>(*defender) : std::nullopt;
    m_calculation->engine.learnableMove = m_rows->learnableMove();
    m_calculation->engine.direct = m_rows->directMove();
    m_calculation->engine.conditions = m_conditions->conditions();
    m_calculation->settings = m_conditions->damageSettings();
    m_calculation->rows = computeRowsInMode(m_calculation->engine, m_calculation->settings);
    m_rows->setExactMode(isExact(m_calculation->settings.mode));
    m_rows->setTexts(damageRowTexts(m_calculation->engine, m_calculation->rows));
    Q_EMIT calculated();
}

const SlotResult& BoxWindow::result(int row) const {
    static const SlotResult none;
    return row >= 0 && row < kDamageRowCount ? m_calculation->rows[row].texts : none;
}

const DamageEngine& BoxWindow::damageInputs() const {
    return m_calculation->engine;
}

const DamageSettings& BoxWindow::damageSettings() const {
    return m_calculation->settings;
}

void BoxWindow::copyRowLog(int row) {
    if (row < 0 || row >= kDamageRowCount || m_calculation->rows[row].texts.log.empty())
        return;
    // CR LF line ends are kept: the log is pasted into Windows-style text as it is.
    const std::string log = m_calculation->rows[row].texts.log.text();
    QGuiApplication::clipboard()->setText(toQt(log));
    const std::string move = damageRowTexts(m_calculation->engine, m_calculation->rows)[row].name;
    m_status->showMessage(toQt(copiedText(damageRowName(row, move) + "の計算過程", log)));
}

void BoxWindow::copyAsText(bool all) {
    const int row = selectedRow();
    const SetTextLanguage language = m_textDialog ? m_textDialog->exportLanguage() : SetTextLanguage::English;
    std::span<const BoxEntry> entries(m_box->slots().data(), static_cast<std::size_t>(m_box->count()));
    if (!all && row >= 0)
        entries = entries.subspan(static_cast<std::size_t>(row), 1);
    if (entries.empty())
        return;
    const std::string text = writeSetTexts(entries, language);
    QGuiApplication::clipboard()->setText(toQt(text));
    m_status->showMessage(toQt(copiedText("チーム用テキスト " + std::to_string(entries.size()) + " 件", text)));
}

void BoxWindow::openTextImport() {
    if (!m_textDialog) {
        m_textDialog = new SetTextDialog(this);
        connect(m_textDialog, &SetTextDialog::addRequested, this, [this] {
            const std::vector<ParsedSet> sets = m_textDialog->sets();
            m_textDialog->hide();
            m_textDialog->clearText(); // added once, never twice by a second press
            appendTextSets(sets);
        });
    }
    m_textDialog->prefillFromClipboard();
    m_textDialog->show();
    m_textDialog->raise();
    m_textDialog->activateWindow();
}

void BoxWindow::appendTextSets(const std::vector<ParsedSet>& sets) {
    const auto before = std::make_unique<Box>(*m_box);
    const SetAppendResult result = appendSets(*m_box, sets);
    if (result.added > 0) {
        m_history->record(recordAppend(*before, *m_box), QStringLiteral("テキスト入力"));
        m_model->rowsAppended();
        selectRow(result.firstSlot);
    }
    dialogs().message(this, QString(), toQt(setAppendSummaryText(result)));
}

bool BoxWindow::replaceEntry(int slot, const BoxEntry& entry, const QString& step) {
    if (!m_box->inUse(slot))
        return false;
    StoreEdit stored = applyStore(*m_box, slot, entry);
    if (!stored.result.ok())
        return false;
    m_history->record(std::move(stored.edit), step);
    m_model->entryWritten(slot);
    // As after a step of the history: an edit form open on an existing entry was filled from the
    // box as it was, and closes; the sides stay and show the entry as it is now.
    BoxListState state = listState();
    state.editingExisting = false;
    showListState(state);
    m_status->showMessage(step + QStringLiteral("：") + toQt(entryNameUtf8(entry)));
    return true;
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

BoxListState BoxWindow::listState() const {
    return {selectedRow(), m_attacker, m_defender, m_editingExisting && m_edit->isVisible()};
}

void BoxWindow::showListState(const BoxListState& state) {
    if (!state.editingExisting && m_editingExisting && m_edit->isVisible())
        m_edit->showTool(ShowCommand::Hide);
    selectRow(state.selected);
    // The defender first, without a calculation: setting the attacker calculates once for both.
    m_defender = m_box->inUse(state.defender) ? state.defender : -1;
    m_defenderPanel->setTexts(entryPanelTexts(sideEntry(m_defender)));
    setAttacker(state.attacker);
}

void BoxWindow::runListOperation(ListOperation operation, const QString& step) {
    BoxListState state = listState();
    ListOperationResult result = applyListOperation(*m_box, operation, state);
    if (result.changed) {
        m_history->record(std::move(result.edit), step);
        if (operation == ListOperation::Delete)
            m_model->rowRemoved(result.firstRow);
        else
            m_model->rowsRewritten(result.firstRow, result.lastRow);
    }
    showListState(state);
}

void BoxWindow::openNew() {
    if (m_box->full()) {
        dialogs().message(this, QString(), toQt(kBoxFullText));
        return;
    }
    m_editingExisting = false;
    m_edit->openNew();
    m_edit->bringForward();
}

void BoxWindow::openSelected() {
    const int row = selectedRow();
    if (row < 0) {
        openNew();
        return;
    }
    m_editingExisting = true;
    m_edit->fillFromEntry(row);
    m_edit->bringForward();
}

void BoxWindow::onEntryRegistered(int slot) {
    if (!m_box->inUse(slot))
        return;
    std::optional<BoxEdit> edit = m_edit->takeLastEdit();
    if (edit && edit->slot == slot)
        m_history->record(std::move(edit), QStringLiteral("登録"));
    else
        markChanged(); // written without a record of what it replaced
    m_model->entryWritten(slot);
    showListState(stateAfterRegistration(listState(), slot));
}

void BoxWindow::showHistoryStep(const BoxEdit& edit, bool undone, const QString& text) {
    m_model->reload();
    showListState(stateAfterEditStep(listState(), edit, undone, *m_box));
    m_status->showMessage(toQt(historyStepText(undone, fromQt(text))));
}

bool BoxWindow::hasUnsavedChanges() const {
    return !m_history->isClean();
}

void BoxWindow::markChanged() {
    m_history->resetClean();
}

void BoxWindow::markSaved() {
    m_history->setClean();
    dropOwnRecovery();
    m_status->showMessage(toQt(savedText(m_boxFile->path().string())));
}

void BoxWindow::dropOwnRecovery() {
    if (!m_recoveryOwned)
        return;
    std::error_code ec;
    std::filesystem::remove(m_recoveryPath, ec);
    m_recoveryOwned = false;
}

bool BoxWindow::save(SaveCheck check) {
    if (m_boxFile->needsNewName())
        return saveAs(); // the file there could not be read, so it is not replaced
    const SaveResult result = m_boxFile->save(*m_box, check);
    if (result.ok) {
        markSaved();
        return true;
    }
    const QString why = toQt(result.message);
    switch (result.problem) {
    case SaveProblem::ChangedOnDisk:
        switch (dialogs().choose(this, kBoxTitle, why + QStringLiteral("\n上書きすると、その変更は失われます。"),
                                 {QStringLiteral("上書き保存"), kSaveAsCaption, QStringLiteral("キャンセル")})) {
        case 0:
            return save(SaveCheck::Overwrite);
        case 1:
            return saveAs();
        default:
            return false;
        }
    case SaveProblem::ReadOnly:
        return dialogs().question(this, kBoxTitle, why + QStringLiteral("\n名前を付けて保存しますか？")) && saveAs();
    default:
        dialogs().message(this, QString(), why);
        return false;
    }
}

bool BoxWindow::saveAs() {
    const QString fileName =
        dialogs().saveFileName(this, kSaveAsCaption, toQt(kBoxFileFilter), QString::fromLatin1(kImportDefaultSuffix));
    if (fileName.isEmpty())
        return false;
    const SaveResult result = m_boxFile->saveAs(*m_box, QFile::encodeName(fileName).toStdString());
    if (!result.ok) {
        dialogs().message(this, QString(), toQt(result.message));
        return false;
    }
    markSaved();
    return true;
}

bool BoxWindow::writeRecovery() {
    if (!hasUnsavedChanges())
        return true;
    const SaveResult result = writeRecoveryFile(*m_box, m_recoveryPath, std::filesystem::absolute(kDefaultBoxFileName));
    if (result.ok)
        m_recoveryOwned = true;
    return result.ok;
}

void BoxWindow::offerRecovery() {
    std::error_code ec;
    if (!std::filesystem::exists(std::filesystem::symlink_status(m_recoveryPath, ec)))
        return;
    const QString text = QStringLiteral("前回、保存しないまま終了したときのボックスの内容が残っています。\n") +
                         toQt(m_recoveryPath.string()) + QStringLiteral("\n復元しますか？");
    // Escape keeps the file for later: nothing is lost by a stray key.
    switch (dialogs().choose(this, kBoxTitle, text,
                             {QStringLiteral("復元する"), QStringLiteral("削除する"), QStringLiteral("残しておく")})) {
    case 0:
        restoreRecovery();
        break;
    case 1:
        std::filesystem::remove(m_recoveryPath, ec);
        break;
    default:
        break;
    }
}

void BoxWindow::restoreRecovery() {
    Box restored;
    const LoadResult loaded = BoxFile(m_recoveryPath).load(restored);
    if (loaded.status != LoadResult::Status::Loaded) {
        dialogs().message(this, QString(), toQt(loaded.message));
        return;
    }
    *m_box = restored;
    m_history->clear(); // its steps were made on the box just replaced
    m_model->reload();
    selectRow(0);
    m_recoveryOwned = true;
    markChanged(); // restored, not saved: the box file still holds the older box
}

void BoxWindow::importFile() {
    const QString fileName = dialogs().openFileName(this, QStringLiteral("インポート"), toQt(kBoxFileFilter),
                                                    QString::fromLatin1(kImportDefaultSuffix));
    if (fileName.isEmpty())
        return;
    const auto before = std::make_unique<Box>(*m_box);
    const ImportResult result = importBoxFile(*m_box, QFile::encodeName(fileName).toStdString());
    if (result.added > 0) {
        m_history->record(recordAppend(*before, *m_box), QStringLiteral("インポート"));
        m_model->rowsAppended();
    }
    dialogs().message(this, QString(), toQt(importSummaryText(result)));
}

bool BoxWindow::confirmClose(QWidget* dialogParent) {
    if (!hasUnsavedChanges())
        return true;
    switch (dialogs().questionWithCancel(dialogParent ? dialogParent : this, toQt(kUnsavedChangesTitle),
                                         toQt(kUnsavedChangesText))) {
    case Dialogs::Answer::Yes:
        return save(SaveCheck::DiskUnchanged);
    case Dialogs::Answer::No:
        dropOwnRecovery(); // the user chose to keep nothing of this session
        return true;
    case Dialogs::Answer::Cancel:
        break;
    }
    return false;
}

} // namespace rusrina
