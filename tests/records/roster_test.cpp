// Golden tests of roster: the listing of whole records, the command line and file failures, and
// the handling of failing fields, cut-short or unparsable records, empty files and
// over-long names.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "run_program.h"

namespace {

const char kBanner[] = "Student roster\n";

const char kAnnLee[] =
    "student: 1\n"
    " id: 7\n"
    " name:Ann Lee\n"
    " age:20\n"
    " gpa:3.500000\n";

// Everything roster prints for `count` records listed as `blocks`.
std::string Listing(int count, const std::string &blocks) {
    const std::string n = std::to_string(count);
    return kBanner + ("# of records: " + n + "\nlist:\n") + blocks +
           "The total amount of students is:" + n + "\n";
}

struct RosterCase {
    const char *name;
    std::string data;
    std::string out;
    std::string err;
};

const RosterCase kCases[] = {
    {"AnnLee", "7\nAnn Lee\n20\n3.5\n", Listing(1, kAnnLee), ""},
    {"LastRecordWithoutLineEnd", "7\nAnn Lee\n20\n3.5", Listing(1, kAnnLee), ""},
    // Blank lines between records do not count; a name keeps trailing blanks, not leading ones;
    // averages of exactly 0 and 4 are accepted.
    {"TwoRecordsWithBlankLines",
     "\n7\n   Ann Lee\n20\n3.5\n\n\n  12\nBo Chen  \n  31\n0\n\n13\nCy\n40\n4\n\n",
     Listing(3, std::string(kAnnLee) +
                    "student: 2\n id: 12\n name:Bo Chen  \n age:31\n gpa:0.000000\n"
                    "student: 3\n id: 13\n name:Cy\n age:40\n gpa:4.000000\n"),
     ""},
    // A field that fails its test is listed as 0 and named on standard error; the name
    // is still listed.
    {"FailingFields", "0\nZero Id\n20\n3\n5\nOld\n-1\n4.5\n6\nNan\n1\nnan\n",
     Listing(3,
             "student: 1\n id: 0\n name:Zero Id\n age:20\n gpa:3.000000\n"
             "student: 2\n id: 5\n name:Old\n age:0\n gpa:0.000000\n"
             "student: 3\n id: 6\n name:Nan\n age:1\n gpa:0.000000\n"),
     "Record 1: the identifier fails its test and is listed as 0\n"
     "Record 2: the age fails its test and is listed as 0\n"
     "Record 2: the average fails its test and is listed as 0\n"
     "Record 3: the average fails its test and is listed as 0\n"},
    {"NumbersBeyondIntRange", "99999999999\nBig\n-99999999999\n1\n",
     Listing(1, "student: 1\n id: 2147483647\n name:Big\n age:0\n gpa:1.000000\n"),
     "Record 1: the age fails its test and is listed as 0\n"},
    // A cut-short record ends reading; only whole records count.
    {"CutShortBeforeAverage", "7\nAnn Lee\n20\n3.5\n8\nBo\n30\n", Listing(1, kAnnLee),
     "Reading stopped: the file ends before the average of record 2\n"},
    {"CutShortBeforeName", "7\nAnn Lee\n20\n3.5\n8\n", Listing(1, kAnnLee),
     "Reading stopped: the file ends before the name of record 2\n"},
    {"CutShortBeforeAge", "7\nAnn Lee\n20\n3.5\n8\nBo", Listing(1, kAnnLee),
     "Reading stopped: the file ends before the age of record 2\n"},
    // A field that does not parse ends reading there, with no endless loop.
    {"AgeDoesNotParse", "7\nAnn Lee\n20\n3.5\n8\nBo\nthirty\n2\n9\nCy\n40\n3\n",
     Listing(1, kAnnLee), "Reading stopped at line 7: the age of record 2 does not parse\n"},
    {"IdentifierDoesNotParse", "7\nAnn Lee\n20\n3.5\n\nx8\nBo\n30\n2\n", Listing(1, kAnnLee),
     "Reading stopped at line 6: the identifier of record 2 does not parse\n"},
    {"FirstRecordDoesNotParse", "abc\n", Listing(0, ""),
     "Reading stopped at line 1: the identifier of record 1 does not parse\n"},
    {"AverageNotANumber", "7\nAnn Lee\n20\ngood\n", Listing(0, ""),
     "Reading stopped at line 4: the average of record 1 does not parse\n"},
    // An empty file lists no records.
    {"EmptyFile", "", Listing(0, ""), ""},
    {"OnlyWhiteSpace", "\n  \n\t\n", Listing(0, ""), ""},
    // A name longer than 254 characters is cut to 254, the rest of its line dropped.
    {"OverLongName", "7\n" + std::string(300, 'n') + "\n20\n3.5\n",
     Listing(1,
             "student: 1\n id: 7\n name:" + std::string(254, 'n') + "\n age:20\n gpa:3.500000\n"),
     ""},
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const RosterCase &c, std::ostream *os) {
    *os << c.name;
}

class RosterGolden : public ::testing::TestWithParam<RosterCase> {};

TEST_P(RosterGolden, ListsWholeRecords) {
    const RosterCase &c = GetParam();
    wb::RunResult run =
        wb::RunProgram("roster", {.args = {"students.txt"}, .files = {{"students.txt", c.data}}});
    EXPECT_EQ(run, (wb::RunResult{c.out, c.err, 0}));
}

INSTANTIATE_TEST_SUITE_P(Roster, RosterGolden, ::testing::ValuesIn(kCases),
                         [](const auto &tested) { return std::string(tested.param.name); });

struct FailureCase {
    const char *name;
    std::vector<std::string> args;
    std::string out;
};

const FailureCase kFailures[] = {
    {"NoArgument", {}, "Student roster\nNo datafile was inputted on command line!\n"},
    {"TwoArguments",
     {"students.txt", "students.txt"},
     "Student roster\nNo datafile was inputted on command line!\n"},
    {"MissingFile", {"absent.txt"}, "Student roster\nError opening file please try again\n"},
};

void PrintTo(const FailureCase &c, std::ostream *os) {
    *os << c.name;
}

class RosterFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(RosterFailure, EndsWithStatusOne) {
    const FailureCase &c = GetParam();
    wb::RunResult run = wb::RunProgram(
        "roster", {.args = c.args, .files = {{"students.txt", "7\nAnn Lee\n20\n3.5\n"}}});
    EXPECT_EQ(run, (wb::RunResult{c.out, "", 1}));
}

INSTANTIATE_TEST_SUITE_P(Roster, RosterFailure, ::testing::ValuesIn(kFailures),
                         [](const auto &tested) { return std::string(tested.param.name); });

}  // namespace
