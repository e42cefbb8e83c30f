// The file-dialog port over the common file dialogs (GetOpenFileNameW, GetSaveFileNameW).
#pragma once

#include "shared/file_dialog_port.h"

namespace win32 {

class Win32FileDialog : public core::FileDialogPort {
  public:
    std::optional<std::wstring> AskForOpenFile(const core::OpenFileRequest& request) override;
    std::optional<std::wstring> AskForSaveFile(const core::OpenFileRequest& request) override;
};

}  // namespace win32
