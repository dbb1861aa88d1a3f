// The browser device as a phone app: a still screen draws almost nothing and its audio rests,
// the page's thread answers while the computer plays, a hidden page's clocks stand still, a
// cached game starts on a network that never answers, and the page speaks to assistive
// technology (a landmark, a heading, a labelled picture, a button to start again reachable by
// keyboard).
import { test } from "node:test";
import assert from "node:assert/strict";
import path from "node:path";
import { fileURLToPath } from "node:url";
import { serve, serveForTests } from "./site.mjs";
import { WAIT_MS, NEW_GAME, QUIT, openPage, visit, titleAnimates, pixels, differing, pause, until, settled, tap,
         toMenu, chooseComputerGame, startGame, installed } from "./driver.mjs";

const SITE = process.env.VORLEN_SITE ||
  path.join(path.dirname(fileURLToPath(import.meta.url)), "../../build-web/site");
const PHONE = { width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true };
const CLOCKS = [0, 240, 240, 20];        // the clock strip below the board
const BOARD = [0, 0, 240, 240];
const LEVEL_9 = 9;                       // the level whose first choice is the heaviest
const SLOW_PRESENT_MS = 300;             // what each presented frame costs a slowed worker
const STILL_MS = 3000;                   // how long a still screen is watched
const MOST_PUTS_PER_SECOND = 2;

// A plain page of a canvas that lets the browser zoom, to show that the pinch below zooms one.
const PLAIN_PAGE = `<!doctype html><meta charset="utf-8"><meta name="viewport" content="width=device-width, initial-scale=1">
<canvas width="240" height="320" style="width:390px;height:520px"></canvas>`;

let browser, site;
serveForTests(SITE, (s, b) => { site = s; browser = b; }, () => ({ "/plain.html": PLAIN_PAGE }));

const frames = (view) => view.page.evaluate(() => VorlenDevice.stats.frames);

// How many parts of frames the page draws while the screen stays as it is for STILL_MS.
async function putsWhileStill(view) {
  const before = await frames(view);
  await pause(STILL_MS);
  return (await frames(view)) - before;
}

// Hides the page behind another tab, as a person switching apps does, or brings it back.
async function setHidden(view, hidden) {
  if (hidden) {
    view.other = await view.context.newPage();
    await view.other.bringToFront();
  } else {
    await view.page.bringToFront();
    await view.other.close();
  }
  await view.page.waitForFunction((state) => document.visibilityState === state, { timeout: WAIT_MS },
                                  hidden ? "hidden" : "visible");
}

test("a still screen draws at most two frames a second, and the audio rests between sounds", async () => {
  const view = await openPage(browser, site.url, PHONE);
  const first = await pixels(view);
  await toMenu(view);
  assert.ok(await putsWhileStill(view) <= MOST_PUTS_PER_SECOND * STILL_MS / 1000, "the menu");
  await view.page.waitForFunction(() => VorlenDevice.audioState() === "suspended", { timeout: WAIT_MS });

  await tap(view, NEW_GAME);
  await until(view, BOARD, (look) => differing(look, first) > 10000, "the board");
  await settled(view, BOARD);
  const puts = await putsWhileStill(view);
  assert.ok(puts >= 1 && puts <= MOST_PUTS_PER_SECOND * STILL_MS / 1000, `a person's turn: ${puts} puts`);
  assert.deepEqual(view.errors, []);
  await view.context.close();
});

test("the page's thread answers while the computer plays itself at level 14", async () => {
  const view = await openPage(browser, site.url, PHONE);
  await chooseComputerGame(view, 14);
  await tap(view, NEW_GAME);
  assert.equal(await view.page.evaluate(() => typeof Module), "undefined", "the game is not on the page's thread");
  await view.page.evaluate(() => {
    window.animationFrames = 0;
    const count = () => { window.animationFrames++; requestAnimationFrame(count); };
    requestAnimationFrame(count);
  });
  // Between any two looks at the page an animation frame has run, over ten of the computer's moves.
  let board = await pixels(view, BOARD), moves = 0, last = 0;
  const end = Date.now() + 6 * WAIT_MS;
  while (moves < 10) {
    if (Date.now() > end) assert.fail(`only ${moves} moves were made`);
    const ran = await view.page.evaluate(() => new Promise((r) => requestAnimationFrame(() => r(window.animationFrames))));
    assert.ok(ran > last);
    last = ran;
    const look = await pixels(view, BOARD);
    if (differing(look, board) > 0) moves++;
    board = look;
  }
  assert.deepEqual(view.errors, []);
  await view.context.close();
});

