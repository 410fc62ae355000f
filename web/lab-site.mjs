// The Lab's part of the site (build-site.mjs calls it): what the page needs to build and check a
// learner's module, loaded only when the Lab opens, as classic scripts (the page opens from
// file://, where fetch() is refused):
//   lab/lab-data.js     the checker (labcheck.wasm), the objects and archives a module is linked
//                       with and each interface's link (web/lab/CMakeLists.txt), the tree's
//                       headers, and each deliverable's recipe and sources (edit-site.mjs).
//   lab/compiler-N.js   clang and LLD for WebAssembly (npm @yowasp/clang), with the C library and
//                       the headers a C module needs, in parts of a few megabytes each, so that
//                       the page shows its progress part by part.
// Each is one gzip stream of named files (web/pack.mjs), base 64 in a call: wbLabPart(pack, index,
// count, text). Without the compiler (--compiler no, as the Debian package is built), the site
// has no lab/compiler-*.js and the Lab says where to get them.
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';
import { createRequire } from 'node:module';
import { pack } from './pack.mjs';
import { editData } from './edit-site.mjs';

const require = createRequire(import.meta.url);

// Of a text of base 64 in each compiler part: a progress step every few megabytes.
const PART = 4 << 20;

// The compiler's own files and which of its resources a module needs: the C library's headers
// and archives, the compiler's own headers but those of other processors' instructions, and the
// C++ library's headers, since most of the tree's programs are C++ (its C headers, <cstdio>,
// and the C library's wrapped: a program links no C++ runtime).
const COMPILER_MODULES = ['llvm.core.wasm', 'llvm.core2.wasm', 'llvm.core3.wasm', 'llvm.core4.wasm'];
const OTHER_MACHINES = /intrin|altivec|opencl|hexagon|hvx|arm_|riscv|msa\.h|vecintrin|hlsl|cuda|ppc|amx|lsx|lasx|sifive|andes|nvptx|hip|s390|htm|avx|sse|mm3dnow|module\.modulemap/;
function neededResource(name, isDir) {
    const parts = name.replace(/\/$/, '').split('/');
    if (parts[0] === 'include') {
        if (parts.length === 1) return true;
        if (parts[1] === 'wasm32-wasip1' || parts[1] === 'c++') return true;
        return parts.length === 2 && !isDir && !OTHER_MACHINES.test(parts[1]);
    }
    if (parts[0] === 'lib') {
        if (parts.length <= 2) return parts.length === 1 || /^wasm32-(unknown-)?wasip1$/.test(parts[1]);
        return parts[2] === 'libclang_rt.builtins.a' || /^crt1.*\.o$/.test(parts[2]) ||
            (/\.a$/.test(parts[2]) && !/^libc\+\+|^libclang_rt|printscan/.test(parts[2]));
    }
    return false;
}

// A tar of the entries of tar that keep says are needed, headers and all as they were.
function filterTar(tar, keep) {
    const out = [];
    for (let at = 0; at + 512 <= tar.length;) {
        const header = tar.subarray(at, at + 512);
        if (header.every((b) => b === 0)) break;
        const field = (from, to) => header.toString('latin1', from, to).replace(/\0.*$/s, '');
        const name = (field(345, 500) ? `${field(345, 500)}/` : '') + field(0, 100);
        const size = parseInt(field(124, 136).trim() || '0', 8);
        const type = field(156, 157);
        const length = 512 + Math.ceil(size / 512) * 512;
        if (keep(name, type === '5')) out.push(tar.subarray(at, at + length));
        at += length;
    }
    out.push(Buffer.alloc(1024));
    return Buffer.concat(out);
}

// A pack (web/pack.mjs), gzip over it all.
function gzipped(files) {
    return zlib.gzipSync(pack(files), { level: 9 });
}

// Writes lab/<name>-<i>.js, each a part of the packed files' base 64; returns their names and
// sizes, for the page's progress.
function writeParts(dir, name, packed, partLength) {
    const text = packed.toString('base64');
    const count = Math.max(1, Math.ceil(text.length / partLength));
    const parts = [];
    for (let i = 0; i < count; i++) {
        const file = `${name}-${i}.js`;
        const slice = text.slice(i * partLength, (i + 1) * partLength);
        fs.writeFileSync(path.join(dir, file), `wbLabPart(${JSON.stringify(name)}, ${i}, ${count}, "${slice}");\n`);
        parts.push({ file, bytes: slice.length });
    }
    return parts;
}

