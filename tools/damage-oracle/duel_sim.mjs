// Plays one-on-ones in the battle simulator @pkmn/sim, many seeded battles a case, each side using
// its one move every turn until one falls or 100 turns have passed, and counts the first side's
// wins, the draws, its losses and the battles still going (make_duel_fixture.mjs writes them,
// tests/core/duel_oracle_test.cpp compares them with the exact chances).
//
// A case: {"id", "gen", "attacker": {"name", "options": {... as the calculator takes them, plus
// status "par"/"psn"/"tox"/"brn", toxicCounter, curHP}}, "defender": {the same}, "attackerMove":
// {"name"}, "defenderMove": {"name"}, "field": {"weather": "Sand" …, "attackerSide": {"isSeeded"},
// "defenderSide": {"isSeeded"}}}. The weather lasts for ever, as the engine takes it.
//
// What the engine leaves out is kept out of the battle: no added effect happens (every secondary
// chance fails: burns, flinches, stat drops); the cases hold no ability or item that acts at random
// or changes what the engine takes as fixed (make_duel_fixture.mjs lists them). Everything else is
// the simulator's own: the order, せんせいのツメ, misses, critical hits, rolls, recoil, draining, the
// end of turn, the berries, and who wins when both fall.
import { Battle, PRNG } from '@pkmn/sim';
import { cacheCallbacks } from './sim_speed.mjs';
import { teamSet, Unsupported } from './simulate.mjs';

cacheCallbacks();

export const TURN_LIMIT = 100;
const WEATHER = { Sun: 'sunnyday', Rain: 'raindance', Sand: 'sandstorm', Hail: 'hail' };

function sideOf(dex, side, move) {
    return teamSet(dex, { ...side, options: { ...side.options, moves: [move.name] } });
}

function setState(battle, pokemon, o, foe) {
    if (o.curHP !== undefined) pokemon.hp = Math.max(1, Math.min(o.curHP, pokemon.maxhp));
    if (o.status) {
        pokemon.setStatus(o.status, foe, null, true);
        if (pokemon.status !== o.status) throw new Unsupported(`${pokemon.name} cannot have ${o.status}`);
        if (o.status === 'tox') pokemon.statusState.stage = (o.toxicCounter ?? 1) - 1;
    }
}

// The battle with both leads in, before the first choice.
function startDuel(c) {
    const battle = new Battle({ formatid: `gen${c.gen}customgame`, seed: [1, 2, 3, 4] });
    const dex = battle.dex;
    battle.setPlayer('p1', { name: 'first', team: [sideOf(dex, c.attacker, c.attackerMove)] });
    battle.setPlayer('p2', { name: 'second', team: [sideOf(dex, c.defender, c.defenderMove)] });
    if (battle.requestState === 'teampreview') battle.makeChoices('default', 'default');
    const a = battle.p1.active[0], b = battle.p2.active[0];
    setState(battle, a, c.attacker.options ?? {}, b);
    setState(battle, b, c.defender.options ?? {}, a);
    const field = c.field ?? {};
    if (field.weather) {
        if (!WEATHER[field.weather]) throw new Unsupported(`weather ${field.weather}`);
        battle.field.setWeather(WEATHER[field.weather], a);
        if (battle.field.weatherState) battle.field.weatherState.duration = 0;
    }
    if (field.attackerSide?.isSeeded) a.addVolatile('leechseed', b);
    if (field.defenderSide?.isSeeded) b.addVolatile('leechseed', a);
    battle.log = [];
    battle.sentLogPos = 0;
    return battle;
}

function seedOf(caseSeed, n) {
    return [caseSeed & 0xffff, (caseSeed >>> 16) & 0xffff, n & 0xffff, (n >>> 16) & 0xffff];
}

// One battle: 'win', 'draw', 'lose' for the first side, or 'unresolved'.
function playOnce(snapshot, seed, log) {
    const battle = Battle.fromJSON(snapshot);
    battle.prng = new PRNG(seed);
    battle.actions.secondaries = () => {};
    while (!battle.ended && battle.turn <= TURN_LIMIT) {
        try {
            battle.makeChoices('move 1', 'move 1');
        } catch {
            return 'unresolved'; // no PP left: わるあがき
        }
        if (log) log.push(...battle.log.splice(0));
        else battle.log.length = 0;
        battle.sentLogPos = 0;
    }
    if (!battle.ended) return 'unresolved';
    return battle.winner === 'first' ? 'win' : battle.winner === 'second' ? 'lose' : 'draw';
}

// Battles first … first + battles − 1 of the case: battle n is seeded from the case's seed and n alone,
// so a case played in rounds counts the same battles as one played at once.
export function playDuel(c, { battles = 20000, seed = 1, first = 0 } = {}) {
    const snapshot = JSON.stringify(startDuel(c).toJSON());
    const counts = { win: 0, draw: 0, lose: 0, unresolved: 0 };
    for (let n = first; n < first + battles; ++n) counts[playOnce(snapshot, seedOf(seed, n))]++;
    return { battles, seed, ...counts };
}

// Throws Unsupported when the battle cannot be set up as the case says (a status the side cannot have).
export function checkDuel(c) {
    startDuel(c);
}

export function duelLog(c, { seed = 1, n = 0 } = {}) {
    const log = [];
    const result = playOnce(JSON.stringify(startDuel(c).toJSON()), seedOf(seed, n), log);
    return { result, log };
}
