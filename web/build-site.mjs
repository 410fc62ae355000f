// Builds the static site: index.html, the page's one classic script, the embedded data script, the
// stylesheet, every .wasm module as it is (for WASI runtimes outside the browser), and the Lab's
// own script with the notices of the packages inside it (lab/lab.js, lab/NOTICES.txt).
//   node web/build-site.mjs --input <staging dir> --source <repo root> --out <site dir> [--compiler no]
// (--compiler no: the Lab without its compiler, as a build from Debian's packages alone has it.)
// The staging dir holds wasm/<name>.wasm, page/<name>.wasm (the page's own modules, in its data
// only), man/<page>.txt and manifest.json (written by web/wasm/CMakeLists.txt from the build's
// declarations: the lists the page and its tests take).
//
// The page must open from file://, where Chromium refuses module scripts and fetch(): hence one
// bundled classic script, and the modules, manual texts and samples inside a second one, as one
// gzip stream (the modules share their C library, which one stream compresses once).
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';
import { fileURLToPath } from 'node:url';
import * as esbuild from 'esbuild';
import { buildLabData } from './lab-site.mjs';
import { pack } from './pack.mjs';
import { INTERFACES, SUPPORT_HEADER } from './page/lab/interfaces.js';

const here = path.dirname(fileURLToPath(import.meta.url));

function options(argv) {
    const opts = { compiler: 'yes' };
    const usage = 'usage: build-site.mjs --input DIR --source DIR --out DIR [--compiler yes|no]';
    for (let i = 0; i < argv.length; i += 2) {
        const key = argv[i].replace(/^--/, '');
        const value = argv[i + 1];
        if (key === 'compiler' && ['yes', 'no'].includes(value)) opts.compiler = value;
        else if (['input', 'source', 'out'].includes(key) && value !== undefined) opts[key] = path.resolve(value);
        else throw new Error(`${usage} (at ${argv[i]})`);
    }
    for (const key of ['input', 'source', 'out']) if (!opts[key]) throw new Error(`missing --${key}`);
    return opts;
}

function listFiles(dir, suffix) {
    return fs.readdirSync(dir).filter((f) => f.endsWith(suffix)).sort();
}

// Every program's bundled samples, keyed "<dir>/<file>" as the page names them.
function samples(source) {
    const found = [];
    for (const dir of fs.readdirSync(source).sort()) {
        const samplesDir = path.join(source, dir, 'samples');
        if (!fs.existsSync(samplesDir) || !fs.statSync(samplesDir).isDirectory()) continue;
        for (const file of fs.readdirSync(samplesDir).sort()) {
            found.push([`sample/${dir}/${file}`, fs.readFileSync(path.join(samplesDir, file))]);
        }
    }
    return found;
}

// Base 85 over the printable characters from "#" on, less the backslash: safe in a JS string
// literal, and 5 characters for 4 bytes where base64 takes 5.33.
const ALPHABET = [...Array(86)].map((_, i) => String.fromCharCode(0x23 + i)).filter((c) => c !== '\\').join('');

function base85(bytes) {
    const padded = Buffer.alloc(Math.ceil(bytes.length / 4) * 4);
    bytes.copy(padded);
    let out = '';
    for (let i = 0; i < padded.length; i += 4) {
        let n = padded.readUInt32BE(i);
        let group = '';
        for (let k = 0; k < 5; k++) {
            group = ALPHABET[n % 85] + group;
            n = Math.floor(n / 85);
        }
        out += group;
    }
    return out;
}

// The modules share their C library, but gzip looks back only 32 KB, under two modules: copies of
// MATCH bytes or more from further back than NEAR are taken out first. What is left is the
// literal bytes, after the commands (a literal run, a copy's length and distance, as varints),
// which gzip packs better apart; data.js undoes it. A third smaller.
const MATCH = 20, NEAR = 24000;

