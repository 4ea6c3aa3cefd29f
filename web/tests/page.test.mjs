// The web edition in Debian's Chromium against the desktop build: the CSV and
// the walk's messages byte for byte as korvelin-report gives them, files that
// come back as they went in, the share link, storage, the search worker, the
// plan check's marks and a bad file.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import { mkdtempSync, readdirSync, readFileSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import {
  clickItems, closePage, dialogText, download, freshPage, nativeReport, openFile, planBytes, planTotal, ready, root, searchAnswer, setPlanet,
  startBrowser,
} from './helpers.mjs';
import { kLongPlanPlanet, longPlanFile } from './longplan.mjs';

let browser;
before(async () => {
  browser = await startBrowser();
});
after(async () => {
  await browser?.close();
});

const dataDir = join(root, 'tests/data');
const realistic = readdirSync(join(dataDir, 'realistic-queues')).map((name) => join(dataDir, 'realistic-queues', name));
const planFiles = [...realistic, join(dataDir, 'three-entry-queue/queue.bql'), join(dataDir, 'empty-queue/queue.bql')];

// A queue file with the planet's key lines put after its temperature.
function withPlanet(file, keyLines) {
  const text = readFileSync(file, 'latin1').replace(/(Temperature=[^\r\n]*\r\n)/, `$1${keyLines.map((l) => l + '\r\n').join('')}`);
  const path = join(mkdtempSync(join(tmpdir(), 'korvelin-web-')), file.split('/').pop());
  writeFileSync(path, text, 'latin1');
  return path;
}

// Plans with planets: each file as it stands, with satellites, with the
// temperature typed over the file's, and on planets with start levels, stock,
// speed and satellites of their own.
const cases = [
  { file: withPlanet(realistic[0], ['Levels=1:20,2:17,3:9,4:21,14:2', 'Stock=120000:80000:15000', 'Speed=4']), satellites: '0' },
  { file: withPlanet(realistic[1], ['Levels=12:5,31:3', 'Stock=0:0:0', 'Satellites=30']), satellites: '30' },
  { file: withPlanet(join(dataDir, 'three-entry-queue/queue.bql'), ['Speed=100']), satellites: '2' },
  { file: withPlanet(realistic[3], ['Levels=1:40,2:35,3:30,4:38,12:10,14:10,15:3', 'Stock=2000000000:1:7', 'Speed=7']), satellites: '5' },
  ...planFiles.map((file) => ({ file, satellites: '0' })),
  ...realistic.map((file) => ({ file, satellites: '17' })),
  { file: join(dataDir, 'three-entry-queue/queue.bql'), temperature: '-60', satellites: '3' },
  { file: realistic[0], temperature: '250', satellites: '40' },
];

function report(file, temperature, satellites) {
  const args = ['--format', 'csv', '--satellites', satellites, ...(temperature ? ['--temperature', temperature] : []), file];
  const run = spawnSync(nativeReport, args, { encoding: 'buffer' });
  assert.equal(run.status, 0, run.stderr.toString());
  return { csv: run.stdout, messages: run.stderr.toString().split('\n').filter((l) => l) };
}

test('Save CSV and the walk messages equal korvelin-report for plans on planets', async (t) => {
  const page = await freshPage(browser.context, browser.url);
  for (const c of cases) {
    const name = `${c.file.split('/').slice(-2).join('/')} T=${c.temperature ?? 'file'} S=${c.satellites}`;
    await t.test(name, async () => {
      await openFile(page, 'plan.bql', readFileSync(c.file));
      await setPlanet(page, c.temperature, c.satellites);
      const expected = report(c.file, c.temperature, c.satellites);
      const csv = await download(page, 'Save CSV');
      assert.ok(csv.equals(expected.csv), `CSV differs for ${name}`);
      const messages = await page.locator('#messages li').allTextContents();
      assert.deepEqual(messages, expected.messages);
    });
  }
  await closePage(page);
});

