#include "box/box.h"
#include "calc/hp_marks.h"

#include "ui/edit/entry_edit_window.h"

#include "data/battle_rules.h"
#include "data/natures.h"
#include "settings/settings_file.h"
#include "ui/common/chooser.h"
#include "ui/common/dialogs.h"
#include "ui/common/product_title.h"
#include "ui/common/qt_text.h"
#include "ui/common/status_line.h"
#include "ui/session/box_document.h"
#include "view/edit/entry_edit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace rusrina {
namespace {

constexpr char kSection[] = "DataEdit";

// The edit form's settings, each key once.
constexpr struct {
    SettingKey rule = positionKey(kSection, "rule", 0, Stored::Always);
    SettingKey level = positionKey(kSection, "level", 0, Stored::Always);
} kKeys;

const char* const kStatCaptions[6] = {"HP",
                                      QT_TRANSLATE_NOOP("EntryEditWindow", "攻撃"),
                                      QT_TRANSLATE_NOOP("EntryEditWindow", "防御"),
                                      QT_TRANSLATE_NOOP("EntryEditWindow", "特攻"),
                                      QT_TRANSLATE_NOOP("EntryEditWindow", "特防"),
                                      QT_TRANSLATE_NOOP("EntryEditWindow", "素早")};
const char* const kMoveCaptions[7] = {
    QT_TRANSLATE_NOOP("EntryEditWindow", "タイプ"), QT_TRANSLATE_NOOP("EntryEditWindow", "わざ名称"),
    QT_TRANSLATE_NOOP("EntryEditWindow", "威力"),   QT_TRANSLATE_NOOP("EntryEditWindow", "命中"),
    QT_TRANSLATE_NOOP("EntryEditWindow", "回数"),   QT_TRANSLATE_NOOP("EntryEditWindow", "分類"),
    QT_TRANSLATE_NOOP("EntryEditWindow", "対象")};
const char* const kInfoNames[5] = {"power", "accuracy", "pp", "category", "target"};
const char* const kInfoWidest[5] = {"000", "000", "00", QT_TRANSLATE_NOOP("EntryEditWindow", "物理"),
                                    QT_TRANSLATE_NOOP("EntryEditWindow", "味方ランダム")};
constexpr int kInitialStat = 5;

QString numberedName(const char* stem, int number) {
    return QString::fromLatin1(stem) + QString::number(number);
}

std::array<std::string, 6> fieldTexts(const std::array<QLineEdit*, 6>& fields) {
    std::array<std::string, 6> texts;
    for (int i = 0; i < 6; ++i)
        texts[i] = fromQt(fields[i]->text());
    return texts;
}

QComboBox* makeCombo(QWidget* parent, const QString& name, int minimumChars = 0,
                     ChoiceNames findNames = ChoiceNames::None) {
    return newChooser(parent, name,
                      {.visibleItems = 20,
                       .minimumChars = minimumChars,
                       .typeToFind = findNames != ChoiceNames::None,
                       .names = findNames});
}

// A static text cell as wide as the widest text it will show.
QLabel* makeCell(QWidget* parent, const QString& name, const QString& widest) {
    auto* cell = new QLabel(QStringLiteral(" - "), parent);
    cell->setObjectName(name);
    cell->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    cell->setMinimumWidth(cell->fontMetrics().horizontalAdvance(widest) + 12);
    return cell;
}

} // namespace

EntryEditWindow::EntryEditWindow(BoxDocument& document, SettingsFile& settings, QWidget* parent)
    : ToolWindow(settings, QString::fromLatin1(kSection), parent), m_document(document) {
    setObjectName(QStringLiteral("entryEditWindow"));
    setWindowTitle(
        QCoreApplication::translate("EntryEditWindow", "%1 バントレボックス　データ編集").arg(productTitle()));
    buildWidgets();
    fillFixedChoosers();
    readSettings();
    applyMode();
    rebuildSpecies();
    refreshEvsLeft();
    connectHandlers();
    connect(&m_document, &BoxDocument::boxChanged, this, &EntryEditWindow::onBoxChanged);
}

