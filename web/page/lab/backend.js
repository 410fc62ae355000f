// A STAND-IN for the Lab's backend (the compiler, the checker and the runtime), so that the Lab's
// view runs and can be tried before the real one is in: it compiles nothing and checks nothing.
// It keeps the real one's shape, which the view codes against:
//   load(onProgress)            -> Promise<void>; onProgress(doneBytes, totalBytes); idempotent
//   build(iface, name, source)  -> Promise<{ ok, diagnostics: [{ line, column, severity, message }],
//                                  log, module }>
//   check(iface, module, { onCase(result) })
//                               -> Promise<{ results: [result], score, maxScore, passed, total }>
//     result = { name, points, maxPoints, verdict, summary, details, script: [lines], at }
// Here a build fails at each "#error" line and warns at each "#warning" line, and a check gives
// two made-up cases, the second failing unless the source has "// pass".
const TOTAL = 4 << 20;
const pause = (ms) => new Promise((done) => setTimeout(done, ms));

export function createLabBackend() {
    let loading = null;
    return {
        load(onProgress = () => {}) {
            loading ??= (async () => {
                for (let done = 0; done <= TOTAL; done += TOTAL / 8) {
                    onProgress(done, TOTAL);
                    await pause(40);
                }
            })();
            return loading;
        },
        async build(iface, name, source) {
            await pause(60);
            const diagnostics = [];
            source.split('\n').forEach((text, i) => {
                const found = /^\s*#\s*(error|warning)\b\s*(.*)$/.exec(text);
                if (found) {
                    diagnostics.push({ line: i + 1, column: text.indexOf('#') + 1, severity: found[1],
                        message: `#${found[1]}${found[2] ? ` ${found[2]}` : ''}` });
                }
            });
            const ok = !diagnostics.some((d) => d.severity === 'error');
            const log = diagnostics.map((d) => `${name}:${d.line}:${d.column}: ${d.severity}: ${d.message}`).join('\n');
            return { ok, diagnostics, log, module: ok ? { standIn: iface, pass: source.includes('// pass') } : null };
        },
        async check(iface, module, { onCase = () => {} } = {}) {
            const pass = !!module?.pass;
            const cases = [
                { name: 'starts empty', points: 1, maxPoints: 1, verdict: 'passed', summary: '', details: '', script: [], at: -1 },
                pass
                    ? { name: 'one operation', points: 2, maxPoints: 2, verdict: 'passed', summary: '', details: '', script: [], at: -1 }
                    : { name: 'one operation', points: 0, maxPoints: 2, verdict: 'wrong output',
                        summary: 'the stand-in backend fails this case on purpose',
                        details: 'expected:\n a\n  ^\ngot:\n(nothing)', script: ['Ia', 'B'], at: 1 },
            ];
            const results = [];
            for (const result of cases) {
                await pause(50);
                results.push(result);
                onCase(result);
            }
            const passed = results.filter((r) => r.verdict === 'passed').length;
            return { results, passed, total: results.length,
                score: results.reduce((s, r) => s + r.points, 0), maxScore: results.reduce((s, r) => s + r.maxPoints, 0) };
        },
    };
}
