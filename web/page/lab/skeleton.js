// A learner's starting file, made from the interface's header itself so that it can never drift
// from the contract: the handle's struct to fill in, and every function the header declares with
// the first sentence of its comment and a body that already compiles.
//
// The headers are this project's own, so this reads C declarations only as far as they need:
// comments, directives (C++-only branches skipped, object-like macros such as a noreturn
// attribute dropped), extern "C" blocks, typedefs and prototypes.

// Splits the text into comments, directives and code, in order.
function pieces(text) {
    const out = [];
    let code = '';
    const flush = () => {
        if (code) out.push({ kind: 'code', text: code });
        code = '';
    };
    for (let i = 0; i < text.length;) {
        const lineStart = i === 0 || /\n[ \t]*$/.test(text.slice(Math.max(0, i - 80), i));
        let end;
        if (text.startsWith('/*', i)) {
            end = text.indexOf('*/', i + 2);
            end = end < 0 ? text.length : end + 2;
            flush();
            out.push({ kind: 'comment', text: text.slice(i, end) });
        } else if (text.startsWith('//', i)) {
            end = text.indexOf('\n', i);
            end = end < 0 ? text.length : end;
            flush();
            out.push({ kind: 'comment', text: text.slice(i, end) });
        } else if (text[i] === '#' && lineStart) {
            // Up to a line end that no backslash continues.
            end = i;
            while (end < text.length && !(text[end] === '\n' && text[end - 1] !== '\\')) end++;
            flush();
            out.push({ kind: 'directive', text: text.slice(i, end).replace(/\\\n/g, ' ') });
        } else if (text[i] === '"' || text[i] === "'") {
            end = i + 1;
            while (end < text.length && text[end] !== text[i]) end += text[end] === '\\' ? 2 : 1;
            code += text.slice(i, end + 1);
            end += 1;
        } else {
            code += text[i];
            end = i + 1;
        }
        i = end;
    }
    flush();
    return out;
}

