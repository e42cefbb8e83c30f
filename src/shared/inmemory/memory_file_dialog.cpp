#include "memory_file_dialog.h"

namespace core {

std::optional<std::wstring> MemoryFileDialog::AskForOpenFile(const OpenFileRequest& request) {
    requests_.push_back(request);
    if (answers_.empty()) {
        return std::nullopt;
    }
    std::optional<std::wstring> answer = std::move(answers_.front());
    answers_.pop_front();
    return answer;
}

}  // namespace core
