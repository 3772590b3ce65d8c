// The system's headless Chromium, as this machine lets it run, with the page
// loaded from disk under a given locale.
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import puppeteer from 'puppeteer-core';

const root = fileURLToPath(new URL('../..', import.meta.url));
export const pageFile = process.env.QUORVEL_PAGE ?? join(root, 'build/web/quorvel.html');

export async function launch() {
    const profile = mkdtempSync(join(tmpdir(), 'quorvel-chromium-'));
    const browser = await puppeteer.launch({
        executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
        headless: true,
        args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
               '--disable-component-update', '--disable-sync', `--user-data-dir=${profile}`],
    });
    const close = browser.close.bind(browser);
    browser.close = async () => {
        await close();
        rmSync(profile, { recursive: true, force: true, maxRetries: 10 });
    };
    return browser;
}

// Intl follows the DevTools locale override, which outlives reloads.
export async function openPage(browser, locale, viewport = { width: 830, height: 260 }) {
    const page = await browser.newPage();
    const errors = [];
    page.on('pageerror', error => errors.push(error.message));
    page.on('console', message => message.type() === 'error' && errors.push(message.text()));
    await (await page.createCDPSession()).send('Emulation.setLocaleOverride', { locale });
    await page.setViewport(viewport);
    page.load = async () => {
        await page.goto(pathToFileURL(pageFile).href);
        await page.waitForSelector('#frmQuorvel');
    };
    page.errors = errors;
    return page;
}
