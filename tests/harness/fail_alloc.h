// Makes one allocation fail on demand, for code linked with -Wl,--wrap for malloc, realloc, calloc.
// Only calls from statically linked objects (the unit under test) are redirected; the C and C++
// runtimes keep their own allocator, so printing and gtest are not disturbed.
#pragma once

namespace wb {

// The n-th malloc or realloc from now (1 = the very next one) returns null; later ones succeed,
// and so does every one made once the program has begun to exit.
void FailAllocation(int n);

// Calls after this succeed again.
void Disarm();

// True while the failure set by FailAllocation has not happened yet.
bool Pending();

}  // namespace wb
