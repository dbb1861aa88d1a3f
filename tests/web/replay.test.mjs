// A recorded session replayed into the page shows what the headless device presents: held at a
// frame, the canvas is vorlen-replay's picture of that frame, pixel for pixel; and a replay that
// cannot be had is a fault of the page, never a game played instead.
import { test } from "node:test";
import assert from "node:assert/strict";
import { spawnSync } from "node:child_process";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import { fileURLToPath } from "node:url";
import { serveForTests } from "./site.mjs";
import { WAIT_MS, pixels, differing, pause } from "./driver.mjs";

const HERE = path.dirname(fileURLToPath(import.meta.url));
const SITE = process.env.VORLEN_SITE || path.join(HERE, "../../build-web/site");
const REPLAY = process.env.VORLEN_REPLAY_PROGRAM || path.join(HERE, "../../build/bin/vorlen-replay");
const SESSIONS = path.join(HERE, "../sessions");
const DESKTOP = { width: 800, height: 600, deviceScaleFactor: 1 };
const BROKEN = "vorlen-session 1\ndisplay packed\n500 fly 1 2\n";

let browser, site;
// Every recorded session is served beside the page, with one that is not well formed.
serveForTests(SITE, (s, b) => { site = s; browser = b; }, () => {
  const served = { "/sessions/broken.session": BROKEN };
  for (const name of fs.readdirSync(SESSIONS).filter((file) => file.endsWith(".session")))
    served[`/sessions/${name}`] = fs.readFileSync(path.join(SESSIONS, name), "utf8");
  return served;
});

// The headless device's picture of a session's frame: 240 x 320 RGBA from vorlen-replay.
function headlessFrame(session, frame) {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), "vorlen-replay-"));
  try {
    const file = path.join(dir, "frame.rgba");
    const run = spawnSync(REPLAY, ["--pixels", String(frame), file, path.join(SESSIONS, `${session}.session`)],
                          { encoding: "utf8" });
    assert.ok(run.status === 0 || run.status === 1, `vorlen-replay ${session}: ${run.error || run.stderr}`);
    return new Uint8Array(fs.readFileSync(file));
  } finally {
    fs.rmSync(dir, { recursive: true, force: true });
  }
}

// Opens the page replaying a session; resolves to the page and the errors it raises. Pages share
// the browser's first context (this Chromium failed to make a seventh context after six were closed).
async function openReplay(session, hold) {
  const page = await browser.defaultBrowserContext().newPage();
  const errors = [];
  page.on("pageerror", (e) => errors.push(e.message));
  await page.setViewport(DESKTOP);
  await page.goto(`${site.url}?session=${session}&hold=${hold}`);
  return { page, errors };
}

// The canvas once the page's replay of a session holds a frame.
async function pageFrame(session, frame) {
  const view = await openReplay(session, frame);
  try {
    await view.page.waitForFunction((frame) => VorlenDevice.stats.held === frame, { timeout: WAIT_MS * 3 }, frame);
    assert.deepEqual(view.errors, []);
    return await pixels(view);
  } finally {
    await view.page.close();
  }
}

// Frames of the menu and About session: the title animating, the board, About and the board
// again; and of the grey2 session, the board after the computer's answer.
const FRAMES = [["menu-and-about", [10, 53, 117, 147]], ["layout-grey2", [227]]];

test("held at a frame, the replayed page's canvas is the headless device's frame, pixel for pixel", async () => {
  for (const [session, frames] of FRAMES) {
    let previous = null;
    for (const frame of frames) {
      const expected = headlessFrame(session, frame);
      assert.equal(expected.length, 240 * 320 * 4);
      const shown = await pageFrame(session, frame);
      assert.equal(differing(shown, expected), 0, `${session} frame ${frame}: pixels differ`);
      assert.ok(Buffer.from(shown).equals(Buffer.from(expected)), `${session} frame ${frame}: bytes differ`);
      if (previous) assert.ok(differing(shown, previous) > 0, `${session} frame ${frame} shows something new`);
      previous = shown;
    }
  }
});

test("a session that cannot be fetched or read is refused as the page's fault, and no game runs", async () => {
  for (const [session, why] of [["no-such", "cannot fetch sessions/no-such.session"], ["..%2Fsw", "cannot fetch"],
                                ["broken", "line 3"]]) {
    const view = await openReplay(session, 0);
    try {
      const end = Date.now() + WAIT_MS;
      while (!view.errors.length && Date.now() < end) await pause(50);
      assert.ok(view.errors.some((e) => e.includes(why)), `${session}: ${view.errors.join("; ") || "no error"}`);
      assert.equal(await view.page.evaluate(() => VorlenDevice.stats.frames), 0, `${session}: no frame was drawn`);
    } finally {
      await view.page.close();
    }
  }
});
