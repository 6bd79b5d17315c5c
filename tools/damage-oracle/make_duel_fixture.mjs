// Draws the one-on-one fixture and plays each case in the battle simulator:
// tests/data/duel_sim_cases.jsonl.gz, one case a line (duel_sim.mjs says what a case holds and how a
// battle is played) with "sim": {"battles", "seed", "win", "draw", "lose", "unresolved"}.
//
//   npm ci; cmake --build --preset dev --target rusrina-calc      (the engine screens the draws)
//   node make_duel_fixture.mjs --list                       # the drawn cases, not played
//   nice -n 19 node make_duel_fixture.mjs --play [--gen 5]  # plays in rounds until every case has its battles (resumable)
//   node make_duel_fixture.mjs --write                      # the fixture from what was played
//
// --count N (300 per generation), --battles N (20,000 per case), --round N (the battles each case
// plays before the next has its turn, 500), --seed S. The same seed draws the same cases; battle n
// of a case is seeded from the case's id and n, so its battles may be played in rounds, and --write
// keeps of each case the rounds every case has played (the same count for all, as "battles").
// What was played is kept in .duel_played_genN.jsonl beside this script (not committed) until --write.
//
// Both sides come from the realistic team sets (tests/data/team_sets_genN_calc.json), each with one
// of its moves; now and then a side is given a status, an HP below full, やどりぎのタネ, or the field a
// weather. Left out, each for its reason: what sequence_draws.mjs leaves out for an attacker or a
// defender (both sides are both here), the moves that change their user's stats or lock it in
// (りゅうせいぐん, げきりん), hit several times, crash on a miss, or whose power follows the foe's
// status or HP; the abilities and items that act as turns pass or on contact (DUEL_*_LEFT_OUT), and
// a pair the engine finds still going after 30 turns (the simulator would play on for long).
import { execFileSync } from 'node:child_process';
import { appendFileSync, writeFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { gzipSync } from 'node:zlib';
import { Random } from './fixture_draws.mjs';
import { option, repo } from './fixture_files.mjs';
import { keyOf, playedBattles, readPlayed as readRounds } from './played_rounds.mjs';
import { Dex, setsOf, usableAttacker, usableDefender, usableMove } from './sequence_draws.mjs';
import { checkDuel, playDuel } from './duel_sim.mjs';

const COUNT = Number(option('--count', 300));
const BATTLES = Number(option('--battles', 20000));
const ROUND = Number(option('--round', 500));
const SEED = Number(option('--seed', 35));
const OUT = option('--out', join(repo, 'tests/data/duel_sim_cases.jsonl.gz'));
const CALC = option('--calc', join(repo, 'build/dev/src/rusrina-calc'));
const here = dirname(fileURLToPath(import.meta.url));
const playedFile = (gen) => option('--played', join(here, `.duel_played_gen${gen}.jsonl`));

const DUEL_MOVES_LEFT_OUT = new Set(['outrage', 'thrash', 'petaldance', 'rapidspin', 'falseswipe', 'smellingsalts',
    'wakeupslap', 'brine', 'eruption', 'waterspout', 'flail', 'reversal', 'wringout', 'crushgrip', 'superfang',
    'hex', 'venoshock', 'facade']);
const DUEL_ABILITIES_LEFT_OUT = new Set(['Speed Boost', 'Moody', 'Truant', 'Slow Start', 'Anger Point', 'Justified',
    'Rattled', 'Weak Armor', 'Rough Skin', 'Iron Barbs', 'Aftermath', 'Water Veil', 'Immunity', 'Limber', 'Liquid Ooze', 'Sap Sipper', 'Lightning Rod', 'Storm Drain',
    'Motor Drive', 'Flash Fire', 'Harvest', 'Analytic', 'Defiant', 'Competitive', 'Pressure', 'Synchronize',
    'Natural Cure', 'Regenerator', 'Unburden', 'Shield Dust', 'Magic Bounce', 'Contrary', 'Simple', 'Moxie']);
const DUEL_ITEMS_LEFT_OUT = new Set(['Rocky Helmet', 'Shell Bell', 'Big Root', 'Absorb Bulb', 'Cell Battery',
    'Leppa Berry', 'Custap Berry', 'Figy Berry', 'Wiki Berry', 'Mago Berry', 'Aguav Berry', 'Iapapa Berry',
    'Liechi Berry', 'Salac Berry', 'Petaya Berry', 'Ganlon Berry', 'Apicot Berry', 'Metronome', 'Lagging Tail',
    'Full Incense']);

function usableDuelMove(dex, name) {
    if (!usableMove(dex, name)) return false;
    const m = dex.moves.get(name);
    return !DUEL_MOVES_LEFT_OUT.has(m.id) && !m.multihit && !m.hasCrashDamage && !m.self?.boosts &&
        !m.self?.volatileStatus;
}

function usableSide(dex, set) {
    const o = set.options;
    if (DUEL_ABILITIES_LEFT_OUT.has(o.ability)) return false;
    if (DUEL_ITEMS_LEFT_OUT.has(o.item ?? '')) return false;
    return usableAttacker(dex, set) && usableDefender(set) && o.moves.some((m) => usableDuelMove(dex, m));
}

function genderOf(dex, set) {
    const s = dex.species.get(set.name);
    return set.options.gender ?? (s.gender || 'M');
}

function drawSide(r, dex, set) {
    const side = structuredClone(set);
    side.options.gender = genderOf(dex, set);
    const move = r.pick(side.options.moves.filter((m) => usableDuelMove(dex, m)));
    delete side.options.moves;
    const types = dex.species.get(set.name).types;
    if (r.chance(0.3)) {
        const status = r.pick(['par', 'psn', 'tox', 'brn']);
        const immune = (status === 'brn' && types.includes('Fire')) ||
            ((status === 'psn' || status === 'tox') && (types.includes('Poison') || types.includes('Steel'))) ||
            (status === 'par' && dex.gen >= 6 && types.includes('Electric'));
        if (!immune) side.options.status = status;
        if (status === 'tox' && !immune) side.options.toxicCounter = r.int(1, 3);
    }
    if (r.chance(0.25)) side.options.curHP = 0; // a share settled once the HP is known
    return { side, move: { name: move } };
}

function drawCases(gen) {
    const r = new Random(SEED * 100 + gen);
    const dex = Dex.forGen(gen);
    const sets = setsOf(gen).filter((s) => usableSide(dex, s));
    const out = [];
    for (let tries = 0; out.length < COUNT * 3 && tries < COUNT * 20; ++tries) {
        const a = drawSide(r, dex, r.pick(sets)), b = drawSide(r, dex, r.pick(sets));
        const c = { id: gen * 100000 + out.length + 1, gen, attacker: a.side, defender: b.side,
                    attackerMove: a.move, defenderMove: b.move };
        for (const side of [c.attacker, c.defender])
            if (side.options.curHP === 0) side.options.curHP = r.int(20, 95); // a value: the reader caps it
        const field = {};
        if (r.chance(0.25)) field.weather = r.pick(['Sand', 'Hail', 'Rain', 'Sun']);
        if (r.chance(0.1) && !dex.species.get(c.attacker.name).types.includes('Grass'))
            field.attackerSide = { isSeeded: true };
        if (r.chance(0.1) && !dex.species.get(c.defender.name).types.includes('Grass'))
            field.defenderSide = { isSeeded: true };
        if (Object.keys(field).length) c.field = field;
        out.push(c);
    }
    return screen(out).slice(0, COUNT);
}

// The engine's answer to each drawn case; kept: computed, and over within 30 turns.
function screen(cases) {
    const input = cases.map((c) => JSON.stringify(c)).join('\n') + '\n';
    const answers = execFileSync(CALC, ['--duel'], { input, maxBuffer: 1 << 28 }).toString().trim().split('\n')
        .map((l) => JSON.parse(l));
    return cases.filter((c, i) => answers[i].win !== undefined && answers[i].expectedTurns < 30 &&
                                  answers[i].unresolved < 1e-9);
}

const readPlayed = (gen) => readRounds(playedFile(gen));

function playRound(c, rounds) {
    const first = playedBattles(rounds);
    const battles = Math.min(ROUND, BATTLES - first);
    if (battles <= 0 || rounds?.some((r) => r.error)) return false;
    const started = Date.now();
    let sim;
    try {
        sim = { first, ...playDuel(c, { battles, seed: c.id, first }) };
    } catch (e) {
        sim = { error: String(e?.message ?? e) };
    }
    appendFileSync(playedFile(c.gen), JSON.stringify({ key: keyOf(c), sim }) + '\n');
    console.error(`case ${c.id}: ${first + battles} battles (${((Date.now() - started) / 1000).toFixed(1)} s)`);
    return true;
}

// Every case plays its round before any plays the next, the generations alike, so a run stopped
// early leaves every case with nearly the same count.
function play(gens) {
    const cases = gens.flatMap((gen) => drawCases(gen));
    for (let more = true; more;) {
        more = false;
        const played = new Map(gens.map((gen) => [gen, readPlayed(gen)]));
        const roundsOf = (c) => played.get(c.gen).get(keyOf(c));
        const playing = cases.filter((c) => !roundsOf(c)?.some((r) => r.error));
        const least = Math.min(...playing.map((c) => playedBattles(roundsOf(c))));
        for (const c of playing) if (playedBattles(roundsOf(c)) <= least) more = playRound(c, roundsOf(c)) || more;
    }
}

// A case's counts over its first `battles` battles, from the rounds that make them up.
function countsOver(rounds, battles) {
    const sim = { battles, seed: rounds[0].seed, win: 0, draw: 0, lose: 0, unresolved: 0 };
    for (const r of rounds)
        if (r.first + r.battles <= battles) for (const k of ['win', 'draw', 'lose', 'unresolved']) sim[k] += r[k];
    return sim;
}

// The fixture holds the cases played so far, each over the battles every one of them has played.
function write() {
    const drawn = [];
    for (const gen of [4, 5]) {
        const played = readPlayed(gen);
        for (const c of drawCases(gen)) {
            const rounds = played.get(keyOf(c));
            if (!rounds) continue;
            const failed = rounds.find((r) => r.error);
            if (failed) {
                console.error(`case ${c.id} left out: ${failed.error}`);
                continue;
            }
            try {
                checkDuel(c);
            } catch (e) {
                console.error(`case ${c.id} left out: ${e.message}`);
                continue;
            }
            drawn.push({ c, rounds });
        }
    }
    const ends = (rounds) => new Set(rounds.map((r) => r.first + r.battles));
    const common = Math.max(0, ...[...ends(drawn[0].rounds)].filter((n) => drawn.every(({ rounds }) => ends(rounds).has(n))));
    if (!common) throw new Error('no count of battles every case has played');
    const lines = drawn.map(({ c, rounds }) => JSON.stringify({ ...c, sim: countsOver(rounds, common) }));
    writeFileSync(OUT, gzipSync(lines.join('\n') + '\n', { level: 9 }));
    console.error(`${lines.length} cases of ${common} battles each written to ${OUT}`);
}

const gens = option('--gen') ? [Number(option('--gen'))] : [4, 5];
if (process.argv.includes('--list')) for (const gen of gens) for (const c of drawCases(gen)) console.log(JSON.stringify(c));
else if (process.argv.includes('--play')) play(gens);
else if (process.argv.includes('--write')) write();
else console.error('usage: node make_duel_fixture.mjs --list | --play [--gen N] | --write');
