// Keeps the whole site for offline use: every file on install, served from
// the cache first; a new build (a new version) drops the old cache.
const version = '__VERSION__';
const files = __FILES__;
const cacheName = `korvelin-${version}`;

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(files)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(
    caches.keys()
      .then((keys) => Promise.all(keys.filter((k) => k.startsWith('korvelin-') && k !== cacheName).map((k) => caches.delete(k))))
      .then(() => self.clients.claim()),
  );
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  const url = new URL(event.request.url);
  if (url.origin !== location.origin) return;
  event.respondWith(
    caches.open(cacheName).then(async (cache) => {
      // The page's address may carry a query; the fragment never reaches here.
      const cached = await cache.match(event.request, { ignoreSearch: true });
      return cached ?? fetch(event.request);
    }),
  );
});
