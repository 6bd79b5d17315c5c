// The battle simulator on how the battle state's stages read with たんじゅん: the state holds the
// stage the creature has. The 5th generation doubles each change as it happens, so a held +1 acts as
// +1, for the attack and the speed alike; the 4th doubles the stage as it reads it, so a held +1 acts
// as +2. Each check sets the stage held, plays a turn and compares with a creature without たんじゅん.
//
//   node state_sim.mjs
import { Battle } from '@pkmn/sim';

// ビーダル (Bibarel, たんじゅん or てんねん, which does nothing on its own side) holding attack and speed
// +1 against ハピナス: its たいあたり's damage and its speed.
function heldPlusOne(gen, ability) {
    const b = new Battle({ formatid: `gen${gen}customgame`, seed: [1, 2, 3, 4] });
    const set = (species, abilityName, moves) => ({ species, item: '', ability: abilityName, moves, evs: {}, ivs: {},
                                                   level: 50, nature: 'Serious', gender: 'M' });
    b.setPlayer('p1', { team: [set('Bibarel', ability, ['Tackle'])] });
    b.setPlayer('p2', { team: [set('Blissey', 'Natural Cure', ['Splash'])] });
    if (b.requestState === 'teampreview') b.makeChoices('default', 'default');
    const a = b.p1.active[0], d = b.p2.active[0];
    a.boosts.atk = 1;
    a.boosts.spe = 1;
    b.prng.random = () => 0; // the same roll, and a critical hit (which keeps a raised attack), for both
    const speed = a.getStat('spe');
    b.makeChoices('move 1', 'move 1');
    return { speed, damage: d.maxhp - d.hp };
}

const checks = [];
for (const gen of [4, 5]) {
    const simple = heldPlusOne(gen, 'Simple'), plain = heldPlusOne(gen, 'Unaware');
    const doubled = gen === 4;
    checks.push([gen, `たんじゅん holding speed +1: ${simple.speed} against ${plain.speed}`,
                 doubled ? simple.speed > plain.speed : simple.speed === plain.speed]);
    checks.push([gen, `たんじゅん holding attack +1: ${simple.damage} against ${plain.damage}`,
                 doubled ? simple.damage > plain.damage : simple.damage === plain.damage]);
}
for (const [gen, what, ok] of checks) console.log(`gen ${gen}: ${what}: ${ok ? 'yes' : 'NO'}`);
process.exitCode = checks.every(([, , ok]) => ok) ? 0 : 1;
