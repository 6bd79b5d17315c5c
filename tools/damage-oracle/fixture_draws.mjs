// What the exact engine's calculator fixture draws from, per generation, and how one case is drawn
// for each rule (make_fixture.mjs writes the fixture). A case is in the oracles' format (see
// simulate.mjs) and holds only what the box window can hold too (src/devtools/oracle_case.h says
// how each field reads): a state the window has no input for stays at the value the engine
// assumes, so that the calculator, the simulator and the engine compute the same battle.
//
// Every case carries `covers`: the rule it was drawn for ("item:Fire Gem", "ability:Sheer Force",
// "move:Flail", "field:gravity", "set" for a pair of the realistic team sets, "any" for a draw over
// everything). The comparison groups differences by it.
import { Dex } from '@pkmn/dex';
import { createRequire } from 'node:module';

const require = createRequire(import.meta.url);
const { getItemBoostType, getBerryResistType, getFlingPower, getTechnoBlast } = require('@smogon/calc/dist/items.js');

// ---- random draws (a fixed seed: the same fixture every run) -----------------------------------

export class Random {
    constructor(seed) {
        this.state = seed >>> 0;
    }
    next() {
        this.state = (this.state + 0x6d2b79f5) >>> 0;
        let t = this.state;
        t = Math.imul(t ^ (t >>> 15), t | 1);
        t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
        return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
    }
    int(lo, hi) {
        return lo + Math.floor(this.next() * (hi - lo + 1));
    }
    pick(list) {
        return list[this.int(0, list.length - 1)];
    }
    chance(p) {
        return this.next() < p;
    }
}

// ---- what the draws take from ------------------------------------------------------------------

const STATS = ['hp', 'atk', 'def', 'spa', 'spd', 'spe'];
const NATURES = ['Hardy', 'Lonely', 'Brave', 'Adamant', 'Naughty', 'Bold', 'Docile', 'Relaxed', 'Impish', 'Lax',
                 'Timid', 'Hasty', 'Serious', 'Jolly', 'Naive', 'Modest', 'Mild', 'Quiet', 'Bashful', 'Rash', 'Calm',
                 'Gentle', 'Sassy', 'Careful', 'Quirky'];
export const WEATHERS = ['Sun', 'Rain', 'Sand', 'Hail'];

// Moves whose damage is no single set of 16 rolls or follows from what no input holds: a random
// power (マグニチュード, プレゼント, サイコウェーブ), the damage taken before (カウンター …), a
// stockpile, the HP of both sides (がむしゃら, いのちがけ), a one-hit knock-out, another move called,
// the user asleep (いびき), every other move used first (とっておき).
export const NOT_DRAWN = new Set(['Present', 'Psywave', 'Counter', 'Mirror Coat', 'Metal Burst', 'Bide',
    'Spit Up', 'Endeavor', 'Final Gambit', 'Fissure', 'Guillotine', 'Horn Drill', 'Sheer Cold', 'Nature Power',
    'Struggle', 'Sky Drop', 'Snore', 'Last Resort']);
// フェイント fails in the 4th generation unless the foe protects itself.
const NOT_DRAWN_IN = { 4: new Set(['Feint']), 5: new Set() };
// マグニチュード's power is drawn as it starts: a case names the magnitude by its power.
export const MAGNITUDE_POWERS = [10, 30, 50, 70, 90, 110, 150];
// Moves whose power follows the user's HP: a pinch ability's low HP would change them.
const USER_HP_MOVES = new Set(['Eruption', 'Water Spout', 'Flail', 'Reversal']);
// Abilities whose activation stands for a low HP (よわき halves the attack at half HP or less).
const PINCH = new Set(['Overgrow', 'Blaze', 'Torrent', 'Swarm', 'Defeatist']);
const STATUS_ABILITIES = new Set(['Guts', 'Quick Feet', 'Toxic Boost', 'Marvel Scale']);
const DEFENCE_MOVES = new Set(['Psyshock', 'Psystrike', 'Secret Sword']);

