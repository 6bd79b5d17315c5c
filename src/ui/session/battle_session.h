#pragma once
// The battle the box document's pair fights: what the damage calculation reads besides the two
// entries (the conditions, the mode and critical hit, the battle state, the learnable move and its
// filter, the direct values) and its last six rows. It follows the document's pair: a side set or
// an entry rewritten is calculated with at once. The windows that show or search over the pair's
// figures (the rows, the matrix, the spread finder) read it; nothing here changes the box.

#include "calc/box_tools/attack_sequence.h"
#include "view/box/damage_view.h"
#include "view/box/exact_row.h"

#include <QObject>

#include <array>
#include <vector>

namespace rusrina {

class BoxDocument;
enum class PairChange;

class BattleSession : public QObject {
    Q_OBJECT

public:
    // Follows `document`'s pair from now on; `document` outlives this.
    explicit BattleSession(const BoxDocument& document, QObject* parent = nullptr);
    ~BattleSession() override;

    // The conditions every row follows, and the mode and critical hit.
    void setConditions(const BattleConditions& conditions, const DamageSettings& settings);
    // The battle state the exact modes read (the simple engine ignores it). A state that differs
    // from the one held is calculated at once; it is no step of the box's history.
    void setState(const BattleState& state);
    const BattleState& state() const;
    // Builds the learnable-move list again for the attacker and `filter` (kNoLearnFilter, or the
    // one category it keeps); the learnable move goes back to none.
    void setLearnFilter(int filter);
    // The entries of the learnable-move chooser: " 無指定" alone while no attacker is set.
    const std::vector<ListChoice>& learnableChoices() const { return m_learnableChoices; }
    void setLearnableMove(int move);
    void setDirectMove(const DirectMove& move);

    // What the last calculation read (the pair, the learnable move, the direct values, the
    // conditions), the mode it ran in, and its six rows.
    const DamageEngine& damageInputs() const;
    const DamageSettings& damageSettings() const;
    const std::array<ExactRowResult, kDamageRowCount>& rows() const;
    // The last result of row `row` (0 to 5); an empty result outside them.
    const SlotResult& result(int row) const;

    // The attacks in a row the sequence window lists against the pair's defender, kept for the
    // session only (never in the box file): the spread finder's 耐久調整 searches against them.
    void setPlannedSteps(std::vector<PlannedStep> steps);
    const std::vector<PlannedStep>& plannedSteps() const { return m_plannedSteps; }

Q_SIGNALS:
    // The learnable-move list was built again (a new attacker, filter or weather).
    void learnableChoicesChanged();
    // After every calculation: a side, an entry, a condition or an input changed.
    void calculated();
    // The battle state changed; calculated() follows.
    void stateChanged();
    // The list of attacks in a row was changed.
    void plannedStepsChanged();

private:
    void followPair(PairChange change);
    void rebuildLearnableChoices();
    void recalculate();

    const BoxDocument& m_document;
    int m_learnFilter = kNoLearnFilter;
    std::vector<ListChoice> m_learnableChoices;
    // Everything the rows are computed from, in one place, and what they gave.
    struct Calculation {
        DamageEngine engine;
        DamageSettings settings;
        std::array<ExactRowResult, kDamageRowCount> rows;
    };
    Calculation m_calculation;
    std::vector<PlannedStep> m_plannedSteps;
};

} // namespace rusrina
