// Runs cases of the calculator fixture through the battle simulator (simulate.mjs: a real battle,
// the critical hit and each of the 16 rolls forced) and writes its answers beside the fixture,
// tests/data/exact_oracle_sim.jsonl: a sample of every generation (each case whose number is a
// multiple of --every, and every named case) and every case where the engine (rusrina-calc
// --oracle) differs from the calculator now.
//
//   npm ci && node simulate_fixture.mjs [--every 8] [--engine ../../build/dev/src/rusrina-calc] [--fresh] [--sample]
//                                       [--rounding]
//
// Answers already in the file are kept (--fresh: every case is simulated again, as after a new
// fixture; --rounding: every answer with the games' arithmetic is worked out again, as after a
// change to game_rounding.mjs); the file is written in case order, one line a case: {"id", "rolls", "perHit" for more
// than one hit, "note" when nothing was dealt, "first": who moved first, and in the 4th generation
// where it differs from the calculator or the engine "gameRounding": the same with that generation's
// arithmetic}
// or {"id", "unsupported"}.
import { writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { engineAnswers, FILES, option, oracleHits, readFixture, readSimulated, repo, sameHits } from './fixture_files.mjs';
import { simulateCase } from './simulate.mjs';

const EVERY = Number(option('--every', 8));
const ENGINE = option('--engine', join(repo, 'build/dev/src/rusrina-calc'));

const cases = readFixture();
const engine = engineAnswers(cases, ENGINE);
const known = process.argv.includes('--fresh') ? new Map() : readSimulated();
const sampled = (c) => (c.id % 100000) % EVERY === 0 || c.covers.startsWith('named:');
const differs = (c) => {
    const e = engine.get(String(c.id));
    return !e?.hits || !sameHits(e.hits, oracleHits(c.calc));
};
// --sample: the sample alone, while the engine is still changing what differs.
const wanted = cases.filter((c) => sampled(c) || (!process.argv.includes('--sample') && differs(c)));
const missing = wanted.filter((c) => !known.has(String(c.id)));
console.error(`${wanted.length} cases wanted, ${missing.length} to simulate`);

const started = Date.now();
missing.forEach((c, i) => {
    const { id, rolls, perHit, note, unsupported, error, order } = simulateCase(c);
    const answer = unsupported ? { id, unsupported } : error ? { id, error: error.split('\n')[0] }
        : { id, rolls, ...(perHit && { perHit }), ...(note && { note }), first: order?.first };
    known.set(String(id), answer);
    if (error) console.error(`case ${id}: ${error}`);
    if ((i + 1) % 500 === 0) console.error(`${i + 1} of ${missing.length}, ${Math.round((Date.now() - started) / 1000)} s`);
});

// Where the simulator differs from the calculator or the engine in the 4th generation, the
// simulator's answer with that generation's own arithmetic too (game_rounding.mjs): "gameRounding".
const roundingAgain = process.argv.includes('--rounding');
for (const c of roundingAgain ? cases.filter((c) => known.has(String(c.id))) : wanted) {
    const answer = known.get(String(c.id));
    const plain = oracleHits(answer);
    const mine = engine.get(String(c.id))?.hits;
    const agrees = sameHits(plain, oracleHits(c.calc)) && (!mine || sameHits(plain, mine));
    if (c.gen !== 4 || plain === null || agrees || (answer.gameRounding && !roundingAgain)) continue;
    const { rolls, perHit } = simulateCase(c, { gameRounding: true });
    answer.gameRounding = perHit ? { perHit } : { rolls };
}

const order = new Map(cases.map((c, i) => [String(c.id), i]));
const lines = [...known.values()].filter((a) => order.has(String(a.id)))
    .sort((a, b) => order.get(String(a.id)) - order.get(String(b.id))).map((a) => JSON.stringify(a));
writeFileSync(FILES.sim, lines.join('\n') + '\n');
console.error(`${lines.length} answers written to ${FILES.sim}`);
