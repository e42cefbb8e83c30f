#include "memory_file_dialog.h"

namespace core {

std::optional<std::wstring> MemoryFileDialog::AskForOpenFile(const OpenFileRequest& request) {
    return Answer(request, false);
}

std::optional<std::wstring> MemoryFileDialog::AskForSaveFile(const OpenFileRequest& request) {
    return Answer(request, true);
}

std::optional<std::wstring> MemoryFileDialog::Answer(const OpenFileRequest& request, bool save) {
    requests_.push_back(request);
    saveDialogs_.push_back(save);
    if (answers_.empty()) {
        return std::nullopt;
    }
    std::optional<std::wstring> answer = std::move(answers_.front());
    answers_.pop_front();
    return answer;
}

}  // namespace core
