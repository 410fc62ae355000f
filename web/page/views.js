// Pictures of the programs' structures, drawn from the JSON lines their -j FILE writes (one
// object a drawing, described in each program's *_view.h); the text of -i is never parsed.
// Every element standing for one node, slot, key or cell carries class "v-item", so a picture
// holds exactly as many as its description has.

const esc = (v) => String(v).replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');
const plural = (n, word) => `${n} ${word}${n === 1 ? '' : 's'}`;

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

const DRAW = { tree, table, stack, queue, ring, sort };

export function drawView(d) {
    const draw = DRAW[d.kind];
    return draw ? draw(d) : `<p class="v-empty">no picture for a drawing of kind ${esc(d.kind)}</p>`;
}
