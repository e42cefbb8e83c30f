#include "memory_message_box.h"

namespace core {

namespace {

constexpr unsigned kButtonMask = 0xF;
constexpr unsigned kMbOkCancel = 0x1;
constexpr unsigned kMbAbortRetryIgnore = 0x2;
constexpr unsigned kMbYesNoCancel = 0x3;
constexpr unsigned kMbRetryCancel = 0x5;
constexpr unsigned kMbCancelTryContinue = 0x6;
constexpr int kIdAbort = 3;
constexpr int kIdRetry = 4;

}  // namespace

int FirstButtonOf(unsigned flags) {
    switch (flags & kButtonMask) {
        case kMbOkCancel:
            return kIdOk;
        case kMbAbortRetryIgnore:
            return kIdAbort;
        case kMbYesNoCancel:
        case kMbYesNo:
            return kIdYes;
        case kMbRetryCancel:
            return kIdRetry;
        case kMbCancelTryContinue:
            return kIdCancel;
        default:
            return kIdOk;
    }
}

int MemoryMessageBox::Show(WindowHandle owner, const std::wstring& text,
                           const std::wstring& caption, unsigned flags) {
    calls_.push_back(MessageBoxCall{owner, text, caption, flags});
    if (!answers_.empty()) {
        int answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    return defaultAnswer_ != 0 ? defaultAnswer_ : FirstButtonOf(flags);
}

}  // namespace core
