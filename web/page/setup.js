// How the page runs each module, after the tours (<dir>/tour.sh): its arguments, the files it
// finds in ".", its standard input, and whether the learner types that input line by line.
//   files: name in "." -> bundled sample; stdin: bundled sample; samples: the directory whose
//   samples the learner may load into a file or into stdin.
// The options that turn a program's drawing of its structure on: -i for the text in its output,
// -j for the JSON lines the page draws its pictures from.
const VIEW = '-i -j view.json';
const WASM32 = 'With -i the byte counts are wasm32\'s: a pointer takes 4 bytes here, 8 in a 64-bit native build.';

export const PROGRAMS = [
    { name: 'copydemo', man: 'workbench-copydemo.1', samples: 'words' },
    { name: 'driver', man: 'workbench-driver.1', stdin: 'trees/commands.txt', dialogue: true, samples: 'trees', view: VIEW },
    { name: 'hashprobe', man: 'workbench-hashprobe.1', files: { 'data.txt': 'hashing/data.txt' }, samples: 'hashing', view: VIEW },
    { name: 'intstack', man: 'workbench-intstack.1', files: { 'data.txt': 'lists/stack.txt' }, samples: 'lists', view: VIEW },
    { name: 'linereader', man: 'workbench-linereader.1', files: { 'input.txt': 'words/input.txt' }, samples: 'words' },
    { name: 'linkqueue', man: 'workbench-linkqueue.1', samples: 'lists', view: VIEW },
    { name: 'pairs', man: 'workbench-pairs.1', stdin: 'records/pairs.txt', samples: 'records' },
    { name: 'palindrome', man: 'workbench-palindrome.1', args: 'level', samples: 'words' },
    { name: 'payroll', man: 'workbench-payroll.1', stdin: 'records/payroll.txt', dialogue: true, samples: 'records' },
    { name: 'quiz', man: 'workbench-quiz.1', samples: 'words' },
    { name: 'rectangles', man: 'workbench-rectangles.1', stdin: 'records/rectangles-edge.txt', samples: 'records' },
    { name: 'ringlist', man: 'workbench-ringlist.1', args: 'ring.txt two three', files: { 'ring.txt': 'lists/ring.txt' }, samples: 'lists' },
    { name: 'roster', man: 'workbench-roster.1', args: 'students.txt', files: { 'students.txt': 'records/students.txt', 'students-cut.txt': 'records/students-cut.txt' }, samples: 'records' },
    { name: 'sortrun', man: 'workbench-sortrun.1', samples: 'sorting', view: VIEW },
    { name: 'sortrun-compact', man: 'workbench-sortrun-compact.1', samples: 'sorting', view: VIEW },
    { name: 'treecost', man: 'workbench-treecost.1', samples: 'trees' },
    // Without a word file the game draws from its bundled list, which it opens by absolute path.
    { name: 'wordguess', man: 'workbench-wordguess.1', dialogue: true, share: { 'wordguess.txt': 'words/wordguess.txt' }, samples: 'words' },
    // The library modules' own clients. bufdemo's -i counts bytes as this build lays them out.
    { name: 'bufdemo-gridrow', man: 'workbench-buffer.3', stdin: 'buffers/edit.txt', samples: 'buffers', client: true, note: WASM32 },
    { name: 'bufdemo-pilerow', man: 'workbench-buffer.3', stdin: 'buffers/edit.txt', samples: 'buffers', client: true, note: WASM32 },
    { name: 'bufdemo-chainrow', man: 'workbench-buffer.3', stdin: 'buffers/edit.txt', samples: 'buffers', client: true, note: WASM32 },
    { name: 'bufdemo-chunkrow', man: 'workbench-buffer.3', args: '-i', stdin: 'buffers/inside.txt', samples: 'buffers', client: true, note: WASM32 },
    // ringdemo draws its ring as text whatever its arguments; -j FILE is its only option. It has no
    // page of its own: ringlist's names it.
    { name: 'ringdemo', man: 'workbench-ringlist.1', stdin: 'lists/ring-commands.txt', samples: 'lists', client: true, view: '-j view.json',
        summary: 'the ring list\'s operations from commands on standard input, the ring drawn after each one' },
    { name: 'siftdemo', man: 'workbench-wordsift.3', stdin: 'scanner/lines.txt', samples: 'scanner', client: true },
    { name: 'bagdemo', man: 'workbench-set.3', stdin: 'sets/sets.txt', samples: 'sets', client: true },
    { name: 'wordpick', man: 'workbench-lotdraw.3', args: 'words.txt', files: { 'words.txt': 'words/words.txt' }, samples: 'words', client: true },
];
