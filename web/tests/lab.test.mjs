// The Lab, opened from disk in Chromium: its script comes only with its tab, the editor starts
// from the skeleton the header makes, the text outlives a reload, a file from disk replaces it
// (undo brings it back), the download and the reset, a build's errors reach their lines, a check
// lists its cases, the keyboard gets out of the editor, axe-core's WCAG checks, a phone's width.
import test from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { launch, fileUrl, screenshot, violations, pageWidth, source } from './browser.mjs';
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

const editorText = (page) => page.$$eval('.cm-content .cm-line', (lines) => lines.map((l) => l.textContent).join('\n'));
const status = (page) => page.evaluate(() => document.getElementById('lab-status').textContent);

test('chromium: the Lab\'s editor, its work kept, its build and check', async () => {
    const browser = await launch('chromium');
    try {
        const page = await openPage(browser);
        assert.equal(await page.evaluate(() => 'wbLab' in window), false, 'lab.js before the Lab is opened');
        await openLab(page);
        assert.equal(await editorText(page), skeleton('buffer'));
        assert.equal(await page.evaluate(() => document.querySelector('.cm-content').getAttribute('aria-label')), 'source');
        const [saved] = await Promise.all([page.page.waitForEvent('download'), page.click('#lab-download')]);
        assert.equal(saved.suggestedFilename(), 'buffer.c');
        assert.equal(fs.readFileSync(await saved.path(), 'utf8'), skeleton('buffer'));

        await page.page.selectOption('#lab-interface', 'set');
        assert.equal(await editorText(page), skeleton('set'));

        // Typed at the end, then the page reloaded before the save's pause is over.
        await page.page.click('.cm-content');
        await page.page.keyboard.press('Control+End');
        await page.page.keyboard.type('/* mine */');
        await page.page.reload();
        await page.waitFor(() => document.body.dataset.ready === 'yes');
        await openLab(page);
        assert.equal(await page.evaluate(() => document.getElementById('lab-interface').value), 'set');
        assert.equal(await editorText(page), `${skeleton('set')}/* mine */`);

        const opened = '#include "sets/set.h"\n#error not yet\nint x;\n';
        await page.page.setInputFiles('#lab-open', { name: 'myset.c', mimeType: 'text/x-c', buffer: Buffer.from(opened) });
        await page.waitFor((t) => document.querySelector('.cm-content').textContent.includes(t), 'not yet');
        assert.equal(await editorText(page), opened);
        assert.equal(await page.evaluate(() => document.getElementById('lab-file').textContent), 'myset.c');

        // The stand-in backend fails at "#error": the message lists its line and leads to it.
        await page.click('#lab-build');
        await page.waitFor(() => document.getElementById('lab-status').textContent.startsWith('Does not compile'));
        assert.equal(await status(page), 'Does not compile: 1 error');
        assert.equal(await page.evaluate(() => document.querySelectorAll('.cm-lintRange-error').length), 1);
        await page.click('#lab-diagnostics button');
        assert.equal(await page.evaluate(() => document.activeElement.closest('.cm-editor') !== null), true);
        assert.equal(await page.evaluate(() => document.querySelector('.cm-activeLine').textContent), '#error not yet');

        // Undo takes the opened file back out.
        await page.page.keyboard.press('Control+z');
        assert.equal(await editorText(page), `${skeleton('set')}/* mine */`);

        await page.page.selectOption('#lab-interface', 'buffer');
        await page.click('#lab-check');
        await page.waitFor(() => document.getElementById('lab-status').textContent.startsWith('Passed'));
        assert.equal(await status(page), 'Passed 1 of 2 cases: 1 of 3 points');
        assert.deepEqual(await page.$$eval('#lab-results .case', (rows) => rows.map((r) => r.className)), ['case passed', 'case failed']);
        await page.click('#lab-results details summary');
        assert.equal(await page.evaluate(() => document.querySelector('#lab-results mark').textContent), 'B\n');

        // Escape, then Tab, leaves the editor for the next control.
        await page.page.click('.cm-content');
        await page.page.keyboard.press('Tab');
        assert.equal(await page.evaluate(() => document.activeElement.classList.contains('cm-content')), true, 'Tab indents');
        await page.page.keyboard.press('Escape');
        await page.page.keyboard.press('Tab');
        assert.equal(await page.evaluate(() => document.activeElement.closest('.cm-editor')), null, 'Escape, Tab moves on');

        await page.click('#lab-reset');
        assert.equal(await editorText(page), skeleton('buffer'));

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
