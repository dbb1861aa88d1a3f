// A new build of the site reaches the player whole or not at all: after a rebuild the next start
// runs the old build whole and the one after it the new one; a download of the new build cut
// short (a deploy half done, a proxy dropping the connection) is never kept, and the old build
// goes on starting until the new one is served whole; a new build that fails to start all the
// same gives the old one back; and with no build to go back to, the page says it cannot start.
import { test, before, after } from "node:test";
import assert from "node:assert/strict";
import crypto from "node:crypto";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import { fileURLToPath } from "node:url";
import { serve, launch } from "./site.mjs";
import { WAIT_MS, pause, installed, builds, keptBuilds } from "./driver.mjs";

const SITE = process.env.VORLEN_SITE ||
  path.join(path.dirname(fileURLToPath(import.meta.url)), "../../build-web/site");
const PHONE = { width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true };
const CUT = ["device.js", "worker.js"];  // the scripts a damaged download cuts short

let browser;
before(async () => { browser = await launch(); });
after(async () => { await browser?.close(); });

// A served copy of the site in a folder of its own, with a browser context of its own, for one
// test; visit() opens the site again in the context's one page (a new start of the game).
async function copyOfSite() {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), "vorlen-site-"));
  fs.cpSync(SITE, dir, { recursive: true });
  const server = await serve(dir);
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.setViewport(PHONE);
  const visit = async () => {
    await page.goto(server.url);
    return page;
  };
  const close = async () => {
    await context.close();
    await server.close();
    fs.rmSync(dir, { recursive: true, force: true });
  };
  return { dir, visit, close };
}

// The folder's site as a rebuild would leave it: every stamp of build from replaced by to, in
// the files and in the list's name, and the list's sizes and digests made for the new files.
function rebuild(dir, from, to) {
  for (const name of fs.readdirSync(dir, { recursive: true })) {
    const file = path.join(dir, name);
    if (!fs.statSync(file).isFile()) continue;
    const bytes = fs.readFileSync(file);
    const parts = bytes.toString("latin1").split(from);
    if (parts.length > 1) fs.writeFileSync(file, Buffer.from(parts.join(to), "latin1"));
  }
  fs.renameSync(path.join(dir, `files-${from}.json`), path.join(dir, `files-${to}.json`));
  relist(dir, to);
}

// Writes the build's list again from the files as they now are.
function relist(dir, build) {
  const list = path.join(dir, `files-${build}.json`);
  const { files } = JSON.parse(fs.readFileSync(list, "utf8"));
  for (const name of Object.keys(files)) {
    const bytes = fs.readFileSync(path.join(dir, name));
    files[name] = { size: bytes.length, sha256: crypto.createHash("sha256").update(bytes).digest("hex") };
  }
  fs.writeFileSync(list, JSON.stringify({ build, files }));
}

// Cuts each named file to its first half; resolves to their whole bytes, to put back later.
function cut(dir, names) {
  const whole = new Map(names.map((name) => [name, fs.readFileSync(path.join(dir, name))]));
  for (const [name, bytes] of whole) fs.writeFileSync(path.join(dir, name), bytes.subarray(0, bytes.length >> 1));
  return whole;
}

// Another stamp for a rebuild of build.
const another = (build) => build.split("").reverse().join("");

const whole = (build, stamp) => Object.values(build).every((b) => b === stamp);

// Waits for the browser's look for a newer service worker to end: resolves to "activated" when
// the newer build was installed and is in charge, "redundant" when its install failed.
function updateEnds(page) {
  return page.evaluate(async () => {
    const registration = await navigator.serviceWorker.getRegistration();
    const found = new Promise((r) => registration.addEventListener("updatefound", () => r(registration.installing), { once: true }));
    const worker = registration.installing || (await (registration.update().catch(() => {}), found));
    return new Promise((resolve) => {
      const look = () => ["activated", "redundant"].includes(worker.state) && resolve(worker.state);
      worker.addEventListener("statechange", look);
      look();
    });
  });
}

