#include "tonegate/check/finding_kinds.h"

#include "tonegate/model/tonegate_strings.h"

namespace tonegate {
namespace findings {

namespace {
constexpr core::Severity kError = core::Severity::Error;
constexpr core::Severity kWarning = core::Severity::Warning;
constexpr core::Severity kNote = core::Severity::Note;
}  // namespace

const core::FindingKind kKinds[KindCount] = {
    {kError, IDS_CHECK_SIGNAL_NOT_AN_INPUT},
    {kError, IDS_CHECK_SIGNAL_NAME_TWINS},
    {kError, IDS_CHECK_BOARD_WITHOUT_INSTANCE},
    {kError, IDS_CHECK_NO_PLAYOUT_INSTANCE},
    {kError, IDS_CHECK_SAME_TONES},
    {kWarning, IDS_CHECK_SYMBOLS_BEGIN_ANOTHER},
    {kWarning, IDS_CHECK_REJECTED_SYMBOL},
    {kWarning, IDS_CHECK_SHORT_SYMBOL},
    {kWarning, IDS_CHECK_REPEAT_BRIDGED},
    {kWarning, IDS_CHECK_EVENTS_WITHOUT_SIGNAL},
    {kWarning, IDS_CHECK_UNPARSED_RECORDS},
    {kWarning, IDS_CHECK_BOARD_BY_DEFAULT},
    {kWarning, IDS_CHECK_TIMING_NOT_A_NUMBER},
    {kWarning, IDS_CHECK_TIMING_OUT_OF_RANGE},
    {kWarning, IDS_CHECK_SYMBOLS_NOT_KEPT},
    {kNote, IDS_CHECK_TABLE_UNREADABLE},
};

}  // namespace findings

// The common texts follow the caption in the order the shared check reads them.
static_assert(IDS_CHECK_MORE_NAMES == IDS_CHECK_CAPTION + core::check_text::MoreNames);

core::CheckTexts TonegateCheckTexts() {
    return core::LoadCheckTexts(&TonegateText, IDS_CHECK_CAPTION);
}

}  // namespace tonegate
