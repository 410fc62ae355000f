// The programs page opened from disk (file://, no server), in each browser: a program on its
// sample and a dialogue, both against the native programs; its link and its embedded form;
// axe-core's WCAG checks on each.
import test from 'node:test';
import assert from 'node:assert/strict';
import { BROWSERS, launch, open, fileUrl, screenshot, sampleText, runNative, violations } from './browser.mjs';

async function choose(page, name) {
    await page.click(`.program-list [data-name="${name}"]`);
    await page.waitFor((n) => document.querySelector('.program h2')?.textContent === n, name);
}

async function runs(page) {
    return Number(await page.evaluate(() => document.getElementById('output').dataset.runs || 0));
}

async function waitForRun(page, before) {
    await page.waitFor((n) => Number(document.getElementById('output').dataset.runs) > n, before);
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

// Opened from a link: the program's state as the link names it, run where it had run.
const fragment = (pairs) => `#${new URLSearchParams(pairs)}`;
const CUT = sampleText('records/samples/students-cut.txt');
const LINKS = [
    ['palindrome', fragment([['view', 'programs'], ['program', 'palindrome'], ['args', 'rotor'], ['run', '1']]), { args: ['rotor'] }],
    ['roster', fragment([['view', 'programs'], ['program', 'roster'], ['args', 's.txt'], ['files', '1'], ['f.s.txt', CUT], ['run', '1']]),
        { args: ['s.txt'], files: { 's.txt': CUT } }],
    ['pairs', fragment([['view', 'programs'], ['embed', '1'], ['program', 'pairs'], ['stdin', '3 4\n5 6\n'], ['run', '1']]),
        { stdin: '3 4\n5 6\n' }],
];

for (const kind of BROWSERS) {
    test(`${kind}: intstack on its sample data.txt: stdout, stderr and status as native`, async () => {
        const native = runNative('intstack', { files: { 'data.txt': sampleText('lists/samples/stack.txt') } });
        const browser = await launch(kind);
        try {
            const page = await open(browser, fileUrl(), '#programs');
            await choose(page, 'intstack');
            const before = await runs(page);
            await page.click('.run');
            await waitForRun(page, before);
            const seen = await transcript(page);
            assert.equal(seen.out, native.stdout);
            assert.equal(seen.err, native.stderr);
            assert.equal(seen.status, String(native.status));
            assert.equal(await page.evaluate(() => document.getElementById('announce').textContent),
                `intstack: exit status ${native.status}`);
            await screenshot(page, 'programs-intstack');
            assert.deepEqual(await violations(page), [], 'a program after its run');
            await page.click('.manual-button');
            assert.deepEqual(await violations(page), [], 'its manual page');
            assert.deepEqual(page.errors, []);
        } finally {
            await browser.close();
        }
    });

    test(`${kind}: the tree shell typed line by line: each line echoed where it was read`, async () => {
        const script = sampleText('trees/samples/commands.txt');
        const lines = script.split('\n').slice(0, -1);
        const native = runNative('driver', { stdin: script });
        const browser = await launch(kind);
        try {
            const page = await open(browser, fileUrl(), '#programs');
            await choose(page, 'driver');
            await page.waitForSelector('.status[data-status="waiting"]');
            assert.deepEqual(await violations(page), [], 'a dialogue waiting for its first line');
            for (const line of lines) {
                const before = await runs(page);
                await page.fill('#output .line', line);
                await page.press('#output .line', 'Enter');
                await waitForRun(page, before);
            }
            const seen = await transcript(page);
            assert.deepEqual(seen.echo, lines.map((l) => `${l}\n`));
            assert.equal(seen.out, native.stdout);
            assert.equal(seen.status, String(native.status));
            // The shell prompts with "*": each typed line shows after the prompt that asked for it.
            for (const [i, text] of seen.beforeEcho.entries()) assert.ok(text.endsWith('*'), `line ${i + 1} follows a prompt`);
            await screenshot(page, 'programs-driver');
            // The link replays the lines typed: the same transcript in a fresh page.
            const link = await page.evaluate(() => location.hash);
            const again = await open(browser, fileUrl(), link);
            await again.waitForSelector('#output .status');
            assert.deepEqual(await transcript(again), seen);
        } finally {
            await browser.close();
        }
    });

    test(`${kind}: a link opens a program's arguments, files and input, embedded or not`, async () => {
        const browser = await launch(kind);
        try {
            for (const [name, fragment, run] of LINKS) {
                const native = runNative(name, run);
                const page = await open(browser, fileUrl(), fragment);
                await page.waitForSelector('#output .status');
                const seen = await transcript(page);
                assert.equal(seen.out, native.stdout, name);
                assert.equal(seen.err, native.stderr, name);
                assert.equal(seen.status, String(native.status), name);
                const chrome = await page.evaluate(() => [...document.querySelectorAll('header.chrome, .program-list')]
                    .map((e) => e.offsetHeight > 0));
                assert.deepEqual(chrome, fragment.includes('embed=1') ? [false, false] : [true, true], `${name}: page chrome`);
                // What the page writes back is the link it was opened with.
                assert.equal(await page.evaluate(() => location.hash), fragment, name);
                if (fragment.includes('embed=1')) {
                    await screenshot(page, `embed-${name}`);
                    assert.deepEqual(await violations(page), [], `${name} embedded`);
                }
                await page.page.close();
            }
        } finally {
            await browser.close();
        }
    });
}
