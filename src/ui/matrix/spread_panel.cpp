#include "ui/matrix/spread_panel.h"

#include "box/box.h"
#include "calc/box_tools/spread_finder.h"
#include "calc/hp_marks.h"
#include "settings/settings_file.h"
#include "view/box/damage_view.h"
#include "view/edit/entry_edit.h"
#include "view/matrix/spread_view.h"
#include "view/sequence/sequence_view.h"

#include "ui/common/chooser.h"
#include "ui/common/dialogs.h"
#include "ui/common/qt_text.h"
#include "ui/common/table_view.h"
#include "ui/matrix/matrix_settings.h"
#include "ui/matrix/text_table_model.h"
#include "ui/session/battle_session.h"
#include "ui/session/box_document.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

namespace rusrina {
namespace {

QComboBox* chooser(QWidget* parent, const char* name, std::vector<ListChoice> choices, ChooserLook look = {}) {
    QComboBox* combo = newChooser(parent, QString::fromLatin1(name), look);
    fillChooser(*combo, std::move(choices));
    return combo;
}

QLabel* summaryLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(toQt(kNotAvailable), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QPushButton* button(QWidget* parent, const char* name, const char* caption) {
    auto* b = new QPushButton(QCoreApplication::translate("SpreadPanel", caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

SpreadPanel::SpreadPanel(BoxDocument& document, const BattleSession& battle, QWidget* parent)
    : QWidget(parent), m_document(document), m_battle(battle), m_defence(std::make_unique<DefenceSpreads>()),
      m_offence(std::make_unique<OffenceSpread>()), m_speed(std::make_unique<SpeedTuning>()) {
    setObjectName(QStringLiteral("spreadPanel"));
    auto* results = new QHBoxLayout;
    auto* right = new QVBoxLayout;
    right->addWidget(buildOffence(), 1);
    right->addWidget(buildSpeed(), 1);
    results->addWidget(buildDefence(), 3);
    results->addLayout(right, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildChoosers());
    layout->addWidget(buildFreeing());
    layout->addLayout(results, 1);
}

SpreadPanel::~SpreadPanel() = default;

QWidget* SpreadPanel::buildChoosers() {
    auto* row = new QWidget(this);
    m_move = chooser(row, "spreadMoveCombo", {}, {.minimumChars = 24});
    m_hits = chooser(row, "spreadHitsCombo", spreadHitChoices());
    m_certainty = chooser(row, "spreadCertaintyCombo", spreadCertaintyChoices());
    m_nature = chooser(row, "spreadNatureCombo", spreadNatureChoices());
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const std::pair<const char*, QComboBox*> labelled[] = {{QT_TRANSLATE_NOOP("SpreadPanel", "技"), m_move},
                                                           {QT_TRANSLATE_NOOP("SpreadPanel", "回数"), m_hits},
                                                           {QT_TRANSLATE_NOOP("SpreadPanel", "確実さ"), m_certainty},
                                                           {QT_TRANSLATE_NOOP("SpreadPanel", "性格"), m_nature}};
    for (const auto& [caption, combo] : labelled) {
        layout->addWidget(new QLabel(QCoreApplication::translate("SpreadPanel", caption), row));
        layout->addWidget(combo);
        layout->addSpacing(12);
        connect(combo, &QComboBox::currentIndexChanged, this, &SpreadPanel::refresh);
    }
    // An HP mark as a condition of the defence splits ("16n で" for たべのこし's full heal).
    m_hpMark = chooser(row, "spreadHpMarkCombo", hpMarkChoices());
    layout->addWidget(m_hpMark);
    connect(m_hpMark, &QComboBox::currentIndexChanged, this, &SpreadPanel::refresh);
    layout->addStretch();
    return row;
}

QWidget* SpreadPanel::buildFreeing() {
    auto* row = new QWidget(this);
    const auto check = [this, row](const char* name, const char* caption) {
        auto* box = new QCheckBox(QCoreApplication::translate("SpreadPanel", caption), row);
        box->setObjectName(QString::fromLatin1(name));
        connect(box, &QCheckBox::toggled, this, &SpreadPanel::refresh);
        return box;
    };
    m_freeOthers = check("spreadFreeOthersCheck", QT_TRANSLATE_NOOP("SpreadPanel", "ほかの努力値も振り直す"));
    m_freeOthers->setToolTip(QCoreApplication::translate(
        "SpreadPanel", "探す能力値のほかの努力値も 0 にして使います（チェックした能力値の努力値は残します）"));
    m_keepAttack = check("spreadKeepAttackCheck", QT_TRANSLATE_NOOP("SpreadPanel", "攻撃"));
    m_keepSpAttack = check("spreadKeepSpAttackCheck", QT_TRANSLATE_NOOP("SpreadPanel", "特攻"));
    m_keepSpeed = check("spreadKeepSpeedCheck", QT_TRANSLATE_NOOP("SpreadPanel", "素早さ"));
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_freeOthers);
    layout->addSpacing(12);
    layout->addWidget(new QLabel(QCoreApplication::translate("SpreadPanel", "残す努力値："), row));
    for (QCheckBox* keep : {m_keepAttack, m_keepSpAttack, m_keepSpeed}) {
        keep->setEnabled(false);
        connect(m_freeOthers, &QCheckBox::toggled, keep, &QCheckBox::setEnabled);
        layout->addWidget(keep);
    }
    layout->addStretch();
    return row;
}

QWidget* SpreadPanel::buildDefence() {
    auto* group = new QGroupBox(QCoreApplication::translate("SpreadPanel", "耐久：防御側の HP と防御・特防"), this);
    m_defenceSummary = summaryLabel(group, "defenceSummary");
    m_splitModel = new TextTableModel(this);
    m_splits = newRowTable(group, QStringLiteral("splitTable"), m_splitModel);
    m_splits->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_applySplit = button(group, "applySplitButton", QT_TRANSLATE_NOOP("SpreadPanel", "防御側に適用"));
    connect(m_applySplit, &QPushButton::clicked, this, &SpreadPanel::applySplit);
    connect(m_splits, &QTableView::doubleClicked, this, &SpreadPanel::applySplit);
    auto* layout = new QVBoxLayout(group);
    m_defenceAdvice = summaryLabel(group, "defenceAdvice");
    layout->addWidget(m_defenceSummary);
    layout->addWidget(m_defenceAdvice);
    layout->addWidget(m_splits, 1);
    layout->addWidget(m_applySplit, 0, Qt::AlignRight);
    return group;
}

QWidget* SpreadPanel::buildOffence() {
    auto* group = new QGroupBox(QCoreApplication::translate("SpreadPanel", "火力：攻撃側の攻撃・特攻"), this);
    m_offenceSummary = summaryLabel(group, "offenceSummary");
    m_applyOffence = button(group, "applyOffenceButton", QT_TRANSLATE_NOOP("SpreadPanel", "攻撃側に適用"));
    connect(m_applyOffence, &QPushButton::clicked, this, &SpreadPanel::applyOffence);
    auto* layout = new QVBoxLayout(group);
    m_offenceAdvice = summaryLabel(group, "offenceAdvice");
    layout->addWidget(m_offenceSummary);
    layout->addWidget(m_offenceAdvice);
    layout->addStretch();
    layout->addWidget(m_applyOffence, 0, Qt::AlignRight);
    return group;
}

QWidget* SpreadPanel::buildSpeed() {
    auto* group = new QGroupBox(QCoreApplication::translate("SpreadPanel", "素早さ調整"), this);
    m_speedSide = chooser(group, "speedSideCombo", speedSideChoices());
    m_speedTarget = chooser(group, "speedTargetCombo", speedTargetChoices());
    m_speedTarget->setToolTip(QCoreApplication::translate(
        "SpreadPanel", "相手の種族・レベルでの よく使われる素早さ（最遅はトリックルーム向け）"));
    for (QComboBox* combo : {m_speedSide, m_speedTarget})
        connect(combo, &QComboBox::currentIndexChanged, this, &SpreadPanel::refreshSpeed);
    m_speedSummary = summaryLabel(group, "speedSummary");
    m_speedAdvice = summaryLabel(group, "speedAdvice");
    m_applySpeed = button(group, "applySpeedButton", QT_TRANSLATE_NOOP("SpreadPanel", "調整した側に適用"));
    connect(m_applySpeed, &QPushButton::clicked, this, &SpreadPanel::applySpeed);
    auto* choosers = new QHBoxLayout;
    choosers->addWidget(m_speedSide);
    choosers->addWidget(new QLabel(QCoreApplication::translate("SpreadPanel", "相手"), group));
    choosers->addWidget(m_speedTarget);
    choosers->addStretch();
    auto* layout = new QVBoxLayout(group);
    layout->addLayout(choosers);
    layout->addWidget(m_speedSummary);
    layout->addWidget(m_speedAdvice);
    layout->addStretch();
    layout->addWidget(m_applySpeed, 0, Qt::AlignRight);
    return group;
}

void SpreadPanel::restoreChoices(const SettingsFile& settings) {
    restoreChooser(*m_hits, settings, kMatrixKeys.spreadHits);
    restoreChooser(*m_speedSide, settings, kMatrixKeys.speedSide);
    restoreChooser(*m_speedTarget, settings, kMatrixKeys.speedTarget);
    const QSignalBlocker quiet(m_freeOthers);
    const bool freeOthers = settings.read(kMatrixKeys.freeOthers) != 0;
    m_freeOthers->setChecked(freeOthers);
    for (QCheckBox* keep : {m_keepAttack, m_keepSpAttack, m_keepSpeed})
        keep->setEnabled(freeOthers);
}

void SpreadPanel::storeChoices(SettingsFile& settings) const {
    storeChooser(settings, kMatrixKeys.spreadHits, *m_hits);
    storeChooser(settings, kMatrixKeys.speedSide, *m_speedSide);
    storeChooser(settings, kMatrixKeys.speedTarget, *m_speedTarget);
    settings.write(kMatrixKeys.freeOthers, m_freeOthers->isChecked() ? 1 : 0);
}

// The six rows' names change with the attacker and the battle session's inputs; the chosen row stays.
void SpreadPanel::fillMoveChooser() {
    fillChooser(*m_move, spreadMoveChoices(m_battle.damageInputs()), std::max(0, m_move->currentIndex()));
}

void SpreadPanel::refresh() {
    fillMoveChooser();
    const DamageEngine& inputs = m_battle.damageInputs();
    SpreadQuery q = spreadQueryFor(inputs, m_battle.damageSettings(), chosenValue(*m_move, 0));
    q.hits = chosenValue(*m_hits, 1);
    q.percent = chosenValue(*m_certainty, kCertain);
    q.nature = static_cast<SpreadNature>(chosenValue(*m_nature, 0));
    q.freeOtherEvs = m_freeOthers->isChecked();
    q.keptEvs[kAttack] = m_keepAttack->isChecked();
    q.keptEvs[kSpAttack] = m_keepSpAttack->isChecked();
    q.keptEvs[kSpeed] = m_keepSpeed->isChecked();
    q.hpMark = chosenValue(*m_hpMark, -1);
    const bool sides = inputs.attacker && inputs.defender;
    *m_defence = sides ? findDefenceSpreads(q) : DefenceSpreads{};
    *m_offence = sides ? findOffenceSpread(q) : OffenceSpread{};

    // Each split with the HP marks it meets beside the finder's own columns.
    std::vector<std::vector<std::string>> rows;
    for (const DefenceSplit& split : m_defence->splits)
        if (m_defence->status == SpreadStatus::Found) {
            const auto texts = splitTexts(split);
            rows.emplace_back(texts.begin(), texts.end());
            rows.back().push_back(hpMarkNames(split.hp));
        }
    const auto headings = splitHeadings(m_defence->stat);
    std::vector<std::string> columns(headings.begin(), headings.end());
    columns.push_back(QCoreApplication::translate("SpreadPanel", "HP調整").toStdString());
    m_splitModel->setRows(columns, rows);
    if (!rows.empty())
        m_splits->selectRow(0);
    m_defenceSummary->setText(
        toQt(sides ? defenceSummaryText(*m_defence, q.hits, q.percent) : text::uiText("SpreadText", kChooseSidesText)));
    m_offenceSummary->setText(
        toQt(sides ? offenceSummaryText(*m_offence, q.hits, q.percent) : text::uiText("SpreadText", kChooseSidesText)));
    // Only an empty answer is explained; the line takes no room otherwise.
    const std::pair<QLabel*, std::string> advice[] = {{m_defenceAdvice, defenceAdviceText(q, *m_defence)},
                                                      {m_offenceAdvice, offenceAdviceText(q, *m_offence)}};
    for (const auto& [label, text] : advice) {
        label->setText(toQt(text));
        label->setVisible(!text.empty());
    }
    m_applySplit->setEnabled(!rows.empty());
    m_applyOffence->setEnabled(m_offence->status == SpreadStatus::Found);
    refreshSpeed();
}

// The speed tuning reads the panel's 性格 too, so it follows every refresh.
void SpreadPanel::refreshSpeed() {
    m_speedOfDefender = chosenValue(*m_speedSide, 0) == 1;
    // "ほかの努力値も振り直す" frees the EVs it frees for the finders, the kept ones excepted.
    std::array<bool, kStatCount> freed{};
    if (m_freeOthers->isChecked()) {
        freed.fill(true);
        freed[kAttack] = !m_keepAttack->isChecked();
        freed[kSpAttack] = !m_keepSpAttack->isChecked();
    }
    const SpeedTuningSearch search =
        speedTuningSearchFor(m_battle.damageInputs(), m_battle.damageSettings(), m_speedOfDefender,
                             static_cast<SpeedTarget>(chosenValue(*m_speedTarget, 0)),
                             static_cast<SpreadNature>(chosenValue(*m_nature, 0)), freed);
    *m_speed = runSpeedTuning(search);
    m_speedSummary->setText(toQt(speedTuningText(search, *m_speed)));
    const std::string advice = speedTuningAdviceText(search, *m_speed);
    m_speedAdvice->setText(toQt(advice));
    m_speedAdvice->setVisible(!advice.empty());
    m_applySpeed->setEnabled(m_speed->status == SpeedTuningStatus::Found);
}

void SpreadPanel::applySplit() {
    const QModelIndexList selected = m_splits->selectionModel()->selectedRows();
    const size_t row = selected.isEmpty() ? 0 : static_cast<size_t>(selected.constFirst().row());
    const int slot = m_document.defenderSlot();
    if (m_defence->status != SpreadStatus::Found || row >= m_defence->splits.size() || !m_document.box().inUse(slot))
        return;
    if (const std::optional<BoxEntry> entry =
            entryWithSplit(m_document.box().entry(slot), *m_defence, m_defence->splits[row]))
        confirmAndStore(slot, *entry, QCoreApplication::translate("SpreadPanel", "耐久の努力値"));
}

void SpreadPanel::applyOffence() {
    const int slot = m_document.attackerSlot();
    if (m_offence->status != SpreadStatus::Found || !m_document.box().inUse(slot))
        return;
    if (const std::optional<BoxEntry> entry = entryWithOffence(m_document.box().entry(slot), *m_offence))
        confirmAndStore(slot, *entry, QCoreApplication::translate("SpreadPanel", "火力の努力値"));
}

void SpreadPanel::applySpeed() {
    const int slot = m_speedOfDefender ? m_document.defenderSlot() : m_document.attackerSlot();
    if (m_speed->status != SpeedTuningStatus::Found || !m_document.box().inUse(slot))
        return;
    if (const std::optional<BoxEntry> entry = entryWithSpeedTuning(m_document.box().entry(slot), *m_speed))
        confirmAndStore(slot, *entry, QCoreApplication::translate("SpreadPanel", "素早さの努力値"));
}

// The edit form's confirmation of the stats it is about to store, then one step of the document's
// history, which "元に戻す" takes back.
bool SpreadPanel::confirmAndStore(int slot, const BoxEntry& entry, const QString& step) {
    std::array<int, 6> stats;
    std::copy(std::begin(entry.stat), std::end(entry.stat), stats.begin());
    if (!dialogs().question(this, toQt(text::uiText("EntryEdit", kConfirmTitle)), toQt(confirmationText(stats))))
        return false;
    return m_document.replaceEntry(slot, entry, step);
}

} // namespace rusrina
