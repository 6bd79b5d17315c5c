#pragma once
// The matrix window's 調整 tab, the spread finder against more than one hit or one foe:
// - 耐久調整: the defender's fewest HP, 防御 and 特防 EVs that survive the list of attacks in a row
//   the sequence window keeps in the battle session, with the wanted chance and an HP mark if
//   wanted; searched a slice at a time between the window's events, with a progress line, and
//   stopped by any change of the battle or of the list.
// - 火力調整: the attacker's fewest EVs for one of its rows that knock out each defender of a list
//   (each listed with the state it had then: "今の防御側を追加") and all of them.
// "防御側に適用" and "攻撃側に適用" write a result into the entry as the spread finder does.

#include "calc/box_tools/bulk_tuning.h"
#include "calc/box_tools/power_tuning.h"

#include <QWidget>

#include <memory>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QTableView;
class QTimer;

namespace rusrina {

class BattleSession;
class BoxDocument;
class TextTableModel;

class TuningPanel : public QWidget {
    Q_OBJECT

public:
    TuningPanel(BoxDocument& document, const BattleSession& battle, QWidget* parent = nullptr);
    ~TuningPanel() override;

    // Follows the battle session: the list line, the power list again; a bulk search under way stops.
    void refresh();
    // "探す": starts the bulk search against the session's list.
    void startBulkSearch();
    bool bulkSearching() const { return m_search != nullptr; }
    // "今の防御側を追加": the pair's defender with its state now; false without one or when full.
    bool addPowerTarget();
    void removePowerTarget(int row);
    void applyBulk();
    void applyPower();

private:
    QWidget* buildBulk();
    QWidget* buildPower();
    void continueBulkSearch();
    void stopBulkSearch();
    void refreshPower();
    bool store(int slot, const BoxEntry& entry, const QString& step);

    BoxDocument& m_document;
    const BattleSession& m_battle;
    // 耐久調整
    QLabel* m_bulkList = nullptr;
    QComboBox* m_bulkChance = nullptr;
    QComboBox* m_bulkMark = nullptr;
    QLabel* m_bulkLine = nullptr;
    QTableView* m_bulkTable = nullptr;
    TextTableModel* m_bulkModel = nullptr;
    QPushButton* m_applyBulk = nullptr;
    QTimer* m_bulkTimer = nullptr;
    std::unique_ptr<BulkSearch> m_search;
    BulkSpreads m_bulk;
    // 火力調整
    QComboBox* m_move = nullptr;
    QComboBox* m_hits = nullptr;
    QComboBox* m_certainty = nullptr;
    QComboBox* m_nature = nullptr;
    QTableView* m_powerTable = nullptr;
    TextTableModel* m_powerModel = nullptr;
    QLabel* m_powerLine = nullptr;
    QPushButton* m_applyPower = nullptr;
    std::vector<Combatant> m_targets;
    PowerTuning m_power;
};

} // namespace rusrina
