# The word dictionary through its client, then the two word programs.
heading "lotdraw through its client (wordpick words.txt)"
sample words/samples/words.txt
run wordpick words.txt

heading "lotdraw: a word file that does not exist (wordpick missing.txt)"
run wordpick missing.txt

heading "linereader (input.txt: a short line, an empty line, 150 characters, no final line end)"
sample words/samples/input.txt
run linereader

heading "linereader without input.txt"
rm -f input.txt
run linereader

heading "copydemo"
run copydemo