EntryEditWindow::~EntryEditWindow() {
    storeChooser(settings(), kKeys.rule, *m_rule);
    storeChooser(settings(), kKeys.level, *m_level);
}

void EntryEditWindow::buildWidgets() {
    auto* left = new QVBoxLayout;
    left->addWidget(buildTopRows());
    left->addWidget(buildStatGroup());
    auto* upper = new QHBoxLayout;
    upper->addLayout(left, 1);
    upper->addWidget(buildRightColumn());

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(upper);
    layout->addWidget(buildMoveGrid());
    layout->addLayout(buildButtons());
}

QLayout* EntryEditWindow::buildButtons() {
    auto* clearButton = new QPushButton(QCoreApplication::translate("EntryEditWindow", "クリア"), this);
    clearButton->setObjectName(QStringLiteral("button_clear"));
    clearButton->setAutoDefault(false);
    clearButton->setToolTip(
        QCoreApplication::translate("EntryEditWindow", "入力を最初の状態に戻します（対戦ルールとレベルはそのまま）"));
    connect(clearButton, &QPushButton::clicked, this, &EntryEditWindow::clearForm);
    m_status = new StatusLine(QStringLiteral("label_status"), this);
    m_status->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto* registerButton = new QPushButton(QCoreApplication::translate("EntryEditWindow", "登録"), this);
    registerButton->setObjectName(QStringLiteral("button_register"));
    registerButton->setDefault(true);
    connect(registerButton, &QPushButton::clicked, this, &EntryEditWindow::onRegister);
    auto* cancelButton = new QPushButton(QCoreApplication::translate("EntryEditWindow", "キャンセル"), this);
    cancelButton->setObjectName(QStringLiteral("button_cancel"));
    connect(cancelButton, &QPushButton::clicked, this, [this] { showTool(ShowCommand::Hide); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(clearButton);
    buttons->addWidget(m_status, 1);
    buttons->addWidget(toolsButton());
    buttons->addWidget(registerButton);
    buttons->addWidget(cancelButton);
    return buttons;
}

QWidget* EntryEditWindow::buildTopRows() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    auto* nameCell = new QWidget(box);
    m_name = new QLineEdit(nameCell);
    m_name->setObjectName(QStringLiteral("edit_name"));
    m_name->setMinimumWidth(m_name->fontMetrics().horizontalAdvance(QString(12, QChar(0x3042))));
    m_nameMark = new QLabel(toQt(text::uiText("EntryEdit", kStoredValueMark)), nameCell);
    m_nameMark->setObjectName(QStringLiteral("label_name_stored"));
    m_nameMark->setToolTip(QCoreApplication::translate(
        "EntryEditWindow", "表示できない文字を含む名前です。書き換えるまで登録されたとおりに保存します。"));
    m_nameMark->hide();
    auto* nameRow = new QHBoxLayout(nameCell);
    nameRow->setContentsMargins(0, 0, 0, 0);
    nameRow->addWidget(m_nameMark);
    nameRow->addWidget(m_name, 1);
    m_species = makeCombo(box, QStringLiteral("combo_species"), 20, ChoiceNames::Species);
    m_level = makeCombo(box, QStringLiteral("combo_level"));
    m_nature = makeCombo(box, QStringLiteral("combo_nature"));
    m_ability = makeCombo(box, QStringLiteral("combo_ability"), 14);
    m_item = makeCombo(box, QStringLiteral("combo_item"), 14, ChoiceNames::HeldItems);
    m_gender = makeCombo(box, QStringLiteral("combo_gender"));
    m_happiness = new QLineEdit(box);
    m_happiness->setObjectName(QStringLiteral("edit_happiness"));
    m_happiness->setAlignment(Qt::AlignRight);
    m_happiness->setMaximumWidth(m_happiness->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    m_happiness->setToolTip(QCoreApplication::translate("EntryEditWindow", "0～255（既定 255）"));
    m_happiness->setText(QString::number(kDefaultHappiness));
    m_shiny = new QCheckBox(QCoreApplication::translate("EntryEditWindow", "色違い"), box);
    m_shiny->setObjectName(QStringLiteral("check_shiny"));

    const std::pair<const char*, QWidget*> cells[3][3] = {
        {{QT_TRANSLATE_NOOP("EntryEditWindow", "名前"), nameCell},
         {QT_TRANSLATE_NOOP("EntryEditWindow", "バントレ"), m_species},
         {"LV", m_level}},
        {{QT_TRANSLATE_NOOP("EntryEditWindow", "性格"), m_nature},
         {QT_TRANSLATE_NOOP("EntryEditWindow", "特性"), m_ability},
         {QT_TRANSLATE_NOOP("EntryEditWindow", "持ち物"), m_item}},
        {{QT_TRANSLATE_NOOP("EntryEditWindow", "性別"), m_gender},
         {QT_TRANSLATE_NOOP("EntryEditWindow", "なつき度"), m_happiness},
         {"", m_shiny}},
    };
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            auto* caption = new QLabel(QCoreApplication::translate("EntryEditWindow", cells[row][column].first), box);
            caption->setBuddy(cells[row][column].second == nameCell ? m_name : cells[row][column].second);
            grid->addWidget(caption, row, column * 2, Qt::AlignRight);
            grid->addWidget(cells[row][column].second, row, column * 2 + 1);
        }
    }
    grid->setColumnStretch(6, 1);
    return box;
}

