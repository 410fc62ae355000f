// One run of a command module: a fresh instance on in-memory files, its output kept as a
// terminal would show it. The WASI calls themselves come from browser_wasi_shim; what is ours is
// the standard streams, the clock, and stopping a dialogue where it waits for a line not typed yet.
import { WASI, Fd, File, PreopenDirectory, wasi } from '@bjorn3/browser_wasi_shim';

// Thrown from the stdin read and caught around _start: the program wants a line the learner has
// not typed yet, so the transcript so far is all there is to show.
class NeedInput extends Error {}
// Runaway loops would freeze the page (it runs on the main thread): cap what a run may do.
class Runaway extends Error {}

const OUTPUT_LIMIT = 4 << 20;
const READS_PAST_END = 1000;

// Standard output and error. As a terminal stdout counts as a tty, so the C library line-buffers
// it and the transcript interleaves with stderr as it would on screen; as a plain file it is
// fully buffered, as the buffer panes' modules have it (stepper.js).
export class Sink extends Fd {
    constructor(run, fd, tty) {
        super();
        this.run = run;
        this.fd = fd;
        this.tty = tty;
    }
    fd_fdstat_get() {
        const type = this.tty ? wasi.FILETYPE_CHARACTER_DEVICE : wasi.FILETYPE_REGULAR_FILE;
        const stat = new wasi.Fdstat(type, 0);
        stat.fs_rights_base = BigInt(wasi.RIGHTS_FD_WRITE);
        return { ret: 0, fdstat: stat };
    }
    fd_write(data) {
        this.run.emit(this.fd, data);
        return { ret: 0, nwritten: data.byteLength };
    }
}

// Standard input. Piped input is handed over in large reads; typed lines go one per read, as a
// terminal delivers them, so that each echo lands where the program read it.
class Input extends Fd {
    constructor(run, bytes, lines, eof) {
        super();
        this.run = run;
        this.bytes = bytes;
        this.lines = lines;
        this.eof = eof;
        this.pos = 0;
        this.next = 0;
        this.pastEnd = 0;
    }
    fd_fdstat_get() {
        const stat = new wasi.Fdstat(this.lines ? wasi.FILETYPE_CHARACTER_DEVICE : wasi.FILETYPE_REGULAR_FILE, 0);
        stat.fs_rights_base = BigInt(wasi.RIGHTS_FD_READ);
        return { ret: 0, fdstat: stat };
    }
    fd_read(size) {
        const run = this.run;
        if (this.lines) {
            // What is left of a line longer than the program's read.
            if (this.pos < this.bytes.length) {
                const data = this.bytes.subarray(this.pos, this.pos + size);
                this.pos += data.length;
                return { ret: 0, data };
            }
            // The module has written out its prompt already: it flushes its standard output
            // before each read of standard input, so the echo of the answer lands after it.
            if (this.next < this.lines.length) {
                this.bytes = run.encoder.encode(this.lines[this.next++] + '\n');
                run.log.push({ fd: 0, bytes: this.bytes });
                this.pos = Math.min(size, this.bytes.length);
                return { ret: 0, data: this.bytes.subarray(0, this.pos) };
            }
            if (!this.eof) throw new NeedInput();
        } else if (this.pos < this.bytes.length) {
            const data = this.bytes.subarray(this.pos, this.pos + size);
            this.pos += data.length;
            return { ret: 0, data };
        }
        if (++this.pastEnd > READS_PAST_END) throw new Runaway('kept reading past the end of its input');
        return { ret: 0, data: new Uint8Array(0) };
    }
}

function toBytes(text, encoder) {
    return typeof text === 'string' ? encoder.encode(text) : text;
}

function directory(files, encoder) {
    const entries = new Map();
    for (const [name, content] of Object.entries(files || {})) entries.set(name, new File(toBytes(content, encoder)));
    return entries;
}

export function concat(chunks) {
    let length = 0;
    for (const c of chunks) length += c.length;
    const all = new Uint8Array(length);
    let at = 0;
    for (const c of chunks) {
        all.set(c, at);
        at += c.length;
    }
    return all;
}

// Runs `module` (a compiled WebAssembly.Module) once.
//   name      argv[0]
//   args      the arguments after it
//   stdin     piped standard input (string or bytes), or
//   lines     the lines typed so far, with `eof` once the learner has ended the input
//   files     the files of the preopened "."; share: those of /share/workbench
//   clock     the realtime clock in whole seconds (default: now)
// Returns the log ({fd, bytes} in order; fd 0 is an echoed line), stdout, stderr, the status (null
// when stopped for input), the files of "." after the run, whether it read the clock, and the
// size its memory grew to.
export async function runModule(module, options) {
    const encoder = new TextEncoder();
    const run = {
        encoder,
        log: [],
        size: 0,
        clockRead: false,
        emit(fd, data) {
            this.size += data.length;
            if (this.size > OUTPUT_LIMIT) throw new Runaway('wrote more than 4 MB');
            const last = this.log[this.log.length - 1];
            if (last && last.fd === fd && last.parts) last.parts.push(data);
            else this.log.push({ fd, parts: [data] });
        },
    };
    const clock = options.clock ?? Math.floor(Date.now() / 1000);
    const lines = options.lines || null;
    const input = new Input(run, lines ? new Uint8Array(0) : toBytes(options.stdin || '', encoder), lines, !!options.eof);
    const dot = new PreopenDirectory('.', directory(options.files, encoder));
    const fds = [input, new Sink(run, 1, true), new Sink(run, 2, true), dot];
    if (options.share) fds.push(new PreopenDirectory('/share/workbench', directory(options.share, encoder)));
    const shim = new WASI([options.name, ...(options.args || [])], [], fds, { debug: false });
    shim.wasiImport.clock_time_get = (id, precision, out) => {
        const view = new DataView(shim.inst.exports.memory.buffer);
        let ns;
        if (id === wasi.CLOCKID_REALTIME) {
            run.clockRead = true;
            ns = BigInt(clock) * 1000000000n;
        } else {
            ns = BigInt(Math.round(performance.now() * 1e6));
        }
        view.setBigUint64(out, ns, true);
        return 0;
    };
    const instance = await WebAssembly.instantiate(module, { wasi_snapshot_preview1: shim.wasiImport });
    let status = null;
    let waiting = false;
    let fault = null;
    try {
        status = shim.start(instance);
    } catch (e) {
        if (e instanceof NeedInput) waiting = true;
        else {
            fault = e instanceof Runaway ? e.message : `stopped: ${e.message || e}`;
            status = e instanceof Runaway ? null : 134;
        }
    }
    const log = run.log.map((entry) => (entry.bytes ? entry : { fd: entry.fd, bytes: concat(entry.parts) }));
    const stream = (fd) => concat(log.filter((e) => e.fd === fd).map((e) => e.bytes));
    const after = {};
    for (const [name, inode] of dot.dir.contents) if (inode instanceof File) after[name] = inode.data;
    return {
        log,
        get stdout() { return stream(1); },
        get stderr() { return stream(2); },
        status,
        waiting,
        fault,
        files: after,
        clockRead: run.clockRead,
        clock,
        // How far its memory grew, in bytes: a run at its module's limit ran out of memory.
        memory: instance.exports.memory.buffer.byteLength,
    };
}
