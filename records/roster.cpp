/*
 * roster: reads student records (identifier, name, age, grade point average) from the file named
 * on the command line, counts them, loads them into an array of exactly that size and lists them.
 *
 * A record is an identifier, a name running to its line end, an age and an average, with any
 * white space between them. Reading stops at the first record that is cut short or does not
 * parse; only whole records are counted and listed.
 */
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "records/allocate.h"
#include "records/roster_read.h"

static studentCDT *list;

static FILE *openDataFile(const char *path) {
    FILE *file = fopen(path, "r");
    if (file == nullptr) {
        puts("Error opening file please try again");
        exit(1);
    }
    return file;
}

/* First pass: the number of whole records; says on standard error where reading stopped early. */
static int countRecords(const char *path) {
    readerT in = {openDataFile(path), 1, ""};
    studentCDT record;
    int count = 0;
    readResultT result;
    while ((result = readRecord(&in, &record)) == RecordRead)
        count++;
    fflush(stdout);
    if (result == RecordCutShort)
        fprintf(stderr, "Reading stopped: the file ends before the %s of record %d\n", in.field,
                count + 1);
    if (result == RecordUnparsable)
        fprintf(stderr, "Reading stopped at line %d: the %s of record %d does not parse\n", in.line,
                in.field, count + 1);
    fclose(in.file);
    return count;
}

static studentCDT *fill_id_name(int id, char *name) {
    studentCDT *student = static_cast<studentCDT *>(allocate(sizeof(studentCDT)));
    student->id = id;
    strcpy(student->name, name);
    return student;
}

static studentCDT *fill_age(int age) {
    studentCDT *student = static_cast<studentCDT *>(allocate(sizeof(studentCDT)));
    student->age = age;
    return student;
}

static studentCDT *fill_gpa(float gpa) {
    studentCDT *student = static_cast<studentCDT *>(allocate(sizeof(studentCDT)));
    student->gpa = gpa;
    return student;
}

/* Standard output is flushed first so that, on one console, the report follows what came before. */
static void reportRejected(int number, const char *field) {
    fflush(stdout);
    fprintf(stderr, "Record %d: the %s fails its test and is listed as 0\n", number, field);
}

/* Copies one record into list at index; a field that fails its test is listed as 0. */
static void storeRecord(int index, studentCDT *record) {
    studentCDT *idName = record->id > 0 ? fill_id_name(record->id, record->name) : nullptr;
    studentCDT *age = record->age > 0 ? fill_age(record->age) : nullptr;
    studentCDT *gpa = record->gpa >= 0.0f && record->gpa <= 4.0f ? fill_gpa(record->gpa) : nullptr;
    studentCDT *entry = &list[index];
    entry->id = idName != nullptr ? idName->id : 0;
    strcpy(entry->name, idName != nullptr ? idName->name : record->name);
    entry->gpa = gpa != nullptr ? gpa->gpa : 0.0f;
    entry->age = age != nullptr ? age->age : 0;
    if (idName == nullptr) reportRejected(index + 1, "identifier");
    if (age == nullptr) reportRejected(index + 1, "age");
    if (gpa == nullptr) reportRejected(index + 1, "average");
    free(idName);
    free(age);
    free(gpa);
}

/* Second pass: never stores more than the first pass counted, even if the file has changed. */
static int loadRecords(const char *path, int count) {
    readerT in = {openDataFile(path), 1, ""};
    studentCDT record;
    int stored = 0;
    while (stored < count && readRecord(&in, &record) == RecordRead) {
        storeRecord(stored, &record);
        stored++;
    }
    fclose(in.file);
    return stored;
}

static void printList(int listCount) {
    puts("list:");
    for (int i = 0; i < listCount; i++) {
        printf("student: %d\n id: %d\n name:%s\n age:%d\n gpa:%f\n", i + 1, list[i].id,
               list[i].name, list[i].age, static_cast<double>(list[i].gpa));
    }
}

int main(int argc, char *argv[]) {
    puts("Student roster");
    if (argc != 2) {
        puts("No datafile was inputted on command line!");
        exit(1);
    }
    int count = countRecords(argv[1]);
    printf("# of records: %d\n", count);
    list = static_cast<studentCDT *>(allocate(static_cast<size_t>(count) * sizeof(studentCDT)));
    int stored = loadRecords(argv[1], count);
    printList(stored);
    printf("The total amount of students is:%d\n", stored);
    free(list);
    return 0;
}
