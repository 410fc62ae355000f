// An edited buffer module stepped in a worker of its own (the buffers view's Stepper), so that
// the page can end a command that does not end. Message { commands }: the commands up to the
// step shown; answered { outcome } of the last, as the view's panes take it. The module keeps
// going from the commands it has run when they are the start of these, or starts again.
import { Stepper } from '../../stepper.js';

let module = null, stepper = null, done = [];

self.onmessage = async ({ data }) => {
    if (data.module) {
        module = data.module;
        return;
    }
    const { commands } = data;
    const prefix = done.length <= commands.length && done.every((c, i) => c === commands[i]);
    if (!stepper || !prefix) {
        stepper = await Stepper.start(module);
        done = [];
    }
    let outcome = done.length ? stepper.last : stepper.outcome('');
    while (done.length < commands.length) {
        outcome = stepper.command(commands[done.length]);
        done.push(commands[done.length]);
    }
    postMessage({ outcome });
};
