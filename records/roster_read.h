/*
 * roster_read.h: roster's record reader, in a unit of its own so that tests and fuzz targets can
 * call it on any bytes.
 *
 * A record is an identifier, a name running to its line end, an age and an average, with any
 * white space between them.
 */
#ifndef WORKBENCH_RECORDS_ROSTER_READ_H
#define WORKBENCH_RECORDS_ROSTER_READ_H

#include <cstdio>

enum { NameSize = 255 };

typedef struct {
    int id;
    int age;
    float gpa;
    char name[NameSize];
} studentCDT;

typedef enum { RecordRead, NoMoreRecords, RecordCutShort, RecordUnparsable } readResultT;

/* A data file being read, with where reading has got to for the message when it stops. */
typedef struct {
    FILE *file;
    int line;
    const char *field;
} readerT;

/*
 * Reads the next record into *record. RecordRead also skips the white space after it;
 * NoMoreRecords means only white space was left. On RecordCutShort and RecordUnparsable,
 * in->field names the field that failed and in->line the line reading reached; *record is
 * then partly written. A name keeps at most NameSize - 1 characters and is always terminated.
 */
readResultT readRecord(readerT *in, studentCDT *record);

#endif
