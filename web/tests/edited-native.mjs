// The native build of an edited copy of the tree, for the browser tests to compare the page's
// rebuilds with: the tree's files (git ls-files) copied, the changes made, and the targets built
// by the project's own CMake, as the native build builds them.
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { spawnSync } from 'node:child_process';
import { source } from './browser.mjs';

function run(command, args, cwd) {
    const done = spawnSync(command, args, { cwd, encoding: 'utf8' });
    if (done.status !== 0) throw new Error(`${command} ${args.join(' ')}: ${done.stderr || done.stdout}`);
    return done.stdout;
}

// changes: [{ file, text }] with file relative to the tree's root; returns the copy's bin/.
export function buildEdited(changes, targets) {
    const dir = fs.mkdtempSync(path.join(process.env.TMPDIR || os.tmpdir(), 'wb-edited-'));
    const tree = path.join(dir, 'src'), build = path.join(dir, 'build');
    for (const file of run('git', ['ls-files', '-z'], source).split('\0').filter(Boolean)) {
        const from = path.join(source, file);
        if (!fs.existsSync(from)) continue;
        fs.mkdirSync(path.dirname(path.join(tree, file)), { recursive: true });
        fs.copyFileSync(from, path.join(tree, file));
    }
    for (const { file, text } of changes) fs.writeFileSync(path.join(tree, file), text);
    run('cmake', ['-S', tree, '-B', build, '-G', 'Ninja', '-DCMAKE_BUILD_TYPE=RelWithDebInfo',
        '-DWORKBENCH_TESTS=OFF', '-DWORKBENCH_BENCHMARKS=OFF', '-DWORKBENCH_INSTALL=OFF'], dir);
    run('cmake', ['--build', build, '--target', ...targets], dir);
    return { bin: path.join(build, 'bin'), remove: () => fs.rmSync(dir, { recursive: true, force: true }) };
}
