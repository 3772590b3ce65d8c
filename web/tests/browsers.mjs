// The system's browsers, headless, as this machine lets them run: Debian's
// Chromium through the DevTools protocol, its Firefox ESR through WebDriver
// BiDi, both driven by the pinned puppeteer-core, neither downloaded. The
// page is loaded from disk under a given locale, in a wide or a phone viewport.
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import puppeteer from 'puppeteer-core';
import { byId } from './expectations.mjs';

const root = fileURLToPath(new URL('../..', import.meta.url));
export const pageFile = process.env.QUORVEL_PAGE ?? join(root, 'build/web/quorvel.html');

export const engines = (process.env.QUORVEL_ENGINES ?? 'chromium,firefox').split(',');

export const viewports = {
    wide: { width: 830, height: 260 },
    // 1.5 times as large, and no larger.
    big: { width: 1280, height: 800 },
    huge: { width: 1920, height: 1080 },
    phone: { width: 360, height: 740, hasTouch: true, isMobile: true },
};

// Firefox takes its locale from its preferences when it starts, Chromium
// from the DevTools override of each page: one Firefox per locale.
export async function launch(engine, locale) {
    const profile = mkdtempSync(join(tmpdir(), `quorvel-${engine}-`));
    const browser = engine === 'firefox'
        ? await puppeteer.launch({
            browser: 'firefox',
            executablePath: process.env.FIREFOX ?? '/usr/bin/firefox-esr',
            headless: true,
            userDataDir: profile,
            extraPrefsFirefox: { 'intl.locale.requested': locale },
        })
        : await puppeteer.launch({
            executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
            headless: true,
            args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
                   '--disable-component-update', '--disable-sync', `--user-data-dir=${profile}`],
        });
    browser.engine = engine;
    const close = browser.close.bind(browser);
    browser.close = async () => {
        await close();
        rmSync(profile, { recursive: true, force: true, maxRetries: 10 });
    };
    return browser;
}

// The browser a file's tests share, launched when first asked for. Chromium's
// pages each take their own locale; Firefox's locale is the whole browser's,
// so asking for another closes the one before, as asking for another engine does.
let shared = null;
export async function browserFor(engine, locale) {
    const key = engine === 'firefox' ? `${engine} ${locale}` : engine;
    if (shared?.key !== key) {
        await closeBrowsers();
        shared = { key, browser: launch(engine, locale) };
    }
    return shared.browser;
}

export async function closeBrowsers() {
    const running = shared?.browser;
    shared = null;
    await (await running)?.close();
}

// The pause a report waits for is the test's to end: a timer of a second or
// more runs when the test says the user has paused (quorvelPause), not before.
function heldPauses() {
    const held = new Map(), set = setTimeout, clear = clearTimeout;
    window.setTimeout = (run, delay, ...args) => {
        if (!(delay >= 1000)) return set(run, delay, ...args);
        const id = set(() => {}, 2 ** 31 - 1);
        held.set(id, () => run(...args));
        return id;
    };
    window.clearTimeout = id => { held.delete(id); clear(id); };
    window.quorvelPause = () => { for (const [id, run] of [...held]) { held.delete(id); run(); } };
}

export async function openPage(browser, locale, viewport = viewports.wide) {
    const page = await browser.newPage();
    await page.evaluateOnNewDocument(heldPauses);
    const errors = [];
    page.on('pageerror', error => errors.push(error.message));
    page.on('console', message => message.type() === 'error' && errors.push(message.text()));
    if (browser.engine !== 'firefox') {
        await (await page.createCDPSession()).send('Emulation.setLocaleOverride', { locale });
    }
    await page.setViewport(viewport);
    // Started, the calculator puts the focus into its first entry, or
    // tells what its link made too large.
    page.load = async (fragment = '') => {
        await page.goto(pathToFileURL(pageFile).href + fragment);
        await page.waitForFunction(() => document.activeElement?.id === 'txtRs(0)' || document.getElementById('dlgError').open);
    };
    page.errors = errors;
    return page;
}

// The focus moved into the box, its text selected as Ctrl+A selects it.
export async function selectAll(page, id) {
    await page.focus(byId(id));
    await page.keyboard.down('Control');
    await page.keyboard.press('KeyA');
    await page.keyboard.up('Control');
}
