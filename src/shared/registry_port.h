// The registry as the programs see it: Win32 status codes, value types and raw bytes.
// The Win32 implementation forwards to the Reg* API (32-bit view); the in-memory twin
// behaves the same way for native tests and can be told to fail.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace core {

// Win32 status codes the programs rely on.
constexpr long kErrorSuccess = 0;
constexpr long kErrorFileNotFound = 2;
constexpr long kErrorAccessDenied = 5;
constexpr long kErrorInvalidHandle = 6;
constexpr long kErrorOutOfMemory = 14;
constexpr long kErrorInvalidParameter = 87;
constexpr long kErrorMoreData = 234;
constexpr long kErrorNoMoreItems = 259;
constexpr long kErrorCallNotImplemented = 120;
constexpr long kErrorKeyDeleted = 1018;

// Win32 value types.
constexpr uint32_t kRegNone = 0;
constexpr uint32_t kRegSz = 1;
constexpr uint32_t kRegExpandSz = 2;
constexpr uint32_t kRegBinary = 3;
constexpr uint32_t kRegDword = 4;
constexpr uint32_t kRegMultiSz = 7;

enum class RegRoot { LocalMachine, CurrentUser };

// CreateSubkeys is the right a key needs for a missing child to be created below it.
enum class RegAccess { Read, Write, ReadWrite, CreateSubkeys };

using RegKey = uintptr_t;  // opaque handle; 0 is never a valid key
constexpr RegKey kNoKey = 0;

using Bytes = std::vector<uint8_t>;

class RegistryPort {
  public:
    virtual ~RegistryPort() = default;

    // Opens an existing key (path below root, backslash-separated, case-insensitive).
    virtual long OpenKey(RegRoot root, const std::wstring& path, RegAccess access, RegKey* key) = 0;
    // Opens the key, creating it and any missing parents (read and write access).
    virtual long CreateKey(RegRoot root, const std::wstring& path, RegKey* key) = 0;
    virtual long CloseKey(RegKey key) = 0;

    // Reads a value whole: its type and its raw bytes. An empty name is the default value.
    virtual long QueryValue(RegKey key, const std::wstring& name, uint32_t* type, Bytes* data) = 0;
    virtual long SetValue(RegKey key, const std::wstring& name, uint32_t type,
                          const Bytes& data) = 0;

    // Name of the subkey at index (enumeration order); kErrorNoMoreItems past the end.
    // Names longer than maxNameChars - 1 UTF-16 units give kErrorMoreData, as with a
    // Win32 buffer of that size.
    virtual long EnumKey(RegKey key, uint32_t index, size_t maxNameChars, std::wstring* name) = 0;

    // What saving safely needs besides. A wrapper that does not pass them on answers
    // kErrorCallNotImplemented.
    // The value at index (enumeration order) with its type and bytes; kErrorNoMoreItems
    // past the end.
    virtual long EnumValue(RegKey key, uint32_t index, std::wstring* name, uint32_t* type,
                           Bytes* data) {
        return kErrorCallNotImplemented;
    }
    // kErrorFileNotFound when the value does not exist.
    virtual long DeleteValue(RegKey key, const std::wstring& name) {
        return kErrorCallNotImplemented;
    }
    // Deletes the key with every subkey and value below it; kErrorFileNotFound when the
    // key does not exist.
    virtual long DeleteTree(RegRoot root, const std::wstring& path) {
        return kErrorCallNotImplemented;
    }
    // Returns once what was written to the key is on disk.
    virtual long FlushKey(RegKey key) { return kErrorCallNotImplemented; }
};

// Closes the key when it goes out of scope: every key is released before the
// operation that opened it returns.
class ScopedRegKey {
  public:
    explicit ScopedRegKey(RegistryPort& registry) : registry_(registry) {}
    ~ScopedRegKey() { Close(); }
    ScopedRegKey(const ScopedRegKey&) = delete;
    ScopedRegKey& operator=(const ScopedRegKey&) = delete;

    bool Open(RegRoot root, const std::wstring& path, RegAccess access) {
        Close();
        return registry_.OpenKey(root, path, access, &key_) == kErrorSuccess && key_ != kNoKey;
    }
    // Opens with write access, creating the key when it cannot be opened.
    bool OpenOrCreate(RegRoot root, const std::wstring& path) {
        if (Open(root, path, RegAccess::Write)) {
            return true;
        }
        Close();
        return registry_.CreateKey(root, path, &key_) == kErrorSuccess && key_ != kNoKey;
    }
    void Close() {
        if (key_ != kNoKey) {
            registry_.CloseKey(key_);
            key_ = kNoKey;
        }
    }
    bool IsOpen() const { return key_ != kNoKey; }
    RegKey Get() const { return key_; }
    RegistryPort& Registry() const { return registry_; }

  private:
    RegistryPort& registry_;
    RegKey key_ = kNoKey;
};

}  // namespace core
