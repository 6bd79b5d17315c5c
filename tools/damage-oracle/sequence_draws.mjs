// What the sequence fixture draws (make_sequence_fixture.mjs): sequences of attacks against one
// defender, from the realistic team sets (tests/data/team_sets_genN_calc.json), each aimed at one
// thing the exact engine carries from use to use or weighs in a use ("covers"): a berry eaten, an
// ability that stops acting, a popped ふうせん, もうどく's count, the hazards, each end of turn, the
// accuracy of a move and what changes it, the critical-hit rate and what raises it, several attackers.
//
// A case holds only what the engine models, so that the simulator plays the same battle: no move,
// ability or item acts at random or changes what the engine takes as fixed (see NOT_IN_SEQUENCES
// and the lists below, each with its reason).
import { calculate } from '@smogon/calc';
import { Dex } from '@pkmn/dex';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { calcObjects } from './calc.mjs';
import { repo } from './fixture_files.mjs';

// Moves left out: one that charges or recharges, switches or faints its user, needs the foe to
// attack or to have moved, counts its uses in a row, takes or eats the foe's item, calls another
// move, hits a random number of turns after, traps, knocks out at once, or whose power follows what
// the battle did before (a move used by an ally, a stockpile …); めざめるパワー (named by its IVs,
// not by the moves the simulator knows); プレゼント (it may heal); トリプルキック (each kick checks its
// accuracy); うちおとす (it grounds the foe); かわらわり (it breaks the screens).
const NOT_IN_SEQUENCES = new Set([
    'counter', 'mirrorcoat', 'metalburst', 'bide', 'suckerpunch', 'focuspunch', 'fakeout', 'feint', 'payback',
    'avalanche', 'revenge', 'assurance', 'rollout', 'iceball', 'furycutter', 'echoedvoice', 'round', 'storedpower',
    'acrobatics', 'naturalgift', 'fling', 'lastresort', 'futuresight', 'doomdesire', 'beatup', 'spitup', 'trumpcard',
    'gyroball', 'electroball', 'punishment', 'thief', 'covet', 'bugbite', 'pluck', 'incinerate', 'clearsmog', 'uturn',
    'voltswitch', 'endeavor', 'finalgambit', 'present', 'psywave', 'snore', 'sleeptalk', 'struggle', 'skydrop',
    'naturepower', 'smackdown', 'uproar', 'circlethrow', 'dragontail', 'relicsong', 'dreameater', 'brickbreak',
    'triplekick', 'bind', 'wrap', 'firespin', 'whirlpool', 'sandtomb', 'magmastorm', 'clamp', 'selfdestruct',
    'explosion',
]);
// Defenders' abilities left out: those that act at random on the attacker or themselves (a status
// on contact, ミイラ, のろわれボディ, だっぴ, しゅうかく, ムラっけ), change the weather, the defender's
// form or types (へんしょく, ダルマモード, てんきや), take the attacker's item (わるいてぐせ), or cure a status
// (うるおいボディ).
const DEFENDER_ABILITIES_LEFT_OUT = new Set([
    'Flame Body', 'Static', 'Poison Point', 'Effect Spore', 'Cute Charm', 'Mummy', 'Cursed Body', 'Shed Skin',
    'Hydration', 'Harvest', 'Pickup', 'Moody', 'Color Change', 'Sand Stream', 'Drought', 'Drizzle', 'Snow Warning',
    'Trace', 'Imposter', 'Download', 'Forecast', 'Flower Gift', 'Illusion', 'Zen Mode', 'Pickpocket', 'Intimidate',
]);
// Attackers' abilities left out: those that change the weather or the foe's stats as they come in
// (their switch-in would act between the steps), なまけ and スロースタート (they skip or weaken turns),
// アナライズ (it reads the turn order), どくしゅ (a poison at random), しょうりのほし (an ally's accuracy).
const ATTACKER_ABILITIES_LEFT_OUT = new Set([
    'Trace', 'Imposter', 'Download', 'Drizzle', 'Drought', 'Sand Stream', 'Snow Warning', 'Forecast', 'Flower Gift',
    'Truant', 'Slow Start', 'Analytic', 'Poison Touch', 'Victory Star', 'Illusion', 'Zen Mode', 'Moody',
]);
// Defenders' items left out: those that act at random (きあいのハチマキ, スターのみ), hand themselves to
// the attacker (くっつきバリ), send a side away (だっしゅつボタン, レッドカード), give a status or cure one,
// undo a lowered stage (しろいハーブ), heal on a super-effective hit (ナゾのみ) or lift an immunity
// (ねらいのまと).
const DEFENDER_ITEMS_LEFT_OUT = new Set([
    'Focus Band', 'Starf Berry', 'Sticky Barb', 'Eject Button', 'Red Card', 'Toxic Orb', 'Flame Orb', 'White Herb',
    'Enigma Berry', 'Ring Target', 'Lum Berry', 'Pecha Berry', 'Rawst Berry', 'Cheri Berry', 'Chesto Berry',
    'Aspear Berry', 'Persim Berry', 'Mental Herb', 'Zoom Lens', 'Quick Claw', 'Custap Berry', 'Micle Berry',
    'Lansat Berry', 'Leppa Berry',
]);
// Attackers' items left out: メトロノーム (it counts the uses in a row) and フォーカスレンズ (it reads the
// turn order, and the defender never moves here).
const ATTACKER_ITEMS_LEFT_OUT = new Set(['Metronome', 'Zoom Lens', 'Sticky Barb', 'Micle Berry']);

