// A learner's edits of the tree's files, kept in the browser's storage per deliverable and file
// (the Lab's store): only what differs from the tree is kept, so an edit undone by hand is gone
// from the storage too.
import { get, set } from '../store.js';

const key = (name, file) => `edit.${name}.${file}`;

export function createEdits(original) {
    return {
        // The text of file of deliverable name: the learner's, or the tree's.
        text: (name, file) => get(key(name, file)) ?? original(file),
        edited: (name, file) => get(key(name, file)) !== null,
        save: (name, file, text) => set(key(name, file), text === original(file) ? null : text),
        forget: (name, files) => files.forEach((file) => set(key(name, file), null)),
    };
}
