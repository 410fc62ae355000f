/* quiz: a counted loop that prints its running total on every pass and once after. */
#include <cstdio>

int main(void) {
    int tot = 0;
    for (int i = 10; i > 0; i--) {
        printf("value:%d\n", tot);
        tot++;
    }
    printf("%d\n", tot);
    return 0;
}
