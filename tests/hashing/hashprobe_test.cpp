// hashprobe end to end: collision lines, probing with wrap-around, the 300-line listing, and
// the failure cases (no data file, bad token, negative key, full table).
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "run_program.h"
#include "views.h"

namespace {

const std::string kBanner =
    "hit here\nHash table of 300 slots, open addressing with linear probing\n";
const std::string kStart = kBanner + "hit here\n";

// The 300 listing lines for a table whose filled slots are given (slot -> value).
std::string Listing(const std::map<int, int> &filled) {
    std::string out;
    for (int j = 0; j < 300; j++) {
        auto it = filled.find(j);
        out += "j: " + std::to_string(j) +
               " number:" + std::to_string(it == filled.end() ? 0 : it->second) + "\n";
    }
    return out;
}

std::string Collision(int slot, int rehashes) {
    return "SEARCH FOR " + std::to_string(slot) + " REHASHES " + std::to_string(rehashes) + "\n";
}

wb::RunResult Probe(const std::string &data) {
    return wb::RunProgram("hashprobe", {.files = {{"data.txt", data}}});
}

TEST(HashprobeTest, LoadsAndLists) {
    struct Case {
        const char *name;
        std::string data;
        std::string collisions;
        std::map<int, int> filled;
    } cases[] = {
        {"no collision", "7\n42\n", "", {{7, 7}, {42, 42}}},
        {"one collision", "5\n305\n", Collision(5, 0), {{5, 5}, {6, 305}}},
        {"two collisions",
         "5\n305\n605\n",
         Collision(5, 0) + Collision(5, 0) + Collision(6, 1),
         {{5, 5}, {6, 305}, {7, 605}}},
        {"wraps from 299 to 0", "599\n299\n", Collision(299, 0), {{299, 599}, {0, 299}}},
        {"wraps on through 0",
         "300\n599\n299\n",
         Collision(299, 0) + Collision(0, 1),
         {{0, 300}, {299, 599}, {1, 299}}},
        // 6 finds its home slot taken by the displaced 305: clusters grow.
        {"cluster", "5\n305\n6\n", Collision(5, 0) + Collision(6, 0), {{5, 5}, {6, 305}, {7, 6}}},
        // A repeated key walks its old probe path again and changes nothing.
        {"repeat", "5\n305\n305\n", Collision(5, 0) + Collision(5, 0), {{5, 5}, {6, 305}}},
        {"any white space",
         "  5 305\t\t605\n\n",
         Collision(5, 0) + Collision(5, 0) + Collision(6, 1),
         {{5, 5}, {6, 305}, {7, 605}}},
        {"no line end at the end", "12", "", {{12, 12}}},
        {"plus sign", "+12\n", "", {{12, 12}}},
        {"a number of any length", std::string(62, '0') + "12\n", "", {{12, 12}}},
        {"empty file", "", "", {}},
    };
    for (const Case &c : cases) {
        wb::RunResult run = Probe(c.data);
        EXPECT_EQ(run, (wb::RunResult{kStart + c.collisions + Listing(c.filled), "", 0})) << c.name;
    }
}

// -i draws the table's runs after each stored key, -j FILE describes each drawing; any other
// argument list leaves the run as it was.
TEST(HashprobeTest, Views) {
    const std::string sample = wb::SourceFile("hashing/samples/data.txt");
    const std::string plain = Probe(sample).out;
    const std::string drawn = wb::SourceFile("tests/hashing/expected/hashprobe-inside.txt");
    const std::string described = wb::SourceFile("tests/hashing/expected/hashprobe-inside.json");
    wb::ExpectViews("hashprobe", {.files = {{"data.txt", sample}}}, drawn, described, plain,
                    {"-i", "-i"});
}

// A full table is one run from slot 0; a key offered again is not drawn again.
TEST(HashprobeTest, ViewOfAFullTable) {
    std::string keys;
    for (int key = 1; key <= 300; key++)
        keys += std::to_string(key) + "\n";
    wb::RunResult run =
        wb::RunProgram("hashprobe", {.args = {"-i"}, .files = {{"data.txt", keys + "7\n"}}});
    const std::string last =
        "  table after 300 (slot 0): 300 keys in 1 run\n    slots 0-299: 300 (home 0, 1 probe) 1 ";
    size_t at = run.out.rfind("  table after");
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(run.out.substr(at, last.size()), last);
    EXPECT_NE(run.out.find("299 (home 299, 1 probe)\n  runs by length: 300 x 1; longest 300\n"
                           "j: 0 number:300\n",
                           at),
              std::string::npos);
}

TEST(HashprobeTest, MissingDataFileIsReported) {
    wb::RunResult run = wb::RunProgram("hashprobe");
    EXPECT_EQ(run, (wb::RunResult{kBanner, "data.txt: No such file or directory\n", 1}));
}

TEST(HashprobeTest, TokenThatIsNotAnIntegerStopsWithoutListing) {
    struct Case {
        std::string data;
        std::string collisions;
        std::string token;
    } cases[] = {
        {"5\n305\nabc\n7\n", Collision(5, 0), "abc"},
        {"12x\n", "", "12x"},
        {"3.5\n", "", "3.5"},
        {"-\n", "", "-"},
        {"2147483648\n", "", "2147483648"},
        {std::string(70, '1') + "\n", "", std::string(63, '1') + "..."},
        {std::string("5") + '\0' + "xyz\n", "", "5\\0xyz"},
    };
    for (const Case &c : cases) {
        wb::RunResult run = Probe(c.data);
        EXPECT_EQ(run, (wb::RunResult{kStart + c.collisions,
                                      "data.txt: \"" + c.token + "\" is not an integer\n", 1}))
            << c.token;
    }
}

TEST(HashprobeTest, NegativeKeyIsSkipped) {
    wb::RunResult run = Probe("4\n-4\n-2147483648\n8\n");
    EXPECT_EQ(run.out, kStart + Listing({{4, 4}, {8, 8}}));
    EXPECT_EQ(run.err,
              "data.txt: negative key -4 skipped\ndata.txt: negative key -2147483648 skipped\n");
    EXPECT_EQ(run.status, 0);
}

TEST(HashprobeTest, FullTableRefusesTheNewKeyAndGoesOn) {
    // 1..300 fill every slot (300 lands in slot 0); 301 then meets 300 taken slots.
    std::string data;
    std::map<int, int> filled;
    for (int key = 1; key <= 301; key++) {
        data += std::to_string(key) + "\n";
        if (key <= 300) filled[key % 300] = key;
    }
    data += "150\n";  // still found in its own slot afterwards
    std::string collisions;
    for (int j = 0; j < 300; j++)
        collisions += Collision((1 + j) % 300, j);
    wb::RunResult run = Probe(data);
    EXPECT_EQ(run, (wb::RunResult{kStart + collisions + Listing(filled),
                                  "data.txt: table full, key 301 not stored\n", 0}));
}

}  // namespace
