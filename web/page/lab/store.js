// The learner's work outlives the page: each interface's source in localStorage as it is typed,
// a download of the file, and a .c file from the disk read in.
const PREFIX = 'workbench.lab.';
// Typing saves once it pauses, not at every key.
const PAUSE = 400;
// Larger than any learner's module: a file this big was chosen by mistake.
export const MAX_FILE = 1 << 20;

// Storage may be refused (a private window, a page from file:// in some browsers, a full
// quota): the Lab then works as before, only without keeping the text.
export function get(key) {
    try {
        return localStorage.getItem(PREFIX + key);
    } catch (e) {
        return null;
    }
}

export function set(key, value) {
    try {
        if (value === null) localStorage.removeItem(PREFIX + key);
        else localStorage.setItem(PREFIX + key, value);
        return true;
    } catch (e) {
        return false;
    }
}

export function createStore() {
    let pending = null;
    const store = {
        source: (iface) => get(iface),
        // The name of the file the source came from, when it was opened from the disk.
        fileName: (iface) => get(`${iface}.name`),
        chosen: () => get('interface'),
        choose: (iface) => set('interface', iface),
        // Saves after typing pauses; flush() saves at once what is waiting.
        later(iface, text) {
            clearTimeout(pending?.timer);
            pending = { iface, text, timer: setTimeout(() => store.flush(), PAUSE) };
        },
        flush() {
            if (!pending) return true;
            clearTimeout(pending.timer);
            const { iface, text } = pending;
            pending = null;
            return set(iface, text);
        },
        name: (iface, name) => set(`${iface}.name`, name),
    };
    // A reload or a closed tab while typing has not paused yet.
    addEventListener('pagehide', () => store.flush());
    return store;
}

// The browser saves `text` as a file called `name`.
export function download(name, text) {
    const url = URL.createObjectURL(new Blob([text], { type: 'text/x-c' }));
    const a = document.createElement('a');
    a.href = url;
    a.download = name;
    document.body.append(a);
    a.click();
    a.remove();
    setTimeout(() => URL.revokeObjectURL(url), 1000);
}

// The text of the file chosen, or an Error saying why not.
export async function readChosen(file) {
    if (file.size > MAX_FILE) throw new Error(`${file.name} is larger than ${MAX_FILE >> 10} KB: not a C file to edit here`);
    const text = await file.text();
    if (text.includes('\0')) throw new Error(`${file.name} is not text`);
    return text;
}
