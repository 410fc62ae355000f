# The word dictionary through its two clients, then the two word programs.
heading "lotdraw through its client (wordpick words.txt)"
sample words/samples/words.txt
run wordpick words.txt

heading "lotdraw: a word file that does not exist (wordpick missing.txt)"
run wordpick missing.txt

# The game on a one-word file, so that every run plays the same: bad input lines on the way to a
# win, then a wrong word among six misses.
printf 'planet\n' >one.txt
heading "wordguess one.txt, to a win"
run wordguess one.txt <<<$'e\nE\nz\n7\n\nplanets\nP\nplanet'
heading "wordguess one.txt, to a loss"
run wordguess one.txt <<<$'x\nq\nplanes\nu\nO\nk'

heading "linereader (input.txt: a short line, an empty line, 150 characters, no final line end)"
sample words/samples/input.txt
run linereader

heading "linereader without input.txt"
rm -f input.txt
run linereader

heading "copydemo"
run copydemo
