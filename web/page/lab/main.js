// The Lab: the learner writes one of the checker's interfaces in C, builds it with the compiler
// that runs in the page, and checks it against the interface. This is its own script
// (site/lab/lab.js), loaded by the core page the first time the Lab's tab opens; the core then
// calls window.wbLab.open(section, page).
import { INTERFACES, SUPPORT_HEADER } from './interfaces.js';
import { makeSkeleton, supportTypedefs } from './skeleton.js';
import { createEditor } from './editor.js';
import { createStore, download, readChosen } from './store.js';
import { createLabBackend } from './backend.js';
import { labMarkup } from './markup.js';
import { exclusive } from './exclusive.js';
import { showDiagnostics, caseRow, countMessages, verdict, plural } from './results.js';
import { attachEditing } from './edit/panel.js';

// The headers' texts, put in by build-site.mjs from the source tree: { path: text }.
/* global WB_LAB_HEADERS */
const HEADERS = WB_LAB_HEADERS;

const skeletons = new Map();
function skeleton(iface) {
    if (!skeletons.has(iface)) {
        const { header } = INTERFACES.find((i) => i.name === iface);
        skeletons.set(iface, makeSkeleton(iface, header, HEADERS[header], supportTypedefs(HEADERS[SUPPORT_HEADER])));
    }
    return skeletons.get(iface);
}

const $ = (id) => document.getElementById(id);

function say(text, tone = '') {
    const status = $('lab-status');
    status.textContent = text;
    status.className = `status ${tone}`;
}

const fileName = (lab) => lab.store.fileName(lab.iface) || `${lab.iface}.c`;

function showInterface(lab, iface) {
    lab.store.flush();
    lab.iface = iface;
    lab.store.choose(iface);
    $('lab-interface').value = iface;
    lab.editor.show(iface, lab.store.source(iface) ?? skeleton(iface));
    $('lab-file').textContent = fileName(lab);
    showDiagnostics($('lab-diagnostics'), [], () => {});
    $('lab-results').replaceChildren();
    say('');
}

// The bar follows every chunk; the status, which a screen reader reads out, only every tenth.
function loadCompiler(lab) {
    const progress = $('lab-progress');
    let said = -1;
    return lab.backend.load((done, total) => {
        progress.max = total || 1;
        progress.value = done;
        const tenth = Math.floor(done * 10 / (total || 1));
        if (done < total && tenth !== said) say(`Loading the compiler… ${(said = tenth) * 10}%`, 'waiting');
    }).then(() => {
        progress.value = progress.max;
        progress.closest('.lab-loading').hidden = true;
    });
}

// One build or check at a time.
const BUTTONS = ['lab-build', 'lab-check'];

// Builds what is in the editor; returns its module, or null when it does not compile.
async function build(lab) {
    const iface = lab.iface, source = lab.editor.text(), name = fileName(lab);
    say('Loading the compiler…', 'waiting');
    await loadCompiler(lab);
    say(`Building ${name}…`, 'waiting');
    const out = await lab.backend.build(iface, name, source);
    lab.built = { iface, source, module: out.ok ? out.module : null };
    if (lab.iface === iface) {
        lab.editor.diagnose(out.diagnostics);
        showDiagnostics($('lab-diagnostics'), out.diagnostics, (line, column) => lab.editor.goTo(line, column));
    }
    $('lab-log').textContent = out.log || '';
    $('lab-log').parentElement.hidden = !out.log;
    const { errors, warnings } = countMessages(out.diagnostics);
    if (out.ok) say(warnings ? `Built, with ${plural(warnings, 'warning')}` : 'Built', 'good');
    else say(`Does not compile: ${plural(errors, 'error')}`, 'bad');
    return lab.built.module;
}

async function check(lab) {
    const iface = lab.iface;
    const fresh = lab.built && lab.built.iface === iface && lab.built.source === lab.editor.text() && lab.built.module;
    const module = fresh ? lab.built.module : await build(lab);
    if (!module) return;
    const list = $('lab-results');
    list.replaceChildren();
    say('Checking…', 'waiting');
    // The buffers view replays a failing buffer case, through the page's hook.
    const opener = (result) => (iface === 'buffer' && result.verdict !== 'passed'
        ? () => (lab.page.openLabFailure ? lab.page.openLabFailure(result, module)
            : say('The buffers view cannot replay a case in this build of the page', 'bad'))
        : null);
    let checked = 0;
    const add = (result) => {
        list.append(caseRow(result, opener(result)));
        say(`Checking… ${++checked} cases done`, 'waiting');
    };
    const outcome = await lab.backend.check(iface, module, { onCase: add });
    // The cases come as their workers finish them; at the end they stand in their own order.
    list.replaceChildren(...outcome.results.map((r) => caseRow(r, opener(r))));
    say(verdict(outcome), outcome.passed === outcome.total ? 'good' : 'bad');
}

async function openFile(lab, input) {
    const [file] = input.files;
    if (!file) return;
    try {
        const text = await readChosen(file);
        lab.store.name(lab.iface, file.name);
        lab.editor.replace(text);
        $('lab-file').textContent = fileName(lab);
        say(`Opened ${file.name}: Ctrl+Z brings the text before it back`);
    } catch (e) {
        say(e.message, 'bad');
    } finally {
        // The same file chosen again is read again.
        input.value = '';
    }
}

function reset(lab) {
    lab.store.name(lab.iface, null);
    lab.editor.replace(skeleton(lab.iface));
    $('lab-file').textContent = fileName(lab);
    say('Back to the skeleton: Ctrl+Z in the editor brings your text back');
}

function open(section, page) {
    if (section.dataset.lab) return;
    section.dataset.lab = 'open';
    section.innerHTML = labMarkup(INTERFACES);
    const lab = { page, iface: null, built: null, busy: false, store: createStore(), backend: createLabBackend() };
    lab.editor = createEditor($('lab-editor'), 'lab-editor-hint', (text) => lab.store.later(lab.iface, text));
    const chosen = lab.store.chosen();
    showInterface(lab, INTERFACES.some((i) => i.name === chosen) ? chosen : INTERFACES[0].name);
    $('lab-interface').addEventListener('change', (e) => showInterface(lab, e.target.value));
    $('lab-open').addEventListener('change', (e) => openFile(lab, e.target));
    $('lab-download').addEventListener('click', () => download(fileName(lab), lab.editor.text()));
    $('lab-reset').addEventListener('click', () => reset(lab));
    $('lab-build').addEventListener('click', () => exclusive(lab, BUTTONS, say, () => build(lab)));
    $('lab-check').addEventListener('click', () => exclusive(lab, BUTTONS, say, () => check(lab)));
    loadCompiler(lab).then(() => { if (!lab.busy) say('The compiler is ready'); },
        (e) => say(`The compiler could not load: ${e.message}`, 'bad'));
    // A deliverable of the tree edited here: the page's "Edit source" (edit/panel.js).
    section.editing = attachEditing(section, lab);
    section.dataset.ready = 'yes';
}

window.wbLab = { open, edit: (section, name) => section.editing.edit(name) };
