// The buffers view: one command line drives bufdemo over the four buffer modules. Each module
// is kept alive between commands (stepper.js), so a command costs one command's work however many
// came before; the outcome of every step is kept for stepping to and fro, and a copy of each
// module's memory every few steps, from which typing after an earlier step goes on. Beside the
// four reference modules, a pane for a learner's own module (setLearner) steps the same way.
import { module, textOf, keys } from './data.js';
import { Stepper } from './stepper.js';
import { drawRecords, describeBytes, KINDS } from './draw.js';
import { paintMemory } from './memory.js';
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

// "gridrow's", "yours'".
const whose = (name) => (name.endsWith('s') ? `${name}'` : `${name}'s`);

const newTrack = (memory) => ({ live: null, at: 0, checkpoints: new Map(), outcomes: new Map(), memory });

const compiled = (m) => (m.learner ? m.module : module(`bufstep-${m.name}`));

// What the panes show for a step: { block, stderr, status, fault, records, recordsError, drawing },
// the same as a run of bufdemo -j on the commands up to it, ended there; and while the pane shows
// the module's memory, that memory as it was at the step (memory, from Stepper.memory), taken
// as the module passes the step: an outcome kept without it is made again from a checkpoint.
async function outcomeAt(view, index, step) {
    const track = view.tracks[index];
    // The learner's pane went, or changed, while this was under way: nothing to show.
    if (!track) return null;
    const known = track.outcomes.get(step);
    if (known && (!track.memory || known.memory !== undefined)) return known;
    if (!track.live || track.at > step) {
        let from = 0;
        for (const k of track.checkpoints.keys()) if (k <= step && k > from) from = k;
        const checkpoint = track.checkpoints.get(from) || null;
        const started = view.generation;
        const live = await Stepper.start(await compiled(view.modules[index]), checkpoint);
        // The commands changed meanwhile: start again from what is left.
        if (started !== view.generation) return view.tracks[index] === track ? outcomeAt(view, index, step) : null;
        Object.assign(track, { live, at: from });
        keep(track, from, checkpoint ? checkpoint.last : live.outcome(''));
    }
    while (track.at < step) {
        const outcome = track.live.command(view.commands[track.at]);
        track.at += 1;
        if (track.memory) outcome.memory = track.live.memory();
        keep(track, track.at, outcome);
        if (track.at % CHECKPOINT_EVERY === 0) track.checkpoints.set(track.at, track.live.checkpoint());
    }
    const outcome = track.outcomes.get(step);
    if (track.memory && outcome.memory === undefined) outcome.memory = track.live.memory();
    return outcome;
}

function element(tag, cls, text) {
    const e = document.createElement(tag);
    if (cls) e.className = cls;
    if (text !== undefined) e.textContent = text;
    return e;
}