QWidget* EntryEditWindow::buildStatGroup() {
    auto* group = new QGroupBox(QCoreApplication::translate("EntryEditWindow", "能力値"), this);
    m_ivEvMode = new QRadioButton(QCoreApplication::translate("EntryEditWindow", "個体値・努力値から計算"), group);
    m_ivEvMode->setObjectName(QStringLiteral("radio_ivev"));
    m_directMode = new QRadioButton(QCoreApplication::translate("EntryEditWindow", "直接能力値を入力"), group);
    m_directMode->setObjectName(QStringLiteral("radio_direct"));
    m_ivEvMode->setChecked(true);
    auto* radios = new QHBoxLayout;
    radios->addWidget(m_ivEvMode);
    radios->addWidget(m_directMode);
    radios->addStretch();

    auto* grid = new QGridLayout;
    for (int stat = 0; stat < kStatCount; ++stat)
        grid->addWidget(new QLabel(QCoreApplication::translate("EntryEditWindow", kStatCaptions[stat]), group), 0,
                        stat + 1, Qt::AlignCenter);
    const std::pair<const char*, std::array<QLineEdit*, 6>*> rows[3] = {
        {QT_TRANSLATE_NOOP("EntryEditWindow", "個体値"), &m_iv},
        {QT_TRANSLATE_NOOP("EntryEditWindow", "努力値"), &m_ev},
        {QT_TRANSLATE_NOOP("EntryEditWindow", "能力値"), &m_stat}};
    const char* const stems[3] = {"edit_iv", "edit_ev", "edit_stat"};
    for (int row = 0; row < 3; ++row) {
        grid->addWidget(new QLabel(QCoreApplication::translate("EntryEditWindow", rows[row].first), group), row + 1, 0);
        for (int stat = 0; stat < kStatCount; ++stat) {
            auto* field = new QLineEdit(group);
            field->setObjectName(numberedName(stems[row], stat));
            field->setAlignment(Qt::AlignRight);
            field->setMaximumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
            (*rows[row].second)[stat] = field;
            grid->addWidget(field, row + 1, stat + 1);
        }
    }
    m_evsLeft = new QLabel(group);
    m_evsLeft->setObjectName(QStringLiteral("label_ev_left"));
    m_evsLeft->setToolTip(QCoreApplication::translate("EntryEditWindow", "努力値の合計 510 までの残り"));
    grid->addWidget(m_evsLeft, 2, kStatCount + 1);
    m_hpMarks = new QLabel(group);
    m_hpMarks->setObjectName(QStringLiteral("label_hp_marks"));
    m_hpMarks->setWordWrap(true);
    m_hpMarks->setToolTip(QCoreApplication::translate(
        "EntryEditWindow", "HP調整：この形のHPで減りが最も少なく（回復が最も多く）なるもの"));
    grid->addWidget(m_hpMarks, 3, kStatCount + 1);
    connect(m_stat[kHp], &QLineEdit::textChanged, this, [this](const QString& hp) {
        bool number = false;
        const int value = hp.toInt(&number);
        m_hpMarks->setText(number ? toQt(hpMarksText(value)) : QString());
    });
    grid->setColumnStretch(kStatCount + 1, 1);
    auto* layout = new QVBoxLayout(group);
    layout->addLayout(radios);
    layout->addLayout(grid);
    return group;
}

