// ratio.mjs <native bench dir> <wasm bench dir>: runs buffer_ops-<module> natively and its
// WebAssembly build under node's WASI, three times each in turn, and prints for each module and
// operation the best time of each and their ratio (WebAssembly / native).
import { spawnSync } from 'node:child_process';
import { openSync, readFileSync } from 'node:fs';
import { join } from 'node:path';
import { WASI } from 'node:wasi';

const [nativeDir, wasmDir] = process.argv.slice(2);
const modules = ['gridrow', 'pilerow', 'chainrow', 'chunkrow'];
// Both builds write their displays to a plain file: a character device such as /dev/null makes
// the WebAssembly C library take standard output for a terminal and write it a line at a time.
const displays = join(wasmDir, 'displays.txt');

// "<operation> <ns>" lines into a map.
const parse = (text) => new Map(text.trim().split('\n').map((line) => {
    const [name, ns] = line.split(' ');
    return [name, Number(ns)];
}));

function runNative(module) {
    const run = spawnSync(join(nativeDir, `buffer_ops-${module}`),
        { stdio: ['ignore', openSync(displays, 'w'), 'pipe'] });
    return parse(run.stderr.toString());
}

// The module writes its results to standard error: a file here, read back after the run.
async function runWasm(module) {
    const errPath = join(wasmDir, `buffer_ops-${module}.err`);
    const wasi = new WASI({
        version: 'preview1', args: [`buffer_ops-${module}`], env: {}, returnOnExit: true,
        stdout: openSync(displays, 'w'), stderr: openSync(errPath, 'w'),
    });
    const wasm = await WebAssembly.compile(readFileSync(join(wasmDir, `buffer_ops-${module}.wasm`)));
    wasi.start(await WebAssembly.instantiate(wasm, wasi.getImportObject()));
    return parse(readFileSync(errPath, 'utf8'));
}

const best = (runs) => new Map([...runs[0].keys()].map(
    (name) => [name, Math.min(...runs.map((run) => run.get(name)))]));

console.log('module    operation        native ns   wasm ns   ratio');
let worst = 0;
for (const module of modules) {
    const native = [], wasm = [];
    for (let i = 0; i < 3; i++) {
        native.push(runNative(module));
        wasm.push(await runWasm(module));
    }
    const n = best(native), w = best(wasm);
    for (const [name, ns] of n) {
        const ratio = w.get(name) / ns;
        worst = Math.max(worst, ratio);
        console.log(`${module.padEnd(9)} ${name.padEnd(15)} ${ns.toFixed(1).padStart(10)} ` +
            `${w.get(name).toFixed(1).padStart(9)} ${ratio.toFixed(2).padStart(7)}`);
    }
}
console.log(`worst ratio ${worst.toFixed(2)}`);
