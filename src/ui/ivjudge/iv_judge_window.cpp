#include "ui/ivjudge/iv_judge_window.h"

#include "data/battle_rules.h"
#include "data/natures.h"
#include "data/species.h"
#include "settings/settings_file.h"
#include "ui/common/product_title.h"
#include "ui/ivjudge/stat_row_model.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QStringListModel>
#include <QVBoxLayout>

namespace rusrina {
namespace {

constexpr char kSection[] = "ParaCheck";
constexpr const char* kStatLabels[6] = {"ＨＰ", "こうげき", "ぼうぎょ", "とくこう", "とくぼう", "すばやさ"};

// Sets a flag for as long as it lives, restoring what it was before.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : m_flag(flag), m_old(flag) { m_flag = true; }
    ~FlagScope() { m_flag = m_old; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& m_flag;
    bool m_old;
};

template <typename T> T* named(T* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

QComboBox* newCombo(QWidget* parent, const QString& name) {
    auto* combo = named(new QComboBox(parent), name);
    combo->setMaxVisibleItems(20);
    return combo;
}

QPushButton* newButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = named(new QPushButton(caption, parent), QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

QString suffixed(const char* base, int stat) {
    return QString::fromLatin1(base) + QString::number(stat);
}

// A stored position that lies outside the list selects its first row.
int storedPosition(const SettingsFile& settings, const char* key, int count) {
    const int position = settings.readSetting(kSection, key, 0);
    return position >= 0 && position < count ? position : 0;
}

QString utf8(const std::string& text) {
    return QString::fromStdString(text);
}

// The list shows each hidden-power line without the line end that the report needs.
QStringList hiddenPowerRows(const std::vector<std::string>& lines) {
    QStringList rows;
    for (const std::string& line : lines) {
        QString row = utf8(line);
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
    setWindowTitle(QString::asprintf("%s バントレ個体値Ｖ判定", ProductTitle));

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
    m_species = newCombo(this, QStringLiteral("combo_vant"));
    m_rule = newCombo(this, QStringLiteral("combo_rule"));
    for (int rule = 0; rule < kBattleRuleCount; ++rule)
        m_rule->addItem(QString::fromUtf8(ruleName(rule)), rule);
    connect(m_species, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_updating)
            recompute();
    });
    // A new rule only offers other species; the lists follow at the next change.
    connect(m_rule, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_updating)
            fillSpeciesList();
    });
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("バントレ"), this));
    row->addWidget(m_species);
    row->addSpacing(16);
    row->addWidget(m_rule);
    row->addStretch();
    return row;
}

QGridLayout* IvJudgeWindow::buildAdviceGrid() {
    auto* grid = new QGridLayout;
    for (int stat = 0; stat < kStatCount; ++stat) {
        grid->addWidget(new QLabel(QString::fromUtf8(kStatLabels[stat]), this), stat, 0);
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
    for (int level = 1; level <= kMaxLevel; ++level)
        m_level->addItem(QString::number(level), level);
    m_nature = newCombo(this, QStringLiteral("combo_seikaku"));
    for (int nature = 0; nature < kNatureCount; ++nature)
        m_nature->addItem(QString::fromUtf8(natureRecord(nature).label), nature);
    for (QComboBox* combo : {m_level, m_nature})
        connect(combo, &QComboBox::currentIndexChanged, this, [this] {
            if (!m_updating)
                recompute();
        });
    auto* up = newButton(this, "button_levelup", QStringLiteral("レベル+1"));
    auto* down = newButton(this, "button_leveldown", QStringLiteral("レベル-1"));
    connect(up, &QPushButton::clicked, this, [this] { stepLevel(+1); });
    connect(down, &QPushButton::clicked, this, [this] { stepLevel(-1); });

    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("レベル"), this));
    row->addWidget(m_level);
    row->addWidget(up);
    row->addWidget(down);
    row->addSpacing(16);
    row->addWidget(new QLabel(QStringLiteral("性格"), this));
    row->addWidget(m_nature);
    row->addStretch();
    return row;
}

QGridLayout* IvJudgeWindow::buildStatColumns() {
    // Every column as wide as its widest possible text, so that no value or threshold is cut.
    const QFontMetrics metrics(font());
    const int textWidth = std::max(metrics.horizontalAdvance(QStringLiteral(" 31:400～31:400 ")),
                                   metrics.horizontalAdvance(QStringLiteral("999：31～31")));
    auto* grid = new QGridLayout;
    for (int stat = 0; stat < kStatCount; ++stat) {
        StatColumn& column = m_columns[stat];
        auto* label = new QLabel(QString::fromUtf8(kStatLabels[stat]), this);
        label->setAlignment(Qt::AlignCenter);
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
        column.upper = newCombo(this, suffixed("combo_max_", stat));
        column.lower = newCombo(this, suffixed("combo_min_", stat));
        for (int iv = 0; iv <= kMaxIv; ++iv) {
            column.upper->addItem(utf8(upperBoundText(iv)), iv);
            column.lower->addItem(utf8(lowerBoundText(iv)), iv);
        }
        column.upper->setCurrentIndex(kMaxIv);
        column.lower->setCurrentIndex(0);
        grid->addWidget(label, 0, stat);
        grid->addWidget(column.list, 1, stat);
        grid->addWidget(column.evThreshold, 2, stat);
        grid->addWidget(column.upper, 3, stat);
        grid->addWidget(column.lower, 4, stat);
    }
    grid->setRowStretch(1, 1);
    return grid;
}

