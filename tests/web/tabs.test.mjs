// One copy at a time: a second page of the site while one plays starts no second game but offers
// to play here; pressing it moves the game, and the first page offers it back; a game that has
// ended lets the next page start at once.
import { test } from "node:test";
import assert from "node:assert/strict";
import path from "node:path";
import { fileURLToPath } from "node:url";
import { serveForTests } from "./site.mjs";
import { WAIT_MS, QUIT, titleAnimates, startGame, tap, pause } from "./driver.mjs";

const SITE = process.env.VORLEN_SITE ||
  path.join(path.dirname(fileURLToPath(import.meta.url)), "../../build-web/site");
const PHONE = { width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true };

let browser, site;
serveForTests(SITE, (s, b) => { site = s; browser = b; });

// A new page of the site in a context (the pages of one context share their locks), in front.
async function open(context) {
  const page = await context.newPage();
  await page.bringToFront();
  await page.setViewport(PHONE);
  await page.goto(site.url);
  return page;
}

// Waits until the page's notice says what (looking by a timer: a page behind another draws no
// animation frames); resolves to its button's label.
async function notice(page, what) {
  await page.waitForFunction((what) => !document.getElementById("notice").hidden &&
    document.getElementById("notice-text").textContent.includes(what), { timeout: WAIT_MS, polling: 100 }, what);
  return page.evaluate(() => document.getElementById("notice-button").textContent);
}

// Whether the page runs a game: a worker of its own.
const runs = (page) => page.workers().length > 0;

// Waits until the page's game has stopped: its worker is gone.
async function stops(page) {
  for (const end = Date.now() + WAIT_MS; runs(page);) {
    if (Date.now() > end) assert.fail("the page's game did not stop");
    await pause(50);
  }
}

// Presses the notice's button on a page brought to the front, as the person looking at it would.
async function playHere(page) {
  await page.bringToFront();
  await page.click("#notice-button");
}

test("a second page offers to play here and moves the game when pressed, and the first takes it back", async () => {
  const context = await browser.createBrowserContext();
  const first = await open(context);
  await titleAnimates(first, "the first page plays");

  const second = await open(context);
  assert.equal(await notice(second, "open in another tab"), "Play here");
  assert.ok(!runs(second), "the second page starts no game");
  assert.equal(await second.evaluate(() => VorlenDevice.stats.frames), 0);

  await playHere(second);
  assert.equal(await notice(first, "moved to another tab"), "Play here");
  await titleAnimates(second, "the second page plays");
  await stops(first);
  assert.ok(await second.evaluate(() => document.getElementById("notice").hidden));

  await playHere(first);
  assert.equal(await notice(second, "moved to another tab"), "Play here");
  const frames = await first.evaluate(() => VorlenDevice.stats.frames);
  await first.waitForFunction((frames) => VorlenDevice.stats.frames > frames, { timeout: WAIT_MS }, frames);
  await stops(second);
  await context.close();
});

test("a game that has ended lets a new page start at once", async () => {
  const context = await browser.createBrowserContext();
  const first = await open(context);
  const view = { page: first, touch: true };
  await startGame(view);
  await tap(view, QUIT);
  await first.waitForFunction(() => VorlenDevice.stats.ended, { timeout: WAIT_MS });
  const second = await open(context);
  await titleAnimates(second, "the new page plays");
  await context.close();
});
