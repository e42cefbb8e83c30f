#include "tonegate/model/tonegate_strings.h"

namespace tonegate {
namespace {

constexpr core::StringEntry kEntries[] = {
#define STRING_ENTRY(name, id, text) {id, L"" text},
#define MESSAGE_ENTRY(name, id, text) STRING_ENTRY(name, id, text)
#include "tonegate/strings.inc"
#undef MESSAGE_ENTRY
#undef STRING_ENTRY
};

static_assert(core::HasUniqueIds(kEntries),
              "an identifier occurs twice in Tonegate's string table");

constexpr core::StringTable kTable(kEntries);

}  // namespace

const core::StringTable& TonegateStrings() {
    return kTable;
}

std::wstring TonegateText(int id) {
    return core::LoadText(TonegateStrings(), id);
}

}  // namespace tonegate
