#pragma once
// The matrix's 対面勝率 column, computed a slice at a time between the window's events so that the
// window answers while a full box is worked through, with a progress line and "中止" beside it.
// A new start (the scenario or the side changed) drops the run before it.

#include "calc/box_tools/damage_matrix.h"

#include <QTimer>
#include <QWidget>

#include <functional>
#include <utility>
#include <vector>

class QLabel;
class QPushButton;

namespace rusrina {

class MatrixDuelRun : public QWidget {
    Q_OBJECT

public:
    using Results = std::vector<std::pair<int, MatrixDuel>>; // by box slot
    explicit MatrixDuelRun(QWidget* parent = nullptr);

    // Each slice's answers go to `onResults`, and `onDone` follows the last slice or a stop.
    void setReceivers(std::function<void(const Results&)> onResults, std::function<void()> onDone);
    // The chosen entry against each of `slots` (entries and extras by slot).
    void start(const Scenario& scenario, MatrixSide side, std::vector<BoxEntry> entries, std::vector<EntryExtra> extras,
               std::vector<int> slots);
    // Stops where it is; what was computed stays. `said` leaves the line saying so.
    void stop(bool said = false);
    bool running() const { return m_timer.isActive(); }

private:
    void continueRun();
    void showProgress();

    QTimer m_timer;
    QLabel* m_progress = nullptr;
    QPushButton* m_stop = nullptr;
    std::function<void(const Results&)> m_onResults;
    std::function<void()> m_onDone;
    Scenario m_scenario;
    MatrixSide m_side = MatrixSide::AttackerAgainstBox;
    std::vector<BoxEntry> m_entries;
    std::vector<EntryExtra> m_extras;
    std::vector<int> m_slots;
    size_t m_next = 0;
};

} // namespace rusrina
