// The rules the calculator fixture aims at: for each held item, ability, move of its own rules and
// battle condition, a way to draw a case where that rule shows (a move of the item's type, a
// defender weak to a resist berry's type, an activated ability …), and the pairs of realistic
// team sets. make_fixture.mjs shares the cases out among them.
import { drawCreature, drawField, itemFacts, moveOptions, NOT_DRAWN, settle, WEATHERS } from './fixture_draws.mjs';

// ---- picking with an aim -----------------------------------------------------------------------

function pickWhere(r, list, test, tries = 60) {
    for (let i = 0; i < tries; ++i) {
        const x = r.pick(list);
        if (test(x)) return x;
    }
    return r.pick(list);
}

const effectiveness = (pools, type, species) =>
    pools.dex.getImmunity(type, species.types) ? pools.dex.getEffectiveness(type, species.types) : -9;
const named = (pools, name) => pools.speciesByName[name];
const anyMove = (r, pools) => r.pick(pools.moves);
const moveOfType = (r, pools, type) => (pools.movesOfType[type]?.length ? r.pick(pools.movesOfType[type]) : anyMove(r, pools));
const moveWhere = (r, pools, test) => pickWhere(r, pools.moves, test);
const speciesWhere = (r, pools, test) => pickWhere(r, pools.species, test);
const secondaryOf = (m) => !!(m.secondary || m.secondaries);

// A case from its parts; what is not given is drawn.
function build(r, pools, covers, parts = {}) {
    const attackerSpecies = parts.attackerSpecies ?? r.pick(pools.species);
    const defenderSpecies = parts.defenderSpecies ?? r.pick(pools.species);
    const attacker = drawCreature(r, pools, attackerSpecies, parts.attacker);
    const defender = drawCreature(r, pools, defenderSpecies, parts.defender);
    const move = parts.move ?? anyMove(r, pools);
    const field = { ...drawField(r, pools.gen), ...parts.field };
    const c = {
        covers, gen: pools.gen, attacker, defender, field,
        move: { name: move.name, options: { ...moveOptions(r, pools, move, attacker, parts.crit ?? 0.2), ...parts.moveOptions } },
        stages: parts.stages ?? [drawStage(r), drawStage(r)],
    };
    if (!parts.attacker?.status && r.chance(0.12)) attacker.options.status = 'brn';
    if (parts.attacker?.abilityOn === undefined && r.chance(0.3)) attacker.options.abilityOn = true;
    for (const o of [attacker.options, defender.options])
        for (const key of Object.keys(o)) if (o[key] === null) delete o[key];
    return settle(r, pools, c);
}

function drawStage(r) {
    if (r.chance(0.55)) return 0;
    if (r.chance(0.35)) return r.pick([-6, 6]);
    return r.int(-6, 6);
}

// ---- held items --------------------------------------------------------------------------------

const SPEED_ITEMS = new Set(['Choice Scarf', 'Iron Ball', 'Macho Brace', 'Power Anklet', 'Power Band', 'Power Belt',
                             'Power Bracer', 'Power Lens', 'Power Weight', 'Quick Powder', 'Lagging Tail', 'Full Incense']);

