// The page's pictures, from the JSON descriptions the programs write with -j FILE (the text
// drawing of -i is never parsed), one drawer for each kind in one table:
// - a buffer module's records, from bufdemo (array, stacks, chain, blocks): a label and a row of
//   items, which the buffer panes patch item by item. Boxes are HTML, not SVG: with a thousand
//   commands typed the repaint must stay within a frame, and SVG text costs several times more to
//   lay out. Every character cell carries class "ch" (the dummy and unused cells do not), so a
//   picture holds exactly as many as the text has characters.
// - the programs' structures (tree, table, stack, queue, ring, sort), one object a drawing, as
//   each program's *_view.h describes it. Every element standing for one node, slot, key or cell
//   carries class "v-item", so a picture holds exactly as many as its description has.

const esc = (v) => String(v).replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');
const plural = (n, word) => `${n} ${word}${n === 1 ? '' : 's'}`;

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

function row(values, mark = () => '') {
    return `<div class="v-row">${values.map((v, i) => `<span class="v-cell v-item${mark(i)}" title="[${i}]">${esc(v)}</span>`).join('')}</div>`;
}

// Each node at (rank, depth): key order left to right, so no edge crosses another.
function tree(d) {
    const X = 44, Y = 56, R = 15;
    const at = (n) => [n.rank * X + 26, n.depth * Y + 22];
    let edges = '', nodes = '';
    for (const n of d.nodes) {
        const [x, y] = at(n);
        if (n.parent >= 0) {
            const [px, py] = at(d.nodes[n.parent]);
            edges += `<line class="${n.path ? 'path' : ''}" x1="${px}" y1="${py}" x2="${x}" y2="${y}"/>`;
        }
        nodes += `<g class="v-item${n.path ? ' path' : ''}"><circle cx="${x}" cy="${y}" r="${R}"/>` +
            `<text x="${x}" y="${y + 5}">${n.key}</text></g>`;
    }
    const width = d.nodes.length * X + 8, height = (d.height || 1) * Y;
    const what = d.found ? 'found' : 'not in the tree';
    return `<p class="v-label">after ${d.command} ${d.key}: ${plural(d.count, 'node')}, height ${d.height}; ` +
        `search path ${d.path.join(' \u2192 ') || '(empty tree)'}, ${what}</p>` +
        `<svg class="v-tree" width="${width}" height="${height}">${edges}${nodes}</svg>`;
}

// The slots in rows of 30, coloured by run, so clusters show where probing spends its time.
function table(d) {
    const slots = new Array(d.size).fill(null);
    d.runs.forEach((run, r) => run.slots.forEach((s) => { slots[s.slot] = { ...s, run: r }; }));
    const hue = (r) => (r * 67 + 200) % 360;
    const cells = slots.map((s, i) => (s
        ? `<span class="v-slot v-item${i === d.slot ? ' v-new' : ''}" style="background:hsl(${hue(s.run)} 60% 72%)"` +
            ` title="slot ${i}: ${s.key}, home ${s.home}, ${plural(s.probes, 'probe')}">${s.probes > 1 ? s.probes : ''}</span>`
        : `<span class="v-slot" title="slot ${i}: empty"></span>`)).join('');
    const runs = d.runs.map((run, r) => `<li><span class="v-swatch" style="background:hsl(${hue(r)} 60% 72%)"></span>` +
        `slots ${run.start}\u2013${run.end}: ${run.slots.map((s) => `${s.key} <small>(home ${s.home}, ${plural(s.probes, 'probe')})</small>`).join(', ')}</li>`);
    return `<p class="v-label">after ${d.key} (slot ${d.slot}): ${plural(d.keys, 'key')} in ${plural(d.runs.length, 'run')}; ` +
        `longest run ${d.longest} \u00b7 a number in a slot counts the probes of its key when more than one</p>` +
        `<div class="v-table">${cells}</div><ul class="v-runs">${runs.join('')}</ul>`;
}

// From the bottom on the left, as -i writes it; the capacity not in use as empty cells past the top.
function stack(d) {
    let cells = '';
    for (let i = 0; i < d.capacity; i++) {
        cells += i < d.depth ? `<span class="v-cell v-item${i === d.depth - 1 ? ' v-top' : ''}" title="[${i}]">${d.cells[i]}</span>`
            : '<span class="v-cell v-unused"></span>';
    }
    const op = d.op === 'grow' ? 'grown' : d.value === undefined ? 'pop: nothing to pop' : `${d.op} ${d.value}`;
    return `<p class="v-label">${op}: depth ${d.depth}, capacity ${d.capacity}; the top is outlined</p>` +
        `<div class="v-row"><span class="v-end">bottom</span>${cells}</div>`;
}

