// Plays a sequence of attacks against one defender in the battle simulator @pkmn/sim, many seeded
// battles, and counts after each use how many battles the defender has fallen in by the end of
// that use's turn. Nothing is forced: the accuracy check, the critical hit, the roll and the hit
// count of each use are the simulator's own draws, so the counts estimate the chances the exact
// engine computes "命中・急所込み" (tests/core/sequence_oracle_test.cpp compares them).
//
// A sequence case (make_sequence_fixture.mjs draws them):
//
//   {"id": 800001, "gen": 5, "covers": ["berry:Sitrus Berry", ...],
//    "defender": {"name": "Ferrothorn", "options": {... as the calculator takes them, plus curHP,
//                 status "psn"/"tox"/"brn" and toxicCounter (the first end of turn deals n/16)}},
//    "steps": [{"attacker": {"name": ..., "options": {...}}, "move": {"name": "Outrage"}, "uses": 2}, ...],
//    "field": {"weather": "Sand", "isGravity": true,
//              "defenderSide": {"isSR": true, "spikes": 1, "isSeeded": true, "isReflect": true, ...}},
//    "accuracyStage": 0, "evasionStage": 0,    (every attacker's accuracy stage, the defender's evasion stage)
//    "switchingIn": true,                       (the defender comes in on its side's hazards first)
//    "countTurnEnd": true}                      (each use is followed by an end of turn)
//
// How a battle is played (one battle object per case, copied for each seeded battle):
//   - Player 1 holds every attacker of the steps, player 2 the defender alone. The hazards are laid
//     on the defender's side before the leads come in, so the defender takes them on entry (and eats
//     its オボンのみ if they bring it to half); its HP now and its status are set before that too.
//     The weather, the rooms and the screens last for ever (their turns are not counted down), as
//     the engine takes them.
//   - Each use is a turn of its own: the attacker in front is replaced without a turn passing
//     when the step names another (its switch-in runs as in a battle), then it uses its move through
//     the simulator's whole move pipeline (runMove), then, when the case counts it, the end of turn
//     runs (the residual events: weather, items, status, やどりぎのタネ …). The defender never moves,
//     as if it used はねる every turn.
//   - What the engine leaves out is kept out of the battle: no secondary effect happens (every
//     secondary chance fails: burns, flinches, stat drops on the foe, …); the attacker never faints
//     and gets its HP and status back after each use (recoil, いのちのたま, ゴツゴツメット, poison);
//     a move that locks its user (げきりん) ends at once, so it never confuses it. The cases are
//     drawn so that nothing else random acts (see make_sequence_fixture.mjs).
import { Battle, PRNG, toID } from '@pkmn/sim';
import { cacheCallbacks } from './sim_speed.mjs';
import { teamSet, Unsupported } from './simulate.mjs';

const WEATHER = { Sun: 'sunnyday', Rain: 'raindance', Sand: 'sandstorm', Hail: 'hail' };
const SIDE_CONDITIONS = [['isReflect', 'reflect'], ['isLightScreen', 'lightscreen']];
const ROOMS = [['isGravity', 'gravity'], ['isMagicRoom', 'magicroom'], ['isWonderRoom', 'wonderroom']];

cacheCallbacks();

// The attackers of the steps, each once, in the order they first attack.
function attackersOf(c) {
    const keys = [];
    for (const step of c.steps) {
        const key = JSON.stringify(step.attacker);
        if (!keys.includes(key)) keys.push(key);
    }
    return keys;
}

function lastForEver(state) {
    if (state) state.duration = 0;
}

function setUpField(battle, c, attacker) {
    const field = c.field ?? {};
    if (field.weather) {
        if (!WEATHER[field.weather]) throw new Unsupported(`weather ${field.weather}`);
        battle.field.setWeather(WEATHER[field.weather], attacker);
        lastForEver(battle.field.weatherState);
    }
    for (const [flag, id] of ROOMS)
        if (field[flag]) {
            battle.field.addPseudoWeather(id, attacker);
            lastForEver(battle.field.pseudoWeather[id]);
        }
    const side = field.defenderSide ?? {};
    const defender = battle.p2.active[0];
    for (const [flag, id] of SIDE_CONDITIONS)
        if (side[flag]) {
            battle.p2.addSideCondition(id, defender);
            lastForEver(battle.p2.sideConditions[id]);
        }
    if (side.isSeeded) defender.addVolatile('leechseed', attacker);
}

// The battle up to the first use: the leads in, the defender through its hazards, the state set.
function startSequence(c) {
    const battle = new Battle({ formatid: `gen${c.gen}customgame`, seed: [1, 2, 3, 4] });
    // The battle starts as soon as both players are in, and in the 4th generation (no team preview)
    // the leads come in at once: it is held back until the defender's side has its hazards.
    battle.start = () => {};
    const dex = battle.dex;
    // Each attacker knows the moves its steps use (and no other).
    const attackers = attackersOf(c).map((key) => {
        const side = JSON.parse(key);
        const moves = c.steps.filter((s) => JSON.stringify(s.attacker) === key).map((s) => s.move.name);
        return teamSet(dex, { ...side, options: { ...side.options, moves: [...new Set(moves)] } });
    });
    battle.setPlayer('p1', { team: attackers });
    battle.setPlayer('p2', { team: [teamSet(dex, c.defender)] });
    const defender = battle.p2.pokemon[0];
    const o = c.defender.options ?? {};
    if (c.switchingIn) {
        const side = c.field?.defenderSide ?? {};
        // Laid before anyone is in, so set as the side's conditions are kept.
        const lay = (id, more) => (battle.p2.sideConditions[id] = battle.initEffectState({ id, target: battle.p2, ...more }));
        if (side.isSR) lay('stealthrock');
        if (side.spikes) lay('spikes', { layers: side.spikes });
    }
    if (o.curHP !== undefined) defender.hp = Math.max(1, Math.min(o.curHP, defender.maxhp));
    delete battle.start;
    battle.start();
    if (battle.requestState === 'teampreview') battle.makeChoices('default', 'default');
    const attacker = battle.p1.active[0];
    if (o.status) {
        // Its own status, from before: no シンクロ passes it on to the attacker.
        defender.setStatus(o.status, defender, null, true);
        if (o.status === 'tox') defender.statusState.stage = (o.toxicCounter ?? 1) - 1;
    }
    setUpField(battle, c, attacker);
    setBoosts(c, battle.p1.active[0], 0);
    defender.boosts.evasion = c.evasionStage ?? 0;
    battle.log = [];
    battle.sentLogPos = 0;
    return battle;
}

