// The programs page opened from disk (file://, no server): a program on its sample and a dialogue,
// both against the native programs.
import test from 'node:test';
import assert from 'node:assert/strict';
import { launch, open, fileUrl, screenshot, sampleText, runNative } from './browser.mjs';

async function choose(page, name) {
    await page.click(`.program-list [data-name="${name}"]`);
    await page.waitForSelector(`.program h2:text-is("${name}")`);
}

async function runs(page) {
    return Number(await page.evaluate(() => document.getElementById('output').dataset.runs || 0));
}

// The transcript as the learner sees it, by stream.
async function transcript(page) {
    return page.$$eval('.terminal span', (spans) => {
        const by = { out: '', err: '', echo: [] };
        const beforeEcho = [];
        let sofar = '';
        for (const s of spans) {
            if (s.className === 'echo') {
                by.echo.push(s.textContent);
                beforeEcho.push(sofar);
            } else if (s.className === 'out' || s.className === 'err') by[s.className] += s.textContent;
            if (s.className !== 'mark') sofar += s.textContent;
        }
        const status = document.querySelector('#output .status').dataset.status;
        return { ...by, beforeEcho, status };
    });
}

test('intstack on its sample data.txt: stdout, stderr and status as native', async () => {
    const native = runNative('intstack', { files: { 'data.txt': sampleText('lists/samples/stack.txt') } });
    const browser = await launch();
    try {
        const page = await open(browser, fileUrl(), '#programs');
        await choose(page, 'intstack');
        const before = await runs(page);
        await page.click('.run');
        await page.waitForFunction((n) => Number(document.getElementById('output').dataset.runs) > n, before);
        const seen = await transcript(page);
        assert.equal(seen.out, native.stdout);
        assert.equal(seen.err, native.stderr);
        assert.equal(seen.status, String(native.status));
        await screenshot(page, 'programs-intstack');
        assert.deepEqual(page.errors, []);
    } finally {
        await browser.close();
    }
});

test('the tree shell typed line by line: each line echoed where it was read', async () => {
    const script = sampleText('trees/samples/commands.txt');
    const lines = script.split('\n').slice(0, -1);
    const native = runNative('driver', { stdin: script });
    const browser = await launch();
    try {
        const page = await open(browser, fileUrl(), '#programs');
        await choose(page, 'driver');
        await page.waitForSelector('.status[data-status="waiting"]');
        for (const line of lines) {
            const before = await runs(page);
            await page.fill('#output .line', line);
            await page.press('#output .line', 'Enter');
            await page.waitForFunction((n) => Number(document.getElementById('output').dataset.runs) > n, before);
        }
        const seen = await transcript(page);
        assert.deepEqual(seen.echo, lines.map((l) => `${l}\n`));
        assert.equal(seen.out, native.stdout);
        assert.equal(seen.status, String(native.status));
        // The shell prompts with "*": each typed line shows after the prompt that asked for it.
        for (const [i, text] of seen.beforeEcho.entries()) assert.ok(text.endsWith('*'), `line ${i + 1} follows a prompt`);
        await screenshot(page, 'programs-driver');
    } finally {
        await browser.close();
    }
});
