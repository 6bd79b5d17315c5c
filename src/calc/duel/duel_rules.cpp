// What one hit and one end of turn do to the two sides of a one-on-one, branch by branch (duel_model.h).

#include "calc/duel/duel_model.h"

#include <algorithm>

namespace rusrina::duel {

namespace {

bool healBerry(ItemKind k) {
    return k == ItemKind::HealQuarter || k == ItemKind::HealEighth || k == ItemKind::HealTen;
}

// A heal berry is eaten the moment its holder stands at half its HP or less, unless the foe's
// きんちょうかん keeps it from eating.
void eatBerry(DuelModel& model, int s, World& w) {
    const SideModel& side = model.side(s);
    if (!w.item[s] || !healBerry(side.item) || model.side(1 - s).blocksBerries || w.hp[s] <= 0)
        return;
    if (2 * w.hp[s] <= side.maxHp) {
        w.hp[s] = std::min(side.maxHp, w.hp[s] + side.itemHeal);
        w.item[s] = false;
    }
}

Outcome winOf(int s) {
    return s == 0 ? Outcome::FirstWins : Outcome::FoeWins;
}

} // namespace

void absorb(DuelModel& model, int user, World& w, const UseModel& use) {
    const int foe = 1 - user;
    w.hp[foe] = std::min(model.side(foe).maxHp, w.hp[foe] + use.absorbHeal);
}

Outcome strike(DuelModel& model, int user, World& w, int32_t damage, const UseModel& use) {
    const int foe = 1 - user;
    const SideModel& self = model.side(user);
    const SideModel& other = model.side(foe);
    const int32_t before = w.hp[foe];
    int32_t left = before - damage;
    if (left <= 0 && before == other.maxHp) {
        if (w.item[foe] && other.item == ItemKind::FocusSash) {
            left = 1;
            w.item[foe] = false;
        } else if (other.sturdy) {
            left = 1;
        }
    }
    const int32_t dealt = before - std::max(0, left);
    w.hp[foe] = std::max(0, left);
    if (use.berryActs || (other.item == ItemKind::AirBalloon && dealt > 0) || (self.knocksOff && left > 0))
        w.item[foe] = false;
    if (use.gemActs)
        w.item[user] = false;
    if (self.drains)
        w.hp[user] = std::min(self.maxHp, w.hp[user] + drainOf(dealt, model.generation()));
    w.hp[user] -= recoilOf(dealt, self, model.generation());
    if (use.lifeOrb && dealt > 0)
        w.hp[user] -= std::max(1, self.maxHp / 10);
    w.hp[user] = std::max(0, w.hp[user]);
    const bool foeDown = w.hp[foe] == 0, userDown = w.hp[user] == 0;
    if (foeDown && userDown)
        return model.generation() == kGen4 ? Outcome::Draw : winOf(user);
    if (foeDown)
        return winOf(user);
    if (userDown)
        return winOf(foe);
    eatBerry(model, foe, w);
    eatBerry(model, user, w);
    return Outcome::Going;
}

// One step of a side's end of turn: a loss may take it to 0 or call its berry; やどりぎのタネ heals
// the foe by what it took. True when it falls.
static bool applyStep(DuelModel& model, int s, World& w, int32_t amount, TurnEndKind kind) {
    const int32_t before = w.hp[s];
    w.hp[s] = std::min(model.side(s).maxHp, before + amount);
    if (kind == TurnEndKind::LeechSeed && amount < 0 && w.hp[1 - s] > 0)
        w.hp[1 - s] = std::min(model.side(1 - s).maxHp, w.hp[1 - s] + std::min(-amount, before));
    if (w.hp[s] <= 0) {
        w.hp[s] = 0;
        return true;
    }
    if (amount < 0)
        eatBerry(model, s, w);
    return false;
}

// The place of a step in the end of turn. どく, もうどく and ポイズンヒール are one place: a side's
// poison, of whichever kind, comes in turn with the other side's, the faster first.
static int placeOf(TurnEndKind kind) {
    return kind == TurnEndKind::Toxic || kind == TurnEndKind::PoisonHeal ? static_cast<int>(TurnEndKind::Poison)
                                                                         : static_cast<int>(kind);
}

Outcome endOfTurn(DuelModel& model, int turn, World& w, int first) {
    const std::array<const TurnEndPlan*, 2> plans{&model.turnEnd(0, w.item[0]), &model.turnEnd(1, w.item[1])};
    const auto step = [&](int s, int place) {
        for (const TurnEndStep& st : plans[s]->eachTurn) {
            if (placeOf(st.kind) != place || w.hp[s] == 0)
                continue;
            const int32_t amount = st.kind == TurnEndKind::Toxic ? plans[s]->toxicLoss(turn) : st.amount;
            if (applyStep(model, s, w, amount, st.kind))
                return true;
        }
        return false;
    };
    // The weather strikes both sides before a fall is looked at, so both may fall: a draw in the 4th
    // generation; in the 5th the side that fell last (the slower) wins.
    int firstDown = -1;
    for (int k = static_cast<int>(TurnEndKind::Sandstorm); k <= static_cast<int>(TurnEndKind::SolarPower); ++k)
        for (int s : {first, 1 - first})
            if (step(s, k) && firstDown < 0)
                firstDown = s;
    if (firstDown >= 0) {
        if (w.hp[1 - firstDown] > 0)
            return winOf(1 - firstDown);
        return model.generation() == kGen4 ? Outcome::Draw : winOf(1 - firstDown);
    }
    // After the weather, the battle ends with the first side to fall: nothing after it runs (a seed
    // whose seeder has fallen drains nothing). The 5th generation takes each effect for both sides,
    // the faster first; the 4th takes the faster side's whole end of turn, then the slower's.
    constexpr int kFrom = static_cast<int>(TurnEndKind::Leftovers), kTo = static_cast<int>(TurnEndKind::PoisonHeal);
    if (model.generation() == kGen4) {
        for (int s : {first, 1 - first})
            for (int k = kFrom; k <= kTo; ++k)
                if (step(s, k))
                    return winOf(1 - s);
    } else {
        for (int k = kFrom; k <= kTo; ++k)
            for (int s : {first, 1 - first})
                if (step(s, k))
                    return winOf(1 - s);
    }
    return Outcome::Going;
}

Outcome enterBoth(DuelModel& model, World& w) {
    for (int s = 0; s < 2; ++s)
        for (const TurnEndStep& step : model.turnEnd(s, w.item[s]).onEntry)
            if (applyStep(model, s, w, step.amount, step.kind))
                return winOf(1 - s);
    for (int s = 0; s < 2; ++s)
        eatBerry(model, s, w);
    return Outcome::Going;
}

} // namespace rusrina::duel
