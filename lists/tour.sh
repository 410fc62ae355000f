# The three linear-list programs.
heading "ringlist with a readable file (prints nothing)"
sample lists/samples/ring.txt
run ringlist ring.txt two three

heading "ringlist with a missing file"
run ringlist missing.txt two three

heading "ringlist with two arguments"
run ringlist ring.txt two

heading "intstack on data.txt (growth, pops, a pop too many)"
sample lists/samples/stack.txt data.txt
run intstack

heading "intstack inside: the stack drawn after each change (intstack -i)"
run intstack -i

heading "intstack on a data.txt with a word in it"
sample lists/samples/stack-bad.txt data.txt
run intstack

heading "intstack without data.txt"
rm -f data.txt
run intstack

heading "linkqueue"
run linkqueue

heading "linkqueue inside: the queue drawn after each change (linkqueue -i)"
run linkqueue -i

heading "the ring list drawn around its ring (ringdemo < ring-commands.txt)"
run ringdemo <"$root/lists/samples/ring-commands.txt"