// Whether a directive's condition holds, as far as is known: this is C, so C++-only code is
// skipped; anything else (include guards, feature tests) counts as taken.
function condition(directive) {
    if (/^#\s*ifdef\s+__cplusplus\b/.test(directive) || /^#\s*if\s+defined\s*\(?\s*__cplusplus\b/.test(directive)) return false;
    if (/^#\s*ifndef\s+__cplusplus\b/.test(directive)) return true;
    return null;
}

// The declarations at file level, each with the comment just before it, and the object-like
// macros defined on the way.
function declarations(text) {
    const found = [];
    const macros = new Set();
    const branches = [];
    const skipping = () => branches.some((b) => b.skip);
    let statement = '', comment = null, depth = 0;
    for (const piece of pieces(text)) {
        if (piece.kind === 'directive') {
            const d = piece.text.trim();
            if (/^#\s*if/.test(d)) branches.push({ known: condition(d), skip: condition(d) === false });
            else if (/^#\s*(else|elif)\b/.test(d) && branches.length) {
                const b = branches[branches.length - 1];
                b.skip = b.known === null ? false : !b.skip;
            } else if (/^#\s*endif\b/.test(d)) branches.pop();
            else if (!skipping()) {
                const macro = /^#\s*define\s+(\w+)(?!\()/.exec(d);
                if (macro) macros.add(macro[1]);
            }
            continue;
        }
        if (skipping()) continue;
        if (piece.kind === 'comment') {
            if (!statement.trim()) comment = piece.text;
            continue;
        }
        for (const ch of piece.text) {
            if (ch === '{' && /^\s*extern\s*"C"\s*$/.test(statement)) {
                statement = '';
                continue;
            }
            if (ch === '{') depth++;
            if (ch === '}' && --depth < 0) {
                // The end of an extern "C" block.
                depth = 0;
                continue;
            }
            if (ch === ';' && depth === 0) {
                if (statement.trim()) found.push({ text: statement, comment });
                statement = '';
                comment = null;
                continue;
            }
            statement += ch;
        }
    }
    return { found, macros };
}

// The comment's first sentence, on one line.
export function firstSentence(comment) {
    if (!comment) return '';
    const body = comment.replace(/^\/\*+|\*+\/$|^\/\/+/g, '').split('\n')
        .map((line) => line.replace(/^\s*\*?\s?/, '').trim()).filter(Boolean).join(' ');
    // A full stop ends a sentence, but not the one inside "e.g." or "i.e.".
    const end = /(?<!\b(?:e\.g|i\.e))\.(?=\s|$)/.exec(body);
    return end ? body.slice(0, end.index + 1) : body;
}

// Splits at the commas outside any brackets.
function topLevelSplit(text) {
    const parts = [];
    let depth = 0, part = '';
    for (const ch of text) {
        if ('([{'.includes(ch)) depth++;
        if (')]}'.includes(ch)) depth--;
        if (ch === ',' && depth === 0) {
            parts.push(part.trim());
            part = '';
        } else part += ch;
    }
    if (part.trim()) parts.push(part.trim());
    return parts;
}

const TYPE_WORDS = new Set(['void', 'char', 'short', 'int', 'long', 'float', 'double', 'signed', 'unsigned',
    '_Bool', 'bool', 'const', 'volatile', 'restrict', 'struct', 'union', 'enum', 'size_t']);

// A parameter as a definition needs it: with a name (a prototype may leave it out).
function named(parameter, index, typedefs) {
    if (parameter === 'void' || parameter === '...' || parameter.includes('(')) return parameter;
    const words = parameter.match(/\w+/g) || [];
    const last = words[words.length - 1];
    const tagged = /\b(struct|union|enum)\s+\w+$/.test(parameter);
    if (parameter.trim().endsWith('*') || tagged || TYPE_WORDS.has(last) || typedefs.has(last) || words.length === 1) {
        return `${parameter.replace(/\s*$/, '')}${parameter.endsWith('*') ? '' : ' '}arg${index + 1}`;
    }
    return parameter;
}

function typedefOf(text, typedefs, handles) {
    const body = text.replace(/^typedef\s+/, '');
    const handle = /^struct\s+(\w+)\s*\*\s*(\w+)$/.exec(body);
    if (handle) {
        handles.push({ tag: handle[1], name: handle[2] });
        typedefs.set(handle[2], 'pointer');
        return;
    }
    const pointerToFunction = /\(\s*\*\s*(\w+)\s*\)/.exec(body);
    if (pointerToFunction) {
        typedefs.set(pointerToFunction[1], 'pointer');
        return;
    }
    const name = /(\w+)\s*(\[[^\]]*\]\s*)*$/.exec(body)[1];
    const base = body.slice(0, body.lastIndexOf(name)).trim();
    if (base.includes('*')) typedefs.set(name, 'pointer');
    else if (/^enum\b/.test(base)) typedefs.set(name, 'enum');
    else if (/^(struct|union)\b/.test(base)) typedefs.set(name, 'aggregate');
    else typedefs.set(name, base);
}

function prototypeOf(text, comment) {
    let depth = 0, open = -1;
    for (let i = text.length - 1; i >= 0; i--) {
        if (text[i] === ')') depth++;
        if (text[i] === '(' && --depth === 0) {
            open = i;
            break;
        }
    }
    const head = /(\w+)\s*$/.exec(text.slice(0, open));
    if (open < 0 || !head) return null;
    const returns = text.slice(0, head.index).replace(/\b(extern|inline)\b/g, '').trim();
    // A macro's call at file level, not a prototype.
    if (!returns) return null;
    return { name: head[1], returns, parameters: topLevelSplit(text.slice(open + 1, -1)), comment: firstSentence(comment) };
}

// What the header declares: { summary, handles: [{ tag, name }], functions: [{ name, returns,
// parameters, comment }], typedefs: Map name -> 'pointer'|'enum'|'aggregate'|base type }.
// `support` holds the typedefs of headers it includes, read the same way.
export function readHeader(text, support = new Map()) {
    const { found, macros } = declarations(text);
    const typedefs = new Map(support);
    const handles = [];
    const functions = [];
    const file = /^\s*(\/\*[\s\S]*?\*\/)/.exec(text);
    for (const { text: raw, comment } of found) {
        const words = raw.replace(/\s+/g, ' ').trim().split(' ').filter((w) => !macros.has(w));
        const statement = words.join(' ');
        if (/^typedef\b/.test(statement)) typedefOf(statement, typedefs, handles);
        else if (statement.endsWith(')')) {
            const fn = prototypeOf(statement, comment);
            if (fn && !functions.some((f) => f.name === fn.name)) functions.push(fn);
        }
    }
    // "buffer.h: an editor buffer, ..." says what it is after the file's own name.
    const summary = firstSentence(file?.[1]).replace(/^[\w.\/-]+\.h:\s*/, '');
    return { summary, handles, functions, typedefs };
}

// A value of the type for a body's return that compiles, or null for void.
export function zeroOf(type, typedefs) {
    const bare = type.replace(/\b(const|volatile|static|register)\b/g, '').replace(/\s+/g, ' ').trim();
    if (bare === 'void') return null;
    if (bare.includes('*')) return 'NULL';
    if (bare === 'bool' || bare === '_Bool') return 'false';
    if (/\b(float|double)\b/.test(bare)) return '0.0';
    if (/^(struct|union) /.test(bare)) return `(${bare}){0}`;
    const kind = typedefs.get(bare);
    if (kind === 'pointer') return 'NULL';
    if (kind === 'aggregate') return `(${bare}){0}`;
    if (kind && kind !== 'enum' && kind !== bare) return zeroOf(kind, typedefs);
    return '0';
}

function definition(fn, typedefs) {
    const parameters = fn.parameters.length ? fn.parameters.map((p, i) => named(p, i, typedefs)).join(', ') : 'void';
    const zero = zeroOf(fn.returns, typedefs);
    const lines = [];
    if (fn.comment) lines.push(`/* ${fn.comment.replace(/\*\//g, '* /')} */`);
    lines.push(`${fn.returns}${fn.returns.endsWith('*') ? '' : ' '}${fn.name}(${parameters}) {`);
    lines.push(zero === null ? '    /* yours to write */' : `    return ${zero};`);
    lines.push('}');
    return lines.join('\n');
}

// The skeleton of interface `name` declared in the header at `path` (its text `header`).
export function makeSkeleton(name, path, header, support = new Map()) {
    const declared = readHeader(header, support);
    const parts = [
        `/* The ${name} interface (${path})${declared.summary ? `: ${declared.summary}` : ''} */`,
        '#include <stdio.h>\n#include <stdlib.h>\n' + `#include "${path}"\n#include "support/genlib.h"`,
        ...declared.handles.map((h) => `struct ${h.tag} {\n    /* your fields */\n};`),
        ...declared.functions.map((fn) => definition(fn, declared.typedefs)),
    ];
    return `${parts.join('\n\n')}\n`;
}

// The typedefs of the header every skeleton includes (genlib.h's string, and so on).
export function supportTypedefs(text) {
    return readHeader(text).typedefs;
}
