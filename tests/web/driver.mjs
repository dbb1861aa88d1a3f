// Playing the game in a page as a person does, for the browser tests, the screenshot tool and
// the benchmark: opening the page, looking at the canvas, tapping device points by touch or
// mouse, and waiting for the screen to change or settle.
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";

export const WAIT_MS = 10000;  // the longest any one step may take

// The screens' tap rectangles ([x0, y0, x1, y1], both corners included) and the board's squares
// as the native build writes them from the game's own layout (build/bin/layout.json, made with
// the pictures), and the device point in the middle of a rectangle.
export const LAYOUT = JSON.parse(readFileSync(new URL("../../build/bin/layout.json", import.meta.url), "utf8"));
export const middle = ([x0, y0, x1, y1]) => [Math.floor((x0 + x1) / 2), Math.floor((y0 + y1) / 2)];

// The cell of a board square named like "e2" as [x, y, width, height], and device points of the
// game's screens: the middle of a board square, the title's strip (any tap below the board opens
// the menu), New game and the panel's buttons.
const { square_size: SQUARE_SIZE, rank_offset: RANK_OFFSET } = LAYOUT.board;
export const cell = (name) => [SQUARE_SIZE * (name.charCodeAt(0) - 97), RANK_OFFSET - SQUARE_SIZE * (Number(name[1]) - 1),
  SQUARE_SIZE, SQUARE_SIZE];
export const square = (name) => [cell(name)[0] + SQUARE_SIZE / 2, cell(name)[1] + SQUARE_SIZE / 2];
export const TITLE_START = middle(LAYOUT.title.start), NEW_GAME = middle(LAYOUT.menu.new_game);
export const QUIT = middle(LAYOUT.panel.quit), ABOUT = middle(LAYOUT.panel.about), SPEAKER = middle(LAYOUT.panel.sound);

// Loads the page in a fresh browser context's window of this size, without waiting for the game.
export async function visit(browser, url, viewport) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.bringToFront();  // a page behind another may have its timers throttled
  await page.setViewport(viewport);
  await page.goto(url);
  return { context, page };
}

// Opens the page in a fresh window of this size and waits for its first frame.
export async function openPage(browser, url, viewport) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  const errors = [];
  page.on("pageerror", (e) => errors.push(e.message));
  await page.bringToFront();
  await page.setViewport(viewport);
  await page.goto(url);
  await page.waitForFunction(() => window.VorlenDevice && VorlenDevice.stats.frames > 0, { timeout: WAIT_MS });
  return { page, context, errors, touch: !!viewport.hasTouch };
}

// Waits for the page's first frame, then for the title to move: the game runs.
export async function titleAnimates(page, what) {
  await page.waitForFunction(() => window.VorlenDevice && VorlenDevice.stats.frames > 0, { timeout: WAIT_MS });
  const view = { page, touch: true };
  const first = await pixels(view);
  await until(view, undefined, (look) => differing(look, first) > 100, what);
}

// The canvas's pixels in a device rectangle (default the whole picture), as RGBA bytes (sent
// from the page as base64, far lighter than a list of numbers).
export async function pixels({ page }, [x, y, w, h] = [0, 0, 240, 320]) {
  const packed = await page.evaluate((x, y, w, h) => {
    const data = document.getElementById("screen").getContext("2d").getImageData(x, y, w, h).data;
    let text = "";
    for (let i = 0; i < data.length; i += 8192) text += String.fromCharCode.apply(null, data.subarray(i, i + 8192));
    return btoa(text);
  }, x, y, w, h);
  return new Uint8Array(Buffer.from(packed, "base64"));
}

// How many pixels of two looks at the same rectangle differ.
export function differing(a, b) {
  let count = 0;
  for (let i = 0; i < a.length; i += 4)
    if (a[i] !== b[i] || a[i + 1] !== b[i + 1] || a[i + 2] !== b[i + 2]) count++;
  return count;
}

export const pause = (ms) => new Promise((r) => setTimeout(r, ms));

