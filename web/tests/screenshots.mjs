// Pictures of the page for a person to look at: a realistic plan at desktop
// and phone sizes, and the search's question. `node web/tests/screenshots.mjs DIR`
import { mkdirSync, readFileSync } from 'node:fs';
import { join } from 'node:path';
import { freshPage, openFile, root, searchAnswer, startBrowser } from './helpers.mjs';

const out = process.argv[2] ?? join(root, 'build-web/screenshots');
mkdirSync(out, { recursive: true });
const browser = await startBrowser();
const page = await freshPage(browser.context, browser.url);
await openFile(page, 'realistic-growth.bql', readFileSync(join(root, 'tests/data/realistic-queues/realistic-growth.bql')));
await page.locator('#queue li[data-index="12"]').click();
await page.setViewportSize({ width: 1440, height: 900 });
await page.waitForTimeout(300);
await page.screenshot({ path: join(out, 'desktop.png') });
await page.screenshot({ path: join(out, 'desktop-full.png'), fullPage: true });
await page.setViewportSize({ width: 390, height: 844 });
await page.waitForTimeout(300);
await page.screenshot({ path: join(out, 'phone.png') });
await page.screenshot({ path: join(out, 'phone-full.png'), fullPage: true });
await page.setViewportSize({ width: 1440, height: 900 });
await page.getByRole('button', { name: 'Optimize' }).click();
await searchAnswer(page);
await page.screenshot({ path: join(out, 'optimize.png') });
await browser.close();
console.log(`screenshots in ${out}`);
