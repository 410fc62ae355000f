heading "selection sort and merge (sortrun)"
run sortrun
heading "the same, compact ending (sortrun-compact)"
run sortrun-compact
heading "selection sort and merge step by step (sortrun -i)"
run sortrun -i
