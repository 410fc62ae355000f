// The buffers page against the native bufdemo programs, over a loopback http server.
import test from 'node:test';
import assert from 'node:assert/strict';
import { launch, open, serve, screenshot, sampleText, runNative } from './browser.mjs';

const MODULES = ['gridrow', 'pilerow', 'chainrow', 'chunkrow'];

// bufdemo's output for each command: from its "> " line up to the next one.
function blocks(stdout) {
    return stdout.split(/^(?=> )/m).filter((b) => b.startsWith('> '));
}

// A block ends in the display: a line drawing each character as a blank and the character, then
// the cursor's caret line.
function textLength(block) {
    const lines = block.split('\n');
    return lines[lines.length - 3].length / 2;
}

async function enter(page, command) {
    const before = Number(await page.evaluate(() => document.body.dataset.paints));
    await page.fill('#command', command);
    await page.press('#command', 'Enter');
    await page.waitForFunction((n) => Number(document.body.dataset.paints) > n, before);
}

async function panes(page) {
    return page.$$eval('.pane', (all) => all.map((p) => ({
        module: p.dataset.module,
        text: p.querySelector('.display').textContent,
        cells: p.querySelectorAll('.picture .ch').length,
        status: p.querySelector('.status').textContent,
    })));
}

async function click(page, selector) {
    const before = Number(await page.evaluate(() => document.body.dataset.paints));
    await page.click(selector);
    await page.waitForFunction((n) => Number(document.body.dataset.paints) > n, before);
}

test('typed commands drive the four modules as the native programs, and step back', async () => {
    const script = sampleText('buffers/samples/edit.txt');
    const commands = script.split('\n').filter((l) => l !== '' && !l.startsWith('Q'));
    const native = Object.fromEntries(MODULES.map((m) => [m, blocks(runNative(`bufdemo-${m}`, { stdin: script }).stdout)]));
    const server = await serve();
    const browser = await launch();
    try {
        const page = await open(browser, server.url);
        for (const command of commands) await enter(page, command);
        await screenshot(page, 'buffers');
        // blocks[i] is what bufdemo printed for command i + 1, so at step n the panes show blocks[n - 1].
        const expectStep = async (step) => {
            for (const pane of await panes(page)) {
                const block = native[pane.module][step - 1];
                assert.equal(pane.text, block, `${pane.module}: step ${step}`);
                assert.equal(pane.cells, textLength(block), `${pane.module}: cells drawn at step ${step}`);
            }
        };
        await expectStep(commands.length);
        await click(page, '#back');
        await expectStep(commands.length - 1);
        for (let i = 0; i < 5; i++) await click(page, '#back');
        await expectStep(commands.length - 6);
        assert.deepEqual(page.errors, []);
    } finally {
        await browser.close();
        await server.close();
    }
});

test('gridrow past its capacity shows the native error in its pane alone', async () => {
    const command = `I${'x'.repeat(101)}`;
    const gridrow = runNative('bufdemo-gridrow', { stdin: `${command}\n` });
    assert.notEqual(gridrow.status, 0);
    const server = await serve();
    const browser = await launch();
    try {
        const page = await open(browser, server.url);
        await enter(page, command);
        const [grid, ...others] = await panes(page);
        assert.equal(grid.text, blocks(gridrow.stdout)[0]);
        assert.equal(grid.status, `${gridrow.stderr}exit status ${gridrow.status}`);
        for (const pane of others) assert.equal(pane.cells, 101, pane.module);
        await screenshot(page, 'buffers-overflow');
    } finally {
        await browser.close();
        await server.close();
    }
});
