// The Lab's backend: loads the compiler when the Lab first asks (lab-site.mjs's parts, as
// classic scripts: the page may be opened from file://), builds a learner's file in the
// compiler's worker, and checks the module in workers of the checker's, one case at a time each,
// ending a worker whose case passes the time limit.
//   createLabBackend() -> { load(onProgress), build(iface, name, source), check(iface, module, options),
//                           buildSteps(job), files() }
import { fromBase64, gunzip, unpack } from './pack.js';
import { parseDiagnostics } from './diagnostics.js';

/* global WB_LAB_PARTS, WB_COMPILE_WORKER, WB_CHECK_WORKER */

// A case's limits in the page: the command's memory limit (check/check.h), and a time limit
// shorter than its 5 seconds, since the page runs the cases two or four at a time, not all at
// once, and a learner waits for them.
export const LIMITS = { seconds: 2, megabytes: 512 };
// Workers checking at once.
const WORKERS = Math.max(1, Math.min(4, navigator.hardwareConcurrency || 2));
// Cutting a failure down may take this long beyond a case's limit before its uncut script stands.
const SHRINK_GRACE_SECONDS = 3;
// A case run again to find where it sticks is taken to be stuck in a line it has not left for so long.
const LOCATE_SECONDS = 0.5;

const parts = new Map();
globalThis.wbLabPart = (pack, index, count, text) => {
    if (!parts.has(pack)) parts.set(pack, []);
    parts.get(pack)[index] = fromBase64(text);
};

function loadScript(src) {
    return new Promise((resolve, reject) => {
        const script = document.createElement('script');
        script.src = src;
        script.onload = resolve;
        script.onerror = () => reject(new Error(`${src} could not be loaded`));
        document.head.append(script);
    });
}

function joined(chunks) {
    const bytes = new Uint8Array(chunks.reduce((n, c) => n + c.length, 0));
    let at = 0;
    for (const chunk of chunks) bytes.set(chunk, at), at += chunk.length;
    return bytes;
}

export function workerFrom(source) {
    return new Worker(URL.createObjectURL(new Blob([source], { type: 'text/javascript' })));
}

export const NO_COMPILER = 'This copy of the page has no compiler for the Lab: it was built without the npm package ' +
    '@yowasp/clang (a Debian package leaves it out). The site archive workbench-web-<version>.zip that the ' +
    'project releases carries it; or build the site from the source tree after npm ci --prefix web.';

