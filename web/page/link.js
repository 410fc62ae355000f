// The page's state in the URL fragment, so that a copied link reopens it: the view, the buffer
// commands and the step shown, the program with its arguments, files, input, typed lines, clock
// and drawing shown, and whether the page is embedded. A fragment comes from anyone: it is read
// as plain strings (never markup or code), bounded in size and shape, and refused whole when any
// part is wrong.
//   #view=buffers&c=Ihello&c=B&step=1
//   #view=programs&program=palindrome&args=level&run=1&embed=1
export const LIMITS = { fragment: 65536, commands: 2000, command: 250, files: 16, fileName: 100, lines: 2000 };

const VIEWS = ['buffers', 'programs', 'lab'];
const FLAGS = ['embed', 'typed', 'eof', 'inside', 'run'];

function whole(text, max, what) {
    if (!/^\d{1,9}$/.test(text) || Number(text) > max) throw new Error(`${what} is not a number from 0 to ${max}`);
    return Number(text);
}

function flag(text, what) {
    if (text !== '' && text !== '1' && text !== '0') throw new Error(`${what} is neither 1 nor 0`);
    return text !== '0';
}

// Returns the state the fragment names, { } for an empty one; throws an Error that says what is
// wrong with a bad one. `programs` is the set of program names the page knows.
export function readFragment(hash, programs) {
    const raw = hash.replace(/^#/, '');
    if (raw.length > LIMITS.fragment) throw new Error(`the link's fragment is longer than ${LIMITS.fragment} characters`);
    if (raw === '') return {};
    // The plain view names the page has always written.
    if (VIEWS.includes(raw)) return { view: raw };
    let params;
    try {
        params = new URLSearchParams(raw);
    } catch (e) {
        throw new Error('the link\'s fragment is not of the form name=value&...');
    }
    const state = { commands: [], lines: [] };
    for (const [key, value] of params) {
        if (key === 'view') {
            if (!VIEWS.includes(value)) throw new Error(`no view "${value.slice(0, 40)}"`);
            state.view = value;
        } else if (key === 'c') {
            if (state.commands.length === LIMITS.commands) throw new Error(`more than ${LIMITS.commands} commands`);
            if (value === '' || value.length > LIMITS.command || /[\n\r]/.test(value) || value.startsWith('Q')) {
                throw new Error(`command ${state.commands.length + 1} is not one bufdemo command`);
            }
            state.commands.push(value);
        } else if (key === 'step') {
            state.step = whole(value, LIMITS.commands, 'step');
        } else if (key === 'program') {
            if (!programs.has(value)) throw new Error(`no program "${value.slice(0, 40)}"`);
            state.program = value;
        } else if (key === 'args' || key === 'stdin') {
            state[key] = value;
        } else if (key === 'clock') {
            state.clock = String(whole(value, 4e9, 'clock'));
        } else if (key === 'shown') {
            state.shown = whole(value, 1e6, 'shown');
        } else if (key === 'line') {
            if (state.lines.length === LIMITS.lines) throw new Error(`more than ${LIMITS.lines} typed lines`);
            if (/[\n\r]/.test(value)) throw new Error('a typed line holds a line end');
            state.lines.push(value);
        } else if (key.startsWith('f.')) {
            const name = key.slice(2);
            state.files ??= Object.create(null);
            if (!/^[^/\\]+$/.test(name) || name === '.' || name === '..' || name.length > LIMITS.fileName) {
                throw new Error(`"${name.slice(0, 40)}" is not a file name in "."`);
            }
            if (Object.keys(state.files).length === LIMITS.files) throw new Error(`more than ${LIMITS.files} files`);
            if (Object.hasOwn(state.files, name)) throw new Error(`the file ${name} is given twice`);
            state.files[name] = value;
        } else if (key === 'files') {
            // The files in "." are exactly the f. ones, none if there are none.
            flag(value, key);
            state.files ??= Object.create(null);
        } else if (FLAGS.includes(key)) {
            state[key] = flag(value, key);
        } else {
            throw new Error(`the link names "${key.slice(0, 40)}", which the page does not know`);
        }
    }
    if (state.step !== undefined && state.step > state.commands.length) throw new Error('the step is past the last command');
    if (state.program === undefined && ['args', 'stdin', 'clock', 'shown', 'typed', 'eof', 'inside', 'run'].some((k) => params.has(k))) {
        throw new Error('the link gives a program\'s settings without the program');
    }
    return state;
}

// The fragment for a state of the shape readFragment returns.
export function writeFragment(state) {
    const params = new URLSearchParams();
    if (state.view) params.append('view', state.view);
    if (state.embed) params.append('embed', '1');
    for (const c of state.commands || []) params.append('c', c);
    if (state.commands?.length && state.step !== state.commands.length) params.append('step', String(state.step));
    if (state.program) {
        params.append('program', state.program);
        for (const key of ['args', 'stdin', 'clock']) if (state[key] !== undefined) params.append(key, state[key]);
        if (state.files) {
            params.append('files', '1');
            for (const [name, text] of Object.entries(state.files)) params.append(`f.${name}`, text);
        }
        for (const key of ['typed', 'eof', 'inside', 'run']) if (state[key] !== undefined) params.append(key, state[key] ? '1' : '0');
        for (const line of state.lines || []) params.append('line', line);
        if (state.shown !== undefined) params.append('shown', String(state.shown));
    }
    return `#${params.toString()}`;
}
