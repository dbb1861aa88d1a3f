// Prints the browser build's figures (run by tools/bench/web.sh, which builds what it reads):
// the site's download size, the time from load to the first presented frame (also with the CPU
// slowed four times), the share of a core each screen costs against a still canvas, the
// longest task on the page's thread while the computer plays itself, Lighthouse's and axe's
// verdicts, the work per frame in the browser, and the computer's choice at levels 4, 9 and 14
// in the browser against the native build.
import fs from "node:fs";
import path from "node:path";
import zlib from "node:zlib";
import { execFileSync } from "node:child_process";
import { fileURLToPath } from "node:url";
import { serve, launch } from "../../../tests/web/site.mjs";
import { openPage, pixels, differing, pause, tap, startGame, toMenu, chooseComputerGame, installed, NEW_GAME }
  from "../../../tests/web/driver.mjs";
import lighthouse from "lighthouse";

const ROOT = path.resolve(path.dirname(fileURLToPath(import.meta.url)), "../../..");
const WEB = path.join(ROOT, "build-web");
const LOADS = 5;               // page loads whose first-frame times are summarised
const ENGINE_RUNS = 3;         // engine benches on each side; each figure is the best of them
const PRESENT_MS = 3000;       // how long the title runs while presentation is timed
const LEVELS = [4, 9, 14];
const PROGRAM_TIMEOUT_MS = 300000;
const PHONE = { width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true };
const CPU_MS = 10000;          // how long each screen's share of a core is measured
const CPU_RUNS = 3;            // measures per screen; the median counts
const SELF_PLAY_MS = 120000;   // how long the computer plays itself while the page's tasks are watched
const TICKS_PER_SECOND = 100;  // of /proc's CPU times
// A page with a still canvas of the same size: the floor of what a page costs.
const STILL_PAGE = `<!doctype html><meta charset="utf-8"><meta name="viewport" content="width=device-width">
<canvas id="screen" width="240" height="320" style="width:390px;height:520px"></canvas>
<script>const c = document.getElementById("screen").getContext("2d"); c.fillStyle = "#964"; c.fillRect(0, 0, 240, 320);</script>`;
// The same page with a worker that wakes every 30 ms and does nothing: what the game's pace of
// one pause a frame costs by itself, whatever the game does when it wakes; by a timer of its
// event loop (the game's pause on a page that is not isolated) or in Atomics.wait (one that is).
const workerPage = (code) => STILL_PAGE + `<script>new Worker(URL.createObjectURL(new Blob([${JSON.stringify(code)}])));</script>`;
const WAKING_PAGE = workerPage("const wake = () => setTimeout(wake, 30); wake();");
const WAKING_SHARED_PAGE = workerPage("const a = new Int32Array(new SharedArrayBuffer(4)); for (;;) Atomics.wait(a, 0, 0, 30);");
// The still page putting a new 60 x 20 patch into its canvas once each ms milliseconds: what
// this browser's drawing costs by itself, whatever draws (a person's turn's clock: 1000; the
// title: 30).
const patchPage = (ms) => STILL_PAGE + `<script>let n = 0; const patch = c.createImageData(60, 20);
setInterval(() => { patch.data.fill(++n % 256); c.putImageData(patch, 90, 240); }, ${ms});</script>`;

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
  for (const m of text.matchAll(/level\s+(\d+) depth \d+\s+nodes\s+(\d+)\s+([\d.]+) ms/g))
    levels[m[1]] = { ms: Number(m[3]), nodes: m[2] };
  return levels;
}

// Keeps the lowest time per level seen so far.
function best(into, run) {
  for (const [level, t] of Object.entries(run)) into[level] = into[level] && into[level].ms < t.ms ? into[level] : t;
}