function farCopies(src) {
    const commands = [], literals = [], seen = new Map();
    const varint = (n) => {
        for (; n >= 128; n >>>= 7) commands.push((n & 127) | 128);
        commands.push(n);
    };
    const emit = (to, length, distance) => {
        varint(to - literal);
        literals.push(src.subarray(literal, to));
        varint(length);
        if (length) varint(distance);
    };
    const key = (at) => src.toString('latin1', at, at + MATCH);
    let literal = 0, indexed = 0, i = 0;
    while (i + MATCH <= src.length) {
        // Only what is NEAR behind is looked up, the latest of its kind: gzip has the rest.
        for (; indexed + NEAR < i; indexed++) seen.set(key(indexed), indexed);
        const at = seen.get(key(i));
        if (at === undefined) {
            i++;
            continue;
        }
        let s = at, t = i;
        while (t < src.length && src[s] === src[t]) s++, t++;
        let back = 0;
        while (i - back > literal && at - back > 0 && src[at - back - 1] === src[i - back - 1]) back++;
        emit(i - back, t - i + back, i - at);
        literal = i = t;
    }
    emit(src.length, 0, 0);
    const head = Buffer.alloc(8);
    head.writeUInt32LE(src.length);
    head.writeUInt32LE(commands.length, 4);
    return Buffer.concat([head, Buffer.from(commands), ...literals]);
}

// The license notice of every npm package of which esbuild put code into the bundle (the inputs
// of its output, less those shaken out whole), as each package's own license file words it.
// The compiler's package ships no license file: its notice, with those of what it carries, is
// written out in web/lab/COMPILER-NOTICES.txt.
const NOTICE_ELSEWHERE = { '@yowasp/clang': 'COMPILER-NOTICES.txt, beside this file' };

function notices(...metafiles) {
    const packages = new Set();
    for (const metafile of metafiles) {
        const [output] = Object.values(metafile.outputs);
        for (const [input, { bytesInOutput }] of Object.entries(output.inputs)) {
            const found = /(?:^|\/)node_modules\/((?:@[^/]+\/)?[^/]+)\//.exec(input);
            if (found && bytesInOutput > 0) packages.add(found[1]);
        }
    }
    return [...packages].sort().map((name) => {
        const dir = path.join(here, 'node_modules', name);
        const { version, license } = JSON.parse(fs.readFileSync(path.join(dir, 'package.json'), 'utf8'));
        if (NOTICE_ELSEWHERE[name]) return `${name} ${version} (${license}): see ${NOTICE_ELSEWHERE[name]}\n`;
        const file = fs.readdirSync(dir).find((f) => /^(licen[cs]e|copying|notice)/i.test(f));
        if (!file) throw new Error(`${name} has no license file to copy into the notices`);
        return `${name} ${version} (${license})\n\n${fs.readFileSync(path.join(dir, file), 'utf8').trim()}\n`;
    }).join(`\n${'-'.repeat(72)}\n\n`);
}

// A worker's script, bundled to a text the Lab starts it from (a blob: the page may be opened from
// file://, where a worker's own file is refused). The compiler's package finds its files by
// import.meta.url, which the Lab's fetch stands in for.
async function workerBundle(entry) {
    const built = await esbuild.build({
        entryPoints: [path.join(here, 'page', 'lab', entry)],
        bundle: true,
        minify: true,
        format: 'iife',
        target: ['chrome100', 'firefox100'],
        write: false,
        external: ['node:*'],
        define: { 'import.meta.url': '"https://lab.invalid/"' },
        logLevel: 'warning',
        legalComments: 'none',
        metafile: true,
    });
    return { text: built.outputFiles[0].text, metafile: built.metafile };
}

// The Lab, a bundle of its own that the page loads when the Lab first opens; the interfaces'
// headers go in as they are in the source tree, from which the Lab makes each skeleton.
async function buildLab(opts) {
    const headers = {};
    for (const file of [SUPPORT_HEADER, ...INTERFACES.map((i) => i.header)]) {
        headers[file] = fs.readFileSync(path.join(opts.source, file), 'utf8');
    }
    const out = path.join(opts.out, 'lab');
    const parts = buildLabData(opts);
    const compiler = await workerBundle('compile-worker.js');
    const checker = await workerBundle('check-worker.js');
    const runner = await workerBundle('edit/run-worker.js');
    const stepper = await workerBundle('edit/step-worker.js');
    const built = await esbuild.build({
        entryPoints: [path.join(here, 'page', 'lab', 'main.js')],
        bundle: true,
        minify: true,
        format: 'iife',
        target: ['chrome100', 'firefox100'],
        outfile: path.join(out, 'lab.js'),
        logLevel: 'warning',
        legalComments: 'none',
        metafile: true,
        define: {
            WB_LAB_HEADERS: JSON.stringify(headers),
            WB_LAB_PARTS: JSON.stringify(parts),
            WB_COMPILE_WORKER: JSON.stringify(compiler.text),
            WB_CHECK_WORKER: JSON.stringify(checker.text),
            WB_RUN_WORKER: JSON.stringify(runner.text),
            WB_STEP_WORKER: JSON.stringify(stepper.text),
        },
        banner: { js: '/* workbench Lab; includes CodeMirror and Lezer (MIT) and jsdiff (BSD-3-Clause): see NOTICES.txt */' },
    });
    fs.writeFileSync(path.join(out, 'NOTICES.txt'),
        `The workbench Lab (lab.js, with its workers) bundles these packages, under these licenses.\n\n${notices(built.metafile, compiler.metafile, checker.metafile, runner.metafile, stepper.metafile)}`);
}

