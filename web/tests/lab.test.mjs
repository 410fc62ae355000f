// The Lab, opened from disk in Chromium: its script comes only with its tab, the editor starts
// from the skeleton the header makes, the text outlives a reload, a file from disk replaces it
// (undo brings it back), the download and the reset, a build's errors reach their lines, a check
// lists its cases, the keyboard gets out of the editor, axe-core's WCAG checks, a phone's width.
import test from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import os from 'node:os';
import { launch, fileUrl, screenshot, violations, pageWidth, source, site } from './browser.mjs';
import { INTERFACES, SUPPORT_HEADER } from '../page/lab/interfaces.js';
import { makeSkeleton, supportTypedefs } from '../page/lab/skeleton.js';

const read = (file) => fs.readFileSync(path.join(source, file), 'utf8');
const support = supportTypedefs(read(SUPPORT_HEADER));
const skeleton = (name) => makeSkeleton(name, INTERFACES.find((i) => i.name === name).header,
    read(INTERFACES.find((i) => i.name === name).header), support);

// Tall enough that CodeMirror draws every line of a skeleton.
async function openPage(browser, width = 1360, height = 2400) {
    const page = await browser.newPage(width, height);
    await page.goto(fileUrl());
    await page.waitFor(() => document.body.dataset.ready);
    assert.equal(await page.evaluate(() => document.body.dataset.ready), 'yes', page.errors.join('; '));
    return page;
}

async function openLab(page) {
    if (await page.evaluate(() => document.getElementById('lab').hidden)) await page.page.getByRole('button', { name: 'Lab', exact: true }).click();
    await page.waitFor(() => document.getElementById('lab').dataset.ready === 'yes');
}

// The gap buffer and the faults planted in it, each a change (as sed would make it) and what the
// check must say: its status and, for the first failing case, its name and summary. The planted
// fault's whole report is the one the command gives (tests/install/example/planted_expected.txt).
const gapbuf = read('examples/gapbuf/gapbuf.c');
const planted = read('tests/install/example/planted_expected.txt');
const FAULTS = [
    { name: 'gapbuf.c', change: [], status: 'Passed 23 of 23 cases: 23 of 23 points' },
    { name: 'planted.c', change: ['if (buffer->gapEnd < buffer->size) {', 'if (buffer->gapEnd < buffer->size - 1) {'],
        status: 'Passed 20 of 23 cases: 20 of 23 points', first: planted.split('\n')[0].replace(/^FAIL /, ''), report: planted },
    { name: 'leak.c', change: ['    FreeBlock(buffer->chars);\n', ''], first: /^[a-z ,]+: memory error: leak at the end of input$/,
        details: 'memory error: leak: 1 block of 16 bytes in all still held after FreeBuffer' },
    { name: 'twice.c', change: ['    FreeBlock(buffer);\n', '    FreeBlock(buffer);\n    FreeBlock(buffer);\n'],
        first: /^[a-z ,]+: memory error: double free at the end of input$/, details: 'memory error: double free: FreeBlock(0x' },
    { name: 'main.c', change: ['#define INITIAL_SIZE 16\n', '#define INITIAL_SIZE 16\nint main(int argc, char **argv) { return argc; }\n'],
        status: 'Does not compile: 1 error', message: /^error: the module defines main: a module has none/ },
    { name: 'loop.c', change: ['    buffer->gapEnd = buffer->size;\n', '    buffer->gapEnd = buffer->size;\n    for (;;) {\n    }\n'],
        first: /^[a-z ]+: timed out after 2 seconds in line \d+$/, details: '[still running after' },
];

function plant({ change }) {
    if (change.length === 0) return gapbuf;
    assert.ok(gapbuf.includes(change[0]), `not planted: ${change[0]}`);
    return gapbuf.replace(change[0], change[1]);
}

