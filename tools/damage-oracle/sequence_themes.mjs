// What each sequence case is aimed at (make_sequence_fixture.mjs draws a case for each theme in
// turn). A theme changes a drawn case: the defender's item or ability, a move, the field, the
// stages; the name it gives is the case's first "covers" entry.
import { canHaveAbility, lists, RESIST_BERRIES } from './sequence_draws.mjs';

const HIGH_CRIT = ['Stone Edge', 'Cross Chop', 'Night Slash', 'Leaf Blade', 'Slash', 'Crabhammer', 'Psycho Cut',
                   'Shadow Claw', 'Cross Poison', 'Air Cutter', 'Razor Leaf', 'Blaze Kick', 'Karate Chop'];
const LOW_ACCURACY = ['Focus Blast', 'Hydro Pump', 'Fire Blast', 'Stone Edge', 'Dynamic Punch', 'Megahorn',
                      'Power Whip', 'Head Smash', 'Cross Chop', 'Rock Slide', 'Iron Tail', 'Mega Kick'];
const NEVER_MISS = ['Aerial Ace', 'Shadow Punch', 'Aura Sphere', 'Magical Leaf', 'Shock Wave', 'Swift', 'Faint Attack',
                    'Magnet Bomb'];
const MULTI_HIT = ['Bullet Seed', 'Rock Blast', 'Icicle Spear', 'Pin Missile', 'Arm Thrust', 'Double Hit',
                   'Double Kick', 'Bonemerang', 'Fury Swipes'];
const SELF_DROP = ['Draco Meteor', 'Overheat', 'Leaf Storm', 'Superpower', 'Close Combat', 'Psycho Boost'];
const FIXED = ['Seismic Toss', 'Night Shade', 'Dragon Rage', 'Sonic Boom'];

// A step's move, the move of the attacker that uses it.
function setMove(step, name) {
    step.move = { name };
}

function anyStep(r, c) {
    return r.pick(c.steps);
}

function defenderItem(item) {
    return (r, c) => {
        c.defender.options.item = item;
    };
}

function giveAbility(side, ability, ctx) {
    if (canHaveAbility(ctx.dex, side.name, ability)) {
        side.options.ability = ability;
        return true;
    }
    return false;
}

// A defender of a species that can have the ability: the drawn one, else a set whose species can.
function defenderAbility(ability, then) {
    return {
        defender: (r, ctx) => ctx.defenderWith((set) => canHaveAbility(ctx.dex, set.name, ability)),
        apply: (r, c, ctx) => {
            if (!giveAbility(c.defender, ability, ctx)) return false;
            then?.(r, c, ctx);
            return true;
        },
    };
}

function attackerAbility(ability) {
    return {
        attacker: (r, ctx) => ctx.attackerWith((set) => canHaveAbility(ctx.dex, set.name, ability)),
        apply: (r, c, ctx) => giveAbility(c.steps[0].attacker, ability, ctx),
    };
}

function attackerItem(item) {
    return (r, c) => {
        anyStep(r, c).attacker.options.item = item;
    };
}

function stepMove(names) {
    return (r, c) => {
        setMove(anyStep(r, c), r.pick(names));
    };
}

function lowerHp(r, c) {
    c.defender.options.curHP = r.int(55, 90); // percent, made a value once the HP is known
}

// A move of the attacker that hits the defender super effectively, for a resist berry.
function resistBerry(r, c, ctx) {
    for (const step of c.steps) {
        const move = ctx.dex.moves.get(step.move.name);
        const types = ctx.dex.species.get(c.defender.name).types;
        if (move.type === 'Normal' || ctx.dex.getEffectiveness(move.type, types) > 0) {
            if (!ctx.dex.getImmunity(move.type, types)) continue;
            c.defender.options.item = RESIST_BERRIES[move.type];
            return true;
        }
    }
    return false;
}

function weather(name) {
    return (r, c) => {
        c.field.weather = name;
        c.countTurnEnd = true;
    };
}

