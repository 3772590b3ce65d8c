// The page as everyone can use it, in Chromium and Firefox, wide and on a
// phone: axe-core finds no violation loaded, with the example circuit typed
// and with the error report open; Tab follows the window's tab order; on a
// narrow phone nothing scrolls sideways, every control is large enough to
// tap and every text large enough to read.
import assert from 'node:assert/strict';
import { createRequire } from 'node:module';
import { test } from 'node:test';
import { byId, expectations } from './expectations.mjs';
import { engines, launch, openPage, viewports } from './browsers.mjs';

const axeScript = createRequire(import.meta.url).resolve('axe-core/axe.min.js');
const { tabOrder } = expectations('ro-RO');

async function violations(page) {
    await page.addScriptTag({ path: axeScript });
    const found = await page.evaluate(async () => {
        const results = await axe.run(document, { runOnly: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'best-practice'] });
        return results.violations.map(v => `${v.id}: ${v.nodes.map(node => node.target.join(' ')).join(', ')}`);
    });
    return found;
}

async function type(page, id, text) {
    await page.focus(byId(id));
    await page.keyboard.down('Control');
    await page.keyboard.press('KeyA');
    await page.keyboard.up('Control');
    await page.keyboard.type(text);
}

// The smallest control and text, and whether anything scrolls sideways.
function fit(page) {
    return page.evaluate(() => {
        const visible = element => element.getClientRects().length > 0;
        const controls = [...document.querySelectorAll('#frmQuorvel input, #frmQuorvel select, #frmQuorvel button')]
            .filter(visible).map(control => control.getBoundingClientRect());
        const texts = [...document.querySelectorAll('#frmQuorvel *')]
            .filter(element => visible(element) && [...element.childNodes].some(node => node.nodeType === 3 && node.textContent.trim()) ||
                               element.matches?.('input, select'))
            .map(element => parseFloat(getComputedStyle(element).fontSize));
        return {
            sideways: document.documentElement.scrollWidth - window.innerWidth,
            narrowest: Math.min(...controls.map(box => box.width)),
            lowest: Math.min(...controls.map(box => box.height)),
            smallestText: Math.min(...texts),
        };
    });
}

for (const engine of engines) {
    test(`${engine}: accessible in both layouts`, async t => {
        const browser = await launch(engine, 'ro-RO');
        try {
            for (const layout of Object.keys(viewports)) {
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

                    await page.select(byId('cboRs(0)'), 'MOhm');
                    await type(page, 'txtRs(0)', '9E307');
                    assert.equal(await page.$eval('#dlgError', dialog => dialog.open), true);
                    assert.deepEqual(await violations(page), [], 'the error report open');
                    assert.deepEqual(page.errors, []);
                    await page.close();
                });
            }
            await t.test('phone: fits 320 pixels, large enough to tap and read', async () => {
                const page = await openPage(browser, 'ro-RO', { ...viewports.phone, width: 320 });
                await page.load();
                const { sideways, narrowest, lowest, smallestText } = await fit(page);
                assert.ok(sideways <= 0, `the page scrolls ${sideways} pixels sideways`);
                assert.ok(narrowest >= 44 && lowest >= 44, `the smallest control is ${narrowest}×${lowest}`);
                assert.ok(smallestText >= 14, `the smallest text is ${smallestText} pixels`);
                await page.close();
            });
        } finally {
            await browser.close();
        }
    });
}
