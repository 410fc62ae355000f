// The sorted-array set against std::multiset, for its random tests and its fuzz target alike.
#pragma once

#include <set>
#include <string>

#include "capture_stdout.h"
#include "sets/set.h"
#include "support/genlib.h"

namespace wb {

// How a set holding these values, in any order, must print.
template <class Values>
std::string SetShown(const Values &values) {
    std::string text = "{";
    for (int value : std::multiset<int>(values.begin(), values.end())) {
        if (text.size() > 1) text += ',';
        text += std::to_string(value);
    }
    return text + "}";
}

// What setPrint prints for the set, under a name that must not show up in it.
inline std::string SetPrinted(setADT set) {
    return CaptureStdout([&] { setPrint(set, "name"); });
}

struct BagModel {
    setADT set = NewSet();
    std::multiset<int> values;

    BagModel() = default;
    BagModel(const BagModel &) = delete;
    BagModel &operator=(const BagModel &) = delete;
    ~BagModel() { FreeBlock(set); }

    // Inserts value into both; a full set (100 entries) would end the program, so then nothing.
    void Insert(int value) {
        if (values.size() == 100) return;
        setInsertElementSorted(set, value);
        values.insert(value);
    }
    // Replaces both with their difference with other's.
    void Subtract(const BagModel &other) {
        setADT difference = setDifference(set, other.set);
        FreeBlock(set);
        set = difference;
        std::erase_if(values, [&](int value) { return other.values.count(value) > 0; });
    }
    // What the set prints, and what it must print.
    std::string Printed() const { return SetPrinted(set); }
    std::string Shown() const { return SetShown(values); }
};

}  // namespace wb
