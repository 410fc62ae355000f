// The picture of any module's memory (memory-model.js takes it): each live block a box of its
// bytes, and an arrow from each word that holds an address in a live block to the byte it points
// at. Boxes are HTML, a line of text for each row of bytes rather than an element per byte, so
// that two hundred boxes of 256 bytes lay out within a frame; only the pointer words are elements,
// for the arrows to start from. The arrows are one SVG over the boxes, drawn once they are laid
// out, and again whenever the picture's size changes (its pane reflows, or is shown again).
import { describeMemory, SHOWN_BYTES, SHOWN_BLOCKS } from './memory-model.js';

const ORIGINS = ['GetBlock', 'malloc'];
const ROW = 16;

const plural = (n, word) => `${n} ${word}${n === 1 ? '' : 's'}`;
const ESCAPES = { '<': '&lt;', '>': '&gt;', '&': '&amp;' };

// One character a byte, so that a byte's place in its row is its column.
function glyph(byte) {
    if (byte === 0x20) return '\u2423';
    if (byte > 0x20 && byte < 0x7f) {
        const c = String.fromCharCode(byte);
        return ESCAPES[c] || c;
    }
    return '\u00b7';
}

// Bytes a row: as many as fit the block, in whole words, so that small blocks stay small and a
// word wraps only in a block that starts off a word's edge.
const columns = (block) => Math.min(ROW, Math.max(4, Math.ceil(block.size / 4) * 4));

function rows(block, starts) {
    const cols = columns(block);
    let html = '';
    let inWord = 0;
    for (let r = 0; r < block.bytes.length; r += cols) {
        let row = inWord > 0 ? '<b class="m-ptr">' : '';
        const end = Math.min(r + cols, block.bytes.length);
        for (let i = r; i < end; i++) {
            const p = starts.get(i);
            if (p !== undefined) {
                row += `<b class="m-ptr" data-p="${p.index}" title="points to block ${p.to}, byte ${p.at}">`;
                inWord = 4;
            }
            row += glyph(block.bytes[i]);
            if (inWord > 0 && --inWord === 0) row += '</b>';
        }
        if (inWord > 0) row += '</b>';
        html += `<span class="m-row">${row}</span>`;
    }
    return html;
}

function box(block, starts) {
    const more = block.size - block.bytes.length;
    return `<div class="m-block" data-serial="${block.serial}" style="--cols:${columns(block)}">` +
        `<div class="m-head"><span class="m-serial">#${block.serial}</span> ${ORIGINS[block.origin] ?? `origin ${block.origin}`}` +
        ` \u00b7 ${plural(block.size, 'byte')}<br>at 0x${block.address.toString(16)}</div>` +
        `<div class="m-bytes">${rows(block, starts)}</div>` +
        (more > 0 ? `<div class="m-more">\u2026 ${plural(more, 'more byte')}</div>` : '') + '</div>';
}

function notes(model) {
    const drawn = new Set(model.blocks.map((b) => b.serial));
    const away = model.pointers.filter((p) => !drawn.has(p.to)).length;
    const parts = [`${plural(model.count, 'live block')}, ${plural(model.bytes, 'byte')}`];
    if (model.blocks.length < model.count) parts.push(`the first ${SHOWN_BLOCKS} drawn, in reading order`);
    if (model.blocks.some((b) => b.bytes.length < b.size)) parts.push(`a box shows its first ${SHOWN_BYTES} bytes`);
    if (away) parts.push(`${plural(away, 'pointer')} to blocks not drawn`);
    return `<p class="m-label">${parts.join(' \u00b7 ')}</p>`;
}

const LEGEND = '<p class="m-legend">A byte shows as its character when printable ASCII, a blank as \u2423, ' +
    'any other byte as \u00b7; <b class="m-ptr">\u00b7\u00b7\u00b7\u00b7</b> a word holding an address in a ' +
    'live block: its arrow runs from under it to under the byte it points to, which is outlined.</p>';

// Hoops below the boxes, so that no line crosses a byte: from under the pointer word's column, to
// under the column of the byte it points at, which is outlined (past the bytes shown, to the box).
function drawArrows(holder) {
    const area = holder.querySelector('.m-area');
    const model = holder.memoryModel;
    if (!area || !model) return;
    const old = area.querySelector('.m-arrows');
    if (old) old.remove();
    const origin = area.getBoundingClientRect();
    if (origin.width === 0) return;
    const boxes = new Map([...area.querySelectorAll('.m-block')].map((e) => [Number(e.dataset.serial), e]));
    const blocks = new Map(model.blocks.map((b) => [b.serial, b]));
    let paths = '', marks = '';
    for (const word of area.querySelectorAll('[data-p]')) {
        const p = model.pointers[Number(word.dataset.p)];
        const target = boxes.get(p.to);
        if (!target) continue;
        const from = word.getBoundingClientRect();
        const toBox = target.getBoundingClientRect();
        const x1 = from.left + from.width / 2 - origin.left;
        const below1 = word.closest('.m-block').getBoundingClientRect().bottom - origin.top;
        const below2 = toBox.bottom - origin.top;
        let x2 = toBox.left + 8 - origin.left;
        const block = blocks.get(p.to);
        if (p.at < block.bytes.length) {
            const cols = columns(block);
            const row = target.querySelectorAll('.m-row')[Math.floor(p.at / cols)].getBoundingClientRect();
            const advance = target.querySelector('.m-bytes').getBoundingClientRect().width / cols;
            const left = row.left + (p.at % cols) * advance - origin.left;
            x2 = left + advance / 2;
            marks += `<rect class="m-target" x="${left.toFixed(1)}" y="${(row.top - origin.top).toFixed(1)}" ` +
                `width="${advance.toFixed(1)}" height="${row.height.toFixed(1)}"/>`;
        }
        const dip = 14 + Math.min(24, Math.abs(x2 - x1) / 8);
        const [a, b, c, d] = [x1, below1, x2, below2].map((v) => v.toFixed(1));
        paths += `<circle cx="${a}" cy="${b}" r="2.5"/><path d="M${a} ${b}C${a} ${(below1 + dip).toFixed(1)} ${c} ${(below2 + dip).toFixed(1)} ${c} ${d}"/>` +
            `<path class="m-head-arrow" data-to="${p.to}" d="M${c} ${d}l-4 7h8z"/>`;
    }
    area.insertAdjacentHTML('beforeend', `<svg class="m-arrows" aria-hidden="true" width="${area.scrollWidth}" ` +
        `height="${area.scrollHeight}">${marks}${paths}</svg>`);
}

const resized = new ResizeObserver((entries) => {
    for (const entry of entries) drawArrows(entry.target);
});

// Draws `model` (takeMemory's) in `holder`, the element that stands for the picture
// (role="img"), whose label says it in words: whose memory it is (`whose`, "gridrow's").
export function paintMemory(holder, model, whose) {
    holder.setAttribute('aria-label', `${whose} memory: ${describeMemory(model)}`);
    holder.memoryModel = model;
    const starts = new Map();
    model.pointers.forEach((p, index) => {
        if (!starts.has(p.from)) starts.set(p.from, new Map());
        starts.get(p.from).set(p.offset, { index, to: p.to, at: p.at });
    });
    const boxes = model.blocks.map((b) => box(b, starts.get(b.serial) || new Map())).join('');
    holder.innerHTML = notes(model) + LEGEND +
        (model.count ? `<div class="m-area">${boxes}</div>` : '<p class="no-records">no live blocks</p>');
    drawArrows(holder);
    if (!holder.observed) {
        holder.observed = true;
        resized.observe(holder);
    }
}
