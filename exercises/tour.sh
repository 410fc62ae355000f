# The two small exercises; neither reads a data file.
for word in level abca abba Anna; do
    heading "palindrome $word"
    run palindrome "$word"
done

heading "palindrome without a word"
run palindrome

heading "quiz"
run quiz
