// The service worker: keeps every file of one build in one cache named by the build, so a start
// is served from the kept copy at once, whatever the network does, and never mixes two builds.
// The browser looks for a newer sw.js in the background; a newer build's files are fetched past
// the HTTP cache, checked to be of that build, kept together, and serve the next start.
// Whatever the server sends, what it serves makes the page cross-origin isolated, so that the
// page and the game's worker can share memory (channel.js).
"use strict";

const BUILD = "@VORLEN_BUILD@";
const FILES = [@VORLEN_SITE_FILES@];
const CACHE = "vorlen-" + BUILD;
// Every file is the site's own, so requiring that of what a page embeds costs nothing.
const ISOLATION = { "Cross-Origin-Opener-Policy": "same-origin", "Cross-Origin-Embedder-Policy": "require-corp" };

// Whether a response's bytes carry this build's stamp (the page, the scripts and the WebAssembly
// each do; pictures and the manifest carry none).
async function ofThisBuild(name, response) {
  if (!/(^\.\/|\.html|\.js|\.wasm)$/.test(name)) return true;
  const bytes = new Uint8Array(await response.clone().arrayBuffer());
  const stamp = new TextEncoder().encode(BUILD);
  search: for (let i = 0; i + stamp.length <= bytes.length; i++) {
    for (let j = 0; j < stamp.length; j++) if (bytes[i + j] !== stamp[j]) continue search;
    return true;
  }
  return false;
}

// Fetches and keeps every file; a file missing or of another build (the server was rebuilt
// again meanwhile) fails the install, and the next look for sw.js brings the newer build.
async function install() {
  const cache = await caches.open(CACHE);
  try {
    await Promise.all(FILES.map(async (name) => {
      const response = await fetch(new Request(name, { cache: "reload" }));
      if (!response.ok || !(await ofThisBuild(name, response))) throw new Error(`${name} is not of build ${BUILD}`);
      await cache.put(name, response);
    }));
  } catch (e) {
    await caches.delete(CACHE);
    throw e;
  }
}

self.addEventListener("install", (event) => event.waitUntil(install().then(() => self.skipWaiting())));

// Drops other builds' caches, but for those a running client's address names (a game's worker
// is started as worker.js?build=...), where the browser lists it.
async function prune() {
  const running = new Set((await self.clients.matchAll({ type: "all", includeUncontrolled: true }))
    .map((client) => "vorlen-" + new URL(client.url).searchParams.get("build")));
  for (const name of await caches.keys())
    if (name.startsWith("vorlen-") && name !== CACHE && !running.has(name)) await caches.delete(name);
}

// Once this build is in charge it prunes; a build kept then for a game still running goes at a
// later start, when that game may have ended.
self.addEventListener("activate", (event) => event.waitUntil(prune().then(() => self.clients.claim())));

// The response with the headers of isolation.
function isolated(response) {
  const headers = new Headers(response.headers);
  for (const [name, value] of Object.entries(ISOLATION)) headers.set(name, value);
  return new Response(response.body, { status: response.status, statusText: response.statusText, headers });
}

// The kept copy first: of the build a file's address names when that build is kept, else of
// this build; the network only for what is kept nowhere.
self.addEventListener("fetch", (event) => {
  const url = new URL(event.request.url);
  if (event.request.method !== "GET" || url.origin !== location.origin) return;
  if (event.request.mode === "navigate") event.waitUntil(prune());
  event.respondWith((async () => {
    const build = url.searchParams.get("build");
    const named = build && (await caches.has("vorlen-" + build)) ? "vorlen-" + build : CACHE;
    const kept = await caches.match(event.request, { cacheName: named, ignoreSearch: true });
    return isolated(kept || (await fetch(event.request)));
  })());
});
