#pragma once
// The "対面" line under the rows: who wins when the pair meets alone, each side using the move that
// knocks the other out soonest, recomputed with every calculation; "詳細" hands its log (the first
// turns' branches) to the window, which copies it and shows it in the log pane as a row's.

#include <QWidget>

#include <vector>

class QLabel;
class QToolButton;

namespace rusrina {

struct Scenario;

class DuelLine : public QWidget {
    Q_OBJECT

public:
    explicit DuelLine(QWidget* parent = nullptr);

    // Shows the pair of `scenario`; hidden without a pair.
    void showPair(const Scenario& scenario);
    // The log of the pair shown (CR LF line ends, as the rows' logs are copied); empty when there is none.
    QString logText() const { return m_log; }

Q_SIGNALS:
    void logRequested();

private:
    QLabel* m_line = nullptr;
    QToolButton* m_logButton = nullptr;
    QString m_log;
};

} // namespace rusrina
