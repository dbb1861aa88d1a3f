// The kept game in the site's own storage (IndexedDB): the text the game's worker hands over,
// stored whole by one put in one transaction (so it is never torn), read at a start, and
// forgotten when the player ends the game. Steps run one after another in the order asked. Where
// the browser gives no storage, nothing is kept and every read finds nothing.
"use strict";

var VorlenKept = (() => {
  const DATABASE = "vorlen";
  const STORE = "kept";
  const KEY = "game";
  let database = null;            // a promise of the open database, or of null without one
  let last = Promise.resolve();   // the last step asked for

  function open() {
    if (!database) database = new Promise((resolve) => {
      let request;
      try { request = indexedDB.open(DATABASE, 1); } catch (e) { return resolve(null); }
      request.onupgradeneeded = () => request.result.createObjectStore(STORE);
      request.onsuccess = () => resolve(request.result);
      request.onerror = request.onblocked = () => resolve(null);
    });
    return database;
  }

  // Runs act on the store in one transaction of this mode, after every step asked before it;
  // resolves to its request's result once the transaction is complete (null when it failed).
  function step(mode, act) {
    const run = () => open().then((db) => db && new Promise((resolve) => {
      const transaction = db.transaction(STORE, mode);
      const request = act(transaction.objectStore(STORE));
      transaction.oncomplete = () => resolve(request.result === undefined ? null : request.result);
      transaction.onerror = transaction.onabort = () => resolve(null);
    })).catch(() => null);
    last = last.then(run, run);
    return last;
  }

  return {
    read: () => step("readonly", (store) => store.get(KEY)).then((text) => (typeof text === "string" ? text : null)),
    write: (text) => step("readwrite", (store) => store.put(text, KEY)),
    forget: () => step("readwrite", (store) => store.delete(KEY)),
    // Resolves once every step asked so far is done.
    settled: () => last,
  };
})();
