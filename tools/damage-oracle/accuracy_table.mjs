// The battle simulator's own chance to hit and to land a critical hit, for a table of cases per
// generation: the accuracy and evasion stages, the abilities, items and field effects that change
// them, the moves that never miss or hit for sure in a weather, and the critical-hit stages with
// what raises or prevents them. Each answer is read from the simulator's code as it runs: the
// accuracy check's randomChance(numerator, 100) (none when the move cannot miss) and the critical
// hit's randomChance(1, n) (none when it is certain), in a battle set up for the case.
//
//   npm ci && node accuracy_table.mjs      # writes tests/data/accuracy_crit_table.jsonl
//
// A line: {"gen", "move", "attacker": {"species", "ability", "item"}, "defender": {...},
// "accuracyStage", "evasionStage", "weather", "gravity", "foresight", "defenderMoved",
// "sim": {"hit": [numerator, 100] or 1, "crit": [1, n] or 1 or 0}, and "games" the same worked out with
// the games' arithmetic where it differs (withGamesAccuracy below)}; the chance to hit is the share of
// the draws 0 … 99 below the numerator (a numerator of 57.3 hits on 58 of them). The C++ test
// AccuracyCritTable computes each line with the engine and compares the chances exactly.
import { writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { Battle, toID } from '@pkmn/sim';
import { option, repo } from './fixture_files.mjs';

const OUT = option('--out', join(repo, 'tests/data/accuracy_crit_table.jsonl'));
const WEATHER = { Sun: 'sunnyday', Rain: 'raindance', Sand: 'sandstorm', Hail: 'hail' };

function creature(side, defaults) {
    const s = { ...defaults, ...side };
    return { name: s.species, species: s.species, level: 50, nature: 'Serious', ability: s.ability ?? 'No Ability',
             item: s.item ?? '', moves: [s.move ?? 'Splash'], evs: {}, ivs: {}, gender: 'M' };
}

function battleFor(row) {
    const battle = new Battle({ formatid: `gen${row.gen}customgame`, seed: [1, 2, 3, 4] });
    battle.setPlayer('p1', { team: [creature({ ...row.attacker, move: row.move }, { species: 'Smeargle' })] });
    battle.setPlayer('p2', { team: [creature(row.defender, { species: 'Snorlax' })] });
    if (battle.requestState === 'teampreview') battle.makeChoices('default', 'default');
    const [attacker, defender] = [battle.p1.active[0], battle.p2.active[0]];
    if (row.weather) {
        battle.field.setWeather(WEATHER[row.weather], attacker);
    }
    if (row.gravity) battle.field.addPseudoWeather('gravity', attacker);
    if (row.foresight) defender.addVolatile('foresight', attacker);
    attacker.boosts.accuracy = row.accuracyStage ?? 0;
    defender.boosts.evasion = row.evasionStage ?? 0;
    return { battle, attacker, defender };
}

// What the simulator draws the outcome with, inside `run`: the first randomChance call's
// arguments (answered with `answer`), or null when none was made.
function firstChance(battle, run, answer) {
    let seen = null;
    const original = battle.randomChance;
    battle.randomChance = (numerator, denominator) => {
        seen ??= [numerator, denominator];
        return answer;
    };
    try {
        run();
    } finally {
        battle.randomChance = original;
    }
    return seen;
}

// The move as useMove hands it on: its own ModifyMove (かみなり in the rain or the sun …) and the
// user's (かたやぶり …) applied.
function modifiedMove(battle, row, attacker, defender) {
    let move = battle.dex.getActiveMove(row.move);
    battle.setActiveMove(move, attacker, defender);
    battle.singleEvent('ModifyMove', move, null, attacker, defender, move, move);
    move = battle.runEvent('ModifyMove', attacker, defender, move, move);
    return move;
}

// The 4th generation's accuracy with the games' arithmetic: the simulator applies the chained
// modifiers of ModifyAccuracy (ふくがん, はりきり, すながくれ, ゆきがくれ, じゅうりょく) only to an accuracy
// that is a whole number, and the 4th generation's stage ratios and item factors leave fractions
// (33.33… at -6): there it drops them, where the games apply them whatever the accuracy.
function withGamesAccuracy(battle) {
    let chain = 1;
    const chainModify = battle.chainModify;
    battle.chainModify = function (...args) {
        const result = chainModify.apply(this, args);
        if (this.event?.id === 'ModifyAccuracy') chain = this.event.modifier;
        return result;
    };
    const runEvent = battle.runEvent;
    battle.runEvent = function (eventid, ...args) {
        if (eventid !== 'ModifyAccuracy') return runEvent.call(this, eventid, ...args);
        chain = 1;
        const value = runEvent.call(this, eventid, ...args);
        const whole = typeof value === 'number' && value === Math.abs(Math.floor(value));
        return typeof value === 'number' && !whole && chain !== 1 ? this.modify(value, chain) : value;
    };
}

function simulate(row, games = false) {
    const { battle, attacker, defender } = battleFor(row);
    if (games) withGamesAccuracy(battle);
    const move = modifiedMove(battle, row, attacker, defender);
    if (!row.defenderMoved) // the defender's move still to come: フォーカスレンズ sees the foe yet to move
        battle.queue.addChoice({ choice: 'move', pokemon: defender, moveid: 'splash', targetLoc: 0 });
    let hitResults;
    const hit = firstChance(battle, () => {
        hitResults = battle.actions.hitStepAccuracy([defender], attacker, move);
    }, true);
    const critMove = modifiedMove(battle, row, attacker, defender);
    const crit = firstChance(battle, () => battle.actions.getDamage(attacker, defender, critMove), true);
    const landed = defender.getMoveHitData(critMove).crit;
    return {
        hit: hit ? [hit[0], hit[1]] : hitResults[0] ? 1 : 0,
        crit: crit ? (landed ? [crit[0], crit[1]] : 0) : landed ? 1 : 0,
    };
}

// ---- the table ---------------------------------------------------------------------------------

function rowsFor(gen) {
    const rows = [];
    const add = (row) => rows.push({ gen, ...row });
    for (const move of ['Thunderbolt', 'Stone Edge', 'Focus Blast', 'Zap Cannon'])
        for (let a = -6; a <= 6; ++a)
            for (let e = -6; e <= 6; ++e)
                if (move === 'Focus Blast' || (a + e) % 2 === 0 || Math.abs(a) + Math.abs(e) <= 4)
                    add({ move, accuracyStage: a, evasionStage: e });
    const accuracyMoves = ['Thunderbolt', 'Hydro Pump', 'Stone Edge', 'Focus Blast', 'Dynamic Punch', 'Rock Slide',
                           'Megahorn', 'Mega Kick'];
    const stages = [[0, 0], [1, 0], [0, 1], [-1, 2], [2, -1], [-6, 0], [0, 6]];
    const each = (fn) => { for (const move of accuracyMoves) for (const [a, e] of stages) fn(move, a, e); };
    each((move, a, e) => {
        for (const ability of ['No Guard', 'Hustle', 'Compound Eyes', 'Unaware', 'Simple'])
            add({ move, accuracyStage: a, evasionStage: e, attacker: { ability } });
        for (const item of ['Wide Lens', 'Zoom Lens']) {
            add({ move, accuracyStage: a, evasionStage: e, attacker: { item } });
            add({ move, accuracyStage: a, evasionStage: e, attacker: { item }, defenderMoved: true });
        }
        for (const ability of ['No Guard', 'Unaware', 'Simple'])
            add({ move, accuracyStage: a, evasionStage: e, defender: { ability } });
        for (const item of ['Bright Powder', 'Lax Incense'])
            add({ move, accuracyStage: a, evasionStage: e, defender: { item } });
        add({ move, accuracyStage: a, evasionStage: e, defender: { ability: 'Sand Veil' }, weather: 'Sand' });
        add({ move, accuracyStage: a, evasionStage: e, defender: { ability: 'Snow Cloak' }, weather: 'Hail' });
        add({ move, accuracyStage: a, evasionStage: e, gravity: true });
        add({ move, accuracyStage: a, evasionStage: e, foresight: true });
        add({ move, accuracyStage: a, evasionStage: e, attacker: { ability: 'Compound Eyes', item: 'Wide Lens' },
              defender: { item: 'Bright Powder' }, gravity: true });
        add({ move, accuracyStage: a, evasionStage: e, attacker: { ability: 'Hustle', item: 'Zoom Lens' },
              defender: { ability: 'Sand Veil', item: 'Lax Incense' }, weather: 'Sand', defenderMoved: true });
    });
    for (const move of ['Aerial Ace', 'Aura Sphere', 'Swift', 'Shock Wave', 'Magical Leaf', 'Faint Attack'])
        for (const [a, e] of [[0, 0], [0, 6], [-6, 0]]) add({ move, accuracyStage: a, evasionStage: e });
    for (const move of ['Thunder', 'Blizzard', ...(gen >= 5 ? ['Hurricane'] : [])])
        for (const weather of [undefined, 'Sun', 'Rain', 'Sand', 'Hail'])
            for (const [a, e] of [[0, 0], [1, 0], [0, 2]]) add({ move, weather, accuracyStage: a, evasionStage: e });
    // The critical hit: each stage and what raises it, and what prevents it.
    const critMoves = ['Thunderbolt', 'Stone Edge', 'Slash', 'Cross Chop', 'Night Slash', 'Razor Leaf',
                       ...(gen >= 5 ? ['Frost Breath', 'Storm Throw'] : [])];
    for (const move of critMoves) {
        for (const item of [undefined, 'Scope Lens', 'Razor Claw'])
            for (const ability of [undefined, 'Super Luck', 'Sniper']) add({ move, attacker: { ability, item } });
        add({ move, attacker: { species: 'Chansey', item: 'Lucky Punch' } });
        add({ move, attacker: { species: "Farfetch'd", item: 'Stick', ability: 'Super Luck' } });
        add({ move, attacker: { species: 'Chansey', item: 'Lucky Punch', ability: 'Super Luck' } });
        for (const ability of ['Battle Armor', 'Shell Armor']) add({ move, defender: { ability } });
        add({ move, attacker: { ability: 'Mold Breaker' }, defender: { ability: 'Shell Armor' } });
    }
    return rows;
}

const lines = [];
for (const gen of [4, 5])
    for (const row of rowsFor(gen)) {
        for (const side of ['attacker', 'defender']) {
            for (const key of Object.keys(row[side] ?? {})) if (row[side][key] === undefined) delete row[side][key];
            if (row[side] && !Object.keys(row[side]).length) delete row[side];
        }
        if (row.weather === undefined) delete row.weather;
        const sim = simulate(row);
        const games = row.gen === 4 ? simulate(row, true) : sim;
        lines.push(JSON.stringify({ ...row, sim, ...(JSON.stringify(games) !== JSON.stringify(sim) ? { games } : {}) }));
    }
writeFileSync(OUT, lines.join('\n') + '\n');
console.log(`${lines.length} rows written to ${OUT}`);
export { toID };