function status(id) {
    return (r, c, ctx) => {
        const types = ctx.dex.species.get(c.defender.name).types;
        const immune = id === 'brn' ? types.includes('Fire') : types.includes('Poison') || types.includes('Steel');
        if (immune || ['Immunity', 'Water Veil', 'Leaf Guard'].includes(c.defender.options.ability)) return false;
        c.defender.options.status = id;
        if (id === 'tox') c.defender.options.toxicCounter = r.int(1, 4);
        c.countTurnEnd = true;
        return true;
    };
}

// Each theme: apply (may refuse the draw by returning false), and optionally how to draw the
// defender or the first attacker, how many attackers, the generations it belongs to.
export function themesFor(gen) {
    const all = {
        set: { apply: () => true },
        'attackers:2': { attackers: 2 },
        'attackers:3': { attackers: 3 },
        'berry:Sitrus Berry': { apply: (r, c) => { defenderItem('Sitrus Berry')(r, c); if (r.chance(0.5)) lowerHp(r, c); } },
        'berry:heal': { apply: (r, c) => defenderItem(r.pick(lists.HEAL_BERRIES))(r, c) },
        'berry:resist': { apply: resistBerry, attackers: 2 },
        'berry:pinch': {
            apply: (r, c, ctx) => {
                const physical = ctx.dex.moves.get(c.steps[0].move.name).category === 'Physical';
                c.defender.options.item = r.chance(0.7) ? (physical ? 'Ganlon Berry' : 'Apicot Berry')
                    : r.pick(['Liechi Berry', 'Salac Berry', 'Petaya Berry']);
                for (const step of c.steps) {
                    const m = ctx.dex.moves.get(step.move.name);
                    if ((m.category === 'Physical') !== physical) return false;
                }
                return true;
            },
        },
        'ability:Gluttony': defenderAbility('Gluttony', (r, c) => {
            c.defender.options.item = r.pick(['Ganlon Berry', 'Apicot Berry', 'Sitrus Berry', 'Figy Berry']);
        }),
        'item:Focus Sash': { apply: (r, c) => { defenderItem('Focus Sash')(r, c); return true; } },
        'ability:Sturdy': defenderAbility('Sturdy'),
        'item:Air Balloon': {
            gens: [5],
            attackers: 2,
            apply: (r, c) => {
                c.defender.options.item = 'Air Balloon';
                setMove(c.steps[c.steps.length - 1], r.pick(['Earthquake', 'Earth Power', 'Earthquake']));
                return true;
            },
        },
        'item:Leftovers': { apply: (r, c) => { defenderItem('Leftovers')(r, c); c.countTurnEnd = true; } },
        'item:Black Sludge': { apply: (r, c) => { defenderItem('Black Sludge')(r, c); c.countTurnEnd = true; } },
        'item:Bright Powder': { apply: (r, c) => { defenderItem(r.pick(['Bright Powder', 'Lax Incense']))(r, c); } },
        'attacker-item:Scope Lens': { apply: attackerItem('Scope Lens') },
        'attacker-item:Razor Claw': { apply: attackerItem('Razor Claw') },
        'attacker-item:Wide Lens': { apply: (r, c) => { attackerItem('Wide Lens')(r, c); stepMove(LOW_ACCURACY)(r, c); } },
        'attacker-item:gem': {
            gens: [5],
            apply: (r, c, ctx) => {
                const step = anyStep(r, c);
                const type = ctx.dex.moves.get(step.move.name).type;
                step.attacker.options.item = `${type} Gem`;
                return step.uses === undefined || true;
            },
        },
        'attacker-species-item': {
            attacker: (r, ctx) => ({ name: r.pick(['Chansey', "Farfetch'd"]),
                                     options: { level: 100, nature: 'Adamant', evs: { atk: 252, spe: 252 } } }),
            apply: (r, c) => {
                const a = c.steps[0].attacker;
                a.options.item = a.name === 'Chansey' ? 'Lucky Punch' : 'Stick';
                a.options.ability = a.name === 'Chansey' ? 'Natural Cure' : 'Inner Focus';
                setMove(c.steps[0], a.name === 'Chansey' ? 'Seismic Toss' : 'Leaf Blade');
                if (a.name === 'Chansey') setMove(c.steps[0], 'Body Slam');
                return true;
            },
        },
        'ability:Multiscale': { gens: [5], ...defenderAbility('Multiscale') },
        'ability:Weak Armor': {
            gens: [5],
            ...defenderAbility('Weak Armor', (r, c) => {
                for (const step of c.steps) setMove(step, r.pick(['Earthquake', 'Close Combat', 'Stone Edge', 'Waterfall',
                                                                    'Crunch', 'Rock Blast', 'Double Kick']));
            }),
        },
        'ability:Levitate': {
            ...defenderAbility('Levitate', (r, c) => setMove(c.steps[0], 'Earthquake')),
            attackers: 2,
        },
        'ability:absorb': {
            defender: (r, ctx) => ctx.defenderWith((set) => ['Water Absorb', 'Volt Absorb', 'Dry Skin']
                .some((a) => canHaveAbility(ctx.dex, set.name, a))),
            attackers: 2,
            apply: (r, c, ctx) => {
                const ability = ['Water Absorb', 'Volt Absorb', 'Dry Skin']
                    .find((a) => canHaveAbility(ctx.dex, c.defender.name, a));
                if (!ability) return false;
                c.defender.options.ability = ability;
                setMove(c.steps[1], ability === 'Volt Absorb' ? 'Thunderbolt' : 'Surf');
                lowerHp(r, c);
                return true;
            },
        },
        'ability:Battle Armor': {
            defender: (r, ctx) => ctx.defenderWith((s) => ['Battle Armor', 'Shell Armor']
                .some((a) => canHaveAbility(ctx.dex, s.name, a))),
            apply: (r, c, ctx) => {
                const ability = ['Battle Armor', 'Shell Armor'].find((a) => canHaveAbility(ctx.dex, c.defender.name, a));
                if (!ability) return false;
                c.defender.options.ability = ability;
                stepMove(HIGH_CRIT)(r, c);
                return true;
            },
        },
        'ability:Sand Veil': defenderAbility('Sand Veil', weather('Sand')),
        'ability:Snow Cloak': defenderAbility('Snow Cloak', weather('Hail')),
        'ability:Poison Heal': defenderAbility('Poison Heal', (r, c) => {
            c.defender.options.status = r.pick(['psn', 'tox']);
            c.defender.options.toxicCounter = c.defender.options.status === 'tox' ? 1 : undefined;
            c.countTurnEnd = true;
            lowerHp(r, c);
        }),
        'ability:Magic Guard': defenderAbility('Magic Guard', (r, c) => {
            c.switchingIn = true;
            c.field.defenderSide = { ...c.field.defenderSide, isSR: true, spikes: 2 };
            c.field.weather = 'Sand';
            c.countTurnEnd = true;
        }),
        'ability:Rain Dish': defenderAbility('Rain Dish', (r, c) => { weather('Rain')(r, c); lowerHp(r, c); }),
        'ability:Ice Body': defenderAbility('Ice Body', (r, c) => { weather('Hail')(r, c); lowerHp(r, c); }),
        'ability:Solar Power': defenderAbility('Solar Power', weather('Sun')),
        'ability:Dry Skin': defenderAbility('Dry Skin', (r, c) => weather(r.pick(['Sun', 'Rain']))(r, c)),
        'ability:Sticky Hold': defenderAbility('Sticky Hold', (r, c) => {
            c.defender.options.item = 'Leftovers';
            setMove(c.steps[0], 'Knock Off');
            c.countTurnEnd = true;
        }),
        'attacker-ability:No Guard': { ...attackerAbility('No Guard'), then: stepMove(LOW_ACCURACY) },
        'attacker-ability:Hustle': attackerAbility('Hustle'),
        'attacker-ability:Compound Eyes': { ...attackerAbility('Compound Eyes'), then: stepMove(LOW_ACCURACY) },
        'attacker-ability:Super Luck': attackerAbility('Super Luck'),
        'attacker-ability:Sniper': attackerAbility('Sniper'),
        'attacker-ability:Unnerve': {
            gens: [5],
            ...attackerAbility('Unnerve'),
            then: (r, c) => { c.defender.options.item = r.pick(['Sitrus Berry', 'Occa Berry', 'Figy Berry']); },
        },
        'attacker-ability:Skill Link': {
            ...attackerAbility('Skill Link'),
            then: (r, c) => setMove(c.steps[0], r.pick(['Icicle Spear', 'Rock Blast', 'Bullet Seed', 'Tail Slap'].filter(
                (m) => c.gen === 5 || m !== 'Tail Slap'))),
        },
        'status:tox': { apply: status('tox') },
        'status:psn': { apply: status('psn') },
        'status:brn': { apply: status('brn') },
        hazards: {
            apply: (r, c) => {
                c.switchingIn = true;
                c.field.defenderSide = { ...c.field.defenderSide, isSR: r.chance(0.8), spikes: r.int(0, 3) };
                if (!c.field.defenderSide.isSR && !c.field.defenderSide.spikes) c.field.defenderSide.spikes = 1;
            },
        },
        'field:Sand': { apply: weather('Sand') },
        'field:Hail': { apply: weather('Hail') },
        'field:Rain': { apply: weather('Rain') },
        'field:Sun': { apply: weather('Sun') },
        'field:gravity': { apply: (r, c) => { c.field.isGravity = true; stepMove(LOW_ACCURACY)(r, c); } },
        seeded: { apply: (r, c) => { c.field.defenderSide = { ...c.field.defenderSide, isSeeded: true }; c.countTurnEnd = true; } },
        'stages:accuracy': { apply: (r, c) => { c.accuracyStage = r.pick([-2, -1, 1, 2, 6]); stepMove(LOW_ACCURACY)(r, c); } },
        'stages:evasion': { apply: (r, c) => { c.evasionStage = r.pick([-1, 1, 2, 6]); } },
        'move:Knock Off': {
            attackers: 2,
            apply: (r, c) => {
                setMove(c.steps[0], 'Knock Off');
                c.defender.options.item = r.pick(['Leftovers', 'Sitrus Berry', 'Focus Sash', 'Occa Berry']);
                c.countTurnEnd = true;
            },
        },
        'move:self-drop': { apply: stepMove(SELF_DROP), uses: 3 },
        'move:multi-hit': { apply: stepMove(MULTI_HIT.filter((m) => gen === 5 || m !== 'Double Hit')) },
        'move:always-crit': { gens: [5], apply: stepMove(['Frost Breath', 'Storm Throw']) },
        'move:high-crit': { apply: stepMove(HIGH_CRIT) },
        'move:low-accuracy': { apply: stepMove(LOW_ACCURACY) },
        'move:weather-accuracy': {
            apply: (r, c) => {
                const [move, w] = r.pick([['Thunder', 'Rain'], ['Thunder', 'Sun'], ['Blizzard', 'Hail'],
                    ...(gen === 5 ? [['Hurricane', 'Rain'], ['Hurricane', 'Sun']] : [])]);
                setMove(c.steps[0], move);
                c.field.weather = w;
            },
        },
        'move:never-miss': { apply: (r, c) => { stepMove(NEVER_MISS)(r, c); c.evasionStage = r.int(1, 6); } },
        'move:fixed': { apply: stepMove(FIXED) },
        'move:Super Fang': { apply: (r, c) => setMove(c.steps[0], 'Super Fang'), attackers: 2 },
        'move:Brine': { apply: (r, c) => setMove(c.steps[c.steps.length - 1], 'Brine'), attackers: 2 },
        screens: {
            apply: (r, c) => {
                c.field.defenderSide = { ...c.field.defenderSide, isReflect: r.chance(0.6), isLightScreen: r.chance(0.6) };
                stepMove(HIGH_CRIT)(r, c);
            },
        },
    };
    return Object.entries(all).filter(([, t]) => !t.gens || t.gens.includes(gen));
}
