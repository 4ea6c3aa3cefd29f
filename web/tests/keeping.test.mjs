// The page never loses or changes a plan: exact stocks and totals through
// storage, reload, undo and share links; links and other tabs that never
// replace a plan unseen; inputs out of range refused by name; a large plan
// that opens and says it cannot be kept; a goal on a planet with start
// levels that gets the complete search; an old page that never runs a newer
// build's worker.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import { cpSync, mkdtempSync, readdirSync, readFileSync, renameSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import {
  clickItems, closePage, dialogText, freshPage, nativeReport, openFile, planBytes, planTotal, queueCount, ready, root, searchAnswer,
  site, startBrowser,
} from './helpers.mjs';
import { longPlanFile } from './longplan.mjs';
import { serve } from './serve.mjs';

let browser;
before(async () => {
  browser = await startBrowser();
});
after(async () => {
  await browser?.close();
});

const dataDir = join(root, 'tests/data/realistic-queues');

function planFile(keyLines, entries = ['1:1:999', '4:1:998', '1:2:997']) {
  return Buffer.from(['[Korvelin_0.7_BuildQueueList]', 'Temperature=35', ...keyLines, '##BUILD##', ...entries]
    .map((l) => l + '\r\n').join(''), 'latin1');
}

// Waits until the page has kept its plan (the store follows edits after a pause).
const kept = (page) => page.waitForTimeout(500);

test('a stock past 2^32 comes back exactly through Save, undo, reload and a share link', async () => {
  const file = planFile(['Stock=274467426591:5000000000:3000000000', 'Satellites=99999']);
  const page = await freshPage(browser.context, browser.url);
  await openFile(page, 'big.bql', file);
  assert.equal(await page.getByLabel('Metal', { exact: true }).inputValue(), '274467426591');
  assert.ok((await planBytes(page)).equals(file), 'Save');
  await clickItems(page, ['Crystal Mine']);
  await page.getByRole('button', { name: 'Undo' }).click();
  assert.ok((await planBytes(page)).equals(file), 'undo');
  await kept(page);
  await page.reload();
  await ready(page);
  assert.ok((await planBytes(page)).equals(file), 'reload');
  await page.getByRole('button', { name: 'Share link' }).click();
  const link = (await dialogText(page)).replace(/^Link copied:\n/, '');
  await page.getByRole('button', { name: 'OK' }).click();
  const other = await browser.context.newPage();
  await other.goto(link);
  await ready(other);
  assert.ok((await planBytes(other)).equals(file), 'share link');
  await closePage(other);
  await closePage(page);
});

test('Built up to here late in a long plan keeps its stock and total through reload and undo', async () => {
  const page = await freshPage(browser.context, browser.url);
  const file = readFileSync(join(dataDir, 'realistic-growth.bql'));
  await openFile(page, 'growth.bql', file);
  const lines = await queueCount(page);
  await page.locator('#queue').focus();
  await page.keyboard.press('End');
  await page.keyboard.press('ArrowUp');
  await page.getByRole('button', { name: 'Built up to here' }).click();
  const built = await planBytes(page);
  assert.match(built.toString('latin1'), /\r\nStock=\d+:\d{10,}:\d+\r\n/, 'a stock past 2^32');
  const summary = await page.locator('#summary').textContent();
  await page.getByRole('button', { name: 'Undo' }).click();
  assert.ok((await planBytes(page)).equals(file), 'Undo brings the whole plan back');
  assert.equal(await queueCount(page), lines);
  await page.getByRole('button', { name: 'Redo' }).click();
  await kept(page);
  await page.reload();
  await ready(page);
  assert.ok((await planBytes(page)).equals(built));
  assert.equal(await page.locator('#summary').textContent(), summary);
  await closePage(page);
});

