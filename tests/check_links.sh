#!/usr/bin/env bash
# Every relative link of the README and the documents names a file of the tree, and a heading of
# it where the link has an anchor; the README links to each document and each document back.
# usage: check_links.sh <source dir>
set -euo pipefail
cd "$1"
status=0
fail() { echo "$*" >&2; status=1; }

# anchors <file>: the anchor of each heading, as Markdown renderers make it.
anchors() {
    sed -n 's/^#\{1,6\} \(.*\)/\1/p' "$1" | tr '[:upper:]' '[:lower:]' | sed 's/[^a-z0-9 _-]//g; s/ /-/g'
}

for doc in README.md CONTRIBUTING.md docs/*.md; do
    while read -r target; do
        case $target in http://* | https://* | mailto:*) continue ;; esac
        file=${target%%#*}
        anchor=${target#"$file"}
        path=$(dirname "$doc")/$file
        [ -n "$file" ] || path=$doc
        if [ ! -e "$path" ]; then
            fail "$doc: links to $target, which is not there"
        elif [ -n "$anchor" ] && ! anchors "$path" | grep -qxF -- "${anchor#\#}"; then
            fail "$doc: links to $target, but $path has no such heading"
        fi
    done < <(grep -o '](\([^)]*\))' "$doc" | sed 's/^](\(.*\))$/\1/')
done
for doc in docs/*.md; do
    grep -qF "](../README.md" "$doc" || fail "$doc: no link back to README.md"
    grep -qF "](${doc}" README.md || fail "README.md: no link to $doc"
done
exit "$status"
