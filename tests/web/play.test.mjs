// The game in headless Chromium, as a person plays it: the title animates, a tap opens the
// menu, New game shows the board, e2-e4 by touch or mouse moves the pawn and the computer
// answers, a refused move is refused, the speaker toggles, About and back, Quit ends the page.
// In a phone-sized window by touch, in a desktop-sized one with the mouse, with the 4-bit grey
// display, and again without a network after one visit.
import { test } from "node:test";
import assert from "node:assert/strict";
import path from "node:path";
import { fileURLToPath } from "node:url";
import { serve, serveForTests } from "./site.mjs";
import { WAIT_MS, square, cell, NEW_GAME, QUIT, ABOUT, SPEAKER, TITLE_START, openPage, visit, titleAnimates, pixels, differing, pause,
         until, settled, tap, pickUp, startGame, installed } from "./driver.mjs";

const SITE = process.env.VORLEN_SITE ||
  path.join(path.dirname(fileURLToPath(import.meta.url)), "../../build-web/site");
const PHONE = { width: 360, height: 740, deviceScaleFactor: 3, isMobile: true, hasTouch: true };
const DESKTOP = { width: 1280, height: 800, deviceScaleFactor: 1 };

let browser, site;
serveForTests(SITE, (s, b) => { site = s; browser = b; });

const BLACK_HALF = [0, 0, 240, 120];   // ranks 8 to 5
const SPEAKER_CORNER = [220, 300, 20, 20];
const BOARD = [0, 0, 240, 240];        // without the running clocks below it

// The whole first session: a move, the computer's answer, a refused move, the speaker, About,
// Quit.
async function play_session(view) {
  const { page } = view;
  const emptyE4 = await startGame(view);
  const pawnE2 = await pixels(view, cell("e2"));
  assert.ok(differing(pawnE2, emptyE4) > 50, "a pawn stands on e2");
  const blackBefore = await settled(view, BLACK_HALF);

  await pickUp(view, "e2");
  await tap(view, square("e4"));
  await until(view, cell("e4"), (look) => differing(look, pawnE2) < 30, "the pawn arrives on e4");
  await until(view, BLACK_HALF, (look) => differing(look, blackBefore) > 50, "the computer answers");
  const afterAnswer = await settled(view, BOARD);
  assert.ok(differing(await pixels(view, cell("e2")), emptyE4) < 30, "e2 is empty");
  assert.ok(await page.evaluate(() => VorlenDevice.stats.soundsStarted) > 0, "the moves were heard");

  // a2-a5 is no move: the pawn stays, the refusal is heard.
  await pickUp(view, "a2");
  await tap(view, square("a5"));
  await page.waitForFunction(() => VorlenDevice.stats.lastSound === "nope.wav", { timeout: WAIT_MS });
  await tap(view, square("a2"));  // put it down again
  await pause(300);
  assert.ok(differing(await settled(view, BOARD), afterAnswer) < 30, "the refused move changed nothing");

  const speakerOn = await pixels(view, SPEAKER_CORNER);
  await tap(view, SPEAKER);
  const speakerOff = await until(view, SPEAKER_CORNER, (look) => differing(look, speakerOn) > 5, "the speaker is crossed out");
  await tap(view, SPEAKER);
  await until(view, SPEAKER_CORNER, (look) => differing(look, speakerOff) > 5 && differing(look, speakerOn) === 0,
              "the speaker is back on");

  const board = await settled(view, BOARD);
  await tap(view, ABOUT);
  await until(view, BOARD, (look) => differing(look, board) > 10000, "About shows the rules");
  await settled(view, BOARD);
  await tap(view, [120, 100]);
  await until(view, BOARD, (look) => differing(look, board) < 30, "the board is back");

  await tap(view, QUIT);
  await page.waitForFunction(() => VorlenDevice.stats.ended, { timeout: WAIT_MS });
  assert.ok(await page.evaluate(() => !document.getElementById("ended").hidden), "the page says the game has ended");
}

test("a phone-sized window, by touch: a first session from title to Quit", async () => {
  const view = await openPage(browser, site.url, PHONE);
  const box = await view.page.evaluate(() => document.getElementById("screen").getBoundingClientRect().toJSON());
  assert.equal(box.left, 0, "edge to edge");
  assert.equal(box.width, PHONE.width);
  await play_session(view);
  assert.deepEqual(view.errors, []);
  await view.context.close();
});

test("a desktop-sized window, with the mouse: whole pixels, the letterbox ignored, title to Quit", async () => {
  const view = await openPage(browser, site.url, DESKTOP);
  const box = await view.page.evaluate(() => document.getElementById("screen").getBoundingClientRect().toJSON());
  assert.equal(box.width, 480, "twice the device's size");
  assert.equal(box.height, 640);
  await view.page.mouse.click(10, 10);  // in the letterbox, over the title's lower part's row
  await view.page.mouse.click(box.left - 5, box.top + 290 * 2);
  await pause(300);
  const title = await pixels(view, [0, 250, 240, 70]);
  assert.ok(differing(await settled(view, [0, 250, 240, 70]), title) === 0, "still the title");
  await play_session(view);
  assert.deepEqual(view.errors, []);
  await view.context.close();
});

test("the 4-bit grey display: greys only, and the menu opens", async () => {
  const view = await openPage(browser, site.url + "?display=grey4", DESKTOP);
  const title = await pixels(view);
  // Greys pass through RGB565, whose green has one bit more than red and blue.
  for (let i = 0; i < title.length; i += 4)
    if (title[i] !== title[i + 2] || Math.abs(title[i] - title[i + 1]) > 4) assert.fail(`pixel ${i / 4} is not grey`);
  await until(view, undefined, (look) => differing(look, title) > 100, "the title animates");
  await tap(view, TITLE_START);
  const menu = await settled(view);
  assert.ok(differing(menu, title) > 10000);
  assert.deepEqual(view.errors, []);
  await view.context.close();
});

test("after one visit the game starts without a network", async () => {
  const offline = await serve(SITE);
  const { context, page } = await visit(browser, offline.url, PHONE);
  await installed(page);
  await offline.close();
  await page.reload();
  await titleAnimates(page, "the title animates offline");
  await context.close();
});
