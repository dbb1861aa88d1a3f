// The kept game: a page ended without warning (its target closed through the DevTools protocol,
// so no pagehide runs) or reloaded comes back on the very frame the player was shown, and the next
// tap plays; so does one frozen mid-slide, during the computer's turn, with the promotion panel
// open or with the menu opened from a game, and each goes on from there; Quit forgets the game; a
// kept game that is cut short, damaged or of another build gives the title and a notice; and a
// game moved to another tab goes on there, move for move.
import { test } from "node:test";
import assert from "node:assert/strict";
import path from "node:path";
import { fileURLToPath } from "node:url";
import { serveForTests } from "./site.mjs";
import { WAIT_MS, QUIT, NEW_GAME, LAYOUT, middle, square, cell, pixels, differing, until, settled, tap, pickUp, startGame,
         toMenu, choose, pause } from "./driver.mjs";

const SITE = process.env.VORLEN_SITE ||
  path.join(path.dirname(fileURLToPath(import.meta.url)), "../../build-web/site");
const PHONE = { width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true };
const BLACK_HALF = [0, 0, 240, 120];
const BOARD = [0, 0, 240, 240];
const LOWER_PANEL = [0, 240, 240, 80];
const QUEEN_CHOICE = [160, 290];  // the fourth of the promotion panel's five pieces

let browser, site;
// The game's worker with a hook: once the page's size comes again (after the one it starts
// with; read in the worker's inbox as the pause takes it, or as the game does), the next frame
// the game computes waits, as a long computation would, until the page is hidden; the worker
// says "computing" to the page first, which then freezes. So the page freezes between a frame's
// pause and its presenting, deterministically. (It pauses in shared memory: the tests' server
// sends the headers of isolation.)
const HOOKED_WORKER = `importScripts("worker.js" + location.search);
(() => {
  const { takeResized, pauseHere, ticks } = VorlenWorker;
  let sizes = 0, armed = false, computing = false;
  VorlenWorker.takeResized = () => {
    const resized = takeResized();
    if (resized && ++sizes > 1) armed = true;
    return resized;
  };
  VorlenWorker.pauseHere = (ms) => {
    const waited = pauseHere(ms);
    if (waited === 1 && (armed || (sizes > 0 && inbox.resized))) [armed, computing] = [false, true];
    return waited;
  };
  VorlenWorker.ticks = () => {
    if (computing) {
      computing = false;
      self.postMessage({ type: "computing" });
      for (const end = Date.now() + ${WAIT_MS}; !VorlenWorker.suspended() && Date.now() < end;);
    }
    return ticks();
  };
})();`;

serveForTests(SITE, (s, b) => { site = s; browser = b; }, () => ({ "/hooked-worker.js": HOOKED_WORKER }));