function attackerItemCase(r, pools, item) {
    const parts = { attacker: { item: item.name } };
    const boost = itemFacts.boostType(item.name);
    if (item.itemUser?.length && r.chance(0.85)) {
        const owner = named(pools, r.pick(item.itemUser)) ?? r.pick(pools.species);
        parts.attackerSpecies = owner;
        if (['Adamant Orb', 'Lustrous Orb', 'Griseous Orb'].includes(item.name) && r.chance(0.8))
            parts.move = moveOfType(r, pools, r.pick(owner.types.concat('Dragon')));
    }
    if (item.isGem && r.chance(0.8)) {
        parts.move = item.name === 'Flying Gem' && r.chance(0.3) ? pools.dex.moves.get('Acrobatics')
            : moveOfType(r, pools, item.name.replace(' Gem', ''));
    } else if (boost && r.chance(0.75)) {
        parts.move = moveOfType(r, pools, boost);
        if (item.onPlate && r.chance(0.4)) {
            parts.attackerSpecies = named(pools, 'Arceus');
            parts.move = pools.dex.moves.get('Judgment');
        }
    } else if (itemFacts.drive(item.name) && pools.gen === 5 && r.chance(0.8)) {
        parts.attackerSpecies = named(pools, 'Genesect');
        parts.move = pools.dex.moves.get('Techno Blast');
    } else if (item.naturalGift && r.chance(0.4)) {
        parts.move = pools.dex.moves.get('Natural Gift');
    } else if (itemFacts.flingPower(item.name, pools.gen) && r.chance(0.25)) {
        parts.move = pools.dex.moves.get('Fling');
    } else if (SPEED_ITEMS.has(item.name) && r.chance(0.5)) {
        parts.move = pools.dex.moves.get(pools.gen === 5 && r.chance(0.5) ? 'Electro Ball' : 'Gyro Ball');
    } else if (item.name === 'Expert Belt' && r.chance(0.7)) {
        parts.move = anyMove(r, pools);
        parts.defenderSpecies = speciesWhere(r, pools, (s) => effectiveness(pools, parts.move.type, s) > 0);
    }
    return build(r, pools, `item:${item.name}`, parts);
}

function defenderItemCase(r, pools, item) {
    const parts = { defender: { item: item.name } };
    const resist = itemFacts.resistType(item.name);
    if (resist && r.chance(0.8)) {
        parts.move = moveOfType(r, pools, resist);
        if (resist !== 'Normal') parts.defenderSpecies = speciesWhere(r, pools, (s) => effectiveness(pools, resist, s) > 0);
    } else if (item.name === 'Eviolite') {
        parts.defenderSpecies = speciesWhere(r, pools, (s) => s.nfe);
    } else if (item.name === 'Air Balloon' || item.name === 'Iron Ball') {
        parts.move = moveOfType(r, pools, 'Ground');
        if (item.name === 'Iron Ball' && r.chance(0.6))
            parts.defenderSpecies = speciesWhere(r, pools, (s) => s.types.includes('Flying'));
    } else if (item.name === 'Ring Target') {
        parts.move = anyMove(r, pools);
        parts.defenderSpecies = speciesWhere(r, pools, (s) => effectiveness(pools, parts.move.type, s) === -9);
    } else if (item.itemUser?.length && r.chance(0.85)) {
        parts.defenderSpecies = named(pools, r.pick(item.itemUser)) ?? r.pick(pools.species);
    } else if (item.onPlate && r.chance(0.5)) {
        parts.defenderSpecies = named(pools, 'Arceus');
    } else if (SPEED_ITEMS.has(item.name) && r.chance(0.5)) {
        parts.move = pools.dex.moves.get(pools.gen === 5 && r.chance(0.5) ? 'Electro Ball' : 'Gyro Ball');
    }
    return build(r, pools, `defender-item:${item.name}`, parts);
}

// ---- abilities ---------------------------------------------------------------------------------

const BREAKABLE_AIMS = { Levitate: 'Ground', 'Volt Absorb': 'Electric', 'Water Absorb': 'Water', 'Flash Fire': 'Fire',
                         'Motor Drive': 'Electric', 'Lightning Rod': 'Electric', 'Storm Drain': 'Water',
                         'Sap Sipper': 'Grass', 'Thick Fat': 'Fire', Heatproof: 'Fire', 'Dry Skin': 'Water' };
const TYPE_AIMS = { Blaze: 'Fire', Torrent: 'Water', Overgrow: 'Grass', Swarm: 'Bug', 'Flash Fire': 'Fire',
                    'Sand Force': 'Rock' };

