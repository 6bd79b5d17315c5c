// The simulator with the 4th generation's own arithmetic, to check the places where the
// simulator is known to differ from those games (simulate.mjs says which): the games multiply by
// each modifier and floor, where the simulator rounds 4096ths half down; the games apply the
// effectiveness of each of the defender's types on its own, flooring after each, in the order of
// their type table, where the simulator applies both at once; and スナイパー makes a critical hit
// ×3 where the critical hit applies, where the simulator gives it ×1.5 among the last modifiers.
// A case the simulator answers differently from the engine, but answers as the engine does with
// this arithmetic, differs through those faults alone.
//
// Beyond スナイパー's place only the arithmetic changes: every event, item, ability and move of the
// simulator runs as it is.

// The fraction a modifier stands for, given as a decimal or in 4096ths (1.3 and 5325/4096 are
// 13/10, 4505/4096 is 11/10, 2732/4096 is 2/3): the simplest within two 4096ths, by continued
// fractions (the simulator rounds 1.1 × 4096 down to 4505, more than half a 4096th off).
function fraction(x) {
    let [n0, d0, n1, d1] = [0, 1, 1, 0];
    let rest = x;
    for (let i = 0; i < 16; ++i) {
        const whole = Math.floor(rest);
        [n0, d0, n1, d1] = [n1, d1, whole * n1 + n0, whole * d1 + d0];
        if (Math.abs(n1 / d1 - x) < 2 / 4096 || rest === whole) break;
        rest = 1 / (rest - whole);
    }
    return [n1, d1];
}

// The defender's types in the order the 4th generation's type table reaches them.
const TABLE_ORDER = ['Normal', 'Fire', 'Water', 'Electric', 'Grass', 'Ice', 'Fighting', 'Poison', 'Ground', 'Flying',
                     'Psychic', 'Bug', 'Rock', 'Ghost', 'Dragon', 'Dark', 'Steel'];

function typeByType(battle, target, move, damage) {
    const types = [...target.getTypes()].sort((a, b) => TABLE_ORDER.indexOf(a) - TABLE_ORDER.indexOf(b));
    let total = 0;
    for (const type of types) {
        let typeMod = battle.dex.getEffectiveness(move, type);
        typeMod = battle.singleEvent('Effectiveness', move, null, target, type, move, typeMod);
        typeMod = battle.runEvent('Effectiveness', target, type, move, typeMod);
        total += typeMod;
        for (let i = 0; i < typeMod; ++i) damage *= 2;
        for (let i = 0; i > typeMod; --i) damage = Math.floor(damage / 2);
    }
    target.getMoveHitData(move).typeMod = total;
    return damage;
}

// The 4th generation's damage modifiers in the simulator's order, each floored, the types one by one.
function modifyDamage(baseDamage, pokemon, target, move) {
    const battle = this.battle;
    if (!move.type) move.type = '???';
    if (pokemon.status === 'brn' && baseDamage && move.category === 'Physical' && !pokemon.hasAbility('guts'))
        baseDamage = battle.modify(baseDamage, 0.5);
    baseDamage = battle.runEvent('ModifyDamagePhase1', pokemon, target, move, baseDamage);
    if (move.spreadHit) baseDamage = battle.modify(baseDamage, move.spreadModifier || 0.75);
    baseDamage = battle.priorityEvent('WeatherModifyDamage', pokemon, target, move, baseDamage);
    baseDamage += 2;
    // スナイパー makes the critical hit ×3 here, before the random roll (the simulator applies its
    // ×1.5 with the last modifiers instead; chainModify below leaves that out).
    if (target.getMoveHitData(move).crit)
        baseDamage = battle.modify(baseDamage, move.critModifier || (pokemon.hasAbility('sniper') ? 3 : 2));
    baseDamage = Math.floor(battle.runEvent('ModifyDamagePhase2', pokemon, target, move, baseDamage));
    baseDamage = battle.randomizer(baseDamage);
    if (move.type !== '???') {
        let stab = move.forceSTAB || pokemon.hasType(move.type) ? 1.5 : 1;
        stab = battle.runEvent('ModifySTAB', pokemon, target, move, stab);
        baseDamage = battle.modify(baseDamage, stab);
    }
    baseDamage = typeByType(battle, target, move, baseDamage);
    baseDamage = battle.runEvent('ModifyDamage', pokemon, target, move, baseDamage);
    return Math.max(1, Math.floor(baseDamage));
}

// The last modifiers of the damage in the order the 4th generation applies them: フィルター and
// ハードロック, たつじんのおび, メトロノーム, いろめがね, then a resist berry.
const FINAL_ORDER = ['filter', 'solidrock', 'expertbelt', 'metronome', 'tintedlens'];
function finalRank(event, effect) {
    if (event !== 'ModifyDamage') return 0;
    const at = FINAL_ORDER.indexOf(effect);
    return at >= 0 ? at : effect.endsWith('berry') ? FINAL_ORDER.length : FINAL_ORDER.length + 1;
}

// Gives a 4th-generation battle the games' arithmetic.
export function useGameRounding(battle) {
    if (battle.gen !== 4) return;
    const floorBy = (value, factor) => {
        const [n, d] = fraction(factor);
        return Math.floor((value * n) / d);
    };
    // An event's modifiers are applied one after the other, as their handlers ran.
    battle.modify = function (value, numerator, denominator = 1) {
        if (Array.isArray(numerator)) [numerator, denominator] = numerator;
        const factors = this.event?.gameFactors;
        if (factors?.length && numerator === this.event.modifier && denominator === 1) {
            this.event.gameFactors = [];
            return factors.reduce((v, f) => floorBy(v, f.factor), value);
        }
        return floorBy(value, numerator / denominator);
    };
    battle.chainModify = function (numerator, denominator = 1) {
        if (Array.isArray(numerator)) [numerator, denominator] = numerator;
        if (this.event.id === 'ModifyDamage' && this.effect?.id === 'sniper') return; // in the critical hit's ×3
        const factors = (this.event.gameFactors ??= []);
        factors.push({ factor: numerator / denominator, rank: finalRank(this.event.id, this.effect?.id ?? '') });
        factors.sort((a, b) => a.rank - b.rank);
        this.event.modifier *= numerator / denominator;
    };
    battle.actions.modifyDamage = modifyDamage;
}
