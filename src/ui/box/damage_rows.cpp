#include "ui/box/damage_rows.h"

#include "text/ui_text.h"
#include "ui/common/chooser.h"
#include "ui/common/qt_text.h"
#include "view/box/damage_view.h"
#include "view/box/learnable_moves.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace rusrina {
namespace {

enum Column {
    kCaptionColumn,
    kNameColumn,
    kPriorityColumn,
    kPowerColumn,
    kCategoryColumn,
    kTypeColumn,
    kMultiplierColumn,
    kDamageColumn,
    kShareColumn,
    kHitsColumn,
    kButtonColumn,
};

const char* const kColumnHeads[] = {"",
                                    QT_TRANSLATE_NOOP("DamageRows", "名称"),
                                    QT_TRANSLATE_NOOP("DamageRows", "優先度"),
                                    QT_TRANSLATE_NOOP("DamageRows", "威力"),
                                    QT_TRANSLATE_NOOP("DamageRows", "分類"),
                                    QT_TRANSLATE_NOOP("DamageRows", "タイプ"),
                                    QT_TRANSLATE_NOOP("DamageRows", "倍率"),
                                    QT_TRANSLATE_NOOP("DamageRows", "ダメージ範囲"),
                                    QT_TRANSLATE_NOOP("DamageRows", "HP割合"),
                                    QT_TRANSLATE_NOOP("DamageRows", "攻撃回数")};
const char* const kMoveRowCaptions[kMoveRowCount] = {
    QT_TRANSLATE_NOOP("DamageRows", "わざ１"), QT_TRANSLATE_NOOP("DamageRows", "わざ２"),
    QT_TRANSLATE_NOOP("DamageRows", "わざ３"), QT_TRANSLATE_NOOP("DamageRows", "わざ４")};

// 倍率 is the type matchup and the same-type bonus alone: an ability or item that makes the move
// miss its mark ("無効" in the damage column) leaves it as the matchup gives it.
QString multiplierTip() {
    return QCoreApplication::translate("DamageRows", "倍率：タイプ相性とタイプ一致の倍率です。\n"
                                                     "特性や持ち物で無効になるとき（ダメージ範囲が「無効」）も、"
                                                     "相性どおりの値を示します。");
}

// The grid row of calculation row k (row 0 of the grid holds the column heads).
int gridRow(int k) {
    return k + 1;
}

QGridLayout* gridOf(QWidget* widget) {
    return static_cast<QGridLayout*>(widget->layout());
}

void setText(QLabel* label, const std::string& text) {
    if (label)
        label->setText(toQt(text));
}

QComboBox* chooser(QWidget* parent, const char* name, int minimumCharacters) {
    return newChooser(parent, QString::fromLatin1(name), {.minimumChars = minimumCharacters});
}

} // namespace

DamageRows::DamageRows(QWidget* parent) : QWidget(parent), m_rows(kDamageRowCount) {
    setObjectName(QStringLiteral("damageRows"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(4);
    addHeads();
    addMoveRows();
    addLearnableRow();
    addDirectRow();
    for (int k = 0; k < kDamageRowCount; ++k) {
        auto* copy = new QPushButton(QCoreApplication::translate("DamageRows", "詳細取得"), this);
        copy->setObjectName(QStringLiteral("copyButton%1").arg(k));
        copy->setAutoDefault(false);
        connect(copy, &QPushButton::clicked, this, [this, k] { Q_EMIT copyRequested(k); });
        grid->addWidget(copy, gridRow(k), kButtonColumn);
        m_copyButtons.push_back(copy);
    }
    grid->setColumnStretch(kNameColumn, 1);
    setExactMode(false);
}

void DamageRows::addHeads() {
    for (int column = kNameColumn; column <= kHitsColumn; ++column) {
        auto* head = new QLabel(QCoreApplication::translate("DamageRows", kColumnHeads[column]), this);
        gridOf(this)->addWidget(head, 0, column);
        if (column == kMultiplierColumn)
            head->setToolTip(multiplierTip());
        if (column == kShareColumn)
            m_shareHead = head;
        if (column == kPriorityColumn)
            m_priorityHead = head;
    }
}

void DamageRows::addResultLabels(int k) {
    RowLabels& row = m_rows[k];
    const auto add = [this, k](QLabel*& label, const char* key, int column, Qt::Alignment alignment) {
        label = new QLabel(toQt(kNotAvailable), this);
        label->setObjectName(QStringLiteral("row%1%2").arg(QString::fromLatin1(key)).arg(k));
        label->setAlignment(alignment | Qt::AlignVCenter);
        gridOf(this)->addWidget(label, gridRow(k), column);
    };
    if (k < kDirectRow) {
        add(row.priority, "Priority", kPriorityColumn, Qt::AlignRight);
        add(row.power, "Power", kPowerColumn, Qt::AlignRight);
        add(row.category, "Category", kCategoryColumn, Qt::AlignLeft);
        add(row.type, "Type", kTypeColumn, Qt::AlignLeft);
    }
    add(row.multiplier, "Multiplier", kMultiplierColumn, Qt::AlignRight);
    row.multiplier->setToolTip(multiplierTip());
    add(row.damage, "Damage", kDamageColumn, Qt::AlignLeft);
    add(row.share, "Share", kShareColumn, Qt::AlignLeft);
    add(row.hits, "Hits", kHitsColumn, Qt::AlignLeft);
    // Room for the widest figures from the start, so that new results never reflow the window.
    const QFontMetrics metrics = fontMetrics();
    row.multiplier->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("16.00")));
    row.damage->setMinimumWidth(metrics.horizontalAdvance(QCoreApplication::translate("DamageRows", "9999 ～ 9999")));
    row.share->setMinimumWidth(
        metrics.horizontalAdvance(QCoreApplication::translate("DamageRows", "100.0％ ～ 100.0％")));
}

