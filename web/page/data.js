// The data the build embedded (workbench-data.js): the modules, the manual texts and the samples,
// one gzip stream in base 85 (see build-site.mjs), because file:// allows no fetch. Inside the
// gzip, copies from far back are their length and distance: farCopies in build-site.mjs.
const text = new TextDecoder();

function base85(string, length) {
    const value = new Uint8Array(128);
    let digit = 0;
    for (let c = 0x23; c < 0x7f; c++) if (c !== 0x5c) value[c] = digit++;
    const out = new Uint8Array(string.length / 5 * 4);
    const view = new DataView(out.buffer);
    for (let i = 0, o = 0; i < string.length; i += 5, o += 4) {
        let n = 0;
        for (let k = 0; k < 5; k++) n = n * 85 + value[string.charCodeAt(i + k)];
        view.setUint32(o, n);
    }
    return out.subarray(0, length);
}

function undoFarCopies(bytes) {
    const view = new DataView(bytes.buffer, bytes.byteOffset);
    const out = new Uint8Array(view.getUint32(0, true));
    let i = 8, o = 0, l = 8 + view.getUint32(4, true);
    const varint = () => {
        let n = 0, shift = 1, b;
        do { b = bytes[i++]; n += (b & 127) * shift; shift *= 128; } while (b & 128);
        return n;
    };
    while (o < out.length) {
        const literal = varint();
        out.set(bytes.subarray(l, l + literal), o);
        l += literal;
        o += literal;
        const length = varint();
        // Byte by byte: a copy may run into what it is making.
        for (let from = length ? o - varint() : 0, end = o + length; o < end;) out[o++] = out[from++];
    }
    return out;
}

async function unpack() {
    const packed = base85(globalThis.WB_DATA, globalThis.WB_DATA_LENGTH);
    const stream = new Blob([packed]).stream().pipeThrough(new DecompressionStream('gzip'));
    const all = undoFarCopies(new Uint8Array(await new Response(stream).arrayBuffer()));
    const headerLength = new DataView(all.buffer).getUint32(0, true);
    const start = 4 + headerLength;
    const entries = new Map();
    for (const [key, offset, length] of JSON.parse(text.decode(all.subarray(4, start)))) {
        entries.set(key, all.subarray(start + offset, start + offset + length));
    }
    return entries;
}

// Caches, not state: the site's data is unpacked once and never changes while the page is open,
// and a module is compiled once for all its runs.
let entries = null;
const compiled = new Map();

export async function loadData() {
    entries = await unpack();
}

export function has(key) {
    return entries.has(key);
}

export function bytes(key) {
    const found = entries.get(key);
    if (!found) throw new Error(`not in the site's data: ${key}`);
    return found;
}

export function textOf(key) {
    return text.decode(bytes(key));
}

export function keys(prefix) {
    return [...entries.keys()].filter((k) => k.startsWith(prefix));
}

// Compiled once, instantiated afresh for every run.
export function module(name) {
    if (!compiled.has(name)) compiled.set(name, WebAssembly.compile(bytes(`wasm/${name}`)));
    return compiled.get(name);
}

// The build's lists: programs, example clients, those that draw, buffer modules.
export function manifest() {
    return JSON.parse(textOf('manifest'));
}
