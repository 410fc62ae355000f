// The programs view: any module with its arguments, its files in ".", its standard input piped
// or typed line by line, and its output as a terminal shows it.
import { module, textOf, has, keys } from './data.js';
import { runModule } from './wasi.js';
import { drawView } from './draw.js';
import { announce } from './announce.js';
import { exportButtons } from './export.js';
import { stepControls } from './steps.js';

const decoder = new TextDecoder();

function element(tag, attrs = {}, ...children) {
    const e = document.createElement(tag);
    for (const [k, v] of Object.entries(attrs)) {
        if (k === 'class') e.className = v;
        else if (k.startsWith('on')) e.addEventListener(k.slice(2), v);
        else if (v !== false && v !== undefined) e.setAttribute(k, v === true ? '' : v);
    }
    e.append(...children);
    return e;
}

function sample(key) {
    return textOf(`sample/${key}`);
}

// The NAME line of the manual page: "workbench-x - what it does".
function summary(program) {
    if (program.summary) return program.summary;
    const key = `man/${program.man}`;
    if (!has(key)) return '';
    const match = textOf(key).match(/NAME\s*\n\s*\S+ - (.+(?:\n {7}\S.*)*)/);
    return match ? match[1].replace(/\s+/g, ' ') : '';
}

function initialState(program) {
    const files = {};
    for (const [name, key] of Object.entries(program.files || {})) files[name] = sample(key);
    return {
        args: program.args || '',
        files,
        file: Object.keys(files)[0] || null,
        stdin: program.stdin ? sample(program.stdin) : '',
        typed: !!program.dialogue,
        lines: [],
        eof: false,
        fixedClock: '',
        dialogueClock: null,
        result: null,
        inside: false,
        drawings: [],
        shown: 0,
    };
}

// A program's settings and run stay the view's while another program is shown.
function stateOf(view, program) {
    if (!view.states.has(program.name)) view.states.set(program.name, initialState(program));
    return view.states.get(program.name);
}

function words(text) {
    return text.split(/\s+/).filter((w) => w !== '');
}

function clockFor(state) {
    const fixed = state.fixedClock.trim();
    return /^\d+$/.test(fixed) ? Number(fixed) : Math.floor(Date.now() / 1000);
}

async function run(view, program, state) {
    const inside = state.inside && program.view;
    const options = {
        name: program.name,
        args: [...words(state.args), ...(inside ? words(program.view) : [])],
        files: state.files,
        share: program.share && Object.fromEntries(Object.entries(program.share).map(([n, k]) => [n, sample(k)])),
    };
    if (state.typed) {
        // Every rerun of one dialogue must see the same time, or a clock-seeded game would change
        // its draw at each line typed.
        if (state.dialogueClock === null) state.dialogueClock = clockFor(state);
        Object.assign(options, { lines: state.lines, eof: state.eof, clock: state.dialogueClock });
    } else {
        Object.assign(options, { stdin: state.stdin, clock: clockFor(state) });
    }
    // A module rebuilt from an edit in the Lab runs in the finished one's place, its own way.
    const start = view.edited.get(program.name) ?? (async (o) => runModule(await module(program.name), o));
    state.result = await start(options);
    if (inside) {
        // A dialogue stopped at a read has its drawings still in the C library's buffer: the same
        // lines run again to their end give the file as it would be had the learner ended there.
        const files = state.result.waiting ? (await start({ ...options, eof: true })).files : state.result.files;
        state.drawings = decoder.decode(files[VIEW_FILE] || new Uint8Array(0)).split('\n').filter((l) => l).map((l) => {
            try { return JSON.parse(l); } catch (e) { return { kind: 'not JSON', line: l }; }
        });
        // The structure as the run left it; the steps go back from there.
        state.shown = Math.max(state.drawings.length - 1, 0);
    }
    if (view.current === program) {
        showResult(view, program, state);
        announce(`${program.name}: ${statusText(state.result)}`);
    }
    document.dispatchEvent(new CustomEvent('wb-ran', { detail: { name: program.name } }));
}

const VIEW_FILE = 'view.json';

// The drawings of the last run with one shown, and steps over them all.
function insideBlock(program, state) {
    const n = state.drawings.length;
    const box = element('section', { class: 'inside', 'aria-label': 'the inside' });
    const picture = element('div', { class: 'v-picture', role: 'img', tabindex: '0' });
    const go = (i) => {
        state.shown = i;
        const label = `drawing ${i + 1} of ${n}`;
        controls.show(i, n - 1, label);
        picture.innerHTML = drawView(state.drawings[i]);
        const said = `${label}: ${picture.querySelector('.v-label, .label')?.textContent || ''}`;
        picture.setAttribute('aria-label', `${said}; its text drawing is in the output above`);
        return said;
    };
    const controls = stepControls('drawing', go);
    box.append(element('div', { class: 'steps' }, ...controls.parts,
        n ? exportButtons(() => picture, () => `${program.name}-drawing-${state.shown + 1}`, 'the drawing') : ''), picture);
    if (n) go(Math.min(state.shown, n - 1));
    else {
        controls.show(0, 0, 'no drawing');
        picture.append(element('p', { class: 'v-empty' }, `no drawing: the run wrote nothing to ${VIEW_FILE}`));
    }
    return box;
}

