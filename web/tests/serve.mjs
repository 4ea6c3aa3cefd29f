// A static file server for the built site on the loopback address: what any
// static host does, for the browser tests and for a person trying the page.
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize } from 'node:path';

const types = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm',
  '.bmp': 'image/bmp', '.png': 'image/png', '.webmanifest': 'application/manifest+json',
};

export function serve(root, port = 0) {
  const server = createServer(async (request, response) => {
    const path = normalize(decodeURIComponent(new URL(request.url, 'http://localhost').pathname));
    const file = join(root, path.endsWith('/') ? path + 'index.html' : path);
    if (!file.startsWith(root)) {
      response.writeHead(403).end();
      return;
    }
    try {
      const body = await readFile(file);
      response.writeHead(200, { 'Content-Type': types[extname(file)] ?? 'application/octet-stream' }).end(body);
    } catch {
      response.writeHead(404).end('Not found');
    }
  });
  return new Promise((resolve) => server.listen(port, '127.0.0.1', () => resolve(server)));
}

if (import.meta.url === `file://${process.argv[1]}`) {
  const root = process.argv[2] ?? 'build-web/site';
  const port = Number(process.argv[3] ?? 8023);
  const server = await serve(normalize(join(process.cwd(), root)), port);
  console.log(`Korvelin: http://127.0.0.1:${server.address().port}/ (Ctrl+C stops)`);
}
