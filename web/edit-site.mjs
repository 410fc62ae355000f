// What the Lab needs to build a deliverable again from a learner's edit (lab-site.mjs packs it
// into the Lab's data): each deliverable's recipe, read from the wasm build's edit/ files
// (web/edit/CMakeLists.txt, staged into <input>/edit), its sources and the headers they include
// as the tree has them, and the objects and archives it links, prebuilt.
//   edit/recipes.json   name -> { view, sources, headers, compile: { C, CXX }, link, linkOptions }
//   src/<dir>/<file>    a source as the tree has it, the text the learner starts from
//   include/<dir>/<file> a header it includes, where the compiler finds it
//   lib/edit/<n>-<file> an object or archive it links
// In the page a source is compiled as include/<dir>/<file>, beside the headers, so that its own
// directory's headers are found as in the tree; the tree's root is the include directory.
import fs from 'node:fs';
import path from 'node:path';

const ROOT = 'include';

// key -> value (a CMake list, split at ";", empty entries dropped) of a recipe file's lines.
function readLines(file) {
    const fields = {};
    for (const line of fs.readFileSync(file, 'utf8').split('\n')) {
        if (!line) continue;
        const at = line.indexOf(' ');
        const key = line.slice(0, at), value = line.slice(at + 1);
        (fields[key] ??= []).push(...value.split(';').filter((v) => v !== ''));
    }
    return fields;
}

// A path of the source tree as the page names it: relative to the tree's root.
function inTree(source, file) {
    const relative = path.relative(source, file);
    if (relative.startsWith('..') || path.isAbsolute(relative)) throw new Error(`${file} is outside the source tree`);
    return relative.split(path.sep).join('/');
}

const LANGUAGE = { '.c': 'C', '.cpp': 'CXX', '.cc': 'CXX', '.cxx': 'CXX' };

// The arguments that compile a language's sources: the build's flags and standard, the
// definitions, the include directories as the page lays the tree out, and the options, the
// tree's own paths in them (-ffile-prefix-map) made the page's.
function compileArgs(source, fields) {
    const includes = [...new Set(fields.includes || [])].map((dir) => {
        const relative = inTree(source, dir);
        return `-I${relative ? `${ROOT}/${relative}` : ROOT}`;
    });
    // The build tree's own prefix map has nothing to map in the page, and would leave a build
    // path in the site: only the source tree's stays.
    const options = (fields.options || []).map((o) => o.split(`${source}/`).join(`${ROOT}/`))
        .filter((o) => !o.startsWith('-ffile-prefix-map=') || o === `-ffile-prefix-map=${ROOT}/=`);
    return [...fields.flags.join(';').split(/\s+/).filter(Boolean), ...(fields.defines || []).map((d) => `-D${d}`),
        ...includes, ...options];
}

// The headers of the tree a source includes, and those they include, each once.
function includedHeaders(source, files, includeDirs) {
    const found = new Set();
    const pending = [...files];
    while (pending.length) {
        const file = pending.pop();
        const text = fs.readFileSync(path.join(source, file), 'utf8');
        for (const [, quote, name] of text.matchAll(/^\s*#\s*include\s*(["<])([^">]+)[">]/gm)) {
            const bases = [...(quote === '"' ? [path.dirname(path.join(source, file))] : []), ...includeDirs];
            const hit = bases.map((b) => path.join(b, name)).find((f) => fs.existsSync(f) && fs.statSync(f).isFile());
            if (!hit) continue;
            const header = inTree(source, hit);
            if (!found.has(header)) found.add(header), pending.push(header);
        }
    }
    return [...found].sort();
}

// The recipes and the files they need, for the deliverables of the manifest; throws when one of
// them has no recipe, so that no "Edit source" opens nothing.
export function editData({ input, source }, manifest) {
    const dir = path.join(input, 'edit');
    const modules = new Set(manifest.bufferModules.map((m) => m.name));
    const wanted = [...manifest.programs, ...manifest.examples, ...modules];
    const files = new Map(), linked = new Map(), recipes = {};
    for (const name of wanted) {
        const linkFile = path.join(dir, `${name}.link`);
        if (!fs.existsSync(linkFile)) throw new Error(`no recipe for ${name} in ${dir}`);
        const compile = {}, sources = [];
        let includeDirs = [];
        for (const language of ['C', 'CXX']) {
            const fields = readLines(path.join(dir, `${name}-${language}.compile`));
            compile[language] = compileArgs(source, fields);
            includeDirs = [...new Set([...includeDirs, ...(fields.includes || [])])];
            for (const file of fields.sources) {
                const full = path.resolve(fields.source_dir[0], file);
                if (LANGUAGE[path.extname(full)] && !sources.includes(inTree(source, full))) sources.push(inTree(source, full));
            }
        }
        const link = readLines(linkFile);
        const libs = (link.link || []).map((file) => {
            if (!linked.has(file)) linked.set(file, `lib/edit/${linked.size}-${path.basename(file)}`);
            return linked.get(file);
        });
        const headers = includedHeaders(source, sources, includeDirs);
        for (const file of sources) files.set(`src/${file}`, fs.readFileSync(path.join(source, file)));
        for (const file of headers) files.set(`${ROOT}/${file}`, fs.readFileSync(path.join(source, file)));
        recipes[name] = {
            view: modules.has(name) ? 'buffers' : 'programs',
            sources: sources.map((file) => ({ file, language: LANGUAGE[path.extname(file)] })),
            headers,
            compile,
            link: libs,
            linkOptions: [...new Set(link.link_options || [])],
        };
    }
    for (const [file, name] of linked) files.set(name, fs.readFileSync(file));
    files.set('edit/recipes.json', Buffer.from(JSON.stringify(recipes)));
    return files;
}
