#include "ui/box/battle_state_panel.h"

#include "view/box/battle_state_text.h"

#include "ui/common/chooser.h"
#include "ui/common/number_input.h"
#include "ui/common/qt_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace rusrina {
namespace {

constexpr int kMostHpValue = 999; // above any creature's HP
constexpr int kSummaryChars = 40;

QCheckBox* check(QWidget* parent, const QString& name, const char* caption) {
    auto* box = new QCheckBox(QCoreApplication::translate("BattleStatePanel", caption), parent);
    box->setObjectName(name);
    return box;
}

QSpinBox* spin(QWidget* parent, const QString& name, int low, int high, int value) {
    auto* box = new NumberSpinBox(parent);
    box->setObjectName(name);
    box->setRange(low, high);
    box->setValue(value);
    return box;
}

QComboBox* chooser(QWidget* parent, const QString& name, std::vector<ListChoice> choices) {
    auto* combo = newChooser(parent, name);
    fillChooser(*combo, std::move(choices));
    return combo;
}

} // namespace

BattleStatePanel::BattleStatePanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("battleStatePanel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(buildHeader());
    m_body = buildBody();
    m_body->setVisible(false);
    layout->addWidget(m_body);
    setState({});
}

// The fold button, the summary of what is set, and the reset button: all the folded panel shows.
QWidget* BattleStatePanel::buildHeader() {
    auto* header = new QWidget(this);
    m_toggle = new QToolButton(header);
    m_toggle->setObjectName(QStringLiteral("stateToggle"));
    m_toggle->setText(QCoreApplication::translate("BattleStatePanel", "バトル状態"));
    m_toggle->setCheckable(true);
    m_toggle->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_toggle->setArrowType(Qt::RightArrow);
    m_toggle->setAutoRaise(true);
    m_summary = new QLabel(header);
    m_summary->setObjectName(QStringLiteral("stateSummary"));
    // A long summary never widens the window; the tooltip holds all of it.
    m_summary->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_summary->setMinimumWidth(m_summary->fontMetrics().averageCharWidth() * kSummaryChars);
    auto* resetButton = new QPushButton(QCoreApplication::translate("BattleStatePanel", "状態をリセット"), header);
    resetButton->setObjectName(QStringLiteral("stateResetButton"));
    resetButton->setAutoDefault(false);
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_toggle);
    row->addWidget(m_summary, 1);
    row->addWidget(resetButton);
    connect(m_toggle, &QToolButton::toggled, this, [this](bool open) {
        Q_EMIT openChanging(open);
        m_toggle->setArrowType(open ? Qt::DownArrow : Qt::RightArrow);
        m_body->setVisible(open);
        Q_EMIT openChanged(open);
    });
    connect(resetButton, &QPushButton::clicked, this, &BattleStatePanel::reset);
    return header;
}

// A grid of both sides' status, HP and stages under one row of headings, then each side's field
// and what is on it, then the field both share.
QWidget* BattleStatePanel::buildBody() {
    auto* body = new QWidget(this);
    auto* grid = new QGridLayout(body);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    const char* headings[] = {QT_TRANSLATE_NOOP("BattleStatePanel", "状態"), "HP"};
    for (int i = 0; i < 2; ++i)
        grid->addWidget(new QLabel(QCoreApplication::translate("BattleStatePanel", headings[i]), body), 0, 1 + 2 * i, 1,
                        2);
    for (int stat = 0; stat < kStageStatCount; ++stat)
        grid->addWidget(new QLabel(toQt(stageStatName(stat)), body), 0, 5 + stat);
    addSideRow(*grid, 1, m_attacker, QCoreApplication::translate("BattleStatePanel", "攻撃側"),
               QStringLiteral("attacker"));
    addSideRow(*grid, 2, m_defender, QCoreApplication::translate("BattleStatePanel", "防御側"),
               QStringLiteral("defender"));
    const int columns = 5 + kStageStatCount;
    grid->addWidget(sideFlags(m_attacker, QStringLiteral("attacker"), body), 3, 0, 1, columns);
    grid->addWidget(sideFlags(m_defender, QStringLiteral("defender"), body), 4, 0, 1, columns);

    // The field both share, in a column of its own at the right: the panel stays five rows high.
    const int fieldColumn = columns + 1;
    grid->addWidget(new QLabel(QCoreApplication::translate("BattleStatePanel", "場"), body), 0, fieldColumn);
    m_trickRoom =
        check(body, QStringLiteral("stateTrickRoom"), QT_TRANSLATE_NOOP("BattleStatePanel", "トリックルーム"));
    m_magicRoom =
        check(body, QStringLiteral("stateMagicRoom"), QT_TRANSLATE_NOOP("BattleStatePanel", "マジックルーム"));
    m_wonderRoom =
        check(body, QStringLiteral("stateWonderRoom"), QT_TRANSLATE_NOOP("BattleStatePanel", "ワンダールーム"));
    m_countTurnEnd =
        check(body, QStringLiteral("stateCountTurnEnd"), QT_TRANSLATE_NOOP("BattleStatePanel", "ターン終了時も数える"));
    m_countTurnEnd->setToolTip(QCoreApplication::translate(
        "BattleStatePanel",
        "確定数に、ターン終了時の天気・たべのこし・どく・やけど・やどりぎのタネ・オボンのみなどを含めます"));
    // What else the chance counts, beside the end of turn.
    m_countHitChances = check(body, QStringLiteral("stateCountHitChances"),
                              QT_TRANSLATE_NOOP("BattleStatePanel", "命中・急所も数える"));
    m_countHitChances->setToolTip(QCoreApplication::translate(
        "BattleStatePanel",
        "確定数に、技が外れる確率と急所に当たる確率を含めます（命中・回避の補正、特性・持ち物・じゅうりょくも）"));
    int row = 1;
    for (QCheckBox* box : {m_trickRoom, m_magicRoom, m_wonderRoom, m_countTurnEnd}) {
        grid->addWidget(box, row++, fieldColumn);
        connect(box, &QCheckBox::toggled, this, &BattleStatePanel::inputChanged);
    }
    grid->addWidget(m_countHitChances, row - 1, fieldColumn + 1);
    connect(m_countHitChances, &QCheckBox::toggled, this, &BattleStatePanel::inputChanged);
    grid->setColumnMinimumWidth(columns, 12);
    grid->setColumnStretch(fieldColumn + 2, 1);
    return body;
}

