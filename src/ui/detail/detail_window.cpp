#include "ui/detail/detail_window.h"

#include "data/species.h"
#include "settings/settings_file.h"
#include "ui/common/chooser.h"
#include "ui/common/product_title.h"
#include "ui/common/qt_text.h"
#include "ui/common/table_view.h"
#include "ui/detail/move_list_model.h"
#include "view/common/edition_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace rusrina {
namespace {

constexpr char kSection[] = "DataView";

struct CheckSpec {
    const char* key;
    const char* caption;
};

struct CheckKey {
    SettingKey key;
    const char* caption;
};

constexpr CheckKey ticked(const char* name, const char* caption) {
    return {checkKey(kSection, name, true, Stored::Always), caption};
}

// The species detail window's settings, each key once; the controls are named after their keys.
constexpr struct {
    SettingKey species{kSection, "number", 1, 0, kSpeciesCount - 1, Stored::Always};
    // Methods, the pre-evolution box and the editions.
    CheckKey checks[9] = {ticked("level", "LV"),
                          ticked("mc", QT_TRANSLATE_NOOP("DetailWindow", "マシン")),
                          ticked("eg", QT_TRANSLATE_NOOP("DetailWindow", "遺伝")),
                          ticked("sd", QT_TRANSLATE_NOOP("DetailWindow", "含進化前")),
                          ticked("sp", QT_TRANSLATE_NOOP("DetailWindow", "特殊習得")),
                          ticked("qx", QT_TRANSLATE_NOOP("DetailWindow", "ネリカ")),
                          ticked("zv", QT_TRANSLATE_NOOP("DetailWindow", "オルテア")),
                          ticked("jy", QT_TRANSLATE_NOOP("DetailWindow", "JYJY")),
                          ticked("tk", QT_TRANSLATE_NOOP("DetailWindow", "ヴァルメリア"))};
    SettingKey type = positionKey(kSection, "type", 0, Stored::Always);
    SettingKey category = positionKey(kSection, "spec", 0, Stored::Always);
    SettingKey level = positionKey(kSection, "clevel", 49, Stored::Always); // level 50
} kKeys;
enum CheckIndex { kLevel, kMachine, kEgg, kPreEvolutions, kSpecial, kQX, kZV, kJYJY, kTK };

constexpr CheckSpec kDifferences[] = {{"diff_qxzv", QT_TRANSLATE_NOOP("DetailWindow", "QX-ZV差分")},
                                      {"diff_zvjy", QT_TRANSLATE_NOOP("DetailWindow", "ZV-JYJY差分")},
                                      {"diff_tk", QT_TRANSLATE_NOOP("DetailWindow", "TK以前-TK差分")}};

constexpr const char* kStatHeadings[] = {"HP",
                                         QT_TRANSLATE_NOOP("DetailWindow", "こうげき"),
                                         QT_TRANSLATE_NOOP("DetailWindow", "ぼうぎょ"),
                                         QT_TRANSLATE_NOOP("DetailWindow", "とくこう"),
                                         QT_TRANSLATE_NOOP("DetailWindow", "とくぼう"),
                                         QT_TRANSLATE_NOOP("DetailWindow", "すばやさ")};

QLabel* valueLabel(QWidget* parent, const QString& name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMinimumWidth(48);
    return label;
}

// The width of the longest species name as the name field shows it (after a blank).
int longestSpeciesNameWidth(const QFontMetrics& metrics) {
    int widest = 0;
    for (int species = 0; species < kSpeciesCount; ++species)
        widest = std::max(widest, metrics.horizontalAdvance(QLatin1Char(' ') + toQt(speciesName(species))));
    return widest;
}

// The texts as chooser entries valued at their position.
std::vector<ListChoice> positionChoices(const std::vector<std::string>& texts) {
    return indexedChoices(static_cast<int>(texts.size()), [&texts](int i) { return texts[static_cast<size_t>(i)]; });
}

} // namespace

