// The battle-state fixture against the engine: runs rusrina-calc --oracle-state over
// tests/data/exact_state_cases.jsonl.gz and, for each case whose verdict differs from the
// calculator's (hits, or the chance at its one decimal), proposes the reason from what the engine
// counted and what the calculator's text names. --write writes tests/data/exact_state_exceptions.csv;
// a difference no reason explains is printed and written as "unexplained", for review.
//
//   node compare_state.mjs [--engine ../../build/dev/src/rusrina-calc] [--write]
import { execFileSync } from 'node:child_process';
import { writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { calculate } from '@smogon/calc';
import { calcObjects } from './calc.mjs';
import { option, readFixture, repo } from './fixture_files.mjs';

const ENGINE = option('--engine', join(repo, 'build/dev/src/rusrina-calc'));
const FIXTURE = join(repo, 'tests/data/exact_state_cases.jsonl.gz');
const OUT = join(repo, 'tests/data/exact_state_exceptions.csv');

// The engine's TurnEndKind numbers.
const K = { RainDish: 4, IceBody: 5, DrySkin: 6, SolarPower: 7, Leftovers: 8, BlackSludge: 9, LeechSeed: 10,
            Poison: 11, Toxic: 12, Burn: 13, PoisonHeal: 14, Sitrus: 15, Sandstorm: 2, Hail: 3 };
const HEALS = [K.RainDish, K.IceBody, K.DrySkin, K.Leftovers, K.BlackSludge, K.PoisonHeal];
const LOSSES = [K.Sandstorm, K.Hail, K.DrySkin, K.SolarPower, K.BlackSludge, K.LeechSeed, K.Poison, K.Toxic, K.Burn];

const REASONS = {
    sitrus: 'calculator: leaves オボンのみ out of its KO chance; the game heals 1/4 of the maximum once the HP falls to half (simulator: turn_end_sim.mjs)',
    tie: 'calculator: doubles しっぺがえし at equal speed; the game moves either side first, 50 % each',
    seed: 'calculator: counts やどりぎのタネ on a くさ type, which cannot be seeded (simulator: turn_end_sim.mjs)',
    steps: 'calculator: sums each end of turn into one amount (a heal never capped at the maximum, no fall to a loss before the heal); the game applies each step in its order (simulator: turn_end_sim.mjs)',
};

// The game's order played out independently of the engine, with the calculator's rolls and HP:
// the hazards, then each hit and each step the engine counted, in its order, オボンのみ at half HP.
// A reason is taken only where this recount gives the engine's verdict.
function recount(c, counted) {
    const { gen, attacker, defender, move, field } = calcObjects(c);
    const result = calculate(gen, attacker, defender, move, field);
    const rolls = Array.isArray(result.damage) ? result.damage : Array(16).fill(result.damage);
    const max = defender.maxHP(), d = c.defender.options;
    const part = (n) => Math.max(1, Math.floor(max / n));
    const rock = gen.types.get('rock');
    const sr = Math.max(1, Math.floor(max * defender.types.reduce((e, t) => e * rock.effectiveness[t], 1) / 8));
    const amount = { 0: -sr, 1: -part([0, 8, 6, 4][c.field.defenderSide?.spikes ?? 0]), 2: -part(16), 3: -part(16),
                     4: part(16), 5: part(16), 6: c.field.weather === 'Rain' ? part(8) : -part(8), 7: -part(8),
                     8: part(16), 9: defender.hasType('Poison') ? part(16) : -part(8), 10: -part(8), 11: -part(8),
                     13: -part(defender.hasAbility('Heatproof') ? 16 : 8), 14: part(8) };
    const sitrus = counted.includes(15) ? part(4) : 0;
    let states = new Map([[`${d.curHP ?? max},${sitrus ? 1 : 0}`, 1]]);
    let out = 0;
    const lose = (next, hp, berry, loss, p) => {
        hp -= loss;
        if (hp <= 0) { out += p; return; }
        if (berry && 2 * hp <= max) { hp = Math.min(max, hp + sitrus); berry = 0; }
        const key = `${hp},${berry}`;
        next.set(key, (next.get(key) ?? 0) + p);
    };
    const step = (k, turn) => {
        const next = new Map();
        for (const [key, p] of states) {
            const [hp, berry] = key.split(',').map(Number);
            const a = k === 12 ? -Math.max(1, Math.floor(max * Math.min(15, d.toxicCounter + turn - 1) / 16)) : amount[k];
            if (a > 0) { const kk = `${Math.min(max, hp + a)},${berry}`; next.set(kk, (next.get(kk) ?? 0) + p); }
            else lose(next, hp, berry, -a, p);
        }
        states = next;
    };
    for (const k of counted.filter((k) => k <= 1)) step(k, 1);
    for (let turn = 1; turn <= 20; ++turn) {
        const next = new Map();
        for (const [key, p] of states) {
            const [hp, berry] = key.split(',').map(Number);
            for (const r of rolls) lose(next, hp, berry, r, p / rolls.length);
        }
        states = next;
        for (const k of counted.filter((k) => k > 1 && k < 15)) step(k, turn);
        if (out > 0) return { n: turn, chance: states.size ? out : 1 };
    }
    return { n: 0, chance: 0 };
}

const tenths = (c) => (c >= 1 ? 1000 : Math.min(999, Math.max(1, Math.round(c * 1000))));
const cases = readFixture(FIXTURE);
const input = cases.map((c) => JSON.stringify(c)).join('\n') + '\n';
const output = execFileSync(ENGINE, ['--oracle-state'], { input, encoding: 'utf8', maxBuffer: 1 << 30 });
const ours = new Map(output.trim().split('\n').map((l) => JSON.parse(l)).map((a) => [a.id, a]));

function reasonOf(c, o) {
    if (c.move.name === 'Payback') {
        const { gen, attacker, defender, move, field } = calcObjects(c);
        const r = calculate(gen, attacker, defender, move, field);
        if (r.attacker.stats.spe === r.defender.stats.spe) return 'tie';
    }
    const again = recount(c, o.counted);
    if (again.n !== o.n || tenths(again.chance) !== tenths(o.chance)) return 'unexplained';
    if (o.counted.includes(K.Sitrus)) return 'sitrus';
    if (/Leech Seed/.test(c.calc.text) && !o.counted.includes(K.LeechSeed)) return 'seed';
    const heal = o.counted.some((k) => HEALS.includes(k)), loss = o.counted.some((k) => LOSSES.includes(k));
    if (heal) return 'steps';
    if (loss && c.calc.n === 1 && o.n === 1) return 'steps';
    return 'unexplained';
}

const rows = [], counts = {};
for (const c of cases) {
    const o = ours.get(c.id);
    if (o.error) throw new Error(`${c.id}: ${o.error}`);
    if (o.n === c.calc.n && tenths(o.chance) === tenths(c.calc.chance)) continue;
    const reason = reasonOf(c, o);
    counts[`gen${c.gen} ${reason}`] = (counts[`gen${c.gen} ${reason}`] ?? 0) + 1;
    if (reason === 'unexplained')
        console.log(`${c.id}: engine ${o.n} at ${tenths(o.chance) / 10} % [${o.counted}], recount ${JSON.stringify(recount(c, o.counted))}, calculator ${c.calc.text}`);
    rows.push(`${c.id},${REASONS[reason] ?? 'unexplained'}`);
}
console.log(`${cases.length} cases, ${rows.length} differ:`, counts);
if (process.argv.includes('--write'))
    writeFileSync(OUT, '# Cases of exact_state_cases.jsonl.gz whose verdict differs from the calculator\'s, with the\n' +
        '# reason (tools/damage-oracle/compare_state.mjs proposes it from what each side counted).\ncase,reason\n' +
        rows.join('\n') + '\n');
