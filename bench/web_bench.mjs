// The page's figures beside their budgets, in the system's headless Chromium
// and Firefox: its size; its first contentful paint over fresh loads, beside
// that of a static copy of its own markup without its script, loaded in turn
// in the same browser; the time from a load to the handling of a key typed
// at once into the first entry; and the time from a key pressed in txtRs(0)
// to every result written, measured in the page. In Chromium besides, with
// the example circuit in the address and a key into the current, which
// changes every result but the total resistance: the script the browser runs
// per key and the layouts it makes, as DevTools counts them, at its own
// speed and at a CPU six times slower, beside a floor page (the same markup,
// whose only script writes the 21 result texts the page shows).
//     node bench/web_bench.mjs [--quick] [--base COMMIT|PAGE]
// --quick loads and types a few times only, to prove the script works; its
// figures mean nothing. --base loads another page in turn with this one,
// load by load in the same browsers, and gives each figure's ratio to it.
import { execFileSync } from 'node:child_process';
import { readFileSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { engines, launch, openPage, pageFile } from '../web/tests/browsers.mjs';

const quick = process.argv.includes('--quick');
const loads = quick ? 2 : Number(process.env.QUORVEL_BENCH_LOADS ?? 30);
const warmup = quick ? 2 : 50;
const keys = quick ? 4 : 400;
const rounds = quick ? 1 : 4;  // of keystrokes, each page in turn
const scriptRounds = quick ? 1 : 7;  // of keys measured for their script, each page and speed in turn
const scriptKeys = quick ? 4 : 20;
const slowdowns = [1, 6];
const example = '#4K7,2K2,1M,470R,5mA';

const median = values => percentile(values, 0.5);
function percentile(values, fraction) {
    const ordered = [...values].sort((a, b) => a - b);
    return ordered[Math.round(fraction * (ordered.length - 1))];
}

// This page, and the one set beside it: a page's path, or a commit's page,
// built outside the repository by bench/base_page.sh.
const baseAt = process.argv.indexOf('--base');
const baseName = baseAt > 0 ? process.argv[baseAt + 1] : null;
const pages = [{ file: pageFile }];
if (baseName) {
    const file = execFileSync(fileURLToPath(new URL('base_page.sh', import.meta.url)), [baseName],
                              { encoding: 'utf8', stdio: ['ignore', 'pipe', 'inherit'] }).trim();
    pages.push({ file });
}

// The same markup and style, nothing to run: the floor of a first paint.
for (const [n, page] of pages.entries()) {
    page.copy = join(tmpdir(), `quorvel-static-${process.pid}-${n}.html`);
    writeFileSync(page.copy, readFileSync(page.file, 'utf8').replace(/<script[\s\S]*?<\/script>/g, ''));
    page.size = statSync(page.file).size;
}

// The texts the page shows in its 21 result and unit boxes, with the example
// circuit, before and after a "7" typed at the end of the current.
async function shownTexts(tab, file) {
    await tab.goto('about:blank');
    await tab.goto(pathToFileURL(file).href + example);
    await tab.waitForFunction(() => document.activeElement?.id === 'txtRs(0)');
    const read = () => tab.$$eval('#frmQuorvel input[readonly]', boxes => boxes.map(box => [box.id, box.value]));
    const before = await read();
    await tab.focus('[id="txtIst"]');
    await tab.keyboard.press('End');
    await tab.keyboard.press('Digit7');
    return [before, await read()];
}

// The page's markup and style, whose only script writes the texts at each
// input of the current, the one set and the other in turn.
function floorPage(copy, texts) {
    const script = `<script>
        const texts = ${JSON.stringify(texts)};
        let turn = 0;
        document.getElementById('txtIst').addEventListener('input', () => {
            for (const [id, text] of texts[turn = 1 - turn]) document.getElementById(id).value = text;
        });
    </script>`;
    const file = copy.replace(/\.html$/, '-floor.html');
    writeFileSync(file, readFileSync(copy, 'utf8').replace('</body>', `${script}</body>`));
    return file;
}

// DevTools' counts over keys typed into the current, each key with its frame
// drawn: the script's time and the layouts, per key.
async function scriptPerKey(tab, file, slowdown, floor) {
    await tab.goto('about:blank');
    await tab.goto(pathToFileURL(file).href + example);
    if (!floor) await tab.waitForFunction(() => document.activeElement?.id === 'txtRs(0)');
    await tab.focus('[id="txtIst"]');
    await tab.keyboard.press('End');
    const cdp = tab.cdp;
    const frame = () => tab.evaluate(() => new Promise(done => requestAnimationFrame(() => setTimeout(done))));
    const metrics = async () => Object.fromEntries((await cdp.send('Performance.getMetrics')).metrics.map(m => [m.name, m.value]));
    await cdp.send('Emulation.setCPUThrottlingRate', { rate: slowdown });
    await frame();
    const before = await metrics();
    for (let n = 0; n < scriptKeys; ++n) {
        await tab.keyboard.press(n % 2 ? 'Backspace' : 'Digit7');
        await frame();
    }
    const after = await metrics();
    await cdp.send('Emulation.setCPUThrottlingRate', { rate: 1 });
    return { script: (after.ScriptDuration - before.ScriptDuration) * 1000 / scriptKeys,
             layouts: (after.LayoutCount - before.LayoutCount) / scriptKeys };
}

// Each page and the floor in turn, each round starting one further on, at
// each speed.
async function measureScript() {
    const browser = await launch('chromium', 'ro-RO');
    const tab = await openPage(browser, 'ro-RO');
    tab.cdp = await tab.createCDPSession();
    await tab.cdp.send('Performance.enable');
    const measured = [...pages.map(page => ({ file: page.file })), { file: floorPage(pages[0].copy, await shownTexts(tab, pages[0].file)), floor: true }];
    for (const page of measured) page.perKey = Object.fromEntries(slowdowns.map(rate => [rate, { script: [], layouts: [] }]));
    for (let n = 0; n < scriptRounds; ++n) {
        for (const slowdown of slowdowns) {
            for (let i = 0; i < measured.length; ++i) {
                const page = measured[(n + i) % measured.length];
                const { script, layouts } = await scriptPerKey(tab, page.file, slowdown, page.floor);
                page.perKey[slowdown].script.push(script);
                page.perKey[slowdown].layouts.push(layouts);
            }
        }
    }
    if (tab.errors.length) throw new Error(tab.errors.join('\n'));
    await browser.close();
    rmSync(measured.at(-1).file, { force: true });
    return measured;
}

async function firstContentfulPaint(page, file) {
    await page.goto(pathToFileURL(file).href);
    return page.waitForFunction(() => performance.getEntriesByType('paint')
        .find(paint => paint.name === 'first-contentful-paint')?.startTime).then(time => time.jsonValue());
}

// A key typed as soon as the entry is there, before the calculator has
// started; handled once the total shows it.
async function firstKeyHandled(page, file) {
    await page.goto(pathToFileURL(file).href, { waitUntil: 'domcontentloaded' });
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
async function keystrokes(page, file, count) {
    await page.goto(pathToFileURL(file).href);
    await page.waitForFunction(() => document.activeElement?.id === 'txtRs(0)');
    await page.evaluate(() => {
        window.keyTimes = [];
        let pressed = 0;
        window.addEventListener('keydown', () => { pressed = performance.now(); }, true);
        window.addEventListener('input', () => window.keyTimes.push(performance.now() - pressed));
    });
    await page.focus('[id="txtRs(0)"]');
    await page.keyboard.press('End');
    for (let n = 0; n < warmup + count; ++n) await page.keyboard.press(n % 2 ? 'Backspace' : 'Digit7');
    return (await page.evaluate(() => window.keyTimes)).slice(warmup);
}

// Each figure of each page, load by load in turn, so that the machine's load
// falls on all; each round starts one further on, so that none always
// follows the same.
async function measure(engine) {
    const browser = await launch(engine, 'ro-RO');
    const tab = await openPage(browser, 'ro-RO');
    const loadsInTurn = pages.flatMap(page => [[page, 'paints', page.file], [page, 'copyPaints', page.copy]]);
    for (const page of pages) Object.assign(page, { paints: [], copyPaints: [], firstKeys: [], keyTimes: [] });
    for (let n = 0; n < loads; ++n) {
        for (let i = 0; i < loadsInTurn.length; ++i) {
            const [page, figure, file] = loadsInTurn[(n + i) % loadsInTurn.length];
            page[figure].push(await firstContentfulPaint(tab, file));
        }
    }
    for (let n = 0; n < loads; ++n) {
        for (let i = 0; i < pages.length; ++i) {
            const page = pages[(n + i) % pages.length];
            page.firstKeys.push(await firstKeyHandled(tab, page.file));
        }
    }
    for (let n = 0; n < rounds; ++n) {
        for (const page of pages) page.keyTimes.push(...await keystrokes(tab, page.file, keys / rounds));
    }
    if (tab.errors.length) throw new Error(tab.errors.join('\n'));
    await browser.close();
}

const kib = bytes => `${(bytes / 1024).toFixed(0)} KiB`;
const ms = (values, places = 0) => [`${median(values).toFixed(places)} ms`, `${percentile(values, 0.9).toFixed(places)} ms`];
const [page, base] = pages;
const rows = [['page size', kib(page.size), '', '≤ 1024 KiB', page.size <= 1 << 20]];
if (base) rows.push(['  base', kib(base.size), '', '', null], ['  page / base', (page.size / base.size).toFixed(3), '', '', null]);
// The ratio of two medians beside a budget; none when there is no budget.
const ratio = (what, over, under, budget) =>
    [what, (median(over) / median(under)).toFixed(3), '', budget ? `≤ ${budget}` : '', budget ? median(over) / median(under) <= budget : null];
for (const engine of engines) {
    await measure(engine);
    rows.push(
        [`${engine}: first contentful paint`, ...ms(page.paints), '', null],
        ['  of the static copy', ...ms(page.copyPaints), '', null],
        ratio('  page / copy', page.paints, page.copyPaints, 1.05));
    if (base) {
        rows.push(
            ['  base', ...ms(base.paints), '', null],
            ['  of its static copy', ...ms(base.copyPaints), '', null],
            ratio('  base / its copy', base.paints, base.copyPaints),
            ratio('  page / base', page.paints, base.paints, 1));
    }
    rows.push(['  first key handled', ...ms(page.firstKeys), '', null]);
    if (base) rows.push(['  base', ...ms(base.firstKeys), '', null], ratio('  page / base', page.firstKeys, base.firstKeys));
    rows.push(['  keystroke → results', ...ms(page.keyTimes, 2), '≤ 2 ms', median(page.keyTimes) <= 2]);
    if (base) rows.push(['  base', ...ms(base.keyTimes, 2), '', null], ratio('  page / base', page.keyTimes, base.keyTimes));
}
if (engines.includes('chromium')) {
    const [own, ...others] = await measureScript();
    const floor = others.at(-1), before = others.length > 1 ? others[0] : null;
    for (const slowdown of slowdowns) {
        const at = `${slowdown}× slower`.replace('1× slower', 'own speed');
        const figures = page => page.perKey[slowdown];
        rows.push([`chromium, example, ${at}: script per key`, ...ms(figures(own).script, 2), '', null],
                  ['  floor page', ...ms(figures(floor).script, 2), '', null]);
        if (before) {
            rows.push(['  base', ...ms(figures(before).script, 2), '', null],
                      ratio('  page / base', figures(own).script, figures(before).script, 0.4));
        }
        rows.push(['  layouts per key', median(figures(own).layouts).toFixed(1), '', `≤ ${median(figures(floor).layouts).toFixed(1)} (floor)`,
                   median(figures(own).layouts) <= median(figures(floor).layouts)]);
        if (before) rows.push(['  base', median(figures(before).layouts).toFixed(1), '', '', null]);
    }
}
for (const { copy } of pages) rmSync(copy, { force: true });

console.log(`Quorvel web page${quick ? ' (--quick: figures mean nothing)' : ''}: ${loads} loads, ${keys} keystrokes, ` +
            `${scriptRounds} rounds of ${scriptKeys} keys for the script` +
            (base ? `, beside ${baseName} (${base.file}), in turn` : ''));
const widths = [46, 12, 12, 14, 0];
const line = cells => cells.map((cell, i) => cell.padEnd(widths[i])).join('').trimEnd();
console.log(line(['measure', 'median', 'p90', 'budget', 'met']));
for (const [what, figure, p90, budget, met] of rows) console.log(line([what, figure, p90, budget, met === null ? '' : met ? 'yes' : 'NO']));