DetailWindow::DetailWindow(SettingsFile& settings, QWidget* parent) : ToolWindow(settings, kSection, parent) {
    setObjectName(QStringLiteral("detailWindow"));
    setWindowTitle(QCoreApplication::translate("DetailWindow", "%1 バントレ詳細データ").arg(productTitle()));

    auto* summary = new QGridLayout;
    buildSummary(summary);
    auto* hideButton = new QPushButton(QCoreApplication::translate("DetailWindow", "閉じる"), this);
    hideButton->setObjectName(QStringLiteral("hideButton"));
    connect(hideButton, &QPushButton::clicked, this, [this] { showTool(ShowCommand::Hide); });
    auto* toJudge = new QPushButton(QCoreApplication::translate("DetailWindow", "個体値判定へ"), this);
    toJudge->setObjectName(QStringLiteral("button_to_iv_judge"));
    toJudge->setToolTip(QCoreApplication::translate("DetailWindow", "このバントレで個体値Ｖ判定を開きます"));
    connect(toJudge, &QPushButton::clicked, this, [this] { Q_EMIT ivJudgeRequested(m_state.current); });
    auto* toBox = new QPushButton(QCoreApplication::translate("DetailWindow", "ボックスに登録"), this);
    toBox->setObjectName(QStringLiteral("button_to_box"));
    toBox->setToolTip(QCoreApplication::translate("DetailWindow", "このバントレの新しいデータを編集画面で作ります"));
    connect(toBox, &QPushButton::clicked, this, [this] { Q_EMIT newEntryRequested(m_state.current); });
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(toJudge);
    bottom->addWidget(toBox);
    bottom->addStretch();
    bottom->addWidget(toolsButton());
    bottom->addWidget(hideButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(summary);
    layout->addWidget(buildMoveControls());
    layout->addWidget(buildMoveTable(), 1);
    layout->addLayout(bottom);

    restoreSettings();
    resize(760, 720);
}

DetailWindow::~DetailWindow() {
    saveSettings();
}

void DetailWindow::buildSummary(QGridLayout* grid) {
    auto caption = [&](const char* text, int row, int column) {
        grid->addWidget(new QLabel(QCoreApplication::translate("DetailWindow", text), this), row, column);
    };
    caption(QT_TRANSLATE_NOOP("DetailWindow", "名前"), 0, 0);
    m_name = valueLabel(this, "text_name");
    // The longest form names ("デオキシス（ディフェンス）") show whole: the field spans two columns
    // and is at least as wide as the longest name.
    m_name->setMinimumWidth(longestSpeciesNameWidth(m_name->fontMetrics()) + 2 * m_name->frameWidth() + 8);
    grid->addWidget(m_name, 0, 1, 1, 2);
    caption(QT_TRANSLATE_NOOP("DetailWindow", "タイプ"), 0, 3);
    grid->addWidget(m_types[0] = valueLabel(this, "text_type1"), 0, 4);
    grid->addWidget(m_types[1] = valueLabel(this, "text_type2"), 0, 5);

    caption(QT_TRANSLATE_NOOP("DetailWindow", "とくせい"), 1, 0);
    for (int i = 0; i < 3; ++i)
        grid->addWidget(m_abilities[i] = valueLabel(this, QStringLiteral("text_ability%1").arg(i + 1)), 1, 1 + i);
    caption(QT_TRANSLATE_NOOP("DetailWindow", "♀の割合"), 1, 5);
    grid->addWidget(m_femaleRatio = valueLabel(this, "text_female"), 1, 6);

    caption(QT_TRANSLATE_NOOP("DetailWindow", "タマゴグループ"), 2, 0);
    grid->addWidget(m_eggGroups[0] = valueLabel(this, "text_egg1"), 2, 1);
    grid->addWidget(m_eggGroups[1] = valueLabel(this, "text_egg2"), 2, 2);
    caption(QT_TRANSLATE_NOOP("DetailWindow", "孵化歩数"), 2, 5);
    grid->addWidget(m_hatchSteps = valueLabel(this, "text_hatch"), 2, 6);

    m_preEvo1 = new QPushButton(this);
    m_preEvo1->setObjectName(QStringLiteral("button_pre1"));
    m_preEvo2 = new QPushButton(this);
    m_preEvo2->setObjectName(QStringLiteral("button_pre2"));
    connect(m_preEvo1, &QPushButton::clicked, this, [this] {
        if (m_state.preEvo1 != kNoSpeciesSlot)
            display(m_state.preEvo1);
    });
    connect(m_preEvo2, &QPushButton::clicked, this, [this] {
        if (m_state.preEvo2 != kNoSpeciesSlot)
            display(m_state.preEvo2);
    });
    caption(QT_TRANSLATE_NOOP("DetailWindow", "進化前１"), 3, 0);
    grid->addWidget(m_preEvo1, 3, 1);
    caption(QT_TRANSLATE_NOOP("DetailWindow", "進化前２"), 3, 2);
    grid->addWidget(m_preEvo2, 3, 3);

    caption(QT_TRANSLATE_NOOP("DetailWindow", "進化先"), 4, 0);
    m_evolutions = newChooser(this, QStringLiteral("combo_evo"), {.typeToFind = true, .names = ChoiceNames::Species});
    grid->addWidget(m_evolutions, 4, 1, 1, 2);
    auto* showEvolution = new QPushButton(QCoreApplication::translate("DetailWindow", "進化先を表示"), this);
    showEvolution->setObjectName(QStringLiteral("button_evo"));
    connect(showEvolution, &QPushButton::clicked, this, &DetailWindow::showEvolution);
    grid->addWidget(showEvolution, 4, 3);

    buildStats(grid, 5);
}

void DetailWindow::buildStats(QGridLayout* grid, int firstRow) {
    for (int stat = 0; stat < kStatCount; ++stat) {
        auto* heading = new QLabel(QCoreApplication::translate("DetailWindow", kStatHeadings[stat]), this);
        heading->setAlignment(Qt::AlignCenter);
        grid->addWidget(heading, firstRow, 1 + stat);
        grid->addWidget(m_baseStats[stat] = valueLabel(this, QStringLiteral("text_base%1").arg(stat)), firstRow + 1,
                        1 + stat);
        grid->addWidget(m_levelStats[stat] = valueLabel(this, QStringLiteral("text_stat%1").arg(stat)), firstRow + 2,
                        1 + stat);
        m_baseStats[stat]->setAlignment(Qt::AlignCenter);
        m_levelStats[stat]->setAlignment(Qt::AlignCenter);
    }
    grid->addWidget(new QLabel(QCoreApplication::translate("DetailWindow", "種族値"), this), firstRow + 1, 0);
    m_level = newChooser(this, toQt(kKeys.level.name));
    std::vector<ListChoice> levels;
    for (int level = 1; level <= kMaxLevel; ++level)
        levels.push_back({levelChoiceText(level), level});
    fillChooser(*m_level, std::move(levels));
    m_level->setToolTip(
        QCoreApplication::translate("DetailWindow", "このレベルでの能力値（個体値0・努力値0・性格補正なし）"));
    grid->addWidget(m_level, firstRow + 2, 0);

    grid->addWidget(new QLabel(QCoreApplication::translate("DetailWindow", "耐性"), this), firstRow + 3, 0);
    grid->addWidget(m_resistance = valueLabel(this, "text_resist"), firstRow + 3, 1, 1, kStatCount);
    grid->addWidget(new QLabel(QCoreApplication::translate("DetailWindow", "弱点"), this), firstRow + 4, 0);
    grid->addWidget(m_weakness = valueLabel(this, "text_weak"), firstRow + 4, 1, 1, kStatCount);
    for (int column = 1; column <= kStatCount; ++column)
        grid->setColumnStretch(column, 1);
}

QWidget* DetailWindow::buildMoveControls() {
    auto* box = new QWidget(this);
    auto* methods = new QHBoxLayout;
    methods->setContentsMargins(0, 0, 0, 0);
    for (size_t i = 0; i < m_checks.size(); ++i) {
        m_checks[i] = new QCheckBox(QCoreApplication::translate("DetailWindow", kKeys.checks[i].caption), box);
        m_checks[i]->setObjectName(toQt(kKeys.checks[i].key.name));
        if (i >= kQX)
            m_checks[i]->setToolTip(toQt(editionToolTip(static_cast<int>(i) - kQX)));
        if (i == kQX)
            methods->addSpacing(16);
        methods->addWidget(m_checks[i]);
        connect(m_checks[i], &QCheckBox::toggled, this, &DetailWindow::refresh);
    }
    methods->addStretch();

    auto* filters = new QHBoxLayout;
    filters->setContentsMargins(0, 0, 0, 0);
    filters->addWidget(new QLabel(QCoreApplication::translate("DetailWindow", "分類"), box));
    m_category = newChooser(box, toQt(kKeys.category.name));
    fillChooser(*m_category, positionChoices(categoryFilterEntries()));
    filters->addWidget(m_category);
    filters->addWidget(new QLabel(QCoreApplication::translate("DetailWindow", "タイプ"), box));
    m_type = newChooser(box, toQt(kKeys.type.name));
    fillChooser(*m_type, positionChoices(typeFilterEntries()));
    filters->addWidget(m_type);
    filters->addSpacing(16);
    for (size_t i = 0; i < m_differences.size(); ++i) {
        m_differences[i] = new QCheckBox(QCoreApplication::translate("DetailWindow", kDifferences[i].caption), box);
        m_differences[i]->setObjectName(toQt(kDifferences[i].key));
        m_differences[i]->setToolTip(toQt(differenceToolTip(static_cast<int>(i))));
        filters->addWidget(m_differences[i]);
        connect(m_differences[i], &QCheckBox::toggled, this, &DetailWindow::differenceToggled);
    }
    filters->addStretch();

    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(methods);
    layout->addLayout(filters);
    return box;
}

QTableView* DetailWindow::buildMoveTable() {
    m_model = new MoveListModel(this);
    m_moveTable = newRowTable(this, QStringLiteral("moveList"), m_model);
    m_moveTable->horizontalHeader()->setSectionsClickable(true);
    const QFontMetrics metrics = m_moveTable->fontMetrics();
    for (int column = 0; column < kMoveListColumns; ++column)
        m_moveTable->setColumnWidth(column, MoveListModel::fittedColumnWidth(column, metrics));
    connect(m_moveTable->horizontalHeader(), &QHeaderView::sectionClicked, this, &DetailWindow::sortByColumn);
    return m_moveTable;
}

void DetailWindow::restoreSettings() {
    const SettingsFile& file = settings();
    // Filled while every control is quiet, then shown once.
    for (size_t i = 0; i < m_checks.size(); ++i) {
        const QSignalBlocker block(m_checks[i]);
        m_checks[i]->setChecked(file.read(kKeys.checks[i].key) != 0);
    }
    restoreChooser(*m_type, file, kKeys.type);
    restoreChooser(*m_category, file, kKeys.category);
    restoreChooser(*m_level, file, kKeys.level);
    connect(m_level, &QComboBox::currentIndexChanged, this, &DetailWindow::refresh);
    connect(m_category, &QComboBox::currentIndexChanged, this, &DetailWindow::refresh);
    connect(m_type, &QComboBox::currentIndexChanged, this, &DetailWindow::refresh);

    display(file.read(kKeys.species));
}

void DetailWindow::saveSettings() {
    SettingsFile& file = settings();
    file.write(kKeys.species, m_state.current);
    for (size_t i = 0; i < m_checks.size(); ++i)
        file.write(kKeys.checks[i].key, m_checks[i]->isChecked() ? 1 : 0);
    storeChooser(file, kKeys.type, *m_type);
    storeChooser(file, kKeys.category, *m_category);
    storeChooser(file, kKeys.level, *m_level);
}

void DetailWindow::showSpecies(int species) {
    if (species >= 0 && species < kSpeciesCount)
        display(species);
    bringForward();
}

void DetailWindow::display(int species) {
    m_state = detailViewState(species);
    const SpeciesSummary summary = speciesSummary(m_state, levelFromPosition(m_level->currentIndex()));

    fillChooser(*m_evolutions, positionChoices(summary.evolutions));
    m_name->setText(toQt(summary.name));
    m_types[0]->setText(toQt(summary.type1));
    m_types[1]->setText(toQt(summary.type2));
    m_eggGroups[0]->setText(toQt(summary.eggGroup1));
    m_eggGroups[1]->setText(toQt(summary.eggGroup2));
    m_preEvo1->setText(toQt(summary.preEvo1));
    m_preEvo2->setText(toQt(summary.preEvo2));
    m_abilities[0]->setText(toQt(summary.ability1));
    m_abilities[1]->setText(toQt(summary.ability2));
    m_abilities[2]->setText(toQt(summary.hiddenAbility));
    m_resistance->setText(toQt(summary.resistance));
    m_weakness->setText(toQt(summary.weakness));
    m_hatchSteps->setText(toQt(summary.hatchSteps));
    m_femaleRatio->setText(toQt(summary.femaleRatio));
    for (int stat = 0; stat < kStatCount; ++stat) {
        m_baseStats[stat]->setText(toQt(summary.baseStats[stat]));
        m_levelStats[stat]->setText(toQt(summary.statsAtLevel[stat]));
    }
    m_model->setRows(moveList(m_state, moveListOptions()));
    m_moveTable->setColumnWidth(1, m_model->methodColumnWidth(m_moveTable->fontMetrics()));
}

void DetailWindow::showEvolution() {
    const int position = m_evolutions->currentIndex();
    if (position < 0 || position >= kEvolutionSlots)
        return;
    const int species = m_state.evolutions[static_cast<size_t>(position)];
    if (species != kNoSpeciesSlot)
        display(species);
}

void DetailWindow::differenceToggled() {
    int checked = -1;
    for (size_t i = 0; i < m_differences.size(); ++i) {
        if (m_differences[i]->isChecked())
            checked = static_cast<int>(i);
    }
    // While one view of differences is on, the method, edition and other difference boxes do
    // nothing, so they are greyed out; their check states stay as they were.
    for (QCheckBox* box : m_checks)
        box->setEnabled(checked < 0);
    for (size_t i = 0; i < m_differences.size(); ++i)
        m_differences[i]->setEnabled(checked < 0 || checked == static_cast<int>(i));
    refresh();
}

void DetailWindow::sortByColumn(int column) {
    m_model->sortRows(column, m_sortState.click(column));
}

MoveListOptions DetailWindow::moveListOptions() const {
    MoveListOptions options;
    options.byLevel = m_checks[kLevel]->isChecked();
    options.byMachine = m_checks[kMachine]->isChecked();
    options.byEgg = m_checks[kEgg]->isChecked();
    options.withPreEvolutions = m_checks[kPreEvolutions]->isChecked();
    options.bySpecial = m_checks[kSpecial]->isChecked();
    options.inQX = m_checks[kQX]->isChecked();
    options.inZV = m_checks[kZV]->isChecked();
    options.inJYJY = m_checks[kJYJY]->isChecked();
    options.inTK = m_checks[kTK]->isChecked();
    constexpr DifferenceMode kModes[] = {DifferenceMode::QxZv, DifferenceMode::ZvJyjy, DifferenceMode::TkOlder};
    for (size_t i = 0; i < m_differences.size(); ++i) {
        if (m_differences[i]->isChecked())
            options.difference = kModes[i];
    }
    options.categoryPosition = m_category->currentIndex();
    options.typePosition = m_type->currentIndex();
    return options;
}

} // namespace rusrina
