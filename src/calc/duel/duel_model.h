#pragma once
// What the one-on-one's chain reads of the exact engine (internal to duel*.cpp and the tests that
// enumerate a one-on-one): each side's use against the other for what the two hold and where their
// HP stands (the distinct rolls plain and critical, the chances to hit and to be critical, what the
// use spends), each side's end of turn, and the turn order. Everything is worked out once, when
// first asked for.

#include "calc/duel/duel.h"
#include "calc/exact/exact_accuracy.h"
#include "calc/exact/exact_damage.h"
#include "calc/exact/exact_sequence_model.h"

#include <array>
#include <map>
#include <memory>
#include <tuple>
#include <vector>

namespace rusrina::duel {

using sequence::distinct;
using sequence::DistinctRolls;
using sequence::ItemKind;

// One side's use against the other.
struct UseModel {
    bool damages = false;   // else it deals nothing (an immunity, which may heal the foe)
    int32_t absorbHeal = 0; // the foe is healed by this much instead (ちょすい, ちくでん, かんそうはだ)
    Odds hit;
    Odds critical{0, 1};
    DistinctRolls plain;
    DistinctRolls critical16; // the critical hit's rolls
    bool berryActs = false;   // the foe's resist berry halves it and is eaten
    bool gemActs = false;     // the user's gem powers it and is spent
    bool lifeOrb = false;     // いのちのたま takes a tenth of the user's HP after it hits
};

// What stays the same for a side through the battle.
struct SideModel {
    int32_t maxHp = 0;
    int32_t startHp = 0;
    bool startsWithItem = false;
    ItemKind item = ItemKind::None; // its held item as the chain treats it (None when it cannot act)
    int32_t itemHeal = 0;           // a heal berry's heal
    bool blocksBerries = false;     // きんちょうかん: the foe eats no berry (5th generation)
    bool sturdy = false;            // がんじょう against the foe's move (5th generation, not broken)
    bool knocksOff = false;         // its はたきおとす takes the foe's item
    int recoilNumerator = 0;        // its move's recoil, when its ability lets it hurt
    int recoilDenominator = 1;
    bool drains = false;         // its move heals it by half of what it deals
    bool fullyParalysed = false; // まひ: a quarter of its turns it cannot move
    int pp = 0;
};

// The turn's order for what the two hold.
struct OrderModel {
    Odds firstMovesFirst;   // the first side moves first (twentieths: せんせいのツメ and a tie)
    int endOfTurnFirst = 0; // 0 the first side's end of turn runs first, 1 the foe's, 2 either at 50 %
};

class DuelModel {
public:
    DuelModel(const Scenario& scenario, const DamageSlot& first, const DamageSlot& second);
    DuelModel(const DuelModel&) = delete;
    DuelModel& operator=(const DuelModel&) = delete;

    bool playable() const { return m_refusal[0] == DuelRefusal::None && m_refusal[1] == DuelRefusal::None; }
    const std::array<DuelRefusal, 2>& refusal() const { return m_refusal; }
    uint32_t notes() const { return m_notes; }
    Generation generation() const { return m_gen; }
    const SideModel& side(int s) const { return m_sides[s]; }

    // Side `user`'s use against its foe, with what each holds and the HP each has.
    const UseModel& use(int user, bool userItem, bool foeItem, int32_t userHp, int32_t foeHp);
    // Side `s`'s end of turn with its item held or not.
    const TurnEndPlan& turnEnd(int s, bool itemHeld);
    // The order of turn `turn` (1 …) with what each holds.
    const OrderModel& order(int turn, bool firstItem, bool secondItem);

private:
    ExactSide sideAt(int s, bool itemHeld, int32_t hp) const;
    BattleConditions conditionsFor(int user) const;
    // check's steps.
    DuelRefusal moveRefusal(int s, const ExactAttack& a) const;
    DuelRefusal rollsRefusal(int s, const ExactAttack& a) const;
    void takeEffects(int s, const ExactAttack& a);
    void noteLeftOut(int s, const ExactAttack& a);
    ExactAttack attackOf(int user, bool userItem, int32_t userHp, bool critical) const;
    void check(int s);
    UseModel buildUse(int user, bool userItem, bool foeItem, int32_t userHp, int32_t foeHp) const;
    int bandOf(int s, int32_t hp, bool user) const;

    Generation m_gen = kGen5;
    std::array<Scenario, 2> m_facing; // [s]: side s attacking
    std::array<DamageSlot, 2> m_slots;
    std::array<bool, 2> m_switchingIn{}; // each side comes in on its hazards before the first turn
    std::array<SideModel, 2> m_sides;
    std::array<DuelRefusal, 2> m_refusal{};
    uint32_t m_notes = 0;
    std::map<std::tuple<int, bool, bool, int, int>, std::unique_ptr<UseModel>> m_uses;
    std::map<std::pair<int, bool>, TurnEndPlan> m_turnEnds;
    std::map<std::tuple<bool, bool, bool>, OrderModel> m_orders;
};

// Where the battle stands between two actions: each side's HP and whether it still holds its item.
struct World {
    std::array<int32_t, 2> hp{};
    std::array<bool, 2> item{};
    bool operator==(const World&) const = default;
};

// How an action leaves the battle: going on, or over with the first side's win, a draw, its loss.
enum class Outcome : uint8_t { Going, FirstWins, Draw, FoeWins };

// One landed hit of `damage` by side `user`, and what follows it in the same action: きあいのタスキ
// and がんじょう at full HP, the items the hit spends (a resist berry, ふうせん, a gem, はたきおとす's
// loss), the user's drain, recoil and いのちのたま, then the heal berries the new HPs call. Both down
// in one action: a draw in the 4th generation, the user's win in the 5th (its foe fell first).
Outcome strike(DuelModel& model, int user, World& w, int32_t damage, const UseModel& use);
// The end of turn `turn` (1 …) across both sides in the game's order, side `first` first: the weather
// on both sides (when it fells both, a draw in the 4th generation, the win of the side that fell last
// in the 5th), then the rest, where the first side to fall ends the battle.
Outcome endOfTurn(DuelModel& model, int turn, World& w, int first);
// The hazards each side comes in on, before the first turn.
Outcome enterBoth(DuelModel& model, World& w);
// A use that deals nothing: the foe healed by ちょすい and its like.
void absorb(DuelModel& model, int user, World& w, const UseModel& use);

// What a hit of `dealt` costs its user, and what draining gives it, in the generation's rounding.
int32_t recoilOf(int32_t dealt, const SideModel& user, Generation gen);
int32_t drainOf(int32_t dealt, Generation gen);

} // namespace rusrina::duel