export const RESIST_BERRIES = {
    Fire: 'Occa Berry', Water: 'Passho Berry', Electric: 'Wacan Berry', Grass: 'Rindo Berry', Ice: 'Yache Berry',
    Fighting: 'Chople Berry', Poison: 'Kebia Berry', Ground: 'Shuca Berry', Flying: 'Coba Berry',
    Psychic: 'Payapa Berry', Bug: 'Tanga Berry', Rock: 'Charti Berry', Ghost: 'Kasib Berry', Dragon: 'Haban Berry',
    Dark: 'Colbur Berry', Steel: 'Babiri Berry', Normal: 'Chilan Berry',
};
const HEAL_BERRIES = ['Oran Berry', 'Figy Berry', 'Wiki Berry', 'Mago Berry', 'Aguav Berry', 'Iapapa Berry'];

export function setsOf(gen) {
    return JSON.parse(readFileSync(join(repo, `tests/data/team_sets_gen${gen}_calc.json`), 'utf8'));
}

export function usableMove(dex, name) {
    const m = dex.moves.get(name);
    if (!m.exists || m.category === 'Status' || name.startsWith('Hidden Power')) return false;
    if (NOT_IN_SEQUENCES.has(m.id) || m.flags.charge || m.self?.volatileStatus === 'mustrecharge') return false;
    return !m.selfSwitch && !m.ohko && !m.selfdestruct && !m.volatileStatus && !m.forceSwitch;
}

export function usableAttacker(dex, set) {
    const o = set.options;
    if (ATTACKER_ABILITIES_LEFT_OUT.has(o.ability) || ATTACKER_ITEMS_LEFT_OUT.has(o.item ?? '')) return false;
    if (/^(Castform|Cherrim|Darmanitan|Meloetta)/.test(set.name)) return false;
    return (o.moves ?? []).some((m) => usableMove(dex, m));
}

export function usableDefender(set) {
    const o = set.options;
    if (DEFENDER_ABILITIES_LEFT_OUT.has(o.ability) || DEFENDER_ITEMS_LEFT_OUT.has(o.item ?? '')) return false;
    return !/^(Castform|Cherrim|Darmanitan|Meloetta|Shedinja)/.test(set.name);
}

export function canHaveAbility(dex, species, ability) {
    const s = dex.species.get(species);
    return Object.entries(s.abilities).some(([slot, a]) => a === ability && (dex.gen >= 5 || slot !== 'H'));
}

// What one use of the step deals at its least and most (no critical hit), by the calculator.
export function damageRange(gen, attacker, defender, move, field) {
    try {
        const c = calcObjects({ gen, attacker, defender, move, field });
        const result = calculate(c.gen, c.attacker, c.defender, c.move, c.field);
        const [low, high] = result.range();
        return { low, high, hp: c.defender.maxHP() };
    } catch {
        return null;
    }
}

export const lists = { HEAL_BERRIES, DEFENDER_ITEMS_LEFT_OUT };
export { Dex };
