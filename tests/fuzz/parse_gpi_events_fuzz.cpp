// ParseGpiEvents on arbitrary UTF-16 text: it ends, and what it reads is written back by
// FormatGpiEvents as the same records (a carriage return inside a comment is the one
// change: it is written as a blank), records that do not parse as they stood.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "shared/event_table.h"

namespace {

std::wstring TextOf(const uint8_t* data, size_t size) {
    std::wstring text;
    text.reserve(size / 2);
    for (size_t i = 0; i + 1 < size; i += 2) {
        text.push_back(static_cast<wchar_t>(data[i] | (data[i + 1] << 8)));
    }
    return text;
}

bool SameRecords(const core::GpiEventList& read, const core::GpiEventList& readAgain) {
    if (read.size() != readAgain.size()) {
        return false;
    }
    for (size_t i = 0; i < read.size(); ++i) {
        std::wstring comment = read[i].Comment;
        for (auto& c : comment) {
            c = c == L'\r' ? L' ' : c;
        }
        const auto& a = read[i];
        const auto& b = readAgain[i];
        if (a.ActionCode != b.ActionCode || a.Second != b.Second || a.Third != b.Third ||
            a.Name != b.Name || comment != b.Comment || a.Unparsed != b.Unparsed ||
            a.ActionCode < 0 || a.Second < 0 || a.Third < 0) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    core::GpiEventList read;
    core::ParseGpiEvents(TextOf(data, size), &read);
    std::wstring written = core::FormatGpiEvents(read);
    core::GpiEventList readAgain;
    core::ParseGpiEvents(written, &readAgain);
    if (!SameRecords(read, readAgain) || core::FormatGpiEvents(readAgain) != written) {
        std::abort();
    }
    return 0;
}
