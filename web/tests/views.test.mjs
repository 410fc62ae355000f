// The programs' insides, drawn from their -j lines, against the same run of the native programs:
// as many drawings, and in the last one as many nodes, keys or cells as its description has.
import test from 'node:test';
import assert from 'node:assert/strict';
import { launch, open, fileUrl, screenshot, sampleText, runNative } from './browser.mjs';

const COUNT = { tree: (d) => d.nodes.length, table: (d) => d.keys, stack: (d) => d.depth, queue: (d) => d.length,
    ring: (d) => d.length, sort: (d) => d.cells.length };

const RUNS = [
    ['driver', { args: ['-i', '-j', 'view.json'], stdin: sampleText('trees/samples/commands.txt') }],
    ['hashprobe', { args: ['-i', '-j', 'view.json'], files: { 'data.txt': sampleText('hashing/samples/data.txt') } }],
    ['intstack', { args: ['-i', '-j', 'view.json'], files: { 'data.txt': sampleText('lists/samples/stack.txt') } }],
    ['linkqueue', { args: ['-i', '-j', 'view.json'] }],
    ['ringdemo', { args: ['-j', 'view.json'], stdin: sampleText('lists/samples/ring-commands.txt') }],
    ['sortrun', { args: ['-i', '-j', 'view.json'] }],
];

test('each structure drawn from its -j lines as the native run describes it', async () => {
    const browser = await launch();
    try {
        const page = await open(browser, fileUrl(), '#programs');
        for (const [name, run] of RUNS) {
            const native = runNative(name, run);
            const drawings = native.files['view.json'].trim().split('\n').map((l) => JSON.parse(l));
            await page.click(`.program-list [data-name="${name}"]`);
            await page.waitForSelector(`.program h2:text-is("${name}")`);
            // The tree shell is a dialogue by default: here its sample is piped, as natively.
            if (name === 'driver') await page.check('input[value="text"]');
            await page.check('.inside-toggle input');
            await page.click('.run');
            await page.waitForSelector('.inside .step-label');
            const seen = await page.evaluate(() => ({
                drawings: Number(document.querySelector('.inside input[type=range]').max) + 1,
                items: document.querySelectorAll('.v-picture .v-item').length,
                out: [...document.querySelectorAll('.terminal .out')].map((s) => s.textContent).join(''),
            }));
            const last = drawings[drawings.length - 1];
            assert.equal(seen.out, native.stdout, `${name}: its own output, -i drawings included`);
            assert.equal(seen.drawings, drawings.length, `${name}: drawings`);
            assert.equal(seen.items, COUNT[last.kind](last), `${name}: items in the last drawing`);
            await screenshot(page, `inside-${name}`);
        }
        assert.deepEqual(page.errors, []);
    } finally {
        await browser.close();
    }
});
