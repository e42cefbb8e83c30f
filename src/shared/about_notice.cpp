#include "about_notice.h"

#include <ctime>

#include "format.h"

namespace core {

std::wstring AboutNotice(const StringTable& strings, int year) {
    return Format(L"%s %d %s", LoadText(strings, kAboutNoticeOpeningId), year,
                  LoadText(strings, kMakerNameId));
}

int CurrentLocalYear() {
    const std::time_t now = std::time(nullptr);
    if (now == static_cast<std::time_t>(-1)) {
        return 0;
    }
    const std::tm* local = std::localtime(&now);
    return local ? local->tm_year + 1900 : 0;
}

}  // namespace core
