#include "ui/matrix/matrix_window.h"

#include "box/box.h"
#include "calc/battle/speed_inputs.h"
#include "settings/settings_file.h"
#include "view/box/damage_view.h"
#include "view/matrix/matrix_view.h"

#include "ui/common/plain_text_delegate.h"
#include "ui/common/product_title.h"
#include "ui/common/qt_text.h"
#include "ui/common/table_view.h"
#include "ui/matrix/matrix_duel_run.h"
#include "ui/matrix/matrix_model.h"
#include "ui/matrix/matrix_settings.h"
#include "ui/matrix/spread_panel.h"
#include "ui/matrix/tuning_panel.h"
#include "ui/session/battle_session.h"
#include "ui/session/box_document.h"

#include <QCheckBox>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace rusrina {
namespace {

constexpr int kDefaultWidth = 1120;
constexpr int kDefaultHeight = 560;

// A selected row keeps its verdict colours: the selection is drawn as a frame around each cell
// instead of a fill that would hide them.
class KeepShadeDelegate : public PlainTextDelegate {
public:
    using PlainTextDelegate::PlainTextDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem plain = option;
        const bool selected = option.state & QStyle::State_Selected;
        plain.state &= ~QStyle::State_Selected;
        PlainTextDelegate::paint(painter, plain, index);
        if (!selected)
            return;
        painter->save();
        painter->setPen(QPen(option.palette.color(QPalette::Highlight), 2));
        painter->drawLine(option.rect.topLeft() + QPoint(0, 1), option.rect.topRight() + QPoint(0, 1));
        painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
        painter->restore();
    }
};

} // namespace

MatrixWindow::MatrixWindow(BoxDocument& document, const BattleSession& battle, SettingsFile& settings, QWidget* parent)
    : ToolWindow(settings, QString::fromLatin1(kMatrixSection), parent), m_document(document), m_battle(battle) {
    setObjectName(QStringLiteral("matrixWindow"));
    setWindowTitle(
        QCoreApplication::translate("MatrixWindow", "%1 バントレボックス　一覧・努力値探索").arg(productTitle()));
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("matrixTabs"));
    m_tabs->addTab(buildMatrixTab(), QCoreApplication::translate("MatrixWindow", "ダメージ一覧"));
    m_spread = new SpreadPanel(document, battle, m_tabs);
    m_tabs->addTab(m_spread, QCoreApplication::translate("MatrixWindow", "努力値探索"));
    m_tuning = new TuningPanel(document, battle, m_tabs);
    m_tabs->addTab(m_tuning, QCoreApplication::translate("MatrixWindow", "連続攻撃・複数の相手"));
    m_tabs->setCornerWidget(toolsButton(), Qt::TopRightCorner);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    resize(kDefaultWidth, kDefaultHeight);

    (settings.read(kMatrixKeys.side) == 1 ? m_defenderSide : m_attackerSide)->setChecked(true);
    m_tabs->setCurrentIndex(settings.read(kMatrixKeys.tab));
    m_spread->restoreChoices(settings);
    m_duelCheck->setChecked(settings.read(kMatrixKeys.duel) != 0);
    connect(m_duelCheck, &QCheckBox::toggled, this, &MatrixWindow::showDuelColumn);
    m_verdictsOnly->setChecked(settings.read(kMatrixKeys.verdictsOnly) != 0);
    connect(m_verdictsOnly, &QCheckBox::toggled, this, &MatrixWindow::showDetailColumns);
    showDetailColumns();
    connect(m_attackerSide, &QRadioButton::toggled, this, &MatrixWindow::refresh);
    connect(&battle, &BattleSession::calculated, this, &MatrixWindow::refresh);
}

MatrixWindow::~MatrixWindow() {
    settings().write(kMatrixKeys.side, attackerSide() ? 0 : 1);
    settings().write(kMatrixKeys.tab, m_tabs->currentIndex());
    settings().write(kMatrixKeys.duel, m_duelCheck->isChecked() ? 1 : 0);
    settings().write(kMatrixKeys.verdictsOnly, m_verdictsOnly->isChecked() ? 1 : 0);
    m_spread->storeChoices(settings());
}

