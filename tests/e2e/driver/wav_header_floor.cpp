#include "wav_header_floor.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace e2e {

namespace {

// "RIFF", the format chunk and the data chunk's header of a canonical WAV file.
constexpr DWORD kHeaderBytes = 44;

std::wstring Widened(const std::string& utf8) {
    const int chars =
        ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring text(static_cast<size_t>(chars > 0 ? chars : 0), L'\0');
    if (chars > 0) {
        ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(),
                              chars);
    }
    return text;
}

}  // namespace

bool ReadPathList(const std::wstring& listFile, std::vector<std::wstring>* paths) {
    FILE* list = _wfopen(listFile.c_str(), L"rb");
    if (list == nullptr) {
        return false;
    }
    std::string text;
    char buffer[4096];
    for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, list)) > 0;) {
        text.append(buffer, got);
    }
    std::fclose(list);
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!line.empty()) {
            paths->push_back(Widened(line));
        }
        start = end + 1;
    }
    return true;
}

long ReadWavHeaders(const std::vector<std::wstring>& paths) {
    long read = 0;
    for (const std::wstring& path : paths) {
        HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            continue;
        }
        char header[kHeaderBytes];
        DWORD bytes = 0;
        if (::ReadFile(file, header, kHeaderBytes, &bytes, nullptr) && bytes == kHeaderBytes) {
            ++read;
        }
        ::CloseHandle(file);
    }
    return read;
}

}  // namespace e2e
