// Runs an edited program the way the programs view runs a finished one (wasi.js's runModule,
// the same options, the same result), but in a worker the page ends at a time limit: a learner's
// edit may loop, and the finished modules' guards (output and reads past the end) do not bound
// a loop that does neither.
import { concat } from '../../wasi.js';
import { workerFrom } from '../backend.js';

/* global WB_RUN_WORKER */

// Longer than any bundled sample takes, natively or here.
export const RUN_SECONDS = 5;

function withStreams(result) {
    const stream = (fd) => concat(result.log.filter((e) => e.fd === fd).map((e) => e.bytes));
    return Object.assign(result, { get stdout() { return stream(1); }, get stderr() { return stream(2); } });
}

function stopped(fault, options) {
    return withStreams({ log: [], status: null, waiting: false, fault, files: {}, clockRead: false, clock: options.clock });
}

// A run that failed with its memory near the module's limit (build.js links it with one) is said
// to have run out, whatever the program itself made of its failed allocations: the allocation
// that failed may have wanted more than the little left.
function saidOut(result, megabytes) {
    const used = result.memory / (1 << 20);
    if (result.fault || result.waiting || result.status === 0 || used < megabytes * 15 / 16) return result;
    return Object.assign(result, { fault: `exit status ${result.status}, out of memory: ` +
        `the run's memory grew to ${Math.floor(used)} of the ${megabytes} MB it may have` });
}

// (options) -> the run's result, as runModule gives it.
export function editedRunner(module, megabytes, seconds = RUN_SECONDS) {
    return (options) => new Promise((resolve) => {
        const worker = workerFrom(WB_RUN_WORKER);
        const end = (result) => {
            clearTimeout(timer);
            worker.terminate();
            resolve(result);
        };
        const timer = setTimeout(() => end(stopped(`stopped by the page: still running after ${seconds} seconds ` +
            '(a loop that does not end?); its output is lost', options)), seconds * 1000);
        worker.onmessage = ({ data }) => end(data.failed ? stopped(`stopped: ${data.failed}`, options)
            : saidOut(withStreams(data.result), megabytes));
        // A worker the browser ends (out of memory) says no more than this.
        worker.onerror = (e) => end(stopped(`stopped: ${e.message || 'the run failed'} (out of memory?)`, options));
        worker.postMessage({ module, options });
    });
}
