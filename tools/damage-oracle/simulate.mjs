// The battle simulator @pkmn/sim as a second, independent damage and speed oracle.
//
// A case is one JSON object in the shape of @smogon/calc's own constructor options, so that the same
// case runs through both (see calc.mjs and oracle.mjs):
//
//   {"id": 1, "gen": 5,
//    "attacker": {"name": "Venusaur", "options": {"level": 50, "nature": "Modest", "evs": {"spa": 252}, ...}},
//    "defender": {"name": "Politoed", "options": {...}},
//    "move": {"name": "Solar Beam", "options": {"isCrit": false}},
//    "field": {"gameType": "Singles", "weather": "Rain", "defenderSide": {"isReflect": true}}}
//
// Pokemon options read: level, nature, ability, abilityOn, item, gender, ivs, evs, boosts, status,
// toxicCounter, curHP/originalCurHP, overrides.weightkg, and `happiness` (not a calculator option:
// the calculator always gives おんがえし/やつあたり power 102; the simulator's default is 255, so
// やつあたり needs "happiness": 0 to compare). Move options: isCrit, hits, overrides (basePower, type,
// category), timesUsedWithMetronome. Field: gameType, weather, isGravity, isMagicRoom, isWonderRoom,
// and `isTrickRoom` (ours; the calculator has none); per side: isReflect, isLightScreen, isTailwind,
// spikes, isSR, isSeeded, isForesight, isHelpingHand, isCharge, isPowerTrick, isSwitching ("out"),
// isFlowerGift and isFriendGuard (doubles only: the ally holds the ability). Anything else that would
// change the outcome and has no place in a battle here is refused with an "unsupported" error, never
// silently dropped. An optional top-level "defenderMove": {"name": ...} is the defender's choice for
// the turn order (default: the first of defender.options.moves, else Tackle).
//
// How each answer is read (one fresh battle per roll, so nothing a roll consumes leaks into the next):
//   - A [Gen N] Custom Game battle (Doubles Custom Game for doubles, with an inert Magikarp beside each
//     side unless an ally's ability is asked for) is started with the two sets (いかく, ダウンロード,
//     トレース, かわりもの and the weather abilities held back until the creatures are in); then the
//     state of the case is put into it: abilities, stages, the switch-in effects the
//     calculator counts too (ダウンロード; いかく with abilityOn; スロースタート's turns with abilityOn),
//     weather (set through the field, so てんきや changes form as in a battle), HP, status, volatiles,
//     side and field conditions. トレース, かわりもの and the weather abilities do not act: the case's
//     abilities and field say what holds.
//   - The turn order is read first: both moves are resolved through the battle queue, which applies
//     the simulator's priority (and its modifiers) and action speed (getActionSpeed: stat, stage, items,
//     まひ, おいかぜ, abilities, トリックルーム); equal priority and speed is a tie. The defender's move
//     stays queued when it moves after the attacker (a tie counts as the attacker first), so moves
//     and abilities that look at who has moved (しっぺがえし, アナライズ, ふいうち) see that. The
//     defender's move is never played.
//   - The attacker then uses its move through battle.actions.useMove, the whole move pipeline of the
//     generation's mod (type changes, ジュエル, two-turn charging then the hit, a future attack's
//     later hit, every damage event), with: accuracy forced to hit (also where a move sets its own); the critical hit forced by move.willCrit (a move that always
//     critically hits keeps it); each random roll forced by running the simulator's own randomizer
//     with random(16) answering 15 - roll (roll 0..15 is the 85..100 factor); every other chance
//     (secondary effects, ほのおのからだ, せいでんき, …) forced to fail; the hit count fixed (below).
//   - The damage is what the simulator's getDamage returns for the defender, hit by hit, before
//     きあいのタスキ/がんじょう cut it. Neither side can faint: a hit that would knock one out
//     leaves it at 1 HP, so every hit of a multi-hit move is read, each in the state the earlier hits
//     left (HP lost, a berry eaten, くだけるよろい), as in a battle.
//   - Hit count: a fixed count as the move has it; a 2-5 move takes options.hits, else 5 with
//     スキルリンク, else 3 (the calculator's default); トリプルキック options.hits or 3.
//
// Known simulator behaviours that differ from the 4th-generation games (a case showing them must say so;
// all were seen on random pairs of the team sets, where the calculator follows the game):
//   - Modifiers go through battle.modify / chainModify, 4096-based fixed-point factors rounded half
//     down, where the games multiply and floor: まひ's ×0.25 speed gives 73 from 291 (the game: 72),
//     and a spread move's ×0.75 in doubles rounds a base damage of 4n+1 up (both seen against the
//     calculator, which floors as the game does).
//   - Type effectiveness is one combined factor; the game applies each of the defender's two types
//     separately in its type table's order, flooring after each, so ×0.5 then ×2 (むしタイプの技 into
//     ドラピオン: どく then あく) gives an even number where the simulator keeps the odd one.
//   - スナイパー gives a critical hit ×1.5 among the last modifiers, after the random roll and the
//     types; the games make the critical hit ×3 where they double it, before the random roll.
// Where the simulator and the calculator differ by design, not by error:
//   - ふいうち fails when the defender has already moved or chose no attacking move (the calculator
//     always deals damage); おんがえし/やつあたり follow happiness; いかりのまえば deals half the HP
//     (the calculator: 0); しっぺがえし/アナライズ follow the simulator's turn order, not the
//     calculator's speed comparison (which takes a tie as moving last and ignores トリックルーム).
//   - isSwitching "in" only changes the calculator's KO chance (hazards counted); the battle ignores it.
// The simulator's 2-5 hit weights, if a distribution is built from its hit loop, are 3/8 3/8 1/8 1/8
// in generation 4 and 35/35/15/15 % in generation 5; the hit count here is always fixed.
import { Battle, Dex, toID } from '@pkmn/sim';
import { useGameRounding } from './game_rounding.mjs';

