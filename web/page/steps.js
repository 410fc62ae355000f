// The page's one step control, for the buffer commands and for a program's drawings: to the
// first, one back, a slider, one forward, to the last, and a label saying where it stands.
import { announce } from './announce.js';

function button(text, label, id) {
    const b = document.createElement('button');
    b.type = 'button';
    b.textContent = text;
    b.title = label;
    b.setAttribute('aria-label', label);
    if (id) b.id = id;
    return b;
}

// what: the noun of one step ("step", "drawing"); ids: element ids by part, where the page
// names them; go(i): shows step i (already within 0..last) and returns the label to announce,
// or nothing when it announces the step itself once shown.
export function stepControls(what, go, ids = {}) {
    let at = 0, last = 0;
    const first = button('|\u25C0', `first ${what}`, ids.first);
    const back = button('\u25C0', `one ${what} back`, ids.back);
    const forward = button('\u25B6', `one ${what} forward`, ids.forward);
    const end = button('\u25B6|', `last ${what}`, ids.last);
    const slider = document.createElement('input');
    slider.type = 'range';
    slider.min = '0';
    slider.setAttribute('aria-label', what);
    if (ids.slider) slider.id = ids.slider;
    const label = document.createElement('span');
    label.className = 'step-label';
    if (ids.label) label.id = ids.label;
    const to = (i) => {
        const said = go(Math.max(0, Math.min(last, i)));
        if (said) announce(said);
    };
    first.addEventListener('click', () => to(0));
    back.addEventListener('click', () => to(at - 1));
    forward.addEventListener('click', () => to(at + 1));
    end.addEventListener('click', () => to(last));
    slider.addEventListener('input', () => to(Number(slider.value)));
    return {
        parts: [first, back, slider, forward, end, label],
        // Shows step `step` of 0..`count`, with its label.
        show(step, count, text) {
            at = step;
            last = count;
            slider.max = String(count);
            slider.value = String(step);
            label.textContent = text;
            first.disabled = back.disabled = step === 0;
            forward.disabled = end.disabled = step === count;
        },
    };
}
