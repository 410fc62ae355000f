// Editing a deliverable of the tree in the Lab: its own sources as tabs, the headers they include
// read-only beside them; Build compiles the edit in the page from the deliverable's recipe (its
// native declaration's, web/edit/CMakeLists.txt) and puts the module in the finished one's place:
// the programs view runs it (in a worker with a time limit, runner.js), the buffers view steps it
// in a pane of its own beside the reference. Reset brings back the tree's files; the patch
// of the edit applies to the tree with git apply.
//   attachEditing(section, lab) -> { edit(name) }
import { createEditor } from '../editor.js';
import { download, readChosen } from '../store.js';
import { LIMITS } from '../backend.js';
import { parseDiagnostics } from '../diagnostics.js';
import { showDiagnostics, countMessages, plural } from '../results.js';
import { editMarkup } from './markup.js';
import { createEdits } from './edits.js';
import { buildJob } from './build.js';
import { patchOf } from './patch.js';
import { editedRunner } from './runner.js';
import { exclusive } from '../exclusive.js';
import { editedOutcomes } from './edited-pane.js';

const decoder = new TextDecoder();

function button(text, onClick, attrs = {}) {
    const b = document.createElement('button');
    b.type = 'button';
    b.textContent = text;
    b.addEventListener('click', onClick);
    for (const [k, v] of Object.entries(attrs)) b.setAttribute(k, v);
    return b;
}

