// Runs damage cases (one JSON object a line, the format in simulate.mjs) through the battle simulator,
// the calculator, or both, and prints one JSON line per case:
//   {"id": .., "sim": {rolls, hits, perHit?, order, note?} | {unsupported} | {error},
//              "calc": {rolls, hits, perHit?, kochance, desc, speed} | {error}}
//
//   node oracle.mjs [--sim] [--calc] [cases.jsonl]     (no file: standard input; neither flag: both)
//   node oracle.mjs --log ROLL [cases.jsonl]           the simulator's battle log of each case at one roll
//   node oracle.mjs --check [sanity_cases.jsonl]       compares each case's "expect" with both answers
//
// In --check mode each case line carries "expect": {"sim": [16 rolls], "calc": [16 rolls],
// "game": [lowest, highest]}; the check fails (exit 1) when either oracle no longer gives its
// recorded rolls, and reports for each case whether the simulator's range is the game's.
import { readFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { calcCase } from './calc.mjs';
import { simulateCase, simulationLog } from './simulate.mjs';

const here = dirname(fileURLToPath(import.meta.url));

export function readCases(text) {
    return text.split(/\r?\n/).filter((line) => line.trim() && !line.startsWith('#')).map((line) => JSON.parse(line));
}

const same = (a, b) => JSON.stringify(a) === JSON.stringify(b);
const range = (rolls) => (rolls?.length ? `${rolls[0]}～${rolls[rolls.length - 1]}` : 'none');

export function checkCases(cases) {
    let failures = 0;
    for (const c of cases) {
        const sim = simulateCase(c), calc = calcCase(c);
        const { expect } = c;
        const simOk = same(sim.rolls, expect.sim), calcOk = same(calc.rolls, expect.calc);
        const game = expect.game ? `${expect.game[0]}～${expect.game[1]}` : null;
        const simGame = game && sim.rolls && sim.rolls[0] === expect.game[0] && sim.rolls[15] === expect.game[1];
        if (!simOk || !calcOk) ++failures;
        console.log(`${simOk && calcOk ? 'ok  ' : 'FAIL'} ${c.id}: simulator ${range(sim.rolls)}${simOk ? '' : ' (recorded ' + range(expect.sim) + ')'}, ` +
                    `calculator ${range(calc.rolls)}${calcOk ? '' : ' (recorded ' + range(expect.calc) + ')'}` +
                    (game ? `, game ${game}${simGame ? '' : ' (the simulator differs)'}` : ''));
    }
    console.log(`${cases.length - failures} passed, ${failures} failed`);
    return failures;
}

function main(argv) {
    const flag = (name) => argv.includes(name);
    const value = (name) => argv[argv.indexOf(name) + 1];
    const rest = argv.filter((a, i) => !a.startsWith('--') && argv[i - 1] !== '--log');
    if (flag('--check')) {
        const file = rest[0] ?? join(here, 'sanity_cases.jsonl');
        process.exitCode = checkCases(readCases(readFileSync(file, 'utf8'))) ? 1 : 0;
        return;
    }
    const cases = readCases(readFileSync(rest[0] ?? 0, 'utf8'));
    if (flag('--log')) {
        for (const c of cases) console.log(`# case ${c.id}\n${simulationLog(c, Number(value('--log'))).join('\n')}`);
        return;
    }
    const both = !flag('--sim') && !flag('--calc');
    for (const c of cases) {
        const answer = { id: c.id };
        if (both || flag('--sim')) answer.sim = simulateCase(c);
        if (both || flag('--calc')) answer.calc = calcCase(c);
        for (const part of [answer.sim, answer.calc]) if (part) delete part.id;
        console.log(JSON.stringify(answer));
    }
}

if (process.argv[1] === fileURLToPath(import.meta.url)) main(process.argv.slice(2));
