/* lab_memory: the Lab's memory services, a table of live blocks with guards (lab_memory.h). */
#include "web/lab/lab_memory.h"

#include <stdbool.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "support/genlib.h"

/* Guard bytes on either side of a block; 16 keeps the block as aligned as malloc's own. */
enum { Guard = 16, GuardByte = 0xFD, FreedByte = 0xDD };
/* Freed blocks held back before they go back to malloc, so that a second free of one is told from
 * a free of a pointer never handed out, and a write to one is seen; and how many blocks a check
 * after a command looks at (and freed bytes), so that a module of many blocks is not slowed by
 * its own checks: the rest wait for later commands, and the end of input looks at every one. */
enum { HeldBack = 1024, HeldBackBytes = 8 << 20, CheckedPerCall = 512, CheckedBytes = 64 << 10 };

typedef struct {
    uintptr_t address;
    uint32_t size;
} heldT;

static labBlockT *blocks;  /* the live blocks, in no order */
static uint32_t count;     /* live blocks */
static uint32_t room;      /* blocks' length */
static uint32_t *slots;    /* address -> index + 1 into blocks; 0 is an empty slot */
static uint32_t slotCount; /* a power of two, at least twice count */
static uint32_t serial;    /* blocks taken so far */
static heldT held[HeldBack];
static uint32_t heldFirst, heldCount; /* a ring: the oldest freed block first */
static size_t heldBytes;
static uint32_t nextChecked; /* where the last partial check stopped */
static const char *fault;
static const char *errorMessage;
static int outOfMemory;

static uint32_t Home(uintptr_t address) {
    return ((uint32_t)(address >> 3) * 2654435761u) & (slotCount - 1);
}

/* The slot of a live block's address, or slotCount when none is live there. */
static uint32_t FindSlot(uintptr_t address) {
    if (slotCount == 0) return 0;
    for (uint32_t i = Home(address); slots[i] != 0; i = (i + 1) & (slotCount - 1))
        if (blocks[slots[i] - 1].address == address) return i;
    return slotCount;
}

static void Place(uint32_t index) {
    uint32_t i = Home(blocks[index].address);
    while (slots[i] != 0)
        i = (i + 1) & (slotCount - 1);
    slots[i] = index + 1;
}

/* The table's own memory: when it cannot grow, the module has no memory left either. */
static void *Grown(void *old, size_t bytes) {
    void *grown = realloc(old, bytes);
    if (grown == NULL) {
        outOfMemory = 1;
        Error("Out of memory");
    }
    return grown;
}

static void Remember(uintptr_t address, uint32_t size, labOriginT origin) {
    if (count == room) {
        room = room ? room * 2 : 64;
        blocks = Grown(blocks, room * sizeof *blocks);
    }
    if ((count + 1) * 2 > slotCount) {
        slotCount = slotCount ? slotCount * 2 : 128;
        free(slots);
        slots = Grown(NULL, slotCount * sizeof *slots);
        memset(slots, 0, slotCount * sizeof *slots);
        for (uint32_t i = 0; i < count; i++)
            Place(i);
    }
    blocks[count] = (labBlockT){address, size, ++serial, (uint32_t)origin};
    Place(count++);
}

/* Takes the block in slot out of the table: its slot by shifting back the ones probed past it,
 * then the last block moved into its place in the array. */
static void Forget(uint32_t slot) {
    uint32_t index = slots[slot] - 1, mask = slotCount - 1, gap = slot;
    for (uint32_t k = (gap + 1) & mask; slots[k] != 0; k = (k + 1) & mask) {
        uint32_t home = Home(blocks[slots[k] - 1].address);
        /* the entry at k may move back to gap unless its home lies cyclically in (gap, k] */
        bool stays = gap <= k ? (home > gap && home <= k) : (home > gap || home <= k);
        if (!stays) slots[gap] = slots[k], gap = k;
    }
    slots[gap] = 0;
    if (index != --count) {
        blocks[index] = blocks[count];
        slots[FindSlot(blocks[index].address)] = index + 1;
    }
}

/* Ends the program for a fault: its name, and what it was done to. */
static _Noreturn void Fault(const char *name, const char *what) {
    fflush(stdout);
    fault = name;
    fprintf(stderr, "memory error: %s: %s\n", name, what);
    _Exit(LabFaultStatus);
}

static _Noreturn void BlockFault(const char *name, uintptr_t address, uint32_t size,
                                 const char *since) {
    char what[96];
    snprintf(what, sizeof what, "block %#lx of %u bytes%s", (unsigned long)address, size, since);
    Fault(name, what);
}

static bool Filled(const unsigned char *p, size_t n, unsigned char byte) {
    for (size_t i = 0; i < n; i++)
        if (p[i] != byte) return false;
    return true;
}

static void CheckGuards(const labBlockT *block) {
    unsigned char *p = (unsigned char *)block->address;
    if (!Filled(p - Guard, Guard, GuardByte))
        BlockFault("write before the start of a block", block->address, block->size, "");
    if (!Filled(p + block->size, Guard, GuardByte))
        BlockFault("write past the end of a block", block->address, block->size, "");
}

static void CheckHeld(const heldT *h) {
    if (!Filled((unsigned char *)h->address, h->size, FreedByte))
        BlockFault("write to a freed block", h->address, h->size, ", freed before");
}

