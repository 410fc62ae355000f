// The buffers view: one command line drives bufdemo over the four buffer modules. Every step is
// a fresh run of each module on the commands up to it; a module keeps no state between runs, so
// stepping back is running on a shorter prefix (remembered, for stepping to and fro).
import { module, textOf } from './data.js';
import { runModule, concat } from './wasi.js';
import { drawRecords, describeBytes } from './draw.js';
import { announce, scrollBehavior } from './announce.js';
import { exportButtons } from './export.js';

export const MODULES = [
    { name: 'gridrow', kind: 'a fixed array with a cursor index' },
    { name: 'pilerow', kind: 'two stacks meeting at the cursor' },
    { name: 'chainrow', kind: 'a chain of cells from a dummy cell' },
    { name: 'chunkrow', kind: 'linked blocks of a few characters' },
];

const decoder = new TextDecoder();
const state = { commands: [], step: 0 };
const cache = MODULES.map(() => new Map());
// The -i text drawing of each step's records, run only while a pane's text is open.
const drawings = MODULES.map(() => new Map());
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

function runBufdemo(index, step, args) {
    const name = `bufdemo-${MODULES[index].name}`;
    const stdin = step ? `${state.commands.slice(0, step).join('\n')}\n` : '';
    return module(name).then((m) => runModule(m, { name, args, stdin, tty: false }));
}

// The lines bufdemo -i draws after the display of the step's command: the text equivalent of
// the picture, the same records drawn by the module itself.
async function textDrawing(index, step) {
    if (step === 0) return '(no command yet: no records drawn)';
    const known = drawings[index].get(step);
    if (known !== undefined) return known;
    const block = lastBlock((await runBufdemo(index, step, ['-i'])).log);
    const lines = block.split('\n');
    const caret = lines.findLastIndex((l) => /^ *\^$/.test(l));
    const text = caret < 0 ? '(no drawing: the program ended before it)' : lines.slice(caret + 1).join('\n').trimEnd();
    drawings[index].set(step, text);
    return text;
}

async function runStep(index, step) {
    const known = cache[index].get(step);
    if (known) return known;
    const result = await runBufdemo(index, step, ['-j', 'records.json']);
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
    MODULES.forEach((m, index) => {
        const pane = element('article', 'pane');
        pane.dataset.module = m.name;
        pane.setAttribute('aria-labelledby', `pane-${m.name}`);
        const head = element('header');
        const title = element('h2', null, m.name);
        title.id = `pane-${m.name}`;
        const text = element('pre', 'display');
        const status = element('div', 'status');
        const picture = element('div', 'picture');
        picture.setAttribute('role', 'img');
        picture.tabIndex = 0;
        text.tabIndex = 0;
        const asText = element('details', 'as-text');
        const drawing = element('pre', 'drawing');
        drawing.tabIndex = 0;
        asText.append(element('summary', null, 'the records as text (bufdemo -i)'), drawing);
        const bytes = element('p', 'bytes');
        const entry = { index, text, status, picture, asText, drawing, bytes };
        asText.addEventListener('toggle', () => { if (asText.open) fillText(entry, state.step); });
        head.append(title, element('span', 'kind', m.kind),
            exportButtons(() => picture, () => `${m.name}-step-${state.step}`, `${m.name}'s picture`));
        pane.append(head, text, status, picture, asText, bytes);
        holder.append(pane);
        panes.push(entry);
    });
}

async function fillText(pane, step) {
    const text = await textDrawing(pane.index, step);
    if (state.step === step) pane.drawing.textContent = text;
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
        const drawn = drawRecords(outcome.records);
        patchPicture(pane, drawn);
        pane.picture.setAttribute('aria-label', `${MODULES[pane.index].name}'s records: ${drawn.label}`);
        pane.bytes.replaceChildren(
            element('span', 'count', `bytes: ${describeBytes(outcome.records.bytes)}`),
            element('span', 'wasm-note',
                'counted in wasm32, where a pointer takes 4 bytes: the native -i drawing counts 8, so its totals are larger'));
    } else {
        pane.drawn = null;
        pane.picture.setAttribute('aria-label', `${MODULES[pane.index].name}: no records`);
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
    announce(document.getElementById('step-label').textContent);
    showCursors();
    await Promise.all(panes.filter((p) => p.asText.open).map((p) => fillText(p, step)));
    if (pending !== request) return;
    paints += 1;
    document.body.dataset.paints = String(paints);
    document.dispatchEvent(new CustomEvent('wb-painted', { detail: { step } }));
}

// A long text scrolls inside its pane: keep the cursor in sight.
function showCursors() {
    for (const pane of panes) {
        const mark = pane.picture.querySelector('[data-mark]');
        if (!mark) continue;
        const box = pane.picture;
        const left = mark.getBoundingClientRect().left - box.getBoundingClientRect().left + box.scrollLeft;
        if (left < box.scrollLeft || left > box.scrollLeft + box.clientWidth - 40) {
            box.scrollTo({ left: Math.max(0, left - box.clientWidth / 2), behavior: scrollBehavior() });
        }
    }
}

function forget(fromStep) {
    for (const c of [...cache, ...drawings]) for (const k of c.keys()) if (k > fromStep) c.delete(k);
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

// The commands and the step shown, for the page's link.
export function bufferState() {
    return { commands: [...state.commands], step: state.step };
}

// Reopens a linked state: its commands, already checked as bufdemo commands, at its step.
export function restoreBuffers(commands, step = commands.length) {
    state.commands = [...commands];
    forget(-1);
    return goTo(step);
}

export async function startBuffers(linked) {
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
    if (linked) await restoreBuffers(linked.commands, linked.step);
    else await paint();
}