// Every header of the tree's libraries, named as a module includes it ("buffers/buffer.h").
function treeHeaders(source) {
    const found = [];
    const skip = new Set(['build', 'web', 'tests', 'fuzz', 'bench', 'examples', 'debian', 'docs', 'man', 'cmake']);
    for (const dir of fs.readdirSync(source).sort()) {
        const full = path.join(source, dir);
        if (skip.has(dir) || dir.startsWith('.') || !fs.statSync(full).isDirectory()) continue;
        if (!fs.existsSync(path.join(full, 'CMakeLists.txt'))) continue;
        for (const file of fs.readdirSync(full).sort()) {
            if (file.endsWith('.h')) found.push([`include/${dir}/${file}`, fs.readFileSync(path.join(full, file))]);
        }
    }
    return found;
}

// The files a learner's module is linked with, by interface: lab/<interface>.link's lines become
// lib/<n>-<file>, in that order.
function linkFiles(labDir) {
    const files = [], links = {};
    for (const link of fs.readdirSync(labDir).filter((f) => f.endsWith('.link')).sort()) {
        const iface = link.replace(/^lab-|\.link$/g, '');
        links[iface] = fs.readFileSync(path.join(labDir, link), 'utf8').trim().split('\n').map((file) => {
            const name = `lib/${iface}/${files.filter(([n]) => n.startsWith(`lib/${iface}/`)).length}-${path.basename(file)}`;
            files.push([name, fs.readFileSync(file)]);
            return name;
        });
    }
    return { files, links };
}

function compilerPackage() {
    return path.dirname(require.resolve('@yowasp/clang'));
}

// Writes the Lab's data into <out>/lab; returns what lab.js is told of it: the data's parts and
// the compiler's (none without its package).
export function buildLabData({ input, source, out, compiler: withCompiler }) {
    const dir = path.join(out, 'lab');
    fs.rmSync(dir, { recursive: true, force: true });
    fs.mkdirSync(dir, { recursive: true });
    const labDir = path.join(input, 'lab');
    const { files, links } = linkFiles(labDir);
    files.push(['labcheck.wasm', fs.readFileSync(path.join(labDir, 'labcheck.wasm'))]);
    files.push(['links.json', Buffer.from(JSON.stringify(links))]);
    files.push(...treeHeaders(source));
    // What rebuilds each deliverable from an edit (edit-site.mjs); a header there once.
    const manifest = JSON.parse(fs.readFileSync(path.join(input, 'manifest.json'), 'utf8'));
    const named = new Set(files.map(([name]) => name));
    for (const [name, bytes] of editData({ input, source }, manifest)) if (!named.has(name)) files.push([name, bytes]);
    const data = writeParts(dir, 'lab-data', gzipped(files), Infinity);

    const gen = withCompiler === 'no' ? null : compilerPackage();
    let compiler = [];
    if (gen) {
        const version = JSON.parse(fs.readFileSync(path.join(gen, '..', 'package.json'), 'utf8')).version;
        const compilerFiles = COMPILER_MODULES.map((name) => [name, fs.readFileSync(path.join(gen, name))]);
        compilerFiles.push(['llvm-resources.tar', filterTar(fs.readFileSync(path.join(gen, 'llvm-resources.tar')), neededResource)]);
        compiler = writeParts(dir, 'compiler', gzipped(compilerFiles), PART);
        fs.writeFileSync(path.join(dir, 'COMPILER-NOTICES.txt'), compilerNotices(source, version));
    }
    return { data, compiler };
}

// The compiler's license notices: the package's, LLVM's and the C library's, with the license
// texts from the system.
function compilerNotices(source, version) {
    const own = fs.readFileSync(path.join(source, 'web', 'lab', 'COMPILER-NOTICES.txt'), 'utf8');
    const apache = fs.readFileSync('/usr/share/common-licenses/Apache-2.0', 'utf8');
    return own.replace('@VERSION@', version) + '\n\n' + '='.repeat(78) + '\nApache License 2.0, as named above\n' + '='.repeat(78) + '\n\n' + apache;
}
