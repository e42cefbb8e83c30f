#include "cuebell/check/finding_kinds.h"

#include "cuebell/core/box_message.h"
#include "cuebell/model/cuebell_strings.h"

namespace cuebell {
namespace findings {

namespace {
constexpr core::Severity kError = core::Severity::Error;
constexpr core::Severity kWarning = core::Severity::Warning;
constexpr core::Severity kNote = core::Severity::Note;
}  // namespace

const core::FindingKind kKinds[KindCount] = {
    {kError, IDS_CHECK_FILE_MISSING},
    {kError, IDS_CHECK_FILE_UNREADABLE},
    {kError, IDS_CHECK_FILE_TOO_SHORT},
    {kError, IDS_CHECK_OFFSET_PAST_FILE},
    {kError, IDS_CHECK_DEVICE_NOT_AN_INPUT},
    {kError, IDS_CHECK_RATE_NOT_OFFERED},
    {kError, IDS_CHECK_DEVICE_NAME_TWINS},
    {kError, IDS_CHECK_ENTRY_NAME_TWINS},
    {kError, IDS_CHECK_BOARD_WITHOUT_INSTANCE},
    {kError, IDS_CHECK_NO_PLAYOUT_INSTANCE},
    {kWarning, IDS_CHECK_SAME_DEVICE_SAME_FILE},
    {kWarning, IDS_CHECK_INTERVAL_TOO_LONG},
    {kWarning, IDS_CHECK_EVENTS_WITHOUT_ENTRY},
    {kWarning, IDS_CHECK_UNPARSED_RECORDS},
    {kWarning, IDS_CHECK_BOARD_BY_DEFAULT},
    {kWarning, IDS_CHECK_DELAY_BELOW_OFFSET},
    {kWarning, IDS_CHECK_DELAY_TOO_LONG},
    {kWarning, IDS_CHECK_THRESHOLD_TOO_HIGH},
    {kWarning, IDS_CHECK_DIGIT_NOT_OFFERED},
    {kWarning, IDS_CHECK_GENERAL_OUT_OF_RANGE},
    {kNote, IDS_CHECK_TABLE_UNREADABLE},
    {kNote, IDS_CHECK_UNUSED_SAMPLE},
    {kNote, IDS_CHECK_UNUSED_DEVICE},
    {kNote, IDS_CHECK_UNUSED_DEVICE_OFF_BOARD},
};

}  // namespace findings

// The common texts follow the caption in the order the shared check reads them.
static_assert(IDS_CHECK_MORE_NAMES == IDS_CHECK_CAPTION + core::check_text::MoreNames);

core::CheckTexts CuebellCheckTexts() {
    return core::LoadCheckTexts(&CuebellText, IDS_CHECK_CAPTION);
}

}  // namespace cuebell
