// The page in Chromium and Firefox, in its wide and its phone layout, under
// three locales: each scenario of scenarios.txt played with real keys,
// clicks (taps on the phone) and picks, and after each step every field, the
// error report and the end checked against what the calculator built
// natively shows on the same inputs.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { byId, expectations, locales } from './expectations.mjs';
import { pathToFileURL } from 'node:url';
import { engines, launch, openPage, pageFile, viewports } from './browsers.mjs';

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
        const entries = [...calculator?.querySelectorAll('input:not([readonly])') ?? []];
        const unshown = [...results.filter(box => !inUse(box)), ...entries.filter(entry => entry !== document.activeElement)]
            .filter(box => box.scrollLeft > 0).map(box => box.id);
        // A mark keeps every digit before the point and the whole exponent,
        // or writes the number in exponent form; its "…" shows, and so does it.
        const misdrawn = results.filter(box => marked.includes(box.id)).filter(box => {
            const mark = box.nextElementSibling.textContent, value = box.value;
            const digits = text => text.replace(/E.*$/, '').replace(/\D/g, '');
            const at = value.indexOf('E');
            let sound;
            if (at >= 0) {
                sound = mark.endsWith('…' + value.slice(at)) && digits(value).startsWith(digits(mark));
            } else if (mark.includes('E')) {
                const magnitude = Math.floor(Math.log10(Math.abs(parseFloat(value.replace(',', '.')))));
                sound = digits(value).replace(/^0+/, '').startsWith(digits(mark)) &&
                    Number(mark.slice(mark.indexOf('E') + 1)) === magnitude;
            } else {
                sound = mark.endsWith('…') && mark.startsWith(value.split(/[.,]/)[0]) && value.startsWith(mark.slice(0, -1));
            }
            const edge = box.getBoundingClientRect();
            const drawn = box.nextElementSibling.getBoundingClientRect();
            return !sound || drawn.width < 1 || drawn.right > edge.right + 1;
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

// Each verb of scenarios.txt, as a person does it; on the phone a person taps.
const play = {
    // Loaded: a keydown without a key, as autofill and browser extensions
    // send, types nothing.
    load: page => page.$eval(byId('txtRs(0)'), entry => entry.dispatchEvent(new Event('keydown', { bubbles: true }))),
    type: async (page, id, text) => { await selectAll(page, id); await page.keyboard.type(text); },
    // As a paste reaches the entry: the whole text in one input event, which
    // says it is pasted.
    paste: async (page, id, text) => {
        await selectAll(page, id);
        await page.evaluate(pasted => {
            const entry = document.activeElement;
            entry.value = pasted;
            entry.dispatchEvent(new InputEvent('input', { inputType: 'insertFromPaste', data: pasted, bubbles: true }));
        }, text);
    },
    home: async (page, id, text) => { await page.focus(byId(id)); await page.keyboard.press('Home'); await page.keyboard.type(text); },
    erase: async (page, id) => { await selectAll(page, id); await page.keyboard.press('Backspace'); },
    keys: (page, id, text) => page.keyboard.type(text),
    pick: async (page, id, item) => { await page.focus(byId(id)); await page.select(byId(id), item); },
    tab: page => page.keyboard.press('Tab'),
    clear: page => press(page, '#cmdClear'),
    escape: async (page, id) => { await page.focus(byId(id)); await page.keyboard.press('Escape'); },
    restart: page => press(page, '#cmdRestart'),
    focus: (page, id) => press(page, byId(id)),
    select: (page, id) => selectAll(page, id),
    // The browser's own list: Esc closes it, and nothing else. Firefox leaves
    // it open under keys a driver sends, where a person's Esc closes it.
    list: async (page, id) => {
        await press(page, byId(id));
        await page.keyboard.press('Escape');
        await page.evaluate(list => list?.matches(':open') && list.blur(), await page.$(byId(id)));
    },
    // The window made narrow or wide: the boxes change their sizes. (A change
    // of touch would reload the page.)
    layout: async (page, id, text) => {
        const { width, height } = viewports[text];
        await page.setViewport({ ...page.viewport(), width, height });
        await page.evaluate(() => new Promise(done => requestAnimationFrame(() => requestAnimationFrame(done))));
    },
    // Before the calculator started: TEXT typed into the entry, or a click on the button.
    early: async (page, id, text) => {
        await press(page, byId(id));
        if (id !== 'cmdClear') { await selectAll(page, id); await page.keyboard.type(text); }
    },
};

function press(page, selector) {
    return page.viewport().hasTouch ? page.tap(selector) : page.click(selector);
}

// The page as built, its WebAssembly held back until released: what a
// person does before the calculator starts.
async function loadHeld(page) {
    await page.evaluateOnNewDocument(() => {
        const instantiate = WebAssembly.instantiate;
        WebAssembly.instantiate = (...args) => new Promise(started => {
            window.quorvelRelease = () => started(instantiate.apply(WebAssembly, args));
        });
    });
    await page.goto(pathToFileURL(pageFile).href, { waitUntil: 'domcontentloaded' });
}

// Step by step, every field, mark, report and end against what is expected.
async function playScenario(browser, locale, viewport, scenario, reused) {
    const steps = scenario.steps.entries();
    const early = scenario.steps.filter(step => step.do[0] === 'early');
    // The held WebAssembly stays held in every later load of a page.
    const page = early.length ? await openPage(browser, locale, viewport) : reused;
    page.errors.length = 0;
    if (early.length) {
        await loadHeld(page);
        for (const step of early) await play.early(page, step.do[1], step.do[2]);
        await page.evaluate(() => window.quorvelRelease());
        // Started, the calculator has taken the page's log of what was done before.
        await page.waitForFunction(() => window.quorvelEarly === null);
        for (let n = 0; n <= early.length; ++n) steps.next();  // the load and the steps played early
        expect(await shown(page), early.at(-1), 'after what was done before the calculator started');
    } else {
        await page.load();
    }
    for (const [step, expected] of steps) {
        const [verb, id, text] = expected.do;
        await play[verb](page, id, text);
        const now = await shown(page);
        const what = `after ${expected.do.join(' ')}`;
        expect(now, expected, what);
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
    if (page !== reused) await page.close();
}

function expect(now, expected, what) {
    assert.deepEqual(now.fields, expected.fields, what);
    assert.deepEqual(now.tooltips, {}, `${what}: tooltips of the boxes that cut their text`);
    assert.deepEqual(now.marked, now.cut, `${what}: the marks of cut texts`);
    assert.deepEqual(now.misdrawn, [], `${what}: marks without their beginning or exponent`);
    assert.deepEqual(now.unshown, [], `${what}: boxes and entries not in use that do not show their beginning`);
    assert.deepEqual(now.clipped, [], `${what}: entries that cut a text their frame holds`);
    assert.equal(now.report, expected.report, what);
    assert.equal(now.ended, expected.ended, what);
}

// The phone layout under one locale per engine: the layout does not depend on it.
const layouts = { 'en-US': ['wide'], 'ro-RO': ['wide', 'phone'], 'fr-FR': ['wide'] };

for (const engine of engines) {
    for (const locale of Object.keys(locales)) {
        const { scenarios } = expectations(locale);
        test(`${engine} under ${locale}`, async t => {
            const browser = await launch(engine, locale);
            try {
                for (const layout of layouts[locale]) {
                    const page = await openPage(browser, locale, viewports[layout]);
                    for (const scenario of scenarios) {
                        await t.test(`${layout}: ${scenario.name}`,
                                     () => playScenario(browser, locale, viewports[layout], scenario, page));
                    }
                    await page.close();
                }
            } finally {
                await browser.close();
            }
        });
    }
}