// CPU seconds so far of the browser's renderer, GPU and audio processes, each kind apart (its
// descendants but its network and storage services; renderers are the zygote's children), from /proc.
function childCpuSeconds(browserPid) {
  const processes = new Map();  // pid -> { parent, command, seconds }
  for (const pid of fs.readdirSync("/proc").filter((name) => /^\d+$/.test(name))) {
    try {
      const stat = fs.readFileSync(`/proc/${pid}/stat`, "utf8");
      const fields = stat.slice(stat.lastIndexOf(")") + 2).split(" ");
      processes.set(Number(pid), { parent: Number(fields[1]), command: fs.readFileSync(`/proc/${pid}/cmdline`, "utf8"),
                                   seconds: (Number(fields[11]) + Number(fields[12])) / TICKS_PER_SECOND });
    } catch (e) { /* it ended meanwhile */ }
  }
  const descends = (pid) => {
    for (let p = processes.get(pid); p; p = processes.get(p.parent)) if (p.parent === browserPid) return true;
    return false;
  };
  const seconds = { renderer: 0, gpu: 0, audio: 0 };
  for (const [pid, p] of processes) {
    if (!descends(pid)) continue;
    const kind = /--type=renderer/.test(p.command) ? "renderer" : /--type=gpu-process/.test(p.command) ? "gpu"
      : /AudioService/.test(p.command) ? "audio" : null;
    if (kind) seconds[kind] += p.seconds;
  }
  return seconds;
}

// The share of one core (percent) that a fresh browser showing one screen costs, median of runs
// of the sum, with the renderer's, GPU's and audio's shares of that run.
async function screenCpu(url, reach) {
  const shares = [];
  for (let run = 0; run < CPU_RUNS; run++) {
    const browser = await launch();
    try {
      if (reach) await reach(await openPage(browser, url, PHONE));
      else await (await browser.newPage()).goto(url);
      await pause(1000);
      const pid = browser.process().pid, before = childCpuSeconds(pid), started = Date.now();
      await pause(CPU_MS);
      const after = childCpuSeconds(pid), seconds = (Date.now() - started) / 1000;
      const share = {};
      for (const kind of Object.keys(after)) share[kind] = 100 * (after[kind] - before[kind]) / seconds;
      share.total = share.renderer + share.gpu + share.audio;
      shares.push(share);
    } finally {
      await browser.close();
    }
  }
  return shares.sort((a, b) => a.total - b.total)[Math.floor(shares.length / 2)];
}

// Ms from the start of loading to the first frame of a start served by the service worker's
// copy while the server accepts and never answers.
async function hangingStart(browser) {
  const hanging = await serve(path.join(WEB, "site"));
  const context = await browser.createBrowserContext();
  const first = await context.newPage();
  await first.goto(hanging.url);
  await installed(first);
  hanging.hang();
  const page = await context.newPage();
  await first.close();
  await page.setViewport(PHONE);
  page.goto(hanging.url).catch(() => {});
  await page.waitForFunction(() => window.VorlenDevice && VorlenDevice.stats.frames > 0, { timeout: 60000 });
  const ms = await page.evaluate(() => VorlenDevice.stats.firstFrameMs);
  await context.close();
  await hanging.close();
  return ms;
}

// Hides the page behind another tab.
async function hide(view) {
  const other = await view.context.newPage();
  await other.bringToFront();
}

// The computer plays itself at level 14 while the page's long tasks are counted, and the clock
// strip is looked at while the board stands still; resolves to the figures.
async function selfPlay(browser, url) {
  const view = await openPage(browser, url, PHONE);
  await chooseComputerGame(view, 14);
  await view.page.evaluate(() => {
    window.longTasks = [];
    new PerformanceObserver((list) => { for (const e of list.getEntries()) window.longTasks.push(e.duration); })
      .observe({ type: "longtask" });
  });
  await tap(view, NEW_GAME);
  const board = [0, 0, 240, 240], clocks = [0, 240, 240, 20];
  let lastBoard = await pixels(view, board), lastClocks = await pixels(view, clocks);
  let still = Date.now(), longestStillTick = 0, moves = 0;
  const end = Date.now() + SELF_PLAY_MS;
  while (Date.now() < end) {
    await pause(100);
    const b = await pixels(view, board), c = await pixels(view, clocks);
    if (differing(b, lastBoard) > 0) { still = Date.now(); moves++; }
    else if (differing(c, lastClocks) > 0) longestStillTick = Math.max(longestStillTick, Date.now() - still);
    lastBoard = b, lastClocks = c;
  }
  const tasks = await view.page.evaluate(() => window.longTasks);
  await view.context.close();
  return { tasks, moves, longestStillTick };
}