test('a file whose planet is out of range is refused by name and changes nothing', async (t) => {
  const page = await freshPage(browser.context, browser.url);
  await clickItems(page, ['Metal Mine']);
  const before = await planBytes(page);
  const cases = [
    { line: 'Satellites=99999999999999', message: /Satellites must be a whole number from 0 to/ },
    { line: 'Stock=-5:0:0', message: /Start stock of metal must be a whole number from 0 to 1000000000000000, not -5/ },
    { line: 'Levels=1:200', message: /Start level of Metal Mine must be a whole number from 0 to \d+ \(higher levels overflow the figures\), not 200/ },
  ];
  for (const c of cases) {
    await t.test(c.line, async () => {
      await openFile(page, 'bad.bql', planFile([c.line]));
      assert.match(await dialogText(page), c.message);
      await page.getByRole('button', { name: 'OK' }).click();
      assert.ok((await planBytes(page)).equals(before));
    });
  }
  await closePage(page);
});

test('Built up to here past the highest supported level is refused by name and changes nothing', async () => {
  const page = await freshPage(browser.context, browser.url);
  await openFile(page, 'high.bql', planFile(['Levels=1:76'], ['1:77:999']));
  const before = await planBytes(page);
  await page.locator('#queue li').nth(0).click();
  await page.getByRole('button', { name: 'Built up to here' }).click();
  assert.match(await dialogText(page),
    /^Built up to here would leave the planet out of range\. Start level of Metal Mine must be a whole number from 0 to 76 \(.*\), not 77$/);
  await page.getByRole('button', { name: 'OK' }).click();
  assert.ok((await planBytes(page)).equals(before));
  await closePage(page);
});

test('a saturated total shows as korvelin-report shows it', async () => {
  const path = join(dataDir, 'huge-levels.bql');
  const page = await freshPage(browser.context, browser.url);
  await openFile(page, 'huge.bql', readFileSync(path));
  const native = spawnSync(nativeReport, [path], { encoding: 'utf8' }).stdout;
  const total = /Total time: (.*)/.exec(native)[1];
  assert.match(await page.locator('#summary').textContent(), new RegExp(`^Total ${total.replace(/[.*+?^${}()|[\]\\]/g, '\\$&')};`));
  assert.doesNotMatch(total, /^-/);
  await closePage(page);
});

test('share links: a broken one changes nothing, another plan opens as one undoable change', async () => {
  const page = await freshPage(browser.context, browser.url);
  await clickItems(page, ['Metal Mine', 'Solar Plant']);
  const stored = await planBytes(page);
  await kept(page);

  await page.goto(`${browser.url}#plan=AAAAAAAAAA`);
  await ready(page);
  assert.match(await page.locator('dialog[open] h2').textContent(), /Share link/);
  assert.match(await dialogText(page), /Config file is corrupted/);
  await page.getByRole('button', { name: 'OK' }).click();
  assert.ok((await planBytes(page)).equals(stored), 'the broken link changed the plan');

  const other = planFile(['Speed=3']);
  const link = `${browser.url}#plan=${other.toString('base64url')}`;
  await page.goto(link);
  await ready(page);
  assert.ok((await planBytes(page)).equals(other));
  await page.getByRole('button', { name: 'Undo' }).click();
  assert.ok((await planBytes(page)).equals(stored), 'Undo brings back the stored plan');
  await closePage(page);
});

test('a tab with an older plan never writes over a newer one another tab stored', async () => {
  const first = await freshPage(browser.context, browser.url);
  await clickItems(first, ['Metal Mine']);
  await kept(first);
  const second = await browser.context.newPage();
  await second.goto(browser.url);
  await ready(second);
  await clickItems(first, ['Solar Plant']);
  const newer = await planBytes(first);
  await kept(first);
  // The second tab follows, with its own plan one Undo away, and closing it
  // keeps the newer plan.
  await second.waitForFunction(() => document.getElementById('queue-count').textContent === '(2)');
  await closePage(second);
  await closePage(first);
  const third = await browser.context.newPage();
  await third.goto(browser.url);
  await ready(third);
  assert.ok((await planBytes(third)).equals(newer));
  await closePage(third);
});