// A page of the site in the context, in front, once it plays (unless playing is false: another
// page plays); its first drawn canvas is kept as window.firstLook (base64 RGBA), taken as the
// first part is put, before any later frame can change it, and window.afterPut, when set, is
// called with the canvas's context after each part is put. A moment met (window.momentMet)
// freezes the page, or with hooked, whose game runs in the hooked worker, has the worker freeze it
// while the game computes its next frame.
async function open(context, { playing = true, hooked = false } = {}) {
  const page = await context.newPage();
  await page.evaluateOnNewDocument((hooked) => {
    const put = CanvasRenderingContext2D.prototype.putImageData;
    CanvasRenderingContext2D.prototype.putImageData = function (...part) {
      put.apply(this, part);
      if (window.afterPut) window.afterPut(this);
      if (window.firstLook) return;
      const data = this.getImageData(0, 0, 240, 320).data;
      let text = "";
      for (let i = 0; i < data.length; i += 8192) text += String.fromCharCode.apply(null, data.subarray(i, i + 8192));
      window.firstLook = btoa(text);
    };
    // Freezing: the page is told as a browser tells it; the keeps it made before are counted.
    window.freezePage = () => {
      window.keepsAtFreeze = VorlenDevice.stats.keeps;
      document.dispatchEvent(new Event("freeze"));
    };
    window.momentMet = hooked ? () => window.dispatchEvent(new Event("resize")) : freezePage;
    if (!hooked) return;
    const Game = window.Worker;
    window.Worker = class extends Game {
      constructor(url, options) {
        super(String(url).replace("worker.js", "hooked-worker.js"), options);
        this.addEventListener("message", ({ data }) => data.type === "computing" && freezePage());
      }
    };
  }, hooked);
  await page.bringToFront();
  await page.setViewport(PHONE);
  await page.goto(site.url);
  await page.evaluate(() => {
    const write = VorlenKept.write;
    VorlenKept.write = (text) => {
      const data = document.getElementById("screen").getContext("2d").getImageData(0, 0, 240, 320).data;
      let bytes = "";
      for (let i = 0; i < data.length; i += 8192) bytes += String.fromCharCode.apply(null, data.subarray(i, i + 8192));
      window.lastKept = btoa(bytes);
      return write(text);
    };
  });
  if (playing) await page.waitForFunction(() => window.VorlenDevice && VorlenDevice.stats.frames > 0, { timeout: 2 * WAIT_MS });
  return { page, context, touch: true };
}

const firstLook = async ({ page }) => new Uint8Array(Buffer.from(await page.evaluate(() => window.firstLook), "base64"));

// The canvas as the page last kept the game (at that moment it shows the kept frame), taken as
// the page hands the kept text to storage. The page stores nothing newer from here on, so the
// frame read is the one stored however late the page is then ended (a timed game's clock would
// otherwise have the page keep again, a second on, between this read and the end).
async function lastKept({ page }) {
  const look = await page.evaluate(async () => {
    VorlenKept.write = () => Promise.resolve();
    await VorlenKept.settled();
    return window.lastKept;
  });
  return new Uint8Array(Buffer.from(look, "base64"));
}

// Waits for the page to keep the game with nothing drawn since; resolves to the canvas then: the
// kept frame. (The page keeps it at most a second apart, so the next keep is far off.)
async function keptLook({ page }) {
  await page.waitForFunction(() => {
    const s = VorlenDevice.stats;
    if (window.keepsSeen === undefined || s.frames !== s.framesAtKeep) window.keepsSeen = s.keeps;
    return s.keeps > window.keepsSeen && s.frames === s.framesAtKeep;
  }, { timeout: WAIT_MS, polling: 5 });
  const look = await pixels({ page });
  await page.evaluate(() => VorlenKept.settled());  // stored
  return look;
}

// Ends the page as a browser that discards it does: no pagehide, no unload.
async function endWithoutWarning({ page }) {
  const devtools = await page.browser().target().createCDPSession();
  await devtools.send("Target.closeTarget", { targetId: page.target()._targetId });
}

// The page shows the kept frame first, with no notice.
async function showsKept(view, kept) {
  assert.equal(differing(await firstLook(view), kept), 0, "the first frame shown is the kept one");
  assert.ok(await view.page.evaluate(() => document.getElementById("notice").hidden), "no notice");
}

// Ends the page without warning and opens the site again: it shows the kept frame first.
async function resumes(view, kept) {
  await endWithoutWarning(view);
  const again = await open(view.context);
  await showsKept(again, kept);
  return again;
}

// The moment is met (see open) right after the first part put that brings a device rectangle
// near a look of it (fewer than 30 pixels differ) or, with near false, away from it (more than 50
// differ): on the frame that shows it, however late the test would look.
async function freezeWhen({ page }, [x, y, w, h], look, near) {
  await page.evaluate((x, y, w, h, packed, near) => {
    const want = Uint8Array.from(atob(packed), (c) => c.charCodeAt(0));
    window.afterPut = (context) => {
      const data = context.getImageData(x, y, w, h).data;
      let count = 0;
      for (let i = 0; i < data.length; i += 4)
        if (data[i] !== want[i] || data[i + 1] !== want[i + 1] || data[i + 2] !== want[i + 2]) count++;
      if (near ? count >= 30 : count <= 50) return;
      window.afterPut = null;
      momentMet();
    };
  }, x, y, w, h, Buffer.from(look).toString("base64"), near);
}

