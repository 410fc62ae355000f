// How a module's end is told, without a browser: the Lab's memory services leave the fault's name
// in the module's memory (lab_fault), and a module without them, or ended otherwise, has none.
import test from 'node:test';
import assert from 'node:assert/strict';
import { Stepper } from '../page/stepper.js';

// A module's exports as far as memoryFault reads them: its memory holding `name` at 16, and
// lab_fault returning `at` (absent when at is undefined).
function ended(name, at) {
    const memory = { buffer: new ArrayBuffer(64) };
    new Uint8Array(memory.buffer).set(new TextEncoder().encode(`${name}\0junk`), 16);
    return { exports: at === undefined ? { memory } : { memory, lab_fault: () => at } };
}

const ENDS = [
    ['a write past the end', ended('write past the end of a block', 16), 70, 'memory fault: write past the end of a block, exit status 70'],
    ['a leak', ended('leak', 16), 70, 'memory fault: leak, exit status 70'],
    ['Error or exit: no fault named', ended('leak', 0), 1, null],
    ['a module without the Lab\'s memory services', ended('leak'), 1, null],
];

test('a memory fault is named from lab_fault, up to its NUL', () => {
    for (const [what, stepper, status, expected] of ENDS) assert.equal(Stepper.prototype.memoryFault.call(stepper, status), expected, what);
});