// Looks at a rectangle until test(look) holds; fails after WAIT_MS.
export async function until(view, rect, check, what) {
  const end = Date.now() + WAIT_MS;
  for (;;) {
    const look = await pixels(view, rect);
    if (check(look)) return look;
    if (Date.now() > end) assert.fail(`timed out waiting until ${what}`);
    await pause(50);
  }
}

// Two looks a few frames apart are the same: the screen has settled.
export async function settled(view, rect = undefined) {
  let last = await pixels(view, rect);
  const end = Date.now() + WAIT_MS;
  for (;;) {
    await pause(150);
    const look = await pixels(view, rect);
    if (differing(look, last) === 0) return look;
    if (Date.now() > end) assert.fail("the screen did not settle");
    last = look;
  }
}

// Where a device point lies on the page, by the canvas's place.
export async function pagePoint({ page }, [x, y]) {
  const box = await page.evaluate(() => {
    const r = document.getElementById("screen").getBoundingClientRect();
    return { left: r.left, top: r.top, width: r.width, height: r.height };
  });
  return [box.left + (x + 0.5) * box.width / 240, box.top + (y + 0.5) * box.height / 320];
}

// A tap at a device point: a finger on a touch window, the left button otherwise.
export async function tap(view, point) {
  const [x, y] = await pagePoint(view, point);
  if (view.touch) await view.page.touchscreen.tap(x, y);
  else await view.page.mouse.click(x, y);
}

// From the animated title to the settled menu; resolves to the menu's look.
export async function toMenu(view) {
  const title = await pixels(view);
  await until(view, undefined, (look) => differing(look, title) > 100, "the title animates");
  await tap(view, TITLE_START);
  return settled(view);
}

// A tap on a menu cell, then the wait until the menu frames it. The game reads one tap a frame,
// the last one it was given, so a second tap sent before the first is drawn could replace it.
export async function choose(view, cell) {
  const before = await pixels(view);
  await tap(view, middle(cell));
  return until(view, undefined, (look) => differing(look, before) > 0, "the menu frames the choice");
}

// A tap on a board square's piece, then the wait until its square flashes: picked up (the next
// tap must not reach the game within the same frame).
export async function pickUp(view, name) {
  const before = await pixels(view, cell(name));
  await tap(view, square(name));
  await until(view, cell(name), (look) => differing(look, before) > 0, `the piece on ${name} is picked up`);
}

// From the title to the menu, there choosing the computer for both sides at a level (0..14).
export async function chooseComputerGame(view, level) {
  await toMenu(view);
  await choose(view, LAYOUT.menu.players[0]);
  await choose(view, LAYOUT.menu.level[level]);
}

// From the title to a new game's board.
export async function startGame(view) {
  const first = await pixels(view);
  const menu = await toMenu(view);
  assert.ok(differing(menu, first) > 10000, "the menu replaced the title");
  await tap(view, NEW_GAME);
  await until(view, undefined, (look) => differing(look, menu) > 10000, "the board replaces the menu");
  return settled(view, cell("e4"));
}


// The builds the service worker keeps whole or in part, by their stamps.
export function keptBuilds(page) {
  return page.evaluate(async () => (await caches.keys()).filter((name) => /^vorlen-[0-9a-f]{12}$/.test(name))
    .map((name) => name.slice("vorlen-".length)));
}

// Waits until this page's service worker keeps one build and is in charge; resolves to the build.
export async function installed(page) {
  await page.waitForFunction(async () => {
    const registration = await navigator.serviceWorker.getRegistration();
    return registration && registration.active && registration.active.state === "activated" &&
      !registration.installing && !registration.waiting &&
      (await caches.keys()).filter((name) => /^vorlen-[0-9a-f]{12}$/.test(name)).length === 1;
  }, { timeout: WAIT_MS });
  return (await keptBuilds(page))[0];
}

// The builds the page, its scripts and the WebAssembly carry, once the worker has loaded them.
export async function builds(page) {
  await page.waitForFunction(() => window.VorlenDevice && VorlenDevice.stats.build, { timeout: WAIT_MS });
  return page.evaluate(() => VorlenDevice.stats.build);
}
