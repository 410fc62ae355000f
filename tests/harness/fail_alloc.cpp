#include "fail_alloc.h"

#include <cstddef>

extern "C" void *__real_malloc(size_t size);
extern "C" void *__real_realloc(void *ptr, size_t size);
extern "C" void *__real_calloc(size_t count, size_t size);

namespace {

int countdown = 0;  // 0: disarmed

bool FailsNow() {
    if (countdown == 0) return false;
    return --countdown == 0;
}

}  // namespace

namespace faults {

void FailAllocation(int n) {
    countdown = n;
}

void Disarm() {
    countdown = 0;
}

bool Pending() {
    return countdown > 0;
}

}  // namespace faults

extern "C" void *__wrap_malloc(size_t size) {
    return FailsNow() ? nullptr : __real_malloc(size);
}

extern "C" void *__wrap_realloc(void *ptr, size_t size) {
    return FailsNow() ? nullptr : __real_realloc(ptr, size);
}

extern "C" void *__wrap_calloc(size_t count, size_t size) {
    return FailsNow() ? nullptr : __real_calloc(count, size);
}
