// A stand-in for the support library's memory and error services that counts the blocks in use,
// so that a test can see a module free exactly what it should. Linked into a test in place of
// genlib: defining all three services keeps the archive's member out of the link.
#pragma once

namespace wb {

// Blocks taken from GetBlock and not yet given back to FreeBlock.
long LiveBlocks();

}  // namespace wb
