// The Lab's packs (web/lab-site.mjs): one gzip stream of named files, as base 64 in parts that
// each call wbLabPart(pack, index, count, text) when its script runs.

// The bytes of a base 64 text; the engine's own decoder where it has one.
export function fromBase64(text) {
    if (Uint8Array.fromBase64) return Uint8Array.fromBase64(text);
    const binary = atob(text);
    const bytes = new Uint8Array(binary.length);
    for (let i = 0; i < binary.length; i++) bytes[i] = binary.charCodeAt(i);
    return bytes;
}

export async function gunzip(bytes) {
    const stream = new Blob([bytes]).stream().pipeThrough(new DecompressionStream('gzip'));
    return new Uint8Array(await new Response(stream).arrayBuffer());
}

// name -> bytes (views into one buffer) of a pack's unzipped bytes: a u32 little-endian header
// length, the JSON header [[name, offset, length], ...], then the files.
export function unpack(bytes) {
    const length = new DataView(bytes.buffer, bytes.byteOffset).getUint32(0, true);
    const index = JSON.parse(new TextDecoder().decode(bytes.subarray(4, 4 + length)));
    const files = new Map();
    for (const [name, at, n] of index) files.set(name, bytes.subarray(4 + length + at, 4 + length + at + n));
    return files;
}
