// vorlen-engine driven as a chess program drives it, by node-uci (a client nobody here wrote),
// which starts it without arguments, with every move and every game end held against an
// independent rules library.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import uci from 'node-uci';
import { ENGINE, engineMoves, loadReferee, refereeMoves, VARIANT } from './referee.mjs';

const ANSWER_MS = 20000;  // a client that waits longer than this has been left waiting
let ffish;
const engines = [];

// A started engine, its variant chosen, with every line it writes kept in `lines`.
async function startEngine(level) {
  const engine = new uci.Engine(ENGINE);
  await engine.init();
  engine.offered = engine.options.get('UCI_Variant');  // before setoption overwrites it
  engine.lines = [];
  engine.proc.stdout.on('data', (text) => engine.lines.push(...text.split('\n').filter((l) => l)));
  await engine.setoption('UCI_Variant', VARIANT);
  await engine.setoption('Level', level);
  await engine.ucinewgame();
  engines.push(engine);
  return engine;
}

// The referee's board after the moves from the start; every move must be legal for it.
function boardAfter(moves) {
  const board = new ffish.Board(VARIANT);
  for (const move of moves) assert.ok(board.push(move), `the referee refuses ${move} after ${moves.join(' ')}`);
  return board;
}

before(async () => { ffish = await loadReferee(); });
after(async () => { for (const engine of engines) await engine.quit(); });

test('the engine offers its own variant and refuses the ones with en passant', { timeout: ANSWER_MS }, async () => {
  const engine = await startEngine(1);
  assert.equal(engine.offered.default, VARIANT);
  assert.deepEqual(engine.offered.options, [VARIANT]);
  for (const name of ['antichess', 'giveaway', 'suicide']) {
    engine.lines.length = 0;
    await engine.setoption('UCI_Variant', name);
    assert.ok(engine.lines.some((line) => /^info string error: .*en passant/.test(line)), engine.lines.join('\n'));
  }
  // Where other programs' antichess allows only the en-passant capture, both rules agree here.
  const moves = ['e2e4', 'h7h6', 'e4e5', 'd7d5'];
  assert.deepEqual(refereeMoves(boardAfter(moves)), engineMoves(moves));
  assert.equal(engineMoves(moves).length, 30);
});

test('a whole game between two levels, each move legal and the end agreed', { timeout: 4 * ANSWER_MS }, async () => {
  const players = [await startEngine(3), await startEngine(6)];
  const moves = [];
  for (;;) {
    const board = boardAfter(moves);
    const legal = refereeMoves(board);
    assert.deepEqual(legal, engineMoves(moves), `after ${moves.join(' ')}`);
    const engine = players[moves.length % 2];
    await engine.position('startpos', moves);
    const { bestmove, info } = await engine.go({});
    const scored = info.find((line) => line.score);
    assert.ok(scored, 'an info line with a score');
    assert.ok(scored.score.unit === 'mate' || Math.abs(scored.score.value) <= 9000, JSON.stringify(scored));
    if (bestmove === '0000') {
      // No move: the side to move has won, for the referee too.
      assert.deepEqual(legal, []);
      assert.equal(board.result(), moves.length % 2 === 0 ? '1-0' : '0-1');
      assert.deepEqual(scored.score, { unit: 'mate', value: 0 });
      board.delete();
      break;
    }
    assert.ok(legal.includes(bestmove), `${bestmove} after ${moves.join(' ')}`);
    assert.ok(scored.pv.startsWith(bestmove), scored.pv);
    board.delete();
    moves.push(bestmove);
    assert.ok(moves.length < 600, 'the game ends');
  }
  assert.ok(moves.length > 20, moves.join(' '));
});

test('random games: the engine and the referee list the same legal moves', { timeout: 4 * ANSWER_MS }, () => {
  let seed = 12345;
  const random = (count) => { seed = (seed * 1103515245 + 12345) % 2147483648; return seed % count; };
  for (let game = 0; game < 6; game++) {
    const moves = [];
    const board = new ffish.Board(VARIANT);
    for (let ply = 0; ply < 200; ply++) {
      const legal = refereeMoves(board);
      assert.deepEqual(legal, engineMoves(moves), `after ${moves.join(' ')}`);
      if (legal.length === 0) break;
      const move = legal[random(legal.length)];
      board.push(move);
      moves.push(move);
    }
    board.delete();
  }
});

test('go infinite answers only on stop, and isready is answered while it waits', { timeout: ANSWER_MS }, async () => {
  const engine = await startEngine(4);
  await engine.position('startpos', ['e2e3', 'b7b5']);
  const plain = await engine.go({});
  const emitter = engine.goInfinite({});
  const seen = [];
  emitter.on('data', (data) => seen.push(data));
  await engine.isready();
  await engine.isready();
  assert.ok(!seen.some((data) => data.bestmove), 'no bestmove before stop');
  const stopped = await engine.stop();
  assert.equal(stopped.bestmove, plain.bestmove);
  // A stop with nothing running is not answered: the next answer is isready's.
  engine.lines.length = 0;
  engine.write('stop');
  await engine.isready();
  assert.deepEqual(engine.lines, ['readyok']);
});

test('a refused position is answered with 0000 until a position is taken', { timeout: ANSWER_MS }, async () => {
  const engine = await startEngine(2);
  await engine.position('startpos', ['e2e4']);
  await engine.position('startpos', ['e2e3', 'zz']);
  assert.equal((await engine.go({})).bestmove, '0000');
  await engine.position('startpos', ['e2e4', 'd7d5', 'e4e5']);  // the capture was compulsory
  assert.equal((await engine.go({ depth: 3 })).bestmove, '0000');
  await engine.position('startpos', ['e2e4']);
  const { bestmove } = await engine.go({});
  assert.ok(refereeMoves(boardAfter(['e2e4'])).includes(bestmove), bestmove);
});

test('a move list of 5,000 plies is taken whole', { timeout: ANSWER_MS }, async () => {
  const engine = await startEngine(5);
  const rounds = ['g1f3 g8f6 f3g1 f6g8', 'b1c3 b8c6 c3b1 c6b8'];
  const moves = [];
  for (let round = 0; moves.length < 5000; round++) moves.push(...rounds[round % 2].split(' '));
  const board = boardAfter(moves);
  engine.lines.length = 0;
  await engine.position('startpos', moves);
  assert.ok(!engine.lines.some((line) => line.startsWith('info string error')), engine.lines.join('\n'));
  const { bestmove } = await engine.go({ wtime: 60000, btime: 60000 });
  assert.ok(refereeMoves(board).includes(bestmove), bestmove);
  assert.ok(engine.lines.some((line) => line.startsWith('info string ignored: wtime btime')));
  board.delete();
});