test('a value out of range is refused with its field and range, and the plan is unchanged', async (t) => {
  const page = await freshPage(browser.context, browser.url);
  await clickItems(page, ['Metal Mine', 'Solar Plant']);
  await page.getByText('Start levels').click();
  const before = await planBytes(page);
  const cases = [
    { field: page.getByLabel('Satellites'), value: '99999999999999', message: /^Satellites must be a whole number from 0 to 1000000000, not 99999999999999$/ },
    { field: page.getByLabel('Satellites'), value: '-3', message: /^Satellites must be a whole number from 0 to 1000000000, not -3$/ },
    { field: page.getByLabel('Economy speed'), value: '250', message: /^Economy speed must be a whole number from 1 to 100, not 250$/ },
    { field: page.getByLabel('Metal', { exact: true }), value: '1000000000000001', message: /^Start stock of metal must be a whole number from 0 to 1000000000000000, not 1000000000000001$/ },
    { field: page.getByRole('spinbutton', { name: 'Metal Mine' }), value: '100', message: /^Start level of Metal Mine must be a whole number from 0 to \d\d \(higher levels overflow the figures\), not 100$/ },
    { field: page.getByLabel('Max temperature'), value: '4000000000', message: /^Maximum temperature must be a whole number from -1000 to 1000, not 4000000000$/ },
    { field: page.getByLabel('Satellites'), value: '12abc', message: /^Satellites must be a whole number from 0 to 1000000000, not 12abc$/ },
  ];
  for (const c of cases) {
    await t.test(c.value, async () => {
      const shown = await c.field.inputValue();
      await c.field.fill(c.value);
      await c.field.press('Enter');
      assert.match(await dialogText(page), c.message);
      await page.getByRole('button', { name: 'OK' }).click();
      assert.equal(await c.field.inputValue(), shown);
      assert.ok((await planBytes(page)).equals(before));
    });
  }
  await closePage(page);
});

test('a value typed without Enter is kept on reload', async () => {
  const page = await freshPage(browser.context, browser.url);
  await clickItems(page, ['Metal Mine']);
  await page.getByLabel('Satellites').fill('12');
  await page.getByLabel('Deuterium', { exact: true }).fill('7000000000');
  await page.reload();
  await ready(page);
  assert.equal(await page.getByLabel('Satellites').inputValue(), '12');
  assert.match((await planBytes(page)).toString('latin1'), /\r\nStock=500:500:7000000000\r\nSatellites=12\r\n/);
  await closePage(page);
});

test('a 20 MB plan opens in seconds and says the browser cannot keep it', async () => {
  const page = await freshPage(browser.context, browser.url);
  await clickItems(page, ['Metal Mine']);
  const file = longPlanFile(1_150_000);
  assert.ok(file.length > 20e6);
  const start = Date.now();
  await openFile(page, 'huge.bql', file);
  await page.waitForFunction(() => document.getElementById('queue-count').textContent === '(1150000)', null, { timeout: 60000 });
  const openMs = Date.now() - start;
  assert.ok(openMs < 30000, `opening took ${openMs} ms`);
  await page.waitForFunction(() => /too large for the browser to keep/.test(document.getElementById('status').textContent));
  // An edit at the end answers without walking for seconds.
  const editStart = Date.now();
  await clickItems(page, ['Shipyard']);
  assert.equal(await queueCount(page), 1_150_001);
  assert.ok(Date.now() - editStart < 5000, `an edit took ${Date.now() - editStart} ms`);
  await closePage(page);
});

