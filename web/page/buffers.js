// The buffers view: one command line drives bufdemo over the four buffer modules. Every step is
// a fresh run of each module on the commands up to it; a module keeps no state between runs, so
// stepping back is running on a shorter prefix (remembered, for stepping to and fro).
import { module, textOf } from './data.js';
import { runModule, concat } from './wasi.js';
import { drawRecords, describeBytes } from './draw.js';

export const MODULES = [
    { name: 'gridrow', kind: 'a fixed array with a cursor index' },
    { name: 'pilerow', kind: 'two stacks meeting at the cursor' },
    { name: 'chainrow', kind: 'a chain of cells from a dummy cell' },
    { name: 'chunkrow', kind: 'linked blocks of a few characters' },
];

const decoder = new TextDecoder();
const state = { commands: [], step: 0 };
const cache = MODULES.map(() => new Map());
const panes = [];
let paints = 0;
let pending = null;

// What bufdemo printed for the last command it ran: from its last "> " line to the end. Only the
// tail of the output is decoded, as much of it as holds that line: with 1,000 commands the whole
// would cost more than the run.
export function lastBlock(log) {
    const parts = log.filter((e) => e.fd === 1).flatMap((e) => e.parts || [e.bytes]);
    // Joined as bytes: a character split between two parts must not decode as two bad ones.
    let tail = '';
    for (let from = parts.length - 1; from >= 0; from--) {
        tail = decoder.decode(concat(parts.slice(from)));
        const at = tail.lastIndexOf('\n> ');
        if (at >= 0) return tail.slice(at + 1);
    }
    return tail.startsWith('> ') ? tail : '';
}

async function runStep(index, step) {
    const known = cache[index].get(step);
    if (known) return known;
    const name = `bufdemo-${MODULES[index].name}`;
    const stdin = step ? `${state.commands.slice(0, step).join('\n')}\n` : '';
    const result = await runModule(await module(name), {
        name, args: ['-j', 'records.json'], stdin, tty: false,
    });
    let records = null;
    let recordsError = null;
    // bufdemo writes its records when it reaches the end of its input; a run that died earlier
    // may leave the file empty.
    if (result.files['records.json']?.length) {
        try {
            records = JSON.parse(decoder.decode(result.files['records.json']));
        } catch (e) {
            recordsError = `records.json is not JSON: ${e.message}`;
        }
    }
    const outcome = {
        block: lastBlock(result.log),
        stderr: decoder.decode(result.stderr),
        status: result.status,
        fault: result.fault,
        records,
        recordsError,
    };
    cache[index].set(step, outcome);
    return outcome;
}

function element(tag, cls, text) {
    const e = document.createElement(tag);
    if (cls) e.className = cls;
    if (text !== undefined) e.textContent = text;
    return e;
}

function makePanes() {
    const holder = document.getElementById('panes');
    for (const m of MODULES) {
        const pane = element('article', 'pane');
        pane.dataset.module = m.name;
        const head = element('header');
        head.append(element('h2', null, m.name), element('span', 'kind', m.kind));
        const text = element('pre', 'display');
        const status = element('div', 'status');
        const picture = element('div', 'picture');
        const bytes = element('p', 'bytes');
        pane.append(head, text, status, picture, bytes);
        holder.append(pane);
        panes.push({ text, status, picture, bytes });
    }
}

const template = document.createElement('template');

// Replaces only the items of the row that changed since the last picture: with a long text most
// cells stay as they were, and rebuilding them all would cost most of a frame.
function patchPicture(pane, drawn) {
    const old = pane.drawn;
    if (!old || old.kind !== drawn.kind) {
        pane.picture.innerHTML = `<div class="records ${drawn.kind}"><div class="label"></div><div class="row"></div></div>`;
        pane.label = pane.picture.querySelector('.label');
        pane.row = pane.picture.querySelector('.row');
    }
    if (!old || old.label !== drawn.label) pane.label.textContent = drawn.label;
    const before = old && old.kind === drawn.kind ? old.items : [];
    const row = pane.row;
    const keep = Math.min(before.length, drawn.items.length);
    for (let i = 0; i < keep; i++) {
        if (before[i] === drawn.items[i]) continue;
        template.innerHTML = drawn.items[i];
        row.children[i].replaceWith(template.content.firstChild);
    }
    while (row.children.length > drawn.items.length) row.lastChild.remove();
    if (drawn.items.length > keep) {
        template.innerHTML = drawn.items.slice(keep).join('');
        row.append(template.content);
    }
    pane.drawn = drawn;
}

