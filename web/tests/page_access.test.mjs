// The page as everyone can use it, in Chromium and Firefox, wide and on a
// phone: axe-core finds no violation loaded, with the example circuit typed
// and its worked solution and its parts open, and with the error report
// open; Tab follows the window's tab order; each control stands where the
// layout table puts it, in its colour and its font, and on a phone in the
// phone's size of its font; on a phone nothing scrolls sideways, every
// control is large enough to tap and every text, the solution's and the
// parts' included, large enough to read, each caption on the calculator's
// grey, each resistor's name over it and the U and P headings over the
// drops; a wide screen shows the calculator in the middle, as large as its
// width allows.
import assert from 'node:assert/strict';
import { createRequire } from 'node:module';
import { test } from 'node:test';
import { byId, expectations } from './expectations.mjs';
import { engines, launch, openPage, selectAll, viewports } from './browsers.mjs';

const axeScript = createRequire(import.meta.url).resolve('axe-core/axe.min.js');
// The window's controls, then the buttons that copy, beneath it.
const { tabOrder: windowOrder, styles } = expectations('ro-RO');
const tabOrder = [...windowOrder, 'cmdCopyCircuit', 'cmdCopyLink'];

async function violations(page) {
    await page.addScriptTag({ path: axeScript });
    const found = await page.evaluate(async () => {
        const results = await axe.run(document, { runOnly: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'best-practice'] });
        return results.violations.map(v => `${v.id}: ${v.nodes.map(node => node.target.join(' ')).join(', ')}`);
    });
    return found;
}

async function type(page, id, text) {
    await selectAll(page, id);
    await page.keyboard.type(text);
}

// The smallest control and text on the page, whether anything scrolls
// sideways, and the captions whose text stands off the calculator's grey.
function fit(page) {
    return page.evaluate(() => {
        const visible = element => element.getClientRects().length > 0;
        const controls = [...document.querySelectorAll('#frmQuorvel input, #frmQuorvel select, #frmQuorvel button, #parts :is(input, select, button)')]
            .filter(visible).map(control => control.getBoundingClientRect());
        const texts = [...document.querySelectorAll('main *')]
            .filter(element => visible(element) && [...element.childNodes].some(node => node.nodeType === 3 && node.textContent.trim()) ||
                               element.matches?.('input, select'))
            .filter(element => !element.closest('.visually-hidden'))
            .map(element => parseFloat(getComputedStyle(element).fontSize));
        const grey = document.getElementById('frmQuorvel').getBoundingClientRect();
        const offGrey = [...document.querySelectorAll('#frmQuorvel .label')].filter(visible).filter(label => {
            const text = document.createRange();
            text.selectNodeContents(label);
            const drawn = text.getBoundingClientRect();
            return drawn.top < grey.top || drawn.bottom > grey.bottom || drawn.left < grey.left || drawn.right > grey.right;
        }).map(label => label.id);
        return {
            sideways: document.documentElement.scrollWidth - window.innerWidth,
            narrowest: Math.min(...controls.map(box => box.width)),
            lowest: Math.min(...controls.map(box => box.height)),
            smallestText: Math.min(...texts),
            offGrey,
        };
    });
}

// Each control's place and size in the window, as the window's own pixels
// (the page may draw it larger), its background and its font.
function drawn(page) {
    return page.evaluate(ids => {
        const calculator = document.getElementById('frmQuorvel');
        const window = calculator.getBoundingClientRect(), scale = window.width / calculator.offsetWidth;
        return ids.map(id => {
            const element = document.getElementById(id), box = element.getBoundingClientRect(), style = getComputedStyle(element);
            return { id, x: (box.left - window.left) / scale, y: (box.top - window.top) / scale, width: box.width / scale,
                     height: box.height / scale,
                     background: style.backgroundColor, fontSize: parseFloat(style.fontSize), fontWeight: Number(style.fontWeight) };
        });
    }, styles.map(style => style.id));
}

