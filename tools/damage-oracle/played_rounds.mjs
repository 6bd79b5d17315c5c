// The rounds the fixture scripts have played, kept one JSON line a round ({key, sim}) beside them
// until --write: a case's key is its whole JSON, a round's sim starts at battle `first` (0 when not
// said) and holds `battles` of them, or an `error`.
import { existsSync, readFileSync } from 'node:fs';

export const keyOf = (c) => JSON.stringify(c);

// Case key -> its rounds, in the order played.
export function readPlayed(file) {
    const played = new Map();
    if (!existsSync(file)) return played;
    for (const line of readFileSync(file, 'utf8').trim().split('\n').filter(Boolean)) {
        const p = JSON.parse(line);
        if (!played.has(p.key)) played.set(p.key, []);
        played.get(p.key).push({ first: 0, ...p.sim });
    }
    return played;
}

// The battles a case has played without a break from battle 0.
export const playedBattles = (rounds) =>
    (rounds ?? []).reduce((n, r) => (r.error ? n : Math.max(n, r.first + r.battles)), 0);
