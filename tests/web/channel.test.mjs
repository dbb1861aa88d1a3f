// The shared memory between the page and the game's worker, alone: what the page writes is taken
// once, in order, and a worker waiting for it wakes.
import { test } from "node:test";
import assert from "node:assert/strict";
import fs from "node:fs";
import vm from "node:vm";

// channel.js as the page and the worker load it, in an isolated page's globals.
function loadChannel(isolated = true) {
  const globals = { crossOriginIsolated: isolated, SharedArrayBuffer, Atomics, Int32Array, Float64Array };
  vm.runInNewContext(fs.readFileSync(new URL("../../platform/web/site/channel.js", import.meta.url), "utf8") +
                     "\nthis.VorlenChannel = VorlenChannel;", globals);
  return globals.VorlenChannel;
}

// A channel's two ends, and what the worker's end takes at one look.
function ends(channel) {
  const buffer = channel.create(), write = channel.writer(buffer), read = channel.reader(buffer);
  const take = () => {
    const taken = [];
    read.take((...entry) => taken.push(entry));
    return taken;
  };
  return { write, read, take };
}

test("only an isolated page shares memory", () => {
  assert.equal(loadChannel(false).create(), null);
  assert.ok(loadChannel(true).create() instanceof SharedArrayBuffer);
});

test("entries are taken once, oldest first, and a waiting worker wakes for a new one", () => {
  const channel = loadChannel();
  const { write, read, take } = ends(channel);
  assert.equal(read.wait(0), "timed-out", "nothing written: the wait runs its time");
  write(1, 10.5, 20);
  write(channel.TAGS.SUSPEND, 1234567890123.25);
  assert.equal(read.wait(10000), "not-equal", "written since the last take: no wait at all");
  assert.deepEqual(take(), [[1, 10.5, 20, 0], [channel.TAGS.SUSPEND, 1234567890123.25, 0, 0]]);
  assert.deepEqual(take(), []);
  assert.equal(read.wait(0), "timed-out");
});

test("a worker far behind loses the oldest entries, and reads the ring round and round", () => {
  const channel = loadChannel();
  const { write, take } = ends(channel);
  const extra = 5;
  for (let i = 0; i < channel.ENTRIES + extra; i++) write(1, i, 0);
  const taken = take();
  assert.equal(taken.length, channel.ENTRIES);
  assert.deepEqual([taken[0][1], taken.at(-1)[1]], [extra, channel.ENTRIES + extra - 1]);
  for (let round = 0; round < 3; round++) {
    for (let i = 0; i < channel.ENTRIES - 1; i++) write(2, round, i);
    const again = take();
    assert.equal(again.length, channel.ENTRIES - 1);
    assert.ok(again.every(([tag, r, i], at) => tag === 2 && r === round && i === at));
  }
});
