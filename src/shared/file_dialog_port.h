// The file dialogs: the file-open dialog asks the operator for an existing file, the
// file-save dialog for the name of a file to write (confirming one that exists).
#pragma once

#include <optional>
#include <string>

#include "message_box_port.h"

namespace core {

struct OpenFileRequest {
    WindowHandle owner = 0;
    std::wstring startFolder;       // the folder the dialog opens in
    std::wstring filterText;        // e.g. "Audio files (*.wav)"
    std::wstring pattern;           // e.g. "*.wav"
    std::wstring defaultExtension;  // without the dot, e.g. "wav"
    std::wstring title;
};

class FileDialogPort {
  public:
    virtual ~FileDialogPort() = default;
    // The full path the operator chose; nothing when the dialog was cancelled or failed.
    virtual std::optional<std::wstring> AskForOpenFile(const OpenFileRequest& request) = 0;
    // The same for the file-save dialog.
    virtual std::optional<std::wstring> AskForSaveFile(const OpenFileRequest& request) = 0;
};

}  // namespace core
