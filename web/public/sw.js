// SPDX-License-Identifier: GPL-3.0-or-later
// The service worker of the web edition: keeps the page's files so that it starts without a
// network after the first visit. Network first, so a new build is seen as soon as it is served;
// the kept copy answers when there is no network.
const cacheName = "tlv6200-page";
const pageFiles = [
  "./", "index.html", "main.js", "styles.css", "manifest.webmanifest",
  "tlv6200-core.js", "tlv6200-core.wasm", "icons/tlv6200.svg", "icons/tlv6200-256.png", "icons/tlv6200-128.png",
];

self.addEventListener("install", (event) => {
  event.waitUntil(
    caches.open(cacheName).then((cache) => Promise.all(pageFiles.map((file) => cache.add(file).catch(() => undefined)))),
  );
  self.skipWaiting();
});

self.addEventListener("activate", (event) => event.waitUntil(self.clients.claim()));

self.addEventListener("fetch", (event) => {
  const request = event.request;
  if (request.method !== "GET" || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(
    fetch(request)
      .then((response) => {
        if (response.ok) {
          const copy = response.clone();
          caches.open(cacheName).then((cache) => cache.put(request, copy));
        }
        return response;
      })
      .catch(() => caches.match(request, { ignoreSearch: true }).then((kept) => kept ?? Response.error())),
  );
});
