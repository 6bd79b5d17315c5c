#pragma once
// The battle state of the box and damage window, under its conditions in the exact modes: each
// side's status, HP now, stages, what lies on its side of the field, and the field both share.
// Folded, it is one line that says what is set; unfolded, every input shows. "状態をリセット" puts
// every input back to its default.

#include "calc/battle/battle_state.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QSpinBox;
class QToolButton;

namespace rusrina {

class BattleStatePanel : public QWidget {
    Q_OBJECT

public:
    explicit BattleStatePanel(QWidget* parent = nullptr);

    BattleState state() const;
    // Sets every input quietly (no stateChanged).
    void setState(const BattleState& state);

    bool isOpen() const;
    void setOpen(bool open);

Q_SIGNALS:
    // An input changed, or the reset button put them back.
    void stateChanged();
    // The panel is about to unfold or fold, and then did: the window makes room or gives it back.
    void openChanging(bool open);
    void openChanged(bool open);

public Q_SLOTS:
    void reset();

private:
    // The inputs of one side, named with `prefix` ("attacker", "defender").
    struct SideInputs {
        QComboBox* status = nullptr;
        QSpinBox* toxicTurns = nullptr;
        QSpinBox* hp = nullptr;
        QComboBox* hpUnit = nullptr;
        std::array<QComboBox*, kStageStatCount> stages{};
        QCheckBox* tailwind = nullptr;
        QCheckBox* stealthRock = nullptr;
        QSpinBox* spikes = nullptr;
        QCheckBox* seeded = nullptr;
        QCheckBox* charged = nullptr;
        QCheckBox* flashFire = nullptr;
        QCheckBox* switchingIn = nullptr;
    };

    QWidget* buildHeader();
    QWidget* buildBody();
    void addSideRow(QGridLayout& grid, int row, SideInputs& side, const QString& caption, const QString& prefix);
    QWidget* sideFlags(SideInputs& side, const QString& prefix, QWidget* parent);
    static SideState sideState(const SideInputs& side);
    static void showSide(SideInputs& side, const SideState& state);
    void inputChanged();
    void showSummary();

    QToolButton* m_toggle = nullptr;
    QLabel* m_summary = nullptr;
    QWidget* m_body = nullptr;
    SideInputs m_attacker;
    SideInputs m_defender;
    QCheckBox* m_trickRoom = nullptr;
    QCheckBox* m_magicRoom = nullptr;
    QCheckBox* m_wonderRoom = nullptr;
    QCheckBox* m_countTurnEnd = nullptr;
    QCheckBox* m_countHitChances = nullptr;
    bool m_quiet = false; // set while the inputs are filled from a state
};

} // namespace rusrina
