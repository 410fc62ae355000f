// The buffers page against the native bufdemo programs, over a loopback http server, in each
// browser: the panes, the steps, the text drawing, the live region, the keyboard, links, export,
// axe-core's WCAG checks and reflow at 320 pixels.
import test from 'node:test';
import assert from 'node:assert/strict';
import { BROWSERS, launch, open, serve, screenshot, sampleText, runNative, violations, pageWidth, manifest } from './browser.mjs';

const MODULES = manifest.bufferModules.map((m) => m.name);

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

// The -i drawing of a block (its lines after the caret line) less the byte counts, which are
// wasm32's in the page.
function drawingLines(text) {
    const lines = text.trimEnd().split('\n');
    const caret = lines.findLastIndex((l) => /^ *\^$/.test(l));
    return lines.slice(caret + 1).filter((l) => !l.startsWith('  bytes:'));
}

async function paints(page) {
    return Number(await page.evaluate(() => document.body.dataset.paints));
}

async function enter(page, command) {
    const before = await paints(page);
    await page.fill('#command', command);
    await page.press('#command', 'Enter');
    await page.waitFor((n) => Number(document.body.dataset.paints) > n, before);
}

async function panes(page) {
    return page.$$eval('.pane', (all) => all.map((p) => ({
        module: p.dataset.module,
        text: p.querySelector('.display').textContent,
        cells: p.querySelectorAll('.picture .ch').length,
        status: p.querySelector('.status').textContent,
        drawing: p.querySelector('.drawing').textContent,
    })));
}

async function click(page, selector) {
    const before = await paints(page);
    await page.click(selector);
    await page.waitFor((n) => Number(document.body.dataset.paints) > n, before);
}

async function stepLabel(page) {
    return page.evaluate(() => document.getElementById('step-label').textContent);
}

// The anchors the export buttons click, caught before they save anything.
async function exported(page, selector) {
    await page.evaluate(() => {
        window.saved = null;
        HTMLAnchorElement.prototype.click = function save() { window.saved = { href: this.href, name: this.download }; };
    });
    await page.click(selector);
    await page.waitFor(() => window.saved);
    return page.evaluate(() => window.saved);
}

// Links that must be refused: the reason the page gives, and the page as a fresh one.
const BAD_LINKS = [
    ['#view=buffers&c=Ihello&step=2', 'the step is past the last command'],
    ['#view=sideways', 'no view "sideways"'],
    ['#c=Q', 'command 1 is not one bufdemo command'],
    [`#c=I${'x'.repeat(251)}`, 'command 1 is not one bufdemo command'],
    ['#program=rm', 'no program "rm"'],
    ['#program=intstack&f.%2Fetc%2Fpasswd=x', '"/etc/passwd" is not a file name in "."'],
    ['#step=1e3', 'step is not a number from 0 to 2000'],
    ['#view=buffers&script=alert(1)', 'the link names "script", which the page does not know'],
    ['#args=x', 'the link gives a program\'s settings without the program'],
    [`#c=${'Ix&c='.repeat(2001)}Ix`, 'more than 2000 commands'],
    [`#view=buffers&c=I${'y'.repeat(70000)}`, 'the link\'s fragment is longer than 65536 characters'],
];