/* Frees the oldest held-back blocks until there is room for one more of size bytes. */
static void Release(size_t size) {
    while (heldCount > 0 && (heldCount == HeldBack || heldBytes + size > HeldBackBytes)) {
        heldT *oldest = &held[heldFirst];
        CheckHeld(oldest);
        free((unsigned char *)oldest->address - Guard);
        heldBytes -= oldest->size;
        heldFirst = (heldFirst + 1) % HeldBack;
        heldCount--;
    }
}

static void *Take(size_t size, labOriginT origin) {
    if (size > UINT32_MAX - 2 * Guard) return NULL;
    unsigned char *base = malloc(size + 2 * Guard);
    if (base == NULL) {
        Release(HeldBackBytes); /* the held-back blocks go first */
        base = malloc(size + 2 * Guard);
        if (base == NULL) return NULL;
    }
    memset(base, GuardByte, Guard);
    memset(base + Guard + size, GuardByte, Guard);
    Remember((uintptr_t)(base + Guard), (uint32_t)size, origin);
    return base + Guard;
}

/* Frees a live block; how names the call ("free"), for a fault's report. */
static void Give(void *ptr, const char *how) {
    uintptr_t address = (uintptr_t)ptr;
    uint32_t slot = FindSlot(address);
    if (slot == slotCount) {
        char what[64];
        snprintf(what, sizeof what, "%s(%#lx)", how, (unsigned long)address);
        for (uint32_t i = 0; i < heldCount; i++)
            if (held[(heldFirst + i) % HeldBack].address == address) Fault("double free", what);
        Fault("free of a pointer never handed out", what);
    }
    labBlockT block = blocks[slots[slot] - 1];
    CheckGuards(&block);
    Forget(slot);
    Release(block.size);
    memset(ptr, FreedByte, block.size);
    held[(heldFirst + heldCount++) % HeldBack] = (heldT){block.address, block.size};
    heldBytes += block.size;
}

void *GetBlock(size_t nbytes) {
    void *block = Take(nbytes > 0 ? nbytes : 1, LabFromGetBlock);
    if (block == NULL) {
        outOfMemory = 1;
        Error("Out of memory");
    }
    return block;
}

void FreeBlock(void *ptr) {
    Give(ptr, "FreeBlock");
}

void Error(const char *msg) {
    fflush(stdout);
    errorMessage = msg;
    fprintf(stderr, "%s\n", msg);
    exit(1);
}

void *LabMalloc(size_t size) {
    return Take(size, LabFromMalloc);
}

void *LabCalloc(size_t n, size_t size) {
    if (size != 0 && n > SIZE_MAX / size) return NULL;
    void *block = Take(n * size, LabFromMalloc);
    if (block != NULL) memset(block, 0, n * size);
    return block;
}

void *LabRealloc(void *ptr, size_t size) {
    if (ptr == NULL) return LabMalloc(size);
    uint32_t slot = FindSlot((uintptr_t)ptr);
    uint32_t old = slot == slotCount ? 0 : blocks[slots[slot] - 1].size;
    if (slot == slotCount) Give(ptr, "realloc"); /* names the fault and ends */
    void *grown = Take(size, LabFromMalloc);
    if (grown == NULL) return NULL; /* the old block stays, as realloc leaves it */
    memcpy(grown, ptr, old < size ? old : size);
    Give(ptr, "realloc");
    return grown;
}

void LabFree(void *ptr) {
    if (ptr != NULL) Give(ptr, "free");
}

char *LabStrdup(const char *s) {
    return LabStrndup(s, strlen(s));
}

char *LabStrndup(const char *s, size_t n) {
    const char *end = memchr(s, '\0', n);
    size_t length = end != NULL ? (size_t)(end - s) : n;
    char *copy = Take(length + 1, LabFromMalloc);
    if (copy != NULL) {
        memcpy(copy, s, length);
        copy[length] = '\0';
    }
    return copy;
}

void LabCheckAll(void) {
    uint32_t n = count < CheckedPerCall ? count : CheckedPerCall;
    for (uint32_t i = 0; i < n; i++, nextChecked++)
        CheckGuards(&blocks[nextChecked % count]);
    /* the latest freed first: a write through a pointer just freed is the likely one */
    size_t looked = 0;
    for (uint32_t i = 0; i < heldCount && i < CheckedPerCall && looked < CheckedBytes; i++) {
        const heldT *h = &held[(heldFirst + heldCount - 1 - i) % HeldBack];
        CheckHeld(h);
        looked += h->size;
    }
}

void LabExpectEmpty(const char *what) {
    for (uint32_t i = 0; i < count; i++)
        CheckGuards(&blocks[i]);
    if (count == 0) return;
    size_t bytes = 0;
    for (uint32_t i = 0; i < count; i++)
        bytes += blocks[i].size;
    fflush(stdout);
    fault = "leak";
    fprintf(stderr, "memory error: leak: %u block%s of %zu bytes in all still held %s\n", count,
            count == 1 ? "" : "s", bytes, what);
    _Exit(LabFaultStatus);
}

const labBlockT *LabBlocks(void) {
    return blocks;
}

uint32_t LabBlockCount(void) {
    return count;
}

const char *LabFault(void) {
    return fault;
}

const char *LabErrorMessage(void) {
    return errorMessage;
}

int LabOutOfMemory(void) {
    return outOfMemory;
}
