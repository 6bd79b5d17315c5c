#pragma once
// What the sequence's chain reads of the exact engine (internal to exact_sequence*.cpp and the
// tests that enumerate a sequence): for each step and each thing the defender carries, one use's
// outcomes with every hit's rolls, plain and critical, the use's chances and what it leaves behind;
// each step's end of turn. Everything is worked out once, when first asked for.

#include "calc/exact/exact_rolls.h"
#include "calc/exact/exact_sequence.h"

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <tuple>
#include <vector>

namespace rusrina::sequence {

// What the defender carries (DefenderCarry), packed, with two bits that live only within a use: the
// pinch berry eaten during it, whose stage the use's later hits meet.
using Key = uint64_t;
Key packKey(const DefenderCarry& carry, bool boostedDefence = false, bool boostedSpDefence = false);
DefenderCarry carryOf(Key key);
bool boostedDefence(Key key);
bool boostedSpDefence(Key key);
Key withoutBoosts(Key key);

// The defender's held item as the chain treats it.
enum class ItemKind : uint8_t {
    None,
    HealQuarter,    // オボンのみ: 1/4 at half HP or less
    HealEighth,     // フィラのみ and its like (the 4th and 5th generations): 1/8 at half HP or less
    HealTen,        // オレンのみ: 10 HP at half HP or less
    PinchDefence,   // リュガのみ: defence +1 at a quarter (half with くいしんぼう)
    PinchSpDefence, // ズアのみ: special defence +1
    PinchOther,     // チイラのみ, カムラのみ, ヤタピのみ: eaten, nothing the hits meet
    FocusSash,      // from full HP, a hit that would knock out leaves 1 HP, once
    AirBalloon,     // gone at the first damaging hit
    Other,          // what it does the hits and the end of turn read (a resist berry, たべのこし …)
};
ItemKind itemKindOf(ItemId item);

// The distinct rolls of one hit and how many of the 16 give each.
struct RollCount {
    int32_t value;
    int32_t count;
};
using DistinctRolls = std::vector<RollCount>;

// The rolls of a set, each value once with how many of the 16 give it.
DistinctRolls distinct(const RollSet& rolls);

struct UseModel {
    ExactRolls::Outcome outcome = ExactRolls::Outcome::NotComputed;
    bool halvesHp = false;            // いかりのまえば: half of what is left, at least 1
    std::vector<UseOutcome> outcomes; // a move of one hit: one outcome of one hit of set 0
    uint32_t totalWeight = 1;
    std::vector<DistinctRolls> plain;    // per roll set
    std::vector<DistinctRolls> critical; // the same, critical
    bool berryActs = false;              // the defender's resist berry halves the first hit, eaten by it
    bool gemActs = false;                // the attacker's gem powers the first hit, spent by it
    int32_t absorbHeal = 0; // immune and healed by this much (ちょすい, ちくでん, かんそうはだ)
};

// What a step is, whatever the defender carries.
struct StepModel {
    int attackerId = 0;
    int gemBit = -1;             // the attacker's bit in DefenderCarry::gemsSpent, -1 when it holds no gem
    int selfDrop = 0;            // the stages its move lowers its own attacking stat by once it hits
    int attackStage = 0;         // kStageAttack or kStageSpAttack: the stat its move attacks with
    bool knocksOff = false;      // はたきおとす takes the held item after a hit
    bool weakArmor = false;      // each hit lowers the defender's defence (くだけるよろい, a physical move)
    bool sturdy = false;         // がんじょう (5th generation): from full HP a hit leaves 1 HP
    bool berriesBlocked = false; // the attacker's きんちょうかん: no berry is eaten while it is in front
    int hpBand = 0;              // 0: full HP or not; 1: also half or less (しおみず); 2: each HP (がむしゃら)
};

class SequenceModel {
public:
    explicit SequenceModel(const SequenceInput& input);

    SequenceStatus status() const { return m_status; }
    uint32_t notes() const { return m_notes; }
    int maxHp() const { return m_maxHp; }
    int32_t startHp() const { return m_startHp; }
    Key startKey() const { return m_startKey; }
    int useCount() const { return static_cast<int>(m_uses.size()); }
    int stepOfUse(int use) const { return m_uses[use]; }
    int stepCount() const { return static_cast<int>(m_steps.size()); }
    const StepModel& step(int s) const { return m_steps[s]; }
    ItemKind item() const { return m_item; }
    int32_t itemHeal() const { return m_itemHeal; }
    bool gluttony() const { return m_gluttony; }
    bool countHitChances() const { return m_input.countHitChances; }
    bool countTurnEnd() const { return m_input.field.countTurnEnd; }

    // One use of the step's move against the defender carrying `start` with `hp` left (which picks
    // the model: full HP for マルチスケイル, half for しおみず, each HP for a move that follows it).
    const UseModel& use(int step, Key start, int32_t hp);
    // The step's chances against the defender with or without its held item.
    const UseOdds& odds(int step, bool itemHeld);
    const TurnEndPlan& turnEnd(int step, bool itemHeld);

private:
    ExactSide attackerFor(int step, Key key) const;
    ExactSide defenderFor(Key key, int32_t hp) const;
    ExactAttack attackFor(int step, Key key, bool critical) const;
    UseModel buildUse(int step, Key key, int32_t hp) const;
    int bandOf(int step, int32_t hp) const;
    void setUpSteps();

    SequenceInput m_input;
    SequenceStatus m_status = SequenceStatus::Computed;
    uint32_t m_notes = 0;
    int m_maxHp = 0;
    int32_t m_startHp = 0;
    Key m_startKey = 0;
    ItemKind m_item = ItemKind::None;
    int32_t m_itemHeal = 0;
    bool m_gluttony = false;
    std::vector<StepModel> m_steps;
    std::vector<int> m_uses; // the step of each use
    std::map<std::tuple<int, Key, int>, std::unique_ptr<UseModel>> m_useModels;
    std::map<std::pair<int, bool>, UseOdds> m_odds;
    std::map<std::pair<int, bool>, TurnEndPlan> m_turnEnds;
};

} // namespace rusrina::sequence
