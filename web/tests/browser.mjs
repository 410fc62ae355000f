// What the browser tests and the benchmark share: Debian's chromium (playwright-core) and
// firefox-esr (puppeteer-core over WebDriver BiDi) behind one small page interface, the site served
// from a tiny loopback server or opened from disk, axe-core's checks, and the native programs to
// compare with.
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import { createRequire } from 'node:module';
import { pathToFileURL } from 'node:url';
import { spawnSync } from 'node:child_process';
import { chromium } from 'playwright-core';
import puppeteer from 'puppeteer-core';

export const site = path.resolve(process.env.WORKBENCH_SITE || 'build/web/site');
export const nativeBin = process.env.WORKBENCH_NATIVE_BIN && path.resolve(process.env.WORKBENCH_NATIVE_BIN);
export const screenshots = process.env.WORKBENCH_SCREENSHOTS && path.resolve(process.env.WORKBENCH_SCREENSHOTS);
export const source = path.resolve(path.dirname(new URL(import.meta.url).pathname), '..', '..');
// Modules built for the tests alone, beside the site (web/lab/CMakeLists.txt: a learner's module).
const testModules = path.resolve(process.env.WORKBENCH_TEST_MODULES || path.join(site, '..', 'wasm', 'test-modules'));
export function testModule(name) {
    return fs.readFileSync(path.join(testModules, `${name}.wasm`));
}

// The build's lists (web/wasm/CMakeLists.txt): programs, example clients, those that draw, buffer
// modules.
export const manifest = JSON.parse(fs.readFileSync(path.join(site, 'manifest.json'), 'utf8'));

// The browsers every test runs in; WORKBENCH_BROWSERS=chromium narrows them.
export const BROWSERS = (process.env.WORKBENCH_BROWSERS || 'chromium,firefox').split(',');

// reducedMotion: the system asks for less motion (prefers-reduced-motion: reduce).
const LAUNCH = {
    chromium: () => chromium.launch({
        executablePath: '/usr/bin/chromium',
        args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
            '--disable-background-networking', '--disable-component-update', '--disable-sync'],
    }),
    firefox: ({ reducedMotion }) => puppeteer.launch({
        browser: 'firefox', protocol: 'webDriverBiDi', executablePath: '/usr/bin/firefox-esr', headless: true,
        extraPrefsFirefox: reducedMotion ? { 'ui.prefersReducedMotion': 1 } : {},
    }),
};

// The calls the tests make, the same in both drivers.
class Page {
    constructor(kind, page) {
        this.kind = kind;
        this.page = page;
        this.errors = [];
        page.on('pageerror', (e) => this.errors.push(e.message));
    }
    goto(url) { return this.page.goto(url); }
    evaluate(fn, arg) { return this.page.evaluate(fn, arg); }
    $$eval(selector, fn, arg) { return this.page.$$eval(selector, fn, arg); }
    click(selector) { return this.page.click(selector); }
    waitFor(fn, arg, timeout = 30000) {
        return this.kind === 'chromium' ? this.page.waitForFunction(fn, arg, { timeout })
            : this.page.waitForFunction(fn, { timeout }, arg);
    }
    waitForSelector(selector) { return this.page.waitForSelector(selector); }
    // As typing would leave it, without a key event per character.
    fill(selector, value) {
        return this.page.evaluate(([s, v]) => {
            const e = document.querySelector(s);
            e.focus();
            e.value = v;
            e.dispatchEvent(new Event('input', { bubbles: true }));
        }, [selector, value]);
    }
    async press(selector, key) {
        if (selector) await this.page.focus(selector);
        await this.page.keyboard.press(key);
    }
    async check(selector) {
        if (!await this.page.evaluate((s) => document.querySelector(s).checked, selector)) await this.page.click(selector);
    }
    setViewport(width, height) {
        return this.kind === 'chromium' ? this.page.setViewportSize({ width, height }) : this.page.setViewport({ width, height });
    }
    screenshot(options) { return this.page.screenshot(options); }
    addScript(content) { return this.page.addScriptTag({ content }); }
}

