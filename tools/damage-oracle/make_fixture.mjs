// Draws the exact engine's calculator fixture, tests/data/exact_oracle_cases.jsonl.gz: per
// generation, a third of the cases from pairs of the realistic team sets
// (tests/data/team_sets_genN_calc.json), the rest aimed at every held item, ability, move with rules
// of its own and battle condition (fixture_rules.mjs), each case with @smogon/calc's answer.
//
//   npm ci && node make_fixture.mjs [--count 24000] [--seed 24] [--engine ../../build/dev/src/rusrina-calc]
//
// One case a line, in the oracles' format (simulate.mjs), plus "covers" (the rule it was drawn
// for) and "calc" (the calculator's answer: "rolls", and "perHit" for a move that hits more than
// once). Case ids are the generation times 100000 plus the case's number. A drawn case that the
// engine's inputs cannot hold (rusrina-calc --oracle refuses it) is drawn again, so the fixture
// holds only cases the engine can be asked; the same seed writes the same file.
import { execFileSync } from 'node:child_process';
import { readFileSync, writeFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { gzipSync } from 'node:zlib';
import { Dex } from '@pkmn/dex';
import { calcCase } from './calc.mjs';
import { poolsFor, Random } from './fixture_draws.mjs';
import { ruleGroups, setCase } from './fixture_rules.mjs';
import { readCases } from './oracle.mjs';

const here = dirname(fileURLToPath(import.meta.url));
const repo = join(here, '..', '..');
const option = (name, fallback) => {
    const at = process.argv.indexOf(name);
    return at > 0 ? process.argv[at + 1] : fallback;
};
const COUNT = Number(option('--count', 24000));
const SEED = Number(option('--seed', 24));
const ENGINE = option('--engine', join(repo, 'build/dev/src/rusrina-calc'));
const OUT = option('--out', join(repo, 'tests/data/exact_oracle_cases.jsonl.gz'));

// ---- what the engine can be asked --------------------------------------------------------------

// For each case, null when the engine's inputs hold it, else the reason they cannot.
function refusals(cases) {
    if (!cases.length) return [];
    const input = cases.map((c, i) => JSON.stringify({ ...c, id: i })).join('\n') + '\n';
    const output = execFileSync(ENGINE, ['--oracle'], { input, encoding: 'utf8', maxBuffer: 1 << 30 });
    return output.trim().split('\n').map((line) => JSON.parse(line).error ?? null);
}

// The species, items, abilities and moves the box can hold in the generation, each tried once.
function keepHoldable(pools) {
    const smeargle = { ability: 'Own Tempo', gender: 'M' };
    const base = { gen: pools.gen, attacker: { name: 'Smeargle', options: smeargle },
                   defender: { name: 'Smeargle', options: smeargle }, move: { name: 'Tackle' } };
    const probes = [
        ...pools.species.map((s) => ({ ...base, attacker: { name: s.name, options: { ...smeargle, gender: s.gender || 'M' } } })),
        ...pools.items.map((i) => ({ ...base, attacker: { name: 'Smeargle', options: { ...smeargle, item: i.name } } })),
        ...pools.abilities.map((a) => ({ ...base, attacker: { name: 'Smeargle', options: { ...smeargle, ability: a.name } } })),
        ...pools.moves.map((m) => ({ ...base, move: { name: m.name } })),
    ];
    const refused = refusals(probes);
    let at = 0;
    const keep = (list) => list.filter(() => refused[at++] === null);
    const dropped = (list, kept) => list.filter((x) => !kept.includes(x)).map((x) => x.name);
    const species = keep(pools.species), items = keep(pools.items), abilities = keep(pools.abilities),
          moves = keep(pools.moves);
    console.error(`gen ${pools.gen}: not held by the box: ${[...dropped(pools.species, species), ...dropped(pools.items, items),
        ...dropped(pools.abilities, abilities), ...dropped(pools.moves, moves)].join(', ') || 'nothing'}`);
    Object.assign(pools, { species, items, abilities, moves, movesOfType: {},
                           speciesByName: Object.fromEntries(species.map((s) => [s.name, s])) });
    for (const m of moves) (pools.movesOfType[m.type] ??= []).push(m);
}

// ---- drawing the cases -------------------------------------------------------------------------

// `target` cases from draw(k), k = 0, 1, …: each one the engine can be asked and the calculator answers.
function collect(target, draw) {
    const kept = [];
    let k = 0;
    while (kept.length < target) {
        const batch = [];
        const wanted = Math.ceil((target - kept.length) * 1.15) + 8;
        for (let i = 0; i < wanted; ++i) {
            const c = draw(k++);
            if (c) batch.push(c);
        }
        const refused = refusals(batch);
        for (let i = 0; i < batch.length && kept.length < target; ++i) {
            if (refused[i] !== null) continue;
            const answer = calcCase(batch[i]);
            if (answer.error) continue;
            kept.push({ ...batch[i], calc: answer.perHit ? { perHit: answer.perHit } : { rolls: answer.rolls } });
        }
        if (k > target * 20 + 1000) throw new Error(`too few cases can be drawn (${kept.length} of ${target})`);
    }
    return kept;
}

// The cases the examples name, with the figures known from the games where there are any
// (the sanity cases), and the ones its rules name.
function namedCases(gen) {
    const sanity = readCases(readFileSync(join(here, 'sanity_cases.jsonl'), 'utf8'))
        .filter((c) => c.gen === gen).map(({ expect, id, ...c }) => ({ covers: `named:${id}`, ...c }));
    const side = (name, options) => ({ name, options: { level: 50, ...options } });
    const more = [
        { covers: 'named:stored-power-plus-4', gen: 5,
          attacker: side('Sigilyph', { nature: 'Timid', ability: 'Magic Guard', evs: { spa: 252, spe: 252 }, boosts: { spa: 4 } }),
          defender: side('Blissey', { nature: 'Bold', ability: 'Natural Cure', evs: { hp: 252, def: 252 } }),
          move: { name: 'Stored Power' } },
        { covers: 'named:super-fang-blissey', gen,
          attacker: side('Raticate', { nature: 'Jolly', ability: 'Guts', evs: { atk: 252, spe: 252 } }),
          defender: side('Blissey', { nature: 'Bold', ability: 'Natural Cure', evs: { hp: 252, def: 252 } }),
          move: { name: 'Super Fang' } },
        ...['Fly', 'Bounce', 'Jump Kick', 'High Jump Kick'].map((move) => ({
            covers: `named:gravity-${move.toLowerCase().replace(/ /g, '-')}`, gen,
            attacker: side('Hitmonlee', { nature: 'Adamant', ability: 'Reckless', evs: { atk: 252 } }),
            defender: side('Snorlax', { nature: 'Careful', ability: 'Thick Fat', evs: { hp: 252 } }),
            move: { name: move }, field: { isGravity: true } })),
        { covers: 'named:future-sight-typeless', gen,
          attacker: side('Alakazam', { nature: 'Timid', ability: 'Synchronize', evs: { spa: 252 } }),
          defender: side('Umbreon', { nature: 'Calm', ability: 'Synchronize', evs: { hp: 252, spd: 252 } }),
          move: { name: 'Future Sight' } },
        { covers: 'named:doom-desire-typeless', gen,
          attacker: side('Jirachi', { nature: 'Modest', ability: 'Serene Grace', evs: { spa: 252 } }),
          defender: side('Heatran', { nature: 'Calm', ability: 'Flash Fire', evs: { hp: 252, spd: 252 } }),
          move: { name: 'Doom Desire' } },
    ].filter((c) => c.gen === gen);
    // The calculator takes an unnamed gender as male; the engine needs it named.
    const dex = Dex.forGen(gen);
    for (const c of [...sanity, ...more])
        for (const side of [c.attacker, c.defender]) side.options.gender ??= dex.species.get(side.name).gender || 'M';
    return [...sanity, ...more];
}

function casesOf(gen) {
    const pools = poolsFor(gen);
    keepHoldable(pools);
    const r = new Random(SEED * 7 + gen);
    const sets = JSON.parse(readFileSync(join(repo, `tests/data/team_sets_gen${gen}_calc.json`), 'utf8'));
    const named = collect(namedCases(gen).length, (k) => namedCases(gen)[k % namedCases(gen).length]);
    const setCount = Math.round(COUNT / 3);
    const realistic = collect(setCount, () => setCase(r, pools, sets));
    const ruled = COUNT - setCount - named.length;
    const groups = ruleGroups(pools);
    const aimed = [];
    let left = ruled;
    groups.forEach((g, i) => {
        const count = i === groups.length - 1 ? left : Math.round(ruled * g.share);
        left -= count;
        aimed.push(...collect(count, (k) => g.draw(r, pools, g.members[k % g.members.length])));
    });
    return [...named, ...realistic, ...aimed].map((c, n) => ({ id: gen * 100000 + n + 1, ...c }));
}

const lines = [];
const covered = {};
for (const gen of [4, 5]) {
    for (const c of casesOf(gen)) {
        lines.push(JSON.stringify(c));
        const family = `${gen} ${c.covers.split(':')[0]}`;
        covered[family] = (covered[family] ?? 0) + 1;
    }
}
writeFileSync(OUT, gzipSync(lines.join('\n') + '\n', { level: 9 }));
console.log(`${lines.length} cases written to ${OUT}`);
console.log(Object.entries(covered).map(([k, v]) => `${k}: ${v}`).join('\n'));