async function main() {
    const opts = options(process.argv.slice(2));
    const wasmDir = path.join(opts.input, 'wasm');
    const manDir = path.join(opts.input, 'man');
    const modules = listFiles(wasmDir, '.wasm');
    if (modules.length === 0) throw new Error(`no .wasm modules in ${wasmDir}`);
    fs.mkdirSync(opts.out, { recursive: true });
    const manifestBytes = fs.readFileSync(path.join(opts.input, 'manifest.json'));
    const manifest = JSON.parse(manifestBytes);
    const built = new Set([...modules, ...listFiles(path.join(opts.input, 'page'), '.wasm')].map((f) => f.replace(/\.wasm$/, '')));
    const wanted = [...manifest.programs, ...manifest.examples, ...manifest.bufferModules.map((m) => `bufstep-${m.name}`)];
    const missing = wanted.filter((name) => !built.has(name));
    if (missing.length) throw new Error(`the manifest names modules not built: ${missing.join(', ')}`);
    fs.writeFileSync(path.join(opts.out, 'manifest.json'), manifestBytes);

    const entries = [['manifest', manifestBytes]];
    for (const file of modules) {
        const bytes = fs.readFileSync(path.join(wasmDir, file));
        fs.writeFileSync(path.join(opts.out, file), bytes);
        entries.push([`wasm/${file.replace(/\.wasm$/, '')}`, bytes]);
    }
    for (const file of listFiles(path.join(opts.input, 'page'), '.wasm')) {
        entries.push([`wasm/${file.replace(/\.wasm$/, '')}`, fs.readFileSync(path.join(opts.input, 'page', file))]);
    }
    for (const file of listFiles(manDir, '.txt')) {
        entries.push([`man/${file.replace(/\.txt$/, '')}`, fs.readFileSync(path.join(manDir, file))]);
    }
    entries.push(...samples(opts.source));
    const packed = zlib.gzipSync(farCopies(pack(entries)), { level: 9, memLevel: 9 });
    fs.writeFileSync(path.join(opts.out, 'workbench-data.js'),
        `// Generated by build-site.mjs: the modules, manual texts and samples, far copies, gzip, base 85.\n` +
        `var WB_DATA = "${base85(packed)}", WB_DATA_LENGTH = ${packed.length};\n`);

    await esbuild.build({
        entryPoints: [path.join(here, 'page', 'main.js')],
        bundle: true,
        minify: true,
        format: 'iife',
        target: ['chrome100', 'firefox100'],
        outfile: path.join(opts.out, 'workbench.js'),
        logLevel: 'warning',
        legalComments: 'none',
        banner: { js: '/* workbench page; includes @bjorn3/browser_wasi_shim (MIT OR Apache-2.0) */' },
    });
    await buildLab(opts);
    for (const file of ['index.html', 'style.css']) {
        fs.copyFileSync(path.join(here, 'page', file), path.join(opts.out, file));
    }

    let total = 0;
    let lab = 0;
    for (const file of fs.readdirSync(opts.out, { recursive: true })) {
        const stat = fs.statSync(path.join(opts.out, file));
        if (stat.isFile()) (file.startsWith('lab') ? lab += stat.size : total += stat.size);
    }
    console.log(`site: ${opts.out}: ${modules.length} modules, ${total} bytes, and the Lab's ${lab} bytes (lab/)`);
}

main().catch((e) => {
    console.error(`build-site.mjs: ${e.message}`);
    process.exit(1);
});