export function attachEditing(section, lab) {
    const holder = document.createElement('section');
    holder.id = 'edit';
    holder.className = 'edit';
    holder.setAttribute('aria-labelledby', 'edit-title');
    holder.hidden = true;
    holder.innerHTML = editMarkup();
    section.prepend(holder);
    const $ = (id) => holder.querySelector(`#${id}`);
    // What is being edited: the deliverable, its recipe, the file shown, the texts as they stand,
    // the last build's messages by file, and the module in the finished one's place, if any.
    const state = { name: null, recipe: null, file: null, texts: new Map(), diagnostics: new Map(), built: null, busy: false };
    let files = null, recipes = null, edits = null;

    const say = (text, tone = '') => {
        $('edit-status').textContent = text;
        $('edit-status').className = `status ${tone}`;
    };
    const sources = () => state.recipe.sources.map((s) => s.file);
    const original = (file) => decoder.decode(files.get(sources().includes(file) ? `src/${file}` : `include/${file}`));
    const changed = () => sources().some((file) => state.texts.get(file) !== original(file));
    const key = (file) => `${state.name}:${file}`;

    // Made when a deliverable is first edited: most visits to the Lab never edit one.
    let editor = null;
    const makeEditor = () => createEditor($('edit-editor'), 'edit-editor-hint', (text) => {
        if (!sources().includes(state.file)) return;
        state.texts.set(state.file, text);
        edits.save(state.name, state.file, text);
        marks();
        $('edit-diff-text').closest('section').hidden = true;
    });

    function marks() {
        $('edit-mark').hidden = !changed();
        for (const tab of holder.querySelectorAll('.file-tab')) {
            const file = tab.dataset.file;
            tab.setAttribute('aria-pressed', String(file === state.file));
            tab.classList.toggle('changed', state.texts.has(file) && state.texts.get(file) !== original(file));
        }
    }

    function showFile(file) {
        state.file = file;
        const readOnly = !sources().includes(file);
        editor.show(key(file), state.texts.get(file) ?? original(file), { readOnly });
        editor.diagnose(state.diagnostics.get(file) || []);
        marks();
    }

    function tabs() {
        const tab = (file, readOnly) => button(file.split('/').pop(), () => showFile(file),
            { class: 'file-tab', 'data-file': file, title: readOnly ? `${file}, read-only` : file });
        $('edit-sources').replaceChildren(...sources().map((f) => tab(f, false)));
        $('edit-headers').replaceChildren(...state.recipe.headers.map((f) => tab(f, true)));
    }

    // Puts the rebuilt module in the finished one's place, or (null) the finished one back.
    function place(module) {
        const { name, recipe } = state;
        state.built = module ? { texts: new Map(state.texts) } : null;
        if (recipe.view === 'programs') lab.page.programs.setEdited(name, module ? editedRunner(module, LIMITS.megabytes) : null);
        else if (module) lab.page.buffers.addPane({ name, title: `${name} (edited)`, outcome: editedOutcomes(module) });
        else lab.page.buffers.removePane(name);
    }

    function showMessages(log) {
        const all = [];
        state.diagnostics.clear();
        for (const file of sources()) {
            const here = parseDiagnostics(log, file).filter((d) => d.line !== null).map((d) => ({ ...d, file }));
            state.diagnostics.set(file, here);
            all.push(...here.map((d) => ({ ...d, message: `${file}: ${d.message}` })));
        }
        // The linker's, and those of no source (a header's).
        const elsewhere = parseDiagnostics(log, '\0').filter((d) => !sources().some((f) => d.message.includes(`${f}:`)));
        all.push(...elsewhere);
        showDiagnostics($('edit-diagnostics'), all, (line, column, d) => {
            showFile(d.file);
            editor.goTo(line, column);
        });
        $('edit-diagnostics').closest('section').hidden = all.length === 0;
        $('edit-log').textContent = log;
        $('edit-log').parentElement.hidden = !log;
        editor.diagnose(state.diagnostics.get(state.file) || []);
        return all;
    }

    async function build() {
        const { name, recipe } = state;
        say('Loading the compiler…', 'waiting');
        await lab.backend.load();
        say(`Building ${name}…`, 'waiting');
        const started = performance.now();
        const out = await lab.backend.buildSteps(buildJob(recipe, Object.fromEntries(state.texts), LIMITS.megabytes));
        const seconds = ((performance.now() - started) / 1000).toFixed(2);
        if (state.name !== name) return false;
        const { errors, warnings } = countMessages(showMessages(out.log));
        place(out.ok ? out.module : null);
        if (out.ok) {
            const also = warnings ? `, with ${plural(warnings, 'warning')}` : '';
            say(`Built ${name} in ${seconds} s${also}: ${recipe.view === 'programs' ? 'Run runs it with the program\'s files, arguments and input'
                : 'the buffers view steps it beside the finished module'}`, 'good');
        } else {
            say(`Does not compile: ${plural(errors, 'error')}; the finished ${name} stays in use`, 'bad');
        }
        return out.ok;
    }

    const fresh = () => state.built && sources().every((f) => state.built.texts.get(f) === state.texts.get(f));

    async function run() {
        if (!fresh() && !await build()) return;
        if (state.recipe.view === 'programs') {
            lab.page.showView('programs');
            await lab.page.programs.runProgram(state.name);
        } else {
            lab.page.showView('buffers');
        }
    }

    function reset() {
        const shown = state.file;
        // Each file's own undo history takes the tree's text back out.
        for (const file of sources()) {
            showFile(file);
            editor.replace(original(file));
        }
        edits.forget(state.name, sources());
        showFile(shown);
        place(null);
        showMessages('');
        $('edit-diff-text').closest('section').hidden = true;
        say(`Back to the tree's ${state.name}: Ctrl+Z in a file brings your text back`);
    }

    const patch = () => patchOf(sources().map((file) => ({ file, original: original(file), edited: state.texts.get(file) })));

    function showPatch() {
        const text = patch();
        const pre = $('edit-diff-text');
        pre.replaceChildren(...text.split(/(?<=\n)/).map((line) => {
            const span = document.createElement('span');
            span.className = /^(\+\+\+|---|diff )/.test(line) ? 'head' : line[0] === '+' ? 'added' : line[0] === '-' ? 'removed' : '';
            span.textContent = line;
            return span;
        }));
        if (!text) pre.textContent = 'No change: the files are the tree\'s.';
        pre.closest('section').hidden = false;
    }

    async function openFile(input) {
        const [file] = input.files;
        if (!file) return;
        try {
            if (!sources().includes(state.file)) throw new Error(`${state.file} is a header, shown read-only: choose a source's tab first`);
            editor.replace(await readChosen(file));
            say(`Opened ${file.name} into ${state.file}: Ctrl+Z brings the text before it back`);
        } catch (e) {
            say(e.message, 'bad');
        } finally {
            input.value = '';
        }
    }

    // One build or run at a time, of a deliverable opened.
    const alone = (job) => () => (state.name ? exclusive(state, ['edit-build', 'edit-run'], say, job) : undefined);

    // The interfaces' controls step aside while a deliverable is edited (style.css).
    const editing = (on) => {
        holder.hidden = !on;
        section.classList.toggle('editing', on);
    };
    $('edit-back').addEventListener('click', () => editing(false));
    $('edit-build').addEventListener('click', alone(build));
    $('edit-run').addEventListener('click', alone(run));
    $('edit-reset').addEventListener('click', () => state.name && reset());
    $('edit-diff').addEventListener('click', () => state.name && showPatch());
    $('edit-patch').addEventListener('click', () => state.name && download(`${state.name}.patch`, patch()));
    $('edit-open').addEventListener('change', (e) => openFile(e.target));

    async function open(name) {
        editing(true);
        $('edit-name').textContent = name;
        holder.dataset.ready = 'no';
        if (!files) {
            say('Loading the sources…', 'waiting');
            files = await lab.backend.files();
            recipes = JSON.parse(decoder.decode(files.get('edit/recipes.json')));
            edits = createEdits((file) => original(file));
        }
        if (!recipes[name]) throw new Error(`no recipe for ${name} in this copy of the page`);
        editor ??= makeEditor();
        Object.assign(state, { name, recipe: recipes[name], texts: new Map(), built: null });
        state.diagnostics.clear();
        for (const file of sources()) state.texts.set(file, edits.text(name, file));
        tabs();
        showMessages('');
        $('edit-diff-text').closest('section').hidden = true;
        showFile(sources()[0]);
        say(changed() ? `Your edit of ${name}, kept from before: Build, then Run` : `The tree's ${name}: edit, Build, then Run`);
        holder.dataset.ready = 'yes';
    }

    // A deliverable this copy of the page cannot build (no compiler, no recipe) says why.
    const edit = (name) => open(name).catch((e) => say(`${name} cannot be edited here: ${e.message}`, 'bad'));
    return { edit };
}