function paintPane(pane, outcome, step) {
    pane.text.textContent = step === 0 ? '(no command yet)' : outcome.block || '(no output for this command)';
    let status = '';
    if (outcome.fault) status = outcome.fault;
    else if (outcome.status !== 0) status = `exit status ${outcome.status}`;
    pane.status.replaceChildren();
    if (outcome.stderr) pane.status.append(element('pre', 'stderr', outcome.stderr));
    if (status) pane.status.append(element('span', 'exit', status));
    if (outcome.records) {
        patchPicture(pane, drawRecords(outcome.records));
        pane.bytes.replaceChildren(
            element('span', 'count', `bytes: ${describeBytes(outcome.records.bytes)}`),
            element('span', 'wasm-note',
                'counted in wasm32, where a pointer takes 4 bytes: the native -i drawing counts 8, so its totals are larger'));
    } else {
        pane.drawn = null;
        pane.picture.replaceChildren(element('p', 'no-records', outcome.recordsError ||
            (outcome.status === 0 ? 'this build of bufdemo wrote no records' :
                'no records: the program ended before the end of its input')));
        pane.bytes.replaceChildren();
    }
}

function paintControls() {
    const n = state.commands.length;
    const slider = document.getElementById('step');
    slider.max = String(n);
    slider.value = String(state.step);
    document.getElementById('step-label').textContent = state.step === 0
        ? `step 0 of ${n}: the empty buffer`
        : `step ${state.step} of ${n}: ${state.commands[state.step - 1]}`;
    document.getElementById('first').disabled = document.getElementById('back').disabled = state.step === 0;
    document.getElementById('last').disabled = document.getElementById('forward').disabled = state.step === n;
}

// Runs the four modules for the shown step and repaints; a newer request supersedes one still
// running, so a fast typist sees the latest step.
async function paint() {
    const step = state.step;
    const request = {};
    pending = request;
    const outcomes = await Promise.all(MODULES.map((m, i) => runStep(i, step)));
    if (pending !== request) return;
    outcomes.forEach((o, i) => paintPane(panes[i], o, step));
    paintControls();
    paints += 1;
    document.body.dataset.paints = String(paints);
    document.dispatchEvent(new CustomEvent('wb-painted', { detail: { step } }));
}

function forget(fromStep) {
    for (const c of cache) for (const k of c.keys()) if (k > fromStep) c.delete(k);
}

export function enterCommand(command) {
    if (state.step < state.commands.length) {
        state.commands.length = state.step;
        forget(state.step);
    }
    state.commands.push(command);
    state.step = state.commands.length;
    return paint();
}

function goTo(step) {
    state.step = Math.max(0, Math.min(state.commands.length, step));
    return paint();
}

// A sample's commands up to its Q (the page needs no quit) without its empty lines.
function sampleCommands(file) {
    const commands = [];
    for (const line of textOf(`sample/buffers/${file}`).split('\n')) {
        if (line.startsWith('Q')) break;
        if (line !== '') commands.push(line);
    }
    return commands;
}

function refuse(input, message) {
    input.setCustomValidity(message);
    input.reportValidity();
}

export async function startBuffers() {
    makePanes();
    document.getElementById('buffer-manual').addEventListener('click', () => {
        document.getElementById('manual-text').textContent = textOf('man/workbench-buffer.3');
        document.getElementById('manual').showModal();
    });
    const input = document.getElementById('command');
    input.addEventListener('input', () => input.setCustomValidity(''));
    document.getElementById('command-form').addEventListener('submit', (event) => {
        event.preventDefault();
        const command = input.value;
        if (command === '') return refuse(input, 'Type a command first, e.g. Ihello');
        if (command.startsWith('Q')) return refuse(input, 'Q quits bufdemo; here there is nothing to quit');
        input.value = '';
        enterCommand(command);
    });
    document.getElementById('first').addEventListener('click', () => goTo(0));
    document.getElementById('back').addEventListener('click', () => goTo(state.step - 1));
    document.getElementById('forward').addEventListener('click', () => goTo(state.step + 1));
    document.getElementById('last').addEventListener('click', () => goTo(state.commands.length));
    document.getElementById('step').addEventListener('input', (e) => goTo(Number(e.target.value)));
    document.getElementById('clear').addEventListener('click', () => {
        state.commands = [];
        forget(-1);
        goTo(0);
    });
    for (const button of document.querySelectorAll('[data-sample]')) {
        button.addEventListener('click', () => {
            state.commands = sampleCommands(button.dataset.sample);
            forget(-1);
            goTo(state.commands.length);
        });
    }
    await paint();
}