void DamageRows::setExactMode(bool exact) {
    if (exact == m_exact)
        return;
    m_exact = exact;
    m_shareHead->setVisible(exact);
    m_priorityHead->setVisible(exact);
    const QFontMetrics metrics = fontMetrics();
    // In the exact modes the column also holds the end of a verdict that counts hazards or the end of
    // turn ("…込みで 乱数2発 (96.5％)"); the whole of it is on hover.
    const int hitsWidth =
        metrics.horizontalAdvance(exact ? QCoreApplication::translate("DamageRows", "…込みで 乱数10発 (99.9％)")
                                        : QCoreApplication::translate("DamageRows", "999 ～ 999"));
    m_hitsWidth = hitsWidth;
    // The verdicts share the room the window has to spare with the names, and are cut to what they get.
    gridOf(this)->setColumnStretch(kHitsColumn, exact ? 1 : 0);
    for (RowLabels& row : m_rows) {
        row.share->setVisible(exact);
        if (row.priority)
            row.priority->setVisible(exact);
        row.hits->setMinimumWidth(hitsWidth);
        row.hits->setSizePolicy(exact ? QSizePolicy::Ignored : QSizePolicy::Preferred, QSizePolicy::Preferred);
    }
    fitVerdicts();
}

void DamageRows::addMoveRows() {
    for (int k = 0; k < kMoveRowCount; ++k) {
        gridOf(this)->addWidget(new QLabel(QCoreApplication::translate("DamageRows", kMoveRowCaptions[k]), this),
                                gridRow(k), kCaptionColumn);
        auto* name = new QLabel(toQt(kNotAvailable), this);
        name->setObjectName(QStringLiteral("rowName%1").arg(k));
        m_rows[k].name = name;
        gridOf(this)->addWidget(name, gridRow(k), kNameColumn);
        addResultLabels(k);
    }
}

void DamageRows::addLearnableRow() {
    gridOf(this)->addWidget(new QLabel(QCoreApplication::translate("DamageRows", "習得技"), this),
                            gridRow(kLearnableRow), kCaptionColumn);
    m_learnable = newChooser(this, QStringLiteral("learnableMoveCombo"),
                             {.minimumChars = 12, .typeToFind = true, .names = ChoiceNames::Moves});
    setLearnableChoices({{text::uiText("LearnableMoves", kNoMoveChoiceText), NO_MOVE}});
    gridOf(this)->addWidget(m_learnable, gridRow(kLearnableRow), kNameColumn);
    addResultLabels(kLearnableRow);
    connect(m_learnable, &QComboBox::currentIndexChanged, this, &DamageRows::learnableMoveChanged);
}

