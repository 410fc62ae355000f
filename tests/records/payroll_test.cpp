// Golden tests of payroll: the worked example and its column layout, the employee limit, counts
// that are not positive, and the handling of answers.
#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <string>

#include "run_program.h"

namespace {

const char kCountPrompt[] = "How many employees do you have to enter?:";
const char kHeading[] =
    "Name      Gross        Tax       Net         \n"
    "--------------------------------------------------\n";
const char kLimit[] =
    "\nThis program can only accept 100 employees for your payroll. To calculate the payroll for "
    "a business with more employees please upgrade to Pro.\n";
const char kBobLine[] = "Bob       1000.00    - 249.50  = 750.50      \n";
const char kEmptyLine[] = "          0.00       - 0.00    = 0.00        \n";

// The five prompts of employee n, each without a line end.
std::string Prompts(int n) {
    return "Employee Name (" + std::to_string(n) +
           "):Title:Employee Social Security Number:Employee's Salary:Witholding exemptions:";
}

// The whole output of a run that enters `count` employees and lists `lines`.
std::string Output(int count, const std::string &lines) {
    std::string out = kCountPrompt;
    for (int i = 1; i <= count; i++)
        out += Prompts(i);
    return out + kHeading + lines + "****" + std::to_string(count) + "****\n";
}

struct PayrollCase {
    const char *name;
    std::string input;
    std::string out;
};

const std::string kLongName(150, 'N');

const PayrollCase kCases[] = {
    {"WorkedExample", "1\nBob\nClerk\n123-45-6789\n1000\n2\n", Output(1, kBobLine)},
    // Each line shows its own employee; a name of 10 or more characters pushes the line right;
    // exemptions above the salary give a negative tax.
    {"ColumnsAndOwnFigures",
     "3\nBob\nClerk\n1\n1000\n2\nAlexandra Smith\nBoss\n2\n1\n5\nZed\nIntern\n3\n0\n0\n",
     Output(3, std::string(kBobLine) + "Alexandra Smith1.00       - -1.00   = 2.00        \n"
                                       "Zed       0.00       - 0.00    = 0.00        \n")},
    {"HundredAndOneIsRefused", "101\nBob\n",
     std::string(kCountPrompt) + kLimit + kHeading + "****0****\n"},
    {"NegativeCount", "-3\n", std::string(kCountPrompt) + kHeading + "****-3****\n"},
    {"CountNotANumber", "many\n", std::string(kCountPrompt) + kHeading + "****0****\n"},
    {"CountWithTextAfterIt", "  1 employee\nBob\nClerk\n1\n1000\n2\n", Output(1, kBobLine)},
    {"NoInputAtAll", "", std::string(kCountPrompt) + kHeading + "****0****\n"},
    // Mended: blanks and tabs after a number go with its line end instead of becoming the next
    // answer, so the second employee's name is not lost.
    {"BlanksAfterNumbers", "2\nBob\nClerk\n1\n1000 \n2 \t\nBob\nClerk\n1\n1000\t\n2  \n",
     Output(2, std::string(kBobLine) + kBobLine)},
    // Anything else after a number behaves as it always has: one character goes with the number
    // and the rest of the line is the next answer.
    {"SalaryAndExemptionsOnOneLine", "1\nBob\nClerk\n1\n1000 2\n", Output(1, kBobLine)},
    {"RestOfLineIsNextAnswer", "2\nBob\nClerk\n1\n1000\n2  Ann\nx\n1\n8\n0\n",
     Output(2, std::string(kBobLine) + " Ann      8.00       - 2.00    = 6.00        \n")},
    // An answer that is not a number records 0 and its line is consumed.
    {"SalaryNotANumber", "1\nBob\nClerk\n1\nlots\n2\n",
     Output(1, "Bob       0.00       - -0.50   = 0.50        \n")},
    {"ExemptionsNotANumber", "2\nBob\nClerk\n1\n1000\nnone\nAl\nClerk\n1\n4\n0\n",
     Output(2,
            "Bob       1000.00    - 250.00  = 750.00      \n"
            "Al        4.00       - 1.00    = 3.00        \n")},
    // Mended: an answer cut by the end of input keeps its last character.
    {"NameCutByEndOfInput", "1\nBob", Output(1, "Bob       0.00       - 0.00    = 0.00        \n")},
    {"ExemptionsCutByEndOfInput", "1\nBob\nClerk\n1\n1000\n2", Output(1, kBobLine)},
    // Input that ends early records empty texts and 0; the listing still prints.
    {"InputEndsEarly", "2\nBob\nClerk\n1\n1000\n2\n",
     Output(2, std::string(kBobLine) + kEmptyLine)},
    // A text of more than 99 characters is cut to 99 and the rest of its line dropped.
    {"OverLongName", "1\n" + kLongName + "\nClerk\n1\n1000\n2\n",
     Output(1, std::string(99, 'N') + "1000.00    - 249.50  = 750.50      \n")},
    {"OverLongTitleAndNumber",
     "1\nBob\n" + std::string(2000, 'T') + "\n" + std::string(120, '9') + "\n1000\n2\n",
     Output(1, kBobLine)},
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const PayrollCase &c, std::ostream *os) {
    *os << c.name;
}

class PayrollGolden : public ::testing::TestWithParam<PayrollCase> {};

TEST_P(PayrollGolden, PrintsDialogueAndListing) {
    const PayrollCase &c = GetParam();
    wb::RunResult run = wb::RunProgram("payroll", {.input = c.input});
    EXPECT_EQ(run, (wb::RunResult{c.out, "", 0}));
}

INSTANTIATE_TEST_SUITE_P(Payroll, PayrollGolden, ::testing::ValuesIn(kCases),
                         [](const auto &tested) { return std::string(tested.param.name); });

// A count of exactly 100 is accepted: 100 employees are prompted for, numbered 1 to 100.
TEST(PayrollTest, HundredEmployeesAreAccepted) {
    std::string input = "100\n";
    std::string lines;
    for (int i = 1; i <= 100; i++) {
        std::string name = "E";
        name += std::to_string(i);
        input += name + "\nT\n1\n" + std::to_string(i) + "\n0\n";
        char line[64];
        std::snprintf(line, sizeof line, "%-10s%-10.2f - %-8.2f= %-12.2f\n", name.c_str(),
                      double(i), i * 0.25, i * 0.75);
        lines += line;
    }
    wb::RunResult run = wb::RunProgram("payroll", {.input = input});
    EXPECT_EQ(run.out, Output(100, lines));
    EXPECT_EQ(run.status, 0);
}

}  // namespace