export async function launch(kind = 'chromium', options = {}) {
    const browser = await LAUNCH[kind](options);
    return {
        kind,
        async newPage(width = 1360, height = 1000) {
            const page = new Page(kind, await (kind === 'chromium' && options.reducedMotion
                ? browser.newPage({ reducedMotion: 'reduce' }) : browser.newPage()));
            await page.setViewport(width, height);
            return page;
        },
        close: () => browser.close(),
    };
}

const TYPES = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm' };

// Serves the site's files as a static host would; resolves to { url, close }.
export function serve() {
    const server = http.createServer((request, response) => {
        const name = decodeURIComponent(new URL(request.url, 'http://x').pathname).replace(/^\/+/, '') || 'index.html';
        const file = path.join(site, name);
        if (!file.startsWith(site + path.sep) || !fs.existsSync(file)) {
            response.writeHead(404).end();
            return;
        }
        response.writeHead(200, { 'content-type': TYPES[path.extname(file)] || 'application/octet-stream' });
        response.end(fs.readFileSync(file));
    });
    return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve({
        url: `http://127.0.0.1:${server.address().port}/index.html`,
        close: () => new Promise((done) => server.close(done)),
    })));
}

export function fileUrl() {
    return pathToFileURL(path.join(site, 'index.html')).href;
}

// Opens the page and waits for it to have unpacked its data; any page error fails the test.
export async function open(browser, url, hash = '', width = 1360) {
    const page = await browser.newPage(width);
    await page.goto(url + hash);
    await page.waitFor(() => document.body.dataset.ready);
    const ready = await page.evaluate(() => document.body.dataset.ready);
    if (ready !== 'yes') throw new Error(`page failed to start: ${page.errors.join('; ')}`);
    return page;
}

export async function screenshot(page, name) {
    if (!screenshots) return;
    fs.mkdirSync(screenshots, { recursive: true });
    const suffix = page.kind === 'chromium' ? '' : `-${page.kind}`;
    await page.screenshot({ path: path.join(screenshots, `${name}${suffix}.png`), fullPage: true });
}

// axe-core's WCAG 2.2 A and AA rules on the page as it stands: each violation as "rule: target".
const AXE = fs.readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
export async function violations(page) {
    if (!await page.evaluate(() => 'axe' in window)) await page.addScript(AXE);
    return page.evaluate(async () => {
        const found = await window.axe.run(document, {
            runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa'] },
        });
        return found.violations.flatMap((v) => v.nodes.map((n) => `${v.id}: ${n.target.join(' ')}`));
    });
}

// The page is no wider than the window: nothing to scroll sideways.
export function pageWidth(page) {
    return page.evaluate(() => document.documentElement.scrollWidth);
}

export function sampleText(key) {
    return fs.readFileSync(path.join(source, key), 'utf8');
}

// A native program run the way the page runs its module: in a scratch dir holding the given files.
// bin: where the program is, when not the native build's (a build of an edited copy).
export function runNative(program, { args = [], stdin = '', files = {}, bin = nativeBin } = {}) {
    if (!bin) throw new Error('WORKBENCH_NATIVE_BIN is not set');
    const dir = fs.mkdtempSync(path.join(process.env.TMPDIR || '/tmp', 'wb-native-'));
    for (const [name, text] of Object.entries(files)) fs.writeFileSync(path.join(dir, name), text);
    const done = spawnSync(path.join(bin, program), args, { cwd: dir, input: stdin, encoding: 'utf8' });
    // The files in "." afterwards, such as what -j FILE wrote.
    const after = Object.fromEntries(fs.readdirSync(dir).map((name) => [name, fs.readFileSync(path.join(dir, name), 'utf8')]));
    fs.rmSync(dir, { recursive: true, force: true });
    if (done.error) throw done.error;
    return { stdout: done.stdout, stderr: done.stderr, status: done.status, files: after };
}
