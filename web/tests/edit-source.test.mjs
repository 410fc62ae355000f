// Editing a deliverable in the page, opened from disk in Chromium: three changes, each opened
// into its file through the Lab's "Open file", built in the page and run as the finished module
// runs, print what the native build of the same edited copy of the tree prints; their patches
// apply to the tree with git apply; an edit that does not compile leaves the finished module in
// use, one that loops and one that exhausts memory are stopped and say so.
import test from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { spawnSync } from 'node:child_process';
import { launch, open, fileUrl, screenshot, runNative, sampleText, site, source, violations } from './browser.mjs';
import { buildEdited } from './edited-native.mjs';

const read = (file) => fs.readFileSync(path.join(source, file), 'utf8');
function change(file, from, to) {
    assert.ok(read(file).includes(from), `${file} has no ${from}`);
    return read(file).replace(from, to);
}

const STACK = sampleText('lists/samples/stack.txt');
const SCRIPT = sampleText('buffers/samples/edit.txt');
// Each change, and how the native build runs what the page runs: a program on its settings (with
// its drawings for intstack), a buffer module as bufdemo on the commands typed.
const CHANGES = [
    { name: 'hashprobe', file: 'hashing/hash.cpp', text: change('hashing/hash.cpp', 'return key % TableSize;', 'return (key * 7) % TableSize;'),
        native: 'hashprobe', run: { files: { 'data.txt': sampleText('hashing/samples/data.txt') } } },
    { name: 'intstack', file: 'lists/stack.cpp', text: change('lists/stack.cpp', 'GrowthStep = 10', 'GrowthStep = 3'), inside: true,
        native: 'intstack', run: { files: { 'data.txt': STACK }, args: ['-i', '-j', 'view.json'] } },
    { name: 'gridrow', file: 'buffers/gridrow.cpp', text: change('buffers/gridrow.cpp', 'buffer->text[i]);', 'buffer->text[buffer->length - 1 - i]);'),
        native: 'bufdemo-gridrow', run: { stdin: SCRIPT } },
];

