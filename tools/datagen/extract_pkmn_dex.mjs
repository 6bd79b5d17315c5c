// Writes the values of @pkmn/dex that the table generator reads, as CSV files in data/source/:
//   pkmn_dex_gen5_moves.csv, pkmn_dex_gen5_species.csv  the generation-5 values cross-checked
//                                                        against the PokeAPI sources;
//   pkmn_dex_items.csv, pkmn_dex_other_items.csv         the held items of generations 4 and 5,
//                                                        and the names of every other item;
//   pkmn_dex_species_forms.csv, pkmn_dex_form_aliases.csv every species and form of national
//                                                        numbers 1..649 and their short spellings;
//   pkmn_dex_learnsets.csv                               the learnset sources of generations 3..5;
//   pkmn_dex_move_flags.csv                              the move flags of generations 4 and 5;
//   pkmn_dex_hidden_power_ivs.csv                        the IVs team builders fill in for each
//                                                        hidden-power type.
// Run after `npm ci` in this directory:
//   node extract_pkmn_dex.mjs ../../data/source
import { writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { Dex } from '@pkmn/dex';

const outDir = process.argv[2] ?? '../../data/source';
const gen4 = Dex.forGen(4);
const gen5 = Dex.forGen(5);
const latest = Dex.forGen(9);
const LAST_NATIONAL = 649;
const LAST_MOVE = 559;

function csvField(value) {
    const text = String(value ?? '');
    return /[",\n]/.test(text) ? '"' + text.replace(/"/g, '""') + '"' : text;
}

function csvLine(fields) {
    return fields.map(csvField).join(',') + '\n';
}

function writeCsv(name, header, rows) {
    writeFileSync(join(outDir, name), csvLine(header) + rows.map(csvLine).join(''));
    return rows.length;
}

function toId(text) {
    return String(text ?? '').toLowerCase().replace(/[^a-z0-9]+/g, '');
}

function lower(text) {
    return text ? text.toLowerCase() : '';
}

function ourMove(m) {
    // The typed variants of めざめるパワー share its number; only the move itself is kept.
    return m.num >= 1 && m.num <= LAST_MOVE && !m.isNonstandard && !m.name.startsWith('Hidden Power ');
}

function writeMoves() {
    const moves = [...gen5.moves.all()].filter(ourMove).sort((a, b) => a.num - b.num);
    return writeCsv('pkmn_dex_gen5_moves.csv', ['num', 'id', 'power', 'accuracy', 'pp', 'type', 'category', 'target'],
        moves.map((m) => [m.num, m.id, m.basePower, m.accuracy === true ? 0 : m.accuracy, m.pp, lower(m.type),
                          lower(m.category), m.target]));
}

function abilityId(name) {
    return name ? gen5.abilities.get(name).id : '';
}

function writeSpecies() {
    const species = [...gen5.species.all()]
        .filter((s) => s.num >= 1 && s.num <= LAST_NATIONAL && !s.isNonstandard)
        .sort((a, b) => a.num - b.num || a.id.localeCompare(b.id));
    return writeCsv('pkmn_dex_gen5_species.csv',
        ['num', 'id', 'base_species', 'forme', 'hp', 'atk', 'def', 'spa', 'spd', 'spe', 'type1', 'type2', 'ability1',
         'ability2', 'hidden_ability'],
        species.map((s) => {
            const st = s.baseStats;
            const types = s.types.map(lower);
            return [s.num, s.id, gen5.species.get(s.baseSpecies).id, s.forme, st.hp, st.atk, st.def, st.spa, st.spd,
                    st.spe, types[0], types[1] ?? '', abilityId(s.abilities[0]), abilityId(s.abilities[1]),
                    abilityId(s.abilities.H)];
        }));
}

// ---- items -----------------------------------------------------------------------------------

function standardItems(dex) {
    return [...dex.items.all()].filter((i) => !i.isNonstandard);
}

function writeItems() {
    const in4 = new Set(standardItems(gen4).map((i) => i.id));
    const in5 = new Set(standardItems(gen5).map((i) => i.id));
    const ids = [...new Set([...in4, ...in5])].sort((a, b) => gen5.items.get(a).num - gen5.items.get(b).num);
    const rows = ids.map((id) => {
        const item = in5.has(id) ? gen5.items.get(id) : gen4.items.get(id);
        const desc4 = in4.has(id) ? gen4.items.get(id).shortDesc : '';
        const desc5 = in5.has(id) ? gen5.items.get(id).shortDesc : '';
        return [item.num, id, item.name, item.gen, in4.has(id) ? 1 : 0, in5.has(id) ? 1 : 0, item.isBerry ? 1 : 0,
                item.fling?.basePower ?? '', lower(item.naturalGift?.type), item.naturalGift?.basePower ?? '',
                lower(item.onPlate), lower(item.onDrive), item.isGem ? 1 : 0, (item.itemUser ?? []).join(';'), desc4,
                desc5];
    });
    const count = writeCsv('pkmn_dex_items.csv',
        ['num', 'id', 'name', 'gen', 'in_gen4', 'in_gen5', 'is_berry', 'fling_power', 'natural_gift_type',
         'natural_gift_power', 'plate_type', 'drive_type', 'is_gem', 'item_user', 'desc_gen4', 'desc_gen5'],
        rows);
    // Every other item the data knows, so that team text naming one can be told which generation
    // it belongs to.
    const held = new Set(ids);
    const others = [...latest.items.all()].filter((i) => !held.has(i.id) && i.gen > 0)
        .sort((a, b) => a.gen - b.gen || a.num - b.num || a.id.localeCompare(b.id));
    writeCsv('pkmn_dex_other_items.csv', ['num', 'id', 'name', 'gen'], others.map((i) => [i.num, i.id, i.name, i.gen]));
    return count;
}

// ---- species, forms and their spellings -----------------------------------------------------------

function statusIn(dex, id) {
    const s = dex.species.get(id);
    return s.exists ? (s.isNonstandard ?? '') : 'Nonexistent';
}

function formRow(s, name, cosmetic) {
    const id = toId(name);
    const in5 = gen5.species.get(id);
    const source = in5.exists && !cosmetic ? in5 : s;
    const st = source.baseStats;
    const base = latest.species.get(s.baseSpecies);
    return [s.num, id, name, base.name, cosmetic ? name.slice(base.name.length + 1) : s.forme,
            cosmetic ? '' : (s.baseForme ?? ''), s.gen, statusIn(gen4, id), statusIn(gen5, id), cosmetic ? 1 : 0,
            typeof source.battleOnly === 'string' ? source.battleOnly : '', source.changesFrom ?? '',
            source.prevo ?? '', st.hp, st.atk, st.def, st.spa, st.spd, st.spe, source.weightkg];
}

function writeForms() {
    const species = [...latest.species.all()].filter((s) => s.num >= 1 && s.num <= LAST_NATIONAL)
        .sort((a, b) => a.num - b.num || a.id.localeCompare(b.id));
    const rows = [];
    for (const s of species) {
        rows.push(formRow(s, s.name, false));
        for (const cosmetic of s.cosmeticFormes ?? [])
            rows.push(formRow(s, cosmetic, true));
    }
    const count = writeCsv('pkmn_dex_species_forms.csv',
        ['num', 'id', 'name', 'base_species', 'forme', 'base_forme', 'gen', 'gen4_status', 'gen5_status', 'cosmetic',
         'battle_only', 'changes_from', 'prevo', 'hp', 'atk', 'def', 'spa', 'spd', 'spe', 'weightkg'],
        rows);
    // The short spellings of a species' forms: aliases that begin with the species' own name.
    const aliases = [];
    for (const [alias, target] of Object.entries(latest.data.Aliases)) {
        if (typeof target !== 'string')
            continue;
        const s = latest.species.get(target);
        if (!s.exists || s.num < 1 || s.num > LAST_NATIONAL || alias === s.id)
            continue;
        if (alias.startsWith(toId(s.baseSpecies)))
            aliases.push([alias, s.name]);
    }
    aliases.sort((a, b) => a[0].localeCompare(b[0]));
    writeCsv('pkmn_dex_form_aliases.csv', ['alias', 'target'], aliases);
    return count;
}

// ---- learnsets ---------------------------------------------------------------------------------

const SOURCE_GENS = new Set(['3', '4', '5']);
const SOURCE_KINDS = new Set(['L', 'M', 'T', 'E', 'S', 'R', 'D']);

async function writeLearnsets() {
    const species = [...latest.species.all()].filter((s) => s.num >= 1 && s.num <= LAST_NATIONAL)
        .sort((a, b) => a.num - b.num || a.id.localeCompare(b.id));
    const rows = [];
    for (const s of species) {
        const data = await latest.learnsets.get(s.id);
        if (!data?.learnset)
            continue;
        for (const moveId of Object.keys(data.learnset).sort()) {
            const move = gen5.moves.get(moveId);
            if (!move.exists || !ourMove(move))
                continue;
            const sources = data.learnset[moveId].filter((x) => SOURCE_GENS.has(x[0]) && SOURCE_KINDS.has(x[1]));
            if (sources.length)
                rows.push([s.id, moveId, sources.join(' ')]);
        }
    }
    return writeCsv('pkmn_dex_learnsets.csv', ['species', 'move', 'sources'], rows);
}

// ---- move flags --------------------------------------------------------------------------------

function selfDrop(m) {
    const stat = m.category === 'Special' ? 'spa' : 'atk';
    const drop = m.self?.boosts?.[stat];
    return drop && drop < 0 ? -drop : '';
}

function writeMoveFlags() {
    const rows = [];
    for (const [gen, dex] of [[4, gen4], [5, gen5]]) {
        const moves = [...dex.moves.all()].filter(ourMove).sort((a, b) => a.num - b.num);
        for (const m of moves) {
            const multihit = Array.isArray(m.multihit) ? m.multihit.join('-') : (m.multihit ?? '');
            rows.push([gen, m.num, m.id, Object.keys(m.flags).sort().join(' '), m.priority, multihit,
                       m.multiaccuracy ? 1 : 0, m.critRatio ?? 1, m.recoil ? m.recoil.join('/') : '',
                       m.hasCrashDamage ? 1 : 0, m.secondaries?.length ? 1 : 0, selfDrop(m), m.damage ?? '',
                       m.ohko ? 1 : 0, m.willCrit ? 1 : 0, m.ignoreDefensive ? 1 : 0, m.overrideDefensiveStat ?? '',
                       m.overrideOffensivePokemon ?? '', m.breaksProtect ? 1 : 0, m.selfdestruct ?? '']);
        }
    }
    return writeCsv('pkmn_dex_move_flags.csv',
        ['gen', 'num', 'id', 'flags', 'priority', 'multihit', 'multiaccuracy', 'crit_ratio', 'recoil', 'crash',
         'secondary', 'self_drop', 'damage', 'ohko', 'will_crit', 'ignore_defensive', 'override_defensive_stat',
         'override_offensive_pokemon', 'breaks_protect', 'selfdestruct'],
        rows);
}

// ---- hidden power ------------------------------------------------------------------------------

// A set that names めざめるパワー's type and no IVs gets these (31 where the type names none).
function writeHiddenPowerIvs() {
    const stats = ['hp', 'atk', 'def', 'spa', 'spd', 'spe'];
    // Every type but ノーマル can be めざめるパワー's; あく's IVs are all 31.
    const types = [...gen5.types.all()].filter((t) => t.exists && !t.isNonstandard && t.name !== 'Normal')
        .sort((a, b) => a.id.localeCompare(b.id));
    return writeCsv('pkmn_dex_hidden_power_ivs.csv', ['type', ...stats],
        types.map((t) => [t.id, ...stats.map((s) => t.HPivs[s] ?? 31)]));
}

const counts = {
    moves: writeMoves(),
    species: writeSpecies(),
    items: writeItems(),
    forms: writeForms(),
    learnsets: await writeLearnsets(),
    moveFlags: writeMoveFlags(),
    hiddenPowerIvs: writeHiddenPowerIvs(),
};
console.log(`@pkmn/dex: ${JSON.stringify(counts)} rows written to ${outDir}`);
