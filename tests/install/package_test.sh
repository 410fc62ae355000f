#!/usr/bin/env bash
# The packages as a user meets them: unpacked into a scratch root (the Debian packages with
# dpkg-deb -x, the tarball with tar), their programs run through the workbench command on the
# bundled samples, the game plays to a win, every EXAMPLE of the section-1 pages runs from the
# installed samples as printed, one page of each manual section renders, completion offers the
# programs, nothing is installed under a name another package may use, the pkg-config files give
# plain paths, and the C buffer client builds against the headers and archives.
# usage: package_test.sh <build dir> <source dir> [--site] <package file>...
# --site: the packages carry the web site (the package preset's tarball does).
set -euo pipefail
build=$(realpath "$1")
source=$(realpath "$2")
shift 2
site=false
if [ "${1:-}" = --site ]; then site=true; shift; fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
mkdir "$root"
for package in "$@"; do
    case $package in
        *.deb) dpkg-deb -x "$package" "$root" ;;
        *.tar.gz) tar -xzf "$package" -C "$root" --strip-components=1 ;;
        *) echo "not a package: $package" >&2; exit 2 ;;
    esac
done
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

for page in man1/workbench-intstack.1 man3/NewBuffer.3wb man7/workbench.7; do
    text=$(MANWIDTH=80 man --warnings -l "$root/usr/share/man/$page.gz" 2>&1) || fail "man -l $page"
    grep -q '^NAME' <<<"$text" && ! grep -q 'warning' <<<"$text" || fail "man -l $page: $text"
done

# Names of the project's own: headers under include/workbench/, archives in a directory of
# their own, package files workbench-*.pc, section-3 pages as 3wb; no page shadows another's.
[ "$(ls "$root/usr/include")" = workbench ] || fail "include/ holds $(ls "$root/usr/include")"
others=$(find "$root/usr/lib" -name '*.a' ! -path '*/workbench/*'
    find "$root/usr/lib" -name '*.pc' ! -name 'workbench-*.pc'
    find "$root/usr/share/man/man3" ! -type d ! -name '*.3wb.gz')
[ -z "$others" ] || fail "installed under generic names: $others"
pc=$(find "$root/usr/lib" -name workbench-chunkrow.pc -printf '%h')
arch=$(basename "$(dirname "$pc")")
read -r -a flags <<<"$(PKG_CONFIG_LIBDIR=$pc pkg-config --cflags --libs workbench-genlib)"
[ "${flags[*]}" = "-I/usr/include/workbench -L/usr/lib/$arch/workbench -lgenlib" ] ||
    fail "workbench-genlib.pc: ${flags[*]}"
read -r -a flags <<<"$(PKG_CONFIG_SYSROOT_DIR=$root PKG_CONFIG_LIBDIR=$pc pkg-config --cflags --libs workbench-chunkrow)"
cc -std=c11 -Wall -Wextra -Werror "$source/tests/install/consumer/buffer_client.c" "${flags[@]}" -o client
diff -u "$source/tests/install/consumer/buffer_expected.txt" <(./client) || fail "buffer client"

# Completion: program names for the first word, files after it.
completion=$root/usr/share/bash-completion/completions/workbench
complete_words() {  # complete_words <word>...: what completing the last word offers
    bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _workbench
             printf "%s\n" "${COMPREPLY[@]}"' - "$completion" "$root/usr/bin/workbench" "$@"
}
[ "$(complete_words sortr)" = $'sortrun\nsortrun-compact' ] || fail "completion of sortr: $(complete_words sortr)"
[ "$(complete_words intstack on)" = one.txt ] || fail "completion of a file: $(complete_words intstack on)"

# Every EXAMPLE of the programs' pages, run in a scratch directory of its own on the installed
# samples, prints what the page shows: standard output and error together, as a terminal shows
# them, less the blanks that end a line, which no page can show. A block after the comment 'The output varies' is not compared, nor one with an elided
# part (a line ...), nor one that runs nothing (a C example).
examples=0
for page in "$root"/usr/share/man/man1/*.1.gz; do
    name=$(basename "$page" .1.gz)
    mkdir "$work/$name"
    zcat "$page" | awk -v out="$work/$name/block" '
        /^\.SH / { in_examples = ($0 ~ /^\.SH EXAMPLES/) }
        !in_examples { next }
        /^\.\\" The output varies/ { skip = 1; next }
        /^\.EX/ { n++; block = 1; runs = 0; next }
        /^\.EE/ {
            block = 0
            if (skip || !runs || elided) { system("rm -f " out n ".*") }
            skip = 0; elided = 0; next
        }
        !block { next }
        {
            line = ($0 == ".sp") ? "" : $0
            gsub(/\\-/, "-", line); gsub(/\\\(aq/, "\047", line); gsub(/\\\(ga/, "`", line)
            gsub(/\\&/, "", line); gsub(/\\\|/, "", line); gsub(/\\f[BIPR]/, "", line)
            gsub(/\\e/, "\\", line)
            if (line == "...") elided = 1
            if (line ~ /^\$ /) { runs = 1; print substr(line, 3) >> (out n ".sh") }
            else print line >> (out n ".expected")
            close(out n ".sh"); close(out n ".expected")
        }'
    for script in "$work/$name"/block*.sh; do
        [ -e "$script" ] || continue
        expected=${script%.sh}.expected
        [ -e "$expected" ] || : >"$expected"
        sed -i "s|/usr/share/|$root/usr/share/|g" "$script"
        (cd "$work/$name" && PATH="$root/usr/bin:$PATH" stdbuf -oL bash "$script" </dev/null 2>&1) \
            >"${script%.sh}.actual" || true
        diff -u <(sed 's/[[:blank:]]*$//' "$expected") <(sed 's/[[:blank:]]*$//' "${script%.sh}.actual") ||
            fail "EXAMPLES of $name: $(cat "$script")"
        examples=$((examples + 1))
    done
done
[ "$examples" -ge 20 ] || fail "only $examples EXAMPLES ran"

# The web site: a module of it runs under node's WASI as the packaged program runs.
if $site; then
    web=$root/usr/share/workbench/web
    [ -f "$web/index.html" ] || fail "no web site in $web"
    diff -u <("$build/bin/intstack") <(WORKBENCH_WASM_DIR=$web "$source/web/run-wasi.mjs" intstack) ||
        fail "intstack.wasm of the site"
    # The Lab: the tarball carries its compiler (from npm), the Debian package leaves it out.
    [ -f "$web/lab/lab.js" ] && [ -f "$web/lab/lab-data-0.js" ] || fail "no Lab in $web/lab"
    compiler=$(find "$web/lab" -name 'compiler-*.js' | wc -l)
    case $1 in
        *.deb) [ "$compiler" -eq 0 ] && [ ! -e "$web/lab/COMPILER-NOTICES.txt" ] ||
            fail "the Debian package carries the Lab's compiler" ;;
        *) [ "$compiler" -gt 0 ] && [ -f "$web/lab/COMPILER-NOTICES.txt" ] ||
            fail "the tarball lacks the Lab's compiler or its notices" ;;
    esac
fi
# A program that cannot be started is reported as a shell reports it.
rm "$root/usr/libexec/workbench/quiz"
diff <("$root/usr/bin/workbench" quiz 2>&1; echo "status $?") - <<EOF || fail "workbench quiz, removed"
workbench: cannot run $root/usr/libexec/workbench/quiz: No such file or directory
status 127
EOF
echo "the unpacked packages run their programs and $examples EXAMPLES, play, show their pages, complete, keep to their own names and link their C client"