// An attacker's stages as it comes in: its own and the accuracy stage every attacker has. One that
// comes back later comes back with these, its stages of before gone with its switch-out.
function setBoosts(c, pokemon, index) {
    pokemon.clearBoosts();
    Object.assign(pokemon.boosts, JSON.parse(attackersOf(c)[index]).options?.boosts ?? {});
    pokemon.boosts.accuracy = c.accuracyStage ?? 0;
}

// The uses in order: which attacker (its place in player 1's team) uses which move.
function usesOf(c) {
    const keys = attackersOf(c);
    const uses = [];
    for (const step of c.steps)
        for (let i = 0; i < (step.uses ?? 1); ++i)
            uses.push({ attacker: keys.indexOf(JSON.stringify(step.attacker)), move: toID(step.move.name) });
    return uses;
}

function bringIn(battle, c, index) {
    const pokemon = battle.p1.pokemon.find((p) => p.set === battle.p1.team[index]);
    if (pokemon.isActive) return pokemon;
    battle.actions.switchIn(pokemon, 0);
    while (battle.queue.peek()?.choice === 'runSwitch') battle.runAction(battle.queue.shift());
    setBoosts(c, pokemon, index);
    return pokemon;
}

// Keeps what the engine leaves out from happening in this battle.
function holdBack(battle) {
    battle.actions.secondaries = () => {};
    for (const pokemon of battle.p1.pokemon) {
        const damage = pokemon.damage;
        pokemon.damage = function (amount, ...rest) {
            return damage.call(this, Math.min(amount, this.hp - 1), ...rest);
        };
    }
}

function restoreAttacker(attacker, hp, status) {
    attacker.hp = hp;
    if (attacker.status !== status) attacker.setStatus(status, null, null, true);
    attacker.removeVolatile('lockedmove');
    attacker.removeVolatile('confusion');
}

// One battle: the use (1 …) by whose end of turn the defender has fallen, 0 when it stands.
function playOnce(c, snapshot, uses, seed, log) {
    const battle = Battle.fromJSON(snapshot);
    battle.prng = new PRNG(seed);
    holdBack(battle);
    const defender = battle.p2.active[0];
    for (const [n, use] of uses.entries()) {
        const attacker = bringIn(battle, c, use.attacker);
        const hp = attacker.hp, status = attacker.status;
        battle.turn++;
        battle.actions.runMove(use.move, attacker, attacker.getLocOf(defender));
        battle.clearActiveMove();
        restoreAttacker(attacker, hp, status);
        battle.faintMessages();
        if (defender.hp <= 0 || defender.fainted) return finish(n + 1);
        if (c.countTurnEnd) battle.runAction({ choice: 'residual' });
        restoreAttacker(attacker, hp, status);
        if (defender.hp <= 0 || defender.fainted) return finish(n + 1);
        for (const pokemon of [attacker, defender]) {
            pokemon.moveThisTurn = '';
            pokemon.hurtThisTurn = null;
            pokemon.newlyActive = false;
            pokemon.activeTurns++;
        }
        if (log) log.push(...battle.log.splice(0));
        else battle.log.length = 0;
        battle.sentLogPos = 0;
    }
    return finish(0);

    function finish(fell) {
        if (log) log.push(...battle.log);
        return fell;
    }
}

// The 4 seeds of battle n of a case.
function seedOf(caseSeed, n) {
    return [caseSeed & 0xffff, (caseSeed >>> 16) & 0xffff, n & 0xffff, (n >>> 16) & 0xffff];
}

// Plays `battles` battles of the case, numbered from `first`: ko[i] counts the battles in which the
// defender has fallen by the end of use i + 1. Battles played in parts add up to the same counts.
export function playSequence(c, { battles = 20000, seed = 1, first = 0 } = {}) {
    const uses = usesOf(c);
    const snapshot = JSON.stringify(startSequence(c).toJSON()); // parsed afresh for each battle: nothing is shared
    const fellAt = new Array(uses.length + 1).fill(0);
    for (let n = first; n < first + battles; ++n) fellAt[playOnce(c, snapshot, uses, seedOf(seed, n))]++;
    const ko = [];
    let total = 0;
    for (let u = 1; u <= uses.length; ++u) ko.push((total += fellAt[u]));
    return { battles, seed, first, ko };
}

// The battle log of battle n of a case, for reading what the simulator did.
export function sequenceLog(c, { seed = 1, n = 0 } = {}) {
    const log = [];
    const fell = playOnce(c, JSON.stringify(startSequence(c).toJSON()), usesOf(c), seedOf(seed, n), log);
    return { fell, log };
}