QWidget* EntryEditWindow::buildRightColumn() {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    m_rule = makeCombo(column, QStringLiteral("combo_rule"));
    m_preset = makeCombo(column, QStringLiteral("combo_preset"));
    auto* sixV = new QPushButton(QCoreApplication::translate("EntryEditWindow", "個体値6V"), column);
    sixV->setObjectName(QStringLiteral("button_6v"));
    connect(sixV, &QPushButton::clicked, this, &EntryEditWindow::onSixV);
    layout->addWidget(new QLabel(QCoreApplication::translate("EntryEditWindow", "対戦ルール指定"), column));
    layout->addWidget(m_rule);
    layout->addWidget(new QLabel(QCoreApplication::translate("EntryEditWindow", "性格努力簡易指定"), column));
    layout->addWidget(m_preset);
    layout->addWidget(sixV);
    layout->addStretch();
    return column;
}

QWidget* EntryEditWindow::buildMoveGrid() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int column = 0; column < 7; ++column)
        grid->addWidget(new QLabel(QCoreApplication::translate("EntryEditWindow", kMoveCaptions[column]), box), 0,
                        column, column < 2 ? Qt::AlignLeft : Qt::AlignCenter);
    for (int slot = 0; slot < 4; ++slot) {
        MoveRow& row = m_moves[slot];
        row.type = makeCombo(box, numberedName("combo_type", slot + 1), 8);
        row.move = makeCombo(box, numberedName("combo_move", slot + 1), 16, ChoiceNames::Moves);
        grid->addWidget(row.type, slot + 1, 0);
        grid->addWidget(row.move, slot + 1, 1);
        for (int cell = 0; cell < 5; ++cell) {
            row.info[cell] = makeCell(box, numberedName("label_", slot + 1) + QLatin1Char('_') + kInfoNames[cell],
                                      QCoreApplication::translate("EntryEditWindow", kInfoWidest[cell]));
            row.info[cell]->setAlignment(cell < 3 ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignCenter);
            grid->addWidget(row.info[cell], slot + 1, cell + 2);
        }
    }
    grid->setColumnStretch(1, 1);
    return box;
}

void EntryEditWindow::fillFixedChoosers() {
    fillChooser(*m_rule, indexedChoices(kBattleRuleCount, ruleName));
    fillChooser(*m_level, levelChoices(kLevelCount));
    fillChooser(*m_nature, indexedChoices(kNatureCount, natureChoiceText));
    fillChooser(*m_preset, indexedChoices(kNaturePresetCount, [](int row) {
        return text::uiText("EntryEdit", naturePresets()[row].text);
    }));
    fillChooser(*m_item, heldItemChoices());
    fillChooser(*m_gender, genderChoices(0));
    const std::vector<ListChoice> filters = typeFilterChoices();
    for (MoveRow& row : m_moves)
        fillChooser(*row.type, filters);

    EntryForm initial;
    pushFields(initial);
}

