// The service worker: keeps every file of one build in one cache named by the build, so a start
// is served from the kept copy at once, whatever the network does, and never mixes two builds.
// The browser looks for a newer sw.js in the background; a newer build's files are fetched past
// the HTTP cache, each checked against the build's list of sizes and SHA-256 digests
// (files-STAMP.json), and kept only when every one of them matches: a cut or damaged download
// fails the install, and the build kept before goes on serving. A cache is complete once it holds
// its list, which is put last. The build whose page last started (showed its first frame) is
// the good one: should a start of a newer build fail all the same, the page asks for the good
// build back, and this build's copy is dropped. While the page keeps a game in progress, the
// build that played it is kept and serves the starts (a kept game resumes only on its own
// build), so an update never costs a player the game; the newer build takes over at the first
// start without one.
// Whatever the server sends, what it serves makes the page cross-origin isolated, so that the
// page and the game's worker can share memory (channel.js).
"use strict";

const BUILD = "@VORLEN_BUILD@";
const PREFIX = "vorlen-";
const CACHE = PREFIX + BUILD;
const STATE = "vorlen-state";  // a cache of its own: { good, kept } as JSON under STATE_KEY
const STATE_KEY = "state.json";
// Every file is the site's own, so requiring that of what a page embeds costs nothing.
const ISOLATION = { "Cross-Origin-Opener-Policy": "same-origin", "Cross-Origin-Embedder-Policy": "require-corp" };

const listName = (build) => `files-${build}.json`;
const cacheOf = (build) => PREFIX + build;

// The bytes' SHA-256 digest in hex.
async function sha256(bytes) {
  const digest = new Uint8Array(await crypto.subtle.digest("SHA-256", bytes));
  return Array.from(digest, (b) => b.toString(16).padStart(2, "0")).join("");
}

// The bytes a file's address gives, past the HTTP cache, when they are exactly the list's
// entry; else throws, naming the file and what is wrong.
async function fetchChecked(name, entry) {
  const response = await fetch(new Request(name, { cache: "reload" }));
  if (!response.ok) throw new Error(`${name}: status ${response.status}`);
  const bytes = await response.arrayBuffer();
  if (bytes.byteLength !== entry.size) throw new Error(`${name}: ${bytes.byteLength} bytes, not ${entry.size}`);
  if ((await sha256(bytes)) !== entry.sha256) throw new Error(`${name}: its digest is not the build's`);
  return new Response(bytes, { status: response.status, statusText: response.statusText, headers: response.headers });
}

// This build's list: the build's files with their sizes and digests.
async function fetchList() {
  const response = await fetch(new Request(listName(BUILD), { cache: "reload" }));
  if (!response.ok) throw new Error(`${listName(BUILD)}: status ${response.status}`);
  const text = await response.text();
  const list = JSON.parse(text);
  if (list.build !== BUILD || typeof list.files !== "object") throw new Error(`${listName(BUILD)} is not of build ${BUILD}`);
  return { list, text };
}

// Fetches and checks every file before keeping any, then keeps them with the list last, so only
// a whole build is ever complete; anything missing, cut or of another build fails the install,
// and the next look for sw.js tries again.
async function install() {
  const { list, text } = await fetchList();
  const names = Object.keys(list.files);
  const responses = await Promise.all(names.map((name) => fetchChecked(name, list.files[name])));
  const page = await fetchChecked("./", list.files["index.html"]);
  const cache = await caches.open(CACHE);
  try {
    await Promise.all(names.map((name, i) => cache.put(name, responses[i])));
    await cache.put("./", page);
    await cache.put(listName(BUILD), new Response(text, { headers: { "Content-Type": "application/json" } }));
  } catch (e) {
    await caches.delete(CACHE);
    throw e;
  }
}

self.addEventListener("install", (event) => event.waitUntil(install().then(() => self.skipWaiting())));

// Whether a build's cache holds its list: every file was kept.
async function complete(build) {
  if (!build || !(await caches.has(cacheOf(build)))) return false;
  return !!(await (await caches.open(cacheOf(build))).match(listName(build)));
}

// What is remembered across starts: the good build, and the build of the kept game.
async function readState() {
  const kept = await (await caches.open(STATE)).match(STATE_KEY);
  return { good: null, kept: null, ...(kept ? await kept.json() : {}) };
}
async function writeState(state) {
  await (await caches.open(STATE)).put(STATE_KEY, new Response(JSON.stringify(state)));
}

// The build whose copy serves a start: the kept game's, else this one, else the good one; each
// only when it is kept whole.
async function servingBuild() {
  const { good, kept } = await readState();
  for (const build of [kept, BUILD, good]) if (await complete(build)) return build;
  return null;
}

// Drops other builds' caches, but for the good build's, the kept game's and those a running
// client's address names (a game's worker is started as worker.js?build=...), where the browser
// lists it.
async function prune() {
  const { good, kept } = await readState();
  const keep = new Set([CACHE, STATE, cacheOf(good), cacheOf(kept)]);
  for (const client of await self.clients.matchAll({ type: "all", includeUncontrolled: true }))
    keep.add(cacheOf(new URL(client.url).searchParams.get("build")));
  for (const name of await caches.keys())
    if (name.startsWith(PREFIX) && !keep.has(name)) await caches.delete(name);
}

// Once this build is in charge it prunes; a build kept then for a game still running goes at a
// later start, when that game may have ended.
self.addEventListener("activate", (event) => event.waitUntil(prune().then(() => self.clients.claim())));

// A page tells how its start went: "started" (its first frame was shown) makes its build the good
// one; "failed" drops the failed build's copy when a good build of another stamp is kept whole,
// and answers whether the page should start again from that one. "kept" names the build of the
// game it keeps (null once it keeps none).
async function heard(message) {
  const state = await readState();
  if (message.type === "started" || message.type === "kept") {
    const key = message.type === "started" ? "good" : "kept";
    if (state[key] !== message.build) await writeState({ ...state, [key]: message.build });
    return null;
  }
  if (message.type !== "failed") return null;
  const back = state.good !== message.build && (await complete(state.good));
  if (back) await caches.delete(cacheOf(message.build));
  return { type: "fallback", build: back ? state.good : null };
}

self.addEventListener("message", (event) => {
  event.waitUntil(heard(event.data || {}).then((answer) => answer && event.source && event.source.postMessage(answer)));
});

// The response with the headers of isolation.
function isolated(response) {
  const headers = new Headers(response.headers);
  for (const [name, value] of Object.entries(ISOLATION)) headers.set(name, value);
  return new Response(response.body, { status: response.status, statusText: response.statusText, headers });
}

// The kept copy first: of the build a file's address names when that build is kept whole, else
// of the build serving starts; the network only for what is kept nowhere.
self.addEventListener("fetch", (event) => {
  const url = new URL(event.request.url);
  if (event.request.method !== "GET" || url.origin !== location.origin) return;
  if (event.request.mode === "navigate") event.waitUntil(prune());
  event.respondWith((async () => {
    const named = url.searchParams.get("build");
    const build = (await complete(named)) ? named : await servingBuild();
    const kept = build && (await caches.match(event.request, { cacheName: cacheOf(build), ignoreSearch: true }));
    return isolated(kept || (await fetch(event.request)));
  })());
});
