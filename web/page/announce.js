// The page's one polite live region: a screen reader says what changed (a step, a run's end)
// without being interrupted.
export function announce(text) {
    document.getElementById('announce').textContent = text;
}

// Motion only where the reader has not asked the system for less.
export function scrollBehavior() {
    return matchMedia('(prefers-reduced-motion: reduce)').matches ? 'auto' : 'smooth';
}