void EntryEditWindow::readSettings() {
    restoreChooser(*m_rule, settings(), kKeys.rule);
    restoreChooser(*m_level, settings(), kKeys.level);
}

void EntryEditWindow::connectHandlers() {
    connect(m_rule, &QComboBox::currentIndexChanged, this, &EntryEditWindow::onRuleChanged);
    connect(m_species, &QComboBox::currentIndexChanged, this, &EntryEditWindow::rebuildAbilitiesAndMoves);
    // A preset applies only when the user picks it, and again when the same row is picked again.
    connect(m_preset, &QComboBox::activated, this, &EntryEditWindow::onPresetChosen);
    connect(m_ivEvMode, &QRadioButton::toggled, this, &EntryEditWindow::applyMode);
    connect(m_name, &QLineEdit::textEdited, this, &EntryEditWindow::onNameEdited);
    connect(m_name, &QLineEdit::textChanged, this, &EntryEditWindow::showNameMark);
    connect(m_level, &QComboBox::currentIndexChanged, this, &EntryEditWindow::refreshComputedStats);
    connect(m_nature, &QComboBox::currentIndexChanged, this, &EntryEditWindow::refreshComputedStats);
    for (int stat = 0; stat < kStatCount; ++stat) {
        connect(m_iv[stat], &QLineEdit::textChanged, this, &EntryEditWindow::refreshComputedStats);
        connect(m_ev[stat], &QLineEdit::textChanged, this, &EntryEditWindow::refreshComputedStats);
        connect(m_ev[stat], &QLineEdit::textChanged, this, &EntryEditWindow::refreshEvsLeft);
    }
    for (int slot = 0; slot < 4; ++slot) {
        connect(m_moves[slot].type, &QComboBox::currentIndexChanged, this, [this, slot] { rebuildMoves(slot); });
        connect(m_moves[slot].move, &QComboBox::currentIndexChanged, this, [this, slot] { refreshMoveInfo(slot); });
    }
}

// --- Chooser rebuilds -----------------------------------------------------------------------

void EntryEditWindow::rebuildSpecies() {
    const int rule = m_rule->currentIndex();
    fillChooser(*m_species, speciesChoices(rule));
    selectQuietly(*m_level, levelForRule(rule, m_level->currentIndex() + 1) - 1);
    rebuildAbilitiesAndMoves();
}

void EntryEditWindow::rebuildAbilitiesAndMoves() {
    for (MoveRow& row : m_moves)
        selectQuietly(*row.type, 0);
    const int species = chosenValue(*m_species, 0);
    // Only the genders the species can be; one it cannot be becomes "－".
    const int gender = chosenValue(*m_gender, 0);
    fillChooser(*m_gender, genderChoices(species));
    selectValue(*m_gender, gender);
    fillChooser(*m_ability, abilityChoices(species, storedAbility()));
    // Every filter is " 無指定" now, so the four lists are the same.
    const std::vector<ListChoice> unfiltered = moveChoices(species, 0);
    for (int slot = 0; slot < 4; ++slot)
        rebuildMoves(slot, &unfiltered);
    refreshComputedStats();
}

void EntryEditWindow::rebuildMoves(int slot, const std::vector<ListChoice>* unfiltered) {
    MoveRow& row = m_moves[slot];
    const int filter = chosenValue(*row.type, 0);
    std::vector<ListChoice> moves =
        unfiltered && filter == 0 ? *unfiltered : moveChoices(chosenValue(*m_species, 0), filter);
    fillChooser(*row.move, withStoredMove(std::move(moves), filter, storedMove(slot)));
    refreshMoveInfo(slot);
}

int EntryEditWindow::storedAbility() const {
    return m_stored ? m_stored->ability : -1;
}

int EntryEditWindow::storedMove(int slot) const {
    return m_stored ? m_stored->move[slot] : NO_MOVE;
}

