// The Lab's compiler, in a worker of its own so that the page stays responsive while it works:
// clang and LLD for WebAssembly (@yowasp/clang) compile a learner's file and link it with the
// Lab's side of the interface (web/lab). Messages:
//   { compiler, lab }  the compiler's pack and the Lab's files (lib/..., include/...), once;
//                      answered { ready } when the compiler's modules are compiled and
//                      warmed up by a few small builds
//   { id, name, source, link, megabytes }  a build: answered { id, wasm, messages }, wasm null
//                      when it did not build
//   { id, files, steps, output }  a build of a deliverable (edit/build.js): the files (path ->
//                      text) laid over the tree, then each step's clang arguments in turn, each
//                      seeing what the one before wrote; answered as a build, wasm the output
import { provide } from './fetch-shim.js';
import { runClang } from '@yowasp/clang';
import { gunzip, unpack } from './pack.js';

// What the learner's file is compiled with: -Wall's warnings (not -Wextra's, which a skeleton's
// unused parameters would fill), the tree's headers, and the allocation calls renamed
// to the Lab's, which keep the table of live blocks (web/lab/lab_memory.h).
const COMPILE = ['--target=wasm32-wasip1', '-O1', '-Wall', '-fno-color-diagnostics',
    '-mexec-model=reactor', '-Iinclude',
    ...['malloc', 'calloc', 'realloc', 'free', 'strdup', 'strndup'].map((f) => `-D${f}=Lab${f[0].toUpperCase()}${f.slice(1)}`)];
// A stack of a megabyte below the data (a recursion that overflows it traps rather than writing
// over the module's records), and the memory limit.
const LINK = ['-Wl,--stack-first', '-Wl,-z,stack-size=1048576'];

let tree = null;

// A nested tree of the flat names ("include/buffers/buffer.h"), as the compiler's files take it.
function nest(files) {
    const root = {};
    for (const [name, bytes] of files) {
        const parts = name.split('/');
        let dir = root;
        for (const part of parts.slice(0, -1)) dir = dir[part] ??= {};
        dir[parts[parts.length - 1]] = bytes;
    }
    return root;
}

async function start({ compiler, lab }) {
    for (const [name, bytes] of unpack(await gunzip(compiler))) provide(name, bytes);
    tree = nest(lab);
    await runClang(null, {}, { fetchProgress: () => {} }); // compiles the compiler's modules
    // Ready once warm: a build the moment the page says so is as quick as any after it.
    warm = warmUp();
    await settled();
    postMessage({ ready: true });
}

// The engine compiles the compiler's code with its quick compiler first, and again with its
// optimising one once the code has run a while, which makes a first build five times as slow as
// the tenth: a few builds of a small program as soon as the compiler is there, before the
// learner's first build; the compiler is ready after them.
async function warmUp() {
    const quiet = { stdout: () => {}, stderr: () => {} };
    const flags = ['--target=wasm32-wasip1', '-O3', '-msimd128', '-Wall', '-Wextra', '-Wconversion', '-std=c++20', '-fno-exceptions', '-fno-rtti'];
    for (let i = 0; i < WARM_BUILDS; i++) {
        const compiled = await runClang(['clang', ...flags, '-c', 'warm.cpp', '-o', 'warm.o'], { 'warm.cpp': WARM }, quiet);
        await runClang(['clang', '--target=wasm32-wasip1', 'warm.o', '-o', 'warm.wasm'], compiled, quiet);
    }
}
const WARM_BUILDS = 3;
const WARM = '#include <cstdio>\n#include <cstdlib>\n#include <cstring>\n' +
    'int main(int argc, char **argv) { printf("%zu\\n", strlen(argv[argc - 1])); return EXIT_SUCCESS; }\n';
let warm = Promise.resolve();
const settled = () => warm.catch(() => {});

async function build({ id, name, source, link, megabytes }) {
    await settled();
    let messages = '';
    const collect = (bytes) => {
        if (bytes) messages += new TextDecoder().decode(bytes);
    };
    const files = { ...tree, [name]: source };
    const args = ['clang', ...COMPILE, name, ...link, ...LINK, `-Wl,--max-memory=${megabytes << 20}`, '-o', 'module.wasm'];
    let wasm = null;
    try {
        const out = await runClang(args, files, { stdout: collect, stderr: collect, decodeASCII: false });
        wasm = out['module.wasm'];
    } catch (e) {
        if (!('code' in e)) messages += `${e.message}\n`; // an exit status is in the messages already
    }
    postMessage({ id, wasm, messages }, wasm ? [wasm.buffer] : []);
}

// The tree with files put in at their paths, the tree itself left as it was.
function overlay(base, files) {
    const root = { ...base };
    for (const [name, text] of Object.entries(files)) {
        const parts = name.split('/');
        let dir = root;
        for (const part of parts.slice(0, -1)) dir = dir[part] = { ...dir[part] };
        dir[parts[parts.length - 1]] = text;
    }
    return root;
}

async function buildSteps({ id, files, steps, output }) {
    await settled();
    let messages = '';
    const collect = (bytes) => {
        if (bytes) messages += new TextDecoder().decode(bytes);
    };
    let wasm = null;
    try {
        let now = overlay(tree, files);
        for (const args of steps) now = await runClang(args, now, { stdout: collect, stderr: collect, decodeASCII: false });
        wasm = now[output];
    } catch (e) {
        if (!('code' in e)) messages += `${e.message}\n`;
    }
    postMessage({ id, wasm, messages }, wasm ? [wasm.buffer] : []);
}

self.onmessage = ({ data }) => {
    const job = data.compiler ? start(data) : data.steps ? buildSteps(data) : build(data);
    job.catch((e) => postMessage({ id: data.id, failed: e.message }));
};
