// The page's Next view against korvelin-report --payback: the same rows,
// Add as one undo step, a bad ratio refused with the core's message, and
// Grow… from the worker as one undo step.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import {
  clickItems, closePage, dialogText, freshPage, nativeReport, openFile, queueCount, ready, root, searchAnswer, startBrowser,
} from './helpers.mjs';

let browser;
before(async () => {
  browser = await startBrowser();
});
after(async () => {
  await browser?.close();
});

const planFile = join(root, 'tests/data/realistic-queues/research-marathon.bql');

// Price and gain cells of each row, as korvelin-report --payback prints them.
function nativeRows(ratio) {
  const run = spawnSync(nativeReport, ['--payback', '--format', 'csv', '--ratio', ratio, planFile], { encoding: 'utf8' });
  assert.equal(run.status, 0, run.stderr);
  return run.stdout.trim().split('\n').slice(1).map((line) => line.split(',').slice(3, 9).join(','));
}

async function pageRows(page) {
  return page.locator('#next-rows tr').evaluateAll((rows) =>
    rows.map((row) => Array.from(row.cells).slice(3, 9).map((cell) => cell.textContent).join(',')));
}

test('Next shows the ranking korvelin-report gives, and Add is one undo step', async () => {
  const page = await freshPage(browser.context, browser.url);
  await openFile(page, 'research-marathon.bql', readFileSync(planFile));
  await page.locator('#next-rows tr').first().waitFor();
  assert.deepEqual(await pageRows(page), nativeRows('3:2:1'));

  await page.locator('#next-ratio').fill('1:1:1');
  await page.locator('#next-ratio').press('Enter');
  await page.locator('#next-ratio').blur();
  assert.deepEqual(await pageRows(page), nativeRows('1:1:1'));

  const before = await queueCount(page);
  await page.locator('#next-rows tr').first().click();
  await page.locator('#next-add').click();
  assert.ok(await queueCount(page) > before);
  await page.keyboard.press('Control+z');
  assert.equal(await queueCount(page), before);

  await page.locator('#next-ratio').fill('3:2');
  await page.locator('#next-ratio').blur();
  assert.equal(await dialogText(page), 'Trade ratio must be three whole numbers A:B:C, each from 1 to 1000, not 3:2');
  await closePage(page);
});

test('Grow asks for the days, grows in the worker and applies as one undo step', async () => {
  const page = await freshPage(browser.context, browser.url);
  await page.evaluate(() => localStorage.setItem('korvelin.searchMs', '1000'));
  await page.reload();
  await ready(page);
  await clickItems(page, ['Metal Mine']);
  await page.getByRole('button', { name: 'Grow…' }).click();
  await page.locator('#grow-days').fill('2');
  await page.locator('#grow-ok').click();
  const question = await searchAnswer(page, 10000);
  assert.match(question, /^Append \d+ upgrades, ending at .* within 2 days\?/);
  await page.getByRole('button', { name: 'Yes' }).click();
  assert.ok(await queueCount(page) > 1);
  await page.keyboard.press('Control+z');
  assert.equal(await queueCount(page), 1);
  await closePage(page);
});