void EntryEditWindow::refreshMoveInfo(int slot) {
    const int move = chosenValue(*m_moves[slot].move, NO_MOVE);
    const std::array<std::string, 5> texts = moveInfoTexts(move);
    for (int cell = 0; cell < 5; ++cell)
        m_moves[slot].info[cell]->setText(toQt(texts[cell]));
}

void EntryEditWindow::onRuleChanged() {
    rebuildSpecies();
}

// --- Fields ---------------------------------------------------------------------------------

bool EntryEditWindow::directMode() const {
    return m_directMode->isChecked();
}

void EntryEditWindow::setDirectMode(bool direct) {
    QSignalBlocker ivEv(m_ivEvMode), directBlocker(m_directMode);
    (direct ? m_directMode : m_ivEvMode)->setChecked(true);
    applyMode();
}

void EntryEditWindow::applyMode() {
    const bool direct = directMode();
    if (direct != m_appliedDirect) {
        if (!direct) {
            m_directStats.emplace();
            for (int stat = 0; stat < kStatCount; ++stat)
                (*m_directStats)[stat] = m_stat[stat]->text();
        } else if (m_directStats) {
            for (int stat = 0; stat < kStatCount; ++stat)
                m_stat[stat]->setText((*m_directStats)[stat]);
        }
        m_appliedDirect = direct;
    }
    for (int stat = 0; stat < kStatCount; ++stat) {
        m_iv[stat]->setEnabled(!direct);
        m_ev[stat]->setEnabled(!direct);
        m_stat[stat]->setEnabled(direct);
    }
    m_evsLeft->setEnabled(!direct);
    refreshComputedStats();
}

void EntryEditWindow::refreshComputedStats() {
    if (directMode())
        return;
    const std::array<std::string, 6> texts =
        computedStatTexts(chosenValue(*m_species, 0), m_level->currentIndex() + 1, m_nature->currentIndex(),
                          fieldTexts(m_iv), fieldTexts(m_ev));
    for (int stat = 0; stat < kStatCount; ++stat)
        m_stat[stat]->setText(toQt(texts[stat]));
}

void EntryEditWindow::refreshEvsLeft() {
    const int left = evsLeft(fieldTexts(m_ev));
    m_evsLeft->setText(toQt(evsLeftText(left)));
    QPalette palette = m_evsLeft->palette();
    palette.setColor(QPalette::WindowText, left < 0 ? QColor(Qt::red) : this->palette().color(QPalette::WindowText));
    m_evsLeft->setPalette(palette);
}

std::optional<EntryForm> EntryEditWindow::pullFields() {
    EntryForm form;
    const std::pair<std::array<QLineEdit*, 6>*, std::array<int, 6>*> rows[3] = {
        {&m_iv, &form.iv}, {&m_ev, &form.ev}, {&m_stat, &form.stat}};
    const FieldRange ranges[3] = {kIvRange, kEvRange, kStatRange};
    for (int row = 0; row < 3; ++row) {
        for (int stat = 0; stat < kStatCount; ++stat) {
            QLineEdit* field = (*rows[row].first)[stat];
            const FieldCheck check = checkIntField(fromQt(field->text()), ranges[row]);
            if (check.ok()) {
                (*rows[row].second)[stat] = check.value;
            } else if (field->isEnabled()) {
                dialogs().message(this, QString(), toQt(fieldCheckMessage(check.status, ranges[row])));
                field->setFocus();
                field->selectAll();
                return std::nullopt;
            } else {
                // A field the current mode does not use cannot take the focus; its value is not
                // meaningful in this mode, so it falls back to the form's initial value.
                (*rows[row].second)[stat] = row == 2 ? kInitialStat : 0;
            }
        }
    }
    form.stored = m_stored;
    form.name = fromQt(m_name->text());
    form.species = chosenValue(*m_species, 0);
    form.level = m_level->currentIndex() + 1;
    form.nature = m_nature->currentIndex();
    form.ability = chosenValue(*m_ability, 0);
    const FieldCheck happiness = checkIntField(fromQt(m_happiness->text()), kHappinessRange);
    if (!happiness.ok()) {
        dialogs().message(this, QString(), toQt(fieldCheckMessage(happiness.status, kHappinessRange)));
        m_happiness->setFocus();
        m_happiness->selectAll();
        return std::nullopt;
    }
    applyHeldItemChoice(form, chosenValue(*m_item, 0));
    form.gender = static_cast<Gender>(chosenValue(*m_gender, 0));
    form.happiness = happiness.value;
    form.shiny = m_shiny->isChecked();
    form.form = m_stored ? m_storedForm : 0;
    form.statsDirect = directMode();
    for (int slot = 0; slot < 4; ++slot)
        form.move[slot] = chosenValue(*m_moves[slot].move, NO_MOVE);
    return form;
}