test("the clock line the computer's search presents while it thinks reaches the canvas", async () => {
  // DevTools reaches the worker only when it pauses in its event loop, so this page is served
  // without isolation; a think's frames are posted the same way in either case.
  const plain = await serve(SITE, {}, { isolated: false });
  const view = await openPage(browser, plain.url, PHONE);
  await chooseComputerGame(view, LEVEL_9);
  // A slow handheld: every frame the game presents keeps its worker busy a while after it is sent,
  // so the first think (the search presents its clock line every few thousand nodes) lasts seconds.
  await view.page.workers()[0].evaluate((ms) => {
    const show = VorlenWorker.showPart;
    VorlenWorker.showPart = (...part) => {
      show(...part);
      for (const end = performance.now() + ms; performance.now() < end;) { /* busy, as a slow CPU */ }
    };
  }, SLOW_PRESENT_MS);
  await tap(view, NEW_GAME);
  // The play frame before a think draws the clocks once; a second change of the clock strip with the
  // board unchanged can only be a frame the search presented, drawn while the worker still thinks.
  const strip = [0, 0, 240, BOARD[3] + CLOCKS[3]], boardBytes = BOARD[2] * BOARD[3] * 4;
  const parts = (look) => [look.subarray(0, boardBytes), look.subarray(boardBytes)];
  let [board, clocks] = parts(await pixels(view, strip)), changes = 0;
  const end = Date.now() + 6 * WAIT_MS;
  while (changes < 2) {
    if (Date.now() > end) assert.fail("the clock strip never changed twice during one think");
    await pause(50);
    const [b, c] = parts(await pixels(view, strip));
    if (differing(b, board) > 0) changes = 0;
    else if (differing(c, clocks) > 0) changes++;
    [board, clocks] = [b, c];
  }
  assert.deepEqual(view.errors, []);
  await view.context.close();
  await plain.close();
});

// The page's messages reach the worker through shared memory where the page is isolated, and as
// posted messages where it is not: both ways, the page's visibility stops and starts the clocks.
for (const isolated of [true, false])
test(`a hidden page is a switched-off handheld: its clocks stand still and run on when shown (${isolated ? "shared memory" : "posted messages"})`, async () => {
  const server = isolated ? site : await serve(SITE, {}, { isolated });
  const view = await openPage(browser, server.url, PHONE);
  assert.equal(await view.page.evaluate(() => VorlenDevice.stats.shared), isolated);
  await startGame(view);
  // Hidden just after White's clock turns, shown again past three of its seconds.
  const clocks = await pixels(view, CLOCKS);
  const turned = await until(view, CLOCKS, (look) => differing(look, clocks) > 0, "White's clock runs");
  await setHidden(view, true);
  await pause(3500);
  assert.equal(differing(await pixels(view, CLOCKS), turned), 0, "nothing is drawn while hidden");
  await setHidden(view, false);
  await pause(100);
  assert.equal(differing(await pixels(view, CLOCKS), turned), 0, "the clock shows the time it showed when hidden");
  await until(view, CLOCKS, (look) => differing(look, turned) > 0, "the clock runs on");
  assert.deepEqual(view.errors, []);
  await view.context.close();
  if (server !== site) await server.close();
});

