// Benchmark, not a test: from entering a command to the four panes repainted, with 1,000 commands
// already typed, on a short text and on a long one; prints the median over 50 samples of each,
// and the site's size.
//   WORKBENCH_SITE=<site dir> node web/tests/repaint.bench.mjs
import fs from 'node:fs';
import path from 'node:path';
import { launch, open, fileUrl, site } from './browser.mjs';

const TYPED = 1000;
const SAMPLES = 50;

// Every command kind, with the text kept near 50 characters: gridrow must stay under its 100.
function short(i) {
    if (i === 0) return 'Ihello world';
    if (i % 25 === 0) return 'Iz';
    return ['Iab', 'B', 'D', 'J', 'D', 'E', 'F'][i % 7];
}

// Over 1,300 characters from six long inserts, then edits that keep the length (gridrow has
// stopped at its capacity: its pane shows the error).
function long(i) {
    if (i < 6) return `I${'the quick brown fox jumps over the lazy dog '.repeat(5).slice(0, 225)}`;
    return ['Iab', 'B', 'D', 'B', 'D', 'J', 'F', 'E'][i % 8];
}

const CASES = [['short text', short], ['long text', long]];

let total = 0, core = 0;
for (const file of fs.readdirSync(site)) {
    const size = fs.statSync(path.join(site, file)).size;
    total += size;
    // The .wasm files are there for WASI runtimes; the page has the modules in its data script.
    if (!file.endsWith('.wasm')) core += size;
}

const browser = await launch();
try {
    for (const [what, command] of CASES) {
        const page = await open(browser, fileUrl());
        // Enters one command through the page's own form; resolves once the panes show its step.
        await page.evaluate(() => {
            window.benchEnter = (text) => new Promise((resolve) => {
                const t0 = performance.now();
                document.addEventListener('wb-painted', () => {
                    void document.getElementById('panes').offsetHeight; // the layout belongs to the repaint
                    resolve(performance.now() - t0);
                }, { once: true });
                const input = document.getElementById('command');
                input.value = text;
                input.form.requestSubmit();
            });
        });
        for (let i = 0; i < TYPED; i++) await page.evaluate((t) => window.benchEnter(t), command(i));
        const times = [];
        for (let i = 0; i < SAMPLES; i++) times.push(await page.evaluate((t) => window.benchEnter(t), command(TYPED + i)));
        times.sort((a, b) => a - b);
        const chars = await page.$$eval('.pane[data-module="pilerow"] .picture .ch', (c) => c.length);
        console.log(`repaint after ${TYPED} commands, ${what}: median ${times[SAMPLES >> 1].toFixed(2)} ms ` +
            `(min ${times[0].toFixed(2)}, max ${times[SAMPLES - 1].toFixed(2)}; ${SAMPLES} samples; text ${chars} characters)`);
        await page.page.close();
    }
    console.log(`site size: ${total} bytes (${site}); what the page loads: ${core} bytes`);
} finally {
    await browser.close();
}
