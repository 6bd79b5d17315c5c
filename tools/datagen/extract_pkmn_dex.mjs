// Writes the generation-5 values of @pkmn/dex that the table generator compares with the
// PokeAPI sources: one CSV of moves (national numbers 1..559) and one of species and forms
// (national numbers 1..649). Run once after `npm install` in this directory:
//   node extract_pkmn_dex.mjs ../../data/source
import { writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { Dex } from '@pkmn/dex';

const outDir = process.argv[2] ?? '../../data/source';
const gen5 = Dex.forGen(5);

function csvLine(fields) {
    return fields.map((f) => String(f ?? '')).join(',') + '\n';
}

function writeMoves() {
    // The typed variants of めざめるパワー share its number; only the move itself is kept.
    const moves = [...gen5.moves.all()]
        .filter((m) => m.num >= 1 && m.num <= 559 && !m.isNonstandard)
        .filter((m) => !(m.name.startsWith('Hidden Power ')))
        .sort((a, b) => a.num - b.num);
    let text = csvLine(['num', 'id', 'power', 'accuracy', 'pp', 'type', 'category', 'target']);
    for (const m of moves) {
        const accuracy = m.accuracy === true ? 0 : m.accuracy;
        text += csvLine([m.num, m.id, m.basePower, accuracy, m.pp, m.type.toLowerCase(),
                         m.category.toLowerCase(), m.target]);
    }
    writeFileSync(join(outDir, 'pkmn_dex_gen5_moves.csv'), text);
    return moves.length;
}

function abilityId(name) {
    return name ? gen5.abilities.get(name).id : '';
}

function writeSpecies() {
    const species = [...gen5.species.all()]
        .filter((s) => s.num >= 1 && s.num <= 649 && !s.isNonstandard)
        .sort((a, b) => a.num - b.num || a.id.localeCompare(b.id));
    let text = csvLine(['num', 'id', 'base_species', 'forme', 'hp', 'atk', 'def', 'spa', 'spd', 'spe',
                        'type1', 'type2', 'ability1', 'ability2', 'hidden_ability']);
    for (const s of species) {
        const st = s.baseStats;
        const types = s.types.map((t) => t.toLowerCase());
        text += csvLine([s.num, s.id, gen5.species.get(s.baseSpecies).id, s.forme, st.hp, st.atk, st.def,
                         st.spa, st.spd, st.spe, types[0], types[1] ?? '', abilityId(s.abilities[0]),
                         abilityId(s.abilities[1]), abilityId(s.abilities.H)]);
    }
    writeFileSync(join(outDir, 'pkmn_dex_gen5_species.csv'), text);
    return species.length;
}

const moveCount = writeMoves();
const speciesCount = writeSpecies();
console.log(`@pkmn/dex gen 5: ${moveCount} moves, ${speciesCount} species rows written to ${outDir}`);
