// How far the simulator and the calculator agree on realistic cases: draws attacker, defender and one
// of the attacker's damaging moves from the team sets (tests/data/team_sets_genN_calc.json), now and
// then weather, a critical hit, a speed stage, まひ or おいかぜ, runs each case through both oracles and
// prints the counts, then every case where the rolls or the speeds differ as a case line (feed it to
// oracle.mjs to read both answers whole).
//
//   node agreement.mjs [--count 300] [--seed 1] [--gen 4|5]
import { readFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { Dex } from '@pkmn/dex';
import { calcCase } from './calc.mjs';
import { simulateCase } from './simulate.mjs';

const here = dirname(fileURLToPath(import.meta.url));
const option = (name, fallback) => {
    const at = process.argv.indexOf(name);
    return at > 0 ? process.argv[at + 1] : fallback;
};
const COUNT = Number(option('--count', 300));
let state = Number(option('--seed', 1)) >>> 0;
const GENS = option('--gen', null) ? [Number(option('--gen'))] : [4, 5];

function random() {
    state = (state + 0x6d2b79f5) >>> 0;
    let t = state;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
}
const pick = (list) => list[Math.floor(random() * list.length)];
const chance = (p) => random() < p;

function drawCase(id, gen, sets, dex) {
    for (;;) {
        const attacker = structuredClone(pick(sets)), defender = structuredClone(pick(sets));
        const moves = attacker.options.moves.filter((m) => dex.moves.get(m).category !== 'Status');
        if (!moves.length) continue;
        if (chance(0.15)) attacker.options.status = 'par';
        if (chance(0.2)) attacker.options.boosts = { spe: Math.floor(random() * 13) - 6 };
        const field = { attackerSide: { isTailwind: chance(0.15) } };
        if (chance(0.25)) field.weather = pick(['Sun', 'Rain', 'Sand', 'Hail']);
        return { id, gen, attacker, defender, move: { name: pick(moves), options: { isCrit: chance(0.2) } }, field };
    }
}

for (const gen of GENS) {
    const sets = JSON.parse(readFileSync(join(here, '../../tests/data', `team_sets_gen${gen}_calc.json`), 'utf8'));
    const dex = Dex.forGen(gen);
    const counts = { same: 0, rolls: 0, speed: 0, unsupported: 0, errors: 0 };
    const differing = [];
    for (let id = 0; id < COUNT; ++id) {
        const c = drawCase(`${gen}-${id}`, gen, sets, dex);
        const sim = simulateCase(c), calc = calcCase(c);
        if (sim.unsupported) { ++counts.unsupported; continue; }
        if (sim.error || calc.error) { ++counts.errors; differing.push(c); continue; }
        const rollsDiffer = JSON.stringify(sim.perHit ?? [sim.rolls]) !== JSON.stringify(calc.perHit ?? [calc.rolls]);
        const speedDiffers = sim.order.attacker.stat !== calc.speed.attacker || sim.order.defender.stat !== calc.speed.defender;
        if (rollsDiffer) ++counts.rolls;
        if (speedDiffers) ++counts.speed;
        if (!rollsDiffer && !speedDiffers) ++counts.same;
        else differing.push(c);
    }
    console.error(`gen ${gen}: ${COUNT} cases, ${counts.same} agree; rolls differ ${counts.rolls}, speeds differ ` +
                  `${counts.speed}, unsupported ${counts.unsupported}, errors ${counts.errors}`);
    for (const c of differing) console.log(JSON.stringify(c));
}
