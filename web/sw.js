// SPDX-License-Identifier: MIT
// Offline: every file of the page is cached on the first visit and served from the
// cache after that, the network asked only for what the cache does not hold. A new
// version (a new cache name, written at build time) replaces the old cache whole.
"use strict";

const CACHE = "tevrimo-@TEVRIMO_WEB_VERSION@";
const FILES = [@TEVRIMO_WEB_FILES@];

self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(
    caches.keys()
      .then((names) => Promise.all(names.filter((name) => name !== CACHE).map((name) => caches.delete(name))))
      .then(() => self.clients.claim()));
});

self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET") return;
  event.respondWith(
    caches.match(event.request, { ignoreSearch: true }).then((hit) => hit || fetch(event.request)));
});