QLayout* IvJudgeWindow::buildHiddenPowerColumn() {
    m_showHiddenPower = named(new QCheckBox(QStringLiteral("めざパ表示する"), this), QStringLiteral("check_mezapa"));
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
    m_hiddenPowerList->setFixedWidth(metrics.horizontalAdvance(QStringLiteral("ドラゴン  :70-70  ")) +
                                     m_hiddenPowerList->verticalScrollBar()->sizeHint().width() + 12);
    auto* column = new QVBoxLayout;
    column->addWidget(m_showHiddenPower);
    column->addWidget(m_hiddenPowerList, 1);
    return column;
}

QLayout* IvJudgeWindow::buildButtons() {
    auto* output = newButton(this, "button_output", QStringLiteral("個体値出力"));
    auto* reset = newButton(this, "button_reset", QStringLiteral("リセット"));
    auto* hide = newButton(this, "hideButton", QStringLiteral("閉じる"));
    connect(output, &QPushButton::clicked, this, &IvJudgeWindow::copyReport);
    connect(reset, &QPushButton::clicked, this, &IvJudgeWindow::reset);
    connect(hide, &QPushButton::clicked, this, [this] { showTool(ShowCommand::Hide); });
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(output);
    row->addWidget(reset);
    row->addWidget(hide);
    return row;
}

void IvJudgeWindow::connectStatColumn(int stat) {
    StatColumn& column = m_columns[stat];
    // A keyboard move or a press on another row changes the current row; a click on the row that
    // is already current changes nothing but is a pick all the same.
    connect(column.list->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this, stat](const QModelIndex& current) {
                if (m_updating || !current.isValid())
                    return;
                m_columns[stat].pickedOnPress = true;
                pick(stat, current.row());
            });
    connect(column.list, &QListView::clicked, this,
            [this, stat](const QModelIndex& index) { pickByClick(stat, index); });
    for (QComboBox* bound : {column.upper, column.lower})
        connect(bound, &QComboBox::currentIndexChanged, this, [this] {
            if (!m_updating)
                refresh();
        });
}

bool IvJudgeWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress)
        for (StatColumn& column : m_columns)
            if (watched == column.list->viewport())
                column.pickedOnPress = false;
    return ToolWindow::eventFilter(watched, event);
}

void IvJudgeWindow::restoreSettings() {
    FlagScope updating(m_updating);
    const SettingsFile& stored = settings();
    m_rule->setCurrentIndex(storedPosition(stored, "rule", m_rule->count()));
    m_level->setCurrentIndex(storedPosition(stored, "level", m_level->count()));
    m_nature->setCurrentIndex(storedPosition(stored, "seikaku", m_nature->count()));
    fillSpeciesList();
    m_species->setCurrentIndex(storedPosition(stored, "vant", m_species->count()));
}

void IvJudgeWindow::saveSettings() {
    SettingsFile& stored = settings();
    stored.writeSetting(kSection, "rule", std::max(0, m_rule->currentIndex()));
    stored.writeSetting(kSection, "level", std::max(0, m_level->currentIndex()));
    stored.writeSetting(kSection, "seikaku", std::max(0, m_nature->currentIndex()));
    stored.writeSetting(kSection, "vant", std::max(0, m_species->currentIndex()));
}

void IvJudgeWindow::fillSpeciesList() {
    FlagScope updating(m_updating);
    m_species->clear();
    for (int index : judgeSpeciesList(std::max(0, m_rule->currentIndex())))
        m_species->addItem(QString::fromUtf8(speciesName(index)), index);
    m_species->setCurrentIndex(m_species->count() > 0 ? 0 : -1);
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

void IvJudgeWindow::recompute() {
    if (!hasSelection())
        return;
    m_tables = recomputeTables(species(), level(), nature());
    {
        FlagScope updating(m_updating);
        for (int stat = 0; stat < kStatCount; ++stat) {
            m_columns[stat].model->setRows(m_tables.rows[stat]);
            m_columns[stat].advice->setText(utf8(m_tables.adviceTexts[stat]));
        }
    }
    refresh();
}

void IvJudgeWindow::refresh() {
    if (!hasSelection())
        return;
    const JudgeOutput output =
        refreshOutput(m_tables, species(), level(), nature(), ranges(), m_showHiddenPower->isChecked());
    for (int stat = 0; stat < kStatCount; ++stat)
        m_columns[stat].evThreshold->setText(utf8(output.evThresholdTexts[stat]));
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
    {
        FlagScope updating(m_updating);
        if (after.max != before.max)
            column.upper->setCurrentIndex(after.max);
        if (after.min != before.min)
            column.lower->setCurrentIndex(after.min);
    }
    refresh();
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
    {
        FlagScope updating(m_updating);
        m_level->setCurrentIndex(next - 1);
    }
    recompute();
}

void IvJudgeWindow::reset() {
    {
        FlagScope updating(m_updating);
        for (StatColumn& column : m_columns) {
            column.upper->setCurrentIndex(kMaxIv);
            column.lower->setCurrentIndex(0);
            column.list->selectionModel()->clear();
        }
    }
    refresh();
}

void IvJudgeWindow::copyReport() const {
    if (!m_report.empty())
        QGuiApplication::clipboard()->setText(utf8(m_report));
}

} // namespace rusrina
