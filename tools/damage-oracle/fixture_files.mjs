// The calculator fixture's files and the engine's answers, shared by compare.mjs and
// simulate_fixture.mjs. Answers are compared as the C++ test compares them (src/devtools/
// oracle_case.cpp): per hit the 16 rolls, no hit at all when nothing is dealt.
import { execFileSync } from 'node:child_process';
import { existsSync, readFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { gunzipSync } from 'node:zlib';

const here = dirname(fileURLToPath(import.meta.url));
export const repo = join(here, '..', '..');
export const FILES = {
    cases: join(repo, 'tests/data/exact_oracle_cases.jsonl.gz'),
    sim: join(repo, 'tests/data/exact_oracle_sim.jsonl'),
    exceptions: join(repo, 'tests/data/exact_oracle_exceptions.csv'),
    pending: join(repo, 'tests/data/exact_oracle_pending.csv'),
};

export const option = (name, fallback) => {
    const at = process.argv.indexOf(name);
    return at > 0 ? process.argv[at + 1] : fallback;
};

export function readFixture(file = FILES.cases) {
    return gunzipSync(readFileSync(file)).toString('utf8').trim().split('\n').map((line) => JSON.parse(line));
}

const dataLines = (file) => (existsSync(file) ? readFileSync(file, 'utf8').split('\n')
    .filter((line) => line.trim() && !line.startsWith('#')) : []);

// id -> the simulator's answer ({rolls, perHit?, note?} or {unsupported} / {error}).
export function readSimulated(file = FILES.sim) {
    return new Map(dataLines(file).map((line) => JSON.parse(line)).map((a) => [String(a.id), a]));
}

// id -> {wrong, reason}
export function readExceptions(file = FILES.exceptions) {
    return new Map(dataLines(file).filter((l) => !l.startsWith('case,')).map((line) => {
        const [id, wrong, ...reason] = line.split(',');
        return [id, { wrong, reason: reason.join(',') }];
    }));
}

export function readPending(file = FILES.pending) {
    return new Map(dataLines(file).filter((l) => !l.startsWith('case,')).map((line) => {
        const [id, ...family] = line.split(',');
        return [id, family.join(',')];
    }));
}

// The engine's answer to each case, through rusrina-calc --oracle: id -> {hits} or {error}.
export function engineAnswers(cases, engine) {
    const input = cases.map((c) => JSON.stringify(c)).join('\n') + '\n';
    const output = execFileSync(engine, ['--oracle'], { input, encoding: 'utf8', maxBuffer: 1 << 30 });
    return new Map(output.trim().split('\n').map((line) => JSON.parse(line)).map((a) => [String(a.id), a]));
}

// An oracle's answer as hits of 16 rolls; [] when nothing is dealt.
export function oracleHits(answer) {
    if (!answer || answer.unsupported || answer.error) return null;
    const hits = (answer.perHit ?? (answer.rolls ? [answer.rolls] : [])).map((h) => h.map((v) => v ?? 0));
    return hits.length && hits[0].some((v) => v !== 0) ? hits : [];
}

export const sameHits = (a, b) => JSON.stringify(a) === JSON.stringify(b);
export const hitsText = (hits) => (hits === null ? 'not simulated' : hits.length
    ? hits.map((h) => (h[0] === h[15] ? `${h[0]}` : `${h[0]}～${h[15]}`)).join(' + ') : 'none');

// The rule a case most likely shows: a move with rules of its own first, else the rule the case
// was drawn for, else (a realistic or a random case) the first of its abilities and items whose
// rules touch damage.
const MOVE_RULES = new Set(['Acrobatics', 'Eruption', 'Water Spout', 'Flail', 'Reversal', 'Wring Out', 'Crush Grip',
    'Brine', 'Hex', 'Venoshock', 'Facade', 'Smelling Salts', 'Wake-Up Slap', 'Payback', 'Avalanche', 'Revenge',
    'Assurance', 'Retaliate', 'Round', 'Echoed Voice', 'Fling', 'Natural Gift', 'Return', 'Frustration', 'Low Kick',
    'Grass Knot', 'Heavy Slam', 'Heat Crash', 'Punishment', 'Trump Card', 'Stored Power', 'Gyro Ball', 'Electro Ball',
    'Beat Up', 'Pursuit', 'Fury Cutter', 'Rollout', 'Ice Ball', 'Triple Kick', 'Weather Ball', 'Solar Beam',
    'Foul Play', 'Super Fang', 'Sucker Punch', 'Dream Eater', 'Synchronoise', 'Future Sight', 'Doom Desire',
    'Judgment', 'Techno Blast', 'Fly', 'Bounce', 'Jump Kick', 'High Jump Kick', 'Knock Off']);
const ATTACKER_ABILITIES = new Set(['Sheer Force', 'Iron Fist', 'Reckless', 'Sniper', 'Analytic', 'Sand Force',
    'Technician', 'Rivalry', 'Skill Link', 'Multitype', 'Download', 'Hustle', 'Huge Power', 'Pure Power', 'Guts',
    'Toxic Boost', 'Flare Boost', 'Solar Power', 'Flower Gift', 'Normalize', 'Scrappy', 'Mold Breaker', 'Teravolt',
    'Turboblaze', 'Flash Fire', 'Slow Start', 'Plus', 'Minus', 'Defeatist', 'Unburden', 'Simple', 'Unaware',
    'Tinted Lens', 'Adaptability', 'Blaze', 'Torrent', 'Overgrow', 'Swarm', 'Klutz', 'Heavy Metal', 'Light Metal',
    'Chlorophyll', 'Swift Swim', 'Sand Rush', 'Quick Feet', 'Infiltrator', 'Forecast']);
const DEFENDER_ABILITIES = new Set(['Thick Fat', 'Heatproof', 'Dry Skin', 'Filter', 'Solid Rock', 'Multiscale',
    'Marvel Scale', 'Wonder Guard', 'Levitate', 'Flash Fire', 'Water Absorb', 'Volt Absorb', 'Motor Drive',
    'Lightning Rod', 'Storm Drain', 'Sap Sipper', 'Soundproof', 'Battle Armor', 'Shell Armor', 'Unaware', 'Simple',
    'Flower Gift', 'Forecast', 'Heavy Metal', 'Light Metal', 'Multitype', 'Klutz', 'Unburden', 'Chlorophyll',
    'Swift Swim', 'Sand Rush', 'Quick Feet', 'Slow Start']);
const RESIST_BERRIES = new Set(['Chilan', 'Occa', 'Passho', 'Wacan', 'Rindo', 'Yache', 'Chople', 'Kebia', 'Shuca',
    'Coba', 'Payapa', 'Tanga', 'Charti', 'Kasib', 'Haban', 'Colbur', 'Babiri'].map((b) => `${b} Berry`));
const TYPE_ITEMS = new Set(['Black Belt', 'Black Glasses', 'Charcoal', 'Dragon Fang', 'Hard Stone', 'Magnet',
    'Metal Coat', 'Miracle Seed', 'Mystic Water', 'Never-Melt Ice', 'Poison Barb', 'Sharp Beak', 'Silk Scarf',
    'Silver Powder', 'Soft Sand', 'Spell Tag', 'Twisted Spoon', 'Odd Incense', 'Rock Incense', 'Rose Incense',
    'Sea Incense', 'Wave Incense', 'Adamant Orb', 'Lustrous Orb', 'Griseous Orb']);
const ATTACKER_ITEMS = new Set([...TYPE_ITEMS, 'Choice Band', 'Choice Specs', 'Life Orb', 'Expert Belt', 'Muscle Band',
    'Wise Glasses', 'Metronome', 'Light Ball', 'Thick Club', 'Deep Sea Tooth', 'Soul Dew', 'Choice Scarf', 'Iron Ball',
    'Macho Brace', 'Power Anklet', 'Power Band', 'Power Belt', 'Power Bracer', 'Power Lens', 'Power Weight',
    'Quick Powder']);
const DEFENDER_ITEMS = new Set([...RESIST_BERRIES, 'Eviolite', 'Air Balloon', 'Iron Ball', 'Deep Sea Scale',
    'Metal Powder', 'Soul Dew', 'Ring Target', 'Choice Scarf', 'Quick Powder', 'Macho Brace']);
const isTypeItem = (item) => item && (TYPE_ITEMS.has(item) || / (Gem|Plate|Drive)$/.test(item));

export function familyOf(c) {
    const a = c.attacker.options, d = c.defender.options;
    const move = c.move.name.startsWith('Hidden Power') ? 'Hidden Power' : c.move.name;
    if (MOVE_RULES.has(move) || c.move.options?.hits || c.calc?.perHit) return `move:${move}`;
    if (!['set', 'any'].includes(c.covers) && !c.covers.startsWith('field:')) return c.covers;
    if (ATTACKER_ABILITIES.has(a.ability)) return `ability:${a.ability}`;
    if (DEFENDER_ABILITIES.has(d.ability)) return `defender-ability:${d.ability}`;
    if (isTypeItem(a.item) || ATTACKER_ITEMS.has(a.item)) return `item:${a.item}`;
    if (isTypeItem(d.item) || DEFENDER_ITEMS.has(d.item)) return `defender-item:${d.item}`;
    return c.covers.startsWith('field:') ? c.covers : `${c.covers}:other`;
}