QWidget* MatrixWindow::buildMatrixTab() {
    auto* tab = new QWidget(this);
    m_attackerSide = new QRadioButton(QCoreApplication::translate("MatrixWindow", "攻撃側 → ボックス全体"), tab);
    m_attackerSide->setObjectName(QStringLiteral("matrixAttackerSide"));
    m_defenderSide = new QRadioButton(QCoreApplication::translate("MatrixWindow", "ボックス全体 → 防御側"), tab);
    m_defenderSide->setObjectName(QStringLiteral("matrixDefenderSide"));
    auto* copy = new QPushButton(QCoreApplication::translate("MatrixWindow", "コピー"), tab);
    copy->setObjectName(QStringLiteral("matrixCopyButton"));
    copy->setAutoDefault(false);
    connect(copy, &QPushButton::clicked, this, &MatrixWindow::copyMatrix);
    m_caption = new QLabel(tab);
    m_caption->setObjectName(QStringLiteral("matrixCaption"));
    m_duelCheck = new QCheckBox(QCoreApplication::translate("MatrixWindow", "対面勝率"), tab);
    m_duelCheck->setObjectName(QStringLiteral("matrixDuelCheck"));
    m_duelCheck->setToolTip(QCoreApplication::translate(
        "MatrixWindow", "選んだ項目がそれぞれの項目と1対1で戦って勝つ確率の列を最後に加えます"));
    m_duelRun = new MatrixDuelRun(tab);
    m_verdictsOnly = new QCheckBox(QCoreApplication::translate("MatrixWindow", "技と確定数だけ"), tab);
    m_verdictsOnly->setObjectName(QStringLiteral("matrixVerdictsOnlyCheck"));
    m_verdictsOnly->setToolTip(QCoreApplication::translate(
        "MatrixWindow", "ダメージとHP割合の列を隠し、4つの技を横に並べて見られるようにします"));

    m_model = new MatrixModel(this);
    m_table = newRowTable(tab, QStringLiteral("matrixTable"), m_model);
    m_table->setShowGrid(true); // eighteen columns of figures read better in cells
    m_table->setItemDelegate(new KeepShadeDelegate(m_table));
    QHeaderView* header = m_table->horizontalHeader();
    header->setSectionsMovable(false);
    header->setSectionsClickable(true);
    // Box order until the first click on a heading.
    header->setSortIndicator(-1, Qt::AscendingOrder);
    header->setSortIndicatorShown(true);
    connect(header, &QHeaderView::sectionClicked, this, &MatrixWindow::sortByColumn);
    setColumnWidths();
    connect(m_table, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { onRowActivated(index.row()); });

    auto* top = new QHBoxLayout;
    top->addWidget(m_attackerSide);
    top->addWidget(m_defenderSide);
    top->addSpacing(16);
    top->addWidget(m_caption, 1);
    top->addWidget(m_verdictsOnly);
    top->addWidget(m_duelCheck);
    top->addWidget(copy);
    auto* foot = new QHBoxLayout;
    foot->addWidget(buildLegend(tab), 1);
    foot->addWidget(m_duelRun);
    auto* layout = new QVBoxLayout(tab);
    layout->addLayout(top);
    layout->addWidget(m_table, 1);
    layout->addLayout(foot);
    m_duelRun->setReceivers([this](const MatrixDuelRun::Results& results) { m_model->setDuels(results); },
                            [this] { highlightPair(); });
    return tab;
}