void EntryEditWindow::pushFields(const EntryForm& form) {
    for (int stat = 0; stat < kStatCount; ++stat) {
        m_iv[stat]->setText(QString::number(form.iv[stat]));
        m_ev[stat]->setText(QString::number(form.ev[stat]));
    }
    showStats(form.stat);
    selectQuietly(*m_nature, form.nature);
}

void EntryEditWindow::showStats(const std::array<int, 6>& stats) {
    for (int stat = 0; stat < kStatCount; ++stat)
        m_stat[stat]->setText(QString::number(stats[stat]));
}

void EntryEditWindow::onNameEdited(const QString& text) {
    const std::string utf8 = fromQt(text);
    const std::string kept = fitEntryNameText(utf8);
    if (kept.size() == utf8.size())
        return;
    m_status->showMessage(toQt(text::uiText("EntryEdit", kNameCutText)));
    const int cursor = m_name->cursorPosition();
    m_name->setText(toQt(kept));
    m_name->setCursorPosition(std::min<int>(cursor, static_cast<int>(m_name->text().size())));
}

void EntryEditWindow::showNameMark() {
    m_nameMark->setVisible(marksStoredName(fromQt(m_name->text()), m_stored));
}

// --- Presets and 6V -------------------------------------------------------------------------

void EntryEditWindow::onPresetChosen(int row) {
    if (row <= 0 || row >= kNaturePresetCount)
        return;
    std::optional<EntryForm> form = pullFields();
    if (!form)
        return;
    setDirectMode(false);
    form->nature = naturePresets()[row].nature;
    form->ev = naturePresets()[row].evs;
    pushFields(*form);
    refreshComputedStats();
}

void EntryEditWindow::onSixV() {
    std::optional<EntryForm> form = pullFields();
    if (!form)
        return;
    setDirectMode(false);
    form->iv.fill(kSixVIv);
    pushFields(*form);
    refreshComputedStats();
}

// --- Registration and filling ---------------------------------------------------------------

void EntryEditWindow::onRegister() {
    std::optional<EntryForm> form = pullFields();
    if (!form)
        return;
    if (const Refusal refusal = registrationRefusal(*form); refusal != Refusal::None) {
        dialogs().message(this, toQt(text::uiText("EntryEdit", refusalMessage(refusal).title)),
                          toQt(refusalText(refusal, *form)));
        if (refusal == Refusal::EmptyName || refusal == Refusal::UnstorableName)
            m_name->setFocus();
        return;
    }
    const std::array<int, 6> stats = statsToStore(*form);
    if (!form->statsDirect &&
        !dialogs().question(this, toQt(text::uiText("EntryEdit", kConfirmTitle)), toQt(confirmationText(stats))))
        return;
    showStats(stats);
    const int slot = store(entryFromForm(*form), extraFromForm(*form));
    if (slot < 0)
        return;
    m_slot = slot;
    showTool(ShowCommand::Hide);
    Q_EMIT entryRegistered(slot);
}