function attackerAbilityCase(r, pools, ability) {
    const name = ability.name;
    const parts = { attacker: { ability: name } };
    const on = r.chance(0.6);
    if (TYPE_AIMS[name] && r.chance(0.75)) parts.move = moveOfType(r, pools, name === 'Sand Force'
        ? r.pick(['Rock', 'Ground', 'Steel']) : TYPE_AIMS[name]);
    if (name === 'Sand Force' && r.chance(0.7)) parts.field = { weather: 'Sand' };
    if (['Blaze', 'Torrent', 'Overgrow', 'Swarm', 'Flash Fire', 'Slow Start', 'Plus', 'Minus', 'Analytic', 'Guts',
         'Toxic Boost', 'Quick Feet', 'Unburden', 'Defeatist'].includes(name)) parts.attacker.abilityOn = on;
    if (name === 'Flare Boost' && on) parts.attacker.status = 'brn';
    if (name === 'Technician') {
        parts.move = moveWhere(r, pools, (m) => m.basePower > 0 && m.basePower <= 60);
        if (r.chance(0.5)) parts.field = { attackerSide: { isHelpingHand: true } }; // the order of the two in gen 4
    }
    if (name === 'Iron Fist') parts.move = moveWhere(r, pools, (m) => m.flags.punch);
    if (name === 'Reckless') parts.move = moveWhere(r, pools, (m) => m.recoil || m.hasCrashDamage);
    if (name === 'Sheer Force') parts.move = moveWhere(r, pools, secondaryOf);
    if (name === 'Sniper' || name === 'Super Luck') parts.crit = 0.6;
    if (name === 'Skill Link') parts.move = moveWhere(r, pools, (m) => Array.isArray(m.multihit));
    if (name === 'Scrappy') {
        parts.move = moveWhere(r, pools, (m) => m.type === 'Normal' || m.type === 'Fighting');
        parts.defenderSpecies = speciesWhere(r, pools, (s) => s.types.includes('Ghost'));
    }
    if (name === 'Tinted Lens') {
        parts.move = anyMove(r, pools);
        parts.defenderSpecies = speciesWhere(r, pools, (s) => effectiveness(pools, parts.move.type, s) < 0 &&
                                                         effectiveness(pools, parts.move.type, s) > -9);
    }
    if (['Mold Breaker', 'Teravolt', 'Turboblaze'].includes(name) && r.chance(0.8)) {
        const [broken, type] = r.pick(Object.entries(BREAKABLE_AIMS).concat([['Wonder Guard', null], ['Multiscale', null],
            ['Filter', null], ['Solid Rock', null], ['Unaware', null], ['Simple', null], ['Marvel Scale', null]]));
        parts.defender = { ability: broken };
        if (type) parts.move = moveOfType(r, pools, type);
    }
    if (['Solar Power', 'Flower Gift', 'Chlorophyll'].includes(name)) parts.field = { weather: r.chance(0.7) ? 'Sun' : r.pick(WEATHERS) };
    if (['Swift Swim', 'Rain Dish', 'Hydration'].includes(name)) parts.field = { weather: 'Rain' };
    if (['Unburden', 'Swift Swim', 'Chlorophyll', 'Quick Feet', 'Slow Start', 'Sand Rush'].includes(name) && r.chance(0.5))
        parts.move = pools.dex.moves.get(pools.gen === 5 && r.chance(0.5) ? 'Electro Ball' : 'Gyro Ball');
    if (['Heavy Metal', 'Light Metal'].includes(name) && pools.gen === 5) parts.move = pools.dex.moves.get(r.pick(['Heavy Slam', 'Heat Crash']));
    if (name === 'Normalize' && r.chance(0.3)) parts.move = pools.dex.moves.get(r.pick(['Hidden Power', 'Weather Ball']));
    if (name === 'Klutz') parts.attacker.item = r.pick(pools.items).name;
    return build(r, pools, `ability:${name}`, parts);
}

