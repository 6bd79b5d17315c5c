#pragma once
// The spread finder's panel: for the box document's attacker, defender, a chosen row and the
// conditions, the defender's HP and defence splits that survive n hits, and the attacker's fewest
// attack EVs that knock out in n hits. "防御側に適用" and "攻撃側に適用" write the chosen result into
// the entry through the edit form's rules, after the form's own confirmation of the stats, as one
// step of the document's history. "ほかの努力値も振り直す" lets the finders use the entry's other EVs
// too (but those of the stats ticked to keep); when a finder finds nothing, a line says which EVs
// it held fixed and which change of the choices would find something. "素早さ調整" finds the
// fewest speed EVs of the attacker or the defender to move before the other side (the most that
// still move first under トリックルーム), against it as it stands or at a usual speed of its
// species, with the battle state; "調整した側に適用" writes them the same way.

#include <QWidget>

#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

namespace rusrina {

class BattleSession;
class BoxDocument;
class SettingsFile;
class TextTableModel;
struct BoxEntry;
struct DefenceSpreads;
struct OffenceSpread;
struct SpeedTuning;

class SpreadPanel : public QWidget {
    Q_OBJECT

public:
    SpreadPanel(BoxDocument& document, const BattleSession& battle, QWidget* parent = nullptr);
    ~SpreadPanel() override;

    // Runs both finders again from the battle session and the panel's choosers.
    void refresh();
    // The choices the settings file keeps between runs: "回数", "ほかの努力値も振り直す", and the
    // side and the target of "素早さ調整". Restoring runs nothing; the next refresh reads them.
    void restoreChoices(const SettingsFile& settings);
    void storeChoices(SettingsFile& settings) const;
    // Writes the selected split (the first when none is selected) into the defender, or the found
    // spread into the attacker. Nothing happens without a result or when the user says No.
    void applySplit();
    void applyOffence();
    void applySpeed();

private:
    QWidget* buildChoosers();
    QWidget* buildFreeing();
    QWidget* buildDefence();
    QWidget* buildOffence();
    QWidget* buildSpeed();
    void refreshSpeed();
    void fillMoveChooser();
    bool confirmAndStore(int slot, const BoxEntry& entry, const QString& step);

    BoxDocument& m_document;
    const BattleSession& m_battle;
    QComboBox* m_move = nullptr;
    QComboBox* m_hits = nullptr;
    QComboBox* m_certainty = nullptr;
    QComboBox* m_nature = nullptr;
    QComboBox* m_hpMark = nullptr; // the defence splits' HP mark, or none
    QCheckBox* m_freeOthers = nullptr;
    QCheckBox* m_keepAttack = nullptr; // kept when the others are freed
    QCheckBox* m_keepSpAttack = nullptr;
    QCheckBox* m_keepSpeed = nullptr;
    QLabel* m_defenceAdvice = nullptr; // why nothing was found, and what would help
    QLabel* m_offenceAdvice = nullptr;
    QLabel* m_defenceSummary = nullptr;
    QTableView* m_splits = nullptr;
    TextTableModel* m_splitModel = nullptr;
    QPushButton* m_applySplit = nullptr;
    QLabel* m_offenceSummary = nullptr;
    QPushButton* m_applyOffence = nullptr;
    QComboBox* m_speedSide = nullptr;
    QComboBox* m_speedTarget = nullptr;
    QLabel* m_speedSummary = nullptr;
    QLabel* m_speedAdvice = nullptr;
    QPushButton* m_applySpeed = nullptr;
    std::unique_ptr<DefenceSpreads> m_defence;
    std::unique_ptr<OffenceSpread> m_offence;
    std::unique_ptr<SpeedTuning> m_speed;
    bool m_speedOfDefender = false; // the side m_speed was found for
};

} // namespace rusrina
