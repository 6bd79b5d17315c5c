#include "ui/ivjudge/iv_judge_window.h"

#include "data/battle_rules.h"
#include "data/natures.h"
#include "data/species.h"
#include "settings/settings_file.h"
#include "ui/common/chooser.h"
#include "ui/common/number_input.h"
#include "ui/common/product_title.h"
#include "ui/common/qt_text.h"
#include "ui/common/status_line.h"
#include "ui/ivjudge/stat_row_model.h"
#include "view/common/status_texts.h"
#include "view/iv/iv_judge_view.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QStringListModel>
#include <QVBoxLayout>

#include <algorithm>

namespace rusrina {
namespace {

constexpr char kSection[] = "ParaCheck";

// The IV judge's settings, each key once.
constexpr struct {
    SettingKey rule = positionKey(kSection, "rule", 0, Stored::Always);
    SettingKey level = positionKey(kSection, "level", 0, Stored::Always);
    SettingKey nature = positionKey(kSection, "seikaku", 0, Stored::Always);
    SettingKey species = positionKey(kSection, "vant", 0, Stored::Always);
} kKeys;
const char* const kStatLabels[6] = {
    QT_TRANSLATE_NOOP("IvJudgeWindow", "ＨＰ"),     QT_TRANSLATE_NOOP("IvJudgeWindow", "こうげき"),
    QT_TRANSLATE_NOOP("IvJudgeWindow", "ぼうぎょ"), QT_TRANSLATE_NOOP("IvJudgeWindow", "とくこう"),
    QT_TRANSLATE_NOOP("IvJudgeWindow", "とくぼう"), QT_TRANSLATE_NOOP("IvJudgeWindow", "すばやさ")};
constexpr int kMaxTypedStat = 999;

template <typename T> T* named(T* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

QComboBox* newCombo(QWidget* parent, const QString& name) {
    return newChooser(parent, name, {.visibleItems = 20});
}

QPushButton* newButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = named(new QPushButton(caption, parent), QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

QString suffixed(const char* base, int stat) {
    return QString::fromLatin1(base) + QString::number(stat);
}

// The list shows each hidden-power line without the line end that the report needs.
QStringList hiddenPowerRows(const std::vector<std::string>& lines) {
    QStringList rows;
    for (const std::string& line : lines) {
        QString row = toQt(line);
        while (row.endsWith(QLatin1Char('\n')) || row.endsWith(QLatin1Char('\r')))
            row.chop(1);
        rows.append(row);
    }
    return rows;
}

} // namespace

IvJudgeWindow::IvJudgeWindow(SettingsFile& settings, QWidget* parent)
    : ToolWindow(settings, QStringLiteral("ParaCheck"), parent) {
    setObjectName(QStringLiteral("ivJudgeWindow"));
    setWindowTitle(QCoreApplication::translate("IvJudgeWindow", "%1 バントレ個体値Ｖ判定").arg(productTitle()));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buildTopRow());
    layout->addLayout(buildAdviceGrid());
    layout->addLayout(buildLevelRow());
    auto* middle = new QHBoxLayout;
    middle->addLayout(buildStatColumns(), 1);
    middle->addLayout(buildHiddenPowerColumn());
    layout->addLayout(middle, 1);
    layout->addLayout(buildButtons());
    for (int stat = 0; stat < kStatCount; ++stat)
        connectStatColumn(stat);

    restoreSettings();
    recompute();
}

IvJudgeWindow::~IvJudgeWindow() {
    saveSettings();
}

QLayout* IvJudgeWindow::buildTopRow() {
    m_species = newChooser(this, QStringLiteral("combo_vant"),
                           {.visibleItems = 20, .typeToFind = true, .names = ChoiceNames::Species});
    m_rule = newCombo(this, QStringLiteral("combo_rule"));
    fillChooser(*m_rule, indexedChoices(kBattleRuleCount, ruleName));
    connect(m_species, &QComboBox::currentIndexChanged, this, [this] { recompute(); });
    // A new rule only offers other species; the lists follow at the next change.
    connect(m_rule, &QComboBox::currentIndexChanged, this, &IvJudgeWindow::fillSpeciesList);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QCoreApplication::translate("IvJudgeWindow", "バントレ"), this));
    row->addWidget(m_species);
    row->addSpacing(16);
    row->addWidget(m_rule);
    row->addStretch();
    return row;
}