for (const engine of engines) {
    test(`${engine}: accessible in both layouts`, async t => {
        const browser = await launch(engine, 'ro-RO');
        try {
            for (const layout of ['wide', 'phone']) {
                await t.test(layout, async () => {
                    const page = await openPage(browser, 'ro-RO', viewports[layout]);
                    await page.load();
                    assert.deepEqual(await violations(page), [], 'loaded');

                    const order = [await page.evaluate(() => document.activeElement.id)];
                    for (let n = 1; n < tabOrder.length; ++n) {
                        await page.keyboard.press('Tab');
                        order.push(await page.evaluate(() => document.activeElement.id));
                    }
                    assert.deepEqual(order, tabOrder, 'the tab order');

                    for (const [id, text] of [['txtRs(0)', '100'], ['txtRs(1)', '2,2'], ['txtRs(2)', '1'], ['txtRs(3)', '470'],
                                              ['txtIst', '5']]) {
                        await type(page, id, text);
                    }
                    for (const [id, unit] of [['cboRs(1)', 'kOhm'], ['cboRs(2)', 'MOhm'], ['cboIst', 'mA']]) {
                        await page.select(byId(id), unit);
                    }
                    assert.deepEqual(await violations(page), [], 'the example circuit typed');
                    await page.click('#solution summary');
                    assert.deepEqual(await violations(page), [], 'the worked solution open');
                    await page.click('#parts summary');
                    await page.waitForSelector('#part1 dl');
                    assert.deepEqual(await violations(page), [], 'the parts open');

                    await page.select(byId('cboRs(0)'), 'MOhm');
                    await type(page, 'txtRs(0)', '9E307');
                    await page.evaluate(() => window.quorvelPause());
                    assert.equal(await page.$eval('#dlgError', dialog => dialog.open), true);
                    assert.deepEqual(await violations(page), [], 'the error report open');
                    assert.deepEqual(page.errors, []);
                    await page.close();
                });
            }
            await t.test('the places, colours and fonts of the layout table', async () => {
                for (const layout of ['wide', 'phone']) {
                    const page = await openPage(browser, 'ro-RO', viewports[layout]);
                    await page.load();
                    for (const [n, shown] of (await drawn(page)).entries()) {
                        const style = styles[n];
                        if (style.background) assert.equal(shown.background, style.background, `${layout}: ${style.id}'s colour`);
                        if (layout === 'phone') {
                            assert.equal(shown.fontSize, style.phoneFontSize, `phone: ${style.id}'s font`);
                            continue;
                        }
                        for (const key of ['x', 'y', 'width', 'height']) {
                            assert.ok(Math.abs(shown[key] - style[key]) < 0.5, `${style.id}: ${key} ${shown[key]}, not ${style[key]}`);
                        }
                        assert.ok(Math.abs(shown.fontSize - style.fontSize) < 0.1, `${style.id}'s font is ${shown.fontSize} pixels`);
                        assert.equal(shown.fontWeight, style.fontWeight, `${style.id}'s font weight`);
                    }
                    await page.close();
                }
            });
            // Open sections make the page taller than the screen.
            for (const [width, link, sections] of [[320, '', ['solution']], [320, '#4K7,2K2,1M,470R,5mA', ['solution', 'parts']],
                                                   [viewports.phone.width, '#1234.567,0,10K,1G,5mA', ['parts']]]) {
                await t.test(`phone: fits ${width} pixels with ${sections.join(' and ')} open, large enough to tap and read`, async () => {
                    const page = await openPage(browser, 'ro-RO', { ...viewports.phone, width });
                    await page.load(link);
                    for (const section of sections) {
                        await page.click(`#${section} summary`);
                        await page.waitForSelector(section === 'parts' ? '#part1 dl' : '#solutionSteps li');
                    }
                    const { sideways, narrowest, lowest, smallestText, offGrey } = await fit(page);
                    assert.ok(sideways <= 0, `the page scrolls ${sideways} pixels sideways`);
                    assert.ok(narrowest >= 44 && lowest >= 44, `the smallest control is ${narrowest}×${lowest}`);
                    assert.ok(smallestText >= 14, `the smallest text is ${smallestText} pixels`);
                    assert.deepEqual(offGrey, [], 'captions off the calculator\'s grey');
                    const [r1, r1Name, r4, r4Name, u, p, u1, p1] = await Promise.all(
                        ['txtRs(0)', 'lblNameRs(0)', 'txtRs(3)', 'lblNameRs(3)', 'lblEticheteS(1)', 'lblEticheteS(2)', 'txtUs(0)', 'txtPs(0)']
                            .map(id => page.$eval(byId(id), element => element.getBoundingClientRect().toJSON())));
                    for (const [name, entry] of [[r1Name, r1], [r4Name, r4]]) {
                        assert.ok(name.height > 0 && name.bottom <= entry.top && name.left === entry.left, 'a name over its resistor');
                    }
                    for (const [heading, drop] of [[u, u1], [p, p1]]) {
                        assert.ok(r1.bottom <= heading.top && heading.bottom <= drop.top && heading.left <= drop.left &&
                                  heading.right >= drop.right, 'a heading between the first resistor and its drops, over them');
                    }
                    await page.close();
                });
            }
            // From its own size at the narrowest wide screen to 1.5 times at 1280 pixels.
            for (const [width, scale] of [[826, 1], [1053, 1.25], [1280, 1.5], [1920, 1.5]]) {
                await t.test(`${width} pixels wide: in the middle, ${scale} times as large`, async () => {
                    const page = await openPage(browser, 'ro-RO', { width, height: 800 });
                    await page.load();
                    const [calculator, share, button] = await Promise.all(['#frmQuorvel', '#share', '#share button:last-of-type']
                        .map(selector => page.$eval(selector, element => element.getBoundingClientRect().toJSON())));
                    const room = await page.evaluate(() => document.documentElement.clientWidth);
                    assert.ok(Math.abs(calculator.width - 794 * scale) < 1, `${calculator.width} pixels wide`);
                    assert.ok(Math.abs(calculator.left - (room - calculator.right)) < 1, 'in the middle');
                    assert.ok(share.top >= calculator.bottom && Math.abs(button.right - calculator.right) < 1,
                              'the buttons beneath its right edge');
                    assert.deepEqual(page.errors, []);
                    await page.close();
                });
            }
        } finally {
            await browser.close();
        }
    });
}
