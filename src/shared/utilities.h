// Small shared operations on names, paths and identifiers.
#pragma once

#include <string>

#include "system_port.h"

namespace core {

// True when the first occurrence of the prefix in the text is at position 0
// (case-sensitive).
bool StartsWith(const std::wstring& prefix, const std::wstring& text);

// A newly generated GUID in registry form ("{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}",
// upper-case hex, 38 characters); empty when generation fails.
std::wstring NewIdentifier(SystemPort& system);

// The program file's folder (path up to its last backslash, read through a buffer of
// 520 characters); "C:" when the path cannot be obtained or holds no backslash.
std::wstring ModuleFolder(SystemPort& system);
std::wstring FileInModuleFolder(SystemPort& system, const std::wstring& name);

struct StartFolder {
    bool exists = false;
    std::wstring folder;
};
// The folder of the path when it exists, else false and the module folder.
StartFolder StartFolderFor(SystemPort& system, const std::wstring& path);

// Trimmed; the text after the last backslash, or the whole text when there is none.
std::wstring FileNamePart(const std::wstring& path);
// Trimmed path not empty, and (with "/" read as "\") its part after the last
// backslash not empty after trimming.
bool HasFileName(const std::wstring& path);

}  // namespace core