int EntryEditWindow::store(const BoxEntry& entry, const EntryExtra& extra) {
    const StoreResult stored = m_document.registerEntry(m_slot, entry, extra);
    switch (stored.status) {
    case StoreStatus::Stored:
        return stored.slot;
    case StoreStatus::BoxFull:
        dialogs().message(this, QString(), toQt(text::uiText("Box", kBoxFullText)));
        return -1;
    default: // the form's checks keep every value in range, so this is a fault elsewhere
        dialogs().message(this, QCoreApplication::translate("EntryEditWindow", "パラメータ異常"),
                          QCoreApplication::translate("EntryEditWindow", "登録できませんでした"));
        return -1;
    }
}

void EntryEditWindow::onBoxChanged(const BoxChange& change) {
    if (change.closesEditForm && m_slot >= 0 && isVisible())
        showTool(ShowCommand::Hide);
}

void EntryEditWindow::clearForm() {
    m_stored.reset();
    m_name->clear();
    selectQuietly(*m_species, 0);
    selectQuietly(*m_item, 0);
    selectQuietly(*m_gender, 0);
    m_happiness->setText(QString::number(kDefaultHappiness));
    m_shiny->setChecked(false);
    selectQuietly(*m_preset, 0);
    setDirectMode(false);
    m_directStats.reset();
    pushFields(EntryForm{});
    rebuildAbilitiesAndMoves();
    m_name->setFocus();
}

void EntryEditWindow::openOn(int slot) {
    if (slot < 0)
        openNew();
    else
        fillFromEntry(slot);
    bringForward();
}

void EntryEditWindow::openNew() {
    fillFromEntry(m_document.box().count());
}

void EntryEditWindow::openNewOf(int species) {
    openNew();
    clearForm();
    if (const int rule = ruleForSpecies(m_rule->currentIndex(), species); rule != m_rule->currentIndex()) {
        selectQuietly(*m_rule, rule);
        rebuildSpecies();
    }
    // Chosen as the user would, so that everything that follows the species follows.
    m_species->setCurrentIndex(std::max(0, m_species->findData(species)));
    bringForward();
}

void EntryEditWindow::fillFromEntry(int slot) {
    m_slot = m_document.box().inUse(slot) ? slot : -1;
    selectQuietly(*m_preset, 0);
    if (m_slot < 0)
        return;
    m_stored = m_document.box().entry(slot);
    m_storedForm = m_document.box().extra(slot).form;
    showForm(formFromEntry(*m_stored, m_document.box().extra(slot)));
}

void EntryEditWindow::showForm(const EntryForm& form) {
    m_name->setText(toQt(form.name));
    const int rule = ruleForSpecies(m_rule->currentIndex(), form.species);
    if (rule != m_rule->currentIndex()) {
        selectQuietly(*m_rule, rule);
        fillChooser(*m_species, speciesChoices(rule));
    }
    selectValue(*m_species, form.species);
    selectQuietly(*m_level, form.level - 1);
    selectValue(*m_item, heldItemChoiceValue(form));
    fillChooser(*m_gender, genderChoices(form.species, form.gender));
    selectValue(*m_gender, static_cast<int>(form.gender));
    m_happiness->setText(QString::number(form.happiness));
    m_shiny->setChecked(form.shiny);
    setDirectMode(form.statsDirect);
    m_directStats.reset(); // the typed stats of another creature
    pushFields(form);

    fillChooser(*m_ability, abilityChoices(form.species, storedAbility()));
    selectValue(*m_ability, form.ability);
    for (int slot = 0; slot < 4; ++slot) {
        MoveRow& row = m_moves[slot];
        selectQuietly(*row.type, row.type->findData(typeFilterForMove(form.move[slot])));
        rebuildMoves(slot);
        selectValue(*row.move, form.move[slot]);
        refreshMoveInfo(slot);
    }
}

} // namespace rusrina
