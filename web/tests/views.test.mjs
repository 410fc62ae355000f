// The programs' insides, drawn from their -j lines, against the same run of the native programs,
// in each browser: as many drawings, and in the last one as many nodes, keys or cells as its
// description has; each drawing's step announced, its link, and axe-core's WCAG checks.
import test from 'node:test';
import assert from 'node:assert/strict';
import { BROWSERS, launch, open, fileUrl, screenshot, sampleText, runNative, violations, manifest } from './browser.mjs';

// What one picture holds: its nodes, keys or cells; a buffer's records, a cell per character.
const COUNT = { tree: (d) => d.nodes.length, table: (d) => d.keys, stack: (d) => d.depth, queue: (d) => d.length,
    ring: (d) => d.length, sort: (d) => d.cells.length };
for (const kind of ['array', 'stacks', 'chain', 'blocks']) COUNT[kind] = (d) => d.bytes.characters;

const RUNS = [
    ['driver', { args: ['-i', '-j', 'view.json'], stdin: sampleText('trees/samples/commands.txt') }],
    ['hashprobe', { args: ['-i', '-j', 'view.json'], files: { 'data.txt': sampleText('hashing/samples/data.txt') } }],
    ['intstack', { args: ['-i', '-j', 'view.json'], files: { 'data.txt': sampleText('lists/samples/stack.txt') } }],
    ['linkqueue', { args: ['-i', '-j', 'view.json'] }],
    ['ringdemo', { args: ['-j', 'view.json'], stdin: sampleText('lists/samples/ring-commands.txt') }],
    ['sortrun', { args: ['-i', '-j', 'view.json'] }],
    ...manifest.bufferModules.map((m) => [`bufdemo-${m.name}`, { args: ['-j', 'view.json'], stdin: sampleText('buffers/samples/edit.txt') }]),
];

test('every program that draws its structure has a run here', () => {
    const covered = new Set(RUNS.map(([name]) => name));
    // sortrun-compact draws as sortrun does, from the same unit.
    assert.deepEqual(manifest.drawn.filter((name) => !covered.has(name) && name !== 'sortrun-compact'), []);
});

async function shown(page) {
    return page.evaluate(() => ({
        drawings: Number(document.querySelector('.inside input[type=range]').max) + 1,
        step: document.querySelector('.inside .step-label').textContent,
        items: document.querySelectorAll('.v-picture .v-item, .v-picture .ch').length,
        out: [...document.querySelectorAll('.terminal .out')].map((s) => s.textContent).join(''),
    }));
}

for (const kind of BROWSERS) {
    test(`${kind}: each structure drawn from its -j lines as the native run describes it`, async () => {
        const browser = await launch(kind);
        try {
            const page = await open(browser, fileUrl(), '#programs');
            for (const [name, run] of RUNS) {
                const native = runNative(name, run);
                const drawings = native.files['view.json'].trim().split('\n').map((l) => JSON.parse(l));
                await page.click(`.program-list [data-name="${name}"]`);
                await page.waitFor((n) => document.querySelector('.program h2')?.textContent === n, name);
                // The tree shell is a dialogue by default: here its sample is piped, as natively.
                if (name === 'driver') await page.check('input[value="text"]');
                // The same arguments (bufdemo-chunkrow has a -i of its own) and input as natively.
                await page.fill('.command-line .args', '');
                if (run.stdin) await page.fill('.stdin-text', run.stdin);
                await page.check('.inside-toggle input');
                await page.click('.run');
                await page.waitForSelector('.inside .step-label');
                const seen = await shown(page);
                const last = drawings[drawings.length - 1];
                assert.equal(seen.out, native.stdout, `${name}: its own output, -i drawings included`);
                assert.equal(seen.drawings, drawings.length, `${name}: drawings`);
                assert.equal(seen.items, COUNT[last.kind](last), `${name}: items in the last drawing`);
                await screenshot(page, `inside-${name}`);
                assert.deepEqual(await violations(page), [], `${name}: its drawing`);
                if (drawings.length < 2) continue;
                // One step back, said in the live region; its link reopens that drawing.
                await page.click('.inside button[aria-label="one drawing back"]');
                const back = await shown(page);
                const said = await page.evaluate(() => document.getElementById('announce').textContent);
                assert.ok(said.startsWith(`${back.step}: `), `${name}: "${said}" announced`);
                const before = drawings[drawings.length - 2];
                assert.equal(back.items, COUNT[before.kind](before), `${name}: items one drawing back`);
                const again = await open(browser, fileUrl(), await page.evaluate(() => location.hash));
                await again.waitForSelector('.inside .step-label');
                assert.deepEqual(await shown(again), back, `${name}: its link`);
                await again.page.close();
            }
            assert.deepEqual(page.errors, []);
        } finally {
            await browser.close();
        }
    });
}