QGridLayout* IvJudgeWindow::buildAdviceGrid() {
    auto* grid = new QGridLayout;
    for (int stat = 0; stat < kStatCount; ++stat) {
        grid->addWidget(new QLabel(QCoreApplication::translate("IvJudgeWindow", kStatLabels[stat]), this), stat, 0);
        auto* advice = named(new QLabel(this), suffixed("label_advice_", stat));
        advice->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(advice, stat, 1);
        m_columns[stat].advice = advice;
    }
    grid->setColumnStretch(1, 1);
    grid->setVerticalSpacing(2);
    return grid;
}

QLayout* IvJudgeWindow::buildLevelRow() {
    m_level = newCombo(this, QStringLiteral("combo_level"));
    fillChooser(*m_level, levelChoices(kMaxLevel));
    m_nature = newCombo(this, QStringLiteral("combo_seikaku"));
    fillChooser(*m_nature, indexedChoices(kNatureCount, [](int nature) { return natureRecord(nature).label; }));
    for (QComboBox* combo : {m_level, m_nature})
        connect(combo, &QComboBox::currentIndexChanged, this, [this] { recompute(); });
    auto* up = newButton(this, "button_levelup", QCoreApplication::translate("IvJudgeWindow", "レベル+1"));
    auto* down = newButton(this, "button_leveldown", QCoreApplication::translate("IvJudgeWindow", "レベル-1"));
    connect(up, &QPushButton::clicked, this, [this] { stepLevel(+1); });
    connect(down, &QPushButton::clicked, this, [this] { stepLevel(-1); });

    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QCoreApplication::translate("IvJudgeWindow", "レベル"), this));
    row->addWidget(m_level);
    row->addWidget(up);
    row->addWidget(down);
    row->addSpacing(16);
    row->addWidget(new QLabel(QCoreApplication::translate("IvJudgeWindow", "性格"), this));
    row->addWidget(m_nature);
    row->addSpacing(16);
    m_characteristic = buildChooser("combo_kosei", characteristicChoices());
    row->addWidget(new QLabel(QCoreApplication::translate("IvJudgeWindow", "個性"), this));
    row->addWidget(m_characteristic);
    row->addStretch();
    return row;
}

// A chooser of what else is known of the creature: its first row, " 無指定", is the default, and a
// change only refreshes the output.
QComboBox* IvJudgeWindow::buildChooser(const char* name, const std::vector<ListChoice>& choices) {
    QComboBox* chooser = newCombo(this, QString::fromLatin1(name));
    fillChooser(*chooser, choices);
    connect(chooser, &QComboBox::currentIndexChanged, this, &IvJudgeWindow::refresh);
    return chooser;
}

QGridLayout* IvJudgeWindow::buildStatColumns() {
    // Every column as wide as its widest possible text, so that no value or threshold is cut.
    const QFontMetrics metrics(font());
    const int textWidth =
        std::max(metrics.horizontalAdvance(QCoreApplication::translate("IvJudgeWindow", " 31:400～31:400 ")),
                 metrics.horizontalAdvance(QCoreApplication::translate("IvJudgeWindow", "999：31～31")));
    auto* grid = new QGridLayout;
    // The trained creature's inputs: a caption column on the left, one field per stat under its label.
    grid->addWidget(new QLabel(QCoreApplication::translate("IvJudgeWindow", "努力値"), this), 1, 0);
    grid->addWidget(new QLabel(QCoreApplication::translate("IvJudgeWindow", "能力値"), this), 2, 0);
    for (int stat = 0; stat < kStatCount; ++stat) {
        StatColumn& column = m_columns[stat];
        const int at = stat + 1;
        auto* label = new QLabel(QCoreApplication::translate("IvJudgeWindow", kStatLabels[stat]), this);
        label->setAlignment(Qt::AlignCenter);
        column.ev = named(new NumberSpinBox(this), suffixed("spin_ev_", stat));
        column.ev->setRange(0, kMaxEv);
        column.ev->setAlignment(Qt::AlignRight);
        column.typed = named(new QLineEdit(this), suffixed("edit_stat_", stat));
        column.typed->setValidator(new NumberValidator(0, kMaxTypedStat, column.typed));
        column.typed->setAlignment(Qt::AlignRight);
        column.model = new StatRowModel(this);
        column.list = named(new QListView(this), suffixed("list_", stat));
        column.list->setModel(column.model);
        column.list->setSelectionMode(QAbstractItemView::SingleSelection);
        column.list->setEditTriggers(QAbstractItemView::NoEditTriggers);
        column.list->setUniformItemSizes(true);
        column.list->setFixedWidth(textWidth + column.list->verticalScrollBar()->sizeHint().width() + 12);
        column.list->setMinimumHeight(metrics.height() * 12);
        column.list->viewport()->installEventFilter(this);
        column.evThreshold = named(new QLabel(this), suffixed("label_ev_", stat));
        column.evThreshold->setAlignment(Qt::AlignCenter);
        column.evThreshold->setToolTip(QCoreApplication::translate(
            "IvJudgeWindow",
            "個体値:努力値～個体値:努力値\n範囲のいちばん低い個体値といちばん高い個体値のそれぞれで、\n"
            "能力値が初めて1上がる努力値です（「30:8～31:4」なら個体値30は努力値8、31は4で上がる）。"));
        column.upper = newCombo(this, suffixed("combo_max_", stat));
        column.lower = newCombo(this, suffixed("combo_min_", stat));
        fillChooser(*column.upper, indexedChoices(kMaxIv + 1, upperBoundText), kMaxIv);
        fillChooser(*column.lower, indexedChoices(kMaxIv + 1, lowerBoundText), 0);
        grid->addWidget(label, 0, at);
        grid->addWidget(column.ev, 1, at);
        grid->addWidget(column.typed, 2, at);
        grid->addWidget(column.list, 3, at);
        grid->addWidget(column.evThreshold, 4, at);
        grid->addWidget(column.upper, 5, at);
        grid->addWidget(column.lower, 6, at);
    }
    // Tab goes along the EV fields, then along the stat fields; the value lists take the keyboard
    // only when clicked, so that a number typed after Tab never lands in a list and picks a row.
    for (int stat = 0; stat < kStatCount; ++stat) {
        m_columns[stat].list->setFocusPolicy(Qt::ClickFocus);
        if (stat > 0) {
            setTabOrder(m_columns[stat - 1].ev, m_columns[stat].ev);
            setTabOrder(m_columns[stat - 1].typed, m_columns[stat].typed);
        }
    }
    setTabOrder(m_columns[kStatCount - 1].ev, m_columns[0].typed);
    grid->setRowStretch(3, 1);
    return grid;
}

