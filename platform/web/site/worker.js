// The game's side of the browser device: the worker the game runs in, so that however long the
// computer thinks, the page's own thread stays free. The C++ device (platform/web) calls
// VorlenWorker through EM_JS; it posts frames, the canvas's place and sounds to the page, and the
// page posts its events, its size, its visibility and its request to stop here (device.js is the
// page's side, whose object is VorlenDevice).
// Where the page is cross-origin isolated it writes its messages into shared memory instead
// (channel.js), and the game pauses in Atomics.wait without leaving its call: a cheaper wake.
// Time and input each have one source, the clock and the inbox, so that a replay of a recorded
// session can stand in for the page by driving them alone: with ?session=NAME the page's
// sessions/NAME.session is fetched here before the game starts, and the game plays it; with
// ?hold=N too, the game stops after its frame N, leaving that frame on the canvas.
"use strict";

const BUILD = "@VORLEN_BUILD@";
const WASM_SECTION = "vorlen-build";  // written by the site's build
importScripts(`channel.js?build=${BUILD}`);

// Milliseconds on a clock the page and the worker share.
const now = () => performance.timeOrigin + performance.now();

const HIDDEN = 2;  // a pause's answer in shared memory: the page was hidden (device.cpp's PAUSE_HIDDEN)

// The device's tick count: the time the page was shown since the game started. A hidden page is
// a handheld switched off: the count stops and resumes where it stopped. Visibility changes are
// charged from when the page saw them, even when the game was computing then; the count never
// goes back.
const clock = {
  start: now(), hiddenTotal: 0, hiddenSince: null, last: 0, waking: [], told: false,
  ticks() {
    const hidden = this.hiddenTotal + (this.hiddenSince === null ? 0 : now() - this.hiddenSince);
    this.last = Math.max(this.last, now() - this.start - hidden);
    return this.last;
  },
  suspend(at) { if (this.hiddenSince === null) this.hiddenSince = Math.min(at, now()); },
  resume(at) {
    if (this.hiddenSince === null) return;
    this.told = false;
    this.hiddenTotal += Math.max(0, Math.min(at, now()) - this.hiddenSince);
    this.hiddenSince = null;
    for (const wake of this.waking.splice(0)) wake();
  },
  suspended() { return this.hiddenSince !== null; },
  // Resolves after ms of the page's time, waiting first for a hidden page to be shown; never
  // once the game stands still for good.
  pause(ms) {
    if (frozen()) return new Promise(() => {});
    if (this.suspended()) return new Promise((wake) => this.waking.push(wake));
    return new Promise((wake) => setTimeout(wake, ms));
  },
  // Whether the page is hidden and the game has not been told so by a pause in shared memory;
  // it is told now.
  hiddenUntold() {
    if (!this.suspended() || this.told) return false;
    this.told = true;
    return true;
  },
};

// The page's events, oldest first, with the page's size and whether it changed; channel is the
// shared memory's reader when the page writes there (null when it posts its messages).
const inbox = { events: [], size: [0, 0, 1], resized: true, channel: null };

// The game's hand-over to another page: asked (the page's STOP is in the inbox, behind every
// event the page sent before it), due (the pump has taken everything before it: the game stops
// at the next frame it presents), stopped (it did: it stands still for good) and whether the game
// has ended already (then it stops at once).
const handOver = { asked: false, due: false, stopped: false, ended: false };
const STOP_MARK = [VorlenChannel.TAGS.STOP, 0, 0];

// Whether the game stands still for good: a replay holds its frame, or the game was handed over.
const frozen = () => replay.held || handOver.stopped;

// The game stops: nothing more of it reaches the page, which ends this worker.
function stop() {
  handOver.stopped = true;
  post({ type: "stopped" });
}

// One of the page's messages, written or posted: an input event, the page's size (width, height,
// screen pixels per CSS pixel), its visibility changing (when the page saw it) or a request to
// stop. A hidden page's game is woken for its stop, so that it reaches a frame boundary.
function hear(tag, a, b, c) {
  switch (tag) {
    case VorlenChannel.TAGS.SIZE: inbox.size = [a, b, c]; inbox.resized = true; break;
    case VorlenChannel.TAGS.SUSPEND: clock.suspend(a); break;
    case VorlenChannel.TAGS.RESUME: clock.resume(a); break;
    case VorlenChannel.TAGS.STOP:
      handOver.asked = true;
      if (handOver.ended) return stop();
      inbox.events.push(STOP_MARK);
      clock.resume(now());
      break;
    default: inbox.events.push([tag, a, b]); break;
  }
}

// Takes what the page wrote into shared memory since the last look.
function listen() {
  if (inbox.channel) inbox.channel.take(hear);
}

// A pause of ms of the page's time in the game's own call, where the page writes to shared
// memory; like clock.pause, it waits first for a hidden page to be shown (telling the game first),
// and never ends once the game stands still for good. 0 where the page posts instead: the pause
// must go through the event loop.
function pauseHere(ms) {
  if (!inbox.channel) return 0;
  const end = clock.ticks() + ms;
  for (;;) {
    listen();
    if (clock.hiddenUntold()) return HIDDEN;
    if (frozen() || clock.suspended()) inbox.channel.wait(Infinity);
    else if (clock.ticks() >= end) return 1;
    else inbox.channel.wait(end - clock.ticks());
  }
}

