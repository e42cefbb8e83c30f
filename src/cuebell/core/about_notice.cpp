#include "cuebell/core/about_notice.h"

#include <ctime>

#include "cuebell/core/box_message.h"
#include "cuebell/model/cuebell_strings.h"
#include "shared/format.h"

namespace cuebell {

std::wstring AboutNotice(int year) {
    return core::Format(L"%s %d %s", CuebellText(IDS_ABOUT_NOTICE_OPENING), year,
                        CuebellText(IDS_MAKER_NAME));
}

int CurrentLocalYear() {
    const std::time_t now = std::time(nullptr);
    if (now == static_cast<std::time_t>(-1)) {
        return 0;
    }
    const std::tm* local = std::localtime(&now);
    return local ? local->tm_year + 1900 : 0;
}

}  // namespace cuebell
