// The page's figures beside their budgets, in the system's headless Chromium:
// its size, its first paints over fresh loads, and the time from a key
// pressed in txtRs(0) to every result written, measured in the page
// (performance.now() has a resolution of 0.1 ms there).
//     node bench/web_bench.mjs [--quick]
// --quick loads and types a few times only, to prove the script works; its
// figures mean nothing.
import { statSync } from 'node:fs';
import { launch, openPage, pageFile } from '../web/tests/chromium.mjs';

const quick = process.argv.includes('--quick');
const loads = quick ? 2 : 15;
const warmup = quick ? 2 : 50;
const keys = quick ? 4 : 400;

const median = values => percentile(values, 0.5);
function percentile(values, fraction) {
    const ordered = [...values].sort((a, b) => a - b);
    return ordered[Math.round(fraction * (ordered.length - 1))];
}

const browser = await launch();
const page = await openPage(browser, 'ro-RO');

const paints = { 'first-paint': [], 'first-contentful-paint': [] };
for (let n = 0; n < loads; ++n) {
    await page.load();
    const entries = await page.evaluate(() => performance.getEntriesByType('paint').map(p => [p.name, p.startTime]));
    for (const [name, time] of entries) paints[name]?.push(time);
}

// From the key's event reaching the page to every result written: the
// window's listeners run first on the way down and last on the way up, and
// the calculator's handles the input between.
await page.evaluate(() => {
    window.keyTimes = [];
    window.inputTimes = [];
    let pressed = 0, edited = 0;
    window.addEventListener('keydown', () => { pressed = performance.now(); }, true);
    window.addEventListener('input', () => { edited = performance.now(); }, true);
    window.addEventListener('input', () => {
        const now = performance.now();
        window.keyTimes.push(now - pressed);
        window.inputTimes.push(now - edited);
    });
});
await page.focus('[id="txtRs(0)"]');
await page.keyboard.press('End');
for (let n = 0; n < warmup + keys; ++n) await page.keyboard.press(n % 2 ? 'Backspace' : 'Digit7');
const keyTimes = (await page.evaluate(() => window.keyTimes)).slice(warmup);
const inputTimes = (await page.evaluate(() => window.inputTimes)).slice(warmup);
if (page.errors.length) throw new Error(page.errors.join('\n'));
await browser.close();

const rows = [
    ['page size', `${(statSync(pageFile).size / 1024).toFixed(0)} KiB`, '', '≤ 1024 KiB', statSync(pageFile).size <= 1 << 20],
    ...Object.entries(paints).map(([name, times]) =>
        [name, `${median(times).toFixed(0)} ms`, `${percentile(times, 0.9).toFixed(0)} ms`, '≤ 300 ms', median(times) <= 300]),
    ['keystroke → results', `${median(keyTimes).toFixed(2)} ms`, `${percentile(keyTimes, 0.9).toFixed(2)} ms`, '≤ 2 ms',
     median(keyTimes) <= 2],
    ['of it, the input event', `${median(inputTimes).toFixed(2)} ms`, `${percentile(inputTimes, 0.9).toFixed(2)} ms`, '', null],
];
console.log(`Quorvel web page${quick ? ' (--quick: figures mean nothing)' : ''}: ${loads} loads, ${keys} keystrokes`);
const widths = [26, 12, 12, 14, 0];
const line = cells => cells.map((cell, i) => cell.padEnd(widths[i])).join('').trimEnd();
console.log(line(['measure', 'median', 'p90', 'budget', 'met']));
for (const [what, figure, p90, budget, met] of rows) console.log(line([what, figure, p90, budget, met === null ? '' : met ? 'yes' : 'NO']));
