// An in-memory FileDialogPort for tests: records every request and answers from a
// scripted queue, then with nothing (as a cancelled dialog does).
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "../file_dialog_port.h"

namespace core {

class MemoryFileDialog : public FileDialogPort {
  public:
    std::optional<std::wstring> AskForOpenFile(const OpenFileRequest& request) override;
    std::optional<std::wstring> AskForSaveFile(const OpenFileRequest& request) override;

    // The answer of the next dialog; nothing stands for Cancel.
    void QueueAnswer(std::optional<std::wstring> answer) { answers_.push_back(std::move(answer)); }
    const std::vector<OpenFileRequest>& Requests() const { return requests_; }
    // Per request, whether it was the file-save dialog.
    const std::vector<bool>& SaveDialogs() const { return saveDialogs_; }

  private:
    std::optional<std::wstring> Answer(const OpenFileRequest& request, bool save);

    std::vector<OpenFileRequest> requests_;
    std::vector<bool> saveDialogs_;
    std::deque<std::optional<std::wstring>> answers_;
};

}  // namespace core
