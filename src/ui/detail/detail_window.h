#pragma once
// The species detail window: one species' data, its matchups and its full move list, for the
// species the user clicked in the search window.

#include "ui/common/tool_window.h"
#include "view/common/column_sort.h"
#include "view/detail/move_list.h"
#include "view/detail/species_summary.h"

#include <array>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QTableView;

namespace rusrina {

class MoveListModel;

class DetailWindow : public ToolWindow {
    Q_OBJECT

public:
    explicit DetailWindow(SettingsFile& settings, QWidget* parent = nullptr);
    ~DetailWindow() override;

    // Shows `species` (a species index) and brings the window forward, even when it was hidden.
    // An index outside the table only brings the window forward.
    void showSpecies(int species);

    int currentSpecies() const { return m_state.current; }

Q_SIGNALS:
    // "個体値判定へ": the IV judge is to open on `species`.
    void ivJudgeRequested(int species);
    // "ボックスに登録": the edit form is to open on a new entry of `species`.
    void newEntryRequested(int species);

private:
    void buildSummary(QGridLayout* grid);
    void buildStats(QGridLayout* grid, int firstRow);
    QWidget* buildMoveControls();
    QTableView* buildMoveTable();
    void restoreSettings();
    void saveSettings();

    // Fills every value for `species` and rebuilds the move list, without touching visibility.
    void display(int species);
    void refresh() { display(m_state.current); }
    void showEvolution();
    void differenceToggled();
    void sortByColumn(int column);
    MoveListOptions moveListOptions() const;

    DetailViewState m_state;
    ColumnSortState m_sortState;
    MoveListModel* m_model = nullptr;

    QLabel* m_name = nullptr;
    std::array<QLabel*, 2> m_types{};
    std::array<QLabel*, 3> m_abilities{};
    std::array<QLabel*, 2> m_eggGroups{};
    QLabel* m_hatchSteps = nullptr;
    QLabel* m_femaleRatio = nullptr;
    QLabel* m_resistance = nullptr;
    QLabel* m_weakness = nullptr;
    std::array<QLabel*, 6> m_baseStats{};
    std::array<QLabel*, 6> m_levelStats{};
    QPushButton* m_preEvo1 = nullptr;
    QPushButton* m_preEvo2 = nullptr;
    QComboBox* m_evolutions = nullptr;
    QComboBox* m_level = nullptr;

    // Move-list controls in the order of their settings keys: level, mc, eg, sd, sp, qx, zv, jy, tk.
    std::array<QCheckBox*, 9> m_checks{};
    std::array<QCheckBox*, 3> m_differences{};
    QComboBox* m_category = nullptr;
    QComboBox* m_type = nullptr;
    QTableView* m_moveTable = nullptr;
};

} // namespace rusrina
