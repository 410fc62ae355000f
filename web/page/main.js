import { loadData } from './data.js';
import { startBuffers } from './buffers.js';
import { startPrograms } from './programs.js';

function showView(name) {
    for (const tab of document.querySelectorAll('.tab')) tab.setAttribute('aria-pressed', String(tab.dataset.view === name));
    for (const view of document.querySelectorAll('.view')) view.hidden = view.id !== name;
    if (location.hash !== `#${name}`) history.replaceState(null, '', `#${name}`);
}

async function start() {
    await loadData();
    for (const tab of document.querySelectorAll('.tab')) tab.addEventListener('click', () => showView(tab.dataset.view));
    showView(location.hash === '#programs' ? 'programs' : 'buffers');
    startPrograms();
    await startBuffers();
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
