// The reviewed reasons why the engine differs from one of the oracles on a case, for
// compare.mjs --exceptions. A reason is proposed only where the simulator has decided: the engine
// agrees with it against the calculator ("calculator" wrong), or the reason shows the simulator
// wrong there ("simulator"/"both": its 4096-based modifiers in the 4th generation, …).
const simple = (side) => side.options.ability === 'Simple';

const same = (a, b) => JSON.stringify(a) === JSON.stringify(b);

export function knownReason(c, wrong, x) {
    const move = c.move.name;
    const a = c.attacker.options;
    if (wrong !== 'calculator' && c.gen === 4) {
        // The only fault of the simulator's accepted in the 4th generation, and checked: with the
        // games' arithmetic it gives the engine's rolls.
        if (!x.rounded || !same(x.rounded, x.mine)) return null;
        const sniper = a.ability === 'Sniper' && c.move.options?.isCrit;
        const reason = sniper
            ? 'the simulator gives スナイパー ×1.5 among the last modifiers and rounds the 4th generation\'s modifiers in 4096ths; the games make the critical hit ×3 before the random roll, and with their arithmetic it gives these rolls'
            : 'the simulator rounds the 4th generation\'s modifiers in 4096ths and applies both types\' effectiveness at once; with the games\' arithmetic it gives these rolls';
        if (wrong === 'simulator') return reason;
        const calculator = knownReason(c, 'calculator', x);
        return calculator && `${calculator}; ${reason}`;
    }
    // The simulator's doubles battle holds an inert partner beside the defender, and ダウンロード
    // adds up the defences of both foes.
    if (wrong === 'simulator' && c.gen === 5 && c.field?.gameType === 'Doubles' && a.ability === 'Download')
        return 'in doubles the simulator\'s ダウンロード adds up both foes\' defences, its battle\'s inert partner beside the defender among them; the case names the defender alone, as the calculator reads it';
    if (wrong === 'calculator') {
        const reasons = calculatorFaults(c, x).filter((r) => r);
        if (reasons.length) return reasons.join('; ');
        if (x.calc !== null && x.calc.length === 0 && x.sim !== null && x.sim.length > 0)
            return `the calculator deals nothing with ${move} here; the simulator's battle deals these rolls`;
    }
    return null;
}

// Where the engine and the calculator differ only on rolls the calculator gives as 1 and the engine
// as what the final modifiers make of that 1: 0 (every hit 0: nothing dealt at all), or 2 or more
// with いろめがね against a resisted move.
const finalModifiersOnOne = (c, mine, calc) => {
    const lifted = (v) => v === 0 || (v > 1 && c.attacker.options.ability === 'Tinted Lens');
    if (!(calc?.length > 0) || mine === null) return false;
    if (mine.length === 0) return calc.every((h) => h.every((v) => v === 1));
    return mine.length === calc.length &&
        mine.every((h, i) => h.every((v, j) => v === calc[i][j] || (calc[i][j] === 1 && lifted(v))));
};

const GRAVITY_BLOCKED = ['Fly', 'Bounce', 'Jump Kick', 'High Jump Kick', 'Sky Drop'];
const arceusWithout = (side) => side.name.startsWith('Arceus') && side.options.ability !== 'Multitype';

// How many of the power's steps whose order the calculator has otherwise a 4th-generation case may
// meet: てだすけ, a held item, ライバル, すてみ, てつのこぶし, the foe's かんそうはだ.
function powerSteps(c) {
    const a = c.attacker.options;
    return [c.field?.attackerSide?.isHelpingHand, a.item, ['Rivalry', 'Reckless', 'Iron Fist'].includes(a.ability),
            c.defender.options.ability === 'Dry Skin'].filter((x) => x).length;
}

