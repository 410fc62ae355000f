# The tree shell driven by a command script on standard input.
heading "tree shell (driver < commands.txt)"
run driver <"$root/trees/samples/commands.txt"

# Seeded from the clock: the averages change from one run to the next.
heading "search cost against tree size (treecost)"
run treecost

heading "tree shell inside: the tree drawn after I, D and F (driver -i < commands.txt)"
run driver -i <"$root/trees/samples/commands.txt"

# A fixed seed: the same table on every run.
heading "search cost, seeded (treecost -s 42)"
run treecost -s 42
