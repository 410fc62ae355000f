// Benchmark, not a test: editing a program in the page, opened from disk in Chromium. From Build
// clicked to hashprobe rebuilt and in place, once the compiler is loaded: the first build, right
// after the compiler is ready and after the learner has had a few seconds to read, then the
// median of builds after an edit.
//   WORKBENCH_SITE=<site dir> node web/tests/edit.bench.mjs
import { launch, open, fileUrl } from './browser.mjs';

const EDITS = 5;

// Clicks Build and resolves with the milliseconds to its "Built" and the status.
const built = (page) => page.evaluate(() => new Promise((resolve) => {
    const t0 = performance.now();
    const status = document.getElementById('edit-status');
    const seen = new MutationObserver(() => {
        if (!/^(Built|Does not|Something)/.test(status.textContent)) return;
        seen.disconnect();
        resolve([performance.now() - t0, status.textContent]);
    });
    seen.observe(status, { childList: true, characterData: true, subtree: true });
    document.getElementById('edit-build').click();
}));

async function edited(page) {
    await page.page.click('#edit .cm-content');
    await page.page.keyboard.press('Control+End');
    await page.page.keyboard.press('Enter');
}

const browser = await launch();
try {
    for (const pause of [0, 5000, 10000]) {
        const page = await open(browser, fileUrl());
        await page.page.getByRole('button', { name: 'Programs', exact: true }).click();
        await page.click('.program-list [data-name="hashprobe"]');
        await page.click('#program .edit-button');
        await page.waitFor(() => document.getElementById('lab-status')?.textContent === 'The compiler is ready', undefined, 120000);
        await new Promise((resolve) => setTimeout(resolve, pause));
        const [first, said] = await built(page);
        if (!said.startsWith('Built')) throw new Error(said);
        console.log(`edit, from Build to hashprobe rebuilt, the first build ${pause / 1000} s after the compiler is ready: ${(first / 1000).toFixed(2)} s`);
        if (pause) continue;
        const times = [];
        for (let i = 0; i < EDITS; i++) {
            await edited(page);
            const [ms, status] = await built(page);
            if (!status.startsWith('Built')) throw new Error(status);
            times.push(ms);
        }
        times.sort((a, b) => a - b);
        console.log(`edit, from Build to hashprobe rebuilt after an edit: median ${(times[EDITS >> 1] / 1000).toFixed(2)} s ` +
            `(min ${(times[0] / 1000).toFixed(2)}, max ${(times[EDITS - 1] / 1000).toFixed(2)}; ${EDITS} samples)`);
        await page.page.close();
    }
} finally {
    await browser.close();
}
