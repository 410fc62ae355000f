// One run of a learner's module on a script, as the checker's process runs a case
// (check/child.cpp): a fresh instance, the client started, each line given to it and what it
// printed handed on as a frame, then the end of input; and how the program ended.
import { WASI, WASIProcExit, Fd, PreopenDirectory } from '@bjorn3/browser_wasi_shim';
import { Sink, concat } from '../wasi.js';

// The judge's frame kinds (check/judge.h).
export const FRAME = { line: 0, finish: 1, partial: 2, error: 3, noMemory: 4 };

const encoder = new TextEncoder();

function cstring(memory, at) {
    if (!at) return null;
    const bytes = new Uint8Array(memory.buffer);
    let end = at;
    while (bytes[end] !== 0) end++;
    return new TextDecoder().decode(bytes.subarray(at, end));
}

// Runs lines (strings) through module. frame(kind, index, bytes) takes each frame and returns
// true to stop the run there (it has failed); onLine(index) is told each line before it runs.
// Returns how the program ended: { status, crash, fault, stderr } (crash: the engine's trap).
export function runCase(module, lines, frame, onLine = () => {}) {
    const out = [], err = [];
    const run = { emit: (fd, data) => (fd === 1 ? out : err).push(data) };
    const shim = new WASI(['lab'], [], [new Fd(), new Sink(run, 1, false), new Sink(run, 2, false),
        new PreopenDirectory('.', new Map())], { debug: false });
    const taken = () => {
        const bytes = concat(out);
        out.length = 0;
        return bytes;
    };
    const ended = (status, crash = null, fault = null) => ({ status, crash, fault, stderr: concat(err) });
    let index = -1, x = null;
    try {
        const instance = new WebAssembly.Instance(module, { wasi_snapshot_preview1: shim.wasiImport });
        x = instance.exports;
        shim.initialize(instance);
        x.lab_start();
        if (frame(FRAME.line, -1, taken())) return ended(0);
        for (index = 0; index < lines.length; index++) {
            onLine(index);
            const bytes = encoder.encode(lines[index]);
            const at = x.step_line(bytes.length);
            const memory = new Uint8Array(x.memory.buffer);
            memory.set(bytes, at);
            memory[at + bytes.length] = 0;
            x.lab_line();
            if (frame(FRAME.line, index, taken())) return ended(0);
        }
        x.lab_finish();
        frame(FRAME.finish, index, taken());
        return ended(0);
    } catch (e) {
        if (!(e instanceof WASIProcExit)) return ended(0, trapName(e));
        // As the checker's process sends them: what the line printed, then Error's text or the
        // want of memory, and the status.
        frame(FRAME.partial, index, taken());
        if (x.lab_out_of_memory()) frame(FRAME.noMemory, index, new Uint8Array());
        else if (x.lab_error()) frame(FRAME.error, index, encoder.encode(cstring(x.memory, x.lab_error())));
        return ended(e.code, null, cstring(x.memory, x.lab_fault()));
    }
}

// The engine's words for a trap, as a crash's summary gives them.
function trapName(e) {
    if (e instanceof RangeError && /call stack/i.test(e.message)) return 'stack overflow';
    if (e instanceof WebAssembly.RuntimeError) {
        if (/unreachable/.test(e.message)) return 'abort (the program reached a trap)';
        if (/out of bounds|memory access/i.test(e.message)) return 'memory access out of bounds';
        return e.message;
    }
    return `stopped: ${e.message || e}`;
}