QLayout* IvJudgeWindow::buildHiddenPowerColumn() {
    m_showHiddenPower = named(new QCheckBox(QCoreApplication::translate("IvJudgeWindow", "めざパ表示する"), this),
                              QStringLiteral("check_mezapa"));
    connect(m_showHiddenPower, &QCheckBox::toggled, this, [this] { refresh(); });
    m_hiddenPowerModel = new QStringListModel(this);
    m_hiddenPowerList = named(new QListView(this), QStringLiteral("list_mezapa"));
    m_hiddenPowerList->setModel(m_hiddenPowerModel);
    m_hiddenPowerList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_hiddenPowerList->setSelectionMode(QAbstractItemView::SingleSelection);
    // The lines are padded for a font in which a kana is two digits wide, as in the report.
    QFont fixed = font();
    fixed.setFamilies({QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("MS Gothic"),
                       QFontDatabase::systemFont(QFontDatabase::FixedFont).family()});
    fixed.setStyleHint(QFont::TypeWriter);
    m_hiddenPowerList->setFont(fixed);
    const QFontMetrics metrics(fixed);
    m_hiddenPowerList->setFixedWidth(
        metrics.horizontalAdvance(QCoreApplication::translate("IvJudgeWindow", "ドラゴン  :70-70  ")) +
        m_hiddenPowerList->verticalScrollBar()->sizeHint().width() + 12);
    m_hiddenPowerType = buildChooser("combo_mezapa_type", hiddenPowerTypeChoices());
    auto* column = new QVBoxLayout;
    column->addWidget(new QLabel(QCoreApplication::translate("IvJudgeWindow", "めざパタイプ"), this));
    column->addWidget(m_hiddenPowerType);
    column->addWidget(m_showHiddenPower);
    column->addWidget(m_hiddenPowerList, 1);
    return column;
}

QLayout* IvJudgeWindow::buildButtons() {
    auto* output = newButton(this, "button_output", QCoreApplication::translate("IvJudgeWindow", "個体値出力"));
    auto* reset = newButton(this, "button_reset", QCoreApplication::translate("IvJudgeWindow", "リセット"));
    auto* hide = newButton(this, "hideButton", QCoreApplication::translate("IvJudgeWindow", "閉じる"));
    connect(output, &QPushButton::clicked, this, &IvJudgeWindow::copyReport);
    connect(reset, &QPushButton::clicked, this, &IvJudgeWindow::reset);
    connect(hide, &QPushButton::clicked, this, [this] { showTool(ShowCommand::Hide); });
    m_message = new StatusLine(QStringLiteral("label_message"), this);
    auto* row = new QHBoxLayout;
    row->addWidget(m_message, 1);
    row->addWidget(toolsButton());
    row->addWidget(output);
    row->addWidget(reset);
    row->addWidget(hide);
    return row;
}