const WEATHER = { Sun: 'sunnyday', Rain: 'raindance', Sand: 'sandstorm', Hail: 'hail' };
const STATUS = new Set(['slp', 'psn', 'brn', 'frz', 'par', 'tox']);
const STATS = ['hp', 'atk', 'def', 'spa', 'spd', 'spe'];
const FILLER = 'Magikarp';
// Abilities that would change the stages, the weather or the creature itself as it enters; they are
// given after the switch-in, so that the case alone says what holds.
const QUIET_AT_SWITCH_IN = new Set(['intimidate', 'download', 'trace', 'imposter', 'drizzle', 'drought', 'sandstream',
                                    'snowwarning']);

export class Unsupported extends Error {}

const statTable = (given, fallback) => Object.fromEntries(STATS.map((s) => [s, given?.[s] ?? fallback]));

// The team set the calculator's Pokemon would be, with the calculator's defaults.
export function teamSet(dex, side) {
    const o = side.options ?? {};
    const species = dex.species.get(side.name);
    if (!species.exists) throw new Unsupported(`unknown species ${side.name}`);
    const ability = o.ability ?? species.abilities[0];
    return {
        name: species.name, species: species.name, level: o.level ?? 100, nature: o.nature ?? 'Serious',
        ability: QUIET_AT_SWITCH_IN.has(toID(ability)) ? 'No Ability' : ability, item: o.item ?? '',
        gender: o.gender ?? (species.gender || 'M'), happiness: o.happiness ?? 255,
        evs: statTable(o.evs, 0), ivs: statTable(o.ivs, 31), moves: o.moves?.length ? o.moves : ['Tackle'],
    };
}

function allySet(species, ability) {
    return { name: species, species, level: 1, ability, item: '', nature: 'Serious', moves: ['Splash'],
             evs: statTable({}, 0), ivs: statTable({}, 31) };
}

