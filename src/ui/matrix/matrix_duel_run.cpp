#include "ui/matrix/matrix_duel_run.h"

#include "calc/box_tools/matrix_duel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

namespace rusrina {
namespace {
// Long enough to finish a few hundred pairs a slice, short enough that a click is answered at once.
constexpr int kSliceMs = 30;
} // namespace

MatrixDuelRun::MatrixDuelRun(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("matrixDuelRun"));
    m_progress = new QLabel(this);
    m_progress->setObjectName(QStringLiteral("matrixDuelProgress"));
    m_stop = new QPushButton(QCoreApplication::translate("MatrixWindow", "中止"), this);
    m_stop->setObjectName(QStringLiteral("matrixDuelStop"));
    m_stop->setAutoDefault(false);
    m_stop->setVisible(false);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_progress);
    row->addWidget(m_stop);
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &MatrixDuelRun::continueRun);
    connect(m_stop, &QPushButton::clicked, this, [this] { stop(true); });
}

void MatrixDuelRun::setReceivers(std::function<void(const Results&)> onResults, std::function<void()> onDone) {
    m_onResults = std::move(onResults);
    m_onDone = std::move(onDone);
}

void MatrixDuelRun::start(const Scenario& scenario, MatrixSide side, std::vector<BoxEntry> entries,
                          std::vector<EntryExtra> extras, std::vector<int> slots) {
    m_scenario = scenario;
    m_side = side;
    m_entries = std::move(entries);
    m_extras = std::move(extras);
    m_slots = std::move(slots);
    m_next = 0;
    m_stop->setVisible(true);
    showProgress();
    m_timer.start();
}

void MatrixDuelRun::stop(bool said) {
    const bool wasRunning = running();
    m_timer.stop();
    m_stop->setVisible(false);
    if (said && wasRunning)
        m_progress->setText(
            QCoreApplication::translate("MatrixWindow", "対面勝率：中止しました（%1 / %2）")
                .arg(QLocale::c().toString(qulonglong(m_next)), QLocale::c().toString(qulonglong(m_slots.size()))));
    else
        m_progress->clear();
    if (wasRunning && m_onDone)
        m_onDone();
}

void MatrixDuelRun::continueRun() {
    QElapsedTimer slice;
    slice.start();
    Results results;
    while (m_next < m_slots.size() && slice.elapsed() < kSliceMs) {
        const int slot = m_slots[m_next++];
        const EntryExtra extra = slot < static_cast<int>(m_extras.size()) ? m_extras[slot] : EntryExtra{};
        results.emplace_back(slot, matrixDuel(m_scenario, m_side, m_entries[slot], extra));
    }
    if (m_onResults)
        m_onResults(results);
    if (m_next < m_slots.size()) {
        showProgress();
        return;
    }
    stop();
}

void MatrixDuelRun::showProgress() {
    m_progress->setText(
        QCoreApplication::translate("MatrixWindow", "対面勝率を計算中… %1 / %2")
            .arg(QLocale::c().toString(qulonglong(m_next)), QLocale::c().toString(qulonglong(m_slots.size()))));
}

} // namespace rusrina