void DamageRows::addDirectRow() {
    const int row = gridRow(kDirectRow);
    gridOf(this)->addWidget(new QLabel(QCoreApplication::translate("DamageRows", "直接数値選択"), this), row,
                            kNameColumn);
    // The English names are longer than the Japanese ("Physical", "Electric").
    const bool english = text::textLanguage() == text::TextLanguage::English;
    m_directPower = chooser(this, "directPowerCombo", 3);
    m_directCategory = chooser(this, "directCategoryCombo", english ? 8 : 2);
    m_directType = chooser(this, "directTypeCombo", english ? 8 : 4);
    fillChooser(*m_directPower, directPowerChoices());
    fillChooser(*m_directCategory, directCategoryChoices());
    fillChooser(*m_directType, directTypeChoices());
    gridOf(this)->addWidget(m_directPower, row, kPowerColumn);
    gridOf(this)->addWidget(m_directCategory, row, kCategoryColumn);
    gridOf(this)->addWidget(m_directType, row, kTypeColumn);
    addResultLabels(kDirectRow);
    for (QComboBox* combo : {m_directPower, m_directCategory, m_directType}) {
        combo->setCurrentIndex(0);
        connect(combo, &QComboBox::currentIndexChanged, this, &DamageRows::directMoveChanged);
    }
}

int DamageRows::rowOf(QWidget* widget) const {
    while (widget && widget->parentWidget() != this)
        widget = widget->parentWidget();
    const int index = widget ? gridOf(const_cast<DamageRows*>(this))->indexOf(widget) : -1;
    if (index < 0)
        return -1;
    int gridRowAt = 0, column = 0, rowSpan = 0, columnSpan = 0;
    gridOf(const_cast<DamageRows*>(this))->getItemPosition(index, &gridRowAt, &column, &rowSpan, &columnSpan);
    const int k = gridRowAt - gridRow(0);
    return k >= 0 && k < kDamageRowCount ? k : -1;
}

void DamageRows::keyPressEvent(QKeyEvent* event) {
    const int row = event->matches(QKeySequence::Copy) ? rowOf(QApplication::focusWidget()) : -1;
    if (row < 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    Q_EMIT copyRequested(row);
}

void DamageRows::mousePressEvent(QMouseEvent* event) {
    for (int k = 0; k < kDamageRowCount; ++k) {
        const QRect cell = gridOf(this)->cellRect(gridRow(k), kButtonColumn);
        if (event->position().y() >= cell.top() && event->position().y() <= cell.bottom()) {
            m_copyButtons[k]->setFocus(Qt::MouseFocusReason);
            return;
        }
    }
    QWidget::mousePressEvent(event);
}

void DamageRows::setLearnableChoices(std::vector<ListChoice> choices) {
    fillChooser(*m_learnable, std::move(choices));
}

int DamageRows::learnableMove() const {
    return chosenValue(*m_learnable, NO_MOVE);
}

DirectMove DamageRows::directMove() const {
    DirectMove direct;
    direct.power = chosenValue(*m_directPower, direct.power);
    direct.category = chosenValue(*m_directCategory, direct.category);
    direct.type = chosenValue(*m_directType, direct.type);
    return direct;
}

void DamageRows::setTexts(std::span<const DamageRowTexts> rows) {
    const int count = std::min<int>(kDamageRowCount, static_cast<int>(rows.size()));
    for (int k = 0; k < count; ++k) {
        const RowLabels& labels = m_rows[k];
        setText(labels.name, rows[k].name);
        setText(labels.power, rows[k].power);
        setText(labels.category, rows[k].category);
        setText(labels.type, rows[k].type);
        setText(labels.multiplier, rows[k].multiplier);
        setText(labels.damage, rows[k].damage);
        setText(labels.share, rows[k].share);
        // A verdict that counts hazards and the end of turn can be longer than its column: all of it
        // is on hover.
        labels.hits->setToolTip(toQt(rows[k].hits));
    }
    m_verdicts.resize(count);
    for (int k = 0; k < count; ++k)
        m_verdicts[k] = toQt(rows[k].hits);
    fitVerdicts();
}

void DamageRows::fitVerdicts() {
    for (size_t k = 0; k < m_verdicts.size() && k < m_rows.size(); ++k) {
        const RowLabels& labels = m_rows[k];
        const QString& hits = m_verdicts[k];
        const int room = std::max(m_hitsWidth, labels.hits->contentsRect().width());
        labels.hits->setText(m_exact ? labels.hits->fontMetrics().elidedText(hits, Qt::ElideMiddle, room) : hits);
    }
}

void DamageRows::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitVerdicts();
}

void DamageRows::setPriorities(std::span<const std::string> priorities) {
    const int count = std::min<int>(kDamageRowCount, static_cast<int>(priorities.size()));
    for (int k = 0; k < count; ++k)
        setText(m_rows[k].priority, priorities[k]);
}

} // namespace rusrina