// The attacker's and defender's partners in doubles: inert, unless the case asks for an ally's ability.
function allies(c, gen) {
    const field = c.field ?? {};
    const attackerAlly = field.attackerSide?.isFlowerGift ? allySet('Cherrim', 'Flower Gift')
        : c.attacker.options?.abilityOn && ['Plus', 'Minus'].includes(c.attacker.options?.ability)
            ? allySet(gen === 4 && c.attacker.options.ability === 'Minus' ? 'Plusle' : 'Minun',
                      c.attacker.options.ability === 'Minus' ? 'Plus' : 'Minus')
            : allySet(FILLER, 'Swift Swim');
    const defenderAlly = field.defenderSide?.isFriendGuard ? allySet('Clefairy', 'Friend Guard')
        : allySet(FILLER, 'Swift Swim');
    return [attackerAlly, defenderAlly];
}

function isDoubles(c) {
    return (c.field?.gameType ?? 'Singles') === 'Doubles';
}

function refuseUnsupported(c) {
    const field = c.field ?? {};
    if (!isDoubles(c)) {
        if (field.attackerSide?.isFlowerGift) throw new Unsupported('isFlowerGift needs an ally: doubles only');
        if (field.defenderSide?.isFriendGuard) throw new Unsupported('isFriendGuard needs an ally: doubles only');
        if (c.attacker.options?.abilityOn && ['Plus', 'Minus'].includes(c.attacker.options?.ability))
            throw new Unsupported('Plus/Minus on needs an ally: doubles only');
    }
    if (field.terrain) throw new Unsupported('terrain');
    for (const side of ['attacker', 'defender']) {
        const overrides = Object.keys(c[side].options?.overrides ?? {}).filter((k) => k !== 'weightkg');
        if (overrides.length) throw new Unsupported(`${side} overrides ${overrides.join(',')}`);
    }
    const moveOverrides = Object.keys(c.move.options?.overrides ?? {})
        .filter((k) => !['basePower', 'type', 'category', 'target'].includes(k));
    if (moveOverrides.length) throw new Unsupported(`move overrides ${moveOverrides.join(',')}`);
}

function startBattle(c) {
    const doubles = isDoubles(c);
    const battle = new Battle({ formatid: `gen${c.gen}${doubles ? 'doubles' : ''}customgame`, seed: [1, 2, 3, 4] });
    const dex = battle.dex;
    const attacker = teamSet(dex, c.attacker), defender = teamSet(dex, c.defender);
    const [attackerAlly, defenderAlly] = allies(c, c.gen);
    battle.setPlayer('p1', { team: doubles ? [attacker, attackerAlly] : [attacker] });
    battle.setPlayer('p2', { team: doubles ? [defender, defenderAlly] : [defender] });
    if (battle.requestState === 'teampreview') battle.makeChoices('default', 'default');
    return battle;
}

function setAbility(battle, pokemon, name) {
    const id = toID(name);
    if (pokemon.ability === id) return;
    pokemon.ability = pokemon.baseAbility = id;
    pokemon.abilityState = battle.initEffectState({ id, target: pokemon });
}

// The switch-in effects the calculator also counts: ダウンロード always, いかく when it is on, the
// forms of てんきや/フラワーギフト, スロースタート's turns. Others (トレース, かわりもの, the weather
// abilities, …) are left out, as the case's own field and abilities say what holds.
function switchInEffects(battle, c, pokemon, side) {
    const o = side.options ?? {};
    const ability = pokemon.ability;
    const starts = ability === 'download' || ability === 'forecast' || ability === 'flowergift' ||
                   (ability === 'intimidate' && o.abilityOn);
    if (starts) battle.singleEvent('Start', pokemon.getAbility(), pokemon.abilityState, pokemon);
    if (ability === 'slowstart') pokemon.abilityState.counter = o.abilityOn ? 5 : 0; // its turns left
}

function setStatus(battle, pokemon, o) {
    if (!o.status) return;
    if (!STATUS.has(o.status)) throw new Unsupported(`status ${o.status}`);
    pokemon.status = o.status;
    pokemon.statusState = battle.initEffectState({ id: o.status, target: pokemon });
    if (o.status === 'tox') pokemon.statusState.stage = o.toxicCounter ?? 0;
    if (o.status === 'slp') Object.assign(pokemon.statusState, { startTime: 3, time: 3 });
}