export function createLabBackend(base = 'lab/') {
    let loading = null;
    const lab = { files: null, links: null, compiler: null, builds: new Map(), next: 0 };
    // The Lab's data comes before the compiler: what shows the tree's sources need not wait.
    let dataReady;
    const dataLoaded = new Promise((resolve) => { dataReady = resolve; });

    async function load(onProgress = () => {}) {
        const compilerParts = WB_LAB_PARTS.compiler;
        const total = [...WB_LAB_PARTS.data, ...compilerParts].reduce((n, p) => n + p.bytes, 0);
        let done = 0;
        onProgress(done, total);
        for (const part of WB_LAB_PARTS.data) {
            await loadScript(base + part.file);
            onProgress(done += part.bytes, total);
        }
        lab.files = unpack(await gunzip(joined(parts.get('lab-data'))));
        lab.links = JSON.parse(new TextDecoder().decode(lab.files.get('links.json')));
        dataReady();
        // Without the compiler the tree's sources still show, and their patches.
        if (compilerParts.length === 0) throw new Error(NO_COMPILER);
        for (const part of compilerParts) {
            await loadScript(base + part.file);
            onProgress(done += part.bytes, total);
        }
        const compiler = joined(parts.get('compiler'));
        parts.clear();
        lab.compiler = workerFrom(WB_COMPILE_WORKER);
        await new Promise((resolve, reject) => {
            lab.compiler.onmessage = ({ data }) => (data.ready ? resolve() : reject(new Error(data.failed)));
            lab.compiler.onerror = (e) => reject(new Error(e.message));
            const files = [...lab.files].filter(([name]) => name.startsWith('include/') || name.startsWith('lib/'));
            lab.compiler.postMessage({ compiler, lab: files }, [compiler.buffer]);
        });
        lab.compiler.onmessage = ({ data }) => {
            lab.builds.get(data.id)?.(data);
            lab.builds.delete(data.id);
        };
        // The compiler's worker failing (its memory exhausted) fails the builds waiting on it.
        lab.compiler.onerror = (e) => {
            e.preventDefault();
            for (const resolve of lab.builds.values()) resolve({ failed: `the compiler failed: ${e.message}` });
            lab.builds.clear();
        };
    }

    // Loads once; a load that failed (a part missing) is tried afresh when asked again.
    function loaded(onProgress) {
        loading ??= load(onProgress).catch((e) => {
            loading = null;
            throw e;
        });
        return loading;
    }

    // { ok, diagnostics, log, module }: the module compiled, or the messages that say why not.
    async function build(iface, name, source) {
        const reply = await compile({ name, source, link: lab.links[iface], megabytes: LIMITS.megabytes });
        const diagnostics = parseDiagnostics(reply.messages, name);
        const module = reply.wasm ? await WebAssembly.compile(reply.wasm) : null;
        return { ok: !!module, diagnostics, log: reply.messages, module };
    }

    // The compiler's answer to a job, once it is loaded.
    async function compile(job) {
        await loaded();
        const id = lab.next++;
        const reply = await new Promise((resolve) => {
            lab.builds.set(id, resolve);
            lab.compiler.postMessage({ id, ...job });
        });
        if (reply.failed) throw new Error(reply.failed);
        return reply;
    }

    // A deliverable built from its recipe's steps (edit/build.js): { ok, log, module }.
    async function buildSteps(job) {
        const reply = await compile(job);
        const module = reply.wasm ? await WebAssembly.compile(reply.wasm) : null;
        return { ok: !!module, log: reply.messages, module };
    }

    // Runs every case of the interface on module: { results, score, maxScore, passed, total },
    // each result as onCase is given it when it comes.
    async function check(iface, module, { onCase = () => {}, traits = { capacity: 0, reportsEnds: false }, seconds = LIMITS.seconds } = {}) {
        lab.labcheck ??= await WebAssembly.compile(lab.files.get('labcheck.wasm'));
        return new Promise((resolve, reject) => {
            const init = { labcheck: lab.labcheck, iface, traits, module, seconds, megabytes: LIMITS.megabytes };
            const results = [], slots = [];
            let cases = null, next = 0, busy = 0;
            const finish = () => {
                const score = results.reduce((n, r) => n + r.points, 0);
                const maxScore = cases.reduce((n, c) => n + c.maxPoints, 0);
                resolve({ results, score, maxScore, passed: results.filter((r) => r.verdict === 'passed').length, total: cases.length });
            };
            const done = (i, result) => {
                results[i] = result;
                onCase(result);
            };
            // One worker and what it is doing: mode 'case' (a case, since when, and the failure
            // cut to its line while it cuts further), 'locate' (a case that passed its limit, run
            // again to find the line it sticks in: the line reached, and when it was), or 'word'
            // (the time-out's words). `pending` is the first request after its start.
            const start = (pending = null) => {
                const slot = { worker: workerFrom(WB_CHECK_WORKER), mode: null, case: -1 };
                slot.worker.postMessage(init);
                // A fault of the checker's own, not of the module: the check stops and says so.
                slot.worker.onerror = (e) => {
                    e.preventDefault();
                    for (const each of slots) each.worker.terminate(), clearInterval(each.watch);
                    reject(new Error(`the checker failed: ${e.message}`));
                };
                slots.push(slot);
                const ask = (request, state) => {
                    Object.assign(slot, { since: performance.now(), prefix: null, ...state });
                    slot.worker.postMessage(request);
                };
                const give = () => {
                    if (pending?.locate !== undefined) ask(pending, { mode: 'locate', case: pending.locate, reached: -1, moved: performance.now(), elapsed: pending.elapsed });
                    else if (pending) ask(pending, { mode: 'word', case: pending.timedOut });
                    pending = null;
                    if (slot.mode !== null || cases === null) return;
                    if (next >= cases.length) {
                        slot.worker.terminate();
                        clearInterval(slot.watch);
                        if (--busy === 0) finish();
                        return;
                    }
                    ask({ cases: [next] }, { mode: 'case', case: next++ });
                };
                slot.worker.onmessage = ({ data }) => {
                    if (data.cases && cases === null) {
                        cases = data.cases;
                        for (let k = 1; k < WORKERS && k < cases.length; k++) busy++, start();
                    }
                    if (data.cases) give();
                    if (data.line !== undefined) Object.assign(slot, { reached: data.reached, moved: performance.now() });
                    if (data.prefix !== undefined) Object.assign(slot, { prefix: data.value, since: performance.now() });
                    // A case run to be located that ends after all (the machine was only slow):
                    // timed out where it ended.
                    if (data.located !== undefined) {
                        const { case: i, reached, elapsed } = slot;
                        ask({ timedOut: i, reached, elapsed }, { mode: 'word' });
                    }
                    if (data.result !== undefined) {
                        done(data.result, data.value);
                        slot.mode = null;
                        give();
                    }
                };
                // A case past its limit ends with its worker, and a fresh one runs it again,
                // saying each line as it starts (which only such a run pays for), until it stays in
                // one line for LOCATE_SECONDS or reaches the limit again; a third words the
                // time-out at that line. A failure whose cutting down passes the grace stands cut
                // to its line.
                slot.watch = setInterval(() => {
                    const now = performance.now();
                    const elapsed = (now - slot.since) / 1000;
                    if (slot.mode === 'case' && elapsed >= (slot.prefix ? SHRINK_GRACE_SECONDS + seconds : seconds)) {
                        retire(slot);
                        if (slot.prefix) done(slot.case, slot.prefix), start();
                        else start({ locate: slot.case, elapsed });
                    } else if (slot.mode === 'locate' && (elapsed >= seconds || (now - slot.moved) / 1000 >= LOCATE_SECONDS)) {
                        retire(slot);
                        start({ timedOut: slot.case, reached: slot.reached, elapsed: slot.elapsed });
                    }
                }, 50);
            };
            const retire = (slot) => {
                slot.worker.terminate();
                clearInterval(slot.watch);
            };
            busy = 1;
            start();
        });
    }

    // The Lab's data, unpacked (lab-site.mjs): name -> bytes, once its part has loaded.
    const files = () => Promise.race([dataLoaded, loaded()]).then(() => lab.files);

    return { load: loaded, build, check, buildSteps, files };
}
