#include "win32_files.h"

#include <windows.h>

#include <shlobj.h>

#include <algorithm>
#include <string>

namespace win32 {

namespace {

// Writes the whole buffer and flushes it; the status of the first call that failed.
long WriteAndFlush(HANDLE file, const core::Bytes& data) {
    size_t done = 0;
    while (done < data.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(data.size() - done, 1u << 20));
        DWORD written = 0;
        if (!::WriteFile(file, data.data() + done, chunk, &written, nullptr) || written == 0) {
            return static_cast<long>(::GetLastError());
        }
        done += written;
    }
    return ::FlushFileBuffers(file) ? ERROR_SUCCESS : static_cast<long>(::GetLastError());
}

core::DateTime FromSystemTime(const SYSTEMTIME& time) {
    return core::DateTime{time.wYear, time.wMonth,  time.wDay,
                          time.wHour, time.wMinute, time.wSecond};
}

}  // namespace

long Win32Files::WriteWhole(const std::wstring& path, const core::Bytes& data, bool replace) {
    if (!replace && ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
        return ERROR_ALREADY_EXISTS;
    }
    // A name of its own for this write, beside the final one, so the rename stays on one
    // volume and another writer's temporary file is never touched.
    const std::wstring temporary = path + L"." + std::to_wstring(::GetCurrentProcessId()) + L"_" +
                                   std::to_wstring(::GetTickCount()) + L".tmp";
    HANDLE file = ::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return static_cast<long>(::GetLastError());
    }
    long status = WriteAndFlush(file, data);
    ::CloseHandle(file);
    if (status == ERROR_SUCCESS) {
        const DWORD flags = MOVEFILE_WRITE_THROUGH | (replace ? MOVEFILE_REPLACE_EXISTING : 0);
        if (!::MoveFileExW(temporary.c_str(), path.c_str(), flags)) {
            status = static_cast<long>(::GetLastError());
        }
    }
    if (status != ERROR_SUCCESS) {
        ::DeleteFileW(temporary.c_str());
    }
    return status == ERROR_FILE_EXISTS ? ERROR_ALREADY_EXISTS : status;
}

long Win32Files::ReadStart(const std::wstring& path, size_t maxBytes, core::Bytes* data) {
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return static_cast<long>(::GetLastError());
    }
    long status = ERROR_SUCCESS;
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file, &size)) {
        status = static_cast<long>(::GetLastError());
    } else {
        const size_t wanted = std::min<size_t>(maxBytes, static_cast<size_t>(size.QuadPart));
        data->assign(wanted, 0);
        size_t done = 0;
        while (done < wanted && status == ERROR_SUCCESS) {
            const DWORD chunk = static_cast<DWORD>(std::min<size_t>(wanted - done, 1u << 20));
            DWORD got = 0;
            if (!::ReadFile(file, data->data() + done, chunk, &got, nullptr)) {
                status = static_cast<long>(::GetLastError());
            } else if (got == 0) {
                break;  // the file shrank meanwhile
            }
            done += got;
        }
        data->resize(done);
    }
    ::CloseHandle(file);
    return status;
}

long Win32Files::ListFiles(const std::wstring& folder, std::vector<std::wstring>* names) {
    names->clear();
    WIN32_FIND_DATAW found{};
    HANDLE search = ::FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        const long status = static_cast<long>(::GetLastError());
        return status == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : status;  // an empty folder
    }
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            names->push_back(found.cFileName);
        }
    } while (::FindNextFileW(search, &found));
    const long status = static_cast<long>(::GetLastError());
    ::FindClose(search);
    return status == ERROR_NO_MORE_FILES ? ERROR_SUCCESS : status;
}

long Win32Files::RemoveFile(const std::wstring& path) {
    return ::DeleteFileW(path.c_str()) ? ERROR_SUCCESS : static_cast<long>(::GetLastError());
}

long Win32Files::CreateFolder(const std::wstring& path) {
    const int status = ::SHCreateDirectoryExW(nullptr, path.c_str(), nullptr);
    return status == ERROR_ALREADY_EXISTS &&
                   (::GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY) != 0
               ? ERROR_SUCCESS
               : status;
}

std::wstring Win32Files::CommonAppDataFolder() {
    wchar_t path[MAX_PATH] = {};
    if (FAILED(
            ::SHGetFolderPathW(nullptr, CSIDL_COMMON_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path))) {
        return std::wstring();
    }
    return path;
}

core::Clock Win32Files::Now() {
    // One moment read once, given in both zones.
    SYSTEMTIME utc{};
    ::GetSystemTime(&utc);
    SYSTEMTIME local = utc;
    if (!::SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local)) {
        ::GetLocalTime(&local);
    }
    return core::Clock{FromSystemTime(local), FromSystemTime(utc)};
}

}  // namespace win32