// The canvas as the page kept the game once frozen: the keep the freezing brought, or one on its
// way already (the page stores none after it, see lastKept).
async function keptFrozen(view) {
  await view.page.waitForFunction(() => VorlenDevice.stats.keeps > window.keepsAtFreeze, { timeout: WAIT_MS });
  return lastKept(view);
}

// Once the screen stands still, freezes the page as a browser freezes a page left in the
// background (the page suspends the game, which keeps itself at once); the screen is the one
// kept, and the page ended, the site comes back on it. Resolves to the page opened again.
async function comesBackStill(view, what) {
  const still = await settled(view);
  await view.page.evaluate(() => freezePage());
  const kept = await keptFrozen(view);
  assert.equal(differing(kept, still), 0, `kept with ${what}`);
  return resumes(view, kept);
}

// A device rectangle of a whole frame's look.
function crop(look, [x, y, w, h]) {
  const part = new Uint8Array(w * h * 4);
  for (let row = 0; row < h; row++) {
    const start = ((y + row) * 240 + x) * 4;
    part.set(look.subarray(start, start + w * 4), row * w * 4);
  }
  return part;
}

// A timed game against the computer (the menu's defaults), e2-e4 and the computer's answer.
async function moveAndAnswer(view) {
  await startGame(view);
  const pawn = await pixels(view, cell("e2"));
  const black = await settled(view, BLACK_HALF);
  await pickUp(view, "e2");
  await tap(view, square("e4"));
  await until(view, cell("e4"), (look) => differing(look, pawn) < 30, "the pawn arrives on e4");
  await until(view, BLACK_HALF, (look) => differing(look, black) > 50, "the computer answers");
  return settled(view, BOARD);
}

// A person's move from a square to another plays: the piece leaves its square.
async function movePlays(view, from, to) {
  const piece = await pixels(view, cell(from));
  await pickUp(view, from);
  await tap(view, square(to));
  await until(view, cell(from), (look) => differing(look, piece) > 50, `the piece leaves ${from}`);
  return settled(view, BOARD);
}

for (const ending of ["closed without warning", "reloaded"])
test(`a game in progress ${ending} comes back on the frame the player saw, and the next tap plays`, async () => {
  const context = await browser.createBrowserContext();
  let view = await open(context);
  await moveAndAnswer(view);
  await keptLook(view);
  const kept = await lastKept(view);
  if (ending === "reloaded") {
    await view.page.reload();
    await view.page.waitForFunction(() => VorlenDevice.stats.frames > 0, { timeout: 2 * WAIT_MS });
    await showsKept(view, kept);
  } else {
    view = await resumes(view, kept);
  }
  await pickUp(view, "b1");  // the next tap plays: the knight is picked up
  await context.close();
});

// A page is frozen while the game pauses between two frames, or while it computes one: then the
// game presents that frame after the page was hidden, and it is that frame the page keeps.
for (const hooked of [false, true])
test(`a game frozen mid-slide ${hooked ? "while it computes a frame" : "between two frames"} and ended comes back mid-slide, and the piece arrives`, async () => {
  const context = await browser.createBrowserContext();
  let view = await open(context, { hooked });
  await startGame(view);
  const pawn = await pixels(view, cell("e2"));
  const between = await pixels(view, cell("e3"));
  const black = await settled(view, BLACK_HALF);
  await pickUp(view, "e2");
  await freezeWhen(view, cell("e3"), between, false);  // the pawn sets off over e3
  await tap(view, square("e4"));
  const kept = await keptFrozen(view);
  assert.ok(differing(crop(kept, cell("e4")), pawn) >= 30, "kept before the pawn arrives");
  view = await resumes(view, kept);
  await until(view, cell("e4"), (look) => differing(look, pawn) < 30, "the pawn arrives on e4");
  await until(view, BLACK_HALF, (look) => differing(look, black) > 50, "the computer answers");
  await context.close();
});

