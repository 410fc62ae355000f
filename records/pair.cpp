/*
 * pairs: reads two pairs of integers and an extra number for each, and prints their sum, their
 * product, each pair scaled by its extra number and each pair raised to the power of it.
 *
 * The operations are file-local: the C library has a function named raise (in the signal
 * header, which this unit does not include), and a unit-private raise neither collides with it
 * at link time nor interposes on it for the rest of the process.
 */
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "records/pair.h"
#include "support/numread.h"

/* Two's-complement arithmetic modulo 2^32, done on unsigned values so it never overflows. */
static int32_t wrappedSum(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

static int32_t wrappedProduct(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}

/* base to the power exponent, truncated toward zero; outside the int range it saturates. */
static int32_t truncatedPower(int32_t base, int32_t exponent) {
    double power = pow(static_cast<double>(base), static_cast<double>(exponent));
    if (std::isnan(power)) return 0;
    if (power >= 2147483648.0) return INT32_MAX;
    if (power <= -2147483649.0) return INT32_MIN;
    return static_cast<int32_t>(power);
}

static pair add(pair p1, pair p2) {
    pair temp = {wrappedSum(p1.first, p2.first), wrappedSum(p1.second, p2.second), 0};
    return temp;
}

static pair multiply(pair p1, pair p2) {
    pair temp = {wrappedProduct(p1.first, p2.first), wrappedProduct(p1.second, p2.second), 0};
    return temp;
}

static pair multi2(pair p1) {
    pair temp = {wrappedProduct(p1.first, p1.third), wrappedProduct(p1.second, p1.third), 0};
    return temp;
}

static pair raise(pair p1) {
    pair temp = {truncatedPower(p1.first, p1.third), truncatedPower(p1.second, p1.third), 0};
    return temp;
}

bool readInt(int32_t *value) {
    int ch;
    do {
        ch = getchar();
    } while (ch == ' ' || ch == '\t' || ch == '\n' || ch == '\v' || ch == '\f' || ch == '\r');
    if (ch != EOF) ungetc(ch, stdin);
    return ScanInt(stdin, value);
}

void readPair(pair *p) {
    if (readInt(&p->first)) readInt(&p->second);
}

int main(void) {
    pair nu1 = {0, 0, 0};
    pair nu2 = {0, 0, 0};

    puts("Enter first pair");
    readPair(&nu1);
    puts("Enter second pair");
    readPair(&nu2);
    puts("Enter a third number to raise/multiply first pair to:");
    readInt(&nu1.third);
    puts("Enter a third number to raise/multiply second pair to:");
    readInt(&nu2.third);

    pair nu4 = add(nu1, nu2);
    printf("Addition result of (A,B) + (E,F) = (A+E,B+F)= (%d,%d)\n", nu4.first, nu4.second);
    pair nu5 = multiply(nu1, nu2);
    printf("Multiplication result of (A,B) * (E,F) = (A*E,B*F)= (%d,%d)= (%d,%d)\n", nu1.first,
           nu1.second, nu5.first, nu5.second);
    pair nu6 = multi2(nu1);
    printf("First pair: C*(A,B) = (%d,%d)\n", nu6.first, nu6.second);
    pair nu7 = multi2(nu2);
    printf("Second pair: C*(E,D) = (%d,%d)\n", nu7.first, nu7.second);
    pair nu8 = raise(nu1);
    printf("First pair: C^(A,B) = (%d,%d)\n", nu8.first, nu8.second);
    pair nu9 = raise(nu2);
    printf("Second pair: C^(E,F) = (%d,%d)\n", nu9.first, nu9.second);
    return 0;
}