void BattleStatePanel::addSideRow(QGridLayout& grid, int row, SideInputs& side, const QString& caption,
                                  const QString& prefix) {
    QWidget* body = grid.parentWidget();
    grid.addWidget(new QLabel(caption, body), row, 0);
    side.status = chooser(body, prefix + QStringLiteral("StatusCombo"), statusChoices());
    side.toxicTurns = spin(body, prefix + QStringLiteral("ToxicTurnsSpin"), 1, kMostToxicTurns, 1);
    side.toxicTurns->setSuffix(QCoreApplication::translate("BattleStatePanel", "回目"));
    side.toxicTurns->setToolTip(
        QCoreApplication::translate("BattleStatePanel", "もうどくの何ターン目か（1 ターン目は 1/16）"));
    side.hp = spin(body, prefix + QStringLiteral("HpSpin"), 1, 100, 100);
    side.hpUnit = chooser(body, prefix + QStringLiteral("HpUnitCombo"), hpUnitChoices());
    grid.addWidget(side.status, row, 1);
    grid.addWidget(side.toxicTurns, row, 2);
    grid.addWidget(side.hp, row, 3);
    grid.addWidget(side.hpUnit, row, 4);
    for (int stat = 0; stat < kStageStatCount; ++stat) {
        QComboBox*& stage = side.stages[static_cast<std::size_t>(stat)];
        stage = chooser(body, prefix + QStringLiteral("Stage%1Combo").arg(stat), stateStageChoices());
        grid.addWidget(stage, row, 5 + stat);
        connect(stage, &QComboBox::currentIndexChanged, this, &BattleStatePanel::inputChanged);
    }
    connect(side.status, &QComboBox::currentIndexChanged, this, &BattleStatePanel::inputChanged);
    connect(side.hpUnit, &QComboBox::currentIndexChanged, this, &BattleStatePanel::inputChanged);
    for (QSpinBox* box : {side.toxicTurns, side.hp})
        connect(box, &QSpinBox::valueChanged, this, &BattleStatePanel::inputChanged);
}

QWidget* BattleStatePanel::sideFlags(SideInputs& side, const QString& prefix, QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(prefix == QStringLiteral("attacker")
                                     ? QCoreApplication::translate("BattleStatePanel", "攻撃側の場")
                                     : QCoreApplication::translate("BattleStatePanel", "防御側の場"),
                                 row));
    side.tailwind = check(row, prefix + QStringLiteral("Tailwind"), QT_TRANSLATE_NOOP("BattleStatePanel", "おいかぜ"));
    side.stealthRock =
        check(row, prefix + QStringLiteral("StealthRock"), QT_TRANSLATE_NOOP("BattleStatePanel", "ステルスロック"));
    side.spikes = spin(row, prefix + QStringLiteral("SpikesSpin"), 0, kMostSpikes, 0);
    side.spikes->setPrefix(QCoreApplication::translate("BattleStatePanel", "まきびし "));
    for (QWidget* hazard : {static_cast<QWidget*>(side.stealthRock), static_cast<QWidget*>(side.spikes)})
        hazard->setToolTip(QCoreApplication::translate(
            "BattleStatePanel", "「交代で登場」にチェックがあるときだけ、最初の攻撃の前に受けます"));
    side.seeded =
        check(row, prefix + QStringLiteral("Seeded"), QT_TRANSLATE_NOOP("BattleStatePanel", "やどりぎのタネ"));
    side.charged = check(row, prefix + QStringLiteral("Charged"), QT_TRANSLATE_NOOP("BattleStatePanel", "じゅうでん"));
    side.flashFire =
        check(row, prefix + QStringLiteral("FlashFire"), QT_TRANSLATE_NOOP("BattleStatePanel", "もらいび"));
    side.switchingIn =
        check(row, prefix + QStringLiteral("SwitchingIn"), QT_TRANSLATE_NOOP("BattleStatePanel", "交代で登場"));
    side.switchingIn->setToolTip(QCoreApplication::translate(
        "BattleStatePanel", "この側の設置技（ステルスロック・まきびし）を最初の攻撃の前に受けます"));
    layout->addWidget(side.tailwind);
    layout->addWidget(side.stealthRock);
    layout->addWidget(side.spikes);
    for (QCheckBox* box : {side.seeded, side.charged, side.flashFire, side.switchingIn})
        layout->addWidget(box);
    layout->addStretch();
    for (QCheckBox* box :
         {side.tailwind, side.stealthRock, side.seeded, side.charged, side.flashFire, side.switchingIn})
        connect(box, &QCheckBox::toggled, this, &BattleStatePanel::inputChanged);
    connect(side.spikes, &QSpinBox::valueChanged, this, &BattleStatePanel::inputChanged);
    return row;
}

