// A module's memory as the page reads it, without a browser, on memories laid out by hand: which
// words are pointers, what is copied out, what a screen reader hears, a fault's name. The blocks'
// reading order is checked in the browser, on chainrow's cells (memory-view.test.mjs).
import test from 'node:test';
import assert from 'node:assert/strict';
import { findPointers, takeMemory, describeMemory, readBlocks } from '../page/memory-model.js';
import { Stepper } from '../page/stepper.js';

const TABLE = 0x2000;

// 16 KiB holding the table of `blocks` at TABLE, in an order of its own as the Lab's is, and each
// [address, value] of `words` as a little-endian u32.
function memoryOf(blocks, words = []) {
    const memory = new Uint8Array(0x4000);
    const data = new DataView(memory.buffer);
    [...blocks].reverse().forEach((b, i) => [b.address, b.size, b.serial, 0].forEach((v, k) => data.setUint32(TABLE + i * 16 + k * 4, v, true)));
    for (const [address, value] of words) data.setUint32(address, value, true);
    return memory;
}

const [A, B, C, D] = [0x100, 0x200, 0x300, 0x400].map((address, i) => ({ address, size: i < 2 ? 16 : 8, serial: i + 1 }));
const to = (from, offset, target, at) => [{ from, offset, to: target, at }];

const POINTERS = [
    ['to the start of a block', [[0x104, 0x200]], Infinity, to(1, 4, 2, 0)],
    ['an interior pointer', [[0x10c, 0x209]], Infinity, to(1, 12, 2, 9)],
    ['into its own block', [[0x208, 0x20c]], Infinity, to(2, 8, 2, 12)],
    ['an address no live block holds (freed, or never handed out)', [[0x104, 0x280]], Infinity, []],
    ['one past the end of a block', [[0x104, 0x210]], Infinity, []],
    ['at an unaligned offset', [[0x101, 0x200]], Infinity, []],
    ['straddling the end of a block', [[0x10e, 0x200]], Infinity, []],
    ['past the bytes shown', [[0x108, 0x200]], 8, []],
];

test('pointers: aligned words inside blocks whose value lies inside a live block', () => {
    for (const [name, words, shown, expected] of POINTERS) {
        const memory = memoryOf([A, B], words);
        assert.deepEqual(findPointers(readBlocks(memory, TABLE, 2), memory, shown), expected, name);
    }
});

test('a memory taken: copies of the bytes shown, the first 200 blocks, and in words', () => {
    const memory = memoryOf([A, B, C, { address: 0x800, size: 1000, serial: 5 }], [[0x100, 0x64], [0x108, 0x200], [0x10c, 0x300], [0x804, 0x101]]);
    const model = takeMemory(memory, TABLE, 4);
    memory[0x100] = 0;
    assert.deepEqual(model.blocks.map((b) => [b.serial, b.bytes.length, b.bytes[0]]), [[1, 16, 0x64], [2, 16, 0], [3, 8, 0], [5, 256, 0]]);
    assert.equal(describeMemory(model), '4 blocks, 1040 bytes; block 1 points to blocks 2 and 3; block 5 points to block 1');
    const many = Array.from({ length: 205 }, (_, i) => ({ address: 0x100 + i * 8, size: 4, serial: i + 1 }));
    const crowded = takeMemory(memoryOf(many, many.slice(0, 100).map((b, i) => [b.address, many[i + 1].address])), TABLE, 205);
    assert.deepEqual([crowded.blocks.length, crowded.pointers.length], [200, 100]);
    assert.match(describeMemory(crowded), /^205 blocks, 820 bytes \(the first 200 drawn\); block 1 points to block 2; .*; and 60 more blocks with pointers$/);
});

test('a memory fault is named from lab_fault, up to its NUL; an end of another kind has none', () => {
    const memory = { buffer: new ArrayBuffer(64) };
    new Uint8Array(memory.buffer).set(new TextEncoder().encode('double free\0junk'), 16);
    const fault = (lab_fault, status) => Stepper.prototype.memoryFault.call({ exports: { memory, lab_fault } }, status);
    assert.deepEqual([fault(() => 16, 70), fault(() => 0, 1), fault(undefined, 1)], ['memory fault: double free, exit status 70', null, null],
        'a fault; Error or exit; a module without the Lab\'s memory services');
});