// Edits that must not take the page down, on hashprobe and intstack, and what the page says.
const lines = (file) => read(file).split('\n');
const BAD = [
    { name: 'hashprobe', file: 'hashing/hash.cpp', text: lines('hashing/hash.cpp').map((l, i) => (i === 8 ? 'int broken = ;' : l)).join('\n'),
        compiles: false, line: 9 },
    { name: 'hashprobe', file: 'hashing/hash.cpp', text: change('hashing/hash.cpp', 'return key % TableSize;',
        'static volatile int spin = 0;\n    for (;;) spin = spin + 1;'), fault: /^stopped by the page: still running after 5 seconds/ },
    { name: 'intstack', file: 'lists/stack.cpp', text: change('lists/stack.cpp', '    int newLen = oldLen + GrowthStep;',
        // Each block held from a global, so that the compiler cannot leave the allocations out.
        '    int newLen = oldLen + GrowthStep;\n    static void *held = nullptr;\n    for (;;) {\n' +
        '        void **block = static_cast<void **>(malloc(1 << 20));\n        if (block == nullptr) outOfMemory("growing the stack");\n' +
        '        *block = held;\n        held = block;\n    }'),
    fault: /^exit status 1, out of memory: the run's memory grew to 5\d\d of the 512 MB it may have$/, stderr: 'intstack: out of memory growing the stack\n' },
];

const status = (page) => page.evaluate(() => document.getElementById('edit-status').textContent);
const runs = (page) => page.evaluate(() => Number(document.getElementById('output')?.dataset.runs || 0));

// The deliverable's sources in the Lab, from its own "Edit source", with `text` opened into file.
async function openEdit(page, { name, file, text }) {
    const programs = !['gridrow', 'pilerow', 'chainrow', 'chunkrow'].includes(name);
    await page.page.getByRole('button', { name: programs ? 'Programs' : 'Buffers', exact: true }).click();
    if (programs) {
        await page.click(`.program-list [data-name="${name}"]`);
        await page.click('#program .edit-button');
    } else {
        await page.click(`.pane[data-module="${name}"] .edit-button`);
    }
    await page.waitFor((n) => document.getElementById('edit')?.dataset.ready === 'yes' &&
        document.getElementById('edit-name').textContent === n, name, 60000);
    await page.click(`#edit .file-tab[data-file="${file}"]`);
    await page.page.setInputFiles('#edit-open', { name: path.basename(file), mimeType: 'text/plain', buffer: Buffer.from(text) });
    await page.waitFor(() => document.getElementById('edit-status').textContent.startsWith('Opened'));
}

async function build(page) {
    await page.click('#edit-build');
    await page.waitFor(() => /^(Built|Does not|Something)/.test(document.getElementById('edit-status').textContent) &&
        !document.getElementById('edit-build').hasAttribute('aria-disabled'), undefined, 120000);
    return status(page);
}

// Run: the programs view's run of the rebuilt program; its transcript by stream, and its status.
async function run(page) {
    const before = await runs(page);
    await page.click('#edit-run');
    await page.waitFor((n) => Number(document.getElementById('output')?.dataset.runs) > n, before, 30000);
    return page.evaluate(() => ({
        out: [...document.querySelectorAll('.terminal .out')].map((s) => s.textContent).join(''),
        err: [...document.querySelectorAll('.terminal .err')].map((s) => s.textContent).join(''),
        status: document.querySelector('#output .status').dataset.status,
        fault: document.querySelector('#output .status').textContent,
        drawings: document.querySelector('.inside .v-picture')?.getAttribute('aria-label') || '',
    }));
}

async function typeCommands(page, commands) {
    for (const command of commands) {
        const before = Number(await page.evaluate(() => document.body.dataset.paints));
        await page.fill('#command', command);
        await page.press('#command', 'Enter');
        await page.waitFor((n) => Number(document.body.dataset.paints) > n, before, 30000);
    }
}

// The patch downloaded, applied with git apply to a copy of the tree's file alone.
async function checkPatch(page, { file, text }) {
    const [saved] = await Promise.all([page.page.waitForEvent('download'), page.click('#edit-patch')]);
    const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'wb-patch-'));
    fs.mkdirSync(path.join(dir, path.dirname(file)), { recursive: true });
    fs.writeFileSync(path.join(dir, file), read(file));
    try {
        for (const args of [['apply', '--check'], ['apply']]) {
            const done = spawnSync('git', [...args, await saved.path()], { cwd: dir, encoding: 'utf8' });
            assert.equal(done.status, 0, `git ${args.join(' ')}: ${done.stderr}`);
        }
        assert.equal(fs.readFileSync(path.join(dir, file), 'utf8'), text, `${file} as patched`);
    } finally {
        fs.rmSync(dir, { recursive: true, force: true });
    }
}

// A site built without the compiler (--compiler no, as the Debian package's is) cannot build.
const withCompiler = fs.existsSync(path.join(site, 'lab', 'compiler-0.js'));
const noCompiler = !withCompiler && 'this site was built without the Lab\'s compiler';

test('chromium: edits built in the page print what their native builds print', { skip: noCompiler }, async () => {
    const native = buildEdited(CHANGES, CHANGES.map((c) => c.native));
    const browser = await launch('chromium');
    try {
        const page = await open(browser, fileUrl(), '', 1360);
        for (const edit of CHANGES) {
            const expected = runNative(edit.native, { ...edit.run, bin: native.bin });
            if (edit.inside) {
                await page.page.getByRole('button', { name: 'Programs', exact: true }).click();
                await page.click(`.program-list [data-name="${edit.name}"]`);
                await page.check('.inside-toggle input');
            }
            await openEdit(page, edit);
            assert.match(await build(page), new RegExp(`^Built ${edit.name} in `));
            await checkPatch(page, edit);
            if (edit.native === edit.name) {
                const seen = await run(page);
                assert.deepEqual({ out: seen.out, err: seen.err, status: seen.status },
                    { out: expected.stdout, err: expected.stderr, status: String(expected.status) }, edit.name);
                assert.ok(await page.evaluate((n) => !!document.querySelector(`.program-list [data-name="${n}"] .edited`), edit.name));
                if (edit.inside) {
                    const drawn = expected.files['view.json'].trim().split('\n').length;
                    assert.match(seen.drawings, new RegExp(`^drawing ${drawn} of ${drawn}:`));
                }
                continue;
            }
            await page.click('#edit-run');
            await typeCommands(page, SCRIPT.split('\n').filter((l) => l !== '' && !l.startsWith('Q')));
            const blocks = (stdout) => stdout.split(/^(?=> )/m).filter((b) => b.startsWith('> '));
            const panes = await page.evaluate((n) => ({
                edited: document.querySelector(`.pane[data-added="${n}"] .display`).textContent,
                title: document.querySelector(`.pane[data-added="${n}"] h2`).textContent,
                reference: document.querySelector(`.pane[data-module="${n}"] .display`).textContent,
            }), edit.name);
            assert.equal(panes.edited, blocks(expected.stdout).at(-1));
            assert.equal(panes.reference, blocks(runNative(edit.native, edit.run).stdout).at(-1));
            assert.notEqual(panes.edited, panes.reference);
            assert.equal(panes.title, `${edit.name} (edited)`);
        }
        await screenshot(page, 'edit-source-buffers');
        assert.deepEqual(await violations(page), []);
        assert.deepEqual(page.errors, []);
    } finally {
        await browser.close();
        native.remove();
    }
});

