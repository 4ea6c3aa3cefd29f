// Bundles the page and gathers the static site: the bundles, the core's
// WebAssembly, the item pictures and icons, and a service worker that keeps
// every one of them for offline use.
import { build as esbuild } from 'esbuild';
import { createHash } from 'node:crypto';
import { cpSync, mkdirSync, readdirSync, readFileSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { dirname, join, relative } from 'node:path';
import { fileURLToPath } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
const root = join(here, '..');
const wasmDir = process.argv[2] ?? join(root, 'build-web/wasm/web');
const site = process.argv[3] ?? join(root, 'build-web/site');

function files(dir) {
  return readdirSync(dir).flatMap((name) => {
    const path = join(dir, name);
    return statSync(path).isDirectory() ? files(path) : [path];
  });
}
// One stamp for the core and the page's sources: the worker and the core
// carry it in their names, so a page never starts another build's worker or
// WebAssembly (a stale page finds none rather than a mismatched one).
const stamp = createHash('sha256');
for (const path of [join(wasmDir, 'korvelin.js'), join(wasmDir, 'korvelin.wasm'), ...files(join(here, 'src')).sort()]) {
  stamp.update(readFileSync(path));
}
const build = stamp.digest('hex').slice(0, 12);

rmSync(site, { recursive: true, force: true });
mkdirSync(site, { recursive: true });
await esbuild({
  entryPoints: { main: join(here, 'src/main.ts'), [`searchWorker-${build}`]: join(here, 'src/searchWorker.ts') },
  define: { KORVELIN_BUILD: JSON.stringify(build) },
  bundle: true,
  format: 'esm',
  target: 'es2022',
  minify: true,
  sourcemap: false,
  outdir: site,
  logLevel: 'warning',
});
cpSync(join(wasmDir, 'korvelin.js'), join(site, `korvelin-${build}.js`));
cpSync(join(wasmDir, 'korvelin.wasm'), join(site, `korvelin-${build}.wasm`));
cpSync(join(root, 'res/items'), join(site, 'items'), { recursive: true });
mkdirSync(join(site, 'icons'));
for (const size of [32, 256]) cpSync(join(root, `res/icons/korvelin-${size}.png`), join(site, `icons/korvelin-${size}.png`));
writeFileSync(join(site, 'index.html'), readFileSync(join(here, 'index.html'), 'utf8')
  .replace('href="korvelin.js"', `href="korvelin-${build}.js"`)
  .replace('href="korvelin.wasm"', `href="korvelin-${build}.wasm"`));
writeFileSync(join(site, 'manifest.webmanifest'), JSON.stringify({
  name: 'Korvelin', short_name: 'Korvelin', start_url: './', display: 'standalone',
  background_color: '#f4f5f7', theme_color: '#2457a6',
  icons: [{ src: 'icons/korvelin-256.png', sizes: '256x256', type: 'image/png' }],
}, null, 1));

// The service worker lists every file with a hash of the whole site, so a new
// build replaces the cached copy at once and an old one is never mixed in.
const listed = files(site).sort();
const hash = createHash('sha256');
for (const path of listed) hash.update(relative(site, path)).update(readFileSync(path));
const worker = readFileSync(join(here, 'sw.js'), 'utf8')
  .replace('__VERSION__', hash.digest('hex').slice(0, 16))
  .replace('__FILES__', JSON.stringify(['./', ...listed.map((p) => './' + relative(site, p))]));
writeFileSync(join(site, 'sw.js'), worker);
console.log(`site: ${relative(process.cwd(), site) || '.'} (${listed.length + 1} files)`);
