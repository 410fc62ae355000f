// Benchmark, not a test: the Lab on the gap buffer, opened from disk in Chromium. From the Lab's
// tab clicked (its script and the compiler not loaded yet) to the verdict of a check of
// examples/gapbuf/gapbuf.c; then, with the compiler loaded, from an edit to the verdict again
// (a build and every case), the median of a few; and the size of what the Lab loads.
//   WORKBENCH_SITE=<site dir> node web/tests/lab.bench.mjs
import fs from 'node:fs';
import path from 'node:path';
import { launch, open, fileUrl, site, source } from './browser.mjs';

const EDITS = 5;
const gapbuf = fs.readFileSync(path.join(source, 'examples', 'gapbuf', 'gapbuf.c'));

let lab = 0, compiler = 0;
for (const file of fs.readdirSync(path.join(site, 'lab'))) {
    const size = fs.statSync(path.join(site, 'lab', file)).size;
    lab += size;
    if (file.startsWith('compiler-')) compiler += size;
}

// Clicks Check (after the Lab's tab, when opening) and resolves with the milliseconds from the
// first click to the check's verdict, and the verdict.
const checked = (page, opening = false) => page.evaluate((fromTab) => new Promise((resolve) => {
    const t0 = performance.now();
    const check = () => {
        const status = document.getElementById('lab-status');
        const seen = new MutationObserver(() => {
            if (!/^Passed/.test(status.textContent)) return;
            seen.disconnect();
            resolve([performance.now() - t0, status.textContent]);
        });
        seen.observe(status, { childList: true, characterData: true, subtree: true });
        document.getElementById('lab-check').click();
    };
    if (!fromTab) return check();
    document.querySelector('.tab[data-view="lab"]').click();
    const ready = setInterval(() => {
        if (document.getElementById('lab').dataset.ready !== 'yes') return;
        clearInterval(ready);
        check();
    }, 5);
}), opening);

const browser = await launch();
try {
    const page = await open(browser, fileUrl());
    // The learner's file waits in the Lab's storage, as after a visit before.
    await page.evaluate((text) => {
        localStorage.setItem('workbench.lab.interface', 'buffer');
        localStorage.setItem('workbench.lab.buffer', text);
    }, gapbuf.toString());
    const cold = await checked(page, true);
    console.log(`lab, from opening to the verdict on gapbuf.c (compiler not loaded): ${(cold[0] / 1000).toFixed(2)} s (${cold[1]})`);
    const times = [];
    for (let i = 0; i < EDITS; i++) {
        // An edit: a blank line at the end, typed, so the next check must build again.
        await page.page.click('.cm-content');
        await page.page.keyboard.press('Control+End');
        await page.page.keyboard.press('Enter');
        const [ms, verdict] = await checked(page);
        times.push(ms);
        if (!verdict.startsWith('Passed 23 of 23')) throw new Error(`after an edit: ${verdict}`);
    }
    times.sort((a, b) => a - b);
    console.log(`lab, from an edit to the verdict (build and all cases): median ${(times[EDITS >> 1] / 1000).toFixed(2)} s ` +
        `(min ${(times[0] / 1000).toFixed(2)}, max ${(times[EDITS - 1] / 1000).toFixed(2)}; ${EDITS} samples)`);
    console.log(`lab download: ${lab} bytes in lab/, of which the compiler ${compiler} bytes`);
} finally {
    await browser.close();
}
