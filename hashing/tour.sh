# data.txt holds a cluster (5, 305, 605, then 6 meeting it) and a wrap from slot 299 to 0.
heading "hash table (hashprobe with data.txt)"
sample hashing/samples/data.txt
run hashprobe

heading "hash table inside: its runs after each stored key (hashprobe -i)"
run hashprobe -i