test('chromium: an edit that does not compile, loops or exhausts memory leaves the page working', { skip: noCompiler }, async () => {
    const browser = await launch('chromium');
    try {
        const page = await open(browser, fileUrl(), '', 1360);
        for (const edit of BAD) {
            await openEdit(page, edit);
            const said = await build(page);
            if (edit.compiles === false) {
                assert.equal(said, `Does not compile: 1 error; the finished ${edit.name} stays in use`);
                assert.match(await page.evaluate(() => document.querySelector('#edit-diagnostics button').textContent),
                    new RegExp(`^line ${edit.line}, column \\d+: error: `));
                await page.click('#edit-diagnostics button');
                assert.equal(await page.evaluate(() => document.querySelector('#edit .cm-activeLine').textContent), 'int broken = ;');
                assert.equal(await page.evaluate(() => document.querySelectorAll('#edit .cm-lintRange-error').length), 1);
                await screenshot(page, 'edit-source-error');
                // The programs view runs the finished module, unmarked.
                await page.page.getByRole('button', { name: 'Programs', exact: true }).click();
                assert.equal(await page.evaluate((n) => document.querySelector(`.program-list [data-name="${n}"] .edited`), edit.name), null);
                const before = await runs(page);
                await page.click('#program .run');
                await page.waitFor((n) => Number(document.getElementById('output').dataset.runs) > n, before);
                const out = await page.evaluate(() => [...document.querySelectorAll('.terminal .out')].map((s) => s.textContent).join(''));
                assert.equal(out, runNative(edit.name, { files: { 'data.txt': sampleText('hashing/samples/data.txt') } }).stdout);
                continue;
            }
            assert.match(said, /^Built /);
            const seen = await run(page);
            assert.match(seen.fault, edit.fault);
            if (edit.stderr) assert.equal(seen.err, edit.stderr);
            // The page went on meanwhile: the buffers view still takes a command.
            await page.page.getByRole('button', { name: 'Buffers', exact: true }).click();
            await typeCommands(page, ['Iok']);
            assert.ok((await page.evaluate(() => document.querySelector('.pane .display').textContent)).includes('o k'));
        }
        // The last edit outlives a reload; Reset brings back the tree's text and the finished module.
        assert.ok(await page.evaluate(() => document.querySelector('.program-list [data-name="intstack"] .edited')));
        await page.page.reload();
        await page.waitFor(() => document.body.dataset.ready === 'yes');
        await page.page.getByRole('button', { name: 'Programs', exact: true }).click();
        await page.click('.program-list [data-name="intstack"]');
        await page.click('#program .edit-button');
        await page.waitFor(() => document.getElementById('edit')?.dataset.ready === 'yes', undefined, 60000);
        assert.match(await status(page), /^Your edit of intstack, kept from before/);
        assert.ok(await page.evaluate(() => document.querySelector('#edit .file-tab.changed[data-file="lists/stack.cpp"]')));
        await page.click('#edit .file-tab[data-file="lists/stack.cpp"]');
        await page.click('#edit-build');
        await page.waitFor(() => document.querySelector('.program-list [data-name="intstack"] .edited'), undefined, 60000);
        await page.click('#edit-reset');
        assert.equal(await page.evaluate(() => document.querySelector('#edit .cm-content').textContent.includes('held')), false);
        assert.equal(await page.evaluate(() => localStorage.getItem('workbench.lab.edit.intstack.lists/stack.cpp')), null);
        assert.equal(await page.evaluate(() => document.querySelector('.program-list [data-name="intstack"] .edited')), null);
        assert.deepEqual(page.errors, []);
    } finally {
        await browser.close();
    }
});
