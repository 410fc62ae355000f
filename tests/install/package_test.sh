#!/usr/bin/env bash
# The Debian package as a user meets it: unpacked into a scratch root, its programs run through
# the workbench command on bundled samples, the game plays to a win, one page of each manual
# section renders, and the C buffer client builds against its headers and archives.
# usage: package_test.sh <build dir> <source dir>
set -euo pipefail
build=$(realpath "$1")
source=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
debs=("$build"/workbench_*.deb)
root=$work/root
dpkg-deb -x "${debs[0]}" "$root"
cd "$work"

fail() { echo "FAILED: $*" >&2; exit 1; }
# same <input> <program> [args...]: the packaged program, run through workbench, prints what the
# build's own prints.
same() {
    diff -u <("$build/bin/$2" "${@:3}" <"$1" 2>&1) <("$root/usr/bin/workbench" "${@:2}" <"$1" 2>&1) ||
        fail "${*:2}"
}

cp "$source/lists/samples/stack.txt" data.txt
same /dev/null intstack
same "$source/trees/samples/commands.txt" driver
status=0; "$root/usr/bin/workbench" palindrome >/dev/null || status=$?
[ "$status" -eq 1 ] || fail "palindrome without a word exits $status, not 1"

echo planet >one.txt
"$root/usr/bin/workbench" wordguess one.txt <<<$'p\nlanet\nplanet' | grep -qx 'You win: the word is planet.' ||
    fail "wordguess one.txt does not win"
# The bundled list is found beside the unpacked programs; a game moved away from it says where
# it looked.
"$root/usr/bin/workbench" wordguess </dev/null | grep -q '^You lose: the word was' ||
    fail "wordguess does not find its bundled list"
mkdir -p moved/libexec && cp "$root/usr/libexec/workbench/wordguess" moved/libexec/
diff <(moved/libexec/wordguess 2>&1; echo "status $?") - <<EOF || fail "wordguess away from its list"
wordguess: cannot open the word list $work/share/workbench/wordguess.txt: No such file or directory
status 1
EOF

for page in man1/workbench-intstack.1 man3/NewBuffer.3 man7/workbench.7; do
    text=$(MANWIDTH=80 man --warnings -l "$root/usr/share/man/$page.gz" 2>&1) || fail "man -l $page"
    grep -q '^NAME' <<<"$text" && ! grep -q 'warning' <<<"$text" || fail "man -l $page: $text"
done

pc=$(find "$root/usr/lib" -name chunkrow.pc -printf '%h')
read -r -a flags <<<"$(PKG_CONFIG_SYSROOT_DIR=$root PKG_CONFIG_LIBDIR=$pc pkg-config --cflags --libs chunkrow)"
cc -std=c11 -Wall -Wextra -Werror "$source/tests/install/consumer/buffer_client.c" "${flags[@]}" -o client
diff -u "$source/tests/install/consumer/buffer_expected.txt" <(./client) || fail "buffer client"
# A program that cannot be started is reported as a shell reports it.
rm "$root/usr/libexec/workbench/quiz"
diff <("$root/usr/bin/workbench" quiz 2>&1; echo "status $?") - <<EOF || fail "workbench quiz, removed"
workbench: cannot run $root/usr/libexec/workbench/quiz: No such file or directory
status 127
EOF
# The web site: a module of it runs under node's WASI as the packaged program runs.
site=$root/usr/share/workbench/web
[ -f "$site/index.html" ] || fail "no web site in $site"
diff -u <("$build/bin/intstack") <(WORKBENCH_WASM_DIR=$site "$source/web/run-wasi.mjs" intstack) ||
    fail "intstack.wasm of the site"
echo "the unpacked package runs its programs, plays, shows its pages, links its C client and carries the site"
