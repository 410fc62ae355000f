// The buffers view's memory pictures and its learner's pane, in each browser: a module's live
// blocks and the pointers between them at the step shown, and a learner's module (the course's
// gap buffer, built as the Lab builds one) stepping beside the reference modules.
import test from 'node:test';
import assert from 'node:assert/strict';
import { BROWSERS, launch, open, serve, screenshot, sampleText, violations, testModule, manifest } from './browser.mjs';

const paints = (page) => page.evaluate(() => Number(document.body.dataset.paints));

// Runs what changes the panes and waits for their repaint.
async function repainted(page, action) {
    const before = await paints(page);
    await action();
    await page.waitFor((n) => Number(document.body.dataset.paints) > n, before);
}

const enter = (page, command) => repainted(page, async () => {
    await page.fill('#command', command);
    await page.press('#command', 'Enter');
});

// The text a pane shows, from its display's line of characters each after a blank.
const shownText = (display) => (display.split('\n')[1] || '').slice(1).split('').filter((_, i) => i % 2 === 0).join('');

// What a pane's memory picture holds: its label, each box's serial and bytes as drawn, its arrows,
// and whether every arrowhead lies inside the box its pointer points into.
async function memoryOf(page, module) {
    const seen = await page.evaluate((name) => {
        const pane = document.querySelector(`.pane[data-module="${name}"]`);
        const memory = pane.querySelector('.memory');
        const area = memory.querySelector('.m-area');
        const origin = area?.getBoundingClientRect();
        const heads = [...memory.querySelectorAll('.m-head-arrow')].map((head) => {
            const [x, y] = head.getAttribute('d').slice(1).split(/[ l]/).map(Number);
            const box = memory.querySelector(`.m-block[data-serial="${head.dataset.to}"]`).getBoundingClientRect();
            const at = { x: origin.left + x, y: origin.top + y - 2 };
            return at.x > box.left && at.x < box.right && at.y > box.top && at.y < box.bottom;
        });
        return {
            hidden: memory.hidden,
            label: memory.getAttribute('aria-label'),
            blocks: [...memory.querySelectorAll('.m-block')].map((b) => ({
                serial: Number(b.dataset.serial), bytes: [...b.querySelectorAll('.m-row')].map((r) => r.textContent).join(''),
            })),
            words: memory.querySelectorAll('[data-p]').length,
            arrows: memory.querySelectorAll('.m-arrows path:not(.m-head-arrow)').length,
            headsInTheirBoxes: heads.every(Boolean),
            display: pane.querySelector('.display').textContent,
        };
    }, module);
    return { ...seen, text: shownText(seen.display) };
}

const toggle = (page, module) => repainted(page, () => page.click(`.pane[data-module="${module}"] .memory-toggle input`));