export function poolsFor(gen) {
    const dex = Dex.forGen(gen);
    const current = (x) => x.exists && !x.isNonstandard && x.gen <= gen;
    const species = dex.species.all().filter((s) => current(s) && !/^(Castform|Cherrim)-/.test(s.name) &&
        s.name !== 'Pichu-Spiky-eared');
    const moves = dex.moves.all().filter((m) => current(m) && m.category !== 'Status' &&
        !m.name.startsWith('Hidden Power ') && !NOT_DRAWN.has(m.name) && !NOT_DRAWN_IN[gen].has(m.name));
    const items = dex.items.all().filter((i) => current(i) && !i.isPokeball);
    const abilities = dex.abilities.all().filter((a) => current(a) && a.num > 0);
    const movesOfType = {};
    for (const m of moves) (movesOfType[m.type] ??= []).push(m);
    return { gen, dex, species, moves, items, abilities, movesOfType,
             speciesByName: Object.fromEntries(species.map((s) => [s.name, s])) };
}

// ---- one case ----------------------------------------------------------------------------------

function drawStage(r) {
    if (r.chance(0.55)) return 0;
    if (r.chance(0.35)) return r.pick([-6, 6]);
    return r.int(-6, 6);
}

function drawLevel(r) {
    return r.chance(0.3) ? 50 : r.chance(0.25) ? 100 : r.chance(0.1) ? r.int(1, 5) : r.int(1, 100);
}

function statTable(r, draw) {
    const table = {};
    for (const s of STATS) {
        const v = draw();
        if (v !== null) table[s] = v;
    }
    return Object.keys(table).length ? table : undefined;
}

function drawGender(r, species) {
    if (species.gender) return species.gender;
    const female = species.genderRatio?.F ?? 0.5;
    return r.chance(female) ? 'F' : 'M';
}

// A creature of the species with drawn stats; the ability is its own or, now and then, any.
export function drawCreature(r, pools, species, extra = {}) {
    const own = Object.values(species.abilities).filter((a) => pools.dex.abilities.get(a).gen <= pools.gen);
    const options = {
        level: drawLevel(r),
        nature: r.pick(NATURES),
        ability: own.length && r.chance(0.7) ? r.pick(own) : r.pick(pools.abilities).name,
        gender: drawGender(r, species),
    };
    if (!r.chance(0.3)) options.ivs = statTable(r, () => (r.chance(0.5) ? null : r.int(0, 31)));
    options.evs = statTable(r, () => (r.chance(0.4) ? r.pick([0, 252, 255]) : r.int(0, 255)) || null);
    if (r.chance(0.6)) options.item = r.pick(pools.items).name;
    if (r.chance(0.1)) options.happiness = r.int(0, 255);
    for (const [key, value] of Object.entries(extra)) if (value !== undefined) options[key] = value;
    for (const key of Object.keys(options)) if (options[key] === undefined) delete options[key];
    return { name: species.name, options };
}

export function drawField(r, gen) {
    const field = {};
    if (r.chance(0.45)) field.weather = r.pick(WEATHERS);
    if (r.chance(0.2)) field.gameType = 'Doubles';
    if (r.chance(0.1)) field.isGravity = true;
    const attackerSide = {}, defenderSide = {};
    if (r.chance(0.15)) attackerSide.isHelpingHand = true;
    if (r.chance(0.08)) attackerSide.isFlowerGift = true;
    if (r.chance(0.2)) defenderSide.isReflect = true;
    if (r.chance(0.2)) defenderSide.isLightScreen = true;
    if (r.chance(0.12)) defenderSide.isForesight = true;
    if (Object.keys(attackerSide).length) field.attackerSide = attackerSide;
    if (Object.keys(defenderSide).length) field.defenderSide = defenderSide;
    return field;
}

// Hit counts of a 2-5 move: each as often, so that every count is checked.
function drawHits(r, move, attacker) {
    if (!Array.isArray(move.multihit)) return undefined;
    return attacker.options.ability === 'Skill Link' ? undefined : r.int(2, 5);
}

// みらいよち and はめつのねがい never land a critical hit here: the simulator's later hit cannot be forced to.
const NO_CRITICAL = new Set(['Future Sight', 'Doom Desire']);

export function moveOptions(r, pools, move, attacker, critChance = 0.2) {
    const options = {};
    if (r.chance(critChance) && !NO_CRITICAL.has(move.name)) options.isCrit = true;
    if (move.name === 'Magnitude') options.overrides = { basePower: r.pick(MAGNITUDE_POWERS) };
    const hits = drawHits(r, move, attacker);
    if (hits) options.hits = hits;
    return options;
}

