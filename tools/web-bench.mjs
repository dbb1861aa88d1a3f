// Prints the browser build's figures (run by tools/web-bench.sh, which builds what it reads):
// the site's download size, the time from load to the first presented frame, the work per
// frame of the title, play and slide screens in the browser, and the computer's choice at
// levels 4, 9 and 14 in the browser against the native build.
import fs from "node:fs";
import path from "node:path";
import zlib from "node:zlib";
import { execFileSync } from "node:child_process";
import { fileURLToPath } from "node:url";
import { serve, launch } from "../tests/web/site.mjs";

const ROOT = path.resolve(path.dirname(fileURLToPath(import.meta.url)), "..");
const WEB = path.join(ROOT, "build-web");
const LOADS = 5;               // page loads whose first-frame times are summarised
const ENGINE_RUNS = 3;         // engine benches on each side; each figure is the best of them
const PRESENT_MS = 3000;       // how long the title runs while presentation is timed
const LEVELS = [4, 9, 14];
const PROGRAM_TIMEOUT_MS = 300000;

// Median of numbers.
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// The bytes of every file of the site, as stored and as gzip sends them.
function siteSize() {
  let raw = 0, packed = 0;
  for (const name of fs.readdirSync(path.join(WEB, "site"), { recursive: true })) {
    const file = path.join(WEB, "site", name);
    if (!fs.statSync(file).isFile()) continue;
    const bytes = fs.readFileSync(file);
    raw += bytes.length;
    packed += zlib.gzipSync(bytes, { level: 9 }).length;
  }
  return { raw, packed };
}

// A page that runs one of the build's programs with arguments and keeps what it prints.
function programPage(program, args) {
  return `<!doctype html><meta charset="utf-8"><script>
var printed = [];
var Module = { arguments: ${JSON.stringify(args)}, print: (t) => printed.push(t), printErr: (t) => printed.push(t),
               postRun: [() => { window.finished = true; }] };
</script><script src="/bin/${program}.js"></script>`;
}

// What a program prints when run in the browser.
async function runInBrowser(browser, url, program, args) {
  const page = await browser.newPage();
  await page.goto(`${url}run-${program}.html`);
  await page.waitForFunction(() => window.finished, { timeout: PROGRAM_TIMEOUT_MS, polling: 500 });
  const printed = await page.evaluate(() => printed);
  await page.close();
  return printed.join("\n");
}

// Level -> { median, worst, nodes } from the engine tool's bench output.
function levelTimes(text) {
  const levels = {};
  for (const m of text.matchAll(/level\s+(\d+) depth \d+\s+time median\s+([\d.]+) ms worst\s+([\d.]+) ms\s+nodes median\s+(\d+) worst\s+(\d+)/g))
    levels[m[1]] = { median: Number(m[2]), worst: Number(m[3]), nodes: `${m[4]}/${m[5]}` };
  return levels;
}

// Keeps the lowest times per level seen so far.
function best(into, run) {
  for (const [level, t] of Object.entries(run)) {
    const kept = into[level];
    into[level] = kept ? { ...t, median: Math.min(kept.median, t.median), worst: Math.min(kept.worst, t.worst) } : t;
  }
}

const size = siteSize();
console.log(`site: ${(size.raw / 1024).toFixed(0)} KiB as stored, ${(size.packed / 1024).toFixed(0)} KiB gzip-compressed`);

const site = await serve(path.join(WEB, "site"));
const programs = await serve(WEB, {
  "/run-vorlen-engine.html": programPage("vorlen-engine", ["bench"]),
  "/run-bench-frames.html": programPage("bench-frames", []),
});
const browser = await launch();
try {
  const times = [];
  let present = 0;  // mean ms of one presentation on the page
  for (let i = 0; i < LOADS; i++) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.setViewport({ width: 360, height: 740, deviceScaleFactor: 3, isMobile: true, hasTouch: true });
    await page.goto(site.url);
    await page.waitForFunction(() => window.VorlenDevice && VorlenDevice.stats.frames > 0);
    times.push(await page.evaluate(() => VorlenDevice.stats.firstFrameMs));
    if (i === 0) {
      const before = await page.evaluate(() => ({ ...VorlenDevice.stats }));
      await new Promise((r) => setTimeout(r, PRESENT_MS));
      const after = await page.evaluate(() => ({ ...VorlenDevice.stats }));
      present = (after.presentMs - before.presentMs) / (after.frames - before.frames);
    }
    await context.close();
  }
  console.log(`load to first frame (localhost, ${LOADS} cold loads): median ${median(times).toFixed(0)} ms, ` +
              `worst ${Math.max(...times).toFixed(0)} ms`);
  console.log(`presenting a frame on the page (scan-out, colour spread, canvas): ${(present * 1000).toFixed(0)} us`);

  console.log("in the browser, " + (await runInBrowser(browser, programs.url, "bench-frames", [])).trim());

  const native = {}, browserRun = {};
  for (let run = 0; run < ENGINE_RUNS; run++) {
    best(native, levelTimes(execFileSync(path.join(ROOT, "build/bin/vorlen-engine"), ["bench"]).toString()));
    best(browserRun, levelTimes(await runInBrowser(browser, programs.url, "vorlen-engine", ["bench"])));
  }
  console.log(`computer's choice over the bench positions, median / worst ms, best of ${ENGINE_RUNS} (browser ÷ native):`);
  for (const level of LEVELS) {
    const n = native[level], b = browserRun[level];
    const same = n.nodes === b.nodes ? "same nodes" : `nodes differ: ${n.nodes} native, ${b.nodes} browser`;
    console.log(`  level ${String(level).padStart(2)}: native ${n.median} / ${n.worst}, browser ${b.median} / ${b.worst}, ` +
                `ratio ${(b.median / n.median).toFixed(2)} / ${(b.worst / n.worst).toFixed(2)} (${same})`);
  }
} finally {
  await browser.close();
  await site.close();
  await programs.close();
}
