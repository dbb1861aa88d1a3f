// The service worker: keeps every file of the site, so after one visit the game starts without
// a network. The build writes the list of files and a version that changes with their content.
"use strict";

const VERSION = "@VORLEN_SITE_VERSION@";
const FILES = [@VORLEN_SITE_FILES@];
const CACHE = "vorlen-" + VERSION;

self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)).then(() => self.skipWaiting()));
});

// Older versions' caches are dropped once this one is in charge.
self.addEventListener("activate", (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name !== CACHE).map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// The network first, so a new build is seen at once; the kept copy when there is no network.
self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET") return;
  event.respondWith(fetch(event.request).then((response) => {
    if (response.ok && new URL(event.request.url).origin === location.origin) {
      const copy = response.clone();
      caches.open(CACHE).then((cache) => cache.put(event.request, copy));
    }
    return response;
  }).catch(() => caches.match(event.request, { ignoreSearch: true })));
});
