// What the browser tests and the benchmark share: Chromium from Debian, the site served from a
// tiny loopback server or opened from disk, and the native programs to compare with.
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { spawnSync } from 'node:child_process';
import { chromium } from 'playwright-core';

export const site = path.resolve(process.env.WORKBENCH_SITE || 'build/web/site');
export const nativeBin = process.env.WORKBENCH_NATIVE_BIN && path.resolve(process.env.WORKBENCH_NATIVE_BIN);
export const screenshots = process.env.WORKBENCH_SCREENSHOTS && path.resolve(process.env.WORKBENCH_SCREENSHOTS);
export const source = path.resolve(path.dirname(new URL(import.meta.url).pathname), '..', '..');

export function launch() {
    return chromium.launch({
        executablePath: '/usr/bin/chromium',
        args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
            '--disable-background-networking', '--disable-component-update', '--disable-sync'],
    });
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
export async function open(browser, url, hash = '') {
    const page = await browser.newPage({ viewport: { width: 1360, height: 1000 } });
    const errors = [];
    page.on('pageerror', (e) => errors.push(e.message));
    await page.goto(url + hash);
    await page.waitForFunction(() => document.body.dataset.ready, null, { timeout: 20000 });
    const ready = await page.evaluate(() => document.body.dataset.ready);
    if (ready !== 'yes') throw new Error(`page failed to start: ${errors.join('; ')}`);
    page.errors = errors;
    return page;
}

export async function screenshot(page, name) {
    if (!screenshots) return;
    fs.mkdirSync(screenshots, { recursive: true });
    await page.screenshot({ path: path.join(screenshots, `${name}.png`), fullPage: true });
}

export function sampleText(key) {
    return fs.readFileSync(path.join(source, key), 'utf8');
}

// A native program run the way the page runs its module: in a scratch dir holding the given files.
export function runNative(program, { args = [], stdin = '', files = {} } = {}) {
    if (!nativeBin) throw new Error('WORKBENCH_NATIVE_BIN is not set');
    const dir = fs.mkdtempSync(path.join(process.env.TMPDIR || '/tmp', 'wb-native-'));
    for (const [name, text] of Object.entries(files)) fs.writeFileSync(path.join(dir, name), text);
    const done = spawnSync(path.join(nativeBin, program), args, { cwd: dir, input: stdin, encoding: 'utf8' });
    // The files in "." afterwards, such as what -j FILE wrote.
    const after = Object.fromEntries(fs.readdirSync(dir).map((name) => [name, fs.readFileSync(path.join(dir, name), 'utf8')]));
    fs.rmSync(dir, { recursive: true, force: true });
    if (done.error) throw done.error;
    return { stdout: done.stdout, stderr: done.stderr, status: done.status, files: after };
}
