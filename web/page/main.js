import { loadData } from './data.js';
import { startBuffers, bufferState, restoreBuffers } from './buffers.js';
import { startPrograms, programState, restoreProgram } from './programs.js';
import { programs } from './setup.js';
import { readFragment, writeFragment } from './link.js';

let view = 'buffers';
let embedded = false;

function showView(name) {
    view = name;
    for (const tab of document.querySelectorAll('.tab')) tab.setAttribute('aria-pressed', String(tab.dataset.view === name));
    for (const section of document.querySelectorAll('.view')) section.hidden = section.id !== name;
}

// The fragment of the link that reopens what is shown.
function currentFragment() {
    return writeFragment({ view, embed: embedded, ...bufferState(), ...(view === 'programs' ? programState() : {}) });
}

// Why a fragment could not be opened again (past a link's bounds), or null.
function unlinkable(fragment) {
    try {
        readFragment(fragment, new Set(programs().map((p) => p.name)));
        return null;
    } catch (e) {
        return e.message;
    }
}

// The state goes into the URL as it changes, without a history entry for each change. The
// listeners are the document's, so each runs after the control's own handler has changed the state.
// After a repaint or a keystroke it waits for typing to pause: with a thousand commands the URL
// is long, and writing it at each one would cost more than the repaint.
let later = null;
function remember(event) {
    // A submit button's click starts a run or a repaint, whose own event follows.
    if (event?.type === 'click' && event.target.type === 'submit') return;
    clearTimeout(later);
    if (event?.type === 'wb-painted' || event?.type === 'input') {
        later = setTimeout(remember, 300);
        return;
    }
    const fragment = currentFragment();
    if (location.hash !== fragment && !unlinkable(fragment)) history.replaceState(null, '', fragment);
}

// A fragment typed or followed later: a bad one is said and left alone, as at the start.
function linked(hash) {
    const error = document.getElementById('fragment-error');
    try {
        const state = readFragment(hash, new Set(programs().map((p) => p.name)));
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
async function copyLink() {
    const fragment = currentFragment();
    const link = location.href.replace(/#.*$/, '') + fragment;
    const status = document.getElementById('link-status');
    const field = document.getElementById('link-text');
    const bad = unlinkable(fragment);
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

async function apply(state) {
    embedded = !!state.embed;
    document.body.classList.toggle('embed', embedded);
    showView(state.view || (state.program ? 'programs' : 'buffers'));
    if (state.commands?.length) await restoreBuffers(state.commands, state.step);
    if (state.program) await restoreProgram(state);
}

async function start() {
    await loadData();
    const state = linked(location.hash);
    embedded = !!state.embed;
    document.body.classList.toggle('embed', embedded);
    for (const tab of document.querySelectorAll('.tab')) {
        tab.addEventListener('click', () => {
            showView(tab.dataset.view);
            remember();
        });
    }
    showView(state.view || (state.program ? 'programs' : 'buffers'));
    await startPrograms(state);
    await startBuffers(state.commands?.length ? state : null);
    document.getElementById('copy-link').addEventListener('click', copyLink);
    for (const type of ['input', 'change', 'click', 'wb-painted', 'wb-ran']) document.addEventListener(type, remember);
    window.addEventListener('hashchange', () => {
        if (location.hash !== currentFragment()) apply(linked(location.hash)).then(remember);
    });
    remember();
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
