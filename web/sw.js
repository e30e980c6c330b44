// Varnel's service worker: the whole site is cached on the first visit, so that the page and
// every press work with no network. The build names the cache after the site's contents and
// lists its files; a new site replaces the old cache when it is first opened.
"use strict";

const CACHE = "varnel-@SITE_VERSION@";
const FILES = [@SITE_FILES@];

self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(
    caches.keys()
      .then((names) => Promise.all(names.filter((name) => name !== CACHE).map((name) => caches.delete(name))))
      .then(() => self.clients.claim()));
});

// The cached copy first; what the cache lacks comes from the network.
self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET") return;
  event.respondWith(
    caches.open(CACHE)
      .then((cache) => cache.match(event.request, { ignoreSearch: true }))
      .then((cached) => cached || fetch(event.request)));
});
