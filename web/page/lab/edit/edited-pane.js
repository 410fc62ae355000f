// The outcomes of an edited buffer module for the buffers view's pane of it (buffers.js's
// addPane): each asked of a worker stepping the module (step-worker.js), which the page ends
// when a command runs past the time limit. From then on, until the commands before that one
// change, the steps from it show the stop rather than run it again.
import { workerFrom } from '../backend.js';

/* global WB_STEP_WORKER */

export const STEP_SECONDS = 2;

const same = (a, b) => a.length === b.length && a.every((c, i) => c === b[i]);

function stoppedOutcome(seconds) {
    return { block: '', stderr: '', status: null, records: null, recordsError: null, drawing: '',
        fault: `stopped by the page: a command still running after ${seconds} seconds (a loop that does not end?)` };
}

// outcome(commands, step) -> a promise of the pane's outcome at that step; one asked at a time.
export function editedOutcomes(module, seconds = STEP_SECONDS) {
    let worker = null, queue = Promise.resolve(), stoppedAt = null;
    const fresh = () => {
        worker = workerFrom(WB_STEP_WORKER);
        worker.postMessage({ module });
    };
    const ask = (commands) => new Promise((resolve) => {
        if (!worker) fresh();
        const timer = setTimeout(() => {
            worker.terminate();
            worker = null;
            stoppedAt = commands;
            resolve(stoppedOutcome(seconds));
        }, seconds * 1000);
        worker.onmessage = ({ data }) => {
            clearTimeout(timer);
            resolve(data.outcome);
        };
        worker.postMessage({ commands });
    });
    return (commands, step) => {
        const upTo = commands.slice(0, step);
        if (stoppedAt && upTo.length >= stoppedAt.length && same(upTo.slice(0, stoppedAt.length), stoppedAt)) {
            return Promise.resolve(stoppedOutcome(seconds));
        }
        queue = queue.then(() => ask(upTo));
        return queue;
    };
}