test("from a server that cannot send the headers of isolation, the first start pauses in the worker's event loop, the next one from the kept copy in shared memory", async () => {
  const plain = await serve(SITE, {}, { isolated: false });
  const view = await openPage(browser, plain.url, PHONE);
  const sharing = (page) => page.evaluate(() => [crossOriginIsolated, VorlenDevice.stats.shared]);
  assert.deepEqual(await sharing(view.page), [false, false]);
  await startGame(view);
  await installed(view.page);
  const again = await view.context.newPage();
  await view.page.close();
  await again.setViewport(PHONE);
  await again.goto(plain.url);
  // The game started on the first page is kept, and comes back from the kept copy of the site.
  await again.waitForFunction(() => window.VorlenDevice && VorlenDevice.stats.frames > 0, { timeout: 2 * WAIT_MS });
  assert.deepEqual(await sharing(again), [true, true]);
  await view.context.close();
  await plain.close();
});

test("with a cached copy, a network that accepts and never answers still starts the game", async () => {
  const hanging = await serve(SITE);
  const { context, page } = await visit(browser, hanging.url, PHONE);
  await installed(page);
  hanging.hang();
  const again = await context.newPage();
  await page.close();
  await again.setViewport(PHONE);
  again.goto(hanging.url).catch(() => {});  // the page loads; the browser's look for a newer sw.js never ends
  await titleAnimates(again, "the title animates");
  await context.close();
  await hanging.close();
});

// Two fingers put down at a page point and spread apart, as a person zooming in does.
async function pinch(page, [x, y]) {
  const devtools = await page.createCDPSession();
  const fingers = (apart) => [{ x: x - apart, y, id: 1 }, { x: x + apart, y, id: 2 }];
  await devtools.send("Input.dispatchTouchEvent", { type: "touchStart", touchPoints: fingers(20) });
  for (let apart = 25; apart <= 150; apart += 5) {
    await devtools.send("Input.dispatchTouchEvent", { type: "touchMove", touchPoints: fingers(apart) });
    await pause(16);
  }
  await devtools.send("Input.dispatchTouchEvent", { type: "touchEnd", touchPoints: [] });
  await pause(300);
}

test("a pinch on the canvas does not zoom the page, as it zooms a plain page", async () => {
  for (const [url, zooms] of [[site.url, false], [site.url + "plain.html", true]]) {
    const { context, page } = await visit(browser, url, PHONE);
    if (!zooms) await page.waitForFunction(() => VorlenDevice.stats.frames > 0, { timeout: WAIT_MS });
    await pinch(page, [195, 300]);
    const scale = await page.evaluate(() => window.visualViewport.scale);
    assert.equal(scale > 1.1, zooms, `${url}: zoomed ${scale} times`);
    await context.close();
  }
});

test("the page: a main landmark, a heading, a labelled picture, and a keyboard's way to start again", async () => {
  const view = await openPage(browser, site.url, PHONE);
  const { page } = view;
  const shape = await page.evaluate(() => {
    const canvas = document.getElementById("screen");
    return { main: !!document.querySelector("main #screen"), heading: document.querySelector("main h1")?.textContent,
             role: canvas.getAttribute("role"), label: canvas.getAttribute("aria-label"),
             description: document.querySelector('meta[name="description"]')?.content };
  });
  assert.ok(shape.main && shape.heading.includes("vorlen") && shape.role === "img");
  assert.match(shape.label, /vorlen/);
  assert.ok(shape.description.length > 50);
  const manifest = await page.evaluate(async () => (await fetch("manifest.webmanifest")).json());
  assert.ok(manifest.id && manifest.display === "standalone" && manifest.screenshots.length >= 1);
  assert.ok(manifest.icons.some((icon) => icon.purpose === "maskable"));

  await startGame(view);
  await tap(view, QUIT);
  await page.waitForFunction(() => VorlenDevice.stats.ended, { timeout: WAIT_MS });
  assert.equal(await page.evaluate(() => document.activeElement.tagName + "#" + document.activeElement.id), "BUTTON#ended");
  await Promise.all([page.waitForNavigation(), page.keyboard.press("Enter")]);
  await page.waitForFunction(() => window.VorlenDevice && VorlenDevice.stats.frames > 0 && !VorlenDevice.stats.ended,
                             { timeout: WAIT_MS });
  assert.deepEqual(view.errors, []);
  await view.context.close();
});
