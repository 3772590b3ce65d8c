// Photographs the calculator on the page, as headless Chromium shows it
// under ro-RO, after the load: node scripts/web_screenshot.mjs OUTPUT.png
import { launch, openPage } from '../web/tests/chromium.mjs';

const browser = await launch();
const page = await openPage(browser, 'ro-RO');
await page.load();
await (await page.$('#frmQuorvel')).screenshot({ path: process.argv[2] });
await browser.close();
console.log(`web_screenshot: saved ${process.argv[2]}`);
