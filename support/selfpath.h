/*
 * selfpath.h: finding the files that ship with a program relative to its own executable, so
 * that an installed, unpacked or moved tree works wherever it stands.
 */
#ifndef WORKBENCH_SUPPORT_SELFPATH_H
#define WORKBENCH_SUPPORT_SELFPATH_H

#include <stddef.h>

#ifndef __cplusplus
#include <stdbool.h>
#endif

#ifdef __cplusplus
extern "C" {
#endif

/*
 * Writes to path (room for size bytes, the NUL included) the file named by relative, taken
 * from the directory that holds the running executable (/proc/self/exe, links resolved); each
 * leading "../" of relative climbs one directory. Returns false, path empty, when the
 * executable cannot be found or the result does not fit.
 */
bool SelfRelativePath(const char *relative, char *path, size_t size);

#ifdef __cplusplus
}
#endif

#endif
