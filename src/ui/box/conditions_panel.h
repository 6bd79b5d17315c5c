#pragma once
// The battle conditions of the box and damage window, which all six rows follow: the stage,
// weather and learnable-move filter choosers, the condition check boxes, and the row of
// "計算方式" and "急所" with the button to the matrix and spread finder.

#include <QWidget>

#include <vector>

class QCheckBox;
class QComboBox;
class QHBoxLayout;

namespace rusrina {

struct BattleConditions;
struct DamageSettings;

class ConditionsPanel : public QWidget {
    Q_OBJECT

public:
    // `storedMode` is the "計算方式" as the settings file keeps it.
    explicit ConditionsPanel(int storedMode, QWidget* parent = nullptr);

    BattleConditions conditions() const;
    DamageSettings damageSettings() const;
    int learnFilter() const; // kNoLearnFilter, or the one category the learnable-move list keeps
    int storedMode() const;  // what the settings file keeps of "計算方式"

Q_SIGNALS:
    // A stage, a check box, the mode or "急所" changed: the rows are computed again.
    void conditionsChanged();
    // The weather or the learnable-move filter changed: the learnable-move list is built again
    // (the weather gives ウェザーボール its type there), and the rows with it.
    void learnableMovesChanged();
    // "一覧・努力値探索" was pressed.
    void matrixRequested();
    // "連続攻撃" was pressed.
    void sequenceRequested();

private:
    QHBoxLayout* buildModeRow(int storedMode);

    QComboBox* m_attackStage = nullptr;
    QComboBox* m_defenceStage = nullptr;
    QComboBox* m_weather = nullptr;
    QComboBox* m_learnFilter = nullptr;
    QComboBox* m_mode = nullptr;
    QCheckBox* m_critical = nullptr;
    std::vector<QCheckBox*> m_checks; // in the order of the condition check table
};

} // namespace rusrina