function chain(cells, linked, ends) {
    if (!cells.length) return `<p class="v-empty">empty: ${ends}</p>`;
    return `<div class="v-row v-chain">${cells.map((c, i) => `<span class="v-node v-item">${c}` +
        `${i === 0 ? '<b>front</b>' : ''}${i === cells.length - 1 ? '<b class="rear">rear</b>' : ''}</span>`).join('<span class="v-link">\u21c4</span>')}</div>` +
        (linked ? '' : '<p class="v-broken">the links do not agree with this walk</p>');
}

function queue(d) {
    return `<p class="v-label">${d.op} ${d.value}: ${plural(d.length, 'node')} from front to rear</p>` +
        chain(d.cells, d.linked, 'front null, rear null');
}

// The nodes on a circle, front at the top, next links going clockwise back to the front.
function ring(d) {
    const n = d.cells.length, r = 40 + 12 * n;
    const label = `<p class="v-label">after ${d.command}${d.value === undefined ? '' : ` ${d.value}`}: ${plural(n, 'node')}` +
        `${d.closed ? '; rear.next is front, front.prev is rear' : ''}</p>`;
    if (!n) return `${label}<p class="v-empty">empty: front null, rear null</p>`;
    const nodes = d.cells.map((c, i) => {
        const a = (2 * Math.PI * i) / n;
        const end = `${i === 0 ? '<b>front</b>' : ''}${i === n - 1 ? '<b class="rear">rear</b>' : ''}`;
        return `<span class="v-node v-item" style="left:${(r + 40 + r * Math.sin(a)).toFixed(1)}px;top:${(r + 30 - r * Math.cos(a)).toFixed(1)}px">` +
            `${c.value}${c.word ? `<i>${esc(c.word)}</i>` : ''}${end}</span>`;
    }).join('');
    return `${label}<div class="v-ring" style="width:${2 * r + 80}px;height:${2 * r + 60}px">` +
        `<span class="v-circle" style="left:40px;top:30px;width:${2 * r}px;height:${2 * r}px"></span>${nodes}</div>` +
        (d.closed ? '' : '<p class="v-broken">the ring is not closed: some link disagrees</p>');
}

function sort(d) {
    if (d.phase === 'fill') return `<p class="v-label">${d.array} filled: ${plural(d.cells.length, 'value')}</p>${row(d.cells)}`;
    if (d.phase === 'select') {
        return `<p class="v-label">${d.array} pass ${d.pass}: the smallest left, ${d.value}, from ${d.array}[${d.from}] to ` +
            `${d.array}[${d.to}]; the first ${d.sorted} in their final place</p>` +
            row(d.cells, (i) => (i === d.to ? ' v-new' : i === d.from ? ' v-from' : i < d.sorted ? ' v-done' : ''));
    }
    const input = (name) => `<p class="v-sub">${name}, ${d.taken[name]} taken</p>` +
        row(d[name], (i) => (name === d.from && i === d.index ? ' v-from' : i < d.taken[name] ? ' v-done' : ''))
            .replace(/ v-item/g, '');
    // "index" is the value's place in the input it came from; it went to the end of c.
    const to = d.cells.length - 1;
    return `<p class="v-label">merge step ${d.step}: c[${to}] = ${d.value} from ${d.from}[${d.index}]</p>` +
        `${input('a')}${input('b')}<p class="v-sub">c so far</p>${row(d.cells, (i) => (i === to ? ' v-new' : ''))}`;
}

const DRAW = { array: drawArray, stacks: drawStacks, chain: drawChain, blocks: drawBlocks, tree, table, stack, queue, ring, sort };

// What each kind of records is, for the pane that shows them.
export const KINDS = {
    array: 'a fixed array with a cursor index',
    stacks: 'two stacks meeting at the cursor',
    chain: 'a chain of cells from a dummy cell',
    blocks: 'linked blocks of a few characters',
};

// { kind, label, items: [html of each item of the row] }, for a buffer pane.
export function drawRecords(records) {
    const drawn = DRAW[records.kind]?.(records);
    if (!drawn?.items) throw new Error(`no picture for records of kind ${records.kind}`);
    return { kind: records.kind, ...drawn };
}

// Any description as HTML, records included (bufdemo in the programs view).
export function drawView(d) {
    const draw = DRAW[d.kind];
    if (!draw) return `<p class="v-empty">no picture for a drawing of kind ${esc(d.kind)}</p>`;
    const drawn = draw(d);
    if (typeof drawn === 'string') return drawn;
    return `<div class="records ${d.kind}"><div class="label">${esc(drawn.label)}</div>` +
        `<div class="row">${drawn.items.join('')}</div></div>`;
}

// "1 record x 12 + 3 cells x 8 = 36 bytes for 2 characters"
export function describeBytes(bytes) {
    const parts = bytes.records.map((r) => `${r.count} ${r.name}${r.count === 1 ? '' : 's'} \u00d7 ${r.size}`);
    const chars = `${bytes.characters} character${bytes.characters === 1 ? '' : 's'}`;
    return `${parts.join(' + ')} = ${bytes.total} bytes for ${chars}`;
}
