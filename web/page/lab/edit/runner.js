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

// (options) -> the run's result, as runModule gives it.
export function editedRunner(module, seconds = RUN_SECONDS) {
    return (options) => new Promise((resolve) => {
        const worker = workerFrom(WB_RUN_WORKER);
        const end = (result) => {
            clearTimeout(timer);
            worker.terminate();
            resolve(result);
        };
        const timer = setTimeout(() => end(stopped(`stopped by the page: still running after ${seconds} seconds ` +
            '(a loop that does not end?); its output is lost', options)), seconds * 1000);
        worker.onmessage = ({ data }) => end(data.failed ? stopped(`stopped: ${data.failed}`, options) : withStreams(data.result));
        // A worker the browser ends (out of memory) says no more than this.
        worker.onerror = (e) => end(stopped(`stopped: ${e.message || 'the run failed'} (out of memory?)`, options));
        worker.postMessage({ module, options });
    });
}