for (const kind of BROWSERS) {
    test(`${kind}: the memory toggle shows gridrow's array and chainrow's cells at the step shown`, async () => {
        const commands = ['Ihello', 'B', 'B', 'Iab', 'J', 'Iz', 'E', 'D', 'B', 'D'];
        const server = await serve();
        const browser = await launch(kind);
        try {
            const page = await open(browser, server.url);
            for (const command of commands) await enter(page, command);
            // Taken at an earlier step, when no outcome kept has the memory: made again from the start.
            for (let i = 0; i < 4; i++) await repainted(page, () => page.click('#back'));
            await toggle(page, 'gridrow');
            await toggle(page, 'chainrow');
            const expect = async (step) => {
                const grid = await memoryOf(page, 'gridrow');
                assert.equal(grid.blocks.length, 1, `gridrow at step ${step}: one block`);
                assert.match(grid.label, /^gridrow's memory: 1 block, 108 bytes$/);
                assert.ok(grid.blocks[0].bytes.startsWith(grid.text), `gridrow at step ${step}: ${grid.blocks[0].bytes} holds ${grid.text}`);
                assert.equal(grid.arrows, 0);
                // The buffer's record, the dummy cell and one cell a character: a link from each
                // cell but the last, and the record's start and cursor.
                const chain = await memoryOf(page, 'chainrow');
                const n = chain.text.length;
                assert.equal(chain.blocks.length, n + 2, `chainrow at step ${step}: blocks for "${chain.text}"`);
                assert.equal(chain.arrows, n + 2, `chainrow at step ${step}: arrows`);
                assert.equal(chain.words, n + 2);
                assert.ok(chain.headsInTheirBoxes, `chainrow at step ${step}: each arrow ends in the block it points into`);
                assert.match(chain.label, new RegExp(`^chainrow's memory: ${n + 2} blocks, ${8 * (n + 2)} bytes; block 1 points to`));
                // In reading order the cells spell the text, from the record and the dummy cell on.
                assert.equal(chain.blocks.slice(2).map((b) => b.bytes[0]).join(''), chain.text);
                return { grid, chain };
            };
            const at6 = await expect(6);
            assert.equal(at6.chain.text, 'zhelablo');
            await repainted(page, () => page.click('#last'));
            const at10 = await expect(10);
            assert.equal(at10.chain.text, 'zhelabl');
            await repainted(page, () => page.click('#first'));
            await expect(0);
            await repainted(page, () => page.click('#forward'));
            assert.equal((await expect(1)).grid.text, 'hello');
            await screenshot(page, 'buffers-memory');
            assert.deepEqual(await violations(page), [], 'memory shown in two panes');
            await toggle(page, 'chainrow');
            assert.equal((await memoryOf(page, 'chainrow')).hidden, true);
            assert.deepEqual(page.errors, []);
        } finally {
            await browser.close();
            await server.close();
        }
    });

    test(`${kind}: a learner's module in a pane of its own prints as the reference modules, its memory shown`, async () => {
        const commands = sampleText('buffers/samples/edit.txt').split('\n').filter((l) => l !== '' && !l.startsWith('Q'));
        const server = await serve();
        const browser = await launch(kind);
        try {
            const page = await open(browser, server.url, `#${new URLSearchParams(commands.map((c) => ['c', c]))}`);
            const setLearner = (learner) => repainted(page, () => page.evaluate(async ([wasm, name]) => {
                const module = name && await WebAssembly.compile(Uint8Array.from(atob(wasm), (c) => c.charCodeAt(0)));
                window.workbench.buffers.setLearner(name ? { name, module } : null);
            }, learner));
            const wasm = testModule('lab-gapbuf').toString('base64');
            await setLearner([wasm, 'yours']);
            const expect = async (step) => {
                const panes = await page.$$eval('.pane', (all) => all.map((p) => ({
                    module: p.dataset.module, text: p.querySelector('.display').textContent, status: p.querySelector('.status').textContent,
                    picture: !p.querySelector('.picture').hidden,
                })));
                assert.deepEqual(panes.map((p) => p.module), [...manifest.bufferModules.map((m) => m.name), 'yours']);
                const yours = panes.pop();
                for (const pane of panes) assert.equal(yours.text, pane.text, `step ${step}: yours and ${pane.module}`);
                assert.equal(yours.status, '');
                assert.equal(yours.picture, false, 'no records to draw');
                // The gap buffer's record points to its array of characters.
                const memory = await memoryOf(page, 'yours');
                assert.equal(memory.hidden, false);
                assert.deepEqual([memory.blocks.length, memory.arrows, memory.headsInTheirBoxes], [2, 1, true], `step ${step}`);
                assert.match(memory.label, /^yours' memory: 2 blocks, \d+ bytes; block 1 points to block 2$/);
            };
            await expect(commands.length);
            for (let i = 0; i < 5; i++) await repainted(page, () => page.click('#back'));
            await expect(commands.length - 5);
            await enter(page, 'Inew');
            await expect(commands.length - 4);
            await screenshot(page, 'buffers-learner');
            assert.deepEqual(await violations(page), [], 'a learner\'s pane');

            // Replaced under another name, then taken away; a module that cannot step is refused.
            await setLearner([wasm, 'again']);
            assert.deepEqual(await page.$$eval('.pane', (all) => all.map((p) => p.dataset.module).slice(4)), ['again']);
            await setLearner([null, null]);
            assert.equal(await page.$$eval('.pane', (all) => all.length), manifest.bufferModules.length);
            const refused = await page.evaluate(async () => {
                const empty = await WebAssembly.compile(new Uint8Array([0, 97, 115, 109, 1, 0, 0, 0]));
                return ['gridrow', 'mine'].map((name) => {
                    try {
                        window.workbench.buffers.setLearner({ name, module: empty });
                        return 'taken';
                    } catch (e) {
                        return e.message;
                    }
                });
            });
            assert.deepEqual(refused, ['setLearner needs a name of its own, not gridrow',
                'setLearner needs a module that exports memory, step_line, step_start, step_command']);
            assert.deepEqual(page.errors, []);
        } finally {
            await browser.close();
            await server.close();
        }
    });
}
