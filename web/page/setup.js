// How the page runs each module, after the tours (<dir>/tour.sh): its arguments, the files it
// finds in ".", its standard input, and whether the learner types that input line by line. Which
// modules there are comes from the build (the manifest, see web/wasm/CMakeLists.txt); this is only
// what a module needs beyond the defaults, by name.
//   files: name in "." -> bundled sample; stdin: bundled sample; samples: the directory whose
//   samples the learner may load into a file or into stdin; man: its manual page when not
//   workbench-<name>.1.

// The options that turn a drawing program's pictures on: -i for the text in its output, -j for
// the JSON lines the page draws its pictures from.
const VIEW = '-i -j view.json';
const RECORDS = '-j view.json';
const WASM32 = 'With -i the byte counts are wasm32\'s: a pointer takes 4 bytes here, 8 in a 64-bit native build.';

const SETTINGS = {
    copydemo: { samples: 'words' },
    driver: { stdin: 'trees/commands.txt', dialogue: true, samples: 'trees' },
    hashprobe: { files: { 'data.txt': 'hashing/data.txt' }, samples: 'hashing' },
    intstack: { files: { 'data.txt': 'lists/stack.txt' }, samples: 'lists' },
    linereader: { files: { 'input.txt': 'words/input.txt' }, samples: 'words' },
    linkqueue: { samples: 'lists' },
    pairs: { stdin: 'records/pairs.txt', samples: 'records' },
    palindrome: { args: 'level', samples: 'words' },
    payroll: { stdin: 'records/payroll.txt', dialogue: true, samples: 'records' },
    quiz: { samples: 'words' },
    rectangles: { stdin: 'records/rectangles-edge.txt', samples: 'records' },
    ringlist: { args: 'ring.txt two three', files: { 'ring.txt': 'lists/ring.txt' }, samples: 'lists' },
    roster: { args: 'students.txt', files: { 'students.txt': 'records/students.txt', 'students-cut.txt': 'records/students-cut.txt' }, samples: 'records' },
    sortrun: { samples: 'sorting' },
    'sortrun-compact': { samples: 'sorting' },
    treecost: { samples: 'trees' },
    // Without a word file the game draws from its bundled list, which it opens by absolute path.
    wordguess: { dialogue: true, share: { 'wordguess.txt': 'words/wordguess.txt' }, samples: 'words' },
    // The library modules' own clients. bufdemo's -i counts bytes as this build lays them out; -i
    // is the learner's to give, and -j FILE writes the records once, at the end.
    'bufdemo-gridrow': { man: 'workbench-buffer.3', stdin: 'buffers/edit.txt', samples: 'buffers', note: WASM32, view: RECORDS },
    'bufdemo-pilerow': { man: 'workbench-buffer.3', stdin: 'buffers/edit.txt', samples: 'buffers', note: WASM32, view: RECORDS },
    'bufdemo-chainrow': { man: 'workbench-buffer.3', stdin: 'buffers/edit.txt', samples: 'buffers', note: WASM32, view: RECORDS },
    'bufdemo-chunkrow': { man: 'workbench-buffer.3', args: '-i', stdin: 'buffers/inside.txt', samples: 'buffers', note: WASM32, view: RECORDS },
    // ringdemo draws its ring as text whatever its arguments; -j FILE is its only option. It has no
    // page of its own: ringlist's names it.
    ringdemo: { man: 'workbench-ringlist.1', stdin: 'lists/ring-commands.txt', samples: 'lists', view: '-j view.json',
        summary: 'the ring list\'s operations from commands on standard input, the ring drawn after each one' },
    siftdemo: { man: 'workbench-wordsift.3', stdin: 'scanner/lines.txt', samples: 'scanner' },
    bagdemo: { man: 'workbench-set.3', stdin: 'sets/sets.txt', samples: 'sets' },
    wordpick: { man: 'workbench-lotdraw.3', args: 'words.txt', files: { 'words.txt': 'words/words.txt' }, samples: 'words' },
};

// Every program, then every example client, as the build's manifest (data.js) declares them, each
// with its settings.
export function programList(manifest) {
    const { programs: names, examples, drawn } = manifest;
    const unknown = Object.keys(SETTINGS).filter((name) => !names.includes(name) && !examples.includes(name));
    if (unknown.length) throw new Error(`settings for modules the build does not make: ${unknown.join(', ')}`);
    return [...names, ...examples].map((name) => ({
        name,
        man: `workbench-${name}.1`,
        client: examples.includes(name),
        ...(drawn.includes(name) ? { view: VIEW } : {}),
        ...SETTINGS[name],
    }));
}
