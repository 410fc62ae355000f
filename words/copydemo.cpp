/* copydemo: a NUL-terminated string copy next to a fixed-count byte copy. */
#include <cstdio>
#include <cstring>

int main(void) {
    char str1[] = "Sample string";
    char str2[40];
    char str3[40];
    strcpy(str2, str1);
    /* The byte count includes the constant's NUL, so str3 comes out terminated. */
    memcpy(str3, "copy successful", sizeof "copy successful");
    printf("str1: %s\nstr2: %s\nstr3: %s\n", str1, str2, str3);
    return 0;
}
