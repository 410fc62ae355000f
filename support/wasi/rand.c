/*
 * rand.c: rand and srand as the GNU C library computes them, for the WebAssembly build, whose C
 * library has a generator of its own: the programs' numbers are defined by the native one, so a
 * seed must give the same sequence in both builds.
 *
 * The generator is the additive feedback one of the GNU C library's default (TYPE_3) state: 31
 * words seeded by the minimal standard generator (x * 16807 mod 2^31 - 1), then
 *   r[i] = r[i - 31] + r[i - 3]   (mod 2^32)
 * with the first 310 results thrown away; each result is r[i] >> 1, in [0, RAND_MAX]. Seed 0 is
 * taken as 1, and a program that never seeds gets the sequence of seed 1.
 */
#include <stdint.h>
#include <stdlib.h>

enum { Degree = 31, Separation = 3, Discarded = 10 * Degree };

static uint32_t state[Degree];
static int front = Separation; /* the word the next result updates */
static int rear = 0;           /* the word added to it */
static int seeded = 0;

static uint32_t Next(void) {
    state[front] += state[rear];
    uint32_t result = state[front] >> 1;
    front = (front + 1) % Degree;
    rear = (rear + 1) % Degree;
    return result;
}

void srand(unsigned seed) {
    if (seed == 0) seed = 1;
    int32_t word = (int32_t)seed;
    state[0] = (uint32_t)word;
    for (int i = 1; i < Degree; i++) {
        /* word * 16807 mod (2^31 - 1) without overflow (Schrage's method) */
        int32_t hi = word / 127773;
        int32_t lo = word % 127773;
        word = 16807 * lo - 2836 * hi;
        if (word < 0) word += 2147483647;
        state[i] = (uint32_t)word;
    }
    front = Separation;
    rear = 0;
    seeded = 1;
    for (int i = 0; i < Discarded; i++)
        Next();
}

int rand(void) {
    if (!seeded) srand(1);
    return (int)Next();
}
