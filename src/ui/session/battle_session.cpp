#include "box/box.h"
#include "view/box/learnable_moves.h"

#include "ui/session/battle_session.h"

#include "ui/session/box_document.h"

namespace rusrina {

BattleSession::BattleSession(const BoxDocument& document, QObject* parent) : QObject(parent), m_document(document) {
    connect(&document, &BoxDocument::pairChanged, this, &BattleSession::followPair);
    rebuildLearnableChoices();
}

BattleSession::~BattleSession() = default;

void BattleSession::followPair(PairChange change) {
    // Setting the attacker again starts its learnable moves afresh, as a new attacker does.
    if (change == PairChange::Both)
        rebuildLearnableChoices();
    recalculate();
}

void BattleSession::rebuildLearnableChoices() {
    const BoxEntry* entry = m_document.attacker();
    m_learnableChoices = entry ? learnableMoveChoices(entry->species, m_learnFilter)
                               : std::vector<ListChoice>{{text::uiText("LearnableMoves", kNoMoveChoiceText), NO_MOVE}};
    m_calculation.engine.learnableMove = m_learnableChoices.front().value;
    Q_EMIT learnableChoicesChanged();
}

void BattleSession::setConditions(const BattleConditions& conditions, const DamageSettings& settings) {
    m_calculation.engine.conditions = conditions;
    m_calculation.settings = settings;
    recalculate();
}

void BattleSession::setState(const BattleState& state) {
    if (state == m_calculation.engine.state)
        return;
    m_calculation.engine.state = state;
    Q_EMIT stateChanged();
    recalculate();
}

const BattleState& BattleSession::state() const {
    return m_calculation.engine.state;
}

void BattleSession::setLearnFilter(int filter) {
    m_learnFilter = filter;
    rebuildLearnableChoices();
    recalculate();
}

void BattleSession::setLearnableMove(int move) {
    m_calculation.engine.learnableMove = move;
    recalculate();
}

void BattleSession::setDirectMove(const DirectMove& move) {
    m_calculation.engine.direct = move;
    recalculate();
}

void BattleSession::recalculate() {
    DamageEngine& engine = m_calculation.engine;
    const Box& box = m_document.box();
    const BoxEntry* attackerEntry = m_document.attacker();
    const BoxEntry* defenderEntry = m_document.defender();
    engine.attacker = attackerEntry ? std::optional<BoxEntry>(*attackerEntry) : std::nullopt;
    engine.defender = defenderEntry ? std::optional<BoxEntry>(*defenderEntry) : std::nullopt;
    engine.attackerExtra = attackerEntry ? box.extra(m_document.attackerSlot()) : EntryExtra{};
    engine.defenderExtra = defenderEntry ? box.extra(m_document.defenderSlot()) : EntryExtra{};
    m_calculation.rows = computeRowsInMode(engine, m_calculation.settings);
    Q_EMIT calculated();
}

const DamageEngine& BattleSession::damageInputs() const {
    return m_calculation.engine;
}

const DamageSettings& BattleSession::damageSettings() const {
    return m_calculation.settings;
}

const std::array<ExactRowResult, kDamageRowCount>& BattleSession::rows() const {
    return m_calculation.rows;
}

const SlotResult& BattleSession::result(int row) const {
    static const SlotResult none;
    return row >= 0 && row < kDamageRowCount ? m_calculation.rows[row].texts : none;
}

void BattleSession::setPlannedSteps(std::vector<PlannedStep> steps) {
    m_plannedSteps = std::move(steps);
    Q_EMIT plannedStepsChanged();
}

} // namespace rusrina