// What the colours of the verdict cells say, surest first.
QWidget* MatrixWindow::buildLegend(QWidget* parent) {
    auto* legend = new QWidget(parent);
    legend->setObjectName(QStringLiteral("matrixLegend"));
    auto* row = new QHBoxLayout(legend);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(new QLabel(QCoreApplication::translate("MatrixWindow", "確定数の色："), legend));
    for (int k = 1; k <= kKoShadeCount; ++k) {
        const auto shade = static_cast<KoShade>(k);
        auto* label = new QLabel(toQt(text::uiText("MatrixText", koShadeName(shade))), legend);
        label->setObjectName(QStringLiteral("matrixLegend%1").arg(k));
        label->setStyleSheet(QStringLiteral("QLabel { background-color: %1; color: %2; padding: 1px 8px; }")
                                 .arg(koShadeBackground(shade).name(), koShadeForeground(shade).name()));
        row->addWidget(label);
    }
    row->addStretch();
    return legend;
}

void MatrixWindow::setColumnWidths() {
    const int digit = m_table->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    const bool withSpeed = withSpeedColumns();
    for (int position = 0; position < m_model->columnCount(); ++position)
        m_table->setColumnWidth(position, matrixColumnChars(matrixColumnAt(position, withSpeed)) * digit + 12);
}

void MatrixWindow::showDetailColumns() {
    const bool withSpeed = withSpeedColumns();
    const bool verdictsOnly = m_verdictsOnly->isChecked();
    for (int position = 0; position < m_model->columnCount(); ++position)
        m_table->setColumnHidden(position, verdictsOnly && matrixDetailColumn(matrixColumnAt(position, withSpeed)));
    // The four moves were asked for side by side: the window grows to show them, as far as the screen allows.
    const int missing = m_table->horizontalHeader()->length() - m_table->viewport()->width();
    if (!verdictsOnly || !isVisible() || missing <= 0)
        return;
    QRect wanted = geometry();
    wanted.setWidth(wanted.width() + missing);
    const QRect placed = fittedOnScreen(*this, wanted);
    if (placed != geometry())
        setGeometry(placed);
}

bool MatrixWindow::withSpeedColumns() const {
    return m_model->columnCount() - (m_model->duelShown() ? 1 : 0) == kMatrixColumnCountWithSpeed;
}

void MatrixWindow::showDuelColumn(bool shown) {
    m_duelRun->stop();
    m_model->setDuelShown(shown);
    if (!shown)
        return;
    setColumnWidths();
    fitNameColumns();
    showDetailColumns();
    if (isVisible())
        startDuels();
}

// The chosen entry against every row's entry, the rows as the matrix has them now.
void MatrixWindow::startDuels() {
    m_duelRun->stop();
    const Box& box = m_document.box();
    const bool attacker = attackerSide();
    const int chosen = attacker ? m_document.attackerSlot() : m_document.defenderSlot();
    if (!m_model->duelShown() || !box.inUse(chosen))
        return;
    std::vector<int> slots;
    for (int row = 0; row < m_model->rowCount(); ++row)
        slots.push_back(m_model->slotAt(row));
    std::sort(slots.begin(), slots.end()); // in box order, whatever the sort
    const DamageSettings& settings = m_battle.damageSettings();
    const auto extras = box.extras();
    m_duelRun->start(m_battle.damageInputs().scenario(settings.mode, settings.critical),
                     attacker ? MatrixSide::AttackerAgainstBox : MatrixSide::BoxAgainstDefender,
                     std::vector<BoxEntry>(box.slots().begin(), box.slots().begin() + box.count()),
                     std::vector<EntryExtra>(extras.begin(), extras.end()), std::move(slots));
}

bool MatrixWindow::attackerSide() const {
    return !m_defenderSide->isChecked();
}

void MatrixWindow::showEvent(QShowEvent* event) {
    ToolWindow::showEvent(event);
    if (m_stale)
        refresh();
}