test('a file opened and saved comes back byte for byte', async () => {
  const page = await freshPage(browser.context, browser.url);
  for (const file of [...planFiles, ...cases.slice(0, 4).map((c) => c.file)]) {
    const bytes = readFileSync(file);
    // A file without "Satellites=" keeps the count as typed.
    await setPlanet(page, undefined, '0');
    await openFile(page, 'plan.bql', bytes);
    const saved = await download(page, 'Save');
    assert.ok(saved.equals(bytes), `${file} changed on the way through`);
  }
  await closePage(page);
});

test('a share link opens exactly the plan it was made from', async () => {
  const page = await freshPage(browser.context, browser.url);
  await clickItems(page, ['Solar Plant', 'Metal Mine', 'Metal Mine', 'Crystal Mine', 'Espionage']);
  await setPlanet(page, '-17', '5');
  const shared = await planBytes(page);
  await page.getByRole('button', { name: 'Share link' }).click();
  const link = (await dialogText(page)).replace(/^Link copied:\n/, '');
  await page.getByRole('button', { name: 'OK' }).click();
  await clickItems(page, ['Shipyard']); // the stored plan now differs from the link's

  const other = await browser.context.newPage();
  await other.goto(link);
  await ready(other);
  assert.ok((await planBytes(other)).equals(shared));
  assert.equal(await other.getByLabel('Satellites').inputValue(), '5');
  assert.equal(new URL(other.url()).hash, '', 'the fragment is dropped once read');
  await closePage(other);
  await closePage(page);
});

test('a reload keeps the plan, the planet and the name choice', async () => {
  const page = await freshPage(browser.context, browser.url);
  await clickItems(page, ['Metal Mine', 'Solar Plant', 'Research Lab', 'Espionage']);
  await setPlanet(page, '55', '9');
  await page.getByLabel('Russian item names').check();
  const before = await planBytes(page);
  await page.reload();
  await ready(page);
  assert.ok((await planBytes(page)).equals(before));
  assert.equal(await page.getByLabel('Satellites').inputValue(), '9');
  assert.ok(await page.getByLabel('Russian item names').isChecked());
  await closePage(page);
});

test('undo and redo walk back and forth through the edits', async () => {
  const page = await freshPage(browser.context, browser.url);
  await clickItems(page, ['Metal Mine', 'Metal Mine', 'Crystal Mine', 'Metal Mine']);
  const full = await planBytes(page);
  await page.locator('#queue li').nth(1).click();
  await page.keyboard.press('Delete'); // Metal Mine 2 and, with it, Metal Mine 3
  assert.deepEqual(await page.locator('#queue li').allTextContents(), ['1. Metal Mine (1)', '2. Crystal Mine (1)']);
  await page.keyboard.press('Control+z');
  assert.ok((await planBytes(page)).equals(full));
  await page.keyboard.press('Control+y');
  assert.equal(await page.locator('#queue li').count(), 2);
  await closePage(page);
});

test('the table marks the rows korvelin-report --check names, with its reason in the Note and the tool tip', async () => {
  // Computer before its lab; a metal mine whose price passes the metal storage.
  const file = Buffer.from(['[Korvelin_0.7_BuildQueueList]', 'Temperature=35', 'Levels=1:21', '##BUILD##', '108:1:999',
    '31:1:998', '1:22:997'].map((l) => l + '\r\n').join(''), 'latin1');
  const path = join(mkdtempSync(join(tmpdir(), 'korvelin-web-')), 'check.bql');
  writeFileSync(path, file);
  const check = spawnSync(nativeReport, ['--check', path], { encoding: 'utf8' });
  assert.equal(check.status, 1, check.stderr);
  const named = check.stdout.split('\n').filter((l) => l).map((l) => /^(\d+)\. [^:]*: (.*)$/.exec(l));
  assert.deepEqual(named.map((m) => m[1]), ['1', '3']);

  const page = await freshPage(browser.context, browser.url);
  await openFile(page, 'check.bql', file);
  const rows = page.locator('#rows tr');
  await rows.nth(2).waitFor();
  for (const [, line, reason] of named) {
    const row = rows.nth(Number(line) - 1);
    assert.match(await row.getAttribute('class'), /marked/);
    assert.ok((await row.locator('td').last().textContent()).includes(reason), line);
    assert.ok((await row.getAttribute('title')).includes(reason), line);
  }
  assert.doesNotMatch(await rows.nth(1).locator('td').last().textContent(), /needs|holds/);
  await closePage(page);
});