for (const kind of BROWSERS) {
    test(`${kind}: typed commands drive the four modules as the native programs, step back, and say so`, async () => {
        const script = sampleText('buffers/samples/edit.txt');
        const commands = script.split('\n').filter((l) => l !== '' && !l.startsWith('Q'));
        const native = Object.fromEntries(MODULES.map((m) => [m, blocks(runNative(`bufdemo-${m}`, { stdin: script }).stdout)]));
        const inside = Object.fromEntries(MODULES.map((m) => [m, blocks(runNative(`bufdemo-${m}`, { stdin: script, args: ['-i'] }).stdout)]));
        const server = await serve();
        const browser = await launch(kind);
        try {
            const page = await open(browser, server.url);
            assert.deepEqual(await violations(page), [], 'the empty page');
            for (const command of commands) await enter(page, command);
            assert.equal(await page.evaluate(() => document.getElementById('announce').textContent),
                `step ${commands.length} of ${commands.length}: ${commands[commands.length - 1]}`);
            // The text equivalent of each picture: the module's own -i drawing of the step.
            for (const m of MODULES) await page.click(`.pane[data-module="${m}"] summary`);
            await click(page, '#back');
            await screenshot(page, 'buffers');
            assert.deepEqual(await violations(page), [], 'a session with its text drawings open');
            // blocks[i] is what bufdemo printed for command i + 1, so at step n the panes show blocks[n - 1].
            const expectStep = async (step) => {
                for (const pane of await panes(page)) {
                    const block = native[pane.module][step - 1];
                    assert.equal(pane.text, block, `${pane.module}: step ${step}`);
                    assert.equal(pane.cells, textLength(block), `${pane.module}: cells drawn at step ${step}`);
                    assert.deepEqual(drawingLines(pane.drawing), drawingLines(inside[pane.module][step - 1]),
                        `${pane.module}: text drawing at step ${step}`);
                }
            };
            await expectStep(commands.length - 1);
            for (let i = 0; i < 5; i++) await click(page, '#back');
            await expectStep(commands.length - 6);
            assert.equal(await page.evaluate(() => document.getElementById('announce').textContent),
                `step ${commands.length - 6} of ${commands.length}: ${commands[commands.length - 7]}`);
            await click(page, '#forward');
            await expectStep(commands.length - 5);

            // The link reopens the same step of the same commands, in a fresh page.
            await page.click('#copy-link');
            await page.waitFor(() => document.getElementById('link-status').textContent !== '');
            const link = await page.evaluate(() => document.getElementById('link-text').value);
            assert.equal(link.replace(/#.*/, ''), server.url);
            const again = await open(browser, link);
            assert.equal(await stepLabel(again), await stepLabel(page));
            assert.deepEqual((await panes(again)).map((p) => p.text), (await panes(page)).map((p) => p.text));

            // The picture shown, saved: an SVG with as many character cells, and a PNG.
            const svg = await exported(page, '.pane[data-module="gridrow"] .export button:first-child');
            assert.match(svg.name, new RegExp(`^gridrow-step-${commands.length - 5}\\.svg$`));
            const markup = decodeURIComponent(svg.href.replace(/^data:image\/svg\+xml;charset=utf-8,/, ''));
            assert.match(markup, /^<svg xmlns="http:\/\/www\.w3\.org\/2000\/svg"/);
            assert.equal(markup.match(/class="cell ch/g).length, textLength(native.gridrow[commands.length - 6]));
            const png = await exported(page, '.pane[data-module="chunkrow"] .export button:last-child');
            const bytes = Buffer.from(png.href.replace(/^data:image\/png;base64,/, ''), 'base64');
            assert.equal(bytes.subarray(1, 4).toString(), 'PNG');
            assert.ok(bytes.readUInt32BE(16) > 100 && bytes.readUInt32BE(20) > 20, 'the PNG has the picture\'s size');

            await page.click('#buffer-manual');
            assert.deepEqual(await violations(page), [], 'the manual page dialogue');
            assert.deepEqual(page.errors, []);
        } finally {
            await browser.close();
            await server.close();
        }
    });

    test(`${kind}: a long session kept between commands: typing at an earlier step, stepping back, as fresh native runs`, async () => {
        // Past two checkpoints, with a text longer than gridrow holds, and a line of 281 bytes
        // (bufdemo reads a line of any length as one command).
        const first = Array.from({ length: 90 }, (_, i) => ['Iabc', 'B', 'D', 'J', 'F', 'Ixy', 'E'][i % 7]);
        first[20] = `I${'\u00e9'.repeat(140)}`;
        const edit = ['B', 'Iq', 'D'];
        const server = await serve();
        const browser = await launch(kind);
        try {
            const page = await open(browser, server.url, `#${new URLSearchParams(first.map((c) => ['c', c]))}`);
            // Back to step 70 by the slider, then three commands typed there.
            const before = await paints(page);
            await page.evaluate(() => {
                const slider = document.getElementById('step');
                slider.value = '70';
                slider.dispatchEvent(new Event('input', { bubbles: true }));
            });
            await page.waitFor((n) => Number(document.body.dataset.paints) > n, before);
            for (const command of edit) await enter(page, command);
            const commands = [...first.slice(0, 70), ...edit];
            // What a fresh native run on the commands up to the step ends with.
            const expect = async (step) => {
                const script = `${commands.slice(0, step).join('\n')}\n`;
                for (const pane of await panes(page)) {
                    const run = runNative(`bufdemo-${pane.module}`, { stdin: script });
                    const block = blocks(run.stdout).at(-1);
                    assert.equal(pane.text, block, `${pane.module}: step ${step}`);
                    if (run.status !== 0) assert.equal(pane.status, `${run.stderr}exit status ${run.status}`, pane.module);
                    else assert.equal(pane.cells, textLength(block), `${pane.module}: cells at step ${step}`);
                }
            };
            await expect(73);
            for (let i = 0; i < 40; i++) await click(page, '#back');
            await expect(33);
            await click(page, '#first');
            assert.deepEqual((await panes(page)).map((p) => p.cells), MODULES.map(() => 0));
        } finally {
            await browser.close();
            await server.close();
        }
    });

    test(`${kind}: gridrow past its capacity shows the native error in its pane alone`, async () => {
        const command = `I${'x'.repeat(101)}`;
        const gridrow = runNative('bufdemo-gridrow', { stdin: `${command}\n` });
        assert.notEqual(gridrow.status, 0);
        const server = await serve();
        const browser = await launch(kind);
        try {
            const page = await open(browser, server.url);
            await enter(page, command);
            const [grid, ...others] = await panes(page);
            assert.equal(grid.text, blocks(gridrow.stdout)[0]);
            assert.equal(grid.status, `${gridrow.stderr}exit status ${gridrow.status}`);
            for (const pane of others) assert.equal(pane.cells, 101, pane.module);
            await screenshot(page, 'buffers-overflow');
            assert.deepEqual(await violations(page), [], 'a pane with an error');
        } finally {
            await browser.close();
            await server.close();
        }
    });

    test(`${kind}: every control by keyboard, with a visible focus; reflow at 320 pixels; reduced motion`, async () => {
        const server = await serve();
        const browser = await launch(kind, { reducedMotion: true });
        try {
            const page = await open(browser, server.url, '#c=Ihello&c=B');
            // Tab from the top reaches each enabled control of the view once, each outlined.
            const controls = await page.evaluate(() => [...document.querySelectorAll('#buffers button, #buffers input, #buffers summary, header button')]
                .filter((e) => !e.disabled && !e.closest('[hidden]')).length);
            const seen = new Map();
            await page.evaluate(() => document.activeElement.blur());
            for (let i = 0; i < controls + 12; i++) {
                await page.press(null, 'Tab');
                const focused = await page.evaluate(() => {
                    const e = document.activeElement;
                    // Past the last control the focus leaves the page, and comes back at the first.
                    if (e === document.body) return null;
                    const style = getComputedStyle(e);
                    return { id: `${e.closest('[data-module]')?.dataset.module || ''} ${e.id} ${e.tagName} ${e.textContent} ${e.getAttribute('aria-label')}`,
                        outline: style.outlineStyle !== 'none' && parseFloat(style.outlineWidth) >= 2 };
                });
                if (!focused) continue;
                assert.ok(focused.outline, `${focused.id}: focus outlined`);
                seen.set(focused.id, true);
            }
            assert.ok(seen.size >= controls, `${seen.size} places reached by Tab, ${controls} controls`);
            // Tab on until the focus is back in the page: where it has left for the browser's own
            // controls, Firefox gives keys to those, whatever element is focused.
            for (let i = 0; i < 40 && await page.evaluate(() => document.activeElement === document.body); i++) await page.press(null, 'Tab');
            // Step back with the keyboard alone.
            const before = await paints(page);
            await page.press('#back', 'Enter');
            await page.waitFor((n) => Number(document.body.dataset.paints) > n, before);
            assert.equal(await stepLabel(page), 'step 1 of 2: Ihello');

            await page.setViewport(320, 800);
            assert.ok(await pageWidth(page) <= 320, 'the buffers view fits 320 pixels');
            // A long text scrolls in its pane to the cursor at once, with no smooth scrolling.
            await enter(page, `I${'x'.repeat(60)}`);
            const cursor = await page.evaluate(() => {
                const box = document.querySelector('.pane[data-module="pilerow"] .picture');
                const mark = box.querySelector('[data-mark]').getBoundingClientRect();
                const seen = box.getBoundingClientRect();
                return { scrolled: box.scrollLeft, inside: mark.left >= seen.left && mark.left <= seen.right };
            });
            assert.ok(cursor.scrolled > 0 && cursor.inside, `the cursor in sight at once: ${JSON.stringify(cursor)}`);
            await screenshot(page, 'buffers-320');
            assert.deepEqual(await violations(page), [], 'the buffers view at 320 pixels');
            await page.click('[data-view="programs"]');
            assert.ok(await pageWidth(page) <= 320, 'the programs view fits 320 pixels');
            await screenshot(page, 'programs-320');
            assert.deepEqual(await violations(page), [], 'the programs view at 320 pixels');
        } finally {
            await browser.close();
            await server.close();
        }
    });

    test(`${kind}: links: a bad one is said and ignored and never becomes markup; the README's embed`, async () => {
        const server = await serve();
        const browser = await launch(kind);
        try {
            for (const [fragment, reason] of BAD_LINKS) {
                const page = await open(browser, server.url, fragment);
                const error = await page.evaluate(() => document.getElementById('fragment-error').textContent);
                assert.equal(error, `This link's state could not be opened, so the page starts afresh: ${reason}.`, fragment.slice(0, 60));
                assert.equal(await stepLabel(page), 'step 0 of 0: the empty buffer', fragment.slice(0, 60));
                await page.page.close();
            }
            // The README's embed: the panes at step 2 of its three commands, without the page around them.
            const embedded = await open(browser, server.url, '#view=buffers&embed=1&c=Ihello&c=B&c=D&step=2');
            assert.equal(await stepLabel(embedded), 'step 2 of 3: B');
            assert.deepEqual(await embedded.evaluate(() => [...document.querySelectorAll('header.chrome, .help, .note')]
                .map((e) => e.offsetHeight)), [0, 0, 0]);
            assert.deepEqual(await violations(embedded), [], 'the buffers embedded');
            await screenshot(embedded, 'embed-buffers');
            // A fragment changed in the open page: a good one is opened, the page around it back;
            // a bad one is said, and what is shown stays.
            await embedded.evaluate(() => { location.hash = '#view=buffers&c=Ix'; });
            await embedded.waitFor(() => document.getElementById('step-label').textContent === 'step 1 of 1: Ix');
            assert.ok(await embedded.evaluate(() => document.querySelector('header.chrome').offsetHeight > 0));
            await embedded.evaluate(() => { location.hash = '#view=buffers&step=x'; });
            await embedded.waitFor(() => !document.getElementById('fragment-error').hidden);
            assert.equal(await stepLabel(embedded), 'step 1 of 1: Ix');
            // A state past a link's bounds gets no link, rather than one the page would refuse.
            const move = `F${'f'.repeat(249)}`;
            const full = await open(browser, server.url, `#${new URLSearchParams(Array(258).fill(['c', move]))}`);
            assert.equal(await stepLabel(full), `step 258 of 258: ${move}`);
            for (let i = 0; i < 2; i++) await enter(full, move);
            await full.click('#copy-link');
            assert.equal(await full.evaluate(() => document.getElementById('link-status').textContent),
                'no link for this state: the link\'s fragment is longer than 65536 characters');
            // A command that looks like markup is a command: its characters, as text.
            const page = await open(browser, server.url, `#c=${encodeURIComponent('I<img src=x onerror=alert(1)>')}`);
            assert.equal(await page.evaluate(() => document.querySelectorAll('img').length), 0);
            assert.equal((await panes(page))[0].cells, '<img src=x onerror=alert(1)>'.length);
            assert.deepEqual(page.errors, []);
        } finally {
            await browser.close();
            await server.close();
        }
    });
}
