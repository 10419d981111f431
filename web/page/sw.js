// The page's service worker: every file of the site is kept in a cache named by the program's version, so
// the page installs as an app and plays without a network after one visit; a new version's worker fills
// its own cache and removes the older ones. scripts/build-web.sh writes the version and the site's files in.
const version = '@VERSION@';
const files = ['./', ...'@FILES@'.split(' ')];
const cacheName = `velmira-${version}`;

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(files)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  const older = (names) => names.filter((name) => name.startsWith('velmira-') && name !== cacheName);
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(older(names).map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// The network first, so that a rebuilt page is seen at once; the cache when there is no network. A reply
// kept is the whole file (never a range), as the cache holds it.
self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET' || new URL(event.request.url).origin !== location.origin) return;
  event.respondWith((async () => {
    try {
      const response = await fetch(event.request);
      if (response.status === 200) {
        const copy = response.clone();
        caches.open(cacheName).then((cache) => cache.put(event.request, copy));
      }
      return response;
    } catch (error) {
      const kept = await caches.match(event.request, { ignoreSearch: true });
      if (kept) return kept;
      throw error;
    }
  })());
});
