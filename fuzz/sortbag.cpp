// The sorted bag against std::multiset (bag_model.h). Each byte is a step on two bags A and B:
// its top two bits pick insert into A, insert into B, fill A up with copies, or A minus B; the
// rest is the value (wb::Value). Inserts stop at the capacity of 100.
#include "streams.h"
#include "tests/sets/bag_model.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    wb::BagModel a, b;
    for (size_t i = 0; i < size; i++) {
        int value = wb::Value(data[i]);
        if (data[i] < 0x40) {
            a.Insert(value);
        } else if (data[i] < 0x80) {
            b.Insert(value);
        } else if (data[i] < 0xc0) {
            while (a.values.size() < 100)
                a.Insert(value);
        } else {
            if (a.Printed() != a.Shown()) abort();
            a.Subtract(b);
            if (a.Printed() != a.Shown()) abort();
        }
    }
    if (a.Printed() != a.Shown() || b.Printed() != b.Shown()) abort();
    return 0;
}