function defenderAbilityCase(r, pools, ability) {
    const name = ability.name;
    const parts = { defender: { ability: name } };
    if (BREAKABLE_AIMS[name] && r.chance(0.8)) parts.move = moveOfType(r, pools, name === 'Thick Fat' ? r.pick(['Fire', 'Ice'])
        : name === 'Dry Skin' ? r.pick(['Fire', 'Water']) : BREAKABLE_AIMS[name]);
    if (['Filter', 'Solid Rock', 'Wonder Guard'].includes(name)) {
        parts.move = anyMove(r, pools);
        parts.defenderSpecies = speciesWhere(r, pools, (s) => effectiveness(pools, parts.move.type, s) > 0 || r.chance(0.2));
    }
    if (name === 'Soundproof') parts.move = moveWhere(r, pools, (m) => m.flags.sound);
    if (name === 'Battle Armor' || name === 'Shell Armor') parts.crit = 0.7;
    if (name === 'Flower Gift') parts.field = { weather: r.chance(0.7) ? 'Sun' : r.pick(WEATHERS) };
    if (name === 'Forecast') {
        parts.defenderSpecies = named(pools, 'Castform');
        parts.field = { weather: r.pick(WEATHERS) };
    }
    if (name === 'Marvel Scale' || name === 'Fur Coat') parts.move = moveWhere(r, pools, (m) => m.category === 'Physical');
    if (['Heavy Metal', 'Light Metal'].includes(name)) parts.move = pools.dex.moves.get(r.pick(['Low Kick', 'Grass Knot']));
    return build(r, pools, `defender-ability:${name}`, parts);
}

// ---- moves with rules of their own -------------------------------------------------------------

const OWN_RULES = ['Acrobatics', 'Eruption', 'Water Spout', 'Flail', 'Reversal', 'Wring Out', 'Crush Grip', 'Brine', 'Hex',
    'Venoshock', 'Facade', 'Smelling Salts', 'Wake-Up Slap', 'Payback', 'Avalanche', 'Revenge', 'Assurance', 'Retaliate',
    'Round', 'Echoed Voice', 'Fling', 'Natural Gift', 'Return', 'Frustration', 'Low Kick', 'Grass Knot', 'Heavy Slam',
    'Heat Crash', 'Punishment', 'Trump Card', 'Stored Power', 'Gyro Ball', 'Electro Ball', 'Beat Up', 'Pursuit',
    'Fury Cutter', 'Rollout', 'Ice Ball', 'Triple Kick', 'Weather Ball', 'Solar Beam', 'Foul Play', 'Psyshock',
    'Psystrike', 'Secret Sword', 'Chip Away', 'Sacred Sword', 'Storm Throw', 'Frost Breath', 'Super Fang',
    'Seismic Toss', 'Night Shade', 'Sonic Boom', 'Dragon Rage', 'Brick Break', 'Explosion', 'Self-Destruct',
    'Sucker Punch', 'Dream Eater', 'Synchronoise', 'Knock Off', 'Future Sight', 'Doom Desire', 'Fire Fang', 'Judgment',
    'Techno Blast', 'Hidden Power', 'Fly', 'Bounce', 'Jump Kick', 'High Jump Kick', 'Thief', 'Covet', 'Pluck',
    'Bug Bite', 'U-turn', 'Fusion Bolt', 'Fusion Flare', 'Bullet Seed', 'Double Kick', 'Bonemerang', 'Dual Chop',
    'Double Hit', 'Twineedle', 'Gear Grind', 'Magnitude', 'Rock Blast', 'Icicle Spear', 'Pin Missile', 'Tail Slap', 'Arm Thrust',
    'Fury Swipes', 'Fury Attack', 'Double Slap', 'Comet Punch', 'Spike Cannon', 'Barrage', 'Bone Rush', 'Water Shuriken'];
