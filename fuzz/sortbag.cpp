// The sorted bag against std::multiset. Each byte is a step on two bags A and B: its top two
// bits pick insert into A, insert into B, fill A up with copies, or A minus B; the rest is the
// value (fuzz::Value). Inserts stop at the capacity of 100.
#include <set>
#include <string>

#include "sets/set.h"
#include "streams.h"
#include "support/genlib.h"

namespace {

typedef std::multiset<int> Bag;

std::string Shown(const Bag &bag) {
    std::string text = "{";
    for (int value : bag) {
        if (text.size() > 1) text += ',';
        text += std::to_string(value);
    }
    return text + "}";
}

void Insert(setADT set, Bag &bag, int value) {
    if (bag.size() == 100) return;  // a full set ends the program
    setInsertElementSorted(set, value);
    bag.insert(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    setADT a = NewSet(), b = NewSet();
    Bag bag_a, bag_b;
    std::string expected;
    std::string shown = fuzz::Printed([&] {
        for (size_t i = 0; i < size; i++) {
            int value = fuzz::Value(data[i]);
            if (data[i] < 0x40) {
                Insert(a, bag_a, value);
            } else if (data[i] < 0x80) {
                Insert(b, bag_b, value);
            } else if (data[i] < 0xc0) {
                while (bag_a.size() < 100)
                    Insert(a, bag_a, value);
            } else {
                setADT difference = setDifference(a, b);
                Bag model;
                for (int v : bag_a)
                    if (bag_b.count(v) == 0) model.insert(v);
                setPrint(a, "A");
                setPrint(difference, "A-B");
                expected += Shown(bag_a) + Shown(model);
                FreeBlock(a);
                a = difference;
                bag_a = model;
            }
        }
        setPrint(a, "A");
        setPrint(b, "B");
    });
    if (shown != expected + Shown(bag_a) + Shown(bag_b)) abort();
    FreeBlock(a);
    FreeBlock(b);
    return 0;
}
