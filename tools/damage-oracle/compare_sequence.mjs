// The sequence engine against the simulator's battles: for each case, the engine's chance that the
// defender has fallen by the end of each use (rusrina-calc --oracle-sequence) beside the share of
// the simulator's battles in which it had, and how many standard errors apart they lie.
//
//   node compare_sequence.mjs                 # the committed fixture
//   node compare_sequence.mjs --played        # what make_sequence_fixture.mjs --play has played so far
//   node compare_sequence.mjs --case 850003   # one case, with its draw
//
// A use whose engine chance is 0 or 1 must match the battles exactly; any other lies within four
// standard errors (of the engine's chance over the battles) or is printed, as the C++ test
// SequenceOracle fails on it unless tests/data/sequence_exceptions.csv lists it.
import { execFileSync } from 'node:child_process';
import { existsSync, readFileSync } from 'node:fs';
import { join } from 'node:path';
import { option, readFixture, repo } from './fixture_files.mjs';

const ENGINE = option('--engine', join(repo, 'build/dev/src/rusrina-calc'));
const FIXTURE = join(repo, 'tests/data/sequence_sim_cases.jsonl.gz');
const ONLY = option('--case', null);

// What make_sequence_fixture.mjs --play has played so far, each case's rounds added up.
function playedCases() {
    const cases = new Map();
    for (const gen of [4, 5]) {
        const file = join(repo, `tools/damage-oracle/.sequence_played_gen${gen}.jsonl`);
        if (!existsSync(file)) continue;
        for (const line of readFileSync(file, 'utf8').trim().split('\n').filter(Boolean)) {
            const p = JSON.parse(line);
            if (p.sim.error) continue;
            const c = cases.get(p.key) ?? { ...JSON.parse(p.key), sim: { battles: 0, ko: p.sim.ko.map(() => 0) } };
            c.sim.battles += p.sim.battles;
            p.sim.ko.forEach((k, u) => (c.sim.ko[u] += k));
            cases.set(p.key, c);
        }
    }
    return [...cases.values()];
}

export function standardErrors(engine, hits, battles) {
    const p = engine;
    const observed = hits / battles;
    if (p <= 0 || p >= 1) return observed === p ? 0 : Infinity;
    return Math.abs(observed - p) / Math.sqrt(p * (1 - p) / battles);
}

const cases = (process.argv.includes('--played') ? playedCases() : readFixture(FIXTURE))
    .filter((c) => !ONLY || String(c.id) === ONLY);
const input = cases.map((c) => JSON.stringify(c)).join('\n') + '\n';
const answers = new Map(execFileSync(ENGINE, ['--oracle-sequence'], { input, encoding: 'utf8', maxBuffer: 1 << 28 })
    .trim().split('\n').map((l) => JSON.parse(l)).map((a) => [String(a.id), a]));
let worst = 0, off = 0;
for (const c of cases) {
    const a = answers.get(String(c.id));
    if (a.error) {
        console.log(`${c.id} ${c.covers[0]}: ${a.error}`);
        ++off;
        continue;
    }
    const z = c.sim.ko.map((hits, u) => standardErrors(a.ko[u], hits, c.sim.battles));
    const most = Math.max(...z);
    if (Number.isFinite(most) && most <= 4) worst = Math.max(worst, most);
    if (most > 4 || ONLY) {
        ++off;
        console.log(`${c.id} ${c.covers[0]}: engine ${a.ko.map((p) => p.toFixed(4)).join(' ')} | sim ${
            c.sim.ko.map((k) => (k / c.sim.battles).toFixed(4)).join(' ')} | ${z.map((x) => x.toFixed(1)).join(' ')} SE`);
        if (ONLY) console.log(JSON.stringify(c));
    }
}
console.log(`${cases.length} cases, ${off} beyond four standard errors; the worst within: ${worst.toFixed(2)}`);