// Names and moves are shown whole: their columns are as wide as their longest text.
void MatrixWindow::fitNameColumns() {
    const bool withSpeed = withSpeedColumns();
    const QFontMetrics metrics = m_table->fontMetrics();
    if (m_textWidths.size() > 50000)
        m_textWidths.clear();
    for (int position = 0; position < m_model->columnCount(); ++position) {
        const int column = matrixColumnAt(position, withSpeed);
        if (column >= kMatrixEntryColumns && (column - kMatrixEntryColumns) % kMatrixColumnsPerMove != 0)
            continue;
        int widest = m_table->columnWidth(position);
        for (int row = 0; row < m_model->rowCount(); ++row) {
            std::string text = m_model->cellText(row, position);
            auto known = m_textWidths.find(text);
            if (known == m_textWidths.end()) {
                const int width = metrics.horizontalAdvance(toQt(text)) + 12;
                known = m_textWidths.emplace(std::move(text), width).first;
            }
            widest = std::max(widest, known->second);
        }
        m_table->setColumnWidth(position, widest);
    }
}

void MatrixWindow::refresh() {
    if (!isVisible()) {
        m_stale = true;
        return;
    }
    m_stale = false;
    refreshMatrix();
    m_spread->refresh();
    m_tuning->refresh();
}

void MatrixWindow::refreshMatrix() {
    const Box& box = m_document.box();
    std::vector<BoxEntry> entries(box.slots().begin(), box.slots().begin() + box.count());
    const MatrixSide side = attackerSide() ? MatrixSide::AttackerAgainstBox : MatrixSide::BoxAgainstDefender;
    const int chosen = attackerSide() ? m_document.attackerSlot() : m_document.defenderSlot();
    const DamageSettings& settings = m_battle.damageSettings();
    const Scenario scenario = m_battle.damageInputs().scenario(settings.mode, settings.critical);
    std::vector<MatrixRow> rows = computeMatrix(scenario, entries, box.extras(), chosen, side);
    // The simple mode's matrix keeps its columns; the exact modes add each entry's speed.
    const bool withSpeed = isExact(settings.mode);
    int chosenSpeed = -1;
    if (withSpeed)
        chosenSpeed = addMatrixSpeeds(rows, scenario, entries, box.extras(), side);
    const BoxEntry* chosenEntry = box.inUse(chosen) ? &box.entry(chosen) : nullptr;
    m_caption->setText(toQt(matrixCaptionText(chosenEntry, side, settings.mode, chosenSpeed)));
    const int columns = m_model->columnCount();
    m_model->setRows(std::move(rows), std::move(entries), withSpeed);
    if (m_model->columnCount() != columns) {
        // The speed columns came or went: the header laid its sections anew, and the sorted column
        // may stand elsewhere.
        setColumnWidths();
        m_table->horizontalHeader()->setSortIndicator(m_model->sortPosition(), m_sortOrder);
    }
    fitNameColumns();
    showDetailColumns();
    highlightPair();
    startDuels();
}

// The row of the pair's other side is highlighted, wherever the sort put it.
void MatrixWindow::highlightPair() {
    const int other = attackerSide() ? m_document.defenderSlot() : m_document.attackerSlot();
    m_table->clearSelection();
    for (int row = 0; row < m_model->rowCount(); ++row)
        if (m_model->slotAt(row) == other) {
            m_table->selectRow(row);
            break;
        }
}

void MatrixWindow::sortByColumn(int column) {
    const bool withSpeed = withSpeedColumns();
    const Qt::SortOrder order =
        m_sortState.click(matrixColumnAt(column, withSpeed)) ? Qt::DescendingOrder : Qt::AscendingOrder;
    m_sortOrder = order;
    m_table->horizontalHeader()->setSortIndicator(column, order);
    m_model->sort(column, order);
    highlightPair();
}

// The row's entry becomes the other side of the document's pair.
void MatrixWindow::onRowActivated(int row) {
    const int slot = m_model->slotAt(row);
    if (slot < 0)
        return;
    if (attackerSide())
        m_document.setDefender(slot);
    else
        m_document.setAttacker(slot);
}

void MatrixWindow::copyMatrix() {
    if (m_model->rowCount() == 0)
        return;
    QGuiApplication::clipboard()->setText(toQt(m_model->text()));
}

} // namespace rusrina
