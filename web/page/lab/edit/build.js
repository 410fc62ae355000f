// The compiler's runs that build a deliverable from its recipe (web/edit-site.mjs) and the
// learner's texts, as its target builds natively: each language's sources with that language's
// arguments, then the objects linked with what the recipe links, prebuilt. A run of the compiler
// costs a start of its own, so each language's sources go in one run, the last language's with
// the link.
//   buildJob(recipe, texts, megabytes) -> { files, steps, output } for the compile worker
const TARGET = '--target=wasm32-wasip1';
// Where the tree lies in the compiler's files: a source beside its directory's headers.
const ROOT = 'include';
const OUTPUT = 'module.wasm';

// The object a compiler run of several sources writes for one: its name, in the current directory.
const objectOf = (file) => file.split('/').pop().replace(/\.[^.]*$/, '.o');

// texts: path in the tree -> the text to build (the learner's, or the tree's where unedited).
export function buildJob(recipe, texts, megabytes) {
    const files = {};
    for (const { file } of recipe.sources) files[`${ROOT}/${file}`] = texts[file];
    // Two sources of one name in different directories would write one object: a run each then.
    const names = recipe.sources.map((s) => objectOf(s.file));
    const apart = new Set(names).size !== names.length;
    const groups = apart ? recipe.sources.map((s) => [s])
        : ['C', 'CXX'].map((l) => recipe.sources.filter((s) => s.language === l)).filter((g) => g.length);
    const steps = [], objects = [];
    groups.forEach((group, i) => {
        const args = ['clang', TARGET, ...recipe.compile[group[0].language], ...group.map((s) => `${ROOT}/${s.file}`)];
        if (i < groups.length - 1) {
            const object = apart ? [`object-${i}.o`] : group.map((s) => objectOf(s.file));
            steps.push([...args, '-c', ...(apart ? ['-o', object[0]] : [])]);
            objects.push(...object);
            return;
        }
        // The memory limit of the Lab's modules: an edit that allocates without end fails an
        // allocation there rather than taking the browser's memory.
        steps.push([...args, ...objects, ...recipe.link, ...recipe.linkOptions, `-Wl,--max-memory=${megabytes << 20}`, '-o', OUTPUT]);
    });
    return { files, steps, output: OUTPUT };
}