void IvJudgeWindow::connectStatColumn(int stat) {
    StatColumn& column = m_columns[stat];
    // A keyboard move or a press on another row changes the current row; a click on the row that
    // is already current changes nothing but is a pick all the same.
    // A list refilled or cleared by the window has no current row, so only the user's moves pick.
    connect(column.list->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this, stat](const QModelIndex& current) {
                if (!current.isValid())
                    return;
                m_columns[stat].pickedOnPress = true;
                pick(stat, current.row());
            });
    connect(column.list, &QListView::clicked, this,
            [this, stat](const QModelIndex& index) { pickByClick(stat, index); });
    for (QComboBox* bound : {column.upper, column.lower})
        connect(bound, &QComboBox::currentIndexChanged, this, &IvJudgeWindow::refresh);
    connect(column.ev, &QSpinBox::valueChanged, this, &IvJudgeWindow::changeEv);
    connect(column.typed, &QLineEdit::returnPressed, this, [this, stat] { typeStat(stat); });
}

bool IvJudgeWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress)
        for (StatColumn& column : m_columns)
            if (watched == column.list->viewport())
                column.pickedOnPress = false;
    return ToolWindow::eventFilter(watched, event);
}

void IvJudgeWindow::restoreSettings() {
    const SettingsFile& stored = settings();
    restoreChooser(*m_rule, stored, kKeys.rule);
    restoreChooser(*m_level, stored, kKeys.level);
    restoreChooser(*m_nature, stored, kKeys.nature);
    fillSpeciesList();
    restoreChooser(*m_species, stored, kKeys.species);
}

void IvJudgeWindow::saveSettings() {
    SettingsFile& stored = settings();
    storeChooser(stored, kKeys.rule, *m_rule);
    storeChooser(stored, kKeys.level, *m_level);
    storeChooser(stored, kKeys.nature, *m_nature);
    storeChooser(stored, kKeys.species, *m_species);
}

void IvJudgeWindow::fillSpeciesList() {
    std::vector<ListChoice> choices;
    for (int index : judgeSpeciesList(std::max(0, m_rule->currentIndex())))
        choices.push_back({speciesName(index), index});
    fillChooser(*m_species, std::move(choices));
}

void IvJudgeWindow::openOnSpecies(int species) {
    if (m_species->findData(species) < 0) {
        for (int rule = 0; rule < kBattleRuleCount; ++rule) {
            const std::vector<int> listed = judgeSpeciesList(rule);
            if (std::find(listed.begin(), listed.end(), species) != listed.end()) {
                selectQuietly(*m_rule, rule);
                fillSpeciesList();
                break;
            }
        }
    }
    if (const int row = m_species->findData(species); row >= 0 && row != m_species->currentIndex()) {
        selectQuietly(*m_species, row);
        recompute();
    }
    bringForward();
}

bool IvJudgeWindow::hasSelection() const {
    return m_species->currentIndex() >= 0 && m_level->currentIndex() >= 0 && m_nature->currentIndex() >= 0;
}

int IvJudgeWindow::species() const {
    return m_species->currentData().toInt();
}

int IvJudgeWindow::level() const {
    return m_level->currentIndex() + 1;
}

int IvJudgeWindow::nature() const {
    return m_nature->currentIndex();
}

IvRanges IvJudgeWindow::ranges() const {
    IvRanges result;
    for (int stat = 0; stat < kStatCount; ++stat)
        result[stat] = {m_columns[stat].lower->currentIndex(), m_columns[stat].upper->currentIndex()};
    return result;
}

StatValues IvJudgeWindow::evs() const {
    StatValues result{};
    for (int stat = 0; stat < kStatCount; ++stat)
        result[stat] = m_columns[stat].ev->value();
    return result;
}

JudgeExtras IvJudgeWindow::extras() const {
    JudgeExtras result;
    result.evs = evs();
    result.clues.characteristic = chosenValue(*m_characteristic, kNoCharacteristic);
    result.clues.hiddenPowerType = chosenValue(*m_hiddenPowerType, kNoHiddenPowerType);
    return result;
}

void IvJudgeWindow::recompute(bool keepUnchangedLists) {
    if (!hasSelection())
        return;
    JudgeTables tables = recomputeTables(species(), level(), nature(), evs());
    for (int stat = 0; stat < kStatCount; ++stat) {
        StatColumn& column = m_columns[stat];
        if (!keepUnchangedLists || tables.rows[stat] != m_tables.rows[stat]) {
            column.model->setRows(tables.rows[stat]);
            column.typed->clear();
        }
        column.advice->setText(toQt(tables.adviceTexts[stat]));
    }
    m_tables = std::move(tables);
    refresh();
}

