// The page in Chromium and Firefox, in its wide and its phone layout, under
// three locales: each scenario of scenarios.txt played with real keys,
// clicks (taps on the phone) and picks, and after each step every field, the
// error report and the end checked against what the calculator built
// natively shows on the same inputs.
import assert from 'node:assert/strict';
import { after, test } from 'node:test';
import { byId, expectations, locales } from './expectations.mjs';
import { pathToFileURL } from 'node:url';
import { browserFor, closeBrowsers, engines, openPage, pageFile, selectAll, viewports } from './browsers.mjs';

// Every field's text by id, and the tooltips of the boxes that cut theirs;
// the link as the page left now would hold it.
function shown(page) {
    return page.evaluate(async () => {
        // Scrolling is told a frame later.
        await new Promise(done => requestAnimationFrame(() => requestAnimationFrame(done)));
        dispatchEvent(new PageTransitionEvent('pagehide'));
        const calculator = document.getElementById('frmQuorvel');
        const fields = {}, tooltips = {};
        for (const box of calculator?.querySelectorAll('input, select') ?? []) {
            fields[box.id] = box.value;
            const told = box.scrollWidth > box.clientWidth ? box.title.startsWith(box.value) : box.title === '';
            if (box.readOnly && !told) tooltips[box.id] = box.title;
        }
        if (calculator) fields.lblUMs = document.getElementById('lblUMs').textContent;
        const described = {};
        for (const entry of calculator?.querySelectorAll('[role=spinbutton]') ?? []) {
            described[entry.id] = [entry.getAttribute('aria-valuetext'), entry.title];
        }
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
            const spills = box.nextElementSibling.scrollWidth > box.nextElementSibling.clientWidth;  // into its padding
            return !sound || drawn.width < 1 || drawn.right > edge.right + 1 || spills;
        }).map(box => box.id);
        // An entry shows whole a text that fits inside its frame, as the window's does.
        const measure = document.createElement('canvas').getContext('2d');
        const clipped = [...calculator?.querySelectorAll('input:not([readonly])') ?? []].filter(entry => {
            measure.font = getComputedStyle(entry).font;
            return entry !== document.activeElement && entry.scrollWidth > entry.clientWidth &&
                measure.measureText(entry.value).width <= entry.offsetWidth - 2;
        }).map(entry => entry.id);
        const report = document.getElementById('dlgError');
        return { fields, described, tooltips, report: report.open ? document.getElementById('lblErrorText').textContent : null,
                 ended: !document.getElementById('ended').hidden, focus: document.activeElement.id, marked, cut,
                 unshown, misdrawn, clipped, link: location.hash ? decodeURIComponent(location.hash.slice(1)) : null,
                 copyable: [...document.querySelectorAll('#share button')].map(button => !button.disabled),
                 solution: document.getElementById('solution').open ? document.getElementById('solutionSteps').innerHTML : null,
                 history: history.length };
    });
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
    key: async (page, id, keys) => {
        await page.focus(byId(id));
        const [key, ...held] = keys.split('+').reverse();
        for (const modifier of held) await page.keyboard.down(modifier);
        await page.keyboard.press(key);
        for (const modifier of held) await page.keyboard.up(modifier);
    },
    restart: page => press(page, '#cmdRestart'),
    pause: page => page.evaluate(() => window.quorvelPause()),
    focus: (page, id) => press(page, byId(id)),
    // A click or a tap into the box, and TEXT typed at once: no frame, no
    // timer between them.
    press: async (page, id, text) => { await press(page, byId(id)); await page.keyboard.type(text); },
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
    // Wide or wider, the calculator's size changes and its boxes' do not:
    // every cut stays as it was.
    layout: async (page, id, text) => {
        const cuts = () => page.$$eval('.cut', marks => marks.map(mark => getComputedStyle(mark).display === 'none' ? '' : mark.textContent));
        const wide = layout => layout.width >= viewports.wide.width;
        const before = wide(page.viewport()) && wide(viewports[text]) && await cuts();
        const { width, height } = viewports[text];
        await page.setViewport({ ...page.viewport(), width, height });
        await settled(page);
        if (before) assert.deepEqual(await cuts(), before, `the cuts in the ${text} layout`);
    },
    // What the clipboard takes, as the copy event holds it once the page has
    // filled it, and what the page tells.
    copy: async (page, id) => {
        await page.evaluate(() => addEventListener('copy', ({ clipboardData }) => {
            window.copied = ['text/plain', 'text/html'].map(type => clipboardData.getData(type));
        }, { once: true }));
        if (id === '-') {
            await page.keyboard.down('Control');
            await page.keyboard.down('Shift');
            await page.keyboard.press('KeyC');
            await page.keyboard.up('Shift');
            await page.keyboard.up('Control');
        } else {
            await press(page, byId(id));
        }
        page.copied = await page.evaluate(() => [...window.copied ?? [], document.getElementById('lblCopied').textContent]);
    },
    // The worked solution's section opened by a click on its heading.
    solution: page => press(page, '#solution summary'),
    // The page's link opened in a fresh page.
    reopen: async page => {
        const link = await page.evaluate(() => location.hash);
        await page.goto('about:blank');
        await page.load(link);
    },
    // Before the calculator started: a click into the entry and TEXT typed, or a click on the button.
    early: async (page, id, text) => {
        await press(page, byId(id));
        if (id !== 'cmdClear') await page.keyboard.type(text);
    },
};

