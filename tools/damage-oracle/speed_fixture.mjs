// Random pairs of creatures through the battle simulator's turn order, into the fixture the speed
// and order core is tested against (tests/data/speed_order_cases.jsonl.gz; the C++ test
// SpeedOrderCases reads it, so no test needs the network).
//
//   node speed_fixture.mjs [--count 2000] [--seed 25]
//
// Per generation, `count` pairs: random species (base forms), level, nature, speed EVs and IVs,
// speed stage, held item, ability, status, weather, おいかぜ per side, トリックルーム (and
// マジックルーム in the 5th generation) and a move per side of a random priority. Each line holds
// the case in the oracles' format (simulate.mjs reads it as it stands), the inputs the core reads
// (national numbers, the nature's factor on speed) and the simulator's answer: each side's speed
// after its modifiers, its action speed, its move's priority, and who moves first. In the 4th
// generation the answer with the games' arithmetic (game_rounding.mjs: each factor floored) is
// recorded beside it when it differs. Chances are left out of the draws (せんせいのツメ, イバンのみ).
import { writeFileSync } from 'node:fs';
import { gzipSync } from 'node:zlib';
import { Dex } from '@pkmn/sim';
import { simulateOrder } from './simulate.mjs';

const args = process.argv.slice(2);
const option = (name, fallback) => {
    const at = args.indexOf(name);
    return at >= 0 ? Number(args[at + 1]) : fallback;
};
const COUNT = option('--count', 2000);
const SEED = option('--seed', 25);
const OUT = new URL('../../tests/data/speed_order_cases.jsonl.gz', import.meta.url);

// mulberry32: small, seeded, the same file for the same seed.
function generator(seed) {
    let a = seed >>> 0;
    return () => {
        a = (a + 0x6d2b79f5) >>> 0;
        let t = a;
        t = Math.imul(t ^ (t >>> 15), t | 1);
        t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
        return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
    };
}
const random = generator(SEED);
const pick = (list) => list[Math.floor(random() * list.length)];
const chance = (p) => random() < p;
const between = (lo, hi) => lo + Math.floor(random() * (hi - lo + 1));

const ITEMS = ['Choice Scarf', 'Iron Ball', 'Macho Brace', 'Power Anklet', 'Power Weight', 'Power Lens',
               'Quick Powder', 'Lagging Tail', 'Full Incense', 'Leftovers', 'Life Orb'];
const ABILITIES = { 4: ['Swift Swim', 'Chlorophyll', 'Unburden', 'Quick Feet', 'Slow Start', 'Klutz', 'Stall',
                        'Cloud Nine', 'Air Lock', 'Pressure'] };
ABILITIES[5] = [...ABILITIES[4], 'Sand Rush', 'Prankster'];
// Moves of every priority the two generations give, and status moves for いたずらごころ.
const MOVES = ['Tackle', 'Earthquake', 'Quick Attack', 'Extreme Speed', 'Protect', 'Vital Throw', 'Counter',
               'Whirlwind', 'Trick Room', 'Aqua Jet', 'Bullet Punch', 'Sucker Punch', 'Thunder Wave', 'Swords Dance',
               'Fake Out', 'Focus Punch', 'Helping Hand', 'Magic Coat', 'Avalanche'];
const STATUSES = ['par', 'par', 'brn', 'psn', 'tox', 'slp', 'frz'];
const WEATHERS = { 4: ['Sun', 'Rain', 'Sand', 'Hail'], 5: ['Sun', 'Rain', 'Sand', 'Hail'] };

function speciesPool(gen) {
    const dex = Dex.forGen(gen);
    const top = gen === 4 ? 493 : 649;
    return dex.species.all().filter((s) => s.exists && !s.forme && s.num >= 1 && s.num <= top && !s.battleOnly &&
                                           s.isNonstandard !== 'Future' && s.gen <= gen);
}

