// Draws the battle-state fixture, tests/data/exact_state_cases.jsonl.gz: pairs of the realistic
// team sets of the calculator fixture (its "set" cases of one hit that the engine answers as the
// calculator does, listed neither as exceptions nor as pending) with a battle state drawn on top:
// each side's stages, the defender's status (もうどく with its turn count), its HP now and its held
// item (たべのこし, くろいヘドロ, オボンのみ or the set's), the weather, ステルスロック and まきびし on its
// side (it is then switching in) and やどりぎのタネ. Each case keeps the calculator's KO chance:
// "calc": {"n", "chance", "text"} from result.kochance(), counting the hazards and the end of turn.
// Only cases whose verdict the calculator gives with a chance within 4 hits are kept.
//
//   npm ci && node make_state_fixture.mjs [--count 1200] [--seed 25]
//
// The C++ test ExactStateKoCases reads each case as the engine's inputs with the state
// (src/devtools/oracle_case.h, oracleStateCaseFrom) and compares the verdict: the hits and the
// chance to the calculator's one decimal. Differences are listed with their reasons in
// tests/data/exact_state_exceptions.csv (compare_state.mjs proposes them).
import { writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { calculate } from '@smogon/calc';
import { calcObjects } from './calc.mjs';
import { Random } from './fixture_draws.mjs';
import { option, readExceptions, readFixture, readPending, repo } from './fixture_files.mjs';

const COUNT = Number(option('--count', 1200));
const SEED = Number(option('--seed', 25));
const OUT = option('--out', join(repo, 'tests/data/exact_state_cases.jsonl.gz'));

const STATS = ['atk', 'def', 'spa', 'spd', 'spe'];

function drawBoosts(random, stats) {
    const boosts = {};
    for (const s of stats)
        if (random.chance(0.3)) boosts[s] = random.int(-2, 3);
    return boosts;
}

// The state drawn on top of a base case; the base case's own boosts give way to the drawn ones.
function withState(base, random) {
    const c = structuredClone(base);
    delete c.calc;
    delete c.covers;
    const a = c.attacker.options, d = c.defender.options;
    // たんじゅん's stages: the calculator takes the boosts given as doubled already, the engine doubles them.
    a.boosts = a.ability === 'Simple' ? {} : drawBoosts(random, STATS);
    d.boosts = d.ability === 'Simple' ? {} : drawBoosts(random, STATS);
    const item = random.next();
    // A plate, a drive or an orb that makes the form stays.
    if (/Plate|Drive|Griseous/.test(d.item ?? '')) ;
    else if (item < 0.35) d.item = 'Leftovers';
    else if (item < 0.5) d.item = 'Black Sludge';
    else if (item < 0.65) d.item = 'Sitrus Berry';
    const status = random.next();
    delete d.status;
    if (status < 0.15) d.status = 'psn';
    else if (status < 0.3) {
        d.status = 'tox';
        d.toxicCounter = random.int(1, 3);
    } else if (status < 0.45) d.status = 'brn';
    else if (status < 0.52) d.status = 'par';
    if (random.chance(0.4)) {
        const { defender } = calcObjects(c);
        d.curHP = Math.max(1, Math.floor(defender.maxHP() * random.int(30, 99) / 100));
    }
    c.field = structuredClone(c.field ?? {});
    if (random.chance(0.5)) c.field.weather = random.pick(['Sand', 'Hail', 'Rain', 'Sun']);
    const side = (c.field.defenderSide = { ...(c.field.defenderSide ?? {}) });
    if (random.chance(0.5)) side.isSR = true;
    if (random.chance(0.3)) side.spikes = random.int(1, 3);
    if (random.chance(0.25)) side.isSeeded = true;
    return c;
}

function koChance(c) {
    const { gen, attacker, defender, move, field } = calcObjects(c);
    const result = calculate(gen, attacker, defender, move, field);
    const ko = result.kochance();
    return { n: ko.n, chance: ko.chance, text: ko.text };
}

// The guide's worked example comes first: ステルスロック and たべのこし alone, a clear 2HKO chance.
const WORKED_EXAMPLE = {
    id: 550000, gen: 5,
    attacker: { name: 'Garchomp', options: { level: 50, nature: 'Jolly', ability: 'Rough Skin', gender: 'M',
                                             evs: { hp: 4, atk: 252, spe: 252 } } },
    defender: { name: 'Rotom-Wash', options: { level: 50, nature: 'Bold', ability: 'Levitate', item: 'Leftovers',
                                               evs: { hp: 252, def: 252, spe: 4 } } },
    move: { name: 'Outrage' },
    field: { defenderSide: { isSR: true } },
};

const exceptions = readExceptions(), pending = readPending();
const fixture = readFixture();
const lines = [];
for (const gen of [4, 5]) {
    const bases = fixture.filter((c) => c.gen === gen && c.covers === 'set' && !c.calc.perHit &&
        !exceptions.has(String(c.id)) && !pending.has(String(c.id)) && c.calc.rolls.some((r) => r > 0));
    const random = new Random(SEED * 10 + gen);
    let made = 0;
    if (gen === WORKED_EXAMPLE.gen) {
        lines.push(JSON.stringify({ ...WORKED_EXAMPLE, calc: koChance(WORKED_EXAMPLE) }));
        ++made;
    }
    for (let tries = 0; made < COUNT && tries < COUNT * 20; ++tries) {
        const c = withState(random.pick(bases), random);
        let calc;
        try {
            calc = koChance(c);
        } catch {
            continue;
        }
        if (!(calc.n >= 1 && calc.n <= 4) || calc.chance === undefined) continue;
        c.id = gen * 100000 + 50000 + made;
        lines.push(JSON.stringify({ ...c, calc }));
        ++made;
    }
    console.error(`gen ${gen}: ${made} cases`);
}
writeFileSync(OUT, gzipSync(lines.join('\n') + '\n', { level: 9 }));