// The six EVs may not pass 510 together: each field's maximum leaves room only for what the others
// have not taken.
void IvJudgeWindow::changeEv() {
    const StatValues current = evs();
    for (int stat = 0; stat < kStatCount; ++stat) {
        const QSignalBlocker quiet(m_columns[stat].ev);
        m_columns[stat].ev->setMaximum(evFieldMaximum(current, stat));
    }
    recompute(true);
}

// Enter in a stat's field picks the row that shows the typed value, as a click on it would, and
// moves on to the next stat's field, so that six values are typed in a row.
void IvJudgeWindow::typeStat(int stat) {
    StatColumn& column = m_columns[stat];
    bool isNumber = false;
    const int value = column.typed->text().toInt(&isNumber);
    if (!isNumber)
        return;
    const TypedStat typed = readTypedStat(species(), stat, value, column.model->rows());
    switch (typed.kind) {
    case TypedStat::Kind::OutOfRange:
        m_message->setNotice(toQt(typed.message));
        return;
    case TypedStat::Kind::HpFixed:
        // Whatever the IV, the HP is 1: the range is left whole, and the line says why.
        column.list->clearSelection();
        column.upper->setCurrentIndex(kMaxIv);
        column.lower->setCurrentIndex(0);
        m_message->setNotice(toQt(typed.message));
        break;
    case TypedStat::Kind::Row: {
        const QModelIndex index = column.model->index(typed.row);
        column.list->scrollTo(index);
        // A new current row is picked by its handler; the row that is current already is picked here.
        if (column.list->currentIndex() == index)
            pick(stat, typed.row);
        else
            column.list->setCurrentIndex(index);
        break;
    }
    }
    if (stat + 1 < kStatCount) {
        m_columns[stat + 1].typed->setFocus(Qt::TabFocusReason);
        m_columns[stat + 1].typed->selectAll();
    }
}

void IvJudgeWindow::refresh() {
    if (!hasSelection())
        return;
    const JudgeOutput output =
        refreshOutput(m_tables, species(), level(), nature(), ranges(), m_showHiddenPower->isChecked(), extras());
    for (int stat = 0; stat < kStatCount; ++stat) {
        m_columns[stat].evThreshold->setText(toQt(output.evThresholdTexts[stat]));
        m_columns[stat].model->setRuledOut(output.ruledOutRows[stat]);
    }
    m_message->setNotice(toQt(output.notice));
    m_report = output.report;
    if (output.hiddenPowerItems)
        m_hiddenPowerModel->setStringList(hiddenPowerRows(*output.hiddenPowerItems));
}

void IvJudgeWindow::pick(int stat, int row) {
    StatColumn& column = m_columns[stat];
    const std::vector<StatRow>& rows = column.model->rows();
    if (row < 0 || row >= static_cast<int>(rows.size()))
        return;
    const IvRange before = ranges()[stat];
    const IvRange after = narrowRange(before, rows[static_cast<size_t>(row)]);
    // A bound that moves tells its listeners, and its handler refreshes the outputs; a pick that
    // moves neither refreshes them itself.
    if (after.max == before.max && after.min == before.min) {
        refresh();
        return;
    }
    if (after.max != before.max)
        column.upper->setCurrentIndex(after.max);
    if (after.min != before.min)
        column.lower->setCurrentIndex(after.min);
}

void IvJudgeWindow::pickByClick(int stat, const QModelIndex& index) {
    StatColumn& column = m_columns[stat];
    if (column.pickedOnPress) {
        column.pickedOnPress = false;
        return;
    }
    if (index.isValid())
        pick(stat, index.row());
}

void IvJudgeWindow::stepLevel(int delta) {
    const int next = level() + delta;
    if (m_level->currentIndex() < 0 || next < 1 || next > kMaxLevel)
        return;
    selectQuietly(*m_level, next - 1);
    recompute();
}

void IvJudgeWindow::reset() {
    for (StatColumn& column : m_columns) {
        selectQuietly(*column.upper, kMaxIv);
        selectQuietly(*column.lower, 0);
        column.list->selectionModel()->clear();
        column.typed->clear();
    }
    refresh();
}

void IvJudgeWindow::copyReport() const {
    if (m_report.empty())
        return;
    QGuiApplication::clipboard()->setText(toQt(m_report));
    m_message->showMessage(
        toQt(copiedText(fromQt(QCoreApplication::translate("IvJudgeWindow", "判定結果")), m_report)));
}

} // namespace rusrina
