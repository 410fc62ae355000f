// One buffer module kept alive between commands: bufstep-<module> (web/wasm/bufstep.c), bufdemo's
// command loop as a reactor, called once per command, so that a command costs the same however
// many came before it. Between calls the module's whole state is its linear memory: a copy of it
// is a checkpoint, and a fresh instance given that copy goes on from there.
// A learner's module built in the Lab (web/lab/lab_step.c) steps the same way, but has no
// records to write (step_records, step_draw): only its memory (memory-model.js) shows inside it.
import { WASI, WASIProcExit, Fd, File, PreopenDirectory } from '@bjorn3/browser_wasi_shim';
import { Sink, concat } from './wasi.js';
import { takeMemory } from './memory-model.js';

const encoder = new TextEncoder();
const decoder = new TextDecoder();

export class Stepper {
    // A module at step 0, or at a checkpoint's step when given one.
    static async start(module, checkpoint = null) {
        const stepper = new Stepper();
        const chunks = { 1: [], 2: [] };
        stepper.chunks = chunks;
        stepper.dot = new PreopenDirectory('.', new Map());
        const run = { emit: (fd, data) => chunks[fd].push(data) };
        stepper.shim = new WASI(['bufdemo'], [], [new Fd(), new Sink(run, 1, false), new Sink(run, 2, false), stepper.dot], { debug: false });
        const instance = await WebAssembly.instantiate(module, { wasi_snapshot_preview1: stepper.shim.wasiImport });
        stepper.exports = instance.exports;
        if (checkpoint) {
            // Every call has returned when a checkpoint is taken, so the stack pointer is where a
            // fresh instance has it: the memory is all there is to give back.
            const memory = instance.exports.memory;
            const pages = checkpoint.memory.length / 65536 - memory.buffer.byteLength / 65536;
            if (pages > 0) memory.grow(pages);
            new Uint8Array(memory.buffer).set(checkpoint.memory);
            stepper.shim.inst = instance;
            Object.assign(stepper, { stderr: checkpoint.stderr, ended: checkpoint.ended, last: checkpoint.last });
        } else {
            stepper.shim.initialize(instance);
            stepper.stderr = '';
            stepper.ended = null;
            stepper.call(() => instance.exports.step_start());
        }
        return stepper;
    }

    checkpoint() {
        return { memory: new Uint8Array(this.exports.memory.buffer).slice(), stderr: this.stderr, ended: this.ended, last: this.last };
    }

    // Runs one call into the module; an exit or a trap ends the module for good, as it would
    // end a run of bufdemo on the same commands.
    call(body) {
        try {
            body();
        } catch (e) {
            if (e instanceof WASIProcExit) this.ended = { status: e.code, fault: this.memoryFault(e.code) };
            else this.ended = { status: 134, fault: `stopped: ${e.message || e}` };
        }
    }

    // The Lab's memory services name the fault that ended the module (lab_memory.h); its own
    // line on standard error says on what block.
    memoryFault(status) {
        const at = this.exports.lab_fault?.() >>> 0;
        if (!at) return null;
        const bytes = new Uint8Array(this.exports.memory.buffer);
        const end = bytes.indexOf(0, at);
        return `memory fault: ${decoder.decode(bytes.subarray(at, end))}, exit status ${status}`;
    }

    // The module's live blocks and their bytes as they are now (takeMemory's copy), or null for a
    // module without the Lab's table of blocks.
    memory() {
        const e = this.exports;
        if (!e.lab_blocks) return null;
        return takeMemory(new Uint8Array(e.memory.buffer), e.lab_blocks() >>> 0, e.lab_block_count() >>> 0);
    }

    take(fd) {
        const text = decoder.decode(concat(this.chunks[fd]));
        this.chunks[fd].length = 0;
        return text;
    }

    // The outcome of one command, as a run of bufdemo -j on the commands so far would end:
    // { block, stderr, status, fault, records, recordsError, drawing }.
    // Once the module has ended, later commands are never read: the outcome stays the last one.
    command(text) {
        if (this.ended) return this.last;
        // bufdemo quits on a line that starts with Q, writing its records as at the end of its
        // input; any other line, of any length, is one command.
        if (text.startsWith('Q')) {
            this.last = this.outcome('');
            this.ended = { status: 0, fault: null };
            return this.last;
        }
        const bytes = encoder.encode(text);
        this.call(() => {
            const where = this.exports.step_line(bytes.length);
            const memory = new Uint8Array(this.exports.memory.buffer);
            memory.set(bytes, where);
            memory[where + bytes.length] = 0;
            this.exports.step_command(0);
        });
        this.last = this.outcome(this.take(1));
        return this.last;
    }

    outcome(block) {
        this.stderr += this.take(2);
        let records = null, recordsError = null, drawing = '';
        if (!this.ended && this.exports.step_records) {
            this.call(() => {
                if (this.exports.step_records() === 0) {
                    const file = this.dot.dir.contents.get('records.json');
                    try {
                        records = JSON.parse(decoder.decode(file.data));
                    } catch (e) {
                        recordsError = `records.json is not JSON: ${e.message}`;
                    }
                }
                this.exports.step_draw();
            });
            drawing = this.take(1).trimEnd();
        }
        return {
            block,
            stderr: this.stderr,
            status: this.ended ? this.ended.status : 0,
            fault: this.ended?.fault ?? null,
            records,
            recordsError,
            drawing,
        };
    }
}
