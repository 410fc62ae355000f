#!/usr/bin/env -S node --no-warnings
// run-wasi.mjs <program> [arguments...]: runs the WebAssembly build of a program under node's
// WASI as the native program runs: the same arguments (argv[0] the program's name), standard
// streams and working directory (preopened as "."), and its exit status as this process's own.
// The modules are in $WORKBENCH_WASM_DIR; $WORKBENCH_DATA_DIR, where given, is preopened as
// /share/workbench, where the game looks for its list. A trap (abort, or a fault the native
// program would die of) ends this process with SIGABRT, as abort does natively.
import { readFile } from 'node:fs/promises';
import { join } from 'node:path';
import process from 'node:process';
import { WASI } from 'node:wasi';

const [program, ...args] = process.argv.slice(2);
const preopens = { '.': '.' };
if (process.env.WORKBENCH_DATA_DIR) preopens['/share/workbench'] = process.env.WORKBENCH_DATA_DIR;
const wasi = new WASI({
    version: 'preview1',
    args: [program, ...args],
    env: {},
    preopens,
    returnOnExit: true,
});
const module = await WebAssembly.compile(
    await readFile(join(process.env.WORKBENCH_WASM_DIR, `${program}.wasm`)));
const instance = await WebAssembly.instantiate(module, wasi.getImportObject());
let status;
try {
    status = wasi.start(instance);
} catch (error) {
    if (!(error instanceof WebAssembly.RuntimeError)) throw error;
    process.kill(process.pid, 'SIGABRT');
}
process.exitCode = status;
