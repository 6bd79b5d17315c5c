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
        const reason = 'the simulator rounds the 4th generation\'s modifiers in 4096ths and applies both types\' effectiveness at once; with the games\' arithmetic it gives these rolls';
        if (wrong === 'simulator') return reason;
        const calculator = knownReason(c, 'calculator', x);
        return calculator && `${calculator}; ${reason}`;
    }
    if (wrong === 'calculator') {
        if (move === 'Super Fang') return 'the calculator gives いかりのまえば no damage; it takes half the HP';
        if (c.gen === 4 && move === 'Gyro Ball') return 'the calculator leaves out the +1 of ジャイロボール\'s power in the 4th generation';
        if (c.gen === 4 && c.move.options?.isCrit && (simple(c.attacker) || simple(c.defender)))
            return 'with たんじゅん the calculator forgets that a critical hit ignores the stages in the 4th generation';
        if (c.field?.isGravity && ['Fly', 'Bounce', 'Jump Kick', 'High Jump Kick', 'Sky Drop'].includes(move))
            return 'under じゅうりょく the move cannot be used (the simulator: it fails); the calculator deals damage';
        if (c.gen === 4 && a.ability === 'Technician' && c.field?.attackerSide?.isHelpingHand)
            return 'テクニシャン reads the move\'s own power before てだすけ raises it in the 4th generation, as the simulator has it; the calculator applies てだすけ first';
        if (c.gen === 5 && a.ability === 'Normalize' &&
            (move.startsWith('Hidden Power') || ['Weather Ball', 'Judgment', 'Techno Blast', 'Natural Gift'].includes(move)))
            return 'ノーマルスキン leaves a move that is Normal in the table to the type it works out in the 5th generation, as the simulator has it; the calculator makes it Normal';
        if (move === 'Frustration')
            return 'the calculator gives やつあたり its strongest power whatever the happiness; full happiness gives it power 1';
        if (x.calc !== null && x.calc.length === 0 && x.sim !== null && x.sim.length > 0)
            return `the calculator deals nothing with ${move} here; the simulator's battle deals these rolls`;
        if ((move === 'Return' || move === 'Frustration') && (a.happiness ?? 255) !== 255)
            return 'the calculator gives おんがえし/やつあたり the power of full happiness whatever the happiness';
    }
    return null;
}
