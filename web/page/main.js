import { loadData, manifest } from './data.js';
import { createBuffersView } from './buffers.js';
import { createProgramsView } from './programs.js';
import { programList } from './setup.js';
import { readFragment, writeFragment } from './link.js';

// The Lab's editor and compiler are far larger than the rest of the page, and most visits never
// open it: its script comes when it is first shown. A classic script, as file:// allows no other.
function openLab(page) {
    if (page.lab) return;
    const section = document.getElementById('lab');
    page.lab = document.createElement('script');
    page.lab.src = 'lab/lab.js';
    page.lab.onload = () => {
        window.wbLab.open(section, page);
        if (page.editing) editSource(page, page.editing);
    };
    page.lab.onerror = () => {
        section.firstElementChild.textContent = 'The Lab could not be loaded: lab/lab.js is missing from this copy of the page.';
        section.firstElementChild.className = 'failure';
    };
    document.head.append(page.lab);
}

// "Edit source" on a program or a buffer module: its sources in the Lab, once the Lab has come.
function editSource(page, name) {
    page.editing = name;
    if (page.view !== 'lab') showView(page, 'lab');
    if (window.wbLab?.edit) window.wbLab.edit(document.getElementById('lab'), name);
}

function showView(page, name) {
    page.view = name;
    for (const tab of document.querySelectorAll('.tab')) tab.setAttribute('aria-pressed', String(tab.dataset.view === name));
    for (const section of document.querySelectorAll('.view')) section.hidden = section.id !== name;
    if (name === 'lab') openLab(page);
}

function embed(page, on) {
    page.embedded = on;
    document.body.classList.toggle('embed', on);
}

// The fragment of the link that reopens what is shown.
function currentFragment(page) {
    return writeFragment({ view: page.view, embed: page.embedded, ...page.buffers.state(),
        ...(page.view === 'programs' ? page.programs.state() : {}) });
}

// Why a fragment could not be opened again (past a link's bounds), or null.
function unlinkable(page, fragment) {
    try {
        readFragment(fragment, page.names);
        return null;
    } catch (e) {
        return e.message;
    }
}

// The state goes into the URL as it changes, without a history entry for each change. The
// listeners are the document's, so each runs after the control's own handler has changed the state.
// After a repaint or a keystroke it waits for typing to pause: with a thousand commands the URL
// is long, and writing it at each one would cost more than the repaint.
function remember(page, event) {
    // A submit button's click starts a run or a repaint, whose own event follows.
    if (event?.type === 'click' && event.target.type === 'submit') return;
    clearTimeout(page.later);
    if (event?.type === 'wb-painted' || event?.type === 'input') {
        page.later = setTimeout(() => remember(page), 300);
        return;
    }
    const fragment = currentFragment(page);
    if (location.hash !== fragment && !unlinkable(page, fragment)) history.replaceState(null, '', fragment);
}

// A fragment typed or followed later: a bad one is said and left alone, as at the start.
function linked(page, hash) {
    const error = document.getElementById('fragment-error');
    try {
        const state = readFragment(hash, page.names);
        error.hidden = true;
        return state;
    } catch (e) {
        error.textContent = `This link's state could not be opened, so the page starts afresh: ${e.message}.`;
        error.hidden = false;
        return {};
    }
}

// The link, copied where the browser allows it, and shown in a field to copy by hand (some
// browsers refuse the clipboard to a page opened from the disk).
async function copyLink(page) {
    const fragment = currentFragment(page);
    const link = location.href.replace(/#.*$/, '') + fragment;
    const status = document.getElementById('link-status');
    const field = document.getElementById('link-text');
    const bad = unlinkable(page, fragment);
    if (bad) {
        field.hidden = true;
        status.textContent = `no link for this state: ${bad}`;
        return;
    }
    field.value = link;
    field.hidden = false;
    try {
        await navigator.clipboard.writeText(link);
        status.textContent = 'link copied';
    } catch (e) {
        field.select();
        status.textContent = 'copy the link from the field';
    }
}

async function apply(page, state) {
    embed(page, !!state.embed);
    showView(page, state.view || (state.program ? 'programs' : 'buffers'));
    if (state.commands?.length) await page.buffers.restore(state.commands, state.step);
    if (state.program) await page.programs.restore(state);
}

async function start() {
    await loadData();
    const built = manifest();
    const programs = programList(built);
    // The page's state: the view shown, whether it is embedded, the URL's pending write, the Lab's
    // script once asked for, and the two views, each holding its own; and
    // the deliverable last asked to be edited, and the views' way into the Lab for it.
    const page = {
        names: new Set(programs.map((p) => p.name)),
        view: 'buffers',
        embedded: false,
        later: null,
        lab: null,
        editing: null,
        showView: (name) => {
            showView(page, name);
            remember(page);
        },
    };
    const hooks = { onEdit: (name) => editSource(page, name) };
    page.programs = createProgramsView(programs, hooks);
    page.buffers = createBuffersView(built.bufferModules, hooks);
    const state = linked(page, location.hash);
    embed(page, !!state.embed);
    for (const tab of document.querySelectorAll('.tab')) {
        tab.addEventListener('click', () => {
            showView(page, tab.dataset.view);
            remember(page);
        });
    }
    showView(page, state.view || (state.program ? 'programs' : 'buffers'));
    await page.programs.start(state);
    await page.buffers.start(state.commands?.length ? state : null);
    document.getElementById('copy-link').addEventListener('click', () => copyLink(page));
    for (const type of ['input', 'change', 'click', 'wb-painted', 'wb-ran']) document.addEventListener(type, (event) => remember(page, event));
    window.addEventListener('hashchange', () => {
        if (location.hash !== currentFragment(page)) apply(page, linked(page, location.hash)).then(() => remember(page));
    });
    remember(page);
    // A case the Lab's check failed, replayed in the buffers view: the learner's module in a pane
    // beside the four, the cut-down script as the commands, stepped to the first command whose
    // output differs (at is that line's index; the end of input's is the script's length).
    page.openLabFailure = async (result, module) => {
        await page.buffers.setLearner({ name: 'yours', module });
        showView(page, 'buffers');
        await page.buffers.restore(result.script, Math.min(result.at + 1, result.script.length));
        remember(page);
    };
    // The page's views, for what drives them from outside their own controls: a learner's module
    // handed to the buffers view (page.buffers.setLearner), and the browser tests.
    window.workbench = page;
    document.body.dataset.ready = 'yes';
}

start().catch((e) => {
    document.body.dataset.ready = 'failed';
    const p = document.createElement('p');
    p.className = 'failure';
    p.textContent = `The page could not start: ${e.message}`;
    document.querySelector('main').prepend(p);
    throw e;
});
