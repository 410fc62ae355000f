// Pictures of a buffer module's records, drawn from the records.json bufdemo writes; the text
// drawing of -i is never parsed. Boxes are HTML, not SVG: with a thousand commands typed the
// repaint must stay within a frame, and SVG text costs several times more to lay out.
// Every character cell carries class "ch" (the dummy and unused cells do not), so a picture holds
// exactly as many as the text has characters.

function esc(s) {
    return s.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;');
}

// A byte of 0x80 or above (JSON "\u00XX") or a control character has no glyph of its own:
// show its code instead, as a hex dump would.
function cell(c, extra = '') {
    const code = c.charCodeAt(0);
    if (c === ' ') return `<span class="cell ch space${extra}" title="a blank">\u2423</span>`;
    if (code < 0x20 || code >= 0x7f) {
        const hex = code.toString(16).padStart(2, '0');
        return `<span class="cell ch byte${extra}" title="the byte 0x${hex}">${hex}</span>`;
    }
    return `<span class="cell ch${extra}">${esc(c)}</span>`;
}

const unused = (extra = '') => `<span class="cell unused${extra}"></span>`;

// A cursor (or a block's offset) is drawn on the cell it stands before, or after the last cell:
// marks move between cells without moving any cell, so a repaint changes few elements.
function marked(html, label, after = false) {
    return html.replace('class="', `data-mark="${label}" class="${after ? 'mark-after ' : ''}`);
}

// Each picture is a label and a row of items; the pane replaces only the items that changed.
const picture = (label, items) => ({ label, items });

// A fixed array: its used cells, a few of its unused ones, its length, cursor and capacity.
function drawArray(r) {
    const shown = Math.min(r.capacity, r.length + 6);
    const items = [];
    for (let i = 0; i < shown; i++) {
        const html = i < r.length ? cell(r.cells[i]) : unused();
        items.push(i === r.cursor ? marked(html, 'cursor') : html);
    }
    if (r.cursor === shown && shown > 0) items[shown - 1] = marked(items[shown - 1], 'cursor', true);
    if (shown < r.capacity) items.push(`<span class="more">\u2026 ${r.capacity - shown} more unused</span>`);
    return picture(`length ${r.length} \u00b7 cursor ${r.cursor} \u00b7 capacity ${r.capacity}`, items);
}

// Two stacks whose tops meet at the cursor: "before" from its bottom on the left, "after" from
// its top, so the two read as the text.
function drawStacks(r) {
    const before = r.stacks.find((s) => s.name === 'before');
    const after = r.stacks.find((s) => s.name === 'after');
    const items = before.cells.map((c) => cell(c, ' before'));
    after.cells.slice().reverse().forEach((c) => items.push(cell(c, ' after')));
    const at = before.cells.length;
    if (at < items.length) items[at] = marked(items[at], 'cursor');
    else if (at > 0) items[at - 1] = marked(items[at - 1], 'cursor', true);
    else items.push(marked(unused(' none'), 'cursor'));
    return picture(`before: depth ${before.depth} of ${before.capacity} \u00b7 after: depth ${after.depth} of ${after.capacity}` +
        ' \u00b7 their tops meet at the cursor', items);
}

// A chain of cells from a dummy cell, one arrow per link; the cursor cell is marked.
function drawChain(r) {
    const items = [];
    const count = r.cells.length + 1;
    for (let i = 0; i < count; i++) {
        const mark = i === r.cursor ? ' cursor' : '';
        const content = i === 0 ? `<span class="cell dummy${mark}" title="the dummy cell"></span>` : cell(r.cells[i - 1], mark);
        const link = `<span class="link${i === count - 1 ? ' null' : ''}${mark}"></span>`;
        const arrow = i < count - 1 ? '<span class="arrow">\u2192</span>' : '';
        items.push(`<span class="node${mark}"${mark ? ' data-mark="cursor"' : ''}>${content}${link}${arrow}</span>`);
    }
    return picture(`${r.cells.length} cells after the dummy \u00b7 cursor ${r.cursor}`, items);
}

// Linked blocks of a few cells each, with each block's count and offset; the cursor block is marked.
function drawBlocks(r) {
    const items = r.blocks.map((b, i) => {
        const mark = i === r.cursor ? ' cursor' : '';
        const label = i === r.cursor ? 'cursor' : 'offset';
        let cells = '';
        for (let k = 0; k < r.capacity; k++) {
            const html = k < b.cells.length ? cell(b.cells[k]) : unused();
            if (k === b.offset) cells += marked(html, label);
            else if (k === r.capacity - 1 && b.offset >= r.capacity) cells += marked(html, label, true);
            else cells += html;
        }
        const arrow = i < r.blocks.length - 1 ? '<span class="arrow">\u21c4</span>' : '';
        return `<span class="blockbox"><span class="block${mark}">${cells}</span>${arrow}` +
            `<span class="info">count ${b.count}<br>offset ${b.offset}</span></span>`;
    });
    return picture(`${r.blocks.length} blocks of ${r.capacity} \u00b7 cursor block ${r.cursor}`, items);
}

const DRAW = { array: drawArray, stacks: drawStacks, chain: drawChain, blocks: drawBlocks };

// { kind, label, items: [html of each item of the row] }
export function drawRecords(records) {
    const draw = DRAW[records.kind];
    if (!draw) throw new Error(`no picture for records of kind ${records.kind}`);
    return { kind: records.kind, ...draw(records) };
}

// "1 record x 12 + 3 cells x 8 = 36 bytes for 2 characters"
export function describeBytes(bytes) {
    const parts = bytes.records.map((r) => `${r.count} ${r.name}${r.count === 1 ? '' : 's'} \u00d7 ${r.size}`);
    const chars = `${bytes.characters} character${bytes.characters === 1 ? '' : 's'}`;
    return `${parts.join(' + ')} = ${bytes.total} bytes for ${chars}`;
}
