// A module's memory as the page can know it without knowing the module's layout: the table of
// live blocks the Lab's memory services keep (web/lab/lab_memory.h) and the bytes of linear
// memory. A word that holds an address inside a live block is taken for a pointer: a module's
// integers and characters seldom look like addresses of the few pages a buffer uses, and a
// wrong guess costs one arrow, where knowing the layout would take every module's own drawer.
// No DOM here: memory.js draws what this finds, and the node tests check it alone.

// What one picture shows at most, so that hundreds of blocks of thousands of bytes still draw
// within a frame: the first bytes of each block, the first blocks in reading order.
export const SHOWN_BYTES = 256;
export const SHOWN_BLOCKS = 200;

const TABLE_ENTRY = 16;

function view(memory) {
    return new DataView(memory.buffer, memory.byteOffset, memory.byteLength);
}

// The table at `table` of `count` entries { address, size, serial, origin }, by serial: the order
// the module took them in, which reading order falls back to.
export function readBlocks(memory, table, count) {
    const data = view(memory);
    const blocks = [];
    for (let i = 0; i < count; i++) {
        const at = table + i * TABLE_ENTRY;
        blocks.push({
            address: data.getUint32(at, true),
            size: data.getUint32(at + 4, true),
            serial: data.getUint32(at + 8, true),
            origin: data.getUint32(at + 12, true),
        });
    }
    return blocks.sort((a, b) => a.serial - b.serial);
}

// The live block a value points into, or null: by address, halving. A value one past a block's
// end is no pointer into it (nor is null, which no block holds).
function locator(blocks) {
    const byAddress = [...blocks].sort((a, b) => a.address - b.address);
    return (value) => {
        let low = 0, high = byAddress.length - 1, found = null;
        while (low <= high) {
            const middle = (low + high) >> 1;
            if (byAddress[middle].address <= value) {
                found = byAddress[middle];
                low = middle + 1;
            } else {
                high = middle - 1;
            }
        }
        return found && value < found.address + found.size ? found : null;
    };
}

// Every 4-byte aligned word in the first `shown` bytes of each block whose little-endian value
// lies inside a live block: { from, offset, to, at }, serials and offsets into each block. Only
// aligned words: wasm32 keeps its pointers aligned, and an unaligned read would find phantoms
// made of the halves of two neighbouring words.
export function findPointers(blocks, memory, shown = Infinity) {
    const data = view(memory);
    const find = locator(blocks);
    const pointers = [];
    for (const block of blocks) {
        const end = Math.min(block.address + Math.min(block.size, shown), memory.byteLength);
        for (let at = Math.ceil(block.address / 4) * 4; at + 4 <= end; at += 4) {
            const value = data.getUint32(at, true);
            const target = find(value);
            if (target) pointers.push({ from: block.serial, offset: at - block.address, to: target.serial, at: value - target.address });
        }
    }
    return pointers;
}

// Serials in reading order: depth first along the pointers from the first block taken, each
// block's pointers in their order in memory, so that a chain reads from left to right; the blocks
// nothing drawn reaches follow, by serial.
export function readingOrder(blocks, pointers) {
    const next = new Map();
    for (const p of pointers) {
        if (!next.has(p.from)) next.set(p.from, []);
        next.get(p.from).push(p.to);
    }
    const seen = new Set();
    const order = [];
    for (const block of blocks) {
        const stack = [block.serial];
        while (stack.length) {
            const serial = stack.pop();
            if (seen.has(serial)) continue;
            seen.add(serial);
            order.push(serial);
            const targets = next.get(serial) || [];
            for (let i = targets.length - 1; i >= 0; i--) if (!seen.has(targets[i])) stack.push(targets[i]);
        }
    }
    return order;
}

// What a picture of the memory needs, copied out of it (the module goes on changing it):
// { count, bytes, blocks: [{ address, size, serial, origin, bytes }], pointers }, the blocks in
// reading order and at most SHOWN_BLOCKS of them, each with at most its first SHOWN_BYTES bytes,
// and the pointers found in those bytes, some perhaps to blocks not drawn.
export function takeMemory(memory, table, count) {
    const blocks = readBlocks(memory, table, count);
    const pointers = findPointers(blocks, memory, SHOWN_BYTES);
    const bySerial = new Map(blocks.map((b) => [b.serial, b]));
    const drawn = readingOrder(blocks, pointers).slice(0, SHOWN_BLOCKS).map((serial) => {
        const b = bySerial.get(serial);
        return { ...b, bytes: memory.slice(b.address, b.address + Math.min(b.size, SHOWN_BYTES)) };
    });
    const shown = new Set(drawn.map((b) => b.serial));
    return {
        count: blocks.length,
        bytes: blocks.reduce((sum, b) => sum + b.size, 0),
        blocks: drawn,
        pointers: pointers.filter((p) => shown.has(p.from)),
    };
}

const plural = (n, word) => `${n} ${word}${n === 1 ? '' : 's'}`;
const LINKS_SAID = 40;

// The picture in words, for a screen reader: "3 blocks, 52 bytes; block 1 points to block 2;
// block 2 points to blocks 1 and 3". Blocks are named by serial, as the picture labels them.
export function describeMemory(model) {
    let text = `${plural(model.count, 'block')}, ${plural(model.bytes, 'byte')}`;
    if (model.blocks.length < model.count) text += ` (the first ${model.blocks.length} drawn)`;
    const targets = new Map();
    for (const p of model.pointers) {
        if (!targets.has(p.from)) targets.set(p.from, []);
        const list = targets.get(p.from);
        if (!list.includes(p.to)) list.push(p.to);
    }
    const said = [...targets].slice(0, LINKS_SAID).map(([from, to]) => {
        const names = to.length === 1 ? `block ${to[0]}` : `blocks ${to.slice(0, -1).join(', ')} and ${to.at(-1)}`;
        return `block ${from} points to ${names}`;
    });
    if (said.length) text += `; ${said.join('; ')}`;
    if (targets.size > LINKS_SAID) text += `; and ${plural(targets.size - LINKS_SAID, 'more block')} with pointers`;
    return text;
}
