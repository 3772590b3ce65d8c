// The page's figures beside their budgets, in the system's headless Chromium
// and Firefox: its size; its first contentful paint over fresh loads, beside
// that of a static copy of its own markup without its script, loaded in turn
// in the same browser; the time from a load to the handling of a key typed
// at once into the first entry; and the time from a key pressed in txtRs(0)
// to every result written, measured in the page.
//     node bench/web_bench.mjs [--quick]
// --quick loads and types a few times only, to prove the script works; its
// figures mean nothing.
import { readFileSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { engines, launch, openPage, pageFile } from '../web/tests/browsers.mjs';

const quick = process.argv.includes('--quick');
const loads = quick ? 2 : Number(process.env.QUORVEL_BENCH_LOADS ?? 30);
const warmup = quick ? 2 : 50;
const keys = quick ? 4 : 400;

const median = values => percentile(values, 0.5);
function percentile(values, fraction) {
    const ordered = [...values].sort((a, b) => a - b);
    return ordered[Math.round(fraction * (ordered.length - 1))];
}

// The same markup and style, nothing to run: the floor of a first paint.
const staticCopy = join(tmpdir(), `quorvel-static-${process.pid}.html`);
writeFileSync(staticCopy, readFileSync(pageFile, 'utf8').replace(/<script[\s\S]*?<\/script>/g, ''));

async function firstContentfulPaint(page, file) {
    await page.goto(pathToFileURL(file).href);
    return page.waitForFunction(() => performance.getEntriesByType('paint')
        .find(paint => paint.name === 'first-contentful-paint')?.startTime).then(time => time.jsonValue());
}

// A key typed as soon as the entry is there, before the calculator has
// started; handled once the total shows it.
async function firstKeyHandled(page) {
    await page.goto(pathToFileURL(pageFile).href, { waitUntil: 'domcontentloaded' });
    await page.evaluate(() => {
        window.handled = new Promise(done => {
            const look = () => (document.getElementById('txtRst').value === '7' ? done(performance.now()) : requestAnimationFrame(look));
            look();
        });
    });
    await page.focus('[id="txtRs(0)"]');
    await page.keyboard.down('Control');
    await page.keyboard.press('KeyA');
    await page.keyboard.up('Control');
    await page.keyboard.press('Digit7');
    return page.evaluate(() => window.handled);
}

// From the key's event reaching the page to every result written: the
// window's listeners run first on the way down and last on the way up, and
// the calculator's handles the input between.
async function keystrokes(page) {
    await page.load();
    await page.evaluate(() => {
        window.keyTimes = [];
        let pressed = 0;
        window.addEventListener('keydown', () => { pressed = performance.now(); }, true);
        window.addEventListener('input', () => window.keyTimes.push(performance.now() - pressed));
    });
    await page.focus('[id="txtRs(0)"]');
    await page.keyboard.press('End');
    for (let n = 0; n < warmup + keys; ++n) await page.keyboard.press(n % 2 ? 'Backspace' : 'Digit7');
    return (await page.evaluate(() => window.keyTimes)).slice(warmup);
}

const rows = [['page size', `${(statSync(pageFile).size / 1024).toFixed(0)} KiB`, '', '≤ 1024 KiB',
               statSync(pageFile).size <= 1 << 20]];
for (const engine of engines) {
    const browser = await launch(engine, 'ro-RO');
    const page = await openPage(browser, 'ro-RO');
    const paints = { page: [], copy: [] };
    for (let n = 0; n < loads; ++n) {  // in turn, so that the machine's load falls on both
        paints.page.push(await firstContentfulPaint(page, pageFile));
        paints.copy.push(await firstContentfulPaint(page, staticCopy));
    }
    const firstKeys = [];
    for (let n = 0; n < loads; ++n) firstKeys.push(await firstKeyHandled(page));
    const keyTimes = await keystrokes(page);
    if (page.errors.length) throw new Error(page.errors.join('\n'));
    await browser.close();

    const ratio = median(paints.page) / median(paints.copy);
    rows.push(
        [`${engine}: first contentful paint`, `${median(paints.page).toFixed(0)} ms`, `${percentile(paints.page, 0.9).toFixed(0)} ms`, '', null],
        [`  of the static copy`, `${median(paints.copy).toFixed(0)} ms`, `${percentile(paints.copy, 0.9).toFixed(0)} ms`, '', null],
        [`  page / copy`, ratio.toFixed(2), '', '≤ 1.2', ratio <= 1.2],
        [`  first key handled`, `${median(firstKeys).toFixed(0)} ms`, `${percentile(firstKeys, 0.9).toFixed(0)} ms`, '', null],
        [`  keystroke → results`, `${median(keyTimes).toFixed(2)} ms`, `${percentile(keyTimes, 0.9).toFixed(2)} ms`, '≤ 2 ms',
         median(keyTimes) <= 2],
    );
}
rmSync(staticCopy, { force: true });

console.log(`Quorvel web page${quick ? ' (--quick: figures mean nothing)' : ''}: ${loads} loads, ${keys} keystrokes`);
const widths = [32, 12, 12, 14, 0];
const line = cells => cells.map((cell, i) => cell.padEnd(widths[i])).join('').trimEnd();
console.log(line(['measure', 'median', 'p90', 'budget', 'met']));
for (const [what, figure, p90, budget, met] of rows) console.log(line([what, figure, p90, budget, met === null ? '' : met ? 'yes' : 'NO']));
