// The Lab's checker, in workers the page can end: the interface's cases, models and judging
// (labcheck.wasm, web/lab/labcheck.cpp), each case run on a fresh instance of the learner's module
// (run-case.js). A module that loops holds up only its worker, which the page ends at the time
// limit and replaces. Messages in:
//   { labcheck, iface, traits, module, seconds, megabytes }  once (labcheck and module compiled),
//                                                            answered { cases: [info] }
//   { cases: [i, ...] }                                      run these cases
//   { locate: i }                                            run case i again, saying each line
//   { timedOut: i, reached, elapsed }                        word the time-out of case i
// and out: { prefix: i, value } (the failure cut to its line, before cutting further, which may
// loop too), { result: i, value }; for locate, { line: i, reached } and { located: i } if it ends.
import { WASI, Fd } from '@bjorn3/browser_wasi_shim';
import { Sink } from '../wasi.js';
import { runCase } from './run-case.js';

// Cutting a failure down: at most so many shorter runs, and so long for a case.
const MOST_TRIALS = 300;
const TRIAL_SECONDS = 2;
let lab = null;

function labcheck(module) {
    let trial = null;
    const shim = new WASI([], [], [new Fd(), new Sink({ emit() {} }, 1, false), new Sink({ emit() {} }, 2, false)], { debug: false });
    const instance = new WebAssembly.Instance(module, {
        wasi_snapshot_preview1: shim.wasiImport,
        lab: { trial: (script) => trial(script) },
    });
    shim.initialize(instance);
    const x = instance.exports;
    const text = (at) => {
        const memory = new Uint8Array(x.memory.buffer);
        let end = at;
        while (memory[end] !== 0) end++;
        return new TextDecoder().decode(memory.subarray(at, end));
    };
    return {
        x,
        text,
        lines: (script) => Array.from({ length: x.script_count(script) }, (_, i) => text(x.script_line(script, i))),
        // Copies bytes into the checker's scratch, for a call that takes them.
        put(bytes) {
            const at = x.scratch(bytes.length);
            new Uint8Array(x.memory.buffer).set(bytes, at);
            return at;
        },
        onTrial(fn) {
            trial = fn;
        },
    };
}

// Runs script (a pointer into the checker) through the module, judged; returns the judge.
function judged(script, onLine) {
    const { x } = lab.check;
    const judge = x.judge_new(script, lab.megabytes);
    const end = runCase(lab.module, lab.check.lines(script), (kind, index, bytes) => {
        x.judge_frame(judge, kind, index, lab.check.put(bytes), bytes.length);
        return x.judge_verdict(judge) !== 0;
    }, onLine);
    if (x.judge_verdict(judge) === 0) {
        // The names and the report side by side in the checker's scratch, which it copies from.
        const [crash, fault] = [end.crash, end.fault].map((s) => new TextEncoder().encode(s === null ? '' : `${s}\0`));
        const all = new Uint8Array(crash.length + fault.length + end.stderr.length);
        all.set(crash);
        all.set(fault, crash.length);
        all.set(end.stderr, crash.length + fault.length);
        const at = lab.check.put(all);
        x.judge_end(judge, end.status, end.crash === null ? 0 : at, end.fault === null ? 0 : at + crash.length,
            at + crash.length + fault.length, end.stderr.length);
    }
    return judge;
}

function caseInfo(i) {
    const { x, text } = lab.check;
    return { index: i, name: text(x.case_name(i)), maxPoints: x.case_points(i), hidden: !!x.case_hidden(i) };
}

// The result of case i failed as judge says, with script (the case's or a cut) as its replay.
function failed(i, judge, script) {
    const { x, text, lines } = lab.check;
    return {
        ...caseInfo(i),
        points: 0,
        verdict: text(x.verdict_name(x.judge_verdict(judge))),
        summary: text(x.judge_summary(judge)),
        details: text(x.case_details(i, script, judge)),
        script: lines(script),
        at: x.judge_at(judge),
    };
}

function runOne(i) {
    const { x } = lab.check;
    const judge = judged(x.case_script(i));
    if (x.judge_verdict(judge) === 0) {
        x.judge_free(judge);
        return { ...caseInfo(i), points: x.case_points(i), verdict: 'passed', summary: '', details: '', script: [], at: -1 };
    }
    // The failure cut to its line first, said at once: cutting further runs shorter scripts,
    // which may loop where the case did not.
    postMessage({ prefix: i, value: failed(i, judge, x.case_shrink(i, judge, 0)) });
    let trials = 0;
    const stop = performance.now() + TRIAL_SECONDS * 1000;
    lab.check.onTrial((script) => {
        if (trials++ >= MOST_TRIALS || performance.now() >= stop) return 2; // TrialStop
        const again = judged(script);
        const same = x.judge_same(again, judge);
        x.judge_free(again);
        return same ? 0 : 1; // TrialFails : TrialPasses
    });
    const cut = x.case_shrink(i, judge, 1);
    // The cut script, run once more for what it prints (the checker's details show that run).
    const again = judged(cut);
    const result = x.judge_verdict(again) !== 0 ? failed(i, again, cut) : failed(i, judge, cut);
    x.judge_free(again);
    x.judge_free(judge);
    return result;
}

function timedOut(i, reached, elapsed) {
    const { x } = lab.check;
    const judge = x.judge_new(x.case_script(i), lab.megabytes);
    x.judge_set_reached(judge, reached);
    x.judge_time_out(judge, lab.seconds, elapsed);
    const result = failed(i, judge, x.case_shrink(i, judge, 0));
    x.judge_free(judge);
    return result;
}

self.onmessage = ({ data }) => {
    if (data.labcheck) {
        lab = { ...data, check: labcheck(data.labcheck) };
        const count = lab.check.x.check_open(lab.check.put(new TextEncoder().encode(`${data.iface}\0`)),
            data.traits.capacity, data.traits.reportsEnds ? 1 : 0);
        postMessage({ cases: Array.from({ length: count }, (_, i) => caseInfo(i)) });
        return;
    }
    if (data.locate !== undefined) {
        // A case that passed its limit, run again to find the line it sticks in: each line is
        // said as it starts (a worker's memory is not shared with a page opened from the disk,
        // so a message is the only way), and the page ends the run where it stays.
        const i = data.locate;
        lab.check.x.judge_free(judged(lab.check.x.case_script(i), (line) => postMessage({ line: i, reached: line })));
        postMessage({ located: i });
        return;
    }
    if (data.timedOut !== undefined) {
        postMessage({ result: data.timedOut, value: timedOut(data.timedOut, data.reached, data.elapsed) });
        return;
    }
    for (const i of data.cases) postMessage({ result: i, value: runOne(i) });
};
