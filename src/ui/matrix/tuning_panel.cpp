#include "ui/matrix/tuning_panel.h"

#include "box/box.h"
#include "view/edit/entry_edit.h"
#include "view/matrix/spread_view.h"
#include "view/matrix/tuning_view.h"
#include "view/sequence/sequence_view.h"

#include "ui/common/chooser.h"
#include "ui/common/dialogs.h"
#include "ui/common/qt_text.h"
#include "ui/common/table_view.h"
#include "ui/matrix/text_table_model.h"
#include "ui/session/battle_session.h"
#include "ui/session/box_document.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace rusrina {
namespace {

constexpr std::chrono::milliseconds kSlice{30}; // the bulk search works this long, then lets the window answer

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

QLabel* line(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QComboBox* chooser(QWidget* parent, const char* name, std::vector<ListChoice> choices, ChooserLook look = {}) {
    QComboBox* combo = newChooser(parent, QString::fromLatin1(name), look);
    fillChooser(*combo, std::move(choices));
    return combo;
}

int selectedRow(const QTableView& table) {
    const QModelIndexList rows = table.selectionModel()->selectedRows();
    return rows.isEmpty() ? 0 : rows.constFirst().row();
}

} // namespace

TuningPanel::TuningPanel(BoxDocument& document, const BattleSession& battle, QWidget* parent)
    : QWidget(parent), m_document(document), m_battle(battle) {
    setObjectName(QStringLiteral("tuningPanel"));
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(buildBulk(), 1);
    layout->addWidget(buildPower(), 1);
    m_bulkTimer = new QTimer(this);
    m_bulkTimer->setSingleShot(true);
    connect(m_bulkTimer, &QTimer::timeout, this, &TuningPanel::continueBulkSearch);
    connect(&battle, &BattleSession::plannedStepsChanged, this, &TuningPanel::refresh);
}

TuningPanel::~TuningPanel() = default;

QWidget* TuningPanel::buildBulk() {
    auto* group =
        new QGroupBox(QCoreApplication::translate("TuningPanel", "耐久調整：連続攻撃を耐える HP・防御・特防"), this);
    m_bulkList = line(group, "tuningBulkList");
    m_bulkChance = chooser(group, "tuningBulkChance", bulkChanceChoices());
    m_bulkMark = chooser(group, "tuningBulkMark", hpMarkChoices());
    QPushButton* search = button(group, "tuningBulkSearch", QCoreApplication::translate("TuningPanel", "探す"));
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QCoreApplication::translate("TuningPanel", "耐える確率"), group));
    row->addWidget(m_bulkChance);
    row->addWidget(m_bulkMark);
    row->addWidget(search);
    row->addStretch();
    m_bulkLine = line(group, "tuningBulkLine");
    m_bulkModel = new TextTableModel(this);
    m_bulkTable = newRowTable(group, QStringLiteral("tuningBulkTable"), m_bulkModel);
    m_applyBulk = button(group, "tuningApplyBulk", QCoreApplication::translate("TuningPanel", "防御側に適用"));
    m_applyBulk->setEnabled(false);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(m_bulkList);
    layout->addLayout(row);
    layout->addWidget(m_bulkLine);
    layout->addWidget(m_bulkTable, 1);
    layout->addWidget(m_applyBulk, 0, Qt::AlignRight);
    connect(search, &QPushButton::clicked, this, &TuningPanel::startBulkSearch);
    connect(m_applyBulk, &QPushButton::clicked, this, &TuningPanel::applyBulk);
    return group;
}