SideState BattleStatePanel::sideState(const SideInputs& side) {
    SideState s;
    s.status = static_cast<StatusCondition>(chosenValue(*side.status, 0));
    s.toxicTurns = side.toxicTurns->value();
    s.hp = side.hp->value();
    s.hpIsShare = chosenValue(*side.hpUnit, 1) != 0;
    for (int stat = 0; stat < kStageStatCount; ++stat)
        s.stages[static_cast<std::size_t>(stat)] =
            static_cast<int8_t>(chosenValue(*side.stages[static_cast<std::size_t>(stat)], 0));
    s.tailwind = side.tailwind->isChecked();
    s.stealthRock = side.stealthRock->isChecked();
    s.spikes = side.spikes->value();
    s.seeded = side.seeded->isChecked();
    s.charged = side.charged->isChecked();
    s.flashFire = side.flashFire->isChecked();
    s.switchingIn = side.switchingIn->isChecked();
    return s;
}

void BattleStatePanel::showSide(SideInputs& side, const SideState& s) {
    selectValue(*side.status, static_cast<int>(s.status));
    side.toxicTurns->setValue(s.toxicTurns);
    side.toxicTurns->setEnabled(s.status == StatusCondition::BadPoison);
    selectValue(*side.hpUnit, s.hpIsShare ? 1 : 0);
    side.hp->setMaximum(s.hpIsShare ? 100 : kMostHpValue);
    side.hp->setValue(s.hp);
    for (int stat = 0; stat < kStageStatCount; ++stat)
        selectValue(*side.stages[static_cast<std::size_t>(stat)], s.stages[static_cast<std::size_t>(stat)]);
    side.tailwind->setChecked(s.tailwind);
    side.stealthRock->setChecked(s.stealthRock);
    side.spikes->setValue(s.spikes);
    side.seeded->setChecked(s.seeded);
    side.charged->setChecked(s.charged);
    side.flashFire->setChecked(s.flashFire);
    side.switchingIn->setChecked(s.switchingIn);
}

BattleState BattleStatePanel::state() const {
    BattleState state;
    state.attacker = sideState(m_attacker);
    state.defender = sideState(m_defender);
    state.field.trickRoom = m_trickRoom->isChecked();
    state.field.magicRoom = m_magicRoom->isChecked();
    state.field.wonderRoom = m_wonderRoom->isChecked();
    state.field.countTurnEnd = m_countTurnEnd->isChecked();
    state.field.countHitChances = m_countHitChances->isChecked();
    return state;
}

void BattleStatePanel::setState(const BattleState& state) {
    const BattleState held = stateWithinRange(state);
    m_quiet = true;
    showSide(m_attacker, held.attacker);
    showSide(m_defender, held.defender);
    m_trickRoom->setChecked(held.field.trickRoom);
    m_magicRoom->setChecked(held.field.magicRoom);
    m_wonderRoom->setChecked(held.field.wonderRoom);
    m_countTurnEnd->setChecked(held.field.countTurnEnd);
    m_countHitChances->setChecked(held.field.countHitChances);
    m_quiet = false;
    showSummary();
}

// The HP field's range follows its unit, and the もうどく count is open only with もうどく; then
// the session hears of the change.
void BattleStatePanel::inputChanged() {
    if (m_quiet)
        return;
    m_quiet = true;
    for (SideInputs* side : {&m_attacker, &m_defender}) {
        side->hp->setMaximum(chosenValue(*side->hpUnit, 1) != 0 ? 100 : kMostHpValue);
        side->toxicTurns->setEnabled(chosenValue(*side->status, 0) == static_cast<int>(StatusCondition::BadPoison));
    }
    m_quiet = false;
    showSummary();
    Q_EMIT stateChanged();
}

void BattleStatePanel::showSummary() {
    const QString text = toQt(battleStateSummary(state()));
    m_summary->setText(text);
    m_summary->setToolTip(text);
}

void BattleStatePanel::reset() {
    if (isNeutral(state()))
        return;
    setState({});
    Q_EMIT stateChanged();
}

bool BattleStatePanel::isOpen() const {
    return m_toggle->isChecked();
}

void BattleStatePanel::setOpen(bool open) {
    m_toggle->setChecked(open);
}

} // namespace rusrina
