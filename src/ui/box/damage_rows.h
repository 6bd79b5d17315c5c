#pragma once
// The six calculation rows of the box and damage window: the attacker's four moves, the
// learnable-move row with its chooser, and the direct-value row with its three choosers; each row
// shows power, category, type, multiplier, damage range and hits, and has a "詳細取得" button.

#include "view/common/list_choice.h"

#include <QWidget>

#include <span>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;

namespace rusrina {

struct DamageRowTexts;
struct DirectMove;

class DamageRows : public QWidget {
    Q_OBJECT

public:
    explicit DamageRows(QWidget* parent = nullptr);

    // Replaces the learnable-move entries and selects the first; emits nothing.
    void setLearnableChoices(std::vector<ListChoice> choices);
    int learnableMove() const; // NO_MOVE when the selection carries no move
    DirectMove directMove() const;

    void setTexts(std::span<const DamageRowTexts> rows); // one per row
    // Each row's move priority ("+1"), shown in the exact modes only.
    void setPriorities(std::span<const std::string> priorities);
    // An exact mode shows each move's priority, the share of HP beside the damage, and the wider KO verdicts; the
    // simple mode hides the share and keeps the rows as they always were.
    void setExactMode(bool exact);
    bool exactMode() const { return m_exact; }

Q_SIGNALS:
    // The learnable move was changed by the user.
    void learnableMoveChanged();
    // A direct value was changed by the user.
    void directMoveChanged();
    // "詳細取得" of a row was pressed, or Ctrl+C given on the row.
    void copyRequested(int row);

protected:
    // Ctrl+C copies the log of the row that holds the focus (its "詳細取得" button or a chooser).
    void keyPressEvent(QKeyEvent* event) override;
    // The verdicts are cut again to the room their column has now.
    void resizeEvent(QResizeEvent* event) override;
    // A click on a row's texts gives the focus to its "詳細取得" button: the row Ctrl+C copies.
    void mousePressEvent(QMouseEvent* event) override;

private:
    // The calculation row a widget inside this one sits in, or -1.
    int rowOf(QWidget* widget) const;

    // Each verdict whole when its column has room for it, else cut in the middle, so that both what
    // it counts ("ステルスロック・たべのこし込みで") and the verdict itself stay readable.
    void fitVerdicts();
    void addHeads();
    void addMoveRows();
    void addLearnableRow();
    void addDirectRow();
    void addResultLabels(int row);

    struct RowLabels {
        QLabel* name = nullptr;
        QLabel* priority = nullptr; // none in the direct-value row
        QLabel* power = nullptr;
        QLabel* category = nullptr;
        QLabel* type = nullptr;
        QLabel* multiplier = nullptr;
        QLabel* damage = nullptr;
        QLabel* share = nullptr;
        QLabel* hits = nullptr;
    };
    std::vector<RowLabels> m_rows;
    std::vector<QPushButton*> m_copyButtons;
    QLabel* m_shareHead = nullptr;
    QLabel* m_priorityHead = nullptr;
    bool m_exact = true;             // set false (the default mode) by the constructor
    std::vector<QString> m_verdicts; // each row's whole verdict, as setTexts gave it
    int m_hitsWidth = 0;             // what the verdict column holds before a longer verdict is cut
    QComboBox* m_learnable = nullptr;
    QComboBox* m_directPower = nullptr;
    QComboBox* m_directCategory = nullptr;
    QComboBox* m_directType = nullptr;
};

} // namespace rusrina
