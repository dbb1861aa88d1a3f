// One copy at a time, as on the handheld: of all the site's pages in this browser only the one
// holding the lock LOCK (Web Locks) plays. A page that finds the lock held says that vorlen is
// open in another tab, with a button to play here; pressing it asks the playing page, over the
// BroadcastChannel CHANNEL, to hand the game over. That page stops its game at a frame boundary
// with its kept session up to date, lets the lock go and says that vorlen moved to another tab,
// with the same button to take it back; the asking page gets the lock only then, and resumes the
// game. Where the browser has no Web Locks, every page plays.
"use strict";

var VorlenSingle = (() => {
  const LOCK = "vorlen-game";
  const CHANNEL = "vorlen-game";
  const locks = navigator.locks || null;
  const channel = typeof BroadcastChannel === "function" ? new BroadcastChannel(CHANNEL) : null;
  let release = null;  // lets the lock go, while this page holds it
  let game = null;     // { start, stop } of the page's device

  // Holds the lock from now until it is let go, starting the game.
  function own() {
    VorlenNotice.hide();
    return new Promise((resolve) => {
      release = () => {
        release = null;
        resolve();
      };
      game.start();
    });
  }

  // Asks the playing page for the game and waits for the lock, which it lets go once stopped.
  function take() {
    VorlenNotice.show("vorlen is moving to this tab.", "", null);
    if (channel) channel.postMessage({ type: "take" });
    locks.request(LOCK, own);
  }

  // This page holds the game and another asks for it: the game stops, then the lock goes.
  async function handOver() {
    if (!release) return;
    await game.stop();
    release();
    VorlenNotice.show("vorlen moved to another tab.", "Play here", take);
  }

  // Starts the game of a page's device (start(), and stop() resolving once it has stopped) when
  // this page may own it, else says that vorlen is open in another tab.
  function claim(device) {
    game = device;
    if (!locks) return game.start();
    if (channel) channel.onmessage = ({ data }) => data.type === "take" && handOver();
    locks.request(LOCK, { ifAvailable: true }, (lock) => {
      if (lock) return own();
      VorlenNotice.show("vorlen is open in another tab.", "Play here", take);
      return null;
    });
  }

  // The game has ended as the player chose: another page may start one at once.
  function letGo() {
    if (release) release();
  }

  return { claim, letGo, owns: () => !!release };
})();
