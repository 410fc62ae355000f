// The memory picture's model without a browser: which words are pointers, in what order the
// blocks read, and what a screen reader is told, on memories laid out by hand.
import test from 'node:test';
import assert from 'node:assert/strict';
import { findPointers, readingOrder, takeMemory, describeMemory, readBlocks, SHOWN_BYTES } from '../page/memory-model.js';

const TABLE = 0x2000;

// A memory of 16 KiB holding the table of `blocks` at TABLE (in a shuffled order, as the Lab's
// table is) and each [address, value] of `words` as a little-endian u32 at any address.
function memoryOf(blocks, words = []) {
    const memory = new Uint8Array(0x4000);
    const data = new DataView(memory.buffer);
    [...blocks].reverse().forEach((b, i) => {
        [b.address, b.size, b.serial, b.origin ?? 0].forEach((v, k) => data.setUint32(TABLE + i * 16 + k * 4, v, true));
    });
    for (const [address, value] of words) data.setUint32(address, value, true);
    return memory;
}

const A = { address: 0x100, size: 16, serial: 1 };
const B = { address: 0x200, size: 16, serial: 2, origin: 1 };
const ODD = { address: 0x302, size: 10, serial: 3 };

const POINTERS = [
    ['a pointer to the start of a block', [A, B], [[0x104, 0x200]], Infinity, [{ from: 1, offset: 4, to: 2, at: 0 }]],
    ['an interior pointer', [A, B], [[0x10c, 0x209]], Infinity, [{ from: 1, offset: 12, to: 2, at: 9 }]],
    ['a block pointing into itself', [A, B], [[0x208, 0x20c]], Infinity, [{ from: 2, offset: 8, to: 2, at: 12 }]],
    ['an address no live block holds (freed, or never handed out)', [A, B], [[0x104, 0x280]], Infinity, []],
    ['one past the end of a block', [A, B], [[0x104, 0x210]], Infinity, []],
    ['an address between blocks, just before one', [A, B], [[0x104, 0x1ff]], Infinity, []],
    ['null', [A, B], [[0x104, 0]], Infinity, []],
    ['a pointer at an unaligned offset', [A, B], [[0x101, 0x200]], Infinity, []],
    ['a word past the bytes shown', [A, B], [[0x108, 0x200]], 8, []],
    ['a word just inside the bytes shown', [A, B], [[0x104, 0x200]], 8, [{ from: 1, offset: 4, to: 2, at: 0 }]],
    ['a word straddling the end of a block', [A, B], [[0x10e, 0x200]], Infinity, []],
    ['a block at an unaligned address: its aligned words only', [ODD, A], [[0x302, 0x100], [0x304, 0x100]], Infinity,
        [{ from: 3, offset: 2, to: 1, at: 0 }]],
];

test('pointers: aligned words inside blocks whose value lies inside a live block', () => {
    for (const [name, blocks, words, shown, expected] of POINTERS) {
        const memory = memoryOf(blocks, words);
        const table = readBlocks(memory, TABLE, blocks.length);
        assert.deepEqual(findPointers(table, memory, shown), expected, name);
    }
});

const C = { address: 0x300, size: 8, serial: 3 };
const D = { address: 0x400, size: 8, serial: 4 };

const ORDERS = [
    ['nothing points anywhere: by serial', [[0x104, 0]], [1, 2, 3, 4]],
    ['a chain taken out of order reads along its links', [[0x100, 0x400], [0x400, 0x300], [0x300, 0x200]], [1, 4, 3, 2]],
    ["a block's pointers in their order in memory", [[0x100, 0x300], [0x104, 0x200]], [1, 3, 2, 4]],
    ['a cycle is followed once', [[0x300, 0x400], [0x400, 0x300]], [1, 2, 3, 4]],
    ['blocks nothing reaches follow by serial', [[0x200, 0x400]], [1, 2, 4, 3]],
];

test('reading order: depth first along the pointers from the first block taken', () => {
    for (const [name, words, expected] of ORDERS) {
        const memory = memoryOf([A, B, C, D], words);
        const blocks = readBlocks(memory, TABLE, 4);
        assert.deepEqual(readingOrder(blocks, findPointers(blocks, memory)), expected, name);
    }
});

test('a memory taken: copies of the bytes shown, the first blocks, and what a screen reader hears', () => {
    const big = { address: 0x800, size: 1000, serial: 5 };
    const memory = memoryOf([A, B, C, big], [[0x100, 0x61626364], [0x108, 0x200], [0x10c, 0x300], [0x804, 0x101]]);
    const model = takeMemory(memory, TABLE, 4);
    memory[0x100] = 0;
    assert.deepEqual(model.blocks.map((b) => [b.serial, b.bytes.length]), [[1, 16], [2, 16], [3, 8], [5, SHOWN_BYTES]]);
    assert.equal(model.blocks[0].bytes[0], 0x64, 'a copy, not a view of the memory');
    assert.equal(model.bytes, 16 + 16 + 8 + 1000);
    assert.equal(describeMemory(model), '4 blocks, 1040 bytes; block 1 points to blocks 2 and 3; block 5 points to block 1');

    const many = Array.from({ length: 205 }, (_, i) => ({ address: 0x100 + i * 8, size: 4, serial: i + 1 }));
    const crowded = takeMemory(memoryOf(many, many.slice(0, 100).map((b, i) => [b.address, many[i + 1].address])), TABLE, many.length);
    assert.equal(crowded.blocks.length, 200);
    assert.equal(crowded.pointers.length, 100);
    assert.match(describeMemory(crowded), /^205 blocks, 820 bytes \(the first 200 drawn\); block 1 points to block 2; .*; and 60 more blocks with pointers$/);
});