// The state of one side's creature, as the case gives it, over what the switch-in left.
function preparePokemon(battle, pokemon, side) {
    const o = side.options ?? {};
    setAbility(battle, pokemon, o.ability ?? pokemon.species.abilities[0]);
    pokemon.clearBoosts();
    for (const [stat, stage] of Object.entries(o.boosts ?? {})) pokemon.boosts[stat] = stage;
    const hp = o.curHP ?? o.originalCurHP;
    if (hp !== undefined) pokemon.hp = Math.max(1, Math.min(hp, pokemon.maxhp));
    setStatus(battle, pokemon, o);
    if (o.overrides?.weightkg !== undefined) pokemon.weighthg = Math.round(o.overrides.weightkg * 10);
    const ability = toID(o.ability);
    if (ability === 'flashfire' && o.abilityOn) pokemon.addVolatile('flashfire');
    if (ability === 'unburden' && o.abilityOn) pokemon.addVolatile('unburden');
    pokemon.newlyActive = false;
    pokemon.activeTurns = 1;
}

function prepareSide(battle, side, options, own) {
    const o = options ?? {};
    const conditions = [['isReflect', 'reflect'], ['isLightScreen', 'lightscreen'], ['isTailwind', 'tailwind'],
                        ['isSR', 'stealthrock']];
    for (const [flag, id] of conditions) if (o[flag]) side.addSideCondition(id, own);
    for (let layer = 0; layer < (o.spikes ?? 0); ++layer) side.addSideCondition('spikes', own);
    const volatiles = [['isForesight', 'foresight'], ['isHelpingHand', 'helpinghand'], ['isCharge', 'charge'],
                       ['isPowerTrick', 'powertrick']];
    for (const [flag, id] of volatiles) if (o[flag]) own.addVolatile(id, own);
    if (o.isSeeded) own.addVolatile('leechseed', own.side.foe.active[0]);
    if (o.isSwitching === 'out') own.switchFlag = true;
    for (const flag of ['isAuroraVeil', 'isBattery', 'isPowerSpot', 'isSteelySpirit', 'isProtected', 'steelsurge'])
        if (o[flag]) throw new Unsupported(flag);
}

function prepareField(battle, c, attacker) {
    const field = c.field ?? {};
    battle.field.clearWeather();
    if (field.weather) {
        if (!WEATHER[field.weather]) throw new Unsupported(`weather ${field.weather}`);
        battle.field.setWeather(WEATHER[field.weather], attacker);
    }
    const rooms = [['isGravity', 'gravity'], ['isMagicRoom', 'magicroom'], ['isWonderRoom', 'wonderroom'],
                   ['isTrickRoom', 'trickroom']];
    for (const [flag, id] of rooms) if (field[flag]) battle.field.addPseudoWeather(id, attacker);
}

function activeMove(battle, c, attacker) {
    const o = c.move.options ?? {};
    let name = c.move.name;
    let hiddenPowerType = null;
    const hidden = /^Hidden Power (\w+)$/.exec(name);
    if (hidden) { // the simulator's めざめるパワー takes its type and power from the IVs
        hiddenPowerType = hidden[1];
        name = 'Hidden Power';
    }
    const move = battle.dex.getActiveMove(name);
    if (!move.exists) throw new Unsupported(`unknown move ${c.move.name}`);
    if (hiddenPowerType && attacker.hpType !== hiddenPowerType && !o.overrides?.type)
        throw new Unsupported(`the IVs give Hidden Power ${attacker.hpType}, not ${hiddenPowerType}`);
    for (const key of ['basePower', 'type', 'category', 'target'])
        if (o.overrides?.[key] !== undefined) move[key] = o.overrides[key];
    if (o.overrides?.basePower !== undefined) {
        delete move.basePowerCallback;
        // マグニチュード draws its power as the move starts: the power asked for stands for one magnitude.
        const draw = move.onModifyMove;
        if (draw) move.onModifyMove = function (...args) {
            draw.apply(this, args);
            move.basePower = o.overrides.basePower;
        };
    }
    if (!move.willCrit) move.willCrit = !!o.isCrit;
    move.accuracy = true;
    const hits = hitCount(move, o, attacker);
    if (hits) move.multihit = hits;
    return move;
}

