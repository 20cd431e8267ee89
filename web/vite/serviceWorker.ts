import { createHash } from "node:crypto";
import type { Plugin } from "vite";

// The service worker, written after the bundle so that it lists every file of
// this version. A new version has a new cache; the old one is dropped when it
// takes over, so the next visit runs the new page.
export function serviceWorkerSource(files: string[], version: string): string {
  return `const CACHE = "zq915-${version}";
const FILES = ${JSON.stringify(["./", ...files])};
self.addEventListener("install", (event) => {
  // From the server, not the browser's HTTP cache, which may still hold the old page.
  const requests = FILES.map((file) => new Request(file, { cache: "reload" }));
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(requests)).then(() => self.skipWaiting()));
});
self.addEventListener("activate", (event) => {
  event.waitUntil(caches.keys()
    .then((keys) => Promise.all(keys.filter((key) => key.startsWith("zq915-") && key !== CACHE).map((key) => caches.delete(key))))
    .then(() => self.clients.claim()));
});
self.addEventListener("fetch", (event) => {
  const request = event.request;
  if (request.method !== "GET" || new URL(request.url).origin !== self.location.origin) return;
  const options = { cacheName: CACHE, ignoreSearch: true, ignoreVary: true };
  // A page of this version, else (for a navigation) the editor itself.
  const lookup = caches.match(request, options)
    .then((cached) => cached || (request.mode === "navigate" && request.destination === "document" ? caches.match("./", options) : undefined));
  event.respondWith(lookup.then((cached) => cached || fetch(request)));
});
`;
}

export function serviceWorker(): Plugin {
  return {
    name: "zq915-service-worker",
    apply: "build",
    generateBundle(_options, bundle) {
      const files = Object.keys(bundle).filter((name) => name !== "sw.js").sort();
      const hash = createHash("sha256");
      for (const name of files) {
        const item = bundle[name]!;
        hash.update(name).update(item.type === "chunk" ? item.code : item.source);
      }
      this.emitFile({ type: "asset", fileName: "sw.js", source: serviceWorkerSource(files, hash.digest("hex").slice(0, 16)) });
    },
  };
}