// Each file opened through the chooser and checked: the status, and the first failing case.
async function checkLab(page) {
    for (const fault of FAULTS) {
        await page.page.setInputFiles('#lab-open', { name: fault.name, mimeType: 'text/x-c', buffer: Buffer.from(plant(fault)) });
        await page.waitFor((name) => document.getElementById('lab-file').textContent === name, fault.name);
        await page.click('#lab-check');
        await page.waitFor(() => /^(Passed|Does not compile)/.test(document.getElementById('lab-status').textContent), undefined, 120000);
        if (fault.status) assert.equal(await status(page), fault.status, fault.name);
        if (fault.message) assert.match(await page.evaluate(() => document.getElementById('lab-diagnostics').textContent), fault.message);
        if (!fault.first) continue;
        const failed = await page.$$eval('#lab-results .case.failed', (rows) => rows.map((r) => ({
            head: `${r.querySelector('.case-name').textContent}: ${r.querySelector('summary').textContent}`,
            details: r.querySelector('.case-details').textContent })));
        assert.ok(failed.length > 0, fault.name);
        if (typeof fault.first === 'string') assert.equal(failed[0].head, fault.first);
        else assert.match(failed[0].head, fault.first);
        if (fault.report) assert.equal(`FAIL ${failed[0].head}\n${failed[0].details}`, fault.report);
        if (fault.details) assert.ok(failed[0].details.includes(fault.details), failed[0].details);
        if (fault.report) {
            // Opened in the buffers view: the cut-down script stepped to the command that differs,
            // the learner's pane printing what the report's Actual shows, the others the expected.
            await page.click('#lab-results .case.failed button');
            await page.waitFor(() => document.querySelector('.pane[data-module="yours"] .display')?.textContent.startsWith('>'));
            assert.equal(await page.evaluate(() => document.getElementById('step-label').textContent), 'step 3 of 3: F');
            const shown = await page.$$eval('.pane', (panes) => Object.fromEntries(panes.map((p) => [p.dataset.module, p.querySelector('.display').textContent])));
            const [expected, actual] = fault.report.split(/After the last command, expected:\n|Actual:\n/).slice(1);
            assert.equal(shown.yours, actual);
            assert.equal(shown.gridrow, expected);
            await screenshot(page, 'lab-failure-in-buffers');
            await openLab(page);
        }
        if (fault.name === 'loop.c') {
            // The page went on meanwhile: the buffers view still takes a command.
            await page.page.getByRole('button', { name: 'Buffers', exact: true }).click();
            await page.fill('#command', 'Iok');
            await page.press('#command', 'Enter');
            await page.waitFor(() => document.querySelector('.pane .display').textContent.includes('o k'));
            await openLab(page);
        }
    }
}

// The editor's text as drawn, once CodeMirror has drawn as much as expected (it draws lines as
// it gets to them).
async function editorText(page, expected) {
    const drawn = () => page.$$eval('.cm-content .cm-line', (lines) => lines.map((l) => l.textContent).join('\n'));
    if (expected !== undefined) {
        await page.waitFor((text) => [...document.querySelectorAll('.cm-content .cm-line')].map((l) => l.textContent).join('\n') === text,
            expected, 5000).catch(() => {});
    }
    return drawn();
}
const status = (page) => page.evaluate(() => document.getElementById('lab-status').textContent);

// A site built without the compiler (--compiler no, as the Debian package's is) can only say so.
const withCompiler = fs.existsSync(path.join(site, 'lab', 'compiler-0.js'));

