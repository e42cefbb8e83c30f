// Registry text and numbers from arbitrary stored data: the leading-number
// conversions on any text, and the value readers over a value of any type and
// bytes. Nothing may crash, and the readers keep their promises.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "shared/inmemory/memory_registry.h"
#include "shared/reg_values.h"
#include "shared/text.h"

namespace {

constexpr const wchar_t* kKey = L"Software\\Quorvane\\Sigvault\\Wave_2.0";

std::wstring TextOf(const uint8_t* data, size_t size) {
    std::u16string units;
    for (size_t i = 0; i + 1 < size; i += 2) {
        units.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
    }
    return core::FromUtf16(units);
}

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The conversions on the whole input read as text.
    const std::wstring text = TextOf(data, size);
    core::ParseLeadingInt(text);
    const double parsed = core::ParseLeadingDouble(text);
    Check(!std::isnan(parsed));

    // The readers over a value whose type is the first byte and whose data is the rest.
    if (size == 0) {
        return 0;
    }
    const uint32_t type = data[0] % 12;
    const core::Bytes bytes(data + 1, data + size);
    core::MemoryRegistry registry;
    registry.PutValue(core::RegRoot::LocalMachine, kKey, L"Value", type, bytes);
    {
        core::ScopedRegKey key(registry);
        Check(key.Open(core::RegRoot::LocalMachine, kKey, core::RegAccess::Read));
        const std::wstring read = core::ReadRegString(key, L"Value");
        Check(core::Utf16Length(read) < core::kRegStringBufferChars);
        Check(read.empty() || type == core::kRegSz || type == core::kRegExpandSz);
        Check(read.find(L'\0') == std::wstring::npos);

        const int32_t number = core::ReadRegInt(key, L"Value", -77);
        Check(!read.empty() || number == -77);
        Check(read.empty() || number == core::ParseLeadingInt(read));

        const double real = core::ReadRegDouble(key, L"Value", 0.4);
        Check(std::isfinite(real));
        Check(real >= 0.0);
        Check(!read.empty() || real == 0.4);

        const std::wstring whole = core::ReadRegStringWhole(key, L"Value");
        Check(read.empty() || whole == read);
    }
    Check(registry.OpenHandleCount() == 0);
    return 0;
}
