// The independent referee: Fairy-Stockfish's rules (ffish.js) with the variant file vorlen ships,
// and the engine tool's own list of legal moves to hold against it.
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { fileURLToPath } from 'node:url';

const here = fileURLToPath(new URL('.', import.meta.url));
export const VARIANT = 'antichess-noep';
export const ENGINE = process.env.VORLEN_ENGINE ?? `${here}../../build/bin/vorlen-engine`;

// Loads ffish with the shipped variant file. Its Emscripten loader takes Node's fetch for a
// browser's and cannot fetch a file path, so fetch is hidden while it starts.
export async function loadReferee() {
  const require = createRequire(import.meta.url);
  const savedFetch = globalThis.fetch;
  delete globalThis.fetch;
  const ffish = require('ffish');
  await new Promise((resolve) => { ffish.onRuntimeInitialized = resolve; });
  globalThis.fetch = savedFetch;
  ffish.loadVariantConfig(readFileSync(`${here}../../dist/antichess-noep.ini`, 'utf8'));
  return ffish;
}

// The referee's legal moves on a board, sorted.
export function refereeMoves(board) {
  const moves = board.legalMoves();
  return moves ? moves.split(' ').sort() : [];
}

// The engine tool's legal moves after the moves from the start, sorted as it prints them.
export function engineMoves(moves) {
  const out = execFileSync(ENGINE, ['moves', '--moves', moves.join(' ')], { encoding: 'utf8' });
  return out.split('\n').filter((line) => line).sort();
}
