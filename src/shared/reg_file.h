// Registry files in the format regedit exports and "reg import" reads: "Windows Registry
// Editor Version 5.00", UTF-16LE with a byte-order mark, CRLF line ends. The programs
// write their backups and copies of the configuration in it, and read back files the
// operator chooses, which may come from anywhere: the reader refuses anything malformed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "file_port.h"
#include "registry_port.h"

namespace core {

struct RegFileValue {
    std::wstring name;    // empty: the key's default value ("@")
    bool remove = false;  // "name"=-
    uint32_t type = kRegSz;
    Bytes data;
};

struct RegFileKey {
    RegRoot root = RegRoot::LocalMachine;
    std::wstring path;    // below the root, in the 32-bit view
    bool remove = false;  // [-KEY]: the key with everything below it
    std::vector<RegFileValue> values;
};

// The comment line after the first line of the programs' own files: enough for the list
// of backups, which reads nothing else.
struct RegFileSummary {
    std::wstring program;   // "Cuebell" or "Tonegate"
    DateTime utc;           // when it was written
    uint64_t sequence = 0;  // counts the program's backups, whatever the clock says
    int32_t detections = 0;
    int32_t events = 0;  // the program's events in the tables
};

struct RegFile {
    std::optional<RegFileSummary> summary;
    std::vector<RegFileKey> keys;
};

// The key as a registry file names it: "HKEY_LOCAL_MACHINE\SOFTWARE\...", as in the
// 32-bit view.
std::wstring RegFileKeyName(RegRoot root, const std::wstring& path);

// The file's bytes; false (nothing written) when a key or value name holds a character
// the format cannot carry (a line break), or a key name is empty.
bool WriteRegFile(const RegFile& file, Bytes* bytes);

enum class RegFileError {
    None,
    NotUtf16,         // no UTF-16LE byte-order mark, an odd size, or too large
    NotARegFile,      // the first line is not "Windows Registry Editor Version 5.00"
    BadKeyLine,       // a key outside HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER, or malformed
    BadValueLine,     // a value line that does not parse
    ValueWithoutKey,  // a value before any key, or below a deleted key
    UnknownLine,      // anything else
};

// Reads the whole file. A key of HKEY_LOCAL_MACHINE under "SOFTWARE\WOW6432Node" (as
// regedit exports the 32-bit view on 64-bit Windows) is read as the same key in the
// 32-bit view. On an error the file read so far is left in *file and the line's number
// (from 1) in *line.
RegFileError ReadRegFile(const Bytes& bytes, RegFile* file, size_t* line = nullptr);

// The summary line from the start of a file (the first few hundred bytes are enough);
// nothing when the file does not start with one.
std::optional<RegFileSummary> ReadRegFileSummary(const Bytes& start);

// Files are refused beyond this size: no configuration comes near it.
constexpr size_t kMaxRegFileBytes = 64u << 20;

}  // namespace core
