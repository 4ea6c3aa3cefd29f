// Speed figures of the web edition, printed for the record (not a pass/fail
// test): how soon the page is usable, how long an item click takes to bring
// the table up to date at 1,000 entries, and the order search's rate in the
// worker beside the native build's benchmark.
import { execFileSync } from 'node:child_process';
import { existsSync } from 'node:fs';
import { join } from 'node:path';
import { openFile, ready, root, searchAnswer, startBrowser } from './helpers.mjs';
import { balancedPlanFile, kBalancedPlanPlanet, longPlanFile } from './longplan.mjs';

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const browser = await startBrowser();

// Usable: the first redraw from the core is done and the controls answer.
// The browser is warmed on another file of the site first, so the first
// figure is a first visit, not the browser's own start.
const warm = await browser.context.newPage();
await warm.goto(`${browser.url}manifest.webmanifest`);
await warm.close();
const loads = [];
for (let i = 0; i < 6; ++i) {
  const page = await browser.context.newPage();
  await page.goto(browser.url);
  await ready(page);
  loads.push(await page.evaluate(() => performance.getEntriesByName('korvelin-ready')[0].startTime));
  await page.close();
}
console.log(`load to usable: first ${loads[0].toFixed(0)} ms (empty cache), then median ${median(loads.slice(1)).toFixed(0)} ms`);

const page = await browser.context.newPage();
await page.goto(browser.url);
await page.evaluate(() => localStorage.setItem('korvelin.searchMs', '3000'));
await page.reload();
await ready(page);
await openFile(page, 'long.bql', longPlanFile(1000));
await page.waitForFunction(() => document.getElementById('queue-count').textContent === '(1000)');
const clicks = await page.evaluate(async () => {
  const results = [];
  for (let i = 0; i < 15; ++i) {
    const button = document.querySelector('button.item[data-bid="21"]');
    const start = performance.now();
    button.click();
    const handled = performance.now();
    // To the next frame: style, layout and paint of the new table included.
    await new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve, 0)));
    results.push([handled - start, performance.now() - start]);
    document.getElementById('undo').click();
  }
  return results;
});
console.log(`item click at 1,000 entries: handler median ${median(clicks.map((c) => c[0])).toFixed(1)} ms, ` +
  `to the next frame median ${median(clicks.map((c) => c[1])).toFixed(1)} ms`);

await openFile(page, 'search.bql', balancedPlanFile('40', kBalancedPlanPlanet));
await page.getByRole('button', { name: 'Optimize' }).click();
await searchAnswer(page);
const search = await page.evaluate(() => performance.getEntriesByName('korvelin-search').at(-1).detail);
const webRate = (search.evaluations / search.searchMs) * 1000;
console.log(`search in the worker (balanced 300-entry plan, 3 s): ${(webRate / 1e6).toFixed(2)} M evaluated entries/s`);
await browser.close();

const bench = join(root, 'build/bench/korvelin_optimize_bench');
if (existsSync(bench)) {
  const out = execFileSync(bench, ['--benchmark_filter=EvaluationsPerSecond', '--benchmark_format=json']).toString();
  const nativeRate = JSON.parse(out).benchmarks[0].evaluations;
  console.log(`native search (korvelin_optimize_bench, 300 entries): ${(nativeRate / 1e6).toFixed(2)} M evaluated entries/s; ` +
    `the worker reaches ${((webRate / nativeRate) * 100).toFixed(0)}%`);
}
