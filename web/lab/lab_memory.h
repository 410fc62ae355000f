/*
 * lab_memory.h: the Lab's memory services, in place of genlib's for a module built in the page.
 *
 * Every block a module takes, from GetBlock or from the C library's allocation calls (a module
 * built in the page has malloc, calloc, realloc, strdup and free renamed to the Lab* ones below),
 * is kept in a table of live blocks with guard bytes on either side, so that the page can draw
 * the module's memory without knowing its layout, and a memory fault is caught and named without
 * a sanitizer:
 *   "leak"                                  blocks still held when LabExpectEmpty is called
 *   "free of a pointer never handed out"    FreeBlock or free of anything not live
 *   "double free"                           freeing a block already freed
 *   "write past the end of a block"         a guard after a block changed
 *   "write before the start of a block"     a guard before a block changed
 *   "write to a freed block"                a freed block, held back a while, changed
 * A fault writes "memory error: <name>: <what>" and a line end on standard error and ends the
 * program with status LabFaultStatus. The guards are looked at when their block is freed and at
 * each LabCheckAll.
 */
#ifndef WORKBENCH_WEB_LAB_MEMORY_H
#define WORKBENCH_WEB_LAB_MEMORY_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* The exit status of a program ended by a memory fault. */
enum { LabFaultStatus = 70 };

/* Where a block came from. */
typedef enum { LabFromGetBlock = 0, LabFromMalloc = 1 } labOriginT;

/* One live block, as the page reads the table: 16 bytes in wasm32, no padding. */
typedef struct {
    uintptr_t address; /* of its first byte */
    uint32_t size;     /* bytes asked for */
    uint32_t serial;   /* 1 for the first block the program took, and so on */
    uint32_t origin;   /* a labOriginT */
} labBlockT;

void *LabMalloc(size_t size);
void *LabCalloc(size_t count, size_t size);
void *LabRealloc(void *ptr, size_t size);
void LabFree(void *ptr);
char *LabStrdup(const char *s);
char *LabStrndup(const char *s, size_t n);

/* Looks at every live block's guards and every held-back freed block; a fault ends the program. */
void LabCheckAll(void);

/* Ends the program with a leak fault when any block is live; what says when ("after FreeBuffer").
 */
void LabExpectEmpty(const char *what);

/* The page's names for what it reads; a native build (the tests') has no exports. */
#ifdef __wasm__
#define LAB_EXPORT(name) __attribute__((export_name(name)))
#else
#define LAB_EXPORT(name)
#endif

/* For the page: the table of live blocks, its length, the fault that ended the program (its name,
 * or null), Error's message when Error ended it (or null), and whether GetBlock found no memory. */
const labBlockT *LabBlocks(void) LAB_EXPORT("lab_blocks");
uint32_t LabBlockCount(void) LAB_EXPORT("lab_block_count");
const char *LabFault(void) LAB_EXPORT("lab_fault");
const char *LabErrorMessage(void) LAB_EXPORT("lab_error");
int LabOutOfMemory(void) LAB_EXPORT("lab_out_of_memory");

#ifdef __cplusplus
}
#endif

#endif
