// What the browser tests share: the served site, one browser, and the page's
// own controls driven as a person drives them.
import { readFile } from 'node:fs/promises';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { serve } from './serve.mjs';
import { launch } from './browser.mjs';

export const root = fileURLToPath(new URL('../..', import.meta.url));
export const site = process.env.KORVELIN_SITE ?? join(root, 'build-web/site');
export const nativeReport = process.env.KORVELIN_REPORT ?? join(root, 'build/tools/report/korvelin-report');

export async function startBrowser() {
  const server = await serve(site);
  const url = `http://127.0.0.1:${server.address().port}/`;
  const browser = await launch();
  const close = async () => {
    await browser.close();
    await new Promise((resolve) => server.close(resolve));
  };
  return { url, context: browser.context, close };
}

// A fresh page with nothing stored: the empty plan.
export async function freshPage(context, url) {
  const page = await context.newPage();
  page.on('pageerror', (error) => console.error('page error:', error.message));
  for (let attempt = 0; ; ++attempt) {
    await page.goto(url);
    // The page keeps its plan as it goes away (pagehide, then
    // visibilitychange); these clear after it.
    await page.evaluate(() => {
      localStorage.clear();
      addEventListener('pagehide', () => localStorage.clear());
      document.addEventListener('visibilitychange', () => localStorage.clear());
    });
    await page.goto(url);
    await ready(page);
    const count = await queueCount(page);
    if (count === 0) return page;
    console.error(`fresh page attempt ${attempt}: ${count} entries came back`);
    if (attempt === 3) throw new Error('the stored plan does not go away');
  }
}

export async function queueCount(page) {
  const text = await page.locator('#queue-count').textContent();
  return Number(/\d+/.exec(text)?.[0] ?? 0);
}

export async function ready(page) {
  await page.waitForSelector('body[data-ready="true"]', { timeout: 15000 });
}

export async function openFile(page, name, bytes) {
  await page.setInputFiles('#open-file', { name, mimeType: 'application/octet-stream', buffer: Buffer.from(bytes) });
}

export async function download(page, buttonName) {
  const [file] = await Promise.all([page.waitForEvent('download'), page.getByRole('button', { name: buttonName, exact: true }).click()]);
  return readFile(await file.path());
}

export async function setPlanet(page, temperature, satellites) {
  if (temperature !== undefined) await page.getByLabel('Max temperature').fill(temperature);
  if (satellites !== undefined) await page.getByLabel('Satellites').fill(satellites);
  await page.getByLabel('Satellites').press('Enter');
}

export async function clickItems(page, names) {
  for (const name of names) await page.getByRole('button', { name: new RegExp(`^${name} level`) }).click();
}

// The plan as Save writes it.
export async function planBytes(page) {
  return download(page, 'Save');
}

// The plan's total in seconds: the last row of Save CSV.
export async function planTotal(page) {
  const lines = (await download(page, 'Save CSV')).toString().trim().split('\n');
  return lines.length > 1 ? BigInt(lines[lines.length - 1].split(',')[11]) : 0n;
}

export async function dialogText(page) {
  const box = page.locator('dialog[open]');
  await box.waitFor();
  return box.locator('p').first().textContent();
}

// The text of the box a search ends with: the question or the message.
export async function searchAnswer(page, timeout = 10000) {
  await page.locator('#search-yes:visible, #message-ok:visible').first().waitFor({ timeout });
  return page.locator('dialog[open] p').first().textContent();
}

// Leaves the page before closing it, so that the copy it keeps on leaving is
// written before the next test clears the storage.
export async function closePage(page) {
  await page.goto('about:blank');
  await page.close();
}
