// The page in headless Chromium under two locales: each scenario of
// scenarios.txt played with real keys, clicks and picks, and after each step
// every field, the error report and the end checked against what the
// calculator built natively shows on the same inputs.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { after, before, test } from 'node:test';
import { fileURLToPath } from 'node:url';
import { launch, openPage } from './chromium.mjs';

const here = fileURLToPath(new URL('.', import.meta.url));
const expectations = process.env.QUORVEL_EXPECTATIONS ?? `${here}../../build/default/web/tests/quorvel_page_expectations`;
const separators = { 'en-US': ['.', ','], 'ro-RO': [',', '.'], 'fr-FR': [',', '\u202F'] };
const byId = id => `[id="${id}"]`;

let browser;
before(async () => { browser = await launch(); });
after(() => browser?.close());

// Every field's text by id, and the tooltips of the boxes that cut theirs.
function shown(page) {
    return page.evaluate(async () => {
        // Scrolling is told a frame later.
        await new Promise(done => requestAnimationFrame(() => requestAnimationFrame(done)));
        const calculator = document.getElementById('frmQuorvel');
        const fields = {}, tooltips = {};
        for (const box of calculator?.querySelectorAll('input, select') ?? []) {
            fields[box.id] = box.value;
            const told = box.scrollWidth > box.clientWidth ? box.title.startsWith(box.value) : box.title === '';
            if (box.readOnly && !told) tooltips[box.id] = box.title;
        }
        if (calculator) fields.lblUMs = document.getElementById('lblUMs').textContent;
        // A cut text shows its beginning, "…" and its exponent, unless the user selects or
        // scrolls through it; a box not in use shows its beginning.
        const inUse = box => box === document.activeElement &&
            (box.selectionStart !== 0 || box.selectionEnd !== 0 || box.scrollLeft > 0);
        const results = [...calculator?.querySelectorAll('input[readonly]') ?? []];
        const marked = results.filter(box => getComputedStyle(box.nextElementSibling).display !== 'none').map(box => box.id);
        const cut = results.filter(box => box.scrollWidth > box.clientWidth && !inUse(box)).map(box => box.id);
        const unshown = results.filter(box => !inUse(box) && box.scrollLeft > 0).map(box => box.id);
        const misdrawn = results.filter(box => marked.includes(box.id)).filter(box => {
            const [mantissa, exponent] = box.nextElementSibling.children;
            const at = box.value.includes('E') ? box.value.indexOf('E') : box.value.length;
            const edge = box.getBoundingClientRect().right;
            const beginning = [box.value.slice(0, at), box.value.slice(0, 1) + '…'];
            return !beginning.includes(mantissa.textContent) || exponent.textContent !== box.value.slice(at) ||
                mantissa.getBoundingClientRect().width < 1 || exponent.getBoundingClientRect().right > edge;
        }).map(box => box.id);
        // An entry shows whole a text that fits inside its frame, as the window's does.
        const measure = document.createElement('canvas').getContext('2d');
        const clipped = [...calculator?.querySelectorAll('input:not([readonly])') ?? []].filter(entry => {
            measure.font = getComputedStyle(entry).font;
            return entry !== document.activeElement && entry.scrollWidth > entry.clientWidth &&
                measure.measureText(entry.value).width <= entry.offsetWidth - 2;
        }).map(entry => entry.id);
        const report = document.getElementById('dlgError');
        return { fields, tooltips, report: report.open ? document.getElementById('lblErrorText').textContent : null,
                 ended: !document.getElementById('ended').hidden, focus: document.activeElement.id, marked, cut,
                 unshown, misdrawn, clipped };
    });
}

async function selectAll(page, id) {
    await page.focus(byId(id));
    await page.keyboard.down('Control');
    await page.keyboard.press('KeyA');
    await page.keyboard.up('Control');
}

const play = {
    type: async (page, id, text) => { await selectAll(page, id); await page.keyboard.type(text); },
    paste: async (page, id, text) => { await selectAll(page, id); await page.keyboard.sendCharacter(text); },
    home: async (page, id, text) => { await page.focus(byId(id)); await page.keyboard.press('Home'); await page.keyboard.type(text); },
    erase: async (page, id) => { await selectAll(page, id); await page.keyboard.press('Backspace'); },
    keys: (page, id, text) => page.keyboard.type(text),
    pick: (page, id, item) => page.select(byId(id), item),
    clear: page => page.click('#cmdClear'),
    escape: async (page, id) => { await page.focus(byId(id)); await page.keyboard.press('Escape'); },
    restart: page => page.click('#cmdRestart'),
    focus: (page, id) => page.focus(byId(id)),
    select: (page, id) => selectAll(page, id),
    // The browser's own list: Esc closes it, and reaches no page.
    list: async (page, id) => { await page.click(byId(id)); await page.keyboard.press('Escape'); },
};

for (const [locale, [decimal, group]] of Object.entries(separators)) {
    const scenarios = JSON.parse(execFileSync(expectations, [`${here}scenarios.txt`, decimal, group], { encoding: 'utf8' }));
    test(`the page under ${locale}`, async t => {
        const page = await openPage(browser, locale);
        for (const scenario of scenarios) {
            await t.test(scenario.name, async () => {
                await page.load();
                for (const [step, expected] of scenario.steps.entries()) {
                    const [verb, id, text] = expected.do;
                    if (verb !== 'load') await play[verb](page, id, text);
                    const now = await shown(page);
                    const what = `after ${expected.do.join(' ')}`;
                    assert.deepEqual(now.fields, expected.fields, what);
                    assert.deepEqual(now.tooltips, {}, `${what}: tooltips of the boxes that cut their text`);
                    assert.deepEqual(now.marked, now.cut, `${what}: the marks of cut texts`);
                    assert.deepEqual(now.misdrawn, [], `${what}: marks without their beginning or exponent`);
                    assert.deepEqual(now.unshown, [], `${what}: boxes not in use that do not show their beginning`);
                    assert.deepEqual(now.clipped, [], `${what}: entries that cut a text their frame holds`);
                    assert.equal(now.report, expected.report, what);
                    assert.equal(now.ended, expected.ended, what);
                    if (step === 0 || verb === 'restart') {
                        assert.equal(now.focus, 'txtRs(0)', 'the first entry has the focus');
                        assert.deepEqual(await page.$eval(byId('txtRs(0)'), e => [e.selectionStart, e.selectionEnd]), [0, 1]);
                    }
                    if (expected.ended) assert.equal(now.focus, 'cmdRestart');
                    if (expected.report) {  // Esc closes the report, and only the report
                        await page.keyboard.press('Escape');
                        const closed = await shown(page);
                        assert.equal(closed.report, null, `${what}: Esc closes the report`);
                        assert.deepEqual(closed.fields, expected.fields, `${what}: Esc in the report ends nothing`);
                    }
                }
                assert.deepEqual(page.errors, []);
            });
        }
        await page.close();
    });
}
