#include "win32_file_dialog.h"

#include <windows.h>

#include <commdlg.h>

#include <vector>

namespace win32 {

namespace {

// Room for long paths: a path that does not fit makes the dialog fail, never cuts it.
constexpr DWORD kPathBufferChars = 32768;

// "text\0pattern\0\0": the filter the dialog offers.
std::wstring FilterOf(const core::OpenFileRequest& request) {
    std::wstring filter = request.filterText;
    filter.push_back(L'\0');
    filter += request.pattern;
    filter.push_back(L'\0');
    filter.push_back(L'\0');
    return filter;
}

std::optional<std::wstring> Ask(const core::OpenFileRequest& request, bool save) {
    const std::wstring filter = FilterOf(request);
    std::vector<wchar_t> path(kPathBufferChars, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = reinterpret_cast<HWND>(request.owner);
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = kPathBufferChars;
    dialog.lpstrInitialDir = request.startFolder.empty() ? nullptr : request.startFolder.c_str();
    dialog.lpstrTitle = request.title.empty() ? nullptr : request.title.c_str();
    dialog.lpstrDefExt =
        request.defaultExtension.empty() ? nullptr : request.defaultExtension.c_str();
    // The program's current folder stays where it was.
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (save) {
        dialog.Flags |= OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;
    }
    if (!(save ? ::GetSaveFileNameW(&dialog) : ::GetOpenFileNameW(&dialog))) {
        return std::nullopt;
    }
    return std::wstring(path.data());
}

}  // namespace

std::optional<std::wstring> Win32FileDialog::AskForOpenFile(const core::OpenFileRequest& request) {
    return Ask(request, false);
}

std::optional<std::wstring> Win32FileDialog::AskForSaveFile(const core::OpenFileRequest& request) {
    return Ask(request, true);
}

}  // namespace win32
