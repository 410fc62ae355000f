// The Lab's controls, made when it first opens: the core page carries none of them, so it stays
// as small as it was for those who never open the Lab.
const escape = (text) => text.replace(/[&<>"]/g, (c) => `&#${c.charCodeAt(0)};`);

export function labMarkup(interfaces) {
    const options = interfaces.map((i) => `<option value="${escape(i.name)}">${escape(i.name)} (${escape(i.header)})</option>`).join('');
    return `
<div class="lab-bar">
  <label for="lab-interface">interface</label>
  <select id="lab-interface">${options}</select>
  <span class="lab-file">file <code id="lab-file"></code></span>
  <label class="file-button">Open file<input type="file" id="lab-open" class="visually-hidden" accept=".c,.h,text/x-c,text/plain"></label>
  <button type="button" id="lab-download">Download</button>
  <button type="button" id="lab-reset">Reset to skeleton</button>
</div>
<div class="lab-run">
  <button type="button" id="lab-build" class="run">Build</button>
  <button type="button" id="lab-check" class="run">Check</button>
  <span class="lab-loading"><label for="lab-progress">compiler</label> <progress id="lab-progress" max="1" value="0"></progress></span>
  <p id="lab-status" class="status" role="status"></p>
</div>
<div class="lab-work">
  <div class="lab-source">
    <div id="lab-editor" class="lab-editor"></div>
    <p id="lab-editor-hint" class="hint">Tab indents. To leave the editor by keyboard, press Escape, then Tab.
      Ctrl+Z undoes, Ctrl+F finds.</p>
    <section class="lab-messages" aria-labelledby="lab-messages-title" hidden>
      <h2 id="lab-messages-title">Compiler messages</h2>
      <ul id="lab-diagnostics"></ul>
    </section>
    <details class="lab-log" hidden><summary>the compiler's output</summary><pre id="lab-log" tabindex="0"></pre></details>
  </div>
  <section class="lab-results" aria-labelledby="lab-results-title">
    <h2 id="lab-results-title">Cases</h2>
    <p id="lab-results-note" class="hint">Check builds your file and runs the checker's cases on it, one row each.</p>
    <ol id="lab-results"></ol>
  </section>
</div>`;
}
