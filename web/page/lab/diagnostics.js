// The compiler's and linker's messages as the editor marks them: each at its line of the
// learner's file, or at none (a missing operation, a main of the module's own).
const AT_LINE = /^([^:\n]+):(\d+):(\d+): (fatal error|error|warning|note): (.*)$/;
const LINKER = /^(?:wasm-ld|clang): (error|warning): (.*)$/;

// [{ line, column, severity, message }] from the messages (stderr), for the file named file;
// lines 1-based, null where a message has no line in that file.
export function parseDiagnostics(messages, file) {
    const found = [];
    for (const text of messages.split('\n')) {
        const at = AT_LINE.exec(text);
        if (at) {
            const severity = at[4] === 'fatal error' ? 'error' : at[4];
            const here = at[1] === file || at[1].endsWith(`/${file}`);
            found.push({
                line: here ? Number(at[2]) : null,
                column: here ? Number(at[3]) : null,
                severity,
                message: here ? at[5] : `${at[1]}:${at[2]}: ${at[5]}`,
            });
            continue;
        }
        const linker = LINKER.exec(text);
        if (linker) found.push({ line: null, column: null, severity: linker[1], message: linkerWords(linker[2]) });
    }
    return found;
}

// The linker's usual complaints in the learner's terms.
function linkerWords(message) {
    const missing = /undefined symbol: (\w+)/.exec(message);
    if (missing) return `${missing[1]} is not defined: the interface needs every operation (${message})`;
    if (/duplicate symbol: (main|__main_argc_argv)\b/.test(message)) return `the module defines main: a module has none, the client is its program (${message})`;
    return message;
}
