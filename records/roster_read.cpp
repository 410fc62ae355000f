/* roster's record reader: see roster_read.h. */
#include "records/roster_read.h"

#include "support/numread.h"

static bool isSpace(int ch) {
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\v' || ch == '\f' || ch == '\r';
}

static void skipSpace(readerT *in) {
    int ch;
    while (isSpace(ch = getc(in->file))) {
        if (ch == '\n') in->line++;
    }
    ungetc(ch, in->file);
}

/* Skips the white space before the next field and says whether the file has more to read. */
static bool startField(readerT *in, const char *field) {
    in->field = field;
    skipSpace(in);
    int ch = getc(in->file);
    ungetc(ch, in->file);
    return ch != EOF;
}

/* The rest of the line; what does not fit in the name field is read and dropped. */
static void readName(readerT *in, char *name) {
    int length = 0;
    int ch;
    while ((ch = getc(in->file)) != EOF && ch != '\n') {
        if (length < NameSize - 1) name[length++] = static_cast<char>(ch);
    }
    ungetc(ch, in->file);
    name[length] = '\0';
}

readResultT readRecord(readerT *in, studentCDT *record) {
    if (!startField(in, "identifier")) return NoMoreRecords;
    if (!ScanInt(in->file, &record->id)) return RecordUnparsable;
    if (!startField(in, "name")) return RecordCutShort;
    readName(in, record->name);
    if (!startField(in, "age")) return RecordCutShort;
    if (!ScanInt(in->file, &record->age)) return RecordUnparsable;
    if (!startField(in, "average")) return RecordCutShort;
    if (fscanf(in->file, "%f", &record->gpa) != 1) return RecordUnparsable;
    skipSpace(in);
    return RecordRead;
}
