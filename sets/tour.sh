# The set through its bundled client: insertions into A and B, then both differences.
heading "sorted-array set sortbag (bagdemo < sets.txt)"
run bagdemo <"$root/sets/samples/sets.txt"
