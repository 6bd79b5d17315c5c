#include "ui/search/search_window.h"

#include "settings/settings_file.h"
#include "ui/common/chooser.h"
#include "ui/common/product_title.h"
#include "ui/common/qt_text.h"
#include "ui/common/table_view.h"
#include "ui/search/search_result_model.h"
#include "view/common/edition_text.h"
#include "view/search/search_summary.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>
#include <string>

namespace rusrina {
namespace {

constexpr char kSection[] = "Search";

constexpr SettingKey criterion(const char* name) {
    return positionKey(kSection, name, 0, Stored::Always);
}

constexpr SettingKey ticked(const char* name, bool on = false) {
    return checkKey(kSection, name, on, Stored::Always);
}

// The search window's settings: every criterion as it was left, each key once. The choosers and
// check boxes are named after their keys.
constexpr struct {
    SettingKey anyOf = ticked("radio_w1", true);
    SettingKey allOf = ticked("radio_w2");
    SettingKey methods[4] = {ticked("check_level"), ticked("check_iden"), ticked("check_mw"), ticked("check_osie")};
    SettingKey editions[4] = {ticked("check_qx"), ticked("check_zv"), ticked("check_jy"), ticked("check_tk")};
    SettingKey atMost[6] = {criterion("combo_u1"), criterion("combo_u2"), criterion("combo_u3"),
                            criterion("combo_u4"), criterion("combo_u5"), criterion("combo_u6")};
    SettingKey atLeast[6] = {criterion("combo_l1"), criterion("combo_l2"), criterion("combo_l3"),
                             criterion("combo_l4"), criterion("combo_l5"), criterion("combo_l6")};
    SettingKey type1 = criterion("combo_t1");
    SettingKey type2 = criterion("combo_t2");
    SettingKey moveTypes[4] = {criterion("combo_wt1"), criterion("combo_wt2"), criterion("combo_wt3"),
                               criterion("combo_wt4")};
    SettingKey moves[4] = {criterion("combo_wn1"), criterion("combo_wn2"), criterion("combo_wn3"),
                           criterion("combo_wn4")};
    SettingKey ability = criterion("combo_t3");
    SettingKey eggGroup = criterion("combo_t4");
    SettingKey rule = criterion("combo_r1");
} kKeys;

const char* const kStatLabels[6] = {"HP",
                                    QT_TRANSLATE_NOOP("SearchWindow", "こうげき"),
                                    QT_TRANSLATE_NOOP("SearchWindow", "ぼうぎょ"),
                                    QT_TRANSLATE_NOOP("SearchWindow", "すばやさ"),
                                    QT_TRANSLATE_NOOP("SearchWindow", "とくこう"),
                                    QT_TRANSLATE_NOOP("SearchWindow", "とくぼう")};
const char* const kMethodCaptions[4] = {
    QT_TRANSLATE_NOOP("SearchWindow", "LV技"), QT_TRANSLATE_NOOP("SearchWindow", "遺伝技"),
    QT_TRANSLATE_NOOP("SearchWindow", "技マシン"), QT_TRANSLATE_NOOP("SearchWindow", "教え技")};
const char* const kEditionCaptions[4] = {
    QT_TRANSLATE_NOOP("SearchWindow", "ネリカ"), QT_TRANSLATE_NOOP("SearchWindow", "オルテア"),
    QT_TRANSLATE_NOOP("SearchWindow", "JYJY"), QT_TRANSLATE_NOOP("SearchWindow", "ヴァルメリア")};
const char* const kMoveRowLabels[4] = {
    QT_TRANSLATE_NOOP("SearchWindow", "わざ１"), QT_TRANSLATE_NOOP("SearchWindow", "わざ２"),
    QT_TRANSLATE_NOOP("SearchWindow", "わざ３"), QT_TRANSLATE_NOOP("SearchWindow", "わざ４")};
const char* const kMoveFieldHeadings[kMoveFieldCount] = {
    QT_TRANSLATE_NOOP("SearchWindow", "威力"), QT_TRANSLATE_NOOP("SearchWindow", "命中"),
    QT_TRANSLATE_NOOP("SearchWindow", "回数"), QT_TRANSLATE_NOOP("SearchWindow", "分類"),
    QT_TRANSLATE_NOOP("SearchWindow", "対象"), QT_TRANSLATE_NOOP("SearchWindow", "効果")};
// The widest text each move field shows, to size it.
const char* const kMoveFieldWidest[kMoveFieldCount] = {
    "000", "000", "00", QT_TRANSLATE_NOOP("SearchWindow", "変化"), QT_TRANSLATE_NOOP("SearchWindow", "相手ランダム"),
    " 000"};

std::string numberedKey(const char* stem, int index) {
    return stem + std::to_string(index + 1);
}

QComboBox* criterionChooser(QWidget* parent, std::string_view name, int minimumChars = 0,
                            ChoiceNames findNames = ChoiceNames::None) {
    return newChooser(parent, toQt(name),
                      {.visibleItems = 20,
                       .minimumChars = minimumChars,
                       .typeToFind = findNames != ChoiceNames::None,
                       .names = findNames});
}

QPushButton* newClearButton(QWidget* parent, const char* name) {
    auto* button = new QPushButton(QCoreApplication::translate("SearchWindow", "条件クリア"), parent);
    button->setObjectName(toQt(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

SearchWindow::SearchWindow(SettingsFile& settings, QWidget* parent)
    : ToolWindow(settings, QString::fromLatin1(kSection), parent) {
    setObjectName(QStringLiteral("searchWindow"));
    setWindowTitle(QCoreApplication::translate("SearchWindow", "%1 バントレ絞込み検索").arg(productTitle()));

    auto* closeButton = new QPushButton(QCoreApplication::translate("SearchWindow", "検索終了"), this);
    closeButton->setObjectName(QStringLiteral("hideButton"));
    closeButton->setAutoDefault(false);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);

    auto* side = new QVBoxLayout;
    side->addWidget(buildRuleGroup());
    side->addStretch();
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch();
    closeRow->addWidget(toolsButton());
    closeRow->addWidget(closeButton);
    side->addLayout(closeRow);

    auto* top = new QHBoxLayout;
    top->addWidget(buildStatGroup());
    top->addWidget(buildTypeGroup());
    top->addStretch();
    auto* middle = new QHBoxLayout;
    middle->addWidget(buildMoveGroup());
    middle->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(middle);
    layout->addLayout(buildResultLine());
    layout->addWidget(buildResultView(), 1);

    restoreSettings();
    connectCriteria();
    search();
    // The window opens ready for a name.
    m_nameField->setFocus();
}

SearchWindow::~SearchWindow() {
    saveSettings();
}

QGroupBox* SearchWindow::buildStatGroup() {
    auto* group = new QGroupBox(QCoreApplication::translate("SearchWindow", "種族値による絞込み"), this);
    auto* grid = new QGridLayout(group);
    const auto atMost = statAtMostEntries();
    const auto atLeast = statAtLeastEntries();
    for (int i = 0; i < 6; ++i) {
        grid->addWidget(new QLabel(QCoreApplication::translate("SearchWindow", kStatLabels[i]), group), 0, i,
                        Qt::AlignCenter);
        m_atMost[i] = criterionChooser(group, kKeys.atMost[i].name);
        m_atLeast[i] = criterionChooser(group, kKeys.atLeast[i].name);
        fillChooser(*m_atMost[i], atMost);
        fillChooser(*m_atLeast[i], atLeast);
        grid->addWidget(m_atMost[i], 1, i);
        grid->addWidget(m_atLeast[i], 2, i);
    }
    auto* clear = newClearButton(group, "button_clear_stats");
    connect(clear, &QPushButton::clicked, this, &SearchWindow::clearStats);
    grid->addWidget(clear, 3, 0, 1, 6, Qt::AlignRight);
    return group;
}

QGroupBox* SearchWindow::buildTypeGroup() {
    auto* group = new QGroupBox(
        QCoreApplication::translate("SearchWindow", "タイプ・とくせい・たまごグループによる絞込み"), this);
    auto* grid = new QGridLayout(group);
    m_type1 = criterionChooser(group, kKeys.type1.name);
    m_type2 = criterionChooser(group, kKeys.type2.name);
    m_ability = criterionChooser(group, kKeys.ability.name, 0, ChoiceNames::Abilities);
    m_eggGroup = criterionChooser(group, kKeys.eggGroup.name);
    const auto types = typeChooserEntries();
    fillChooser(*m_type1, types);
    fillChooser(*m_type2, types);
    fillChooser(*m_ability, abilityChooserEntries());
    fillChooser(*m_eggGroup, eggGroupChooserEntries());
    const std::pair<const char*, QComboBox*> rows[] = {
        {QT_TRANSLATE_NOOP("SearchWindow", "タイプ１"), m_type1},
        {QT_TRANSLATE_NOOP("SearchWindow", "タイプ２"), m_type2},
        {QT_TRANSLATE_NOOP("SearchWindow", "とくせい"), m_ability},
        {QT_TRANSLATE_NOOP("SearchWindow", "たまごグループ"), m_eggGroup}};
    for (int i = 0; i < 4; ++i) {
        grid->addWidget(new QLabel(QCoreApplication::translate("SearchWindow", rows[i].first), group), i / 2,
                        (i % 2) * 2);
        grid->addWidget(rows[i].second, i / 2, (i % 2) * 2 + 1);
    }
    auto* clear = newClearButton(group, "button_clear_types");
    connect(clear, &QPushButton::clicked, this, &SearchWindow::clearTypes);
    grid->addWidget(clear, 2, 0, 1, 4, Qt::AlignRight);
    return group;
}

QGroupBox* SearchWindow::buildMoveGroup() {
    auto* group = new QGroupBox(QCoreApplication::translate("SearchWindow", "わざによる絞込み"), this);
    m_anyOf = new QRadioButton(QCoreApplication::translate("SearchWindow", "OR指定"), group);
    m_anyOf->setObjectName(QStringLiteral("radio_w1"));
    m_allOf = new QRadioButton(QCoreApplication::translate("SearchWindow", "AND指定"), group);
    m_allOf->setObjectName(QStringLiteral("radio_w2"));
    m_moveMode = new QButtonGroup(group);
    m_moveMode->addButton(m_anyOf);
    m_moveMode->addButton(m_allOf);

    auto* options = new QHBoxLayout;
    options->addWidget(m_anyOf);
    options->addWidget(m_allOf);
    options->addSpacing(12);
    for (int i = 0; i < 4; ++i) {
        m_methods[i] = new QCheckBox(QCoreApplication::translate("SearchWindow", kMethodCaptions[i]), group);
        m_methods[i]->setObjectName(toQt(kKeys.methods[i].name));
        options->addWidget(m_methods[i]);
    }
    options->addSpacing(12);
    for (int i = 0; i < 4; ++i) {
        m_editions[i] = new QCheckBox(QCoreApplication::translate("SearchWindow", kEditionCaptions[i]), group);
        m_editions[i]->setObjectName(toQt(kKeys.editions[i].name));
        m_editions[i]->setToolTip(toQt(editionToolTip(i)));
        options->addWidget(m_editions[i]);
    }
    options->addStretch();

    auto* clear = newClearButton(group, "button_clear_moves");
    connect(clear, &QPushButton::clicked, this, &SearchWindow::clearMoves);
    auto* layout = new QVBoxLayout(group);
    layout->addLayout(options);
    layout->addWidget(buildMoveRows());
    layout->addWidget(clear, 0, Qt::AlignRight);
    return group;
}

QWidget* SearchWindow::buildMoveRows() {
    auto* rows = new QWidget(this);
    auto* grid = new QGridLayout(rows);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel(QCoreApplication::translate("SearchWindow", "タイプ"), rows), 0, 1, Qt::AlignCenter);
    grid->addWidget(new QLabel(QCoreApplication::translate("SearchWindow", "わざ名称"), rows), 0, 2, Qt::AlignCenter);
    for (int f = 0; f < kMoveFieldCount; ++f)
        grid->addWidget(new QLabel(QCoreApplication::translate("SearchWindow", kMoveFieldHeadings[f]), rows), 0, 3 + f,
                        Qt::AlignCenter);
    const auto types = typeChooserEntries();
    for (int k = 0; k < kMoveRows; ++k) {
        MoveRow& row = m_moveRows[k];
        grid->addWidget(new QLabel(QCoreApplication::translate("SearchWindow", kMoveRowLabels[k]), rows), k + 1, 0);
        row.type = criterionChooser(rows, kKeys.moveTypes[k].name);
        fillChooser(*row.type, types);
        row.move = criterionChooser(rows, kKeys.moves[k].name, 16,
                                    ChoiceNames::Moves); // about eight full-width characters
        grid->addWidget(row.type, k + 1, 1);
        grid->addWidget(row.move, k + 1, 2);
        for (int f = 0; f < kMoveFieldCount; ++f) {
            auto* field = new QLineEdit(rows);
            field->setObjectName(toQt(numberedKey("field_w", k) + "_" + std::to_string(f + 1)));
            field->setReadOnly(true);
            field->setFocusPolicy(Qt::NoFocus);
            const int textWidth = field->fontMetrics().horizontalAdvance(
                QCoreApplication::translate("SearchWindow", kMoveFieldWidest[f]));
            field->setFixedWidth(textWidth + 16);
            row.fields[f] = field;
            grid->addWidget(field, k + 1, 3 + f);
        }
    }
    return rows;
}

QGroupBox* SearchWindow::buildRuleGroup() {
    auto* group = new QGroupBox(QCoreApplication::translate("SearchWindow", "対戦ルール"), this);
    m_rule = criterionChooser(group, kKeys.rule.name);
    fillChooser(*m_rule, ruleChooserEntries());
    auto* layout = new QHBoxLayout(group);
    layout->addWidget(new QLabel(QCoreApplication::translate("SearchWindow", "成長段階"), group));
    layout->addWidget(m_rule, 1);
    return group;
}

QTableView* SearchWindow::buildResultView() {
    m_model = new SearchResultModel(this);
    m_resultView = newRowTable(this, QStringLiteral("list_result"), m_model);
    m_resultView->setSortingEnabled(false); // header clicks follow the list's own three-click rule
    QHeaderView* header = m_resultView->horizontalHeader();
    header->setSectionsClickable(true);
    header->setStretchLastSection(false);
    int totalWidth = 0;
    for (int c = 0; c < kResultColumnCount; ++c) {
        m_resultView->setColumnWidth(c, kResultColumns[c].width);
        totalWidth += kResultColumns[c].width;
    }
    m_resultView->setMinimumSize(
        totalWidth + 2 * m_resultView->frameWidth() + m_resultView->verticalScrollBar()->sizeHint().width(), 240);
    // Cell padding on both sides of the text.
    constexpr int kCellPadding = 8;
    m_model->setNameRoom(kResultColumns[kNameColumn].width - kCellPadding, m_resultView->fontMetrics());
    connect(header, &QHeaderView::sectionClicked, this, &SearchWindow::sortByColumn);
    connect(m_resultView, &QTableView::doubleClicked, this, &SearchWindow::openSpecies);
    m_resultView->installEventFilter(this);
    return m_resultView;
}

// The name field, "663 件", and beside it, when nothing is listed, why.
QLayout* SearchWindow::buildResultLine() {
    m_nameField = new QLineEdit(this);
    m_nameField->setObjectName(QStringLiteral("edit_find_name"));
    m_nameField->setPlaceholderText(QCoreApplication::translate("SearchWindow", "名前で探す"));
    m_nameField->setToolTip(
        QCoreApplication::translate("SearchWindow", "カタカナ・ひらがな・半角カナ・英語名の一部で一覧の行を選びます。\n"
                                                    "↓↑で次・前の該当行、Enterで図鑑詳細を開きます。"));
    m_nameField->setClearButtonEnabled(true);
    m_nameField->setMinimumWidth(m_nameField->fontMetrics().horizontalAdvance(
        QCoreApplication::translate("SearchWindow", "デオキシス（アタック）")));
    m_nameField->installEventFilter(this);
    connect(m_nameField, &QLineEdit::textChanged, this, &SearchWindow::findByName);
    connect(m_nameField, &QLineEdit::returnPressed, this, [this] { openSpecies(m_resultView->currentIndex()); });
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("label_count"));
    m_reason = new QLabel(this);
    m_reason->setObjectName(QStringLiteral("label_reason"));
    QPalette palette = m_reason->palette();
    palette.setColor(QPalette::WindowText, QColor(0xb0, 0x20, 0x20));
    m_reason->setPalette(palette);
    auto* line = new QHBoxLayout;
    line->addWidget(m_nameField);
    line->addSpacing(16);
    line->addWidget(m_count);
    line->addSpacing(16);
    line->addWidget(m_reason, 1);
    return line;
}

void SearchWindow::connectCriteria() {
    const auto rerun = [this] { search(); };
    for (int i = 0; i < 6; ++i) {
        connect(m_atMost[i], &QComboBox::currentIndexChanged, this, rerun);
        connect(m_atLeast[i], &QComboBox::currentIndexChanged, this, rerun);
    }
    for (QComboBox* chooser : {m_type1, m_type2, m_ability, m_eggGroup, m_rule})
        connect(chooser, &QComboBox::currentIndexChanged, this, rerun);
    // Only the button that becomes checked reruns: a switch touches both.
    connect(m_moveMode, &QButtonGroup::buttonToggled, this, [this](QAbstractButton*, bool checked) {
        if (checked)
            search();
    });
    for (int i = 0; i < 4; ++i) {
        connect(m_methods[i], &QCheckBox::toggled, this, rerun);
        connect(m_editions[i], &QCheckBox::toggled, this, rerun);
    }
    for (int k = 0; k < kMoveRows; ++k) {
        connect(m_moveRows[k].type, &QComboBox::currentIndexChanged, this, [this, k] { moveTypeChanged(k); });
        connect(m_moveRows[k].move, &QComboBox::currentIndexChanged, this, [this, k] {
            updateMoveFields(k);
            search();
        });
    }
}

void SearchWindow::restoreSettings() {
    const SettingsFile& s = settings();
    // A file with neither or both mode buttons set (edited by hand) searches with OR, the default.
    const bool allOf = s.read(kKeys.allOf) != 0 && s.read(kKeys.anyOf) == 0;
    (allOf ? m_allOf : m_anyOf)->setChecked(true);
    for (int i = 0; i < 4; ++i) {
        m_methods[i]->setChecked(s.read(kKeys.methods[i]) != 0);
        m_editions[i]->setChecked(s.read(kKeys.editions[i]) != 0);
    }
    for (int i = 0; i < 6; ++i) {
        restoreChooser(*m_atMost[i], s, kKeys.atMost[i]);
        restoreChooser(*m_atLeast[i], s, kKeys.atLeast[i]);
    }
    restoreChooser(*m_type1, s, kKeys.type1);
    restoreChooser(*m_type2, s, kKeys.type2);
    // The stored move position counts within the list its stored type leaves.
    for (int k = 0; k < kMoveRows; ++k) {
        restoreChooser(*m_moveRows[k].type, s, kKeys.moveTypes[k]);
        fillMoveChooser(k);
        restoreChooser(*m_moveRows[k].move, s, kKeys.moves[k]);
        updateMoveFields(k);
    }
    restoreChooser(*m_ability, s, kKeys.ability);
    restoreChooser(*m_eggGroup, s, kKeys.eggGroup);
    restoreChooser(*m_rule, s, kKeys.rule);
}

void SearchWindow::saveSettings() const {
    SettingsFile& s = settings();
    s.write(kKeys.anyOf, m_anyOf->isChecked() ? 1 : 0);
    s.write(kKeys.allOf, m_allOf->isChecked() ? 1 : 0);
    for (int i = 0; i < 4; ++i) {
        s.write(kKeys.methods[i], m_methods[i]->isChecked() ? 1 : 0);
        s.write(kKeys.editions[i], m_editions[i]->isChecked() ? 1 : 0);
    }
    for (int i = 0; i < 6; ++i) {
        storeChooser(s, kKeys.atMost[i], *m_atMost[i]);
        storeChooser(s, kKeys.atLeast[i], *m_atLeast[i]);
    }
    storeChooser(s, kKeys.type1, *m_type1);
    storeChooser(s, kKeys.type2, *m_type2);
    for (int k = 0; k < kMoveRows; ++k) {
        storeChooser(s, kKeys.moveTypes[k], *m_moveRows[k].type);
        storeChooser(s, kKeys.moves[k], *m_moveRows[k].move);
    }
    storeChooser(s, kKeys.ability, *m_ability);
    storeChooser(s, kKeys.eggGroup, *m_eggGroup);
    storeChooser(s, kKeys.rule, *m_rule);
}

void SearchWindow::fillMoveChooser(int row) {
    fillChooser(*m_moveRows[row].move, moveChooserEntries(chosenValue(*m_moveRows[row].type, 0)));
}

void SearchWindow::updateMoveFields(int row) {
    const auto texts = moveFieldTexts(chosenValue(*m_moveRows[row].move, NO_MOVE));
    for (int f = 0; f < kMoveFieldCount; ++f)
        m_moveRows[row].fields[f]->setText(toQt(texts[f]));
}

void SearchWindow::moveTypeChanged(int row) {
    fillMoveChooser(row);
    updateMoveFields(row);
    search();
}

// Each clear sets its controls quietly and then searches once.
void SearchWindow::clearStats() {
    for (int i = 0; i < 6; ++i) {
        selectQuietly(*m_atMost[i], 0);
        selectQuietly(*m_atLeast[i], 0);
    }
    search();
}

void SearchWindow::clearTypes() {
    for (QComboBox* chooser : {m_type1, m_type2, m_ability, m_eggGroup})
        selectQuietly(*chooser, 0);
    search();
}

void SearchWindow::clearMoves() {
    for (int k = 0; k < kMoveRows; ++k) {
        selectQuietly(*m_moveRows[k].type, 0);
        fillMoveChooser(k);
        updateMoveFields(k);
    }
    search();
}

SearchChoices SearchWindow::currentChoices() const {
    SearchChoices c;
    for (int i = 0; i < 6; ++i) {
        c.atMost[i] = chosenValue(*m_atMost[i], kAnyStatMax);
        c.atLeast[i] = chosenValue(*m_atLeast[i], 0);
    }
    c.type1Value = chosenValue(*m_type1, 0);
    c.type2Value = chosenValue(*m_type2, 0);
    c.abilityIndex = m_ability->currentIndex() < 0 ? 0 : m_ability->currentIndex();
    c.eggGroupValue = chosenValue(*m_eggGroup, 0);
    c.rule = m_rule->currentIndex() < 0 ? 0 : m_rule->currentIndex();
    for (int k = 0; k < kMoveRows; ++k)
        c.moves[k] = chosenValue(*m_moveRows[k].move, NO_MOVE);
    c.anyOf = m_anyOf->isChecked();
    c.byLevel = m_methods[0]->isChecked();
    c.byEgg = m_methods[1]->isChecked();
    c.byMachine = m_methods[2]->isChecked();
    c.byTutor = m_methods[3]->isChecked();
    c.inQX = m_editions[0]->isChecked();
    c.inZV = m_editions[1]->isChecked();
    c.inJYJY = m_editions[2]->isChecked();
    c.inTK = m_editions[3]->isChecked();
    return c;
}

void SearchWindow::search() {
    const SearchCriteria criteria = criteriaFromChoices(currentChoices());
    m_model->setRows(runSearch(criteria));
    const size_t count = m_model->rows().size();
    m_count->setText(toQt(resultCountText(count)));
    m_reason->setText(count == 0 ? toQt(emptyResultReason(criteria)) : QString());
    findByName();
}

void SearchWindow::sortByColumn(int column) {
    const bool descending = m_sortState.click(column);
    std::vector<int> rows = m_model->rows();
    sortResultRows(rows, column, descending);
    m_model->setRows(std::move(rows));
    findByName();
}

void SearchWindow::openSpecies(const QModelIndex& index) {
    if (!index.isValid())
        return;
    const int species = m_model->speciesAt(index.row());
    if (species < 0)
        return;
    Q_EMIT speciesRequested(species);
}

// Text that finds nothing clears the selection and shows red, so that Enter opens nothing stale.
void SearchWindow::findByName() {
    if (!m_nameField)
        return;
    const std::string typed = fromQt(m_nameField->text());
    m_found = rowsFoundByName(m_model->rows(), typed);
    const bool missed = m_found.empty() && !typed.empty();
    QPalette palette = m_nameField->palette();
    palette.setColor(QPalette::Text, missed ? QColor(0xb0, 0x20, 0x20) : QApplication::palette().color(QPalette::Text));
    m_nameField->setPalette(palette);
    if (!typed.empty())
        selectResultRow(bestFoundRow(m_model->rows(), m_found, typed));
}

// Down and Up go to the next and the previous row the name finds, wrapping round.
void SearchWindow::stepFound(int step) {
    if (m_found.empty())
        return;
    const int current = m_resultView->currentIndex().row();
    int row = step > 0 ? m_found.front() : m_found.back();
    if (step > 0) {
        if (auto next = std::upper_bound(m_found.begin(), m_found.end(), current); next != m_found.end())
            row = *next;
    } else if (auto at = std::lower_bound(m_found.begin(), m_found.end(), current); at != m_found.begin()) {
        row = *std::prev(at);
    }
    selectResultRow(row);
}

void SearchWindow::selectResultRow(int row) {
    if (row < 0) {
        m_resultView->clearSelection();
        m_resultView->setCurrentIndex({});
        return;
    }
    const QModelIndex index = m_model->index(row, kNameColumn);
    m_resultView->setCurrentIndex(index);
    m_resultView->selectRow(row);
    m_resultView->scrollTo(index);
}

bool SearchWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return ToolWindow::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (watched == m_nameField && (key == Qt::Key_Down || key == Qt::Key_Up)) {
        stepFound(key == Qt::Key_Down ? 1 : -1);
        return true;
    }
    if (watched == m_resultView && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        openSpecies(m_resultView->currentIndex());
        return true;
    }
    return ToolWindow::eventFilter(watched, event);
}

} // namespace rusrina