test('a bad file gives a clear message and loses nothing', async () => {
  const page = await freshPage(browser.context, browser.url);
  await clickItems(page, ['Metal Mine', 'Crystal Mine']);
  const before = await planBytes(page);
  await openFile(page, 'broken.bql', Buffer.from('\x89PNG\r\n\x1a\n not a plan at all'));
  const text = await dialogText(page);
  assert.match(text, /Config file is corrupted or not version/);
  assert.match(await page.locator('dialog[open] h2').textContent(), /Cannot open broken\.bql/);
  await page.getByRole('button', { name: 'OK' }).click();
  assert.ok((await planBytes(page)).equals(before));
  await page.reload();
  await ready(page);
  assert.ok((await planBytes(page)).equals(before), 'the stored plan survives too');
  await closePage(page);
});

test('Optimize runs in the worker and Cancel answers quickly, keeping the best found', async () => {
  const page = await freshPage(browser.context, browser.url);
  // A search budget long enough that only Cancel ends it.
  await page.evaluate(() => localStorage.setItem('korvelin.searchMs', '60000'));
  await page.reload();
  await ready(page);
  await openFile(page, 'long.bql', longPlanFile(300, '40', kLongPlanPlanet));
  const before = await planBytes(page);
  await page.getByRole('button', { name: 'Optimize' }).click();
  await page.waitForFunction(() => /Best total so far/.test(document.getElementById('search-text').textContent));
  // The page stays responsive while the worker searches.
  const frameGap = await page.evaluate(() => new Promise((resolve) => {
    const start = performance.now();
    requestAnimationFrame(() => resolve(performance.now() - start));
  }));
  assert.ok(frameGap < 200, `a frame took ${frameGap} ms`);
  // From Cancel to the closing question, measured in the page.
  const answerMs = await page.evaluate(() => new Promise((resolve) => {
    const start = performance.now();
    const answered = () => !document.getElementById('search-yes').hidden || document.getElementById('message-box').open;
    new MutationObserver((_, observer) => {
      if (!answered()) return;
      observer.disconnect();
      resolve(performance.now() - start);
    }).observe(document.body, { subtree: true, attributes: true, childList: true });
    document.getElementById('search-cancel').click();
  }));
  assert.ok(answerMs < 500, `Cancel took ${answerMs} ms`);
  const question = await searchAnswer(page, 2000);
  // Led by a warning when the plan as queued gets no deuterium somewhere.
  assert.match(question, /^(The current order [^.]*\. )?Total time: .* → .* \(\d+\.\d% shorter\)\. Apply the new order\?$/);
  await page.getByRole('button', { name: 'Yes' }).click();
  const after = await planBytes(page);
  assert.ok(!after.equals(before));
  await page.keyboard.press('Control+z');
  assert.ok((await planBytes(page)).equals(before), 'the new order is one undo step');
  await closePage(page);
});

test('Optimize proves a short plan and applies the same order as korvelin-optimize', async () => {
  const page = await freshPage(browser.context, browser.url);
  const file = join(dataDir, 'realistic-queues/realistic-growth.bql');
  const lines = readFileSync(file, 'latin1').split('\r\n');
  const short = Buffer.from([...lines.slice(0, 3), ...lines.slice(3, 11), ''].join('\r\n'));
  await openFile(page, 'short.bql', short);
  await page.getByRole('button', { name: 'Optimize' }).click();
  const question = await searchAnswer(page);
  const path = join(mkdtempSync(join(tmpdir(), 'korvelin-web-')), 'short.bql');
  writeFileSync(path, short);
  const native = execFileSync(join(root, 'build/tools/optimize/korvelin-optimize'), [path]).toString();
  const after = /after: .*\((\d+) s\)/.exec(native);
  assert.ok(after, native);
  assert.match(native, /search: exact/);
  if (/Apply the new order/.test(question)) {
    await page.getByRole('button', { name: 'Yes' }).click();
  } else {
    assert.match(question, /already the shortest/);
    await page.getByRole('button', { name: 'OK' }).click();
  }
  // Either way the plan now has the proven shortest total.
  assert.equal(await planTotal(page), BigInt(after[1]));
  await closePage(page);
});

