// Writes realistic 4th- and 5th-generation sets as players paste them, with the public set parser's
// reading of each, for the team-text tests and for the damage fixtures:
//
//   npm ci && node make_sets.mjs [--seed 23] [--count 2004] [--out ../../tests/data]
//
// For each generation N (4, 5):
//   team_sets_genN.txt         the sets exported by @pkmn/sets' Sets.exportSet, one block per set,
//                              blocks separated by a blank line (lines end in two spaces, as exported)
//   team_sets_genN.jsonl       one line per block, in the same order: Sets.importSet's reading of it
//                              (fields the block leaves out stay out: level 100, happiness 255, IVs 31,
//                              no nature, no gender are the reader's defaults), plus "index" and
//                              "ivsFromHiddenPower": true where the block has めざめるパワー and no IVs
//                              line, so the IVs shown are the ones the parser filled in for that type
//   team_sets_genN_calc.json   the same sets as @smogon/calc Pokemon options ({name, options}), for the
//                              damage-case scripts to draw attackers and defenders from
//
// and, beside them, the edge sets players paste that the generator never writes (a form kept beside its
// base form's row, IVs over 31, a gender the species cannot have, a second gender or ability line,
// a form's own move, a megabyte-sized name's little brother, Nidoran's spellings, Mail, a bracketed
// move, misspelled names):
//   team_sets_edges.txt        the edge sets as written, blocks separated by a blank line
//   team_sets_edges.jsonl      Sets.importSet's reading of each (generation 5), as above
//
// The sets come from @pkmn/randoms' genNrandombattle generator, seeded from --seed, whole teams of
// six until --count sets are written. The generator leaves gender to the battle, never nicknames and
// (in these generations) gives no nature; players' sets have them, so the tool draws, from its own
// seeded generator: a nature for 4 sets in 5, a gender for 3 in 4 (as the species allows), shiny for
// 1 in 16, a happiness for 1 in 10 and a nickname for 1 in 12 (a few too long for the box or with
// characters Shift-JIS lacks, on purpose). The same seed and package versions write the same files.
import { mkdirSync, writeFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { Dex } from '@pkmn/dex';
import { TeamGenerators } from '@pkmn/randoms';
import { Sets } from '@pkmn/sets';

const here = dirname(fileURLToPath(import.meta.url));
const option = (name, fallback) => {
    const at = process.argv.indexOf(name);
    return at > 0 ? process.argv[at + 1] : fallback;
};
const SEED = Number(option('--seed', 23));
const COUNT = Number(option('--count', 2004));
const OUT = option('--out', join(here, '..', '..', 'tests', 'data'));

// ---- the tool's own draws ----------------------------------------------------------------------

function generator(seed) {
    let state = seed >>> 0;
    const random = () => {
        state = (state + 0x6d2b79f5) >>> 0;
        let t = state;
        t = Math.imul(t ^ (t >>> 15), t | 1);
        t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
        return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
    };
    return { chance: (p) => random() < p, pick: (list) => list[Math.floor(random() * list.length)] };
}

const NICKNAMES = ['Sparky', 'Tank', 'Nemo', 'ボルト', 'ぴかまる', 'タロウ', 'ゆきんこ', 'Ace', 'Mr. Bones',
                   'Shadow', 'Lucky', 'ドラ吉', 'Ｚｅｒｏ', 'Biggie', 'Dozer', 'Café', 'Señor Pinchy', 'Q',
                   'AVeryLongNicknameOverThirtyOneBytes', 'Star ★', 'Ümlaut', '😀 Smile'];

function decorate(set, species, dex, draw) {
    const decorated = { ...set };
    if (draw.chance(0.8)) decorated.nature = draw.pick([...dex.natures.all()].map((n) => n.name).sort());
    if (!species.gender && draw.chance(0.75)) {
        const female = species.genderRatio?.F ?? 0.5;
        decorated.gender = draw.chance(female) ? 'F' : 'M';
    }
    if (draw.chance(1 / 16)) decorated.shiny = true;
    if (draw.chance(0.1)) decorated.happiness = draw.pick([0, 70, 128, 160, 200, 254]);
    if (draw.chance(1 / 12)) decorated.name = draw.pick(NICKNAMES);
    return decorated;
}

// ---- the sets -----------------------------------------------------------------------------------

function generatedSets(gen) {
    const dex = Dex.forGen(gen);
    const teams = TeamGenerators.getTeamGenerator(`gen${gen}randombattle`, [SEED >>> 16, SEED & 0xffff, gen, 4]);
    const draw = generator(SEED * 10 + gen);
    const sets = [];
    while (sets.length < COUNT) {
        for (const set of teams.getTeam()) {
            const { role, ...plain } = set; // the generator's own label, not part of a set
            void role;
            sets.push(decorate(plain, dex.species.get(set.species), dex, draw));
        }
    }
    return { dex, sets: sets.slice(0, COUNT) };
}

const hasHiddenPower = (set) => set.moves.some((m) => m.startsWith('Hidden Power'));

function parsed(block, index, dex) {
    const set = Sets.importSet(block, dex);
    const reading = { index, ...set };
    if (hasHiddenPower(set) && !/^IVs: /m.test(block)) reading.ivsFromHiddenPower = true;
    return reading;
}

// The set as the calculator's Pokemon options, with the parser's reading filling the defaults in. A
// form that only looks different (アンノーン's letters, シキジカ's seasons) is its base species there.
function calcOptions(set, dex) {
    const species = dex.species.get(set.species);
    const base = dex.species.get(species.baseSpecies);
    const name = base.cosmeticFormes?.includes(species.name) ? base.name : species.name;
    const options = { level: set.level ?? 100, ability: set.ability, item: set.item || undefined,
                      nature: set.nature ?? 'Serious', evs: set.evs, ivs: set.ivs, moves: set.moves };
    if (set.gender) options.gender = set.gender;
    if (set.happiness !== undefined) options.happiness = set.happiness;
    return { name, options };
}

function writeGeneration(gen) {
    const { dex, sets } = generatedSets(gen);
    const blocks = sets.map((set) => Sets.exportSet(set, dex));
    const readings = blocks.map((block, i) => parsed(block, i, dex));
    const base = join(OUT, `team_sets_gen${gen}`);
    writeFileSync(`${base}.txt`, blocks.join(''));
    writeFileSync(`${base}.jsonl`, readings.map((r) => JSON.stringify(r)).join('\n') + '\n');
    writeFileSync(`${base}_calc.json`, '[\n' + readings.map((r) => JSON.stringify(calcOptions(r, dex))).join(',\n') + '\n]\n');
    const filled = readings.filter((r) => r.ivsFromHiddenPower).length;
    const withHidden = readings.filter(hasHiddenPower).length;
    console.log(`gen ${gen}: ${blocks.length} sets, ${withHidden} with Hidden Power (${filled} without an IVs line)`);
}

const EDGE_SETS = [
    'Basculin-Blue-Striped @ Choice Band\nAbility: Rock Head\nLevel: 50\n- Double-Edge\n- Waterfall\n',
    'Nick (Basculin-Blue-Striped) (F)\nAbility: Adaptability\n- Aqua Jet\n',
    'Pichu-Spiky-eared @ Light Ball\nAbility: Static\n- Volt Tackle\n',
    'Garchomp\nAbility: Rough Skin\nIVs: 32 Atk / 100 SpA / 255 Spe\n- Earthquake\n',
    'Magnezone (F)\nAbility: Magnet Pull\n- Thunderbolt\n',
    'Blissey (M)\nAbility: Natural Cure\n- Soft-Boiled\n',
    'Pikachu (M)\nGender: F\nAbility: Static\n- Thunderbolt\n',
    'Rotom-Wash @ Leftovers\nAbility: Levitate\n- Hydro Pump\n- Will-O-Wisp\n',
    'Smeargle @ Focus Sash\nAbility: Own Tempo\n- Spore\n- Shell Smash\n',
    `Garchomp${'x'.repeat(200)}\n- Earthquake\n`,
    'Nidoran-F\nAbility: Poison Point\n- Poison Sting\n',
    'Nidoran♂\nAbility: Rivalry\n- Horn Attack\n',
    'Pikachu @ Mail\nAbility: Static\n- Thunderbolt\n',
    'Heatran\nAbility: Flash Fire\n- [Hidden Power]\n- Fire Blast\n',
    'Garchomp\nAbility: Sand Veil\nAbility: Rough Skin\n- Earthquake\n',
    'Garchomp @ Leftovr\nAbility: Sand Vail\n- Earthqake\n- Outrage\n',
];

function writeEdges() {
    const dex = Dex.forGen(5);
    const base = join(OUT, 'team_sets_edges');
    writeFileSync(`${base}.txt`, EDGE_SETS.join('\n'));
    writeFileSync(`${base}.jsonl`, EDGE_SETS.map((block, i) => JSON.stringify(parsed(block, i, dex))).join('\n') + '\n');
    console.log(`edges: ${EDGE_SETS.length} sets`);
}

mkdirSync(OUT, { recursive: true });
for (const gen of [4, 5]) writeGeneration(gen);
writeEdges();