QWidget* TuningPanel::buildPower() {
    auto* group =
        new QGroupBox(QCoreApplication::translate("TuningPanel", "火力調整：複数の相手を倒す攻撃・特攻"), this);
    m_move = chooser(group, "tuningPowerMove", {}, {.minimumChars = 20});
    m_hits = chooser(group, "tuningPowerHits", spreadHitChoices());
    m_certainty = chooser(group, "tuningPowerCertainty", spreadCertaintyChoices());
    m_nature = chooser(group, "tuningPowerNature", spreadNatureChoices());
    auto* choosers = new QHBoxLayout;
    for (QComboBox* combo : {m_move, m_hits, m_certainty, m_nature}) {
        choosers->addWidget(combo);
        connect(combo, &QComboBox::currentIndexChanged, this, &TuningPanel::refreshPower);
    }
    choosers->addStretch();
    QPushButton* add = button(group, "tuningPowerAdd", QCoreApplication::translate("TuningPanel", "今の防御側を追加"));
    QPushButton* remove = button(group, "tuningPowerRemove", QCoreApplication::translate("TuningPanel", "削除"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch();
    m_powerModel = new TextTableModel(this);
    m_powerTable = newRowTable(group, QStringLiteral("tuningPowerTable"), m_powerModel);
    m_powerLine = line(group, "tuningPowerLine");
    m_applyPower = button(group, "tuningApplyPower", QCoreApplication::translate("TuningPanel", "攻撃側に適用"));
    m_applyPower->setEnabled(false);
    auto* layout = new QVBoxLayout(group);
    layout->addLayout(choosers);
    layout->addLayout(buttons);
    layout->addWidget(m_powerTable, 1);
    layout->addWidget(m_powerLine);
    layout->addWidget(m_applyPower, 0, Qt::AlignRight);
    connect(add, &QPushButton::clicked, this, &TuningPanel::addPowerTarget);
    connect(remove, &QPushButton::clicked, this, [this] { removePowerTarget(selectedRow(*m_powerTable)); });
    connect(m_applyPower, &QPushButton::clicked, this, &TuningPanel::applyPower);
    return group;
}

void TuningPanel::refresh() {
    stopBulkSearch();
    m_bulkList->setText(toQt(bulkListText(m_battle.plannedSteps(), m_battle.damageInputs().defender.has_value())));
    fillChooser(*m_move, spreadMoveChoices(m_battle.damageInputs()), std::max(0, m_move->currentIndex()));
    refreshPower();
}

void TuningPanel::startBulkSearch() {
    stopBulkSearch();
    const DamageSettings& settings = m_battle.damageSettings();
    BulkQuery query;
    query.scenario = m_battle.damageInputs().scenario(settings.mode, settings.critical);
    query.steps = m_battle.plannedSteps();
    query.least = static_cast<double>(chosenValue(*m_bulkChance, kBulkChanceScale)) / kBulkChanceScale;
    query.hpMark = chosenValue(*m_bulkMark, -1);
    const Box& box = m_document.box();
    const std::vector<int> located = locateSteps(query.steps, {box.slots().begin(), box.slots().begin() + box.count()});
    if (std::any_of(located.begin(), located.end(), [](int slot) { return slot < 0; })) {
        m_bulkLine->setText(toQt(sequenceProblemText(query.steps, located, true, {})));
        return;
    }
    m_search = std::make_unique<BulkSearch>(query);
    m_bulk = {};
    m_bulkModel->setRows(std::vector<std::string>{}, std::vector<std::array<std::string, 0>>{});
    m_applyBulk->setEnabled(false);
    continueBulkSearch();
}

void TuningPanel::continueBulkSearch() {
    if (!m_search)
        return;
    if (m_search->stepFor(kSlice)) {
        m_bulkLine->setText(toQt(bulkProgressText(m_search->stepsDone(), m_search->stepCount())));
        m_bulkTimer->start(0);
        return;
    }
    m_bulk = m_search->result();
    m_search.reset();
    std::vector<std::array<std::string, kBulkColumnCount>> rows;
    for (const BulkSpread& s : m_bulk.spreads)
        rows.push_back(bulkTexts(s));
    const auto headings = bulkHeadings();
    m_bulkModel->setRows(std::vector<std::string>(headings.begin(), headings.end()), rows);
    if (!rows.empty())
        m_bulkTable->selectRow(0);
    m_bulkTable->resizeColumnsToContents();
    m_bulkLine->setText(toQt(bulkSummaryText(m_bulk)));
    m_applyBulk->setEnabled(!rows.empty());
}

void TuningPanel::stopBulkSearch() {
    if (!m_search)
        return;
    m_search.reset();
    m_bulkTimer->stop();
    m_bulkLine->setText(QCoreApplication::translate("TuningPanel", "条件が変わったので探索をやめました"));
}

bool TuningPanel::addPowerTarget() {
    const DamageSettings& settings = m_battle.damageSettings();
    const Scenario scenario = m_battle.damageInputs().scenario(settings.mode, settings.critical);
    if (!scenario.defender.entry || static_cast<int>(m_targets.size()) >= kMostPowerTargets)
        return false;
    m_targets.push_back(scenario.defender);
    refreshPower();
    m_powerTable->selectRow(static_cast<int>(m_targets.size()) - 1);
    return true;
}

void TuningPanel::removePowerTarget(int row) {
    if (row < 0 || row >= static_cast<int>(m_targets.size()))
        return;
    m_targets.erase(m_targets.begin() + row);
    refreshPower();
}

void TuningPanel::refreshPower() {
    const DamageEngine& inputs = m_battle.damageInputs();
    SpreadQuery q = spreadQueryFor(inputs, m_battle.damageSettings(), chosenValue(*m_move, 0));
    q.hits = chosenValue(*m_hits, 1);
    q.percent = chosenValue(*m_certainty, kCertain);
    q.nature = static_cast<SpreadNature>(chosenValue(*m_nature, 0));
    m_power = inputs.attacker ? findPowerAgainst(q, m_targets) : PowerTuning{};
    std::vector<std::array<std::string, kPowerColumnCount>> rows;
    for (size_t i = 0; i < m_power.each.size(); ++i)
        rows.push_back(powerTexts(m_targets[i], m_power.each[i]));
    const auto headings = powerHeadings(m_power.all.stat);
    m_powerModel->setRows(std::vector<std::string>(headings.begin(), headings.end()), rows);
    m_powerTable->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_powerLine->setText(inputs.attacker ? toQt(powerSummaryText(m_power, m_targets, q.hits, q.percent))
                                         : toQt(text::uiText("SpreadText", kChooseSidesText)));
    m_applyPower->setEnabled(m_power.hardest >= 0);
}

void TuningPanel::applyBulk() {
    const size_t row = static_cast<size_t>(selectedRow(*m_bulkTable));
    const int slot = m_document.defenderSlot();
    if (row >= m_bulk.spreads.size() || !m_document.box().inUse(slot))
        return;
    if (const std::optional<BoxEntry> entry = entryWithBulkSpread(m_document.box().entry(slot), m_bulk.spreads[row]))
        store(slot, *entry, QCoreApplication::translate("TuningPanel", "耐久の努力値"));
}

void TuningPanel::applyPower() {
    const int slot = m_document.attackerSlot();
    if (m_power.hardest < 0 || !m_document.box().inUse(slot))
        return;
    if (const std::optional<BoxEntry> entry = entryWithOffence(m_document.box().entry(slot), m_power.all))
        store(slot, *entry, QCoreApplication::translate("TuningPanel", "火力の努力値"));
}

// The edit form's confirmation of the stats, then one step of the document's history.
bool TuningPanel::store(int slot, const BoxEntry& entry, const QString& step) {
    std::array<int, 6> stats;
    std::copy(std::begin(entry.stat), std::end(entry.stat), stats.begin());
    if (!dialogs().question(this, toQt(text::uiText("EntryEdit", kConfirmTitle)), toQt(confirmationText(stats))))
        return false;
    return m_document.replaceEntry(slot, entry, step);
}

} // namespace rusrina