function showManual(program) {
    document.getElementById('manual-text').textContent = textOf(`man/${program.man}`);
    document.getElementById('manual').showModal();
}

function sampleSelect(program, onPick) {
    const choices = keys(`sample/${program.samples}/`);
    if (choices.length === 0) return '';
    const select = element('select', { 'aria-label': 'load a bundled sample', onchange: () => {
        if (select.value) onPick(select.value.replace(/^sample\//, ''));
        select.value = '';
    } }, element('option', { value: '' }, 'load a sample\u2026'));
    for (const key of choices) select.append(element('option', { value: key }, key.split('/').pop()));
    return select;
}

function filesBlock(program, state) {
    const tabs = element('div', { class: 'file-tabs', role: 'group', 'aria-label': 'files' });
    const area = element('textarea', { class: 'file-text', spellcheck: 'false', rows: '6', 'aria-label': 'file content' });
    const redraw = () => {
        tabs.replaceChildren();
        for (const name of Object.keys(state.files)) {
            tabs.append(element('button', {
                type: 'button', class: 'file-tab', 'aria-pressed': String(name === state.file),
                onclick: () => { state.file = name; redraw(); },
            }, name));
        }
        tabs.append(element('button', { type: 'button', class: 'small', onclick: () => {
            const name = prompt('File name in "."', 'data.txt');
            if (name && /^[^/\\]+$/.test(name)) {
                if (!(name in state.files)) state.files[name] = '';
                state.file = name;
                redraw();
            }
        } }, '+ file'));
        if (state.file) {
            tabs.append(element('button', { type: 'button', class: 'small', onclick: () => {
                delete state.files[state.file];
                state.file = Object.keys(state.files)[0] || null;
                redraw();
            } }, 'remove'));
            tabs.append(sampleSelect(program, (key) => { state.files[state.file] = sample(key); redraw(); }));
        }
        area.hidden = !state.file;
        area.value = state.file ? state.files[state.file] : '';
    };
    area.addEventListener('input', () => { state.files[state.file] = area.value; });
    redraw();
    return element('fieldset', { class: 'files' }, element('legend', {}, 'files in "."'), tabs, area,
        Object.keys(state.files).length ? '' : element('p', { class: 'hint' }, 'none: this program opens no file unless you add one'),
        program.share ? element('p', { class: 'hint' }, 'Its bundled word list is there too, as in an installed copy: ',
            element('code', {}, '/share/workbench/wordguess.txt')) : '');
}

function stdinBlock(view, program, state) {
    const area = element('textarea', { class: 'stdin-text', spellcheck: 'false', rows: '5', 'aria-label': 'standard input',
        placeholder: 'empty: the program meets the end of its input at its first read' });
    area.value = state.stdin;
    area.addEventListener('input', () => { state.stdin = area.value; });
    area.hidden = state.typed;
    const mode = (typed, text) => element('label', {}, element('input', {
        type: 'radio', name: 'stdin-mode', value: typed ? 'typed' : 'text', checked: state.typed === typed,
        onchange: () => { state.typed = typed; restart(view, program, state); },
    }), text);
    const pick = sampleSelect(program, (key) => { state.stdin = area.value = sample(key); });
    return element('fieldset', { class: 'stdin' }, element('legend', {}, 'standard input'),
        element('div', { class: 'modes' }, mode(false, 'piped from this text'), mode(true, 'typed line by line'),
            state.typed ? '' : pick),
        area);
}

function restart(view, program, state) {
    state.lines = [];
    state.eof = false;
    state.dialogueClock = null;
    state.result = null;
    showProgram(view, program);
    if (state.typed) run(view, program, state);
}

function clockBlock(state) {
    const input = element('input', { class: 'clock', inputmode: 'numeric', placeholder: 'now', size: '11',
        value: state.fixedClock, 'aria-label': 'clock in seconds', oninput: () => { state.fixedClock = input.value; } });
    return element('label', { class: 'clock-line', title: 'the realtime clock the program sees, in seconds since 1970; empty: now' },
        'clock ', input);
}

function terminal(result) {
    const pre = element('pre', { class: 'terminal', tabindex: '0', 'aria-label': 'output' });
    const lastOf = { 1: -1, 2: -1 };
    result.log.forEach((e, i) => { if (e.fd) lastOf[e.fd] = i; });
    result.log.forEach((e, i) => {
        const cls = e.fd === 0 ? 'echo' : e.fd === 1 ? 'out' : 'err';
        pre.append(element('span', { class: cls }, decoder.decode(e.bytes)));
        const bytes = e.bytes;
        if (!result.waiting && e.fd && i === lastOf[e.fd] && bytes.length && bytes[bytes.length - 1] !== 10) {
            pre.append(element('span', { class: 'mark' }, ` \u23ce no line end on ${e.fd === 1 ? 'stdout' : 'stderr'}\n`));
        }
    });
    return pre;
}

function statusText(result) {
    if (result.waiting) return 'waiting for a line of input';
    return result.fault || `exit status ${result.status}`;
}

function statusLine(result) {
    if (result.waiting) return element('p', { class: 'status waiting', 'data-status': 'waiting' }, 'waiting for a line of input');
    if (result.fault) return element('p', { class: 'status bad', 'data-status': 'fault' }, result.fault);
    return element('p', { class: `status ${result.status === 0 ? 'good' : 'bad'}`, 'data-status': String(result.status) },
        `exit status ${result.status}`);
}

function showResult(view, program, state) {
    const holder = document.getElementById('output');
    const result = state.result;
    if (!holder) return;
    holder.replaceChildren();
    if (!result) return;
    const screen = terminal(result);
    holder.append(screen);
    holder.dataset.runs = String(Number(holder.dataset.runs || 0) + 1);
    if (state.typed) {
        const line = element('input', { class: 'line', spellcheck: 'false', 'aria-label': 'a line of input',
            placeholder: result.waiting ? 'type a line, then Enter' : 'the program has ended', disabled: !result.waiting });
        const form = element('form', { class: 'typed', onsubmit: (event) => {
            event.preventDefault();
            state.lines.push(line.value);
            run(view, program, state).then(() => document.querySelector('#output .line')?.focus());
        } }, line,
        element('button', { type: 'submit', disabled: !result.waiting }, 'Enter'),
        element('button', { type: 'button', disabled: !result.waiting, onclick: () => { state.eof = true; run(view, program, state); } }, 'end of input'),
        element('button', { type: 'button', onclick: () => restart(view, program, state) }, 'start over'));
        holder.append(form);
    }
    const foot = element('div', { class: 'foot' }, statusLine(result));
    if (result.clockRead) {
        foot.append(element('p', { class: 'seed' }, `seeded from the clock: ${result.clock}`,
            element('button', { type: 'button', class: 'small', onclick: () => {
                state.fixedClock = String(result.clock);
                document.querySelector('#program .clock').value = state.fixedClock;
            } }, 'keep this time')));
    }
    holder.append(foot);
    if (state.inside && program.view) holder.append(insideBlock(program, state));
    screen.scrollTop = screen.scrollHeight;
}

function showProgram(view, program) {
    view.current = program;
    const state = stateOf(view, program);
    for (const b of document.querySelectorAll('.program-list button')) b.setAttribute('aria-current', String(b.dataset.name === program.name));
    const args = element('input', { class: 'args', spellcheck: 'false', value: state.args, 'aria-label': 'arguments',
        placeholder: '(no arguments)', oninput: () => { state.args = args.value; } });
    const runButton = element('button', { type: 'submit', class: 'run' }, state.typed ? 'Start' : 'Run');
    const form = element('form', { class: 'command-line', onsubmit: (event) => {
        event.preventDefault();
        if (state.typed) restart(view, program, state);
        else run(view, program, state);
    } }, element('span', { class: 'prompt' }, '$'), element('code', {}, program.name), args,
        program.view && state.inside ? element('code', { class: 'view-args', title: 'added for the inside' }, program.view) : '',
        clockBlock(state), runButton);
    const toggle = program.view ? element('label', { class: 'inside-toggle' }, element('input', {
        type: 'checkbox', checked: state.inside, onchange: (event) => {
            state.inside = event.target.checked;
            state.drawings = [];
            state.shown = 0;
            showProgram(view, program);
            if (state.result) run(view, program, state);
        } }), ' show the inside: run it with ', element('code', {}, program.view),
        ` added, as its manual page says, and draw each line of ${VIEW_FILE} below its output`) : '';
    document.getElementById('program').replaceChildren(
        element('header', {}, element('h2', {}, program.name, editedTag(view, program.name)), element('p', { class: 'summary' }, summary(program),
            program.note ? element('span', { class: 'note' }, program.note) : ''),
            element('button', { type: 'button', class: 'manual-button', onclick: () => showManual(program) }, 'manual page'),
            view.onEdit ? element('button', { type: 'button', class: 'edit-button', onclick: () => view.onEdit(program.name) }, 'Edit source') : ''),
        form, toggle,
        element('div', { class: 'inputs' }, filesBlock(program, state), stdinBlock(view, program, state)),
        element('div', { id: 'output', class: 'output' }));
    showResult(view, program, state);
}

// "edited": a module rebuilt from an edit runs in place of the finished one.
function editedTag(view, name) {
    return view.edited.has(name) ? element('span', { class: 'tag edited' }, 'edited') : '';
}

function markEdited(view) {
    for (const b of document.querySelectorAll('.program-list button')) {
        b.querySelector('.edited')?.remove();
        b.append(editedTag(view, b.dataset.name));
    }
}

function selectProgram(view, name) {
    const program = view.programs.find((p) => p.name === name);
    if (!program) throw new Error(`no program ${name}`);
    const state = stateOf(view, program);
    showProgram(view, program);
    if (state.typed && !state.result) run(view, program, state);
    return program;
}

function sameFiles(a, b) {
    const names = Object.keys(a);
    return names.length === Object.keys(b).length && names.every((n) => Object.hasOwn(b, n) && a[n] === b[n]);
}

// What differs from the program's defaults, for the page's link (see link.js).
function programState(view) {
    const program = view.current;
    if (!program) return {};
    const state = stateOf(view, program);
    const initial = initialState(program);
    const linked = { program: program.name };
    if (state.args !== initial.args) linked.args = state.args;
    if (!sameFiles(state.files, initial.files)) linked.files = state.files;
    if (state.typed !== initial.typed) linked.typed = state.typed;
    const clock = state.fixedClock.trim() || (state.result?.clockRead ? String(state.result.clock) : '');
    if (/^\d+$/.test(clock)) linked.clock = clock;
    if (state.typed) {
        linked.lines = state.lines;
        if (state.eof) linked.eof = true;
    } else {
        if (state.stdin !== initial.stdin) linked.stdin = state.stdin;
        if (state.result) linked.run = true;
    }
    if (state.inside) {
        linked.inside = true;
        if (state.drawings.length && state.shown !== state.drawings.length - 1) linked.shown = state.shown;
    }
    return linked;
}

// Reopens a linked program state, checked by link.js, running it if it had run.
async function restoreProgram(view, linked) {
    const program = view.programs.find((p) => p.name === linked.program);
    const state = initialState(program);
    if (linked.args !== undefined) state.args = linked.args;
    if (linked.files) {
        state.files = { ...linked.files };
        state.file = Object.keys(state.files)[0] || null;
    }
    if (linked.stdin !== undefined) state.stdin = linked.stdin;
    if (linked.typed !== undefined) state.typed = linked.typed;
    if (linked.clock !== undefined) state.fixedClock = linked.clock;
    state.lines = [...(linked.lines || [])];
    state.eof = !!linked.eof;
    state.inside = !!(linked.inside && program.view);
    view.states.set(program.name, state);
    showProgram(view, program);
    if (state.typed || linked.run) await run(view, program, state);
    if (linked.shown !== undefined && state.drawings.length) {
        state.shown = Math.min(linked.shown, state.drawings.length - 1);
        showResult(view, program, state);
    }
}

// The programs view over `programs` (setup.js's list), made in the page's elements. Its state (each
// program's settings and last run, and the program shown) is this view's own, handed to the
// functions above; the page reaches it through the methods returned.
// hooks.onEdit(name), when given, opens a program's sources for editing.
export function createProgramsView(programs, hooks = {}) {
    const view = { programs, states: new Map(), current: null, edited: new Map(), onEdit: hooks.onEdit };
    const list = document.getElementById('program-list');
    const group = (title, items) => {
        list.append(element('h3', {}, title));
        for (const p of items) {
            list.append(element('button', { type: 'button', 'data-name': p.name, onclick: () => selectProgram(view, p.name) },
                p.name, p.dialogue ? element('span', { class: 'tag' }, 'dialogue') : ''));
        }
    };
    group('Programs', programs.filter((p) => !p.client));
    group('Library clients', programs.filter((p) => p.client));
    return {
        // The first program shown: a linked one, run if it had run, or intstack.
        start: async (linked) => {
            if (linked?.program) await restoreProgram(view, linked);
            else selectProgram(view, 'intstack');
        },
        state: () => programState(view),
        restore: (linked) => restoreProgram(view, linked),
        // run(options) -> a result as runModule's runs the program from now on; null: the
        // finished module again. Its last run stays shown until it runs again.
        setEdited(name, run) {
            if (run) view.edited.set(name, run);
            else view.edited.delete(name);
            markEdited(view);
            if (view.current?.name === name) showProgram(view, view.current);
        },
        // Shows a program and runs it with its settings, as its Run button does.
        runProgram(name) {
            const program = view.programs.find((p) => p.name === name);
            const state = stateOf(view, program);
            if (state.typed) Object.assign(state, { lines: [], eof: false, dialogueClock: null, result: null });
            showProgram(view, program);
            return run(view, program, state);
        },
    };
}
