// A small static server for the built page, on the loopback address only.
// Usage: node serve.mjs SITE_DIR [PORT]   (port 0: any free port). Prints the address when it listens.
import { createReadStream, statSync } from 'node:fs';
import { createServer } from 'node:http';
import { extname, join, normalize } from 'node:path';
import { createGzip } from 'node:zlib';

const types = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.mjs': 'text/javascript', '.css': 'text/css',
  '.json': 'application/json', '.wasm': 'application/wasm', '.bmp': 'image/bmp', '.sf2': 'application/octet-stream',
  '.mid': 'audio/midi', '.map': 'application/json', '.webmanifest': 'application/manifest+json',
  '.png': 'image/png',
};

export function serve(site, port = 0) {
  const server = createServer((request, response) => {
    let path;
    try {
      path = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
    } catch {
      return response.writeHead(400).end('bad request'); // a malformed %-escape, and the server goes on
    }
    const file = join(site, normalize(path.endsWith('/') ? `${path}index.html` : path));
    let found = false;
    try {
      found = file.startsWith(site) && statSync(file).isFile();
    } catch {}
    if (!found) return response.writeHead(404).end('not found');
    const headers = { 'content-type': types[extname(file)] ?? 'application/octet-stream', 'cache-control': 'no-cache' };
    // Everything but the SoundFont is sent compressed: the skin's bitmaps shrink to a fifth.
    const compress = extname(file) !== '.sf2' && /\bgzip\b/.test(request.headers['accept-encoding'] ?? '');
    if (compress) headers['content-encoding'] = 'gzip';
    response.writeHead(200, headers);
    const body = createReadStream(file);
    (compress ? body.pipe(createGzip()) : body).pipe(response);
  });
  return new Promise((resolve) => server.listen(port, '127.0.0.1', () => resolve(server)));
}

if (import.meta.url === `file://${process.argv[1]}`) {
  const server = await serve(process.argv[2], Number(process.argv[3] ?? 8788));
  console.log(`Velmira in the browser: http://127.0.0.1:${server.address().port}/`);
}
