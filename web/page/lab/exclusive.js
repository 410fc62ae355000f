// One job at a time for a view's buttons (ids), its busy flag kept on holder: while the job runs
// the buttons stay focusable and say they are busy (aria-disabled), a second press does nothing,
// and a failure is said through say.
export async function exclusive(holder, ids, say, job) {
    if (holder.busy) return;
    holder.busy = true;
    for (const id of ids) document.getElementById(id).setAttribute('aria-disabled', 'true');
    try {
        await job();
    } catch (e) {
        say(`Something went wrong: ${e.message}`, 'bad');
    } finally {
        holder.busy = false;
        for (const id of ids) document.getElementById(id).removeAttribute('aria-disabled');
    }
}
