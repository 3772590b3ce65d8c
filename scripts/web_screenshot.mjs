// Photographs the calculator on the page under ro-RO, as a headless browser
// shows it after the load, after the example circuit is typed, or opened
// from a link that holds a circuit; with its worked solution or its parts
// open, if asked:
//     node scripts/web_screenshot.mjs OUTPUT.png [chromium|firefox] [wide|big|huge|phone] [example|#LINK] [solution|parts]...
// wide photographs the calculator alone (and beneath it what is open); big
// and huge the screen it stands in (1280 × 800, 1920 × 1080); phone the
// whole page, or with the parts open the screen scrolled to them.
import { launch, openPage, viewports } from '../web/tests/browsers.mjs';

const [output, engine = 'chromium', layout = 'wide', example, ...sections] = process.argv.slice(2);
const browser = await launch(engine, 'ro-RO');
const page = await openPage(browser, 'ro-RO', viewports[layout]);
await page.load(example?.startsWith('#') ? example : '');
if (example === 'example') {
    for (const [id, text] of [['txtRs(0)', '100'], ['txtRs(1)', '2,2'], ['txtRs(2)', '1'], ['txtRs(3)', '470'], ['txtIst', '5']]) {
        await page.click(`[id="${id}"]`, { count: 3 });
        await page.keyboard.type(text);
    }
    for (const [id, unit] of [['cboRs(1)', 'kOhm'], ['cboRs(2)', 'MOhm'], ['cboIst', 'mA']]) await page.select(`[id="${id}"]`, unit);
}
const opened = { solution: '#solutionSteps li', parts: '#part1 dl' };
for (const section of sections) {
    await page.click(`#${section} summary`);
    await page.waitForSelector(opened[section]);
}
if (layout === 'wide') {
    // The calculator, and beneath it the buttons and what is open.
    const ids = ['frmQuorvel', ...(sections.length ? ['share', ...sections] : [])];
    const shown = await page.evaluate(ids => {
        const edges = ids.map(id => document.getElementById(id).getBoundingClientRect());
        const left = Math.min(...edges.map(e => e.left)), top = Math.min(...edges.map(e => e.top)) + scrollY;
        return { x: left, y: top, width: Math.max(...edges.map(e => e.right)) - left,
                 height: Math.max(...edges.map(e => e.bottom)) + scrollY - top };
    }, ids);
    await page.screenshot({ path: output, clip: shown, captureBeyondViewport: true });
} else if (layout === 'phone' && sections.includes('parts')) {
    await page.$eval('#parts', section => section.scrollIntoView());
    await page.screenshot({ path: output });
} else {
    await page.screenshot({ path: output, fullPage: layout === 'phone' });
}
await browser.close();
console.log(`web_screenshot: saved ${output}`);
