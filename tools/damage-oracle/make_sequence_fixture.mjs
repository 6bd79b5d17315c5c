// Draws the sequence fixture and plays each case in the battle simulator:
// tests/data/sequence_sim_cases.jsonl.gz, one case a line (sequence_sim.mjs says what a case holds
// and how a battle is played) with "sim": {"battles", "seed", "ko": [by the end of use 1, 2, …]}.
//
//   npm ci
//   node make_sequence_fixture.mjs --list                     # the drawn cases, not played
//   nice -n 19 node make_sequence_fixture.mjs --play          # plays until every case has its battles (resumable)
//   node make_sequence_fixture.mjs --write [--played-only]    # the fixture from what was played (only the
//                                                             # cases played so far with --played-only)
//
// --count N (205 per generation: at least 200 the box can hold), --battles N (20,000 per case), --round N (the battles each case
// plays before the next case has its turn, 1,000), --seed S. The same seed draws the same cases;
// battle n of a case is seeded from the case's id and n, so a case plays the same every time and
// its battles may be played in rounds. Every case plays its round before any plays the next, so a
// run stopped early leaves every case with nearly the same count; --write keeps of each case the
// rounds every case has played (the same count for all, recorded as "battles").
// What was played is kept in .sequence_played_genN.jsonl beside this script (not committed) until --write.
import { appendFileSync, writeFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { gzipSync } from 'node:zlib';
import { Random } from './fixture_draws.mjs';
import { option, repo } from './fixture_files.mjs';
import { keyOf, playedBattles, readPlayed as readRounds } from './played_rounds.mjs';
import { damageRange, Dex, lists, setsOf, usableAttacker, usableDefender, usableMove } from './sequence_draws.mjs';
import { playSequence } from './sequence_sim.mjs';
import { themesFor } from './sequence_themes.mjs';

const COUNT = Number(option('--count', 205));
const BATTLES = Number(option('--battles', 20000));
const ROUND = Number(option('--round', 1000));
const SEED = Number(option('--seed', 34));
const OUT = option('--out', join(repo, 'tests/data/sequence_sim_cases.jsonl.gz'));
const here = dirname(fileURLToPath(import.meta.url));
const playedFile = (gen) => option('--played', join(here, `.sequence_played_gen${gen}.jsonl`));

function contextFor(gen, r) {
    const dex = Dex.forGen(gen);
    const sets = setsOf(gen);
    const attackers = sets.filter((s) => usableAttacker(dex, s));
    const defenders = sets.filter((s) => usableDefender(s));
    const clone = (s) => structuredClone(s);
    // A set drawn for a theme may hold an item left out: it goes (the theme gives its own).
    const pickWhere = (list, test) => {
        const found = list.filter(test);
        const set = clone(found.length ? r.pick(found) : r.pick(list));
        if (lists.DEFENDER_ITEMS_LEFT_OUT.has(set.options.item ?? '')) delete set.options.item;
        return set;
    };
    return {
        dex, gen,
        attacker: () => clone(r.pick(attackers)),
        defender: () => clone(r.pick(defenders)),
        attackerWith: (test) => pickWhere(attackers, test),
        defenderWith: (test) => pickWhere(sets.filter((s) => !/^(Castform|Cherrim|Darmanitan|Meloetta|Shedinja)/.test(s.name)), test),
    };
}

function firstUsableMove(r, dex, set) {
    return r.pick(set.options.moves.filter((m) => usableMove(dex, m)));
}

// The uses of each step, so that the uses can knock the defender out and the first cannot for
// sure (now and then either is let through): the calculator's range of each use (no critical hit)
// against the defender's HP now.
function settleUses(r, c, theme) {
    const ranges = c.steps.map((s) => damageRange(c.gen, s.attacker, c.defender, s.move, c.field));
    if (ranges.some((x) => !x)) return false;
    const hp = c.defender.options.curHP ?? ranges[0].hp;
    const uses = c.steps.map(() => 1);
    const total = () => uses.reduce((a, b) => a + b, 0);
    const most = () => uses.reduce((sum, u, i) => sum + u * ranges[i].high, 0);
    const wanted = theme.uses ?? r.int(2, 4);
    while (total() < wanted) uses[r.int(0, uses.length - 1)]++;
    while (most() < hp && total() < 4) {
        const best = ranges.reduce((b, x, i) => (x.high > ranges[b].high ? i : b), 0);
        uses[best]++;
    }
    if (most() < 0.75 * hp && r.chance(0.9)) return false;
    if (ranges[0].low >= hp && r.chance(0.9)) return false;
    c.steps.forEach((s, i) => (s.uses = uses[i]));
    return true;
}

function extras(r, c) {
    if (c.countTurnEnd === undefined) c.countTurnEnd = r.chance(0.7);
    if (!c.switchingIn && r.chance(0.2)) {
        c.switchingIn = true;
        c.field.defenderSide = { ...c.field.defenderSide, isSR: true };
    }
    if (!c.field.weather && r.chance(0.12)) c.field.weather = r.pick(['Sand', 'Hail', 'Rain', 'Sun']);
}

// The HP now given as a share by a theme becomes a value of the defender's HP.
function settleHp(c) {
    const share = c.defender.options.curHP;
    if (share === undefined) return;
    const range = damageRange(c.gen, c.steps[0].attacker, { ...c.defender, options: { ...c.defender.options, curHP: undefined } },
                              c.steps[0].move, c.field);
    c.defender.options.curHP = Math.max(1, Math.floor(range.hp * share / 100));
}

function tidy(c) {
    const d = c.defender.options;
    for (const key of Object.keys(d)) if (d[key] === undefined) delete d[key];
    for (const key of ['accuracyStage', 'evasionStage']) if (!c[key]) delete c[key];
    if (!c.switchingIn) {
        delete c.switchingIn;
        if (c.field.defenderSide) {
            delete c.field.defenderSide.isSR;
            delete c.field.defenderSide.spikes;
        }
    }
    for (const side of ['defenderSide']) {
        const s = c.field[side];
        if (s) for (const key of Object.keys(s)) if (!s[key]) delete s[key];
        if (s && !Object.keys(s).length) delete c.field[side];
    }
    for (const step of c.steps) delete step.attacker.options.moves;
    delete c.defender.options.moves;
    return c;
}

function drawCase(r, gen, id, [name, theme]) {
    const ctx = contextFor(gen, r);
    for (let attempt = 0; attempt < 200; ++attempt) {
        const defender = theme.defender ? theme.defender(r, ctx) : ctx.defender();
        const count = theme.attackers ?? (r.chance(0.5) ? 1 : r.chance(0.75) ? 2 : 3);
        const steps = [];
        for (let k = 0; k < count; ++k) {
            const attacker = k === 0 && theme.attacker ? theme.attacker(r, ctx) : ctx.attacker();
            if (!attacker.options.moves?.length) attacker.options.moves = ['Body Slam'];
            steps.push({ attacker, move: { name: firstUsableMove(r, ctx.dex, attacker) ?? 'Body Slam' } });
        }
        const c = { id, gen, covers: [name], defender, steps, field: {} };
        if (theme.apply && theme.apply(r, c, ctx) === false) continue;
        if (theme.then && theme.then(r, c, ctx) === false) continue;
        if (!c.steps.every((s) => usableMove(ctx.dex, s.move.name) || s.move.name === 'Knock Off')) continue;
        extras(r, c);
        settleHp(c);
        if (!settleUses(r, c, theme)) continue;
        return tidy(c);
    }
    throw new Error(`no case drawn for ${name} in generation ${gen}`);
}

// The guide's worked example, played beside the drawn cases: ナットレイ (H252 D252 なまいき, オッカのみ)
// comes in on ステルスロック, takes a こだわりハチマキ ガブリアス's げきりん, then two だいもんじ of a
// mixed いのちのたま ボーマンダ, every end of turn counted.
export const GUIDE_EXAMPLE = {
    id: 859999, gen: 5, covers: ['example:guide'],
    defender: { name: 'Ferrothorn', options: { level: 50, ability: 'Iron Barbs', item: 'Occa Berry', nature: 'Sassy',
                                               evs: { hp: 252, def: 4, spd: 252 } } },
    steps: [
        { attacker: { name: 'Garchomp', options: { level: 50, ability: 'Rough Skin', item: 'Choice Band', nature: 'Adamant',
                                                   evs: { hp: 4, atk: 252, spe: 252 } } },
          move: { name: 'Outrage' }, uses: 1 },
        { attacker: { name: 'Salamence', options: { level: 50, ability: 'Intimidate', item: 'Life Orb', nature: 'Naive',
                                                    evs: { atk: 252, spa: 4, spe: 252 } } },
          move: { name: 'Fire Blast' }, uses: 2 },
    ],
    field: { defenderSide: { isSR: true } }, switchingIn: true, countTurnEnd: true,
};

export function drawCases(gen) {
    const r = new Random(SEED * 10 + gen);
    const themes = themesFor(gen);
    const cases = [];
    for (let i = 0; i < COUNT; ++i) cases.push(drawCase(r, gen, 800000 + gen * 10000 + i, themes[i % themes.length]));
    return gen === 5 ? [...cases, GUIDE_EXAMPLE] : cases;
}

const readPlayed = (gen) => readRounds(playedFile(gen));

function playRound(c, gen, rounds) {
    const first = playedBattles(rounds);
    const battles = Math.min(ROUND, BATTLES - first);
    if (battles <= 0 || rounds?.some((r) => r.error)) return false;
    const started = Date.now();
    let sim;
    try {
        sim = playSequence(c, { battles, seed: c.id, first });
    } catch (error) {
        sim = { error: String(error?.stack ?? error) };
    }
    appendFileSync(playedFile(gen), JSON.stringify({ key: keyOf(c), sim }) + '\n');
    console.log(`${c.id} ${c.covers[0]} ${first + battles} ${JSON.stringify(sim.ko ?? sim.error)} ${((Date.now() - started) / 1000).toFixed(0)} s`);
    return true;
}

function play(gens) {
    const cases = gens.flatMap((gen) => drawCases(gen).map((c) => ({ c, gen })));
    for (let more = true; more;) {
        more = false;
        const played = new Map(gens.map((gen) => [gen, readPlayed(gen)]));
        const roundsOf = ({ c, gen }) => played.get(gen).get(keyOf(c));
        const playing = cases.filter((x) => !roundsOf(x)?.some((r) => r.error));
        const least = Math.min(...playing.map((x) => playedBattles(roundsOf(x))));
        for (const x of playing)
            if (playedBattles(roundsOf(x)) <= least) more = playRound(x.c, x.gen, roundsOf(x)) || more;
    }
}

// A case's counts over its first `battles` battles, from the rounds that make them up.
function countsOver(rounds, battles) {
    const sim = { battles, seed: rounds[0].seed, ko: rounds[0].ko.map(() => 0) };
    for (const r of [...rounds].sort((a, b) => a.first - b.first))
        if (r.first + r.battles <= battles) r.ko.forEach((k, u) => (sim.ko[u] += k));
    return sim;
}

function write() {
    const drawn = [];
    for (const gen of [4, 5]) {
        const played = readPlayed(gen);
        for (const c of drawCases(gen)) {
            const rounds = played.get(keyOf(c));
            if (!rounds && process.argv.includes('--played-only')) continue;
            if (!rounds) throw new Error(`case ${c.id} is not played yet`);
            const failed = rounds.find((r) => r.error);
            if (failed) throw new Error(`case ${c.id}: ${failed.error}`);
            drawn.push({ c, rounds });
        }
    }
    // The battles every case has played, in whole rounds.
    const ends = (rounds) => new Set(rounds.map((r) => r.first + r.battles));
    const common = Math.max(0, ...[...ends(drawn[0].rounds)].filter((n) => drawn.every(({ rounds }) => ends(rounds).has(n))));
    if (!common) throw new Error('no count of battles every case has played');
    const lines = drawn.map(({ c, rounds }) => JSON.stringify({ ...c, sim: countsOver(rounds, common) }));
    writeFileSync(OUT, gzipSync(lines.join('\n') + '\n', { level: 9 }));
    console.log(`${lines.length} cases of ${common} battles each written to ${OUT}`);
}

const gens = option('--gen', null) ? [Number(option('--gen', 5))] : [4, 5];
if (process.argv.includes('--list')) for (const gen of gens) for (const c of drawCases(gen)) console.log(JSON.stringify(c));
else if (process.argv.includes('--play')) play(gens);
else if (process.argv.includes('--write')) write();
else console.error('usage: node make_sequence_fixture.mjs --list | --play [--gen N] | --write');
