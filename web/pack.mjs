// The site's packs of named files, as the page unpacks them (web/page/data.js, and the Lab's
// web/page/lab/pack.js): a u32 little-endian header length, the JSON header
// [[name, offset, length], ...], then the bytes of every file one after another.
export function pack(files) {
    let offset = 0;
    const index = files.map(([name, bytes]) => {
        const at = offset;
        offset += bytes.length;
        return [name, at, bytes.length];
    });
    const header = Buffer.from(JSON.stringify(index));
    const length = Buffer.alloc(4);
    length.writeUInt32LE(header.length);
    return Buffer.concat([length, header, ...files.map(([, bytes]) => bytes)]);
}
