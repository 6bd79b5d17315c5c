// The same case format as simulate.mjs, through @smogon/calc: the calculator's 16 rolls (per hit for a
// multi-hit move), its KO chance text and its description.
//
// A case's attacker, defender, move and field options go unchanged into `new Pokemon(gen, name,
// options)`, `new Move(gen, name, options)` and `new Field(options)`; the move also gets the
// attacker's ability and item, as the calculator's own page passes them (スキルリンク's hit count).
// Keys the calculator does not know (happiness, isTrickRoom, defenderMove) are ignored by it.
import { calculate, Field, Generations, Move, Pokemon } from '@smogon/calc';

const GENS = { 4: Generations.get(4), 5: Generations.get(5) };

export function calcObjects(c) {
    const gen = GENS[c.gen];
    if (!gen) throw new Error(`generation ${c.gen} is not 4 or 5`);
    const attacker = new Pokemon(gen, c.attacker.name, c.attacker.options ?? {});
    const defender = new Pokemon(gen, c.defender.name, c.defender.options ?? {});
    const move = new Move(gen, c.move.name,
        { ability: attacker.ability, item: attacker.item, species: attacker.name, ...(c.move.options ?? {}) });
    const field = new Field(c.field ?? {});
    return { gen, attacker, defender, move, field };
}

// The rolls of the first hit, every hit's rolls (a multi-hit move) and what the calculator says.
export function calcCase(c) {
    try {
        const { gen, attacker, defender, move, field } = calcObjects(c);
        const result = calculate(gen, attacker, defender, move, field);
        const damage = result.damage;
        const perHit = Array.isArray(damage) && Array.isArray(damage[0]) ? damage
            : [Array.isArray(damage) ? damage : Array(16).fill(damage)];
        const answer = { id: c.id, rolls: perHit[0], hits: move.hits };
        if (perHit.length > 1) answer.perHit = perHit;
        let kochance = null, desc = null;
        try {
            kochance = result.kochance().text;
            desc = result.desc();
        } catch {
            // no damage: the calculator has no KO chance and no description to give
        }
        return { ...answer, kochance, desc,
                 speed: { attacker: result.attacker.stats.spe, defender: result.defender.stats.spe } };
    } catch (error) {
        return { id: c.id, error: String(error?.stack ?? error) };
    }
}
