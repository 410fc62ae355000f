// The sorted bag against the checker's model of it (check_lines.h), in bagdemo's language. Each
// byte is a command on the two sets A and B: its top two bits pick an insertion into A or into B,
// the differences of both, or a fresh A; the rest is the value (wb::Value). An insertion into a
// full set (100 entries) is left out, as the model cannot judge it.
#include <string>
#include <vector>

#include "check_lines.h"
#include "streams.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    std::vector<std::string> lines;
    for (size_t i = 0; i < size; i++) {
        const std::string value = std::to_string(wb::Value(data[i]));
        switch (data[i] >> 6) {
            case 0:
                lines.push_back("A " + value);
                break;
            case 1:
                lines.push_back("B " + value);
                break;
            case 2:
                lines.insert(lines.end(), {"D A B", "D B A", "P A"});
                break;
            default:
                lines.push_back("N A");
        }
    }
    wb::CheckLines(SetInterface, SetClient, {}, lines);
    return 0;
}