// Waits until the service worker remembers build as the last one that started.
async function goodBecomes(page, build) {
  await page.waitForFunction(async (build) => {
    const state = await (await caches.open("vorlen-state")).match("state.json");
    return !!state && (await state.json()).good === build;
  }, { timeout: WAIT_MS }, build);
}

// The builds of the game a page shows once its first frame is drawn, through the reloads a
// failed start may make.
async function startedBuild(page) {
  const end = Date.now() + 2 * WAIT_MS;
  for (;;) {
    const build = await page.evaluate(() => (window.VorlenDevice && VorlenDevice.stats.frames > 0 ? VorlenDevice.stats.build : null))
      .catch(() => null);  // the page was being loaded again
    if (build) return build;
    if (Date.now() > end) assert.fail("no build started");
    await pause(100);
  }
}

test("after a rebuild the next start runs the old build whole, the one after it the new build whole", async () => {
  const site = await copyOfSite();
  try {
    let page = await site.visit();
    const old = await installed(page);
    assert.ok(whole(await builds(page), old));
    await goodBecomes(page, old);

    const fresh = another(old);
    rebuild(site.dir, old, fresh);
    page = await site.visit();
    assert.ok(whole(await builds(page), old), "the first start after the rebuild is the kept build");
    assert.equal(await updateEnds(page), "activated");

    page = await site.visit();
    const build = await startedBuild(page);
    assert.ok(whole(build, fresh), `the next start is the new build: ${JSON.stringify(build)}`);
    await goodBecomes(page, fresh);
    page = await site.visit();
    await startedBuild(page);
    assert.equal(await installed(page), fresh, "once the new build has started, the old build's copy goes");
  } finally {
    await site.close();
  }
});

test("a new build whose scripts arrive cut short is never kept: the old build starts until the new one is served whole", async () => {
  const site = await copyOfSite();
  try {
    let page = await site.visit();
    const old = await installed(page);
    await goodBecomes(page, old);

    const fresh = another(old);
    rebuild(site.dir, old, fresh);
    const scripts = cut(site.dir, CUT);  // status 200, half the bytes
    for (let start = 0; start < 2; start++) {
      page = await site.visit();
      assert.equal(await updateEnds(page), "redundant", "the cut build's install fails");
      assert.ok(whole(await startedBuild(page), old), "the old build starts");
      assert.deepEqual(await keptBuilds(page), [old], "nothing of the cut build is kept");
      }

    for (const [name, bytes] of scripts) fs.writeFileSync(path.join(site.dir, name), bytes);
    page = await site.visit();
    assert.equal(await updateEnds(page), "activated", "the whole build installs");
    page = await site.visit();
    assert.ok(whole(await startedBuild(page), fresh), "the new build starts");
  } finally {
    await site.close();
  }
});

test("a new build kept whole that fails to start gives the old build back, and its copy is dropped", async () => {
  const site = await copyOfSite();
  try {
    let page = await site.visit();
    const old = await installed(page);
    await goodBecomes(page, old);

    // A build broken as built: its list holds the cut script's own size and digest.
    const broken = another(old);
    rebuild(site.dir, old, broken);
    cut(site.dir, ["device.js"]);
    relist(site.dir, broken);
    page = await site.visit();
    assert.equal(await updateEnds(page), "activated");

    page = await site.visit();
    assert.ok(whole(await startedBuild(page), old), "the page starts again on the old build");
    assert.deepEqual(await keptBuilds(page), [old], "the broken build's copy is dropped");
    page = await site.visit();
    assert.ok(whole(await startedBuild(page), old), "and later starts stay on the old build");
  } finally {
    await site.close();
  }
});

test("a start that fails with no other build kept says so, with a button to try again", async () => {
  const site = await copyOfSite();
  try {
    cut(site.dir, ["device.js"]);
    const page = await site.visit();
    await page.waitForFunction(() => !document.getElementById("notice").hidden, { timeout: WAIT_MS });
    const notice = await page.evaluate(() => [document.getElementById("notice-text").textContent,
                                              document.activeElement.textContent]);
    assert.match(notice[0], /could not start/);
    assert.equal(notice[1], "Try again");
  } finally {
    await site.close();
  }
});
