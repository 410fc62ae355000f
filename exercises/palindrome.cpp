/* palindrome: tells whether its argument reads the same both ways, recursively and iteratively. */
#include <cstdio>
#include <cstring>

/* 1 when s is a palindrome from offset inwards (offset 0 tests the whole word), else 0. */
static int isPalindrome(char *s, int offset) {
    size_t len = strlen(s);
    size_t i = static_cast<size_t>(offset);
    if (i == len / 2) return 1;
    if (s[i] != s[len - i - 1]) return 0;
    return isPalindrome(s, offset + 1);
}

/* 1 when s is a palindrome, else 0. */
static int isPalindrome2(char *s) {
    size_t len = strlen(s);
    for (size_t i = 0; i < len / 2; i++)
        if (s[i] != s[len - i - 1]) return 0;
    return 1;
}

static void PrintVerdict(const char *word, int palindrome) {
    printf(palindrome ? "\t%s is a palindrome\n" : "\t%s is NOT a palindrome\n", word);
}

int main(int nargs, char **args) {
    if (nargs < 2) {
        puts("Usage: <executable> <word to scan>");
        return 1;
    }
    char *word = args[1];
    puts("Recursive test:");
    PrintVerdict(word, isPalindrome(word, 0));
    puts("Iterative test:");
    PrintVerdict(word, isPalindrome2(word));
    return 0;
}