// A module's pane, in the page's #panes; it keeps the pane's parts and what its picture last drew
// (patchPicture). A learner's module has no records: its memory stands in their place, shown from
// the start. An added one (addPane: a rebuild of a module from an edit) shows what a module does,
// under a title of its own (m.title), beside the module's pane (m.beside), its memory not known;
// the reference modules' panes offer their sources for editing (view.onEdit).
function makePane(view, m) {
    const id = m.added ? `${m.name}-added` : m.name;
    const pane = element('article', 'pane');
    if (m.added) pane.dataset.added = m.name;
    else pane.dataset.module = m.name;
    pane.setAttribute('aria-labelledby', `pane-${id}`);
    const head = element('header');
    const kind = element('span', 'kind', m.learner ? 'your module: what it printed, and its memory' : '');
    const title = element('h2', null, m.title || m.name);
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
    const memory = element('div', 'memory');
    memory.setAttribute('role', 'img');
    memory.tabIndex = 0;
    memory.hidden = !m.learner;
    const toggle = element('input');
    toggle.type = 'checkbox';
    toggle.checked = !!m.learner;
    toggle.setAttribute('aria-label', `show ${whose(m.name)} memory`);
    toggle.addEventListener('change', () => {
        view.tracks[view.modules.indexOf(m)].memory = toggle.checked;
        paint(view);
    });
    const shows = element('label', 'memory-toggle');
    shows.append(toggle, 'memory');
    head.append(title, kind, m.added ? '' : shows, exportButtons(() => (m.learner ? memory : picture),
        () => `${id}-step-${view.step}`, `${m.title || m.name}'s picture`));
    if (view.onEdit && !m.learner && !m.added) {
        const edit = element('button', 'edit-button', 'Edit source');
        edit.type = 'button';
        edit.setAttribute('aria-label', `Edit source of ${m.name}`);
        edit.addEventListener('click', () => view.onEdit(m.name));
        head.append(edit);
    }
    if (m.learner) picture.hidden = asText.hidden = bytes.hidden = true;
    pane.append(head, text, status, picture, asText, bytes, memory);
    if (m.beside) m.beside.after(pane);
    else document.getElementById('panes').append(pane);
    return { name: m.name, learner: !!m.learner, pane, head, kind, text, status, picture, asText, drawing, bytes, memory, toggle };
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
    pane.memory.hidden = !pane.toggle.checked;
    if (pane.toggle.checked) {
        if (outcome.memory) paintMemory(pane.memory, outcome.memory, whose(pane.name));
        else {
            pane.memory.setAttribute('aria-label', `${whose(pane.name)} memory: not known`);
            pane.memory.replaceChildren(element('p', 'no-records', 'this module keeps no table of its blocks'));
        }
    }
    if (pane.learner) return;
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
    const panes = [...view.panes, ...view.extra.map((e) => e.pane)];
    const outcomes = await Promise.all([...view.modules.map((m, i) => outcomeAt(view, i, step)),
        ...view.extra.map((e) => e.outcome(view.commands, step))]);
    if (view.pending !== request) return;
    outcomes.forEach((o, i) => paintPane(panes[i], o, step));
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

// The exports a module needs to step as a pane (lab_step.c has them), and no imports but WASI's.
const STEPS = ['memory', 'step_line', 'step_start', 'step_command'];

function learnerProblem(view, learner) {
    if (typeof learner.name !== 'string' || !/^[\w.-]{1,40}$/.test(learner.name)) return 'a name of 1 to 40 letters, digits, _ . or -';
    if (view.modules.some((m) => !m.learner && m.name === learner.name)) return `a name of its own, not ${learner.name}`;
    if (!(learner.module instanceof WebAssembly.Module)) return 'a compiled WebAssembly.Module';
    const exported = WebAssembly.Module.exports(learner.module).map((e) => e.name);
    const missing = STEPS.filter((name) => !exported.includes(name));
    if (missing.length) return `a module that exports ${missing.join(', ')}`;
    const foreign = WebAssembly.Module.imports(learner.module).find((i) => i.module !== 'wasi_snapshot_preview1');
    if (foreign) return `a module that imports nothing but WASI's calls, not ${foreign.module}.${foreign.name}`;
    return null;
}

// Puts a learner's module in a pane of its own after the reference ones ({ name, module }), in
// place of the one there before; null takes it away. It steps through the same commands.
function setLearner(view, learner) {
    const problem = learner && learnerProblem(view, learner);
    if (problem) throw new TypeError(`setLearner needs ${problem}`);
    const at = view.modules.findIndex((m) => m.learner);
    if (at >= 0) {
        view.panes[at].pane.remove();
        for (const list of [view.modules, view.tracks, view.panes]) list.splice(at, 1);
    }
    if (learner) {
        const m = { name: learner.name, learner: true, module: learner.module };
        view.modules.push(m);
        view.tracks.push(newTrack(true));
        view.panes.push(makePane(view, m));
    }
    return paint(view);
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
        modules: [...modules],
        commands: [],
        step: 0,
        tracks: modules.map(() => newTrack(false)),
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
    view.panes = view.modules.map((m) => makePane(view, m));
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
            const beside = document.querySelector(`#panes .pane[data-module="${name}"]`);
            const pane = makePane(view, { name, title, added: true, beside });
            pane.pane.classList.add('added');
            view.extra.push({ pane, outcome });
            return paint(view);
        },
        removePane,
        restore,
        // The first paint: a linked state's commands at its step, or the empty buffer.
        start: (linked) => (linked ? restore(linked.commands, linked.step) : paint(view)),
        // The commands and the step shown, for the page's link.
        state: () => ({ commands: [...view.commands], step: view.step }),
        setLearner: (learner) => setLearner(view, learner),
    };
}