// Lighthouse's scores (mobile, its default) for the page, and axe-core's violations.
// Lighthouse goes after axe: once it has run, the browser takes no new context.
async function audits(browser, url) {
  const view = await openPage(browser, url, PHONE);
  await view.page.addScriptTag({ path: path.join(ROOT, "tools/bench/web/node_modules/axe-core/axe.min.js") });
  const violations = await view.page.evaluate(async () => (await axe.run()).violations.map((v) => v.id));
  await view.context.close();
  const port = Number(new URL(browser.wsEndpoint()).port);
  const result = await lighthouse(url, { port, output: "json", logLevel: "error",
                                         onlyCategories: ["accessibility", "best-practices", "seo"] });
  const scores = Object.fromEntries(Object.values(result.lhr.categories).map((c) => [c.id, Math.round(c.score * 100)]));
  const failed = Object.values(result.lhr.audits).filter((a) => a.score !== null && a.score < 1 &&
    a.scoreDisplayMode === "binary").map((a) => a.id);
  return { scores, failed, violations };
}

// The parts to measure, all by default: node bench.mjs [load] [cpu] [play] [audits] [engine]
const PARTS = process.argv.length > 2 ? new Set(process.argv.slice(2)) : new Set(["load", "cpu", "play", "audits", "engine"]);

const size = siteSize();
console.log(`site: ${(size.raw / 1024).toFixed(0)} KiB as stored, ${(size.packed / 1024).toFixed(0)} KiB gzip-compressed`);

