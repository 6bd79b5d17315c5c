import { sequenceLog } from './sequence_sim.mjs';
import { readFileSync } from 'node:fs';
const c = JSON.parse(readFileSync(process.argv[2], 'utf8'));
const { fell, log } = sequenceLog(c, { seed: c.id, n: Number(process.argv[3] ?? 0) });
console.log('fell at', fell); console.log(log.filter((l) => !l.startsWith('|t:') && !l.startsWith('|split')).join('\n'));
