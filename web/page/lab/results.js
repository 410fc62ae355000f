// What a build and a check found, as lists a screen reader can walk: the compiler's messages,
// each a button to its line, and one row per case of the check.
function element(tag, cls, text) {
    const e = document.createElement(tag);
    if (cls) e.className = cls;
    if (text !== undefined) e.textContent = text;
    return e;
}

export const plural = (n, word) => `${n} ${word}${n === 1 ? '' : 's'}`;

// The errors and the warnings; notes are left out, as they belong to the messages they follow.
export function countMessages(diagnostics) {
    const count = (severity) => diagnostics.filter((d) => d.severity === severity).length;
    return { errors: count('error'), warnings: count('warning') };
}

export function showDiagnostics(list, diagnostics, goTo) {
    list.replaceChildren(...diagnostics.map((d) => {
        const item = element('li', `message ${d.severity}`);
        // A message of the linker's has no line to go to.
        if (!d.line) {
            item.textContent = `${d.severity}: ${d.message}`;
            return item;
        }
        const button = element('button', null, `line ${d.line}${d.column ? `, column ${d.column}` : ''}: ${d.severity}: ${d.message}`);
        button.type = 'button';
        button.addEventListener('click', () => goTo(d.line, d.column, d));
        item.append(button);
        return item;
    }));
    list.closest('section').hidden = diagnostics.length === 0;
}

// The failing case's script, its failing line marked.
function script(result) {
    const pre = element('pre', 'case-script');
    (result.script || []).forEach((line, i) => {
        const text = `${line}\n`;
        if (i === result.at) {
            const mark = element('mark', null, text);
            mark.title = 'the line where it went wrong';
            pre.append(mark);
        } else pre.append(text);
    });
    return pre;
}

// One case's row. `open` is given for a case the buffers view can replay.
export function caseRow(result, open) {
    const passed = result.verdict === 'passed';
    const row = element('li', `case ${passed ? 'passed' : 'failed'}`);
    const head = element('div', 'case-head');
    head.append(element('span', 'case-name', result.name), element('span', 'verdict', result.verdict),
        element('span', 'points', `${result.points} of ${plural(result.maxPoints, 'point')}`));
    row.append(head);
    if (passed) return row;
    const more = element('details');
    more.append(element('summary', null, result.summary || 'what went wrong'));
    if (result.details) more.append(element('pre', 'case-details', result.details));
    if (result.script?.length) more.append(element('p', 'case-note', 'the script, cut down to what fails:'), script(result));
    row.append(more);
    if (open) {
        const button = element('button', 'small', 'Open in the buffers view');
        button.type = 'button';
        button.addEventListener('click', open);
        row.append(button);
    }
    return row;
}

export function verdict(outcome) {
    return `Passed ${outcome.passed} of ${plural(outcome.total, 'case')}: ${outcome.score} of ${plural(outcome.maxScore, 'point')}`;
}
