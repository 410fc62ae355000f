// The Lab's C editor: CodeMirror with C highlighting, line numbers, undo, search and the
// compiler's diagnostics at their lines. Each interface keeps its own editor state, so going back
// to one brings back its undo history too.
import { EditorState } from '@codemirror/state';
import { EditorView, keymap, lineNumbers, highlightActiveLine, highlightActiveLineGutter, drawSelection } from '@codemirror/view';
import { defaultKeymap, history, historyKeymap, indentWithTab } from '@codemirror/commands';
import { syntaxHighlighting, HighlightStyle, indentOnInput, bracketMatching } from '@codemirror/language';
import { cpp } from '@codemirror/lang-cpp';
import { lintGutter, setDiagnostics } from '@codemirror/lint';
import { searchKeymap, highlightSelectionMatches } from '@codemirror/search';
import { tags } from '@lezer/highlight';

// Colours that keep 4.5:1 against the white editor and its pale active line.
const highlight = HighlightStyle.define([
    { tag: tags.comment, color: '#6b5200', fontStyle: 'italic' },
    { tag: [tags.keyword, tags.controlKeyword, tags.modifier], color: '#7a1f8f' },
    { tag: [tags.typeName, tags.standard(tags.typeName)], color: '#0b6b3a' },
    { tag: [tags.string, tags.character], color: '#a3201b' },
    { tag: [tags.number, tags.bool, tags.null], color: '#1c4f9c' },
    { tag: [tags.processingInstruction, tags.meta], color: '#5a4b8a' },
    { tag: tags.function(tags.variableName), color: '#1d4f86' },
    { tag: tags.invalid, color: '#b3261e' },
]);

const theme = EditorView.theme({
    '&': { height: '100%', backgroundColor: 'white', fontSize: '14px' },
    '.cm-scroller': { fontFamily: 'var(--mono)', lineHeight: '1.5' },
    '.cm-gutters': { backgroundColor: '#f3f4f1', color: '#5d6575', borderRight: '1px solid var(--line)' },
    '.cm-activeLine': { backgroundColor: '#eef3fa' },
    '.cm-activeLineGutter': { backgroundColor: '#e1e8f2', color: '#1f2430' },
    // The box around the editor shows the focus (style.css): the gutter would hide this one's.
    '&.cm-focused': { outline: 'none' },
});

// Tab indents as in any code editor; CodeMirror's own way out stays: Escape, then Tab moves on.
function extensions(onChange, hint) {
    return [
        lineNumbers(), highlightActiveLineGutter(), history(), drawSelection(), indentOnInput(),
        bracketMatching(), highlightActiveLine(), highlightSelectionMatches(), lintGutter(), cpp(),
        syntaxHighlighting(highlight), theme, EditorState.tabSize.of(4),
        keymap.of([...defaultKeymap, ...historyKeymap, ...searchKeymap, indentWithTab]),
        // Long comments wrap rather than scroll sideways on a phone. The tabindex tells checkers
        // what browsers already do: the text, and so its scrolling box, takes the keyboard.
        EditorView.lineWrapping,
        EditorView.contentAttributes.of({ 'aria-label': 'source', 'aria-describedby': hint, tabindex: '0' }),
        EditorView.updateListener.of((update) => { if (update.docChanged) onChange(update.state.doc.toString()); }),
    ];
}

// Where a diagnostic's line and column fall in the text, kept inside it.
function position(doc, line, column) {
    const at = doc.line(Math.min(Math.max(1, line || 1), doc.lines));
    return Math.min(at.to, at.from + Math.max(0, (column || 1) - 1));
}

// The editor in `parent`; `hint` is the id of the text that says how to leave it with the
// keyboard; onChange(text) follows every edit.
export function createEditor(parent, hint, onChange) {
    const states = new Map();
    const view = new EditorView({ parent, state: EditorState.create({ doc: '', extensions: extensions(onChange, hint) }) });
    const editor = {
        view,
        text: () => view.state.doc.toString(),
        // Shows interface `key`'s own state, made from `text` the first time; a readOnly one
        // (a header beside the sources a learner edits) takes no edit.
        show(key, text, { readOnly = false } = {}) {
            if (editor.key !== undefined) states.set(editor.key, view.state);
            editor.key = key;
            const fixed = readOnly ? [EditorState.readOnly.of(true)] : [];
            view.setState(states.get(key) ?? EditorState.create({ doc: text, extensions: [...extensions(onChange, hint), ...fixed] }));
        },
        // Replaces the whole text as one edit, which undo takes back.
        replace(text) {
            view.dispatch({ changes: { from: 0, to: view.state.doc.length, insert: text }, selection: { anchor: 0 }, scrollIntoView: true });
        },
        // diagnostics: [{ line, column, severity, message }] from the compiler.
        diagnose(diagnostics) {
            const doc = view.state.doc;
            view.dispatch(setDiagnostics(view.state, diagnostics.map((d) => {
                const from = position(doc, d.line, d.column);
                const to = Math.max(from, doc.lineAt(from).to);
                return { from, to, severity: d.severity === 'note' ? 'info' : d.severity, message: d.message };
            })));
        },
        goTo(line, column) {
            const at = position(view.state.doc, line, column);
            view.dispatch({ selection: { anchor: at }, scrollIntoView: true });
            view.focus();
        },
    };
    return editor;
}
