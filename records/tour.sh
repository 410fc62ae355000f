# The record programs on their bundled answers and data.
heading "payroll (three employees; the salary 5200.50 has a trailing blank)"
run payroll <"$root/records/samples/payroll.txt"

heading "payroll (101 employees is over the limit)"
run payroll <"$root/records/samples/payroll-limit.txt"

heading "roster students.txt (one record with an age that fails its test)"
sample records/samples/students.txt
run roster students.txt

heading "roster students-cut.txt (the last record is cut short)"
sample records/samples/students-cut.txt
run roster students-cut.txt

heading "roster (no data file named)"
run roster

heading "rectangles (A and B share an edge only)"
run rectangles <"$root/records/samples/rectangles-edge.txt"

heading "rectangles (A and B overlap)"
run rectangles <"$root/records/samples/rectangles-overlap.txt"

heading "pairs (1 2, 3 4, extra numbers 2 and 3)"
run pairs <"$root/records/samples/pairs.txt"

heading "pairs (sums and products wrap, powers saturate)"
run pairs <"$root/records/samples/pairs-limits.txt"
