// The compiler's runs that build a deliverable from its recipe (web/edit-site.mjs) and the
// learner's texts: each source compiled to an object with its language's arguments, then the
// objects linked with what the recipe links, prebuilt, as its target links them natively.
//   buildJob(recipe, texts, megabytes) -> { files, steps, output } for the compile worker
const TARGET = '--target=wasm32-wasip1';
// Where the tree lies in the compiler's files: a source beside its directory's headers.
const ROOT = 'include';
const OUTPUT = 'module.wasm';

// texts: path in the tree -> the text to build (the learner's, or the tree's where unedited).
export function buildJob(recipe, texts, megabytes) {
    const files = {}, steps = [], objects = [];
    recipe.sources.forEach(({ file, language }, i) => {
        files[`${ROOT}/${file}`] = texts[file];
        // Numbered, so that two sources of one name in different directories stay apart.
        const object = `object-${i}.o`;
        steps.push(['clang', TARGET, ...recipe.compile[language], '-c', `${ROOT}/${file}`, '-o', object]);
        objects.push(object);
    });
    // The memory limit of the Lab's modules: an edit that allocates without end fails an
    // allocation there rather than taking the browser's memory.
    steps.push(['clang', TARGET, ...objects, ...recipe.link, ...recipe.linkOptions,
        `-Wl,--max-memory=${megabytes << 20}`, '-o', OUTPUT]);
    return { files, steps, output: OUTPUT };
}

// The file a compiler's message names, as the tree names it ("include/lists/stack.cpp" is
// "lists/stack.cpp").
export function treePath(name) {
    return name.startsWith(`${ROOT}/`) ? name.slice(ROOT.length + 1) : name;
}