test('Optimize refuses a plan that lacks a prerequisite and names what to add', async () => {
  const page = await freshPage(browser.context, browser.url);
  const plan = Buffer.from(['[Korvelin_0.7_BuildQueueList]', 'Temperature=40', '##BUILD##', '106:1:999', '1:1:998', '']
    .join('\r\n'));
  await openFile(page, 'lacking.bql', plan);
  const before = await planBytes(page);
  await page.getByRole('button', { name: 'Optimize' }).click();
  assert.equal(await searchAnswer(page),
    "No admissible order: Espionage 1 needs Research Lab 3: add it, or raise the planet's start level");
  await page.getByRole('button', { name: 'OK' }).click();
  assert.ok((await planBytes(page)).equals(before));
  await closePage(page);
});

test('after the first load the page works offline', async () => {
  const page = await freshPage(browser.context, browser.url);
  await clickItems(page, ['Metal Mine', 'Solar Plant']);
  const before = await planBytes(page);
  await page.evaluate(() => navigator.serviceWorker.ready);
  await browser.context.setOffline(true);
  try {
    await page.reload();
    await ready(page);
    assert.ok((await planBytes(page)).equals(before));
    assert.equal(await page.locator('#buildings button.item').count(), 13);
  } finally {
    await browser.context.setOffline(false);
  }
  await closePage(page);
});

test('Goal… plans in the worker as korvelin-optimize --goal does and applies as one undo step', async () => {
  const page = await freshPage(browser.context, browser.url);
  await setPlanet(page, '40', '0');
  const before = await planBytes(page);
  await page.getByRole('button', { name: 'Goal…' }).click();
  await page.getByRole('spinbutton', { name: 'Robotics Factory' }).fill('1');
  await page.getByRole('button', { name: 'Plan', exact: true }).click();
  const question = await searchAnswer(page);
  // The added upgrades with their reasons, one a line, as the window lists them.
  assert.match(question, /^Reach the goal in .* with \d+ upgrades, \d+ of them added\.\n\nAdded:\n(.+: .+\n)+\nReplace the queue\?$/);
  assert.match(question, /\nMetal Mine 1\u2013\d+: pays for itself\n/);

  const path = join(mkdtempSync(join(tmpdir(), 'korvelin-web-')), 'empty.bql');
  writeFileSync(path, before);
  const native = execFileSync(join(root, 'build/tools/optimize/korvelin-optimize'), ['--goal', '14=1', path]).toString();
  assert.match(native, /search: exact/);
  const seconds = Number(/plan: .*\((\d+) s\)/.exec(native)[1]);
  await page.getByRole('button', { name: 'Yes' }).click();
  assert.equal(await planTotal(page), BigInt(seconds));
  assert.ok((await page.locator('#queue li').allTextContents()).some((line) => / Robotics Factory \(1\)$/.test(line)));
  await page.keyboard.press('Control+z');
  assert.ok((await planBytes(page)).equals(before));
  await closePage(page);
});

test('every control has a name a screen reader announces and is reached from the keyboard', async () => {
  const page = await freshPage(browser.context, browser.url);
  await clickItems(page, ['Metal Mine', 'Solar Plant']);
  const unnamed = await page.evaluate(() => Array.from(document.querySelectorAll('button, input, [role="listbox"]'))
    .filter((el) => !el.closest('dialog') && !el.hidden && el.type !== 'file')
    .filter((el) => {
      const name = el.getAttribute('aria-label') || el.getAttribute('aria-labelledby') ||
        (el.labels && el.labels.length ? 'label' : '') || el.textContent.trim();
      return !name;
    })
    .map((el) => el.outerHTML.slice(0, 80)));
  assert.deepEqual(unnamed, []);
  // Tab reaches the queue; the keys there select and delete with the later levels.
  await page.locator('#queue').focus();
  await page.keyboard.press('End');
  await page.keyboard.press('Delete');
  assert.deepEqual(await page.locator('#queue li').allTextContents(), ['1. Metal Mine (1)']);
  await closePage(page);
});

