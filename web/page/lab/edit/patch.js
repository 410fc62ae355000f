// The learner's edit as a patch of the tree (jsdiff): `git apply` in the repository takes it,
// its paths a/<dir>/<file> and b/<dir>/<file> from the tree's root.
import { createTwoFilesPatch, FILE_HEADERS_ONLY } from 'diff';

// One file's patch, or '' when the text is the tree's.
export function filePatch(file, original, edited) {
    if (original === edited) return '';
    return `diff --git a/${file} b/${file}\n` +
        createTwoFilesPatch(`a/${file}`, `b/${file}`, original, edited, undefined, undefined, { headerOptions: FILE_HEADERS_ONLY });
}

// Every edited file's patch, one after another: files [{ file, original, edited }].
export function patchOf(files) {
    return files.map(({ file, original, edited }) => filePatch(file, original, edited)).join('');
}