function drawSide(gen, pool, moves) {
    const species = chance(0.03) ? Dex.forGen(gen).species.get('Ditto') : pick(pool);
    const options = { level: pick([50, 50, 100, 100, between(1, 100)]), nature: pick(Dex.natures.all()).name };
    options.evs = { spe: pick([0, 252, 4 * between(0, 63)]) };
    options.ivs = { spe: pick([31, 31, 0, between(0, 31)]) };
    const stage = chance(0.5) ? 0 : between(-6, 6);
    if (stage) options.boosts = { spe: stage };
    if (chance(0.6)) options.ability = pick(ABILITIES[gen]);
    else options.ability = species.abilities[0];
    if (chance(0.6)) options.item = species.name === 'Ditto' && chance(0.5) ? 'Quick Powder' : pick(ITEMS);
    if (options.ability === 'Unburden' && chance(0.5)) { // the item already used up
        delete options.item;
        options.abilityOn = true;
    }
    if (options.ability === 'Slow Start') options.abilityOn = chance(0.7);
    if (chance(0.35)) options.status = pick(STATUSES);
    options.moves = [pick(moves)];
    return { name: species.name, options };
}

function nature(name) {
    const n = Dex.natures.get(name);
    return n.plus === 'spe' ? 11 : n.minus === 'spe' ? 9 : 10;
}

// The inputs the core reads, beside the case.
function coreSide(gen, side) {
    const dex = Dex.forGen(gen);
    const o = side.options;
    return {
        num: dex.species.get(side.name).num, level: o.level, natureSpe: nature(o.nature), ev: o.evs.spe,
        iv: o.ivs.spe, stage: o.boosts?.spe ?? 0, item: o.item ?? '', ability: o.ability, status: o.status ?? '',
        itemUsedUp: o.ability === 'Unburden' && !!o.abilityOn, slowStart: !!o.abilityOn,
        move: dex.moves.get(o.moves[0]).num,
    };
}

function drawCase(gen, id, pool, moves) {
    const attacker = drawSide(gen, pool, moves), defender = drawSide(gen, pool, moves);
    const field = {};
    if (chance(0.5)) field.weather = pick(WEATHERS[gen]);
    if (chance(0.3)) field.isTrickRoom = true;
    if (gen === 5 && chance(0.1)) field.isMagicRoom = true;
    if (chance(0.2)) field.attackerSide = { isTailwind: true };
    if (chance(0.2)) field.defenderSide = { isTailwind: true };
    return { id, gen, attacker, defender, move: { name: attacker.options.moves[0] },
             defenderMove: { name: defender.options.moves[0] }, field };
}

const answerOf = (order) => ({
    first: order.first,
    speed: [order.attacker.stat, order.defender.stat],
    action: [order.attacker.actionSpeed, order.defender.actionSpeed],
    priority: [order.attacker.priority, order.defender.priority],
    stat: [order.attacker.storedStat, order.defender.storedStat],
});

const lines = [];
const counts = {};
for (const gen of [4, 5]) {
    const pool = speciesPool(gen);
    const moves = MOVES.filter((m) => Dex.forGen(gen).moves.get(m).exists && Dex.forGen(gen).moves.get(m).gen <= gen);
    let made = 0, id = gen * 100000;
    while (made < COUNT) {
        const c = drawCase(gen, ++id, pool, moves);
        const order = simulateOrder(c);
        if (order.unsupported || order.error) {
            console.error(`case ${id}: ${order.unsupported ?? order.error}`);
            continue;
        }
        const line = { ...c, core: { attacker: coreSide(gen, c.attacker), defender: coreSide(gen, c.defender) },
                       sim: answerOf(order) };
        if (gen === 4) {
            const game = answerOf(simulateOrder(c, { gameRounding: true }));
            if (JSON.stringify(game) !== JSON.stringify(line.sim)) line.gameRounding = game;
        }
        lines.push(JSON.stringify(line));
        ++made;
    }
    counts[gen] = made;
}
writeFileSync(OUT, gzipSync(lines.join('\n') + '\n', { level: 9 }));
console.log(`wrote ${lines.length} pairs (${Object.entries(counts).map(([g, n]) => `gen ${g}: ${n}`).join(', ')})`);
