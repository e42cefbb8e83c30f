// ReadRegFile on arbitrary bytes (a file the operator chose): it never crashes, and what it
// accepts is written back by WriteRegFile as a file that reads as the same keys and values.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "shared/reg_file.h"

namespace {

bool SameValues(const core::RegFileValue& a, const core::RegFileValue& b) {
    return a.name == b.name && a.remove == b.remove &&
           (a.remove || (a.type == b.type && a.data == b.data));
}

bool SameFiles(const core::RegFile& a, const core::RegFile& b) {
    if (a.keys.size() != b.keys.size()) {
        return false;
    }
    for (size_t k = 0; k < a.keys.size(); ++k) {
        const auto& x = a.keys[k];
        const auto& y = b.keys[k];
        if (x.root != y.root || x.remove != y.remove || x.values.size() != y.values.size() ||
            core::RegFileKeyName(x.root, x.path) != core::RegFileKeyName(y.root, y.path)) {
            return false;
        }
        for (size_t v = 0; v < x.values.size(); ++v) {
            if (!SameValues(x.values[v], y.values[v])) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    core::Bytes input(data, data + size);
    // Half the inputs get the byte-order mark and header, so the fuzzer reaches the lines.
    if (size > 0 && data[0] % 2 == 0) {
        const char header[] =
            "\xFF\xFEW\0i\0n\0d\0o\0w\0s\0 \0R\0e\0g\0i\0s\0t\0r\0y\0 \0E\0d\0i\0t"
            "\0o\0r\0 \0V\0e\0r\0s\0i\0o\0n\0 \0005\0.\0000\0000\0\n\0";
        input.assign(header, header + sizeof header - 1);
        input.insert(input.end(), data + 1, data + size);
    }
    core::RegFile read;
    (void)core::ReadRegFileSummary(input);
    if (core::ReadRegFile(input, &read) != core::RegFileError::None) {
        return 0;
    }
    core::Bytes written;
    if (!core::WriteRegFile(read, &written)) {
        return 0;  // a name the format cannot carry
    }
    core::RegFile readAgain;
    if (core::ReadRegFile(written, &readAgain) != core::RegFileError::None ||
        !SameFiles(read, readAgain)) {
        std::abort();
    }
    return 0;
}
