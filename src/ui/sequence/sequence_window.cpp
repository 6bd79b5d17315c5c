#include "ui/sequence/sequence_window.h"

#include "box/box.h"
#include "view/matrix/matrix_view.h"
#include "view/sequence/sequence_view.h"

#include "ui/common/chooser.h"
#include "ui/common/product_title.h"
#include "ui/common/qt_text.h"
#include "ui/session/battle_session.h"
#include "ui/session/box_document.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace rusrina {
namespace {

constexpr int kDefaultWidth = 760;
constexpr int kDefaultHeight = 720;
constexpr std::chrono::milliseconds kSlice{30}; // the bulk search works this long, then lets the window answer

std::vector<BoxEntry> entriesOf(const Box& box) {
    return {box.slots().begin(), box.slots().begin() + box.count()};
}

QPushButton* button(QWidget* parent, const char* text, const char* name) {
    auto* b = new QPushButton(QCoreApplication::translate("SequenceWindow", text), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

SequenceWindow::SequenceWindow(const BoxDocument& document, BattleSession& battle, SettingsFile& settings,
                               QWidget* parent)
    : ToolWindow(settings, QStringLiteral("Sequence"), parent), m_document(document), m_battle(battle) {
    setObjectName(QStringLiteral("sequenceWindow"));
    setWindowTitle(QCoreApplication::translate("SequenceWindow", "%1 バントレボックス　連続攻撃").arg(productTitle()));
    auto* layout = new QVBoxLayout(this);
    m_caption = new QLabel(this);
    m_caption->setObjectName(QStringLiteral("sequenceCaption"));
    layout->addWidget(m_caption);
    layout->addWidget(buildEditor());

    m_table = new QTableWidget(0, kSequenceColumnCount, this);
    m_table->setObjectName(QStringLiteral("sequenceTable"));
    QStringList headings;
    for (const std::string& h : sequenceHeadings())
        headings << toQt(h);
    m_table->setHorizontalHeaderLabels(headings);
    m_table->verticalHeader()->hide();
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->horizontalHeader()->setStretchLastSection(true);
    auto* listRow = new QHBoxLayout;
    listRow->addWidget(m_table, 1);
    auto* listButtons = new QVBoxLayout;
    QPushButton* up = button(this, QT_TRANSLATE_NOOP("SequenceWindow", "上へ"), "sequenceUp");
    QPushButton* down = button(this, QT_TRANSLATE_NOOP("SequenceWindow", "下へ"), "sequenceDown");
    QPushButton* remove = button(this, QT_TRANSLATE_NOOP("SequenceWindow", "削除"), "sequenceRemove");
    QPushButton* clear = button(this, QT_TRANSLATE_NOOP("SequenceWindow", "すべて削除"), "sequenceClear");
    for (QPushButton* b : {up, down, remove, clear})
        listButtons->addWidget(b);
    listButtons->addStretch();
    listRow->addLayout(listButtons);
    layout->addLayout(listRow, 2);

    m_chain = new QLabel(this);
    m_chain->setObjectName(QStringLiteral("sequenceChain"));
    m_chain->setWordWrap(true);
    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("sequenceProblem"));
    m_problem->setWordWrap(true);
    m_log = new QPlainTextEdit(this);
    m_log->setObjectName(QStringLiteral("sequenceLog"));
    m_log->setReadOnly(true);
    layout->addWidget(m_chain);
    layout->addWidget(m_problem);
    layout->addWidget(m_log, 3);
    layout->addWidget(buildBulkPane(), 3);
    resize(kDefaultWidth, kDefaultHeight);

    connect(up, &QPushButton::clicked, this, [this] { moveStep(selectedRow(), -1); });
    connect(down, &QPushButton::clicked, this, [this] { moveStep(selectedRow(), 1); });
    connect(remove, &QPushButton::clicked, this, [this] { removeStep(selectedRow()); });
    m_bulkTimer = new QTimer(this);
    m_bulkTimer->setSingleShot(true);
    connect(m_bulkTimer, &QTimer::timeout, this, &SequenceWindow::continueBulkSearch);
    connect(clear, &QPushButton::clicked, this, [this] {
        m_steps.clear();
        stepsChanged();
    });
    connect(&battle, &BattleSession::calculated, this, &SequenceWindow::refresh);
    connect(&document, &BoxDocument::boxChanged, this, [this] {
        fillAttackers();
        refresh();
    });
    fillAttackers();
}

SequenceWindow::~SequenceWindow() = default;

QWidget* SequenceWindow::buildBulkPane() {
    auto* group = new QGroupBox(
        QCoreApplication::translate("SequenceWindow", "耐久調整（この連続攻撃を耐える HP・防御・特防の努力値）"), this);
    group->setObjectName(QStringLiteral("bulkPane"));
    auto* layout = new QVBoxLayout(group);
    auto* row = new QHBoxLayout;
    m_bulkChance = newChooser(group, QStringLiteral("bulkChance"));
    fillChooser(*m_bulkChance, bulkChanceChoices());
    m_bulkMark = newChooser(group, QStringLiteral("bulkHpMark"));
    fillChooser(*m_bulkMark, hpMarkChoices());
    QPushButton* search = button(group, QT_TRANSLATE_NOOP("SequenceWindow", "探す"), "bulkSearch");
    row->addWidget(new QLabel(QCoreApplication::translate("SequenceWindow", "耐える確率"), group));
    row->addWidget(m_bulkChance);
    row->addWidget(m_bulkMark);
    row->addWidget(search);
    row->addStretch();
    layout->addLayout(row);
    m_bulkLine = new QLabel(group);
    m_bulkLine->setObjectName(QStringLiteral("bulkLine"));
    layout->addWidget(m_bulkLine);
    m_bulkTable = new QTableWidget(0, kBulkColumnCount, group);
    m_bulkTable->setObjectName(QStringLiteral("bulkTable"));
    QStringList headings;
    for (const std::string& h : bulkHeadings())
        headings << toQt(h);
    m_bulkTable->setHorizontalHeaderLabels(headings);
    m_bulkTable->verticalHeader()->hide();
    m_bulkTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_bulkTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    layout->addWidget(m_bulkTable);
    connect(search, &QPushButton::clicked, this, &SequenceWindow::startBulkSearch);
    return group;
}

Scenario SequenceWindow::currentScenario() const {
    const DamageSettings& settings = m_battle.damageSettings();
    return m_battle.damageInputs().scenario(settings.mode, settings.critical);
}

void SequenceWindow::startBulkSearch() {
    stopBulkSearch();
    BulkQuery query;
    query.scenario = currentScenario();
    const std::vector<int> located = locateSteps(m_steps, entriesOf(m_document.box()));
    if (std::any_of(located.begin(), located.end(), [](int slot) { return slot < 0; })) {
        m_bulkLine->setText(toQt(sequenceProblemText(m_steps, located, true, {})));
        return;
    }
    query.steps = m_steps;
    query.least = static_cast<double>(m_bulkChance->currentData().toInt()) / kBulkChanceScale;
    query.hpMark = m_bulkMark->currentData().toInt();
    m_search = std::make_unique<BulkSearch>(query);
    m_bulkTable->setRowCount(0);
    continueBulkSearch();
}

void SequenceWindow::continueBulkSearch() {
    if (!m_search)
        return;
    if (m_search->stepFor(kSlice)) {
        m_bulkLine->setText(toQt(bulkProgressText(m_search->stepsDone(), m_search->stepCount())));
        m_bulkTimer->start(0);
        return;
    }
    const BulkSpreads found = m_search->result();
    m_search.reset();
    showBulk(found);
}

void SequenceWindow::showBulk(const BulkSpreads& found) {
    m_bulkLine->setText(toQt(bulkSummaryText(found)));
    m_bulkTable->setRowCount(static_cast<int>(found.spreads.size()));
    for (int r = 0; r < static_cast<int>(found.spreads.size()); ++r) {
        const auto texts = bulkTexts(found.spreads[static_cast<size_t>(r)]);
        for (int c = 0; c < kBulkColumnCount; ++c)
            m_bulkTable->setItem(r, c, new QTableWidgetItem(toQt(texts[static_cast<size_t>(c)])));
    }
    m_bulkTable->resizeColumnsToContents();
}

void SequenceWindow::stopBulkSearch() {
    if (!m_search)
        return;
    m_search.reset();
    m_bulkTimer->stop();
    m_bulkLine->setText(QCoreApplication::translate("SequenceWindow", "条件が変わったので探索をやめました"));
}

QWidget* SequenceWindow::buildEditor() {
    auto* editor = new QWidget(this);
    auto* row = new QHBoxLayout(editor);
    row->setContentsMargins(0, 0, 0, 0);
    m_attacker = newChooser(editor, QStringLiteral("sequenceAttacker"), {.visibleItems = 20, .minimumChars = 24});
    m_move = newChooser(editor, QStringLiteral("sequenceMove"), {.minimumChars = 14});
    m_uses = new QSpinBox(editor);
    m_uses->setObjectName(QStringLiteral("sequenceUses"));
    m_uses->setRange(1, kMostPlannedUses);
    m_uses->setSuffix(QCoreApplication::translate("SequenceWindow", "回"));
    QPushButton* add = button(editor, QT_TRANSLATE_NOOP("SequenceWindow", "追加"), "sequenceAdd");
    row->addWidget(new QLabel(QCoreApplication::translate("SequenceWindow", "攻撃側"), editor));
    row->addWidget(m_attacker);
    row->addWidget(new QLabel(QCoreApplication::translate("SequenceWindow", "技"), editor));
    row->addWidget(m_move);
    row->addWidget(m_uses);
    row->addWidget(add);
    row->addStretch();
    connect(m_attacker, &QComboBox::currentIndexChanged, this, &SequenceWindow::fillMoves);
    connect(add, &QPushButton::clicked, this, [this] {
        if (m_attacker->currentIndex() >= 0 && m_move->currentIndex() >= 0)
            addStep(m_attacker->currentData().toInt(), m_move->currentData().toInt(), m_uses->value());
    });
    return editor;
}

void SequenceWindow::fillAttackers() {
    const int chosen = m_attacker->currentIndex() >= 0 ? m_attacker->currentData().toInt() : m_document.attackerSlot();
    const std::vector<BoxEntry> entries = entriesOf(m_document.box());
    fillChooser(*m_attacker, sequenceAttackerChoices(entries));
    selectValue(*m_attacker, std::max(chosen, 0));
    fillMoves();
}

void SequenceWindow::fillMoves() {
    const Box& box = m_document.box();
    const int slot = m_attacker->currentIndex() >= 0 ? m_attacker->currentData().toInt() : -1;
    fillChooser(*m_move, box.inUse(slot) ? sequenceMoveChoices(box.entry(slot)) : std::vector<ListChoice>{});
}

bool SequenceWindow::addStep(int slot, int moveSlot, int uses) {
    const Box& box = m_document.box();
    if (!box.inUse(slot) || moveSlot < 0 || moveSlot >= kMoveRowCount ||
        static_cast<int>(m_steps.size()) >= kMostPlannedSteps)
        return false;
    PlannedStep step;
    step.entry = box.entry(slot);
    step.extra = box.extra(slot);
    step.slot = slot;
    step.moveSlot = moveSlot;
    step.uses = std::clamp(uses, 1, kMostPlannedUses);
    m_steps.push_back(step);
    stepsChanged();
    m_table->selectRow(static_cast<int>(m_steps.size()) - 1);
    return true;
}

void SequenceWindow::removeStep(int row) {
    if (row < 0 || row >= static_cast<int>(m_steps.size()))
        return;
    m_steps.erase(m_steps.begin() + row);
    stepsChanged();
    if (!m_steps.empty())
        m_table->selectRow(std::min(row, static_cast<int>(m_steps.size()) - 1));
}

void SequenceWindow::moveStep(int row, int by) {
    const int to = row + by;
    if (row < 0 || to < 0 || row >= static_cast<int>(m_steps.size()) || to >= static_cast<int>(m_steps.size()))
        return;
    std::swap(m_steps[row], m_steps[to]);
    stepsChanged();
    m_table->selectRow(to);
}

void SequenceWindow::stepsChanged() {
    m_battle.setPlannedSteps(m_steps);
    refresh();
}

int SequenceWindow::selectedRow() const {
    const QModelIndexList rows = m_table->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.front().row();
}

void SequenceWindow::showEvent(QShowEvent* event) {
    ToolWindow::showEvent(event);
    if (m_stale)
        refresh();
}

void SequenceWindow::refresh() {
    if (!isVisible()) {
        m_stale = true;
        return;
    }
    m_stale = false;
    stopBulkSearch();
    const Box& box = m_document.box();
    const std::vector<BoxEntry> entries = entriesOf(box);
    // Steps follow their entries when the box was sorted; a deleted one stays and is named.
    const std::vector<int> located = locateSteps(m_steps, entries);
    for (size_t s = 0; s < m_steps.size(); ++s)
        if (located[s] >= 0)
            m_steps[s].slot = located[s];
    const DamageSettings& settings = m_battle.damageSettings();
    const Scenario scenario = currentScenario();
    const bool hasDefender = scenario.defender.entry.has_value();
    const BoxEntry* defender = box.inUse(m_document.defenderSlot()) ? &box.entry(m_document.defenderSlot()) : nullptr;
    m_caption->setText(toQt(matrixCaptionText(defender, MatrixSide::BoxAgainstDefender, settings.mode)));

    const bool allFound = std::all_of(located.begin(), located.end(), [](int slot) { return slot >= 0; });
    SequenceResult result;
    if (allFound && hasDefender && !m_steps.empty())
        result = computePlannedSequence(scenario, m_steps);
    const auto rows = sequenceRows(m_steps, result);
    m_table->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        for (int c = 0; c < kSequenceColumnCount; ++c) {
            const QString text = toQt(rows[r][c]);
            auto* item = new QTableWidgetItem(
                c == 1 && located[r] < 0
                    ? QCoreApplication::translate("SequenceWindow", "%1（ボックスにありません）").arg(text)
                    : text);
            m_table->setItem(r, c, item);
        }
    m_table->resizeColumnsToContents();
    m_chain->setText(toQt(plannedChainText(m_steps)));
    const std::string problem = sequenceProblemText(m_steps, located, hasDefender, result);
    m_problem->setText(toQt(problem));
    m_problem->setVisible(!problem.empty());
    m_log->setPlainText(toQt(sequenceLogText(m_steps, result)).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

} // namespace rusrina
