// Moves whose power, type or damage follows something beyond the move itself: the HP, a status, the
// turn order, what happened this turn, the held item, happiness, weights, stages, the uses in a row.
// Each reads the battle state of its side when it is known, else what the window's inputs give,
// else the neutral value, and records which it read; a move that cannot work (なげつける without an
// item) fails. マグニチュード, プレゼント and しっぺがえし at equal speed deal one of several powers,
// each with its chance; サイコウェーブ one of many amounts.

#include "calc/exact/exact_generations.h"

#include "calc/battle/speed.h"

#include "data/battle_data.h"
#include "data/held_items.h"
#include "data/species.h"

#include <algorithm>

namespace rusrina::exact {

using namespace damage;

namespace {

constexpr int kGen4BeatUpPower = 10;
constexpr int kFlyingType = 2;

constexpr ExactStepSide kAttackerSide = ExactStepSide::Attacker;
constexpr ExactStepSide kDefenderSide = ExactStepSide::Defender;

void assume(const Hit& h, ExactAssumption what, ExactStepSide side = kAttackerSide) {
    h.add(ExactStep{.rule = ExactRule::Assumed, .side = side, .arg = static_cast<int32_t>(what)});
}

// A yes-or-no fact of the battle state; when it is not known, no, and the log says so.
bool fact(const Hit& h, std::optional<bool> value, ExactAssumption otherwise, ExactStepSide side = kAttackerSide) {
    if (!value) {
        assume(h, otherwise, side);
        return false;
    }
    return *value;
}

// A count of the battle state, or `neutral` when not known (and the log says so).
int count(const Hit& h, std::optional<int> value, int neutral, ExactAssumption otherwise) {
    if (!value) {
        assume(h, otherwise);
        return neutral;
    }
    return *value;
}

int hpNow(const Hit& h, const ExactSide& side, const BoxEntry& e, ExactStepSide whose) {
    const int most = e.stat[kHp];
    const std::optional<int> hp = hpNowOf(side);
    if (!hp) {
        assume(h, ExactAssumption::FullHp, whose);
        return most;
    }
    return std::clamp<int>(*hp, 1, most);
}

StatusCondition statusOf(const Hit& h, const ExactSide& side, ExactStepSide whose) {
    if (!side.state.status) {
        assume(h, ExactAssumption::NoStatus, whose);
        return StatusCondition::None;
    }
    return *side.state.status;
}

void setPower(Hit& h, ExactRule rule, int power, int32_t arg = 0, int32_t arg2 = 0,
              ExactStepSide side = kAttackerSide) {
    h.power = power;
    h.out.shownPower = power;
    h.add(ExactStep{.rule = rule, .side = side, .after = power, .arg = arg, .arg2 = arg2});
}

// The power doubled for a reason the move names.
void doublePower(Hit& h, PowerReason reason) {
    const int before = h.power;
    h.power *= 2;
    h.out.shownPower = h.power;
    h.add(ExactStep{.rule = ExactRule::PowerDoubled,
                    .numerator = 2,
                    .before = before,
                    .after = h.power,
                    .arg = indexOf(h.a.move),
                    .arg2 = static_cast<int32_t>(reason)});
}

// ふんか, しおふき: 150 × the HP left, at least 1.
void hpPower(Hit& h) {
    const int most = h.atk.stat[kHp], now = hpNow(h, h.a.attacker, h.atk, kAttackerSide);
    setPower(h, ExactRule::PowerFromHp, std::max(1, h.a.power * now / most), now, most);
}

// じたばた, きしかいせい: the less HP left, the stronger; the 4th generation counts it in 64ths,
// the 5th in 48ths.
void flailPower(Hit& h) {
    const int most = h.atk.stat[kHp], now = hpNow(h, h.a.attacker, h.atk, kAttackerSide);
    int power = 20;
    if (h.gen4()) {
        const int p = std::max(1, 64 * now / most);
        power = p < 2 ? 200 : p < 6 ? 150 : p < 13 ? 100 : p < 22 ? 80 : p < 43 ? 40 : 20;
    } else {
        const int p = 48 * now / most;
        power = p <= 1 ? 200 : p <= 4 ? 150 : p <= 9 ? 100 : p <= 16 ? 80 : p <= 32 ? 40 : 20;
    }
    setPower(h, ExactRule::PowerFromHp, power, now, most);
}

// しぼりとる, にぎりつぶす: the foe's HP left; the 5th generation goes through 4096ths.
void wringOutPower(Hit& h) {
    const int64_t most = h.def.stat[kHp], now = hpNow(h, h.defSide, h.def, kDefenderSide);
    int64_t power;
    if (h.gen4()) {
        power = 120 * now / most + 1;
    } else {
        power = 100 * (now * 4096 / most);
        power = std::max<int64_t>(1, (120 * power + 2047) / 4096 / 100);
    }
    setPower(h, ExactRule::PowerFromHp, static_cast<int>(power), static_cast<int32_t>(now), static_cast<int32_t>(most),
             kDefenderSide);
}

// The weight a side counts with: ヘヴィメタル doubles it and ライトメタル and かるいし halve it
// from the 5th generation; 0.1 kg at least.
int weightOf(const Hit& h, const BoxEntry& e, AbilityId ability, ItemId item) {
    int weight = speciesWeight(e.species);
    if (!h.gen4()) {
        if (ability == AbilityId::HeavyMetal)
            weight *= 2;
        else if (ability == AbilityId::LightMetal)
            weight /= 2;
        if (item == ItemId::FloatStone)
            weight /= 2;
    }
    return std::max(1, weight);
}

int defenderWeight(const Hit& h) {
    return weightOf(h, h.def, h.defAbility, h.defItem);
}

// けたぐり, くさむすび: the foe's weight, in hectograms.
void weightPower(Hit& h) {
    const int w = defenderWeight(h);
    const int power = w >= 2000 ? 120 : w >= 1000 ? 100 : w >= 500 ? 80 : w >= 250 ? 60 : w >= 100 ? 40 : 20;
    setPower(h, ExactRule::PowerFromWeight, power, w, 0);
}

// ヘビーボンバー, ヒートスタンプ: how many times the foe's weight the user's is.
void weightRatioPower(Hit& h) {
    const int mine = weightOf(h, h.atk, h.a.ability, h.a.item), theirs = defenderWeight(h);
    const int power = mine >= theirs * 5   ? 120
                      : mine >= theirs * 4 ? 100
                      : mine >= theirs * 3 ? 80
                      : mine >= theirs * 2 ? 60
                                           : 40;
    setPower(h, ExactRule::PowerFromWeight, power, theirs, mine);
}

// The raised stages of a side added up: the battle state's, else the one stage the window gives
// for it (the attacking stat's or the defending stat's), the others taken as ±0.
int raisedStages(const Hit& h, const ExactSide& side, int windowStage, ExactStepSide whose) {
    if (side.state.turn.raisedStages)
        return *side.state.turn.raisedStages;
    if (stagesKnown(side)) {
        // The stage of the stat the move uses is the window's with the state's (the attacker's is in
        // the window's 攻撃補正 already); every other one is the state's.
        const bool attacker = whose == kAttackerSide;
        const int used = attacker ? (h.physical() ? kStageAttack : kStageSpAttack)
                                  : (h.physical() ? kStageDefence : kStageSpDefence);
        int raised = 0;
        for (int s = 0; s < kStageStatCount; ++s) {
            int stage = side.state.stages[s];
            if (s == used)
                stage = attacker ? windowStage : std::clamp(windowStage + stage, -kMaxStage, kMaxStage);
            raised += std::max(0, stage);
        }
        return raised;
    }
    h.add(ExactStep{
        .rule = ExactRule::Assumed, .side = whose, .arg = static_cast<int32_t>(ExactAssumption::OtherStagesNeutral)});
    return std::max(0, windowStage);
}

void stagePower(Hit& h) {
    if (h.a.move == MoveId::StoredPower) {
        const int raised = raisedStages(h, h.a.attacker, kNeutralStage - h.a.conditions.attackStage, kAttackerSide);
        setPower(h, ExactRule::PowerFromStages, 20 + 20 * raised, raised);
    } else {
        const int raised = raisedStages(h, h.defSide, kNeutralStage - h.a.conditions.defenceStage, kDefenderSide);
        setPower(h, ExactRule::PowerFromStages, std::min(200, 60 + 20 * raised), raised, 0, kDefenderSide);
    }
}

// おんがえし, やつあたり: happiness × 10 / 25 (or its lack), at least 1; at the strongest when the
// happiness is not known.
void happinessPower(Hit& h) {
    if (!h.a.attacker.happiness) {
        h.power = h.out.shownPower = kMaxReturnPower;
        h.add(ExactStep{.rule = ExactRule::HappinessPower, .after = h.power, .arg = indexOf(h.a.move)});
        return;
    }
    const int happiness = *h.a.attacker.happiness;
    const int towards = h.a.move == MoveId::Return ? std::min(255, happiness) : 255 - std::min(255, happiness);
    setPower(h, ExactRule::PowerFromHappiness, std::max(1, towards * 10 / 25), happiness);
}

// エコーボイス, れんぞくぎり, ころがる/アイスボール: stronger with each use in a row.
void usesInARowPower(Hit& h) {
    const int before = count(h, h.a.attacker.state.turn.usesInARow, 0, ExactAssumption::FirstUse);
    int power = h.a.power;
    if (h.a.move == MoveId::EchoedVoice)
        power = std::min(200, h.a.power * (1 + before));
    else if (h.a.move == MoveId::FuryCutter)
        power = std::min(160, h.a.power << std::min(before, 4));
    else
        power = h.a.power << std::min(before, 4);
    setPower(h, ExactRule::PowerFromUses, power, before + 1);
}

// きりふだ: the fewer PP left after the use, the stronger.
void trumpCardPower(Hit& h) {
    const int left = count(h, h.a.attacker.state.turn.ppLeft, 4, ExactAssumption::PpLeft);
    const int power = left <= 0 ? 200 : left == 1 ? 80 : left == 2 ? 60 : left == 3 ? 50 : 40;
    setPower(h, ExactRule::PowerFromPp, power, left);
}

// はきだす: 100 for each たくわえる; none stored, it fails.
void spitUpPower(Hit& h) {
    const int stored = count(h, h.a.attacker.state.turn.stockpile, 1, ExactAssumption::OneStockpile);
    if (stored <= 0) {
        h.failure = MoveFailure::NothingStored;
        return;
    }
    setPower(h, ExactRule::PowerFromStockpile, 100 * std::min(stored, 3), std::min(stored, 3));
}

// The held item the user carries as the moves that throw or eat it see it: for the row that stands
// for the type items, the one of the move's own type.
ItemId carriedItem(const Hit& h) {
    const ItemId item = heldItemOfSide(h.a.attacker);
    if (heldInTable(item) && heldItem(item).generation > static_cast<int>(h.gen))
        return ItemId::None; // an item of a later generation is none here
    if (item != kAnyTypeItem)
        return item;
    for (int i = 1; i < heldItemCount(); ++i)
        if (heldItem(i).boostKind == kBoostType && heldItem(i).boostType == h.type && heldItem(i).damageRow == 1 &&
            heldItem(i).plateType == kNoItemType)
            return itemIdOf(i);
    return ItemId::None;
}

bool klutz(const Hit& h) {
    return h.a.ability == AbilityId::Klutz;
}

// なげつける: the held item's power; none to throw, it fails, as it does under ぶきよう from the 5th
// generation (the 4th throws the item all the same). The 4th generation's はっきんだま cannot leave
// its holder, so it is never thrown.
void flingPower(Hit& h) {
    const ItemId item = carriedItem(h);
    const bool heldFast = h.gen4() && item == ItemId::GriseousOrb;
    const int power = heldInTable(item) && !heldFast ? heldItem(item).flingPower : 0;
    const bool klutzFails = klutz(h) && !h.gen4();
    if (power == 0 || klutzFails || h.a.magicRoom) {
        h.failure = klutzFails && heldInTable(item) ? MoveFailure::Klutz
                    : power == 0                    ? MoveFailure::NothingToFling
                                                    : MoveFailure::MagicRoom;
        return;
    }
    setPower(h, ExactRule::PowerFromItem, power, indexOf(item));
}

// しぜんのめぐみ: the berry's type and power; without a berry (or under ぶきよう) it fails.
void naturalGift(Hit& h) {
    const ItemId item = carriedItem(h);
    if (!heldInTable(item) || !heldItem(item).berry || klutz(h) || h.a.magicRoom) {
        const bool berry = heldInTable(item) && heldItem(item).berry;
        h.failure = klutz(h) && heldInTable(item) ? MoveFailure::Klutz
                    : !berry                      ? MoveFailure::NoBerry
                                                  : MoveFailure::MagicRoom;
        return;
    }
    const HeldItem& berry = heldItem(item);
    h.type = berry.naturalGiftType;
    h.out.shownType = h.type;
    setPower(h, ExactRule::NaturalGift, berry.naturalGiftPower, indexOf(item), berry.naturalGiftType);
}

// アクロバット: doubled when the user holds nothing, or only a ひこうのジュエル that the move uses up.
void acrobatics(Hit& h) {
    const ItemId item = heldItemOfSide(h.a.attacker);
    const bool flyingGem = heldInTable(item) && heldItem(item).boostKind == kBoostGem &&
                           heldItem(item).boostType == kFlyingType && !klutz(h) && !h.a.magicRoom;
    if (item == ItemId::None || flyingGem)
        doublePower(h, flyingGem ? PowerReason::GemUsedUp : PowerReason::NoItem);
}

// The user has a status: the battle state's, a burn, or the ability's condition set for an ability
// that needs one (こんじょう, はやあし, ふしぎなうろこ).
bool userHasStatus(const Hit& h) {
    const std::optional<StatusCondition> status = h.a.attacker.state.status;
    if (status && status != StatusCondition::None)
        return true;
    const bool needsStatus = h.a.ability == AbilityId::QuickFeet || h.a.ability == AbilityId::MarvelScale;
    return h.a.status || (h.a.conditions.abilityActive && needsStatus);
}

// ふくろだたき: one hit for each able member of the party; with none known, the user alone. The 5th
// generation's power comes from the member's base attack; the 4th's hit is typeless, from the
// member's base attack against the foe's base defence.
void beatUp(Hit& h) {
    assume(h, ExactAssumption::UserAloneInParty);
    const int baseAttack = speciesRecord(h.atk.species).baseStats[kAttack];
    if (h.gen4()) {
        // The 4th generation leaves out every member with a status, the user too.
        if (userHasStatus(h)) {
            h.failure = MoveFailure::NoOneToBeatUp;
            return;
        }
        h.baseStatsOnly = true;
        h.typeless = true;
        setPower(h, ExactRule::BeatUpPower, kGen4BeatUpPower, baseAttack);
        return;
    }
    setPower(h, ExactRule::BeatUpPower, 5 + baseAttack / 10, baseAttack);
}

// しっぺがえし: doubled when the user moves after the foe. Without the turn order known, the speeds
// decide (both moves of the same priority); at equal speed either may come first.
void payback(Hit& h) {
    const std::optional<bool> after = h.a.attacker.state.turn.movesAfterFoe;
    if (after) {
        if (*after)
            doublePower(h, PowerReason::MovesAfter);
        return;
    }
    const int mine = attackerSpeed(h), theirs = defenderSpeed(h);
    const int order = mine < theirs ? 1 : mine > theirs ? 0 : 2;
    h.add(ExactStep{.rule = ExactRule::TurnOrderFromSpeed, .after = order, .arg = mine, .arg2 = theirs});
    if (order == 1)
        doublePower(h, PowerReason::MovesAfter);
    else if (order == 2)
        h.powerOutcomes = PowerOutcomes::TurnOrder;
}

void doubleIf(Hit& h, bool condition, PowerReason reason) {
    if (condition)
        doublePower(h, reason);
}

bool sharesType(const SpeciesTypes& mine, const SpeciesTypes& theirs) {
    return mine.type1 == theirs.type1 || mine.type1 == theirs.type2 || mine.type2 == theirs.type1 ||
           mine.type2 == theirs.type2;
}

bool statusIs(StatusCondition status, std::initializer_list<StatusCondition> any) {
    return std::find(any.begin(), any.end(), status) != any.end();
}

// The moves that double their power on a condition of the turn or of the foe.
bool conditionalPower(Hit& h) {
    const TurnFacts& mine = h.a.attacker.state.turn;
    const TurnFacts& theirs = h.defSide.state.turn;
    switch (h.a.move) {
    case MoveId::Hex:
        doubleIf(h, statusOf(h, h.defSide, kDefenderSide) != StatusCondition::None, PowerReason::TargetStatus);
        return true;
    case MoveId::SmellingSalts:
        doubleIf(h, statusOf(h, h.defSide, kDefenderSide) == StatusCondition::Paralysis, PowerReason::TargetParalysed);
        return true;
    case MoveId::WakeUpSlap:
        doubleIf(h, statusOf(h, h.defSide, kDefenderSide) == StatusCondition::Sleep, PowerReason::TargetAsleep);
        return true;
    case MoveId::Avalanche:
    case MoveId::Revenge:
        doubleIf(h, fact(h, mine.hitByFoeThisTurn, ExactAssumption::NotHitThisTurn), PowerReason::HitByTarget);
        return true;
    case MoveId::Assurance:
        doubleIf(h, fact(h, theirs.hitThisTurn, ExactAssumption::TargetNotHitThisTurn, kDefenderSide),
                 PowerReason::TargetAlreadyHit);
        return true;
    case MoveId::Retaliate:
        doubleIf(h, fact(h, mine.allyFaintedLastTurn, ExactAssumption::NoAllyFainted), PowerReason::AllyFainted);
        return true;
    case MoveId::Round:
        doubleIf(h, fact(h, mine.allyUsedRound, ExactAssumption::NoRoundBefore), PowerReason::AllyRound);
        return true;
    case MoveId::Pursuit:
        doubleIf(h, fact(h, theirs.switchingOut, ExactAssumption::NotSwitchingOut, kDefenderSide),
                 PowerReason::SwitchingOut);
        return true;
    case MoveId::Payback:
        payback(h);
        return true;
    case MoveId::Acrobatics:
        acrobatics(h);
        return true;
    default:
        return false;
    }
}

// マグニチュード 4 to 10: the powers and their chances in percent.
struct MagnitudeLevel {
    int magnitude;
    int power;
    uint16_t percent;
};
constexpr MagnitudeLevel kMagnitudes[] = {{4, 10, 5},  {5, 30, 10},  {6, 50, 20}, {7, 70, 30},
                                          {8, 90, 20}, {9, 110, 10}, {10, 150, 5}};
constexpr int kLikeliestMagnitude = 3; // マグニチュード7, whose steps the log gives

// プレゼント: 40, 80 or 120, or a heal that deals nothing; in tenths.
struct PresentGift {
    int power; // 0: it heals the foe
    uint16_t tenths;
};
constexpr PresentGift kPresents[] = {{40, 4}, {80, 3}, {120, 1}, {0, 2}};

void setAll(RollSet& rolls, int32_t damage) {
    rolls.fill(damage);
}

// The rolls of the hit at another power, computed again from the hit as it stood before its power
// was worked out; its steps are not recorded.
RollSet rollsAtPower(const Hit& before, int power) {
    Hit hit = before;
    hit.record = nullptr;
    hit.power = power;
    computeHit(hit);
    return hit.out.rolls;
}

// One outcome of a use: a single hit from set `set`, or none.
UseOutcome singleHit(uint16_t weight, int set, int label) {
    UseOutcome o{weight, static_cast<uint8_t>(set < 0 ? 0 : 1), {}, static_cast<int16_t>(label)};
    o.sets[0] = static_cast<uint8_t>(std::max(set, 0));
    return o;
}

// サイコウェーブ: the level × 50 % to 150 %, every percent alike in the 5th generation, every tenth in
// the 4th; at least 1.
void psywave(Hit& h) {
    const int level = h.atk.level, step = h.gen4() ? 10 : 1;
    int amounts = 0;
    for (int percent = 50; percent <= 150; percent += step, ++amounts) {
        const int32_t damage = std::max(1, level * percent / 100);
        if (!h.out.firstUse.empty() && h.out.firstUse.back().label == damage) {
            ++h.out.firstUse.back().weight; // the same amount from another percent
            continue;
        }
        RollSet rolls;
        setAll(rolls, damage);
        h.out.sets.push_back({rolls, 0});
        h.out.firstUse.push_back(singleHit(1, static_cast<int>(h.out.sets.size()) - 1, damage));
    }
    h.out.rolls = h.out.sets.front().rolls;
    h.out.fixed = true;
    h.out.kind = OutcomeKind::Damage;
    h.add(ExactStep{.rule = ExactRule::Psywave,
                    .before = h.out.sets.front().rolls[0],
                    .after = h.out.sets.back().rolls[0],
                    .arg = level,
                    .arg2 = amounts});
}

} // namespace

bool powerFollowsItsRule(MoveId move) {
    switch (move) {
    case MoveId::LowKick:
    case MoveId::GrassKnot:
    case MoveId::HeavySlam:
    case MoveId::HeatCrash:
    case MoveId::Flail:
    case MoveId::Reversal:
    case MoveId::WringOut:
    case MoveId::CrushGrip:
    case MoveId::Punishment:
    case MoveId::TrumpCard:
    case MoveId::SpitUp:
    case MoveId::Fling:
    case MoveId::NaturalGift:
    case MoveId::BeatUp:
    case MoveId::Magnitude:
    case MoveId::Present:
    case MoveId::Psywave:
    case MoveId::Endeavor:
    case MoveId::FinalGambit:
        return true;
    default:
        return false;
    }
}

namespace {

// The moves that work only on a foe in a certain state, or grow stronger against one.
void readTarget(Hit& h) {
    switch (h.a.move) {
    case MoveId::DreamEater: // only on a sleeping foe; a status not known is none, and the log says so
        if (statusOf(h, h.defSide, kDefenderSide) != StatusCondition::Sleep)
            h.failure = MoveFailure::TargetAwake;
        break;
    case MoveId::Synchronoise: // only on a foe that shares a type with the user
        if (!sharesType(h.atkTypes, h.defTypes))
            h.failure = MoveFailure::NoSharedType;
        break;
    case MoveId::Brine: // doubled with the power's modifiers in the 5th generation (exact_gen5.cpp)
        h.halfHpTarget = hpNow(h, h.defSide, h.def, kDefenderSide) * 2 <= h.def.stat[kHp];
        if (h.gen4() && h.halfHpTarget)
            doublePower(h, PowerReason::TargetHalfHp);
        break;
    case MoveId::Venoshock:
        h.poisonedTarget =
            statusIs(statusOf(h, h.defSide, kDefenderSide), {StatusCondition::Poison, StatusCondition::BadPoison});
        break;
    default:
        break;
    }
}

// The power read from the two battlers: happiness, HP, weight, stages.
void powerFromBattlers(Hit& h) {
    switch (h.a.move) {
    case MoveId::Return:
    case MoveId::Frustration:
        happinessPower(h);
        break;
    case MoveId::Eruption:
    case MoveId::WaterSpout:
        hpPower(h);
        break;
    case MoveId::Flail:
    case MoveId::Reversal:
        flailPower(h);
        break;
    case MoveId::WringOut:
    case MoveId::CrushGrip:
        wringOutPower(h);
        break;
    case MoveId::LowKick:
    case MoveId::GrassKnot:
        weightPower(h);
        break;
    case MoveId::HeavySlam:
    case MoveId::HeatCrash:
        weightRatioPower(h);
        break;
    case MoveId::Punishment:
    case MoveId::StoredPower:
        stagePower(h);
        break;
    default:
        break;
    }
}

// The power read from the move's own use: the uses in a row, the PP, the stockpile, the item
// thrown or eaten, the party, or a chance.
void powerFromUse(Hit& h) {
    switch (h.a.move) {
    case MoveId::EchoedVoice:
    case MoveId::FuryCutter:
    case MoveId::Rollout:
    case MoveId::IceBall:
        usesInARowPower(h);
        break;
    case MoveId::TrumpCard:
        trumpCardPower(h);
        break;
    case MoveId::SpitUp:
        spitUpPower(h);
        break;
    case MoveId::Fling:
        flingPower(h);
        break;
    case MoveId::NaturalGift:
        naturalGift(h);
        break;
    case MoveId::BeatUp:
        beatUp(h);
        break;
    case MoveId::Magnitude:
        h.powerOutcomes = PowerOutcomes::Magnitude;
        setPower(h, ExactRule::PowerOutcomes, kMagnitudes[kLikeliestMagnitude].power, indexOf(h.a.move));
        break;
    case MoveId::Present:
        h.powerOutcomes = PowerOutcomes::Present;
        setPower(h, ExactRule::PowerOutcomes, kPresents[0].power, indexOf(h.a.move));
        break;
    default:
        break;
    }
}

} // namespace

void resolveVariablePower(Hit& h) {
    if (conditionalPower(h)) {
        h.out.shownPower = h.power;
        return;
    }
    // Each move is in one of the three.
    readTarget(h);
    powerFromBattlers(h);
    powerFromUse(h);
}

bool dealtVariableDamage(Hit& h) {
    int32_t damage = 0;
    switch (h.a.move) {
    case MoveId::Endeavor: { // the foe's HP down to the user's
        const int mine = hpNow(h, h.a.attacker, h.atk, kAttackerSide);
        const int theirs = hpNow(h, h.defSide, h.def, kDefenderSide);
        if (theirs <= mine) {
            h.add(ExactRule::MoveFails, static_cast<int32_t>(MoveFailure::HpNotLower));
            h.out.outcome = ExactRolls::Outcome::NoFormula;
            return true;
        }
        damage = theirs - mine;
        break;
    }
    case MoveId::FinalGambit: // the user's HP
        damage = hpNow(h, h.a.attacker, h.atk, kAttackerSide);
        break;
    case MoveId::Psywave:
        psywave(h);
        return true;
    default:
        return false;
    }
    h.out.fixed = true;
    setAll(h.out.rolls, damage);
    h.add(ExactStep{.rule = ExactRule::FixedDamage, .after = damage, .arg = indexOf(h.a.move)});
    return true;
}

void addPowerOutcomes(Hit& h, const Hit& before) {
    std::vector<HitRolls>& sets = h.out.sets;
    std::vector<UseOutcome>& use = h.out.firstUse;
    sets.push_back({h.out.rolls, h.power});
    // Each power's rolls, the one already computed first.
    const auto setOf = [&](int power) {
        for (size_t i = 0; i < sets.size(); ++i)
            if (sets[i].power == power)
                return static_cast<int>(i);
        sets.push_back({rollsAtPower(before, power), power});
        return static_cast<int>(sets.size()) - 1;
    };
    switch (h.powerOutcomes) {
    case PowerOutcomes::Magnitude:
        h.out.kind = OutcomeKind::Magnitude;
        for (const MagnitudeLevel& m : kMagnitudes)
            use.push_back(singleHit(m.percent, setOf(m.power), m.magnitude));
        break;
    case PowerOutcomes::Present:
        h.out.kind = OutcomeKind::Power;
        for (const PresentGift& p : kPresents)
            use.push_back(singleHit(p.tenths, p.power ? setOf(p.power) : -1, p.power));
        break;
    case PowerOutcomes::TurnOrder: // first or after, one chance each
        h.out.kind = OutcomeKind::TurnOrder;
        use.push_back(singleHit(1, 0, 0));
        use.push_back(singleHit(1, setOf(before.power * 2), 1));
        break;
    case PowerOutcomes::None:
        break;
    }
}

} // namespace rusrina::exact
