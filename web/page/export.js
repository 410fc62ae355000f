// A picture as it is shown, saved as SVG or PNG for a slide: html-to-image copies the elements
// with their computed styles into an SVG foreignObject, and draws that on a canvas for the PNG.
import { toSvg, toPng } from 'html-to-image';

const OPTIONS = { backgroundColor: '#ffffff', skipFonts: true, pixelRatio: 2 };

async function save(node, name, format) {
    const url = format === 'svg' ? await toSvg(node, OPTIONS) : await toPng(node, OPTIONS);
    const a = document.createElement('a');
    a.href = url;
    a.download = `${name}.${format}`;
    a.click();
    return url;
}

// Two buttons that save what `picture()` returns (the element shown at the time of the click).
export function exportButtons(picture, name, what) {
    const holder = document.createElement('span');
    holder.className = 'export';
    for (const format of ['svg', 'png']) {
        const button = document.createElement('button');
        button.type = 'button';
        button.className = 'small';
        button.textContent = format.toUpperCase();
        button.setAttribute('aria-label', `save ${what} as ${format.toUpperCase()}`);
        button.addEventListener('click', () => save(picture(), name(), format));
        holder.append(button);
    }
    return holder;
}
