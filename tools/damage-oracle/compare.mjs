// Where the exact engine stands against the calculator fixture: each case through the engine
// (rusrina-calc --oracle) beside the calculator's answer and, where it ran, the simulator's, the
// differences counted by the rule each case covers. Needs no network and no npm packages.
//
//   node compare.mjs [--engine ../../build/dev/src/rusrina-calc]   differences by family
//   node compare.mjs --family move:Flail [--all]                   that family's differing cases, rolls
//                                                                  in full (--all: listed ones too)
//   node compare.mjs --case 500123                                 one case, whatever it gives
//   node compare.mjs --write                                       rewrite tests/data/exact_oracle_pending.csv:
//                                                                  every differing case not listed as an
//                                                                  exception, with its family
//   node compare.mjs --exceptions                                  the lines exact_oracle_exceptions.csv
//                                                                  would need for the cases the simulator
//                                                                  has decided, with a known reason where
//                                                                  one fits (review before pasting)
import { writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { engineAnswers, familyOf, FILES, option, oracleHits, readExceptions, readFixture, readPending, readSimulated,
         repo, sameHits } from './fixture_files.mjs';
import { knownReason } from './known_differences.mjs';

const ENGINE = option('--engine', join(repo, 'build/dev/src/rusrina-calc'));

function compare() {
    const cases = readFixture();
    const engine = engineAnswers(cases, ENGINE);
    const simulated = readSimulated();
    const exceptions = readExceptions();
    const pending = readPending();
    return cases.map((c) => {
        const id = String(c.id);
        const e = engine.get(id);
        const mine = e?.error ? null : e?.hits ?? null;
        const calc = oracleHits(c.calc);
        const sim = oracleHits(simulated.get(id));
        const rounded = oracleHits(simulated.get(id)?.gameRounding);
        return { c, id, mine, error: e?.error, calc, sim, rounded,
                 offCalc: mine === null || !sameHits(mine, calc), offSim: sim !== null && (mine === null || !sameHits(mine, sim)),
                 exception: exceptions.get(id), pending: pending.get(id) };
    });
}

const rolls = (hits) => (hits === null ? 'not simulated' : hits.length ? hits.map((h) => h.join(' ')).join(' | ') : 'none');

function show(x, print = console.log) {
    print(`${x.id} ${familyOf(x.c)}${x.exception ? ` [exception: ${x.exception.wrong} wrong]` : ''}` +
                `${x.pending ? ' [pending]' : ''}${x.error ? ` [engine refuses: ${x.error}]` : ''}\n` +
                `  engine:     ${rolls(x.mine)}\n  calculator: ${rolls(x.calc)}\n  simulator:  ${rolls(x.sim)}\n` +
                (x.rounded ? `  simulator with the games' arithmetic: ${rolls(x.rounded)}\n` : '') +
                `  ${JSON.stringify({ ...x.c, calc: undefined })}`);
}

function summary(results) {
    const byFamily = new Map();
    const totals = {};
    for (const x of results) {
        const gen = x.c.gen;
        const t = (totals[gen] ??= { cases: 0, offCalc: 0, offSim: 0, simulated: 0, listed: 0, pending: 0, unlisted: 0 });
        ++t.cases;
        if (x.sim !== null) ++t.simulated;
        if (x.offCalc) ++t.offCalc;
        if (x.offSim) ++t.offSim;
        if (!x.offCalc && !x.offSim) continue;
        if (x.exception) ++t.listed;
        else if (x.pending) ++t.pending;
        else ++t.unlisted;
        if (x.exception) continue;
        const family = familyOf(x.c);
        const f = byFamily.get(family) ?? { 4: 0, 5: 0 };
        ++f[gen];
        byFamily.set(family, f);
    }
    for (const [gen, t] of Object.entries(totals))
        console.log(`gen ${gen}: ${t.cases} cases, ${t.cases - t.offCalc} agree with the calculator; ` +
                    `${t.simulated} simulated, ${t.offSim} differ from the simulator; differing: ${t.listed} exceptions, ` +
                    `${t.pending} pending, ${t.unlisted} neither`);
    const rows = [...byFamily].sort((a, b) => b[1][4] + b[1][5] - a[1][4] - a[1][5]);
    if (rows.length) console.log('\nnot excepted, by family (gen 4, gen 5):');
    for (const [family, f] of rows) console.log(`  ${String(f[4]).padStart(5)} ${String(f[5]).padStart(5)}  ${family}`);
}

function writePending(results) {
    const lines = results.filter((x) => (x.offCalc || x.offSim) && !x.exception).map((x) => `${x.id},${familyOf(x.c)}`);
    writeFileSync(FILES.pending, '# Cases of exact_oracle_cases.jsonl.gz that differ from the calculator or the simulator while\n' +
        '# the rule they show is still being built, with the rule family; written by\n' +
        '# tools/damage-oracle/compare.mjs --write. Empty once every rule is built.\ncase,family\n' +
        lines.map((l) => l + '\n').join(''));
    console.log(`${lines.length} pending cases written to ${FILES.pending}`);
}

function proposeExceptions(results) {
    let unexplained = 0;
    for (const x of results) {
        if (!(x.offCalc || x.offSim) || x.sim === null || x.mine === null) continue;
        const wrong = x.offCalc && x.offSim ? 'both' : x.offCalc ? 'calculator' : 'simulator';
        // Both oracles agree: the engine is wrong, unless in the 4th generation the games' arithmetic
        // gives the engine's rolls (a step the calculator orders otherwise, whose 4096ths hide it).
        const roundedAgrees = x.rounded !== null && sameHits(x.rounded, x.mine);
        if (x.offCalc && x.offSim && sameHits(x.calc, x.sim) && !roundedAgrees) continue;
        const reason = knownReason(x.c, wrong, x);
        if (reason) console.log(`${x.id},${wrong},${reason}`);
        else {
            ++unexplained;
            console.error(`no known reason (${wrong} wrong?):`);
            show(x, console.error);
        }
    }
    console.error(`${unexplained} decided by the simulator without a known reason`);
}

const results = compare();
if (process.argv.includes('--write')) writePending(results);
else if (process.argv.includes('--exceptions')) proposeExceptions(results);
else if (option('--case')) results.filter((x) => x.id === option('--case')).forEach((x) => show(x));
else if (option('--family')) {
    const all = process.argv.includes('--all');
    results.filter((x) => familyOf(x.c) === option('--family') && (x.offCalc || x.offSim) && (all || !x.exception)).forEach((x) => show(x));
} else summary(results);
