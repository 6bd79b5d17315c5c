#pragma once
// Random battles for the property tests: entries of any species with random natures, IVs, EVs, held
// items, genders, happiness and damaging moves, and a scenario with every input of the window and
// of the battle state drawn, each away from its default often enough to meet the others.

#include "calc/scenario.h"
#include "calc/stats.h"
#include "data/abilities.h"
#include "data/held_items.h"
#include "data/moves.h"
#include "data/species.h"

#include "box_test_support.h"

#include <random>
#include <vector>

namespace rusrina::test {

class RandomBattles {
public:
    explicit RandomBattles(uint32_t seed) : m_random(seed) {}

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    bool chance(int percent) { return below(100) < percent; }

    // A creature as the edit form registers it, with a held item, gender and happiness beside it.
    Combatant creature() {
        std::array<int, 6> ivs, evs{};
        for (int& iv : ivs)
            iv = chance(70) ? 31 : below(32);
        for (int left = below(128); left > 0; --left) {
            int& ev = evs[below(6)];
            if (ev + 4 <= 252)
                ev += 4;
        }
        const int species = below(kSpeciesCount);
        std::array<int, 4> moves;
        for (int& m : moves)
            m = chance(90) ? damagingMove() : NO_MOVE;
        const int item = chance(25) ? kNoHeldItem : 1 + below(heldItemCount() - 1);
        const BoxEntry entry = testing::EntryBuilder("random", species)
                                   .level(chance(70) ? 50 : 1 + below(100))
                                   .nature(below(25))
                                   .ability(chance(50) ? 1 + below(kAbilityCount - 1) : below(8) * 20 + 3)
                                   .item(damageRowOfHeldItem(item))
                                   .ivs(ivs)
                                   .evs(evs)
                                   .moves(moves)
                                   .computedStats();
        EntryExtra extra;
        extra.heldItem = heldItemFields(item).heldItem;
        extra.gender = static_cast<Gender>(below(3));
        extra.happiness = chance(60) ? kDefaultHappiness : below(256);
        return combatantOf(entry, extra);
    }

    // A move that deals damage (any category but status).
    int damagingMove() {
        for (;;) {
            const int move = below(kMoveCount);
            if (moveRecord(move).power != 0 && moveRecord(move).category != kStatus)
                return move;
        }
    }

    CombatantState state(int maxHp) {
        CombatantState s;
        if (chance(30))
            s.status = static_cast<StatusCondition>(below(7));
        s.toxicTurns = 1 + below(4);
        if (chance(35))
            s.hp = chance(50) ? HpNow{1 + below(100), true} : HpNow{1 + below(maxHp), false};
        for (int8_t& stage : s.stages)
            stage = chance(20) ? static_cast<int8_t>(below(7) - 3) : 0;
        s.tailwind = chance(15);
        s.stealthRock = chance(25);
        s.spikes = chance(25) ? 1 + below(3) : 0;
        s.switchingIn = chance(40);
        s.seeded = chance(15);
        s.charged = chance(10);
        s.flashFire = chance(10);
        return s;
    }

    SideConditions sideConditions() { return {chance(15), chance(15), chance(10), chance(10), chance(10), chance(10)}; }

    // The window's scenario in `mode` for `attacker` against `defender`.
    Scenario scenario(DamageMode mode, Combatant attacker, Combatant defender) {
        Scenario s;
        s.mode = mode;
        s.critical = chance(10);
        s.attacker = std::move(attacker);
        s.defender = std::move(defender);
        for (Combatant* c : {&s.attacker, &s.defender}) {
            c->side = sideConditions();
            c->state = state(c->entry->stat[kHp]);
        }
        s.field = {below(kWeatherCount), chance(10), chance(15), chance(15), chance(10), chance(10), chance(50)};
        s.assumed = {chance(25) ? below(5) - 2 : 0, chance(25) ? below(5) - 2 : 0, chance(10), chance(20), chance(15)};
        return s;
    }

private:
    std::mt19937 m_random;
};

} // namespace rusrina::test