const site = await serve(path.join(WEB, "site"));
const plainSite = await serve(path.join(WEB, "site"), {}, { isolated: false });  // as a first visit to a plain server
const programs = await serve(WEB, {
  "/run-vorlen-engine.html": programPage("vorlen-engine", ["bench"]),
  "/run-bench-frames.html": programPage("bench-frames", []),
  "/still.html": STILL_PAGE,
  "/waking.html": WAKING_PAGE,
  "/waking-shared.html": WAKING_SHARED_PAGE,
  "/patch-each-second.html": patchPage(1000),
  "/patch-each-frame.html": patchPage(30),
});
const browser = await launch();
try {
  for (const throttle of PARTS.has("load") ? [1, 4] : []) {
    const times = [];
    for (let i = 0; i < LOADS; i++) {
      const context = await browser.createBrowserContext();
      const page = await context.newPage();
      await page.setViewport(PHONE);
      await page.emulateCPUThrottling(throttle);
      await page.goto(site.url);
      await page.waitForFunction(() => window.VorlenDevice && VorlenDevice.stats.frames > 0, { timeout: 60000 });
      times.push(await page.evaluate(() => VorlenDevice.stats.firstFrameMs));
      await context.close();
    }
    console.log(`load to first frame (localhost, ${LOADS} cold loads${throttle > 1 ? `, CPU slowed ${throttle}x` : ""}): ` +
                `median ${median(times).toFixed(0)} ms, worst ${Math.max(...times).toFixed(0)} ms`);
  }
  if (PARTS.has("load")) {
    console.log(`a kept copy's start with a network that never answers: first frame ${(await hangingStart(browser)).toFixed(0)} ms`);
    const view = await openPage(browser, site.url, PHONE);
    const before = await view.page.evaluate(() => ({ ...VorlenDevice.stats }));
    await pause(PRESENT_MS);
    const after = await view.page.evaluate(() => ({ ...VorlenDevice.stats }));
    const present = (after.presentMs - before.presentMs) / (after.frames - before.frames);
    console.log(`presenting a title frame in the worker (scan-out, changed part, colour spread): ${(present * 1000).toFixed(0)} us`);
    await view.context.close();
  }

  if (PARTS.has("cpu")) {
    console.log(`share of one core, renderer + GPU + audio processes, median of ${CPU_RUNS} ${CPU_MS / 1000} s measures:`);
    const still = await screenCpu(programs.url + "still.html", null);
    // Each row: a page (measured as it is) or a screen of the game, the way to reach it and the
    // site (isolated, so the game pauses in shared memory, or not, so it pauses in its event loop).
    const page = (file) => [programs.url + file, null];
    const screens = [["a still canvas page", page("still.html")], ["still page, a worker waking", page("waking.html")],
                     ["still page, a worker waking, shared", page("waking-shared.html")],
                     ["still page, a patch drawn each second", page("patch-each-second.html")],
                     ["still page, a patch drawn every 30 ms", page("patch-each-frame.html")],
                     ["title (animated)", [site.url, async () => {}]], ["menu", [site.url, toMenu]],
                     ["menu, not isolated", [plainSite.url, toMenu]],
                     ["a person's turn", [site.url, startGame]], ["a person's turn, not isolated", [plainSite.url, startGame]],
                     ["a person's turn, page hidden", [site.url, async (view) => {
                       await startGame(view);
                       await hide(view);
                     }]]];
    for (const [name, [url, reach]] of screens) {
      const share = name === screens[0][0] ? still : await screenCpu(url, reach);
      console.log(`  ${name.padEnd(40)} ${share.total.toFixed(1)}% (renderer ${share.renderer.toFixed(1)}, GPU ` +
                  `${share.gpu.toFixed(1)}, audio ${share.audio.toFixed(1)})` +
                  (share === still ? "" : `, ${(share.total - still.total).toFixed(1)} points over the still page`));
    }
  }

  if (PARTS.has("play")) {
    const play = await selfPlay(browser, site.url);
    const over = play.tasks.filter((ms) => ms > 50);
    console.log(`the computer playing itself at level 14 for ${SELF_PLAY_MS / 1000} s (${play.moves} board changes): ` +
                `${over.length} page tasks over 50 ms, longest ${Math.max(0, ...play.tasks).toFixed(0)} ms; ` +
                `the clock strip changed ${(play.longestStillTick / 1000).toFixed(1)} s into a think at the longest`);
  }

  if (PARTS.has("engine")) {
    console.log("in the browser, " + (await runInBrowser(browser, programs.url, "bench-frames", [])).trim());

    const native = {}, browserRun = {};
    for (let run = 0; run < ENGINE_RUNS; run++) {
      best(native, levelTimes(execFileSync(path.join(ROOT, "build/bin/vorlen-engine"), ["bench"]).toString()));
      best(browserRun, levelTimes(await runInBrowser(browser, programs.url, "vorlen-engine", ["bench"])));
    }
    console.log(`computer's choice over the bench positions, ms, best of ${ENGINE_RUNS} (browser ÷ native):`);
    for (const level of LEVELS) {
      const n = native[level], b = browserRun[level];
      const same = n.nodes === b.nodes ? "same nodes" : `nodes differ: ${n.nodes} native, ${b.nodes} browser`;
      console.log(`  level ${String(level).padStart(2)}: native ${n.ms}, browser ${b.ms}, ratio ${(b.ms / n.ms).toFixed(2)} (${same})`);
    }
  }
  // Last, since Lighthouse leaves the browser taking no new context.
  if (PARTS.has("audits")) {
    const verdict = await audits(browser, site.url);
    console.log(`Lighthouse 12.2.3, mobile: ${Object.entries(verdict.scores).map(([k, v]) => `${k} ${v}`).join(", ")}; ` +
                `failed audits: ${verdict.failed.join(", ") || "none"}`);
    console.log(`axe-core 4.14: violations: ${verdict.violations.join(", ") || "none"}`);
  }
} finally {
  await browser.close();
  await site.close();
  await plainSite.close();
  await programs.close();
}
