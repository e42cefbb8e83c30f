#include "cuebell/model/cuebell_strings.h"

namespace cuebell {
namespace {

constexpr core::StringEntry kEntries[] = {
#define STRING_ENTRY(name, id, text) {id, L"" text},
#define MESSAGE_ENTRY(name, id, text) STRING_ENTRY(name, id, text)
#include "cuebell/strings.inc"
#undef MESSAGE_ENTRY
#undef STRING_ENTRY
};

static_assert(core::HasUniqueIds(kEntries), "an identifier occurs twice in Cuebell's string table");

constexpr core::StringTable kTable(kEntries);

}  // namespace

const core::StringTable& CuebellStrings() {
    return kTable;
}

}  // namespace cuebell