// Frozen once the computer is to move, or while it thinks (the game then finishes its choice
// unseen, and keeps the frame it comes to).
for (const hooked of [false, true])
test(`a game frozen during the computer's turn ${hooked ? "while it thinks" : "as it is to move"} and ended comes back to it, and the computer answers`, async (t) => {
  const context = await browser.createBrowserContext();
  let view = await open(context, { hooked });
  await startGame(view);
  const pawn = await pixels(view, cell("e2"));
  const black = await settled(view, BLACK_HALF);
  await pickUp(view, "e2");
  await freezeWhen(view, cell("e4"), pawn, true);  // the pawn arrives: the computer is to move
  await tap(view, square("e4"));
  const kept = await keptFrozen(view);
  assert.ok(differing(crop(kept, cell("e4")), pawn) < 30, "kept with the pawn on e4");
  // A page slow to draw may freeze only once the computer's piece has set off: still its turn.
  const answered = differing(crop(kept, BLACK_HALF), black) > 50;
  if (answered) t.diagnostic("the page froze once the computer's piece was on its way");
  view = await resumes(view, kept);
  if (!answered) await until(view, BLACK_HALF, (look) => differing(look, black) > 50, "the computer answers");
  await settled(view, BOARD);
  await pickUp(view, "b1");  // the person's turn again: the knight is picked up
  await context.close();
});

// Two people's moves (captures are compulsory) that bring White's a-pawn to b7, taking on a8 next.
const TO_PROMOTION = ["a2a4", "b8a6", "a4a5", "a6b4", "a5a6", "b4c2", "a6b7", "c2a1"];

test("a two-person game frozen with the promotion panel open, then with the menu opened from it, comes back to each, and each takes its tap", async () => {
  const context = await browser.createBrowserContext();
  let view = await open(context);
  await toMenu(view);
  await choose(view, LAYOUT.menu.players[2]);
  const menu = await choose(view, LAYOUT.menu.time_control[4]);  // untimed: the screens stand still
  await tap(view, NEW_GAME);
  await until(view, undefined, (look) => differing(look, menu) > 10000, "the board");
  await settled(view, BOARD);
  const queen = await pixels(view, cell("d1"));  // on a light square, as a8 is
  for (const move of TO_PROMOTION) await movePlays(view, move.slice(0, 2), move.slice(2));
  const lower = await pixels(view, LOWER_PANEL);
  await pickUp(view, "b7");
  await tap(view, square("a8"));
  await until(view, LOWER_PANEL, (look) => differing(look, lower) > 1000, "the promotion panel opens");
  view = await comesBackStill(view, "the panel open");
  await tap(view, QUEEN_CHOICE);
  await until(view, cell("a8"), (look) => differing(look, queen) < 30, "the queen stands on a8");

  const game = await settled(view);
  await tap(view, middle(LAYOUT.panel.menu));
  await until(view, undefined, (look) => differing(look, game) > 10000, "the menu");
  view = await comesBackStill(view, "the menu open");
  await tap(view, middle(LAYOUT.menu.back));
  await until(view, BOARD, (look) => differing(look, crop(game, BOARD)) === 0, "back to the game as it was");
  await context.close();
});

test("Quit forgets the game: the next start is the title", async () => {
  const context = await browser.createBrowserContext();
  let view = await open(context);
  const title = await firstLook(view);
  await startGame(view);
  await keptLook(view);
  await tap(view, QUIT);
  await view.page.waitForFunction(() => VorlenDevice.stats.ended && !VorlenDevice.stats.kept, { timeout: WAIT_MS });
  await pause(300);  // the forgetting is stored
  await view.page.close();
  view = await open(context);
  assert.equal(differing(await firstLook(view), title), 0, "the title's first frame");
  await context.close();
});

