// Prints how long the browser takes to resume kept games: each kept text named on the command
// line (as build/bin/bench-resume makes them natively; it removes its own once timed) is given
// this build's name, stored in the site's IndexedDB as the page stores it, and the page opened
// again; the time from the start of loading to the first frame shown (the kept one) is timed over
// a few starts served by the service worker, and the growth of the profile's IndexedDB folder on
// disk is read. Needs the built site (tools/web.sh) and tests/web's packages (npm ci there).
//   node tools/bench/web/resume.mjs KEPT...
import fs from "node:fs";
import path from "node:path";
import { fileURLToPath } from "node:url";
import { serve, launch } from "../../../tests/web/site.mjs";

const SITE = path.resolve(path.dirname(fileURLToPath(import.meta.url)), "../../../build-web/site");
const STARTS = 3;  // starts per kept text; the median counts
const PHONE = { width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true };

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// A page of the site, once its first frame is shown.
async function open(context, url) {
  const page = await context.newPage();
  await page.setViewport(PHONE);
  await page.goto(url);
  try {
    await page.waitForFunction(() => window.VorlenDevice && VorlenDevice.stats.frames > 0, { timeout: 60000 });
  } catch (e) {
    const state = await page.evaluate(() => JSON.stringify({ stats: window.VorlenDevice && VorlenDevice.stats, text: document.body.innerText }));
    throw new Error(`no frame shown: ${state}`);
  }
  return page;
}

// Stores text as the kept game from page, then closes the page (which lets the game go).
async function store(page, text) {
  await page.evaluate((kept) => VorlenKept.write(kept).then(() => VorlenKept.settled()), text);
  await page.close();
}

// The bytes of the browser profile's IndexedDB folder on disk.
function indexedBytes(browser) {
  const profile = browser.process().spawnargs.find((a) => a.startsWith("--user-data-dir=")).slice(16);
  const folder = path.join(profile, "Default", "IndexedDB");
  let bytes = 0;
  if (!fs.existsSync(folder)) return 0;
  for (const name of fs.readdirSync(folder, { recursive: true })) {
    const stat = fs.statSync(path.join(folder, name));
    if (stat.isFile()) bytes += stat.size;
  }
  return bytes;
}

const site = await serve(SITE);
const browser = await launch();
const context = browser.defaultBrowserContext();  // on the profile's disk, so its storage can be measured
let page = await open(context, site.url);
const build = await page.evaluate(() => VorlenDevice.stats.build.page);
const empty = indexedBytes(browser);
console.log(`kept games resumed in headless Chromium (${await browser.version()}), ${STARTS} starts each`);
console.log(["kept text", "kept bytes", "IndexedDB bytes on disk", "first frame ms (median, all)"].join("  |  "));
for (const file of process.argv.slice(2)) {
  const text = fs.readFileSync(file, "utf8").replace(/^(vorlen-kept 1\nbuild ).*/, `$1web ${build}`);
  const times = [];
  let stored = 0;
  for (let i = 0; i < STARTS; ++i) {
    await store(page, text);
    page = await open(context, site.url);
    const stats = await page.evaluate(() => ({ ...VorlenDevice.stats }));
    if (stats.refused) throw new Error(`${file} was not resumed: ${stats.refused}`);
    times.push(stats.firstFrameMs);
    if (i === 0) stored = indexedBytes(browser) - empty;
  }
  console.log(`${path.basename(file)}  |  ${text.length}  |  ${stored}  |  ${median(times).toFixed(0)} (${times.map((t) => t.toFixed(0)).join(", ")})`);
}
await browser.close();
await site.close();
