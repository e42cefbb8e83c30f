#include "tonegate/model/signal_records.h"

#include "tonegate/model/tonegate_strings.h"

namespace tonegate {

std::wstring CTaskInfo::GetTypeName() const {
    return std::wstring();
}

std::wstring CDTMFTaskInfo::GetTypeName() const {
    return core::LoadText(TonegateStrings(), IDS_DTMF_SIGNAL_TYPE);
}

}  // namespace tonegate