function hitCount(move, options, attacker) {
    if (!move.multihit) return 0;
    if (typeof move.multihit === 'number') return move.multiaccuracy ? options.hits ?? move.multihit : move.multihit;
    if (options.hits) return options.hits;
    return attacker.hasAbility('skilllink') ? move.multihit[1] : move.multihit[0] + 1;
}

function defenderMoveName(c) {
    return c.defenderMove?.name ?? c.defender.options?.moves?.[0] ?? 'Tackle';
}

// Both moves through the queue: priority and action speed as the simulator orders a turn.
function turnOrder(battle, c, attacker, defender) {
    const resolve = (pokemon, moveName, target) => battle.queue.resolveAction({
        choice: 'move', pokemon, moveid: toID(moveName), targetLoc: pokemon.getLocOf(target),
    }).find((a) => a.choice === 'move');
    const mine = resolve(attacker, c.move.name.startsWith('Hidden Power') ? 'Hidden Power' : c.move.name, defender);
    const theirs = resolve(defender, defenderMoveName(c), attacker);
    const compare = battle.comparePriority(mine, theirs);
    const describe = (pokemon, action) => ({
        stat: pokemon.getStat('spe', false, false), actionSpeed: action.speed, priority: action.priority,
    });
    return {
        first: compare < 0 ? 'attacker' : compare > 0 ? 'defender' : 'tie',
        trickRoom: !!battle.field.getPseudoWeather('trickroom'),
        attacker: describe(attacker, mine), defender: { move: defenderMoveName(c), ...describe(defender, theirs) },
        defenderAction: theirs,
    };
}

// Forces the roll, the chances and the survival of both sides; records the damage the move itself
// deals the defender (not what a secondary effect's own hit would compute).
function instrument(battle, roll, attacker, defender, move) {
    const randomizer = battle.randomizer;
    battle.randomizer = function (baseDamage) {
        const random = this.random;
        this.random = (n) => {
            if (n !== 16) throw new Error(`unexpected random(${n}) inside the randomizer`);
            return 15 - roll;
        };
        try {
            return randomizer.call(this, baseDamage);
        } finally {
            this.random = random;
        }
    };
    battle.randomChance = () => false;
    const secondaries = battle.actions.secondaries;
    battle.actions.secondaries = function (...args) { // a secondary effect happens only when it is certain
        const random = battle.random;
        battle.random = (n) => n - 1;
        try {
            return secondaries.apply(this, args);
        } finally {
            battle.random = random;
        }
    };
    for (const pokemon of [attacker, defender]) {
        const damage = pokemon.damage;
        pokemon.damage = function (amount, ...rest) {
            return damage.call(this, Math.min(amount, this.hp - 1), ...rest);
        };
    }
    // A move that sets its own accuracy (かみなり in the sun) hits as well.
    const accuracy = battle.actions.hitStepAccuracy;
    battle.actions.hitStepAccuracy = function (targets, pokemon, used) {
        const ours = used === move.current || (used?.flags?.futuremove && pokemon === attacker);
        return ours ? targets.map(() => true) : accuracy.call(this, targets, pokemon, used);
    };
    const hits = [];
    const getDamage = battle.actions.getDamage;
    battle.actions.getDamage = function (source, target, used, ...rest) {
        const result = getDamage.call(this, source, target, used, ...rest);
        const futureHit = used?.flags?.futuremove && source === attacker; // みらいよち's later hit
        if (target === defender && (used === move.current || futureHit)) hits.push(typeof result === 'number' ? result : null);
        return result;
    };
    return hits;
}