test('chromium: the Lab\'s editor, its work kept, its build and check',
    { skip: !withCompiler && 'this site was built without the Lab\'s compiler' }, async () => {
    const browser = await launch('chromium');
    try {
        const page = await openPage(browser);
        assert.equal(await page.evaluate(() => 'wbLab' in window), false, 'lab.js before the Lab is opened');
        await openLab(page);
        assert.equal(await editorText(page, skeleton('buffer')), skeleton('buffer'));
        assert.equal(await page.evaluate(() => document.querySelector('.cm-content').getAttribute('aria-label')), 'source');
        const [saved] = await Promise.all([page.page.waitForEvent('download'), page.click('#lab-download')]);
        assert.equal(saved.suggestedFilename(), 'buffer.c');
        assert.equal(fs.readFileSync(await saved.path(), 'utf8'), skeleton('buffer'));

        await page.page.selectOption('#lab-interface', 'set');
        assert.equal(await editorText(page, skeleton('set')), skeleton('set'));

        // Typed at the end, then the page reloaded before the save's pause is over.
        await page.page.click('.cm-content');
        await page.page.keyboard.press('Control+End');
        await page.page.keyboard.type('/* mine */');
        await page.page.reload();
        await page.waitFor(() => document.body.dataset.ready === 'yes');
        await openLab(page);
        assert.equal(await page.evaluate(() => document.getElementById('lab-interface').value), 'set');
        assert.equal(await editorText(page, `${skeleton('set')}/* mine */`), `${skeleton('set')}/* mine */`);

        const opened = '#include "sets/set.h"\n#error not yet\nint x;\n';
        await page.page.setInputFiles('#lab-open', { name: 'myset.c', mimeType: 'text/x-c', buffer: Buffer.from(opened) });
        await page.waitFor((t) => document.querySelector('.cm-content').textContent.includes(t), 'not yet');
        assert.equal(await editorText(page, opened), opened);
        assert.equal(await page.evaluate(() => document.getElementById('lab-file').textContent), 'myset.c');

        // The compiler stops at "#error": the message lists its line and leads to it.
        await page.click('#lab-build');
        await page.waitFor(() => document.getElementById('lab-status').textContent.startsWith('Does not compile'));
        assert.equal(await status(page), 'Does not compile: 1 error');
        assert.equal(await page.evaluate(() => document.querySelectorAll('.cm-lintRange-error').length), 1);
        await page.click('#lab-diagnostics button');
        assert.equal(await page.evaluate(() => document.activeElement.closest('.cm-editor') !== null), true);
        assert.equal(await page.evaluate(() => document.querySelector('.cm-activeLine').textContent), '#error not yet');

        // Undo takes the opened file back out.
        await page.page.keyboard.press('Control+z');
        assert.equal(await editorText(page, `${skeleton('set')}/* mine */`), `${skeleton('set')}/* mine */`);

        await page.page.selectOption('#lab-interface', 'buffer');
        await checkLab(page);

        // Every other interface links and runs its own cases: its skeleton builds, and the check
        // counts the interface's cases (the command's: 16 for the scanner, 14 for the others).
        for (const [iface, cases] of [['scanner', 16], ['set', 14], ['dictionary', 14]]) {
            await page.page.selectOption('#lab-interface', iface);
            await page.click('#lab-reset');
            await page.click('#lab-check');
            await page.waitFor(() => /^(Passed|Does not compile)/.test(document.getElementById('lab-status').textContent), undefined, 120000);
            assert.match(await status(page), new RegExp(`^Passed \\d+ of ${cases} cases: \\d+ of ${cases} points$`), iface);
        }
        await page.page.selectOption('#lab-interface', 'buffer');
        // Escape, then Tab, leaves the editor for the next control.
        await page.page.click('.cm-content');
        await page.page.keyboard.press('Tab');
        assert.equal(await page.evaluate(() => document.activeElement.classList.contains('cm-content')), true, 'Tab indents');
        await page.page.keyboard.press('Escape');
        await page.page.keyboard.press('Tab');
        assert.equal(await page.evaluate(() => document.activeElement.closest('.cm-editor')), null, 'Escape, Tab moves on');

        await page.click('#lab-reset');
        assert.equal(await editorText(page, skeleton('buffer')), skeleton('buffer'));

        await screenshot(page, 'lab');
        assert.deepEqual(await violations(page), []);
        assert.deepEqual(page.errors, []);

        const phone = await openPage(browser, 360, 800);
        await openLab(phone);
        assert.ok(await pageWidth(phone) <= 360, 'nothing to scroll sideways at 360 pixels');
        await screenshot(phone, 'lab-phone');
        assert.deepEqual(await violations(phone), []);
    } finally {
        await browser.close();
    }
});

// A site built without the compiler (as the Debian package is: --compiler no) says where to get it.
test('chromium: the Lab without its compiler says where to get it', async () => {
    // Where the site has the compiler, a copy of it without.
    const copy = fs.mkdtempSync(path.join(os.tmpdir(), 'lab-site-'));
    fs.cpSync(site, copy, { recursive: true, filter: (file) => !/compiler-\d+\.js$/.test(file) });
    const lab = path.join(copy, 'lab', 'lab.js');
    const script = fs.readFileSync(lab, 'utf8');
    if (withCompiler) {
        assert.match(script, /compiler:\[\{[^\]]*\]/);
        fs.writeFileSync(lab, script.replace(/compiler:\[\{[^\]]*\]/, 'compiler:[]'));
    }
    const browser = await launch('chromium');
    try {
        const page = await browser.newPage(1360, 900);
        await page.goto(`file://${copy}/index.html`);
        await page.waitFor(() => document.body.dataset.ready);
        await openLab(page);
        await page.waitFor(() => /could not load/.test(document.getElementById('lab-status').textContent));
        assert.match(await status(page), /^The compiler could not load: This copy of the page has no compiler for the Lab: .*@yowasp\/clang.*workbench-web-/);
    } finally {
        await browser.close();
        fs.rmSync(copy, { recursive: true, force: true });
    }
});