test('Built up to here moves the planet on, plays on as korvelin-report does, and undoes in one step', async () => {
  const page = await freshPage(browser.context, browser.url);
  const lines = readFileSync(join(dataDir, 'realistic-queues/realistic-growth.bql'), 'latin1').split('\r\n');
  await openFile(page, 'growth.bql', Buffer.from([...lines.slice(0, 15), ''].join('\r\n'), 'latin1'));
  const before = await planBytes(page);
  const stockAfterLine3 = (await download(page, 'Save CSV')).toString().split('\n')[3].split(',').slice(12, 15).join(':');
  await page.locator('#queue li').nth(2).click();
  await page.getByRole('button', { name: 'Built up to here' }).click();
  assert.equal(await page.locator('#queue li').count(), 9);
  await page.getByText('Start levels').click();
  assert.equal(await page.getByRole('spinbutton', { name: 'Solar Plant' }).inputValue(), '2');
  assert.equal([await page.getByLabel('Metal', { exact: true }).inputValue(), await page.getByLabel('Crystal', { exact: true }).inputValue(),
    await page.getByLabel('Deuterium', { exact: true }).inputValue()].join(':'), stockAfterLine3);

  // The plan from the new start, saved and played by the native report.
  const path = join(mkdtempSync(join(tmpdir(), 'korvelin-web-')), 'built.bql');
  writeFileSync(path, await download(page, 'Save'));
  assert.match(readFileSync(path, 'latin1'), /\r\nLevels=1:1,4:2\r\nStock=/);
  assert.ok((await download(page, 'Save CSV')).equals(report(path, undefined, '0').csv));

  await page.keyboard.press('Control+z');
  assert.ok((await planBytes(page)).equals(before));
  await closePage(page);
});

test('the Planet form renumbers the queue on a new start level and plays at the economy speed', async () => {
  const page = await freshPage(browser.context, browser.url);
  await clickItems(page, ['Solar Plant', 'Metal Mine', 'Metal Mine']);
  await page.getByText('Start levels').click();
  await page.getByRole('spinbutton', { name: 'Metal Mine' }).fill('20');
  await page.getByRole('spinbutton', { name: 'Metal Mine' }).press('Enter');
  await page.getByLabel('Economy speed').fill('100');
  await page.getByLabel('Economy speed').press('Enter');
  assert.deepEqual(await page.locator('#queue li').allTextContents(),
    ['1. Solar Plant (1)', '2. Metal Mine (21)', '3. Metal Mine (22)']);
  const path = join(mkdtempSync(join(tmpdir(), 'korvelin-web-')), 'speed.bql');
  writeFileSync(path, await download(page, 'Save'));
  assert.match(readFileSync(path, 'latin1'), /\r\nLevels=1:20\r\nSpeed=100\r\n/);
  assert.ok((await download(page, 'Save CSV')).equals(report(path, undefined, '0').csv));
  await closePage(page);
});

test('the Rules choice plays the game rules, is saved as Rules=game and undone in one step', async () => {
  const page = await freshPage(browser.context, browser.url);
  await clickItems(page, ['Metal Mine', 'Research Lab', 'Armour']);
  const before = await planBytes(page);
  await page.getByLabel('Rules').selectOption('game');
  const path = join(mkdtempSync(join(tmpdir(), 'korvelin-web-')), 'rules.bql');
  writeFileSync(path, await download(page, 'Save'));
  assert.match(readFileSync(path, 'latin1'), /\r\nRules=game\r\n##BUILD##\r\n/);
  // Research in the lab and a mine without energy: other figures than classic's.
  const game = await download(page, 'Save CSV');
  assert.ok(game.equals(report(path, undefined, '0').csv));
  await page.getByRole('button', { name: 'Undo' }).click();
  assert.equal(await page.getByLabel('Rules').inputValue(), 'classic');
  assert.ok((await planBytes(page)).equals(before));
  assert.ok(!(await download(page, 'Save CSV')).equals(game));
  await closePage(page);
});