test('a goal on a planet with start levels gets the complete search and its proof, as korvelin-optimize does', async () => {
  const page = await freshPage(browser.context, browser.url);
  // Time enough for the complete search in one piece; slices of it never prove.
  await page.evaluate(() => localStorage.setItem('korvelin.searchMs', '20000'));
  await page.reload();
  await ready(page);
  const file = planFile(['Levels=1:8,2:6,4:8'], []);
  await openFile(page, 'start.bql', file);
  // Nine levels to build, well past ten in target levels.
  const goal = { 'Robotics Factory': '3', 'Shipyard': '2', 'Metal Mine': '10', 'Solar Plant': '9', 'Crystal Mine': '7' };
  await page.getByRole('button', { name: 'Goal…' }).click();
  for (const [name, level] of Object.entries(goal)) await page.getByRole('spinbutton', { name }).fill(level);
  await page.getByRole('button', { name: 'Plan', exact: true }).click();
  assert.match(await searchAnswer(page, 40000), /Replace the queue\?$/);
  const search = await page.evaluate(() => performance.getEntriesByName('korvelin-search').at(-1).detail);
  assert.equal(search.proven, true, 'the answer is proven');
  await page.getByRole('button', { name: 'Yes' }).click();

  const path = join(mkdtempSync(join(tmpdir(), 'korvelin-web-')), 'start.bql');
  writeFileSync(path, file);
  const native = execFileSync(join(root, 'build/tools/optimize/korvelin-optimize'), ['--goal', '14=3,21=2,1=10,4=9,2=7', '--seconds', '20', path]).toString();
  assert.match(native, /search: exact/);
  assert.equal(await planTotal(page), BigInt(/plan: .*\((\d+) s\)/.exec(native)[1]));
  await closePage(page);
});

test('the page, its worker and the core carry one build stamp', () => {
  const names = readdirSync(site).filter((name) => /^(korvelin|searchWorker)-/.test(name)).sort();
  const stamp = /^korvelin-([0-9a-f]{12})\.js$/.exec(names[0])?.[1];
  assert.deepEqual(names, [`korvelin-${stamp}.js`, `korvelin-${stamp}.wasm`, `searchWorker-${stamp}.js`]);
  assert.ok(readFileSync(join(site, 'main.js'), 'utf8').includes(stamp));
  assert.ok(readFileSync(join(site, 'index.html'), 'utf8').includes(`href="korvelin-${stamp}.wasm"`));
});

test('an old page never starts a newer build\'s worker or core', async () => {
  // A copy of the site to deploy a newer build over, without the offline
  // copy: every file then comes from the server, as once the cache is gone.
  const dir = mkdtempSync(join(tmpdir(), 'korvelin-site-'));
  cpSync(site, dir, { recursive: true });
  writeFileSync(join(dir, 'sw.js'), '');
  const requested = [];
  const server = await serve(dir);
  server.on('request', (request) => requested.push(request.url));
  const url = `http://127.0.0.1:${server.address().port}/`;
  const page = await freshPage(browser.context, url);
  await clickItems(page, ['Metal Mine', 'Crystal Mine', 'Solar Plant']);

  // The newer build replaces the old one's files, stamp and all.
  const stamp = /^korvelin-([0-9a-f]{12})\.js$/.exec(readdirSync(dir).find((n) => /^korvelin-[0-9a-f]{12}\.js$/.test(n)))[1];
  const newer = stamp === 'abcdefabcdef' ? 'fedcbafedcba' : 'abcdefabcdef';
  for (const name of readdirSync(dir).filter((n) => n.includes(stamp))) {
    renameSync(join(dir, name), join(dir, name.replace(stamp, newer)));
  }
  for (const name of ['main.js', 'index.html', `searchWorker-${newer}.js`]) {
    writeFileSync(join(dir, name), readFileSync(join(dir, name), 'utf8').replaceAll(stamp, newer));
  }
  requested.length = 0;
  await page.getByRole('button', { name: 'Optimize' }).click();
  assert.match(await searchAnswer(page), /this page is older than the site/);
  assert.deepEqual(requested.filter((r) => r.includes(newer) || /\/(searchWorker|korvelin)\.(js|wasm)/.test(r)), []);
  assert.ok(requested.some((r) => r.includes(`searchWorker-${stamp}.js`)), `no worker asked for: ${requested}`);
  await closePage(page);
  server.closeAllConnections();
  await new Promise((resolve) => server.close(resolve));
});