// Puts the case in a state the window can hold: the stages on the stats the move uses, the state
// an activated ability stands for, a named gender, めざめるパワー named by its IVs.
export function settle(r, pools, c) {
    const move = pools.dex.moves.get(c.move.name.startsWith('Hidden Power') ? 'Hidden Power' : c.move.name);
    const a = c.attacker.options, d = c.defender.options;
    const physical = move.category === 'Physical';
    const hitsDefence = physical || (pools.gen === 5 && DEFENCE_MOVES.has(move.name));
    const simple = (o) => pools.gen === 5 && o.ability === 'Simple';
    delete a.boosts;
    delete d.boosts;
    const attackStage = c.stages?.[0] ?? 0, defenceStage = c.stages?.[1] ?? 0;
    delete c.stages;
    if (attackStage && !simple(a) && move.name !== 'Foul Play') a.boosts = { [physical ? 'atk' : 'spa']: attackStage };
    if (defenceStage && !simple(d)) d.boosts = { [hitsDefence ? 'def' : 'spd']: defenceStage };

    if (a.abilityOn) {
        if (PINCH.has(a.ability) && USER_HP_MOVES.has(move.name)) delete a.abilityOn;
        else if (PINCH.has(a.ability)) a.curHP = 1;
        if (a.ability === 'Toxic Boost') a.status = 'psn';
        else if (STATUS_ABILITIES.has(a.ability) && a.status !== 'brn') a.status = 'psn';
        if (a.ability === 'Flare Boost') a.status = 'brn';
        if (['Plus', 'Minus'].includes(a.ability)) c.field.gameType = 'Doubles';
        if (a.ability === 'Analytic') c.defenderMove = { name: 'Extreme Speed' }; // the foe moves first
    }
    if (a.ability === 'Flare Boost' && a.status === 'brn') a.abilityOn = true;
    // いかく lowers the foe's attack, which イカサマ uses: the window has no stage for it.
    if (a.ability === 'Intimidate' && move.name === 'Foul Play') delete a.abilityOn;
    if (c.field.attackerSide?.isFlowerGift) c.field.gameType = 'Doubles';
    // ふくろだたき hits once for each member of the party, and a battle of two holds a partner: the
    // cases give the user alone.
    if (move.name === 'Beat Up' && c.field.gameType === 'Doubles') {
        delete c.field.gameType;
        delete c.field.attackerSide?.isFlowerGift;
        if (c.field.attackerSide && !Object.keys(c.field.attackerSide).length) delete c.field.attackerSide;
        if (['Plus', 'Minus'].includes(a.ability)) delete a.abilityOn;
    }
    // ふいうち hits a foe that has yet to use an attacking move: the foe's move comes last.
    if (move.name === 'Sucker Punch') c.defenderMove = { name: 'Vital Throw' };
    nameForms(r, pools, c.attacker);
    nameForms(r, pools, c.defender);
    if (move.name === 'Hidden Power') hiddenPower(pools, c);
    for (const o of [a, d]) {
        if (!o.abilityOn) delete o.abilityOn;
        if (!Object.keys(o.boosts ?? {}).length) delete o.boosts;
    }
    if (!c.field.gameType || c.field.gameType === 'Singles') delete c.field.gameType;
    if (!Object.keys(c.field).length) delete c.field;
    if (!Object.keys(c.move.options).length) delete c.move.options;
    return c;
}

// アルセウス is the type of its plate, and named so; the drives name ゲノセクト's look only.
function nameForms(r, pools, side) {
    const o = side.options;
    if (side.name.startsWith('Arceus')) {
        const plate = o.item && pools.dex.items.get(o.item).onPlate;
        side.name = plate && plate !== 'Normal' ? `Arceus-${plate}` : 'Arceus';
    }
    if (side.name.startsWith('Genesect')) {
        const drive = o.item && pools.dex.items.get(o.item).onDrive;
        side.name = drive ? `Genesect-${pools.dex.items.get(o.item).name.split(' ')[0]}` : 'Genesect';
    }
}

function hiddenPower(pools, c) {
    const ivs = Object.fromEntries(STATS.map((s) => [s, c.attacker.options.ivs?.[s] ?? 31]));
    const hp = pools.dex.getHiddenPower(ivs);
    c.move.name = `Hidden Power ${hp.type}`;
    c.move.options = { ...c.move.options, overrides: { basePower: hp.power } };
}

// ---- item, ability and move knowledge the draws aim with ---------------------------------------

export const itemFacts = {
    boostType: (name) => getItemBoostType(name),
    resistType: (name) => getBerryResistType(name),
    flingPower: (name, gen) => getFlingPower(name, gen),
    drive: (name) => getTechnoBlast(name),
};
export { STATS, NATURES, PINCH, USER_HP_MOVES };
