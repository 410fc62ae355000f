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
    function check(iface, module, { onCase = () => {}, traits = { capacity: 0, reportsEnds: false }, seconds = LIMITS.seconds } = {}) {
        return new Promise((resolve, reject) => {
            const init = { labcheck: lab.files.get('labcheck.wasm'), iface, traits, module, seconds, megabytes: LIMITS.megabytes };
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
            // One worker and what it is doing: the case, since when, the line it reached, and
            // the failure cut to its line while it cuts further.
            const start = (pending = null) => {
                const slot = { worker: workerFrom(WB_CHECK_WORKER), case: -1, since: 0, reached: -1, prefix: null };
                slot.worker.postMessage(init);
                // A fault of the checker's own, not of the module: the check stops and says so.
                slot.worker.onerror = (e) => {
                    e.preventDefault();
                    for (const each of slots) each.worker.terminate(), clearInterval(each.watch);
                    reject(new Error(`the checker failed: ${e.message}`));
                };
                slots.push(slot);
                const give = () => {
                    if (pending !== null) {
                        slot.worker.postMessage(pending);
                        pending = null;
                        return;
                    }
                    if (cases === null) return;
                    if (next >= cases.length) {
                        slot.worker.terminate();
                        clearInterval(slot.watch);
                        if (--busy === 0) finish();
                        return;
                    }
                    Object.assign(slot, { case: next, since: performance.now(), reached: -1, prefix: null });
                    slot.worker.postMessage({ cases: [next++] });
                };
                slot.worker.onmessage = ({ data }) => {
                    if (data.cases && cases === null) {
                        cases = data.cases;
                        for (let k = 1; k < WORKERS && k < cases.length; k++) busy++, start();
                    }
                    if (data.cases) give();
                    if (data.start !== undefined) slot.since = performance.now();
                    if (data.line !== undefined) slot.reached = data.reached;
                    if (data.prefix !== undefined) slot.prefix = data.value, slot.since = performance.now();
                    if (data.result !== undefined) {
                        done(data.result, data.value);
                        slot.case = -1;
                        give();
                    }
                };
                // The case that passes its limit (or its cutting down that passes the grace) ends
                // with its worker; a fresh one takes the rest.
                slot.watch = setInterval(() => {
                    if (slot.case < 0) return;
                    const elapsed = (performance.now() - slot.since) / 1000;
                    const limit = slot.prefix ? SHRINK_GRACE_SECONDS + seconds : seconds;
                    if (elapsed < limit) return;
                    slot.worker.terminate();
                    clearInterval(slot.watch);
                    const i = slot.case;
                    if (slot.prefix) {
                        done(i, slot.prefix);
                        start();
                    } else {
                        start({ timedOut: i, reached: slot.reached, elapsed });
                    }
                }, 50);
            };
            busy = 1;
            start();
        });
    }

    // The Lab's data, unpacked (lab-site.mjs): name -> bytes, once its part has loaded.
    const files = () => Promise.race([dataLoaded, loaded()]).then(() => lab.files);
    return { load: loaded, build, check, buildSteps, files };
}
