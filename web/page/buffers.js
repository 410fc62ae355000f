// The buffers view: one command line drives bufdemo over the four buffer modules. Each module
// is kept alive between commands (stepper.js), so a command costs one command's work however many
// came before; the outcome of every step is kept for stepping to and fro, and a copy of each
// module's memory every few steps, from which typing after an earlier step goes on.
import { module, textOf, keys } from './data.js';
import { Stepper } from './stepper.js';
import { drawRecords, describeBytes, KINDS } from './draw.js';
import { announce, scrollBehavior } from './announce.js';
import { exportButtons } from './export.js';
import { stepControls } from './steps.js';

// A checkpoint every so many steps: going on from an earlier step replays fewer than this.
const CHECKPOINT_EVERY = 32;
// Outcomes kept beyond the checkpoints' own, the latest first to stay.
const OUTCOMES_KEPT = 512;

function keep(track, step, outcome) {
    track.outcomes.delete(step);
    track.outcomes.set(step, outcome);
    if (track.outcomes.size > OUTCOMES_KEPT) track.outcomes.delete(track.outcomes.keys().next().value);
}

// What the panes show for a step: { block, stderr, status, fault, records, recordsError, drawing },
// the same as a run of bufdemo -j on the commands up to it, ended there.
async function outcomeAt(view, index, step) {
    const track = view.tracks[index];
    const known = track.outcomes.get(step);
    if (known) return known;
    if (!track.live || track.at > step) {
        let from = 0;
        for (const k of track.checkpoints.keys()) if (k <= step && k > from) from = k;
        const checkpoint = track.checkpoints.get(from) || null;
        const started = view.generation;
        const live = await Stepper.start(await module(`bufstep-${view.modules[index].name}`), checkpoint);
        // The commands changed meanwhile: start again from what is left.
        if (started !== view.generation) return outcomeAt(view, index, step);
        Object.assign(track, { live, at: from });
        keep(track, from, checkpoint ? checkpoint.last : live.outcome(''));
    }
    while (track.at < step) {
        const outcome = track.live.command(view.commands[track.at]);
        track.at += 1;
        keep(track, track.at, outcome);
        if (track.at % CHECKPOINT_EVERY === 0) track.checkpoints.set(track.at, track.live.checkpoint());
    }
    return track.outcomes.get(step);
}

function element(tag, cls, text) {
    const e = document.createElement(tag);
    if (cls) e.className = cls;
    if (text !== undefined) e.textContent = text;
    return e;
}

// One pane per module, in the page's #panes; each entry keeps the pane's parts and what its
// picture last drew (patchPicture).
function makePanes(view) {
    const holder = document.getElementById('panes');
    return view.modules.map((m) => {
        const made = makePane(view, m.name, m.name);
        made.pane.dataset.module = m.name;
        if (view.onEdit) {
            const edit = element('button', 'edit-button', 'Edit source');
            edit.type = 'button';
            edit.setAttribute('aria-label', `Edit source of ${m.name}`);
            edit.addEventListener('click', () => view.onEdit(m.name));
            made.head.append(edit);
        }
        holder.append(made.pane);
        return made;
    });
}

// A pane's parts, for a module `name`, titled `heading`, its ids from `id`.
function makePane(view, name, heading, id = name) {
    const pane = element('article', 'pane');
    pane.setAttribute('aria-labelledby', `pane-${id}`);
    const head = element('header');
    const kind = element('span', 'kind');
    const title = element('h2', null, heading);
    title.id = `pane-${id}`;
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
    head.append(title, kind,
        exportButtons(() => picture, () => `${id}-step-${view.step}`, `${heading}'s picture`));
    pane.append(head, text, status, picture, asText, bytes);
    return { name, pane, head, kind, text, status, picture, asText, drawing, bytes };
}

// Scratch for patchPicture, made once rather than at every patch: neither carries anything from
// one patch to the next.
const template = document.createElement('template');
const range = document.createRange();

