#include "fail_alloc.h"

#include <cstddef>
#include <cstdlib>

extern "C" void *__real_malloc(size_t size);
extern "C" void *__real_realloc(void *ptr, size_t size);
extern "C" void *__real_calloc(size_t count, size_t size);

namespace {

int countdown = 0;  // 0: disarmed
// Allocations made once the program has begun to exit belong to whatever runs then (a --coverage
// build's runtime writing its counts, for one), not to the unit under test: they never fail.
bool exiting = false;

bool FailsNow() {
    if (countdown == 0 || exiting) return false;
    return --countdown == 0;
}

}  // namespace

namespace wb {

void FailAllocation(int n) {
    [[maybe_unused]] static const int watching = std::atexit([] { exiting = true; });
    countdown = n;
}

void Disarm() {
    countdown = 0;
}

bool Pending() {
    return countdown > 0;
}

}  // namespace wb

extern "C" void *__wrap_malloc(size_t size) {
    return FailsNow() ? nullptr : __real_malloc(size);
}

extern "C" void *__wrap_realloc(void *ptr, size_t size) {
    return FailsNow() ? nullptr : __real_realloc(ptr, size);
}

extern "C" void *__wrap_calloc(size_t count, size_t size) {
    return FailsNow() ? nullptr : __real_calloc(count, size);
}
