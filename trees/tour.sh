# The tree shell driven by a command script on standard input.
heading "tree shell (driver < commands.txt)"
run driver <"$root/trees/samples/commands.txt"

# Seeded from the clock: the averages change from one run to the next.
heading "search cost against tree size (treecost)"
run treecost