const MULTI_HIT_BOOST = 0.15;

function ownRuleCase(r, pools, move) {
    const name = move.name;
    const parts = { move };
    if (name === 'Acrobatics') parts.attacker = { item: r.chance(0.5) ? null : r.chance(0.4) ? 'Flying Gem' : r.pick(pools.items).name };
    if (name === 'Fling') parts.attacker = { item: r.chance(0.85) ? pickWhere(r, pools.items, (i) => itemFacts.flingPower(i.name, pools.gen) > 0).name : null };
    if (name === 'Natural Gift') parts.attacker = { item: r.chance(0.85) ? pickWhere(r, pools.items, (i) => i.naturalGift).name : null };
    if (name === 'Return' || name === 'Frustration') parts.attacker = { happiness: r.chance(0.5) ? r.int(0, 255) : r.pick([0, 255]) };
    if (name === 'Facade') parts.attacker = r.chance(0.4) ? { status: 'brn' } : r.chance(0.3) ? { ability: 'Guts', abilityOn: true } : {};
    if (name === 'Stored Power') parts.stages = [r.int(0, 6), drawStage(r)];
    if (name === 'Punishment') parts.stages = [drawStage(r), r.int(0, 6)];
    if (['Weather Ball', 'Solar Beam'].includes(name)) parts.field = { weather: r.chance(0.85) ? r.pick(WEATHERS) : undefined };
    if (['Fly', 'Bounce', 'Jump Kick', 'High Jump Kick'].includes(name)) parts.field = { isGravity: r.chance(0.6) };
    if (name === 'Brick Break') parts.field = { defenderSide: { isReflect: r.chance(0.6), isLightScreen: r.chance(0.6) } };
    if (name === 'Fire Fang') parts.defender = { ability: r.chance(0.5) ? 'Wonder Guard' : undefined };
    if (name === 'Judgment') {
        parts.attackerSpecies = named(pools, 'Arceus');
        parts.attacker = { item: r.chance(0.8) ? pickWhere(r, pools.items, (i) => i.onPlate).name : null };
    }
    if (name === 'Techno Blast') {
        parts.attackerSpecies = named(pools, 'Genesect');
        parts.attacker = { item: r.chance(0.8) ? pickWhere(r, pools.items, (i) => i.onDrive).name : null };
    }
    if (Array.isArray(move.multihit) && r.chance(0.25)) parts.attacker = { ability: 'Skill Link' };
    if (move.multihit && r.chance(MULTI_HIT_BOOST)) parts.attacker = { ...parts.attacker, item: `${move.type} Gem` };
    if (parts.attacker?.item && !pools.items.some((i) => i.name === parts.attacker.item)) delete parts.attacker.item;
    if (['Fusion Bolt', 'Fusion Flare'].includes(name) && r.chance(0.5))
        parts.attacker = { ability: name === 'Fusion Bolt' ? 'Teravolt' : 'Turboblaze' };
    return build(r, pools, `move:${name}`, parts);
}

// ---- battle conditions -------------------------------------------------------------------------

