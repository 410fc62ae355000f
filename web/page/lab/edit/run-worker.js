// A run of an edited program, in a worker of its own: the page's run of a command module
// (wasi.js), here so that the page can end a run that does not end. Message { module, options }
// (runModule's); answered { result } without its derived streams, or { failed }.
import { runModule } from '../../wasi.js';

self.onmessage = async ({ data: { module, options } }) => {
    try {
        const { log, status, waiting, fault, files, clockRead, clock, memory } = await runModule(module, options);
        postMessage({ result: { log, status, waiting, fault, files, clockRead, clock, memory } });
    } catch (e) {
        postMessage({ failed: e.message || String(e) });
    }
};
