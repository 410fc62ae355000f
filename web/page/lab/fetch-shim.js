// The compiler's package fetches its modules and resources by URL; in the Lab they come from the
// page's own parts (the page may be opened from file://, where fetch() is refused), handed over
// with provide(). Imported before the package, which takes fetch when it loads.
const files = new Map();
const waiting = new Map();

export function provide(name, bytes) {
    files.set(name, bytes);
    waiting.get(name)?.();
}

globalThis.fetch = async (url) => {
    const name = String(url).split('/').pop();
    if (!files.has(name)) await new Promise((resolve) => waiting.set(name, resolve));
    const type = name.endsWith('.wasm') ? 'application/wasm' : 'application/octet-stream';
    return new Response(files.get(name), { headers: { 'content-type': type } });
};
