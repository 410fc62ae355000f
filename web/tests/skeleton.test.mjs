// The Lab's skeletons, made from the four real headers: each defines exactly the functions its
// header declares, with its handle's struct, and compiles as C where a compiler is at hand. The
// reader of declarations also on the shapes a header may take that these four do not.
import test from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { spawnSync } from 'node:child_process';
import { INTERFACES, SUPPORT_HEADER } from '../page/lab/interfaces.js';
import { makeSkeleton, readHeader, supportTypedefs, zeroOf, firstSentence } from '../page/lab/skeleton.js';

const source = path.resolve(path.dirname(new URL(import.meta.url).pathname), '..', '..');
const read = (file) => fs.readFileSync(path.join(source, file), 'utf8');
const support = supportTypedefs(read(SUPPORT_HEADER));

const EXPECTED = {
    buffer: { struct: 'bufferCDT', functions: ['NewBuffer', 'FreeBuffer', 'MoveCursorForward', 'MoveCursorBackward',
        'MoveCursorToStart', 'MoveCursorToEnd', 'InsertCharacter', 'DeleteCharacter', 'DisplayBuffer'] },
    scanner: { struct: 'scannerCDT', functions: ['NewScanner', 'FreeScanner', 'SetScannerString', 'ReadToken',
        'MoreTokensExist', 'SaveToken', 'SetScannerSpaceOption', 'GetScannerSpaceOption'] },
    set: { struct: 'setCDT', functions: ['NewSet', 'setInsertElementSorted', 'setPrint', 'setDifference'] },
    dictionary: { struct: null, functions: ['InitDictionary', 'ChooseRandomWord', 'free_all'] },
};

// A definition in the skeleton: its name, then its body's return, if any.
const defined = (text) => [...text.matchAll(/^[\w ]+?\**(\w+)\([^)]*\) \{\n(?:\s+return (.*);)?/gm)].map((m) => m[1]);

test('the interfaces are the checker\'s four', () => {
    assert.deepEqual(INTERFACES.map((i) => i.name), Object.keys(EXPECTED));
});

for (const { name, header } of INTERFACES) {
    test(`${name}: the skeleton defines what ${header} declares`, () => {
        const text = makeSkeleton(name, header, read(header), support);
        const want = EXPECTED[name];
        assert.deepEqual(defined(text), want.functions);
        assert.deepEqual(readHeader(read(header), support).functions.map((f) => f.name), want.functions);
        assert.equal(/^struct (\w+) \{/m.exec(text)?.[1] ?? null, want.struct);
        assert.match(text, new RegExp(`^#include "${header}"$`, 'm'));
        // Each definition follows a one-line comment from the header.
        assert.equal([...text.matchAll(/^\/\* .+ \*\/\n[^\n]*\) \{$/gm)].length, want.functions.length);
    });
}

const cc = ['cc', 'clang', 'gcc'].find((c) => spawnSync(c, ['--version']).status === 0);
test('every skeleton compiles as C11 without a warning', { skip: !cc && 'no C compiler' }, () => {
    const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'wb-skeleton-'));
    try {
        for (const { name, header } of INTERFACES) {
            const file = path.join(dir, `${name}.c`);
            fs.writeFileSync(file, makeSkeleton(name, header, read(header), support));
            const done = spawnSync(cc, ['-std=c11', '-Wall', '-Werror', '-fsyntax-only', '-I', source, file], { encoding: 'utf8' });
            assert.equal(done.status, 0, `${name}: ${done.stderr}`);
        }
    } finally {
        fs.rmSync(dir, { recursive: true, force: true });
    }
});

test('declarations in the shapes a header may take', () => {
    const header = `/* thing.h: a thing. More. */
#ifndef THING_H
#define THING_H
#define NORETURN _Noreturn
#ifdef __cplusplus
extern "C" {
void OnlyForCpp(void);
#endif
typedef struct thingCDT *thingADT;
typedef int (*compareFnT)(const void *, const void *);
typedef struct { int x; } pointT;
typedef enum { A, B } modeT;
/*
 * Makes a thing, e.g. a big one. Never null.
 */
thingADT NewThing(int,
                  compareFnT cmp);
// Sorts; see above.
extern void Sort(thingADT t, int (*cmp)(int, int));
NORETURN void Fail(const char *msg);
pointT Where(thingADT);
modeT Mode(thingADT t);
double Weight(const thingADT t);
#ifdef __cplusplus
}
#endif
#endif`;
    const read = readHeader(header, support);
    assert.equal(read.summary, 'a thing.');
    assert.deepEqual(read.handles, [{ tag: 'thingCDT', name: 'thingADT' }]);
    assert.deepEqual(read.functions.map((f) => [f.name, f.returns, f.comment]), [
        ['NewThing', 'thingADT', 'Makes a thing, e.g. a big one.'],
        ['Sort', 'void', 'Sorts; see above.'],
        ['Fail', 'void', ''],
        ['Where', 'pointT', ''],
        ['Mode', 'modeT', ''],
        ['Weight', 'double', ''],
    ]);
    const text = makeSkeleton('thing', 'thing.h', header, support);
    assert.match(text, /^thingADT NewThing\(int arg1, compareFnT cmp\) \{\n {4}return NULL;/m);
    assert.match(text, /^void Sort\(thingADT t, int \(\*cmp\)\(int, int\)\) \{$/m);
    assert.match(text, /^pointT Where\(thingADT arg1\) \{\n {4}return \(pointT\)\{0\};/m);
});

test('a zero of each type a function may return', () => {
    const typedefs = new Map([...support, ['handleT', 'pointer'], ['modeT', 'enum'], ['countT', 'unsigned long']]);
    for (const [type, zero] of [['void', null], ['char *', 'NULL'], ['const char *', 'NULL'], ['string', 'NULL'],
        ['bool', 'false'], ['int', '0'], ['double', '0.0'], ['handleT', 'NULL'], ['modeT', '0'], ['countT', '0'],
        ['struct point', '(struct point){0}']]) {
        assert.equal(zeroOf(type, typedefs), zero, type);
    }
    assert.equal(firstSentence('/* One. Two. */'), 'One.');
    assert.equal(firstSentence('/*\n * Spans\n * lines, i.e. two. Then.\n */'), 'Spans lines, i.e. two.');
});
