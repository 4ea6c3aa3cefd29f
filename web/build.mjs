// Bundles the page and gathers the static site: the bundles, the core's
// WebAssembly, the item pictures and icons, and a service worker that keeps
// every one of them for offline use.
import { build } from 'esbuild';
import { createHash } from 'node:crypto';
import { cpSync, mkdirSync, readdirSync, readFileSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { dirname, join, relative } from 'node:path';
import { fileURLToPath } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
const root = join(here, '..');
const wasmDir = process.argv[2] ?? join(root, 'build-web/wasm/web');
const site = process.argv[3] ?? join(root, 'build-web/site');

rmSync(site, { recursive: true, force: true });
mkdirSync(site, { recursive: true });
await build({
  entryPoints: { main: join(here, 'src/main.ts'), searchWorker: join(here, 'src/searchWorker.ts') },
  bundle: true,
  format: 'esm',
  target: 'es2022',
  minify: true,
  sourcemap: false,
  outdir: site,
  external: ['./korvelin.js'],
  logLevel: 'warning',
});
cpSync(join(wasmDir, 'korvelin.js'), join(site, 'korvelin.js'));
cpSync(join(wasmDir, 'korvelin.wasm'), join(site, 'korvelin.wasm'));
cpSync(join(root, 'res/items'), join(site, 'items'), { recursive: true });
mkdirSync(join(site, 'icons'));
for (const size of [32, 256]) cpSync(join(root, `res/icons/korvelin-${size}.png`), join(site, `icons/korvelin-${size}.png`));
cpSync(join(here, 'index.html'), join(site, 'index.html'));
writeFileSync(join(site, 'manifest.webmanifest'), JSON.stringify({
  name: 'Korvelin', short_name: 'Korvelin', start_url: './', display: 'standalone',
  background_color: '#f4f5f7', theme_color: '#2457a6',
  icons: [{ src: 'icons/korvelin-256.png', sizes: '256x256', type: 'image/png' }],
}, null, 1));

// The service worker lists every file with a hash of the whole site, so a new
// build replaces the cached copy at once and an old one is never mixed in.
function files(dir) {
  return readdirSync(dir).flatMap((name) => {
    const path = join(dir, name);
    return statSync(path).isDirectory() ? files(path) : [path];
  });
}
const listed = files(site).sort();
const hash = createHash('sha256');
for (const path of listed) hash.update(relative(site, path)).update(readFileSync(path));
const worker = readFileSync(join(here, 'sw.js'), 'utf8')
  .replace('__VERSION__', hash.digest('hex').slice(0, 16))
  .replace('__FILES__', JSON.stringify(['./', ...listed.map((p) => './' + relative(site, p))]));
writeFileSync(join(site, 'sw.js'), worker);
console.log(`site: ${relative(process.cwd(), site) || '.'} (${listed.length + 1} files)`);
