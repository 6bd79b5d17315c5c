#pragma once
// The search window: criteria over base stats, types, ability, egg group, battle rule and up to
// four moves, and the list of matching species. Every change of a criterion searches again at
// once. A name typed into the field above the list selects the row of that species; Enter there or on
// the list, or a double click on a row, asks for the species' detail (speciesRequested), which
// whoever made the windows brings forward. A single click only selects.

#include "ui/common/tool_window.h"
#include "view/common/column_sort.h"
#include "view/search/search_list.h"

#include <array>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QEvent;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QModelIndex;
class QPushButton;
class QRadioButton;
class QTableView;

namespace rusrina {

class SearchResultModel;

class SearchWindow : public ToolWindow {
    Q_OBJECT

public:
    // Restores every choice and runs the first search.
    explicit SearchWindow(SettingsFile& settings, QWidget* parent = nullptr);
    // Writes the choices (the placement is written by ToolWindow).
    ~SearchWindow() override;

    const SearchResultModel* resultModel() const { return m_model; }

Q_SIGNALS:
    // A result row was opened: the species detail is to show `species` (a species index).
    void speciesRequested(int species);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static constexpr int kMoveRows = 4;
    struct MoveRow {
        QComboBox* type = nullptr;
        QComboBox* move = nullptr;
        std::array<QLineEdit*, kMoveFieldCount> fields{};
    };

    QGroupBox* buildStatGroup();
    QGroupBox* buildTypeGroup();
    QGroupBox* buildMoveGroup();
    QGroupBox* buildRuleGroup();
    QWidget* buildMoveRows();
    QTableView* buildResultView();
    QLayout* buildResultLine();
    void connectCriteria();

    void restoreSettings();
    void saveSettings() const;

    void fillMoveChooser(int row);
    void updateMoveFields(int row);
    void moveTypeChanged(int row);
    void clearStats();
    void clearTypes();
    void clearMoves();

    SearchChoices currentChoices() const;
    void search();
    void sortByColumn(int column);
    void openSpecies(const QModelIndex& index);
    void findByName();
    void stepFound(int step);
    void selectResultRow(int row);

    std::array<QComboBox*, 6> m_atMost{};
    std::array<QComboBox*, 6> m_atLeast{};
    QComboBox* m_type1 = nullptr;
    QComboBox* m_type2 = nullptr;
    QComboBox* m_ability = nullptr;
    QComboBox* m_eggGroup = nullptr;
    QComboBox* m_rule = nullptr;
    QRadioButton* m_anyOf = nullptr;
    QRadioButton* m_allOf = nullptr;
    QButtonGroup* m_moveMode = nullptr;
    std::array<QCheckBox*, 4> m_methods{};
    std::array<QCheckBox*, 4> m_editions{};
    std::array<MoveRow, kMoveRows> m_moveRows{};
    SearchResultModel* m_model = nullptr;
    QTableView* m_resultView = nullptr;
    QLabel* m_count = nullptr;
    QLabel* m_reason = nullptr;
    QLineEdit* m_nameField = nullptr;
    std::vector<int> m_found; // rows the typed name finds, in list order
    ColumnSortState m_sortState;
};

} // namespace rusrina