// Two frames later: what a change draws, and scrolls, is told by then.
const settled = page => page.evaluate(() => new Promise(done => requestAnimationFrame(() => requestAnimationFrame(done))));

function press(page, selector) {
    return page.viewport().hasTouch ? page.tap(selector) : page.click(selector);
}

// The page as built, its WebAssembly held back until released: what a
// person does before the calculator starts.
async function loadHeld(page, fragment = '') {
    await page.evaluateOnNewDocument(() => {
        const instantiate = WebAssembly.instantiate;
        WebAssembly.instantiate = (...args) => new Promise(started => {
            window.quorvelRelease = () => started(instantiate.apply(WebAssembly, args));
        });
    });
    await page.goto(pathToFileURL(pageFile).href + fragment, { waitUntil: 'domcontentloaded' });
}

// The held WebAssembly let go: started, the calculator has taken the page's
// log of what was done before.
async function release(page) {
    await page.waitForFunction(() => window.quorvelRelease);
    await page.evaluate(() => window.quorvelRelease());
    await page.waitForFunction(() => window.quorvelEarly === null);
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
        // Nothing can be copied before the calculator has started.
        assert.deepEqual(await page.$$eval('#share button', buttons => buttons.map(button => !button.disabled)), [false, false, false]);
        await release(page);
        for (let n = 0; n <= early.length; ++n) steps.next();  // the load and the steps played early
        expect(await shown(page), early.at(-1), 'after what was done before the calculator started');
    } else {
        await page.load();
    }
    let history = await page.evaluate(() => history.length);
    try {
        for (const [step, expected] of steps) {
            const [verb, id, text] = expected.do;
            await play[verb](page, id, text);
            const now = await shown(page);
            const what = `after ${expected.do.join(' ')}`;
            expect(now, expected, what);
            // The address changes in place: only a page opened adds to the history.
            if (verb === 'reopen') history = now.history;
            assert.equal(now.history, history, `${what}: the history's length`);
            // A link without its circuit opens the defaults'; an ended page keeps it.
            assert.equal(now.link ?? scenario.steps[0].link, expected.link, `${what}: the link`);
            if (expected.copied) assert.deepEqual(page.copied, expected.copied, `${what}: copied`);
            if (step === 0 || verb === 'restart') {
                assert.equal(now.focus, 'txtRs(0)', 'the first entry has the focus');
                assert.deepEqual(await page.$eval(byId('txtRs(0)'), e => [e.selectionStart, e.selectionEnd]),
                                 [0, expected.fields['txtRs(0)'].length], 'the first entry, selected');
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
    } finally {
        if (page !== reused) await page.close();
    }
}

function expect(now, expected, what) {
    assert.deepEqual(now.fields, expected.fields, what);
    assert.deepEqual(now.described, expected.described, `${what}: what a screen reader hears of each resistor, its tooltip`);
    assert.deepEqual(now.tooltips, {}, `${what}: tooltips of the boxes that cut their text`);
    assert.deepEqual(now.marked, now.cut, `${what}: the marks of cut texts`);
    assert.deepEqual(now.misdrawn, [], `${what}: marks without their beginning or exponent`);
    assert.deepEqual(now.unshown, [], `${what}: boxes and entries not in use that do not show their beginning`);
    assert.deepEqual(now.clipped, [], `${what}: entries that cut a text their frame holds`);
    assert.equal(now.report, expected.report, what);
    assert.equal(now.ended, expected.ended, what);
    assert.deepEqual(now.copyable, Array(3).fill(!expected.ended), `${what}: the copy buttons`);
    assert.equal(now.solution, expected.solution ?? null, `${what}: the worked solution`);
}

// The phone layout under one locale per engine: the layout does not depend on it.
const layouts = { 'en-US': ['wide'], 'ro-RO': ['wide', 'phone'], 'fr-FR': ['wide'] };

// Every scenario under one locale, in each of its layouts.
function scenarioTests(engine, locale) {
    const { scenarios } = expectations(locale);
    test(`${engine} under ${locale}`, async t => {
        const browser = await browserFor(engine, locale);
        for (const layout of layouts[locale]) {
            const page = await openPage(browser, locale, viewports[layout]);
            for (const scenario of scenarios) {
                await t.test(`${layout}: ${scenario.name}`,
                             () => playScenario(browser, locale, viewports[layout], scenario, page));
            }
            await page.close();
        }
    });
}

// Fragments no link of the page's holds, opened and then typed into the
// address bar, and what the entries show after each under ro-RO: the parts
// that read; where the fragment is no circuit (null), the defaults opened,
// and edited what they held, the address getting its circuit back. None
// runs anything (the markup would set window.pwned), fails the page or shows
// "inf" or "nan", and the link then holds the circuit. The parts that did
// not read, or a circuit too large to compute, are told once.
const none = ['0', '0', '0', '0', '0'];
const example = ['4,7', '2,2', '1', '470', '5'];
const hostile = [
    ['%3Cscript%3Ewindow.pwned%3D1%3C%2Fscript%3E', null],
    ['<img src=x onerror="window.pwned=1">', null],
    ['<svg onload=window.pwned=1>,4K7', null],
    ['javascript:window.pwned=1', null],
    ['4K7,2K2");window.pwned=1;("', null],
    ['%00,%004K7,4K7%00', null],
    ['%E2%80%AE4K7,2K2', null],
    ['%ED%A0%80,%ED%A0%804K7,%C0%AF,%FF', null],
    ['%,%%,%G0,%4,100%', none, 'told'],
    ['%34K7%2C2K2%2C1M%2C470R%2C5mA', example],
    ['4K7,2K2,1M,470R,5mA,9,9,<b>', null],
    [' 4K7 , 2K2 ,1M,470R,5mA', example],
    ['NaN,Infinity,inf,-inf,nan', none, 'told'],
    ['-4K7,-1,0x10,1e,.', ['4,7', '1', '0', '0', '0'], 'told'],
    ['1E999,1E9999999999,1E-999,99999999999999999999999999999999999999999999999999E999,1E400mA', none, 'told'],
    ['1E300,1E300,1E300,1E300,1E300', ['1E+300', '1E+300', '1E+300', '1E+300', '1E+300'], 'told'],
    ['4K7,'.repeat(25000), null],
    ['A'.repeat(100000), null],
    ['#4K7,2K2', null],
    ['\u202E\uFEFF\u00B5,4\u00A0K7,\u0664', null],
    ['abc', null],
];

const entries = page => page.$$eval('#frmQuorvel input:not([readonly])', boxes => boxes.map(box => box.value));

async function harmless(page, what, told) {
    const found = await page.evaluate(() => ({
        pwned: window.pwned ?? null,
        report: document.getElementById('dlgError').open,
        shown: [...document.querySelectorAll('#frmQuorvel input, #frmQuorvel select, .cut')]
            .map(box => box.value ?? box.textContent).filter(text => /inf|nan/i.test(text)),
        link: location.hash,
    }));
    assert.deepEqual(found, { pwned: null, report: Boolean(told), shown: [], link: found.link }, what);
    assert.match(found.link, /^(#[0-9A-Za-z.+\-,]*)?$/, `${what}: the link`);
    assert.deepEqual(page.errors, [], what);
    if (told) await page.keyboard.press('Escape');
}

function linkTests(engine) {
    test(`${engine}: a link's fragment`, async t => {
        const browser = await browserFor(engine, 'ro-RO');
        const page = await openPage(browser, 'ro-RO');
        for (const [fragment, shows, told] of hostile) {
            await t.test(JSON.stringify(fragment.slice(0, 60)), async () => {
                await page.goto('about:blank');
                await page.load(`#${fragment}`);
                await settled(page);
                assert.deepEqual(await entries(page), shows ?? none, 'opened');
                await harmless(page, 'opened', told);
                // Typed into the address bar of a page that holds a circuit.
                await page.evaluate(() => { location.hash = '1K,2K,3K,4K,1mA'; });
                await page.waitForFunction(() => document.getElementById('txtRs(3)').value === '4');
                await page.evaluate(edited => new Promise(done => {
                    addEventListener('hashchange', done, { once: true });
                    location.hash = `#${edited}`;
                }), fragment);
                await settled(page);
                assert.deepEqual(await entries(page), shows ?? ['1', '2', '3', '4', '1'], 'edited');
                if (!shows) assert.equal(await page.evaluate(() => location.hash), '#1K,2K,3K,4K,1mA', 'edited: the link');
                await harmless(page, 'edited', told);
            });
        }
        // Written once the user pauses, not at every key; an ended page keeps it.
        await t.test('the address takes the circuit after a pause, and keeps it once ended', async () => {
            await page.goto('about:blank');
            await page.load();
            await selectAll(page, 'txtRs(0)');
            await page.keyboard.type('47');
            assert.equal(await page.evaluate(() => location.hash), '', 'at once');
            await page.waitForFunction(() => location.hash === '#47R,0R,0R,0R,0A', { timeout: 2000 });
            await selectAll(page, 'txtIst');
            await page.keyboard.type('5');
            await page.keyboard.press('Escape');
            assert.equal(await page.evaluate(() => location.hash), '#47R,0R,0R,0R,5A', 'ended');
        });
        // A reload may put the user's picks back before the calculator
        // starts, without an event: the link's circuit, or the defaults, wins.
        for (const [fragment, shows] of [['4K7,2K2,1M,470R,5mA', example], ['', none]]) {
            await t.test(`picks put back by a reload, #${fragment}`, async () => {
                const held = await openPage(browser, 'ro-RO');
                await loadHeld(held, `#${fragment}`);
                await held.evaluate(() => {
                    for (const chooser of document.querySelectorAll('.chooser')) chooser.selectedIndex = 1;
                });
                await release(held);
                const picks = await held.$$eval('.chooser', choosers => choosers.map(chooser => chooser.value));
                assert.deepEqual(await entries(held), shows);
                assert.deepEqual(picks, fragment ? ['kOhm', 'kOhm', 'MOhm', 'Ohm', 'mA'] : ['Ohm', 'Ohm', 'Ohm', 'Ohm', 'A']);
                await harmless(held, 'started');
                await held.close();
            });
        }
        await page.close();
    });
}

// The parts section under ro-RO, as a person uses it, a row a behaviour;
// what its blocks say of each value frontend/tests check.
const said = (page, id) => page.$eval(byId(id), element => element.innerText.replace(/\s+/g, ' ').trim());
const choosers = (page, resistor) => page.$$eval(`.part-row:nth-child(${resistor}) select`,
                                                 boxes => boxes.filter(box => box.checkVisibility()).map(box => box.value));
async function openParts(page) {
    await press(page, '#parts summary');
    await page.waitForSelector('#part1 dl');
}
const partsRows = [
    ['closed at first, built when opened', async page => {
        assert.deepEqual(await page.$eval('#parts', section => [section.open, section.querySelector('#part1').innerHTML]), [false, '']);
        await openParts(page);
        assert.match(await said(page, 'part1'), /^R1: 0 Ohm/);
    }],
    ['R1 typed as 4,7 kOhm: its bands and code, and its choosers start from it', async page => {
        await openParts(page);
        await play.type(page, 'txtRs(0)', '4K7');
        assert.match(await said(page, 'part1'), /Benzi galben violet roșu auriu Cod SMD 472 /);
        assert.deepEqual(await choosers(page, 1), ['4 benzi', 'galben', 'violet', 'roșu', 'auriu']);
    }],
    ['"galben violet negru maro maro" picked for R2 and put into it', async page => {
        await openParts(page);
        await play.pick(page, 'cboBands2', '5 benzi');
        for (const [n, colour] of ['galben', 'violet', 'negru', 'maro', 'maro'].entries()) await play.pick(page, `cboBand2_${n + 1}`, colour);
        assert.equal(await said(page, 'lblPicked2'), '4,7 kOhm ±1 %');
        await press(page, '#cmdPut2');
        assert.deepEqual(await page.$$eval('[id="txtRs(1)"], [id="cboRs(1)"]', boxes => boxes.map(box => box.value)), ['4,7', 'kOhm']);
    }],
    ['the code "4X7" refused with a word, nothing to put', async page => {
        await openParts(page);
        await play.type(page, 'txtCode2', '4X7');
        assert.match(await said(page, 'lblPicked2'), /^nu este un cod SMD/);
        assert.equal(await page.$eval('#cmdPut2', button => button.disabled), true);
    }],
    ['the tolerance at ±1 %: the bands told at it', async page => {
        await play.type(page, 'txtRs(0)', '4K7');
        await openParts(page);
        await play.pick(page, 'cboTolerance', '±1 %');
        assert.match(await said(page, 'part1'), /Benzi galben violet negru maro maro /);
    }],
    ['its button copies the list', async page => {
        await openParts(page);
        await play.copy(page, 'cmdCopyParts');
        assert.match(page.copied[0], /^Lista de piese/);
        assert.match(page.copied[1], /<table/);
        assert.equal(page.copied[2], 'Lista de piese a fost copiată.');
    }],
];

function partsTests(engine) {
    test(`${engine}: the parts section`, async t => {
        const browser = await browserFor(engine, 'ro-RO');
        const page = await openPage(browser, 'ro-RO');
        for (const [what, run] of partsRows) {
            await t.test(what, async () => {
                page.errors.length = 0;
                await page.goto('about:blank');
                await page.load();
                await run(page);
                assert.deepEqual(page.errors, []);
            });
        }
        await page.close();
    });
}

// Ro-RO last, so that the link's fragments and the parts take its browser.
for (const engine of engines) {
    for (const locale of [...Object.keys(locales).filter(locale => locale !== 'ro-RO'), 'ro-RO']) scenarioTests(engine, locale);
    linkTests(engine);
    partsTests(engine);
}
after(closeBrowsers);