const FIELD_RULES = {
    'weather': (r, pools) => ({ field: { weather: r.pick(WEATHERS) } }),
    'doubles-spread': (r, pools) => ({ field: { gameType: 'Doubles' },
                                      move: moveWhere(r, pools, (m) => ['allAdjacent', 'allAdjacentFoes'].includes(m.target)) }),
    'helping-hand': () => ({ field: { attackerSide: { isHelpingHand: true } } }),
    'screens': (r) => ({ field: { defenderSide: { isReflect: true, isLightScreen: true } }, crit: 0.4 }),
    'screens-doubles': (r) => ({ field: { gameType: 'Doubles', defenderSide: { isReflect: true, isLightScreen: true } } }),
    'gravity': (r, pools) => ({ field: { isGravity: true }, move: moveOfType(r, pools, 'Ground'),
                                defenderSpecies: speciesWhere(r, pools, (s) => s.types.includes('Flying') || r.chance(0.3)) }),
    'foresight': (r, pools) => ({ field: { defenderSide: { isForesight: true } },
                                  move: moveWhere(r, pools, (m) => m.type === 'Normal' || m.type === 'Fighting'),
                                  defenderSpecies: speciesWhere(r, pools, (s) => s.types.includes('Ghost')) }),
    'flower-gift': (r) => ({ field: { attackerSide: { isFlowerGift: true }, weather: r.chance(0.8) ? 'Sun' : undefined } }),
    'critical': () => ({ crit: 1 }),
    'stages-extreme': (r) => ({ stages: [r.pick([-6, 6]), r.pick([-6, 6])], crit: 0.3 }),
    'low-level': (r) => ({ attacker: { level: r.int(1, 10) }, defender: { level: r.int(1, 100) } }),
    'burn': () => ({ attacker: { status: 'brn' } }),
};

// ---- the shares --------------------------------------------------------------------------------

// The groups of rule-aimed cases with their share of the rule-aimed part; each group's members
// take turns, so every member gets about as many cases.
export function ruleGroups(pools) {
    const own = OWN_RULES.map((n) => pools.dex.moves.get(n)).filter((m) => m.exists && pools.moves.some((x) => x.name === m.name) ||
        m.name === 'Hidden Power');
    return [
        { name: 'item', share: 0.19, members: pools.items, draw: attackerItemCase },
        { name: 'defender-item', share: 0.08, members: pools.items, draw: defenderItemCase },
        { name: 'ability', share: 0.17, members: pools.abilities, draw: attackerAbilityCase },
        { name: 'defender-ability', share: 0.09, members: pools.abilities, draw: defenderAbilityCase },
        { name: 'move', share: 0.22, members: own, draw: ownRuleCase },
        { name: 'field', share: 0.12, members: Object.keys(FIELD_RULES),
          draw: (r, p, rule) => build(r, p, `field:${rule}`, FIELD_RULES[rule](r, p)) },
        { name: 'any', share: 0.13, members: [null], draw: (r, p) => build(r, p, 'any') },
    ];
}

// A pair of the realistic team sets: the attacker uses one of its own damaging moves; a light
// field, as players meet it.
export function setCase(r, pools, sets) {
    const pick = () => structuredClone(r.pick(sets));
    const attacker = pick(), defender = pick();
    const moves = attacker.options.moves.filter((m) => {
        const move = pools.dex.moves.get(m.startsWith('Hidden Power') ? 'Hidden Power' : m);
        return move.exists && move.category !== 'Status' && !NOT_DRAWN.has(move.name);
    });
    if (!moves.length) return null;
    for (const side of [attacker, defender]) {
        delete side.options.moves;
        const species = pools.dex.species.get(side.name);
        if (!side.options.gender && !species.gender)
            side.options.gender = r.chance(species.genderRatio?.F ?? 0.5) ? 'F' : 'M';
    }
    const field = {};
    if (r.chance(0.25)) field.weather = r.pick(WEATHERS);
    if (r.chance(0.1)) field.gameType = 'Doubles';
    if (r.chance(0.08)) field.defenderSide = { isReflect: r.chance(0.5), isLightScreen: r.chance(0.5) };
    if (r.chance(0.05)) field.attackerSide = { isHelpingHand: true };
    if (r.chance(0.15)) attacker.options.abilityOn = true;
    if (r.chance(0.06)) attacker.options.status = 'brn';
    const move = pools.dex.moves.get(r.pick(moves));
    const c = { covers: 'set', gen: pools.gen, attacker, defender, field,
                move: { name: move.name, options: moveOptions(r, pools, move, attacker, 0.1) },
                stages: r.chance(0.2) ? [drawStage(r), drawStage(r)] : [0, 0] };
    return settle(r, pools, c);
}