// Kept texts no start may resume, made from a real one.
const SPOILED = {
  "cut short": (text) => text.slice(0, text.length - 7),
  "damaged": (text) => text.replace(/\n([^\n]*)\n?$/, (line, last) => `\n${last.replace(/\d/, "9")}x\n`),
  "of another build": (text) => text.replace(/^(vorlen-kept 1\nbuild web )\w+/, "$1000000000000"),
};

test("a kept game cut short, damaged or of another build gives the title and a notice once", async () => {
  const context = await browser.createBrowserContext();
  let view = await open(context);
  const title = await firstLook(view);
  await moveAndAnswer(view);
  await keptLook(view);
  const text = await view.page.evaluate(() => VorlenKept.read());
  assert.match(text, /^vorlen-kept 1\nbuild web /);
  await endWithoutWarning(view);
  for (const [how, spoil] of Object.entries(SPOILED)) {
    const writer = await context.newPage();
    await writer.goto(site.url + "manifest.webmanifest");  // of the site's origin, without a game
    await writer.evaluate((text) => new Promise((done) => {
      const request = indexedDB.open("vorlen", 1);
      request.onupgradeneeded = () => request.result.createObjectStore("kept");
      request.onsuccess = () => {
        const transaction = request.result.transaction("kept", "readwrite");
        transaction.objectStore("kept").put(text, "game");
        transaction.oncomplete = done;
      };
    }), spoil(text));
    await writer.close();
    view = await open(context);
    await view.page.waitForFunction(() => !document.getElementById("notice").hidden, { timeout: WAIT_MS });
    assert.match(await view.page.evaluate(() => document.getElementById("notice-text").textContent),
                 /could not be resumed/, how);
    await view.page.waitForFunction(() => window.firstLook && VorlenDevice.stats.frames > 0, { timeout: WAIT_MS });
    assert.equal(differing(await firstLook(view), title), 0, `${how}: the title`);
    await view.page.click("#notice-button");
    assert.ok(await view.page.evaluate(() => document.getElementById("notice").hidden), "the notice is dismissed");
    await view.page.close();
  }
  view = await open(context);
  assert.ok(await view.page.evaluate(() => document.getElementById("notice").hidden), "said once");
  await context.close();
});

// Presses the notice's button on a page brought to the front, as the person looking at it would.
async function playHere({ page }) {
  await page.bringToFront();
  await page.click("#notice-button");
}

test("a game moved to another tab goes on there and back, with a move made on each side", async () => {
  const context = await browser.createBrowserContext();
  const first = await open(context);
  await toMenu(first);
  const menu = await choose(first, LAYOUT.menu.players[2]);  // two people: every move is the person's
  await tap(first, NEW_GAME);
  await until(first, undefined, (look) => differing(look, menu) > 10000, "the board");
  await settled(first, BOARD);
  await movePlays(first, "e2", "e4");
  const second = await open(context, { playing: false });
  await second.page.waitForFunction(() => !document.getElementById("notice").hidden, { timeout: WAIT_MS });

  await playHere(second);
  await second.page.waitForFunction(() => VorlenDevice.stats.frames > 0, { timeout: 2 * WAIT_MS });
  assert.equal(differing(await firstLook(second), await pixels(first)), 0, "the second page shows the first's last frame");
  const board = await movePlays(second, "d7", "d6");

  await playHere(first);
  await until(first, BOARD, (look) => differing(look, board) === 0, "the first page shows the game as the second left it");
  await movePlays(first, "a2", "a3");
  assert.ok(await second.page.evaluate(() => !document.getElementById("notice").hidden), "the second page offers it back");
  await context.close();
});
