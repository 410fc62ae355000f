// Golden tests of pairs: the worked example, the edge cases of scaling and raising, and the
// behaviour on overflow, out-of-range powers and input that is not an integer.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "run_program.h"

namespace {

const char kPrompts[] =
    "Enter first pair\n"
    "Enter second pair\n"
    "Enter a third number to raise/multiply first pair to:\n"
    "Enter a third number to raise/multiply second pair to:\n";

struct PairsCase {
    const char *name;
    const char *input;
    const char *results;  // the six result lines
};

// Pairs 1 2 and 3 4 with extra numbers 2 and 3.
const char kWorkedExampleResults[] =
    "Addition result of (A,B) + (E,F) = (A+E,B+F)= (4,6)\n"
    "Multiplication result of (A,B) * (E,F) = (A*E,B*F)= (1,2)= (3,8)\n"
    "First pair: C*(A,B) = (2,4)\n"
    "Second pair: C*(E,D) = (9,12)\n"
    "First pair: C^(A,B) = (1,4)\n"
    "Second pair: C^(E,F) = (27,64)\n";

const PairsCase kCases[] = {
    {"WorkedExample", "1 2\n3 4\n2\n3\n", kWorkedExampleResults},
    // "%d %d" takes any white space between the numbers, line ends included.
    {"AnyWhiteSpaceBetweenNumbers", "  1\n\n2 3\t4 2 3", kWorkedExampleResults},
    {"ExtraNumberZero", "5 -7\n3 9\n0\n0\n",
     "Addition result of (A,B) + (E,F) = (A+E,B+F)= (8,2)\n"
     "Multiplication result of (A,B) * (E,F) = (A*E,B*F)= (5,-7)= (15,-63)\n"
     "First pair: C*(A,B) = (0,0)\n"
     "Second pair: C*(E,D) = (0,0)\n"
     "First pair: C^(A,B) = (1,1)\n"
     "Second pair: C^(E,F) = (1,1)\n"},
    // 2^-1 and (-3)^-2 truncate to 0; 1 and -1 to an even power stay 1.
    {"NegativeExtraNumber", "2 1\n-3 -1\n-1\n-2\n",
     "Addition result of (A,B) + (E,F) = (A+E,B+F)= (-1,0)\n"
     "Multiplication result of (A,B) * (E,F) = (A*E,B*F)= (2,1)= (-6,-1)\n"
     "First pair: C*(A,B) = (-2,-1)\n"
     "Second pair: C*(E,D) = (6,2)\n"
     "First pair: C^(A,B) = (0,1)\n"
     "Second pair: C^(E,F) = (0,1)\n"},
    {"NegativeBasesKeepIntegerSigns", "-2 -3\n-2 2\n3\n2\n",
     "Addition result of (A,B) + (E,F) = (A+E,B+F)= (-4,-1)\n"
     "Multiplication result of (A,B) * (E,F) = (A*E,B*F)= (-2,-3)= (4,-6)\n"
     "First pair: C*(A,B) = (-6,-9)\n"
     "Second pair: C*(E,D) = (-4,4)\n"
     "First pair: C^(A,B) = (-8,-27)\n"
     "Second pair: C^(E,F) = (4,4)\n"},
    // Sums and products wrap modulo 2^32 as two's-complement integers.
    {"SumsAndProductsWrap", "2147483647 -2147483648\n1 -1\n2\n65536\n",
     "Addition result of (A,B) + (E,F) = (A+E,B+F)= (-2147483648,2147483647)\n"
     "Multiplication result of (A,B) * (E,F) = (A*E,B*F)= (2147483647,-2147483648)= "
     "(2147483647,-2147483648)\n"
     "First pair: C*(A,B) = (-2,0)\n"
     "Second pair: C*(E,D) = (65536,-65536)\n"
     "First pair: C^(A,B) = (2147483647,2147483647)\n"
     "Second pair: C^(E,F) = (1,1)\n"},
    // Powers saturate to the nearest int limit; (-2)^31 is exactly the smallest int; 0 to a
    // negative power gives the largest int.
    {"PowersSaturate", "2 -2\n0 -2\n31\n-1\n",
     "Addition result of (A,B) + (E,F) = (A+E,B+F)= (2,-4)\n"
     "Multiplication result of (A,B) * (E,F) = (A*E,B*F)= (2,-2)= (0,4)\n"
     "First pair: C*(A,B) = (62,-62)\n"
     "Second pair: C*(E,D) = (0,2)\n"
     "First pair: C^(A,B) = (2147483647,-2147483648)\n"
     "Second pair: C^(E,F) = (2147483647,0)\n"},
    {"PowersSaturateBelow", "-2 10\n-10 3\n33\n10\n",
     "Addition result of (A,B) + (E,F) = (A+E,B+F)= (-12,13)\n"
     "Multiplication result of (A,B) * (E,F) = (A*E,B*F)= (-2,10)= (20,30)\n"
     "First pair: C*(A,B) = (-66,330)\n"
     "Second pair: C*(E,D) = (-100,30)\n"
     "First pair: C^(A,B) = (-2147483648,2147483647)\n"
     "Second pair: C^(E,F) = (2147483647,59049)\n"},
    // Reading stops at the first answer that is not an integer; every field not read is 0.
    {"FieldsNotReadAreZero", "7 x 3 4\n2\n3\n",
     "Addition result of (A,B) + (E,F) = (A+E,B+F)= (7,0)\n"
     "Multiplication result of (A,B) * (E,F) = (A*E,B*F)= (7,0)= (0,0)\n"
     "First pair: C*(A,B) = (0,0)\n"
     "Second pair: C*(E,D) = (0,0)\n"
     "First pair: C^(A,B) = (1,1)\n"
     "Second pair: C^(E,F) = (1,1)\n"},
    {"InputEndsEarly", "1 2\n3",
     "Addition result of (A,B) + (E,F) = (A+E,B+F)= (4,2)\n"
     "Multiplication result of (A,B) * (E,F) = (A*E,B*F)= (1,2)= (3,0)\n"
     "First pair: C*(A,B) = (0,0)\n"
     "Second pair: C*(E,D) = (0,0)\n"
     "First pair: C^(A,B) = (1,1)\n"
     "Second pair: C^(E,F) = (1,1)\n"},
    // A number beyond the int range is read as the nearest int limit.
    {"OutOfRangeInputSaturates", "99999999999 -99999999999999999999\n0 0\n1\n1\n",
     "Addition result of (A,B) + (E,F) = (A+E,B+F)= (2147483647,-2147483648)\n"
     "Multiplication result of (A,B) * (E,F) = (A*E,B*F)= (2147483647,-2147483648)= (0,0)\n"
     "First pair: C*(A,B) = (2147483647,-2147483648)\n"
     "Second pair: C*(E,D) = (0,0)\n"
     "First pair: C^(A,B) = (2147483647,-2147483648)\n"
     "Second pair: C^(E,F) = (0,0)\n"},
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const PairsCase &c, std::ostream *os) {
    *os << c.name;
}

class PairsGolden : public ::testing::TestWithParam<PairsCase> {};

TEST_P(PairsGolden, PrintsPromptsAndSixResults) {
    const PairsCase &c = GetParam();
    wb::RunResult run = wb::RunProgram("pairs", {.input = c.input});
    EXPECT_EQ(run, (wb::RunResult{std::string(kPrompts) + c.results, "", 0}));
}

INSTANTIATE_TEST_SUITE_P(Pairs, PairsGolden, ::testing::ValuesIn(kCases),
                         [](const auto &tested) { return std::string(tested.param.name); });

}  // namespace
