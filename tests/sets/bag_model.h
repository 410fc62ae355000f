// The sorted-array set against std::multiset, for its random tests and its fuzz target alike.
#pragma once

#include <set>
#include <string>

#include "capture_stdout.h"
#include "sets/set.h"
#include "support/genlib.h"

namespace wb {

// How a set holding these values, in ascending order, must print.
template <class Values>
std::string SetShown(const Values &values) {
    std::string text = "{";
    for (int value : values)
        text += (text.size() > 1 ? "," : "") + std::to_string(value);
    return text + "}";
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
        std::multiset<int> kept;
        for (int value : values)
            if (other.values.count(value) == 0) kept.insert(value);
        values = kept;
    }
    // What the set prints, under a name that must not show up; and what it must print.
    std::string Printed() const {
        return CaptureStdout([&] { setPrint(set, "name"); });
    }
    std::string Shown() const { return SetShown(values); }
};

}  // namespace wb
