// The page's messages to the game's worker through shared memory, where the page is cross-origin
// isolated. The worker can then pause in Atomics.wait, which wakes far more cheaply than a timer
// of its event loop, and still hear the page: the page writes here instead of posting to a
// worker that is not listening. Loaded by the page and by the worker.
// The buffer: a count of entries written (Int32, wrapping), then a ring of entries of four
// numbers each: a tag (an event kind of events.js, or one of TAGS) and up to three values.
"use strict";

var VorlenChannel = (() => {
  const ENTRIES = 4096;   // a power of two; the worker reads at every pause, a think holds up to this
  const WIDTH = 4;        // numbers an entry
  const ENTRIES_AT = 8;   // the ring's byte offset, after the count
  // The page's own messages beside the input events (whose kinds are all positive).
  // STOP asks the game to stop for good at its next frame boundary.
  const TAGS = Object.freeze({ SIZE: -1, SUSPEND: -2, RESUME: -3, STOP: -4 });

  // A new shared buffer where this page may have one, else null (the page posts its messages).
  function create() {
    if (!globalThis.crossOriginIsolated || typeof SharedArrayBuffer !== "function") return null;
    return new SharedArrayBuffer(ENTRIES_AT + ENTRIES * WIDTH * Float64Array.BYTES_PER_ELEMENT);
  }

  // The page's side: write(tag, a, b, c) adds an entry and wakes a waiting worker.
  function writer(buffer) {
    const count = new Int32Array(buffer, 0, 1), ring = new Float64Array(buffer, ENTRIES_AT);
    return (tag, a = 0, b = 0, c = 0) => {
      const written = Atomics.load(count, 0);
      ring.set([tag, a, b, c], (written & (ENTRIES - 1)) * WIDTH);
      Atomics.store(count, 0, (written + 1) | 0);
      Atomics.notify(count, 0);
    };
  }

  // The worker's side: take(each) hands over the entries written since the last take, oldest
  // first (past ENTRIES behind, the oldest are lost); wait(ms) sleeps until ms have passed or the
  // page has written since that take (ms Infinity: until it writes), and says which, as
  // Atomics.wait does ("not-equal" when there was something to take already).
  function reader(buffer) {
    const count = new Int32Array(buffer, 0, 1), ring = new Float64Array(buffer, ENTRIES_AT);
    let read = 0;
    const behind = () => (Atomics.load(count, 0) - read) | 0;
    return {
      take(each) {
        for (;;) {
          if (behind() > ENTRIES) read = (Atomics.load(count, 0) - ENTRIES) | 0;
          if (behind() <= 0) return;
          const at = (read & (ENTRIES - 1)) * WIDTH;
          const entry = [ring[at], ring[at + 1], ring[at + 2], ring[at + 3]];
          if (behind() <= ENTRIES) each(...entry);  // else the page wrote over it while it was read
          read = (read + 1) | 0;
        }
      },
      wait: (ms) => Atomics.wait(count, 0, read, ms),
    };
  }

  return { ENTRIES, TAGS, create, writer, reader, build: "@VORLEN_BUILD@" };
})();
