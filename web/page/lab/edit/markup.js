// The controls for editing a deliverable's sources, made when the Lab first opens, beside the
// interfaces' (lab/markup.js): the files as tabs, the build, the run, the patch.
export function editMarkup() {
    return `
<div class="lab-bar">
  <h2 id="edit-title" class="edit-title">Editing <code id="edit-name"></code> <span id="edit-mark" class="tag edited" hidden>edited</span></h2>
  <label class="file-button">Open file<input type="file" id="edit-open" class="visually-hidden" accept=".c,.cpp,.h,text/x-c,text/plain"></label>
  <button type="button" id="edit-reset">Reset</button>
  <button type="button" id="edit-back">Back to the interfaces</button>
</div>
<div class="edit-files">
  <div role="group" aria-label="its sources" id="edit-sources" class="file-tabs"></div>
  <div role="group" aria-label="the headers they include, read-only" id="edit-headers" class="file-tabs headers"></div>
</div>
<div class="lab-run">
  <button type="button" id="edit-build" class="run">Build</button>
  <button type="button" id="edit-run" class="run">Run</button>
  <button type="button" id="edit-diff">Show the patch</button>
  <button type="button" id="edit-patch">Download the patch</button>
  <p id="edit-status" class="status" role="status"></p>
</div>
<div id="edit-editor" class="lab-editor"></div>
<p id="edit-editor-hint" class="hint">Tab indents. To leave the editor by keyboard, press Escape, then Tab.
  A header is shown read-only: the edit is of this program's own sources.</p>
<section class="lab-messages" aria-labelledby="edit-messages-title" hidden>
  <h3 id="edit-messages-title">Compiler messages</h3>
  <ul id="edit-diagnostics"></ul>
</section>
<details class="lab-log" hidden><summary>the compiler's output</summary><pre id="edit-log" tabindex="0"></pre></details>
<section class="edit-diff" aria-labelledby="edit-diff-title" hidden>
  <h3 id="edit-diff-title">The patch: <code>git apply</code> in the repository applies it</h3>
  <pre id="edit-diff-text" tabindex="0"></pre>
</section>`;
}
