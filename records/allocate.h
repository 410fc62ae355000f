/*
 * allocate: the record programs' memory, from the standard allocator.
 */
#pragma once

#include <cstddef>

/*
 * A zeroed block of nbytes (at least one byte), released with free. Never returns null: out of
 * memory, it writes "Out of memory" on standard error and ends the program with status 1.
 */
void *allocate(size_t nbytes);