// Each of the calculator's faults a case shows, every one checked on cases where the simulator's
// real battle gives the engine's rolls.
function calculatorFaults(c, x) {
    const move = c.move.name;
    const a = c.attacker.options;
    const crit = !!c.move.options?.isCrit;
    const happiness = a.happiness ?? 255;
    return [
        c.gen === 5 && finalModifiersOnOne(c, x.mine, x.calc) &&
            'the 5th generation lifts a damage of 0 to 1 before the final modifiers and never after them, so a final ×0.5 or less leaves 0 (and いろめがね, ×2, lifts it to 2 or more), as the simulator has it; the calculator lifts it to 1 after them',
        c.gen === 4 && c.defender.options.ability === 'Color Change' && (x.calc?.length ?? 0) > 1 &&
            'in the 4th generation へんしょく gives the defender the move\'s type after each hit, so the hits after the first meet that type, as the simulator has it; the calculator keeps its types for every hit',
        c.attacker.options.status === 'brn' && c.attacker.options.item === 'Rawst Berry' && (x.calc?.length ?? 0) > 1 &&
            'a burned holder of チーゴのみ eats it once the first hit is dealt, so the later hits are unburned, as the simulator has it; the calculator keeps the burn',
        move === 'Super Fang' && 'the calculator gives いかりのまえば no damage; it takes half the HP',
        c.gen === 4 && move === 'Gyro Ball' && 'the calculator leaves out the +1 of ジャイロボール\'s power in the 4th generation',
        c.gen === 4 && crit && (simple(c.attacker) || simple(c.defender)) &&
            'with たんじゅん the calculator forgets that a critical hit ignores the stages in the 4th generation',
        c.field?.isGravity && GRAVITY_BLOCKED.includes(move) &&
            'under じゅうりょく the move cannot be used (the simulator: it fails); the calculator deals damage',
        c.gen === 4 && a.ability === 'Technician' && c.field?.attackerSide?.isHelpingHand &&
            'テクニシャン reads the move\'s own power before てだすけ raises it in the 4th generation, as the simulator has it; the calculator applies てだすけ first',
        c.gen === 5 && a.ability === 'Normalize' &&
            (move.startsWith('Hidden Power') || ['Weather Ball', 'Judgment', 'Techno Blast', 'Natural Gift'].includes(move)) &&
            'ノーマルスキン leaves a move that is Normal in the table to the type it works out in the 5th generation, as the simulator has it; the calculator makes it Normal',
        move === 'Frustration' && 'the calculator gives やつあたり its strongest power whatever the happiness; full happiness gives it power 1',
        move === 'Return' && happiness !== 255 &&
            'the calculator gives おんがえし/やつあたり the power of full happiness whatever the happiness',
        move === 'Triple Kick' && 'the calculator gives every kick of トリプルキック the power 10; the game 10, 20 and 30',
        c.gen === 5 && crit && (x.calc?.length ?? 1) > 1 &&
            'the calculator makes only the first hit critical in the 5th generation; the case has every hit critical, as the simulator forces it',
        (arceusWithout(c.attacker) || arceusWithout(c.defender)) &&
            'アルセウス without マルチタイプ is ノーマル type whatever its plate in these generations, as the simulator has it; the calculator keeps the plate\'s type',
        a.ability === 'Analytic' && !a.abilityOn && move !== 'Super Fang' &&
            'the attacker moves after its foe, so アナライズ acts; the calculator applies it only with the ability on',
        a.ability === 'Unburden' && a.abilityOn && a.item && ['Gyro Ball', 'Electro Ball'].includes(move) &&
            'かるわざ doubles the speed only once the held item is gone, as the simulator has it; the calculator doubles it with the ability on while the item is still held',
        c.gen === 4 && powerSteps(c) >= 2 &&
            'the 4th generation raises the power step by step, each truncated: すてみ or てつのこぶし, the held item, てだすけ, then ライバル; the calculator applies てだすけ first',
        c.gen === 4 && a.ability === 'Download' && (c.defender.options.boosts?.def || c.defender.options.boosts?.spd) &&
            'ダウンロード compares the foe\'s defences with their stages in the 4th generation too, as the simulator has it; the calculator compares them without',
        c.gen === 4 && a.ability === 'Klutz' && move === 'Fling' &&
            'ぶきよう does not keep なげつける from throwing the item in the 4th generation, as the simulator has it; the calculator makes the move fail',
        move === 'Payback' &&
            'at equal speed either side may move first; the simulator\'s battle had the attacker first, so しっぺがえし keeps its power as in the engine\'s first outcome; the calculator doubles it at a tie',
        c.gen === 4 && ['Future Sight', 'Doom Desire'].includes(move) && a.item === 'Life Orb' &&
            'in the 4th generation みらいよち and はめつのねがい take no いのちのたま boost, as the simulator has it; the calculator applies it',
        move === 'Dream Eater' && !c.defender.options.status &&
            'ゆめくい fails on a foe that is not asleep (the simulator: it fails); the calculator deals damage in the 4th generation',
        move === 'Beat Up' && c.gen === 4 && a.status &&
            'in the 4th generation ふくろだたき leaves out every member with a status, here the user and so the whole party: it fails; the calculator deals damage',
        move === 'Beat Up' && !(c.gen === 4 && a.status) && c.field?.gameType !== 'Doubles' && x.calc?.length > 0 &&
            'ふくろだたき deals one hit from the base attack of each member of the party, the user alone here; the calculator computes it as an ordinary move',
    ];
}