// Replaces only the items of the row that changed since the last picture: the same items at
// the start and at the end stay, and what lies between them is rebuilt. An insert or a delete
// inside a long text shifts the cells after it, and those stay too.
function patchPicture(pane, drawn) {
    const old = pane.drawn;
    if (!old || old.kind !== drawn.kind) {
        pane.picture.innerHTML = `<div class="records ${drawn.kind}"><div class="label"></div><div class="row"></div></div>`;
        pane.label = pane.picture.querySelector('.label');
        pane.row = pane.picture.querySelector('.row');
    }
    if (!old || old.label !== drawn.label) pane.label.textContent = drawn.label;
    const before = old && old.kind === drawn.kind ? old.items : [];
    const after = drawn.items;
    let start = 0;
    while (start < before.length && start < after.length && before[start] === after[start]) start++;
    let end = 0;
    while (end < before.length - start && end < after.length - start &&
        before[before.length - 1 - end] === after[after.length - 1 - end]) end++;
    const row = pane.row;
    const gone = before.length - end - start;
    if (gone > 0) {
        range.setStartBefore(row.children[start]);
        range.setEndAfter(row.children[start + gone - 1]);
        range.deleteContents();
    }
    if (after.length - end > start) {
        template.innerHTML = after.slice(start, after.length - end).join('');
        row.insertBefore(template.content, row.children[start] || null);
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
    pane.drawing.textContent = outcome.drawing || 'no records: the program ended before this step';
    if (outcome.records) {
        const drawn = drawRecords(outcome.records);
        pane.kind.textContent = KINDS[drawn.kind];
        patchPicture(pane, drawn);
        pane.picture.setAttribute('aria-label', `${pane.name}'s records: ${drawn.label}`);
        pane.bytes.replaceChildren(
            element('span', 'count', `bytes: ${describeBytes(outcome.records.bytes)}`),
            element('span', 'wasm-note',
                'counted in wasm32, where a pointer takes 4 bytes: the native -i drawing counts 8, so its totals are larger'));
    } else {
        pane.drawn = null;
        pane.picture.setAttribute('aria-label', `${pane.name}: no records`);
        pane.picture.replaceChildren(element('p', 'no-records', outcome.recordsError ||
            (outcome.status === 0 ? 'this build of bufdemo wrote no records' :
                'no records: the program ended before the end of its input')));
        pane.bytes.replaceChildren();
    }
}

function paintControls(view) {
    const n = view.commands.length;
    view.controls.show(view.step, n, view.step === 0
        ? `step 0 of ${n}: the empty buffer`
        : `step ${view.step} of ${n}: ${view.commands[view.step - 1]}`);
}

// Runs each module for the shown step and repaints; a newer request supersedes one still
// running, so a fast typist sees the latest step.
async function paint(view) {
    const step = view.step;
    const request = {};
    view.pending = request;
    const extra = [...view.extra];
    const outcomes = await Promise.all([...view.modules.map((m, i) => outcomeAt(view, i, step)),
        ...extra.map((e) => e.outcome(view.commands, step))]);
    if (view.pending !== request) return;
    outcomes.forEach((o, i) => paintPane(i < view.panes.length ? view.panes[i] : extra[i - view.panes.length].pane, o, step));
    paintControls(view);
    announce(document.getElementById('step-label').textContent);
    showCursors(view.panes);
    view.paints += 1;
    document.body.dataset.paints = String(view.paints);
    document.dispatchEvent(new CustomEvent('wb-painted', { detail: { step } }));
}

// A long text scrolls inside its pane: keep the cursor in sight.
function showCursors(panes) {
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

// The steps after fromStep are gone: so are their outcomes and checkpoints, and a live module
// past it.
function forget(view, fromStep) {
    view.generation += 1;
    for (const track of view.tracks) {
        for (const map of [track.outcomes, track.checkpoints]) for (const k of map.keys()) if (k > fromStep) map.delete(k);
        if (track.at > fromStep) track.live = null;
    }
}

function enterCommand(view, command) {
    if (view.step < view.commands.length) {
        view.commands.length = view.step;
        forget(view, view.step);
    }
    view.commands.push(command);
    view.step = view.commands.length;
    return paint(view);
}

function goTo(view, step) {
    view.step = Math.max(0, Math.min(view.commands.length, step));
    return paint(view);
}

// Replaces all the commands with these, at the given step.
function reset(view, commands, step) {
    view.commands = commands;
    forget(view, -1);
    return goTo(view, step);
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

// The buffers view over the build's buffer modules (`modules`, the manifest's bufferModules), made
// in the page's elements. Its state (the commands, the step shown, and per module the live module
// and its step, the checkpoints and the outcomes by step) is this view's own, handed to the
// functions above; the page reaches it through the methods returned.
// hooks.onEdit(name), when given, opens a module's sources for editing.
export function createBuffersView(modules, hooks = {}) {
    const view = {
        modules,
        commands: [],
        step: 0,
        tracks: modules.map(() => ({ live: null, at: 0, checkpoints: new Map(), outcomes: new Map() })),
        // Counts the changes to the commands, so that a module started before one is not kept.
        generation: 0,
        panes: [],
        // The latest paint asked for, which alone may paint.
        pending: null,
        paints: 0,
        controls: null,
        // Panes beyond the modules' (addPane): { pane, outcome(commands, step) }.
        extra: [],
        onEdit: hooks.onEdit,
    };
    view.panes = makePanes(view);
    view.controls = stepControls('step', (i) => { goTo(view, i); }, { first: 'first', back: 'back', slider: 'step', forward: 'forward', last: 'last', label: 'step-label' });
    document.getElementById('buffer-steps').prepend(...view.controls.parts);
    const clear = document.getElementById('clear');
    for (const key of keys('sample/buffers/')) {
        const file = key.split('/').pop();
        const button = element('button', null, file);
        button.type = 'button';
        button.dataset.sample = file;
        clear.before(button, ' ');
    }
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
        enterCommand(view, command);
    });
    clear.addEventListener('click', () => { reset(view, [], 0); });
    for (const button of document.querySelectorAll('[data-sample]')) {
        button.addEventListener('click', () => {
            const commands = sampleCommands(button.dataset.sample);
            reset(view, commands, commands.length);
        });
    }
    // Reopens a linked state: its commands, already checked as bufdemo commands, at its step.
    const restore = (commands, step = commands.length) => reset(view, [...commands], step);
    const removePane = (name) => {
        for (const e of view.extra.filter((x) => x.pane.name === name)) e.pane.pane.remove();
        view.extra = view.extra.filter((x) => x.pane.name !== name);
    };
    return {
        // A pane of its own for module `name` beside its own (a build of an edit, say), titled
        // `title`, whose outcome(commands, step) is a promise of what it shows at that step, as
        // outcomeAt's; it takes the place of one added before for the same name.
        addPane({ name, title, outcome }) {
            removePane(name);
            const pane = makePane(view, name, title, `${name}-added`);
            pane.pane.classList.add('added');
            pane.pane.dataset.added = name;
            const beside = document.querySelector(`#panes .pane[data-module="${name}"]`);
            if (beside) beside.after(pane.pane);
            else document.getElementById('panes').append(pane.pane);
            view.extra.push({ pane, outcome });
            return paint(view);
        },
        removePane,
        restore,
        // The first paint: a linked state's commands at its step, or the empty buffer.
        start: (linked) => (linked ? restore(linked.commands, linked.step) : paint(view)),
        // The commands and the step shown, for the page's link.
        state: () => ({ commands: [...view.commands], step: view.step }),
    };
}