function setUp(c, options) {
    refuseUnsupported(c);
    const battle = startBattle(c);
    if (options.gameRounding) useGameRounding(battle);
    const attacker = battle.sides[0].active[0], defender = battle.sides[1].active[0];
    preparePokemon(battle, attacker, c.attacker);
    preparePokemon(battle, defender, c.defender);
    switchInEffects(battle, c, attacker, c.attacker);
    switchInEffects(battle, c, defender, c.defender);
    prepareField(battle, c, attacker);
    prepareSide(battle, battle.sides[0], c.field?.attackerSide, attacker);
    prepareSide(battle, battle.sides[1], c.field?.defenderSide, defender);
    const metronome = c.move.options?.timesUsedWithMetronome;
    if (metronome && attacker.hasItem('metronome'))
        Object.assign(attacker.itemState, { lastMove: toID(c.move.name), numConsecutive: metronome - 1 });
    return { battle, attacker, defender };
}

// One roll in a fresh battle: the damage of each hit against the defender.
function hitsAtRoll(c, roll, options = {}) {
    const { battle, attacker, defender } = setUp(c, options);
    const order = turnOrder(battle, c, attacker, defender);
    battle.queue.clear();
    if (order.first !== 'defender') battle.queue.list.push(order.defenderAction);
    const move = { current: activeMove(battle, c, attacker) };
    const hits = instrument(battle, roll, attacker, defender, move);
    battle.actions.useMove(move.current, attacker, { target: defender });
    if (!hits.length && (attacker.volatiles['twoturnmove'] || attacker.volatiles[toID(c.move.name)])) {
        move.current = activeMove(battle, c, attacker); // the turn after charging
        battle.actions.useMove(move.current, attacker, { target: defender });
    }
    // みらいよち and はめつのねがい hit two turns later (the 4th generation computes the damage at once).
    if (!hits.length && defender.side.slotConditions[defender.position]?.futuremove)
        defender.side.removeSlotCondition(defender, 'futuremove');
    delete order.defenderAction;
    return { hits, order, log: battle.log };
}

// The simulator's answer for one case: per hit the 16 rolls (null where it dealt no damage), the
// speeds and who moves first. With gameRounding, a 4th-generation battle computes with the games'
// arithmetic (game_rounding.mjs).
export function simulateCase(c, options = {}) {
    try {
        const perRoll = [];
        let order;
        for (let roll = 0; roll < 16; ++roll) {
            const answer = hitsAtRoll(c, roll, options);
            perRoll.push(answer.hits);
            order ??= answer.order;
        }
        const hitTotal = Math.max(...perRoll.map((h) => h.length));
        const perHit = Array.from({ length: hitTotal }, (_, hit) => perRoll.map((h) => h[hit] ?? null));
        const result = { id: c.id, rolls: perHit[0] ?? Array(16).fill(0), hits: hitTotal, order };
        if (hitTotal > 1) result.perHit = perHit;
        if (!hitTotal) result.note = 'no damage: the move failed, missed the defender or is not a damaging move here';
        return result;
    } catch (error) {
        if (error instanceof Unsupported) return { id: c.id, unsupported: error.message };
        return { id: c.id, error: String(error?.stack ?? error) };
    }
}

// The simulator's battle log of one roll, for reading what it did with a case.
export function simulationLog(c, roll = 15) {
    return hitsAtRoll(c, roll).log;
}

export { Dex };

// The turn order alone (speed_fixture.mjs): each side's speed after its modifiers, action speed and
// priority, and who moves first, without using the move. With gameRounding, a 4th-generation
// battle floors after each speed factor as the games do.
export function simulateOrder(c, options = {}) {
    try {
        const { battle, attacker, defender } = setUp(c, options);
        const order = turnOrder(battle, c, attacker, defender);
        delete order.defenderAction;
        order.attacker.storedStat = attacker.storedStats.spe;
        order.defender.storedStat = defender.storedStats.spe;
        return order;
    } catch (error) {
        if (error instanceof Unsupported) return { unsupported: error.message };
        return { error: String(error?.stack ?? error) };
    }
}
