// roster's record reader on any bytes: reading ends, within the lines it was given; and each
// record read, written back in the file's layout, reads back the same.
#include <algorithm>
#include <cstring>

#include "records/roster_read.h"
#include "streams.h"

namespace {

// Reads every record of the bytes; returns how many read and the last line reached.
int ReadAll(std::string bytes, std::string *rewritten, int *line) {
    readerT in = {fmemopen(bytes.data(), bytes.size(), "r"), 1, ""};
    studentCDT r;
    int records = 0;
    while (readRecord(&in, &r) == RecordRead) {
        if (strnlen(r.name, NameSize) == NameSize) abort();
        char text[NameSize + 64];
        snprintf(text, sizeof text, "%d %s\n%d %.9g\n", r.id, r.name, r.age, double{r.gpa});
        if (r.name[0] != '\0') *rewritten += text;  // an empty name cannot be written back
        records++;
    }
    *line = in.line;
    fclose(in.file);
    return records;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    std::string bytes(reinterpret_cast<const char *>(data), size), once, twice;
    int line = 0;
    ReadAll(bytes, &once, &line);
    if (line < 1 || line > 1 + std::count(bytes.begin(), bytes.end(), '\n')) abort();
    int records = ReadAll(once, &twice, &line);
    if (twice != once || records != std::count(once.begin(), once.end(), '\n') / 2) abort();
    return 0;
}