// The session replayed (its name and text, null when it could not be fetched), the frame to
// hold (0 none), the frames presented and whether the held one has been.
const replay = { name: "", text: null, hold: 0, frames: 0, held: false };
const SESSION_NAME = /^[A-Za-z0-9_-]{1,64}$/;  // a file name beside the page, nothing else

// The text of the session the page names, or null when the name is not one or it cannot be
// fetched.
async function fetchSession(name) {
  if (!SESSION_NAME.test(name)) return null;
  try {
    const response = await fetch(`sessions/${name}.session`, { cache: "no-store" });
    return response.ok ? await response.text() : null;
  } catch (e) {
    return null;
  }
}

const soundsSent = new Set();  // host paths whose bytes the page has
let kept = null;               // the kept game's text the page found at its start, null for none
const post = (message, transfer = []) => self.postMessage(message, transfer);

var VorlenWorker = {
  displayParameter: () => inbox.display,
  nextEvent() {
    listen();
    const next = inbox.events.shift() || null;
    if (next !== STOP_MARK) return next;
    handOver.due = true;
    return null;
  },
  pageSize: () => inbox.size,
  takeResized() {
    listen();
    const was = inbox.resized;
    inbox.resized = false;
    return was;
  },
  placeCanvas: (left, top, width, height) => post({ type: "place", left, top, width, height }),
  showCanvas: (shown) => post({ type: "canvas", shown: !!shown }),
  showPart(left, top, width, height, pixels, started) {
    if (frozen()) return;
    post({ type: "part", left, top, width, height, pixels, cost: performance.now() - started }, [pixels.buffer]);
  },
  presented() {
    if (handOver.due && !handOver.stopped) stop();
    if (++replay.frames !== replay.hold) return;
    replay.held = true;
    post({ type: "held", frame: replay.frames });
  },
  sessionName: () => replay.name,
  sessionText: () => replay.text,
  ticks: () => clock.ticks(),
  suspended() {
    listen();
    return clock.suspended();
  },
  pause: (ms) => clock.pause(ms),
  pauseHere,
  soundKnown: (path) => (soundsSent.has(path) ? 1 : 0),
  addSound(path, bytes) {
    soundsSent.add(path);
    post({ type: "sound-add", path, bytes }, [bytes.buffer]);
  },
  playSound: (path) => post({ type: "sound-play", path }),
  stopSound: () => post({ type: "sound-stop" }),
  build: BUILD,
  keptText: () => kept,
  // The kept game's text to store, to forget, or why it could not be resumed: the page then
  // starts afresh, and this game stands still until its worker is ended.
  store: (text) => post({ type: "keep", text }),
  forget: () => post({ type: "forget" }),
  refused(why) {
    handOver.stopped = true;
    post({ type: "refused", why });
  },
  stopping: () => handOver.due && !handOver.stopped,
  gameEnded() {
    handOver.ended = true;
    post({ type: "ended" });
    if (handOver.asked) stop();
  },
};

// The bytes at a URL: by fetch, or where a page's own files cannot be fetched (file:) by a request.
async function load(url) {
  try {
    const response = await fetch(url);
    if (response.ok) return response.arrayBuffer();
  } catch (e) { /* fall back to a request */ }
  return new Promise((resolve, reject) => {
    const request = new XMLHttpRequest();
    request.open("GET", url);
    request.responseType = "arraybuffer";
    request.onload = () => (request.response ? resolve(request.response) : reject(new Error(`cannot load ${url}`)));
    request.onerror = () => reject(new Error(`cannot load ${url}`));
    request.send();
  });
}

// Loads the game, whose main starts it, and tells the page the build of each part: the game
// starts only when channel.js, vorlen.js and vorlen.wasm are of this worker's build.
function startGame() {
  const file = (name) => `${name}?build=${BUILD}`;
  self.Module = {
    locateFile: file,
    instantiateWasm(imports, receive) {
      load(file("vorlen.wasm")).then(async (bytes) => {
        const { module, instance } = await WebAssembly.instantiate(bytes, imports);
        const section = WebAssembly.Module.customSections(module, WASM_SECTION)[0];
        const build = { worker: BUILD, channel: VorlenChannel.build, script: self.vorlenBuild || "",
                        wasm: section ? new TextDecoder().decode(section) : "" };
        post({ type: "build", build });
        if (Object.values(build).every((stamp) => stamp === BUILD)) receive(instance, module);
      });
      return {};
    },
  };
  importScripts(file("vorlen.js"));
}

self.onmessage = ({ data }) => {
  switch (data.type) {
    case "start":
      inbox.display = data.display;
      inbox.size = data.size;
      kept = data.kept;
      if (data.hidden) clock.suspend(data.at);
      if (data.channel) inbox.channel = VorlenChannel.reader(data.channel);
      if (!data.session) {
        startGame();
        break;
      }
      replay.name = data.session;
      replay.hold = data.hold;
      fetchSession(data.session).then((text) => {
        replay.text = text;
        startGame();
      });
      break;
    case "entry": hear(...data.entry); break;
  }
};
