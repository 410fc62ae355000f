# The scanner through its bundled client: each line's tokens with white space kept, then skipped.
heading "token scanner wordsift (siftdemo < lines.txt)"
run siftdemo <"$root/scanner/samples/lines.txt"
