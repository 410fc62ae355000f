// The buffers view's memory pictures at the step shown, and the course's gap buffer, built as the
// Lab builds a learner's module, stepping in a pane beside the reference modules; in each browser.
import test from 'node:test';
import assert from 'node:assert/strict';
import { BROWSERS, launch, open, serve, screenshot, violations, testModule, manifest } from './browser.mjs';

async function repainted(page, action) {
    const before = await page.evaluate(() => Number(document.body.dataset.paints));
    await action();
    await page.waitFor((n) => Number(document.body.dataset.paints) > n, before);
}
const click = (page, selector) => repainted(page, () => page.click(selector));
const enter = (page, command) => repainted(page, () => page.fill('#command', command).then(() => page.press('#command', 'Enter')));

// A pane's text (its display's characters, each after a blank), and its memory as drawn: label,
// boxes' bytes, arrows, and whether each arrowhead lies in the box its pointer points into.
async function memoryOf(page, module) {
    const seen = await page.evaluate((name) => {
        const pane = document.querySelector(`.pane[data-module="${name}"]`);
        const memory = pane.querySelector('.memory');
        const area = memory.querySelector('.m-area').getBoundingClientRect();
        const heads = [...memory.querySelectorAll('.m-head-arrow')].map((head) => {
            const [x, y] = head.getAttribute('d').slice(1).split(/[ l]/).map(Number);
            const box = memory.querySelector(`.m-block[data-serial="${head.dataset.to}"]`).getBoundingClientRect();
            return area.left + x > box.left && area.left + x < box.right && area.top + y - 2 > box.top && area.top + y - 2 < box.bottom;
        });
        return { hidden: memory.hidden, label: memory.getAttribute('aria-label'), inBoxes: heads.every(Boolean),
            blocks: [...memory.querySelectorAll('.m-block')].map((b) => [...b.querySelectorAll('.m-row')].map((r) => r.textContent).join('')),
            arrows: heads.length, display: pane.querySelector('.display').textContent };
    }, module);
    return { ...seen, text: (seen.display.split('\n')[1] || '').slice(1).replace(/(.)./g, '$1') };
}

for (const kind of BROWSERS) {
    test(`${kind}: memory pictures at the step shown; a learner's module in a pane of its own`, async () => {
        const server = await serve();
        const browser = await launch(kind);
        try {
            const page = await open(browser, server.url);
            for (const command of ['Ihello', 'B', 'B', 'Iab', 'J', 'Iz', 'E', 'D', 'B', 'D']) await enter(page, command);
            // Shown first at an earlier step, whose kept outcome has no memory: made again.
            for (let i = 0; i < 4; i++) await click(page, '#back');
            for (const m of ['gridrow', 'chainrow']) await click(page, `.pane[data-module="${m}"] .memory-toggle input`);
            const expect = async (text, learner = false) => {
                const grid = await memoryOf(page, 'gridrow');
                assert.deepEqual([grid.text, grid.label], [text, "gridrow's memory: 1 block, 108 bytes"]);
                assert.ok(grid.blocks[0].startsWith(text), `${grid.blocks[0]} holds ${text}`);
                // The record, the dummy cell and a cell a character, in reading order; an arrow
                // from every cell but the last, and from the record's start and cursor.
                const [chain, n] = [await memoryOf(page, 'chainrow'), text.length];
                assert.deepEqual([chain.blocks.length, chain.arrows, chain.inBoxes], [n + 2, n + 2, true], text);
                assert.equal(chain.blocks.slice(2).map((b) => b[0]).join(''), text);
                assert.match(chain.label, new RegExp(`^chainrow's memory: ${n + 2} blocks, ${8 * (n + 2)} bytes; block 1 points to`));
                if (!learner) return;
                // The learner's gap buffer prints as every reference module; its record points to its array.
                const texts = await page.$$eval('.pane .display', (all) => all.map((d) => d.textContent));
                assert.deepEqual(texts, Array(manifest.bufferModules.length + 1).fill(texts[0]));
                const yours = await memoryOf(page, 'yours');
                assert.deepEqual([yours.hidden, yours.blocks.length, yours.arrows, yours.inBoxes], [false, 2, 1, true]);
                assert.match(yours.label, /^yours' memory: 2 blocks, \d+ bytes; block 1 points to block 2$/);
            };
            await expect('zhelablo');
            for (const [control, text] of [['#last', 'zhelabl'], ['#first', ''], ['#forward', 'hello']]) {
                await click(page, control);
                await expect(text);
            }
            await screenshot(page, 'buffers-memory');
            assert.deepEqual(await violations(page), [], 'memory shown in two panes');

            // The pane's module names after the four, or why setLearner refused.
            const setLearner = (name, wasm) => page.evaluate(async ([n, w]) => {
                const module = w && await WebAssembly.compile(Uint8Array.from(atob(w), (c) => c.charCodeAt(0)));
                return Promise.resolve().then(() => window.workbench.buffers.setLearner(n ? { name: n, module } : null))
                    .then(() => [...document.querySelectorAll('.pane')].slice(4).map((p) => p.dataset.module).join(), (e) => e.message);
            }, [name, wasm]);
            const wasm = testModule('lab-gapbuf').toString('base64');
            assert.equal(await setLearner('yours', wasm), 'yours');
            await expect('hello', true);
            for (const [control, text] of [['#last', 'zhelabl'], ['#back', 'zhelablo']]) {
                await click(page, control);
                await expect(text, true);
            }
            await enter(page, 'Inew');
            await expect('zhelablnewo', true);
            await screenshot(page, 'buffers-learner');
            assert.deepEqual(await violations(page), [], 'a learner\'s pane');
            assert.equal(await setLearner(null, null), '');
            assert.equal(await setLearner('gridrow', wasm), 'setLearner needs a name of its own, not gridrow');
            assert.deepEqual(page.errors, []);
        } finally {
            await browser.close();
            await server.close();
        }
    });
}
