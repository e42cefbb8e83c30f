// An in-memory registry with the Win32 semantics of RegistryPort, for tests and
// benchmarks. Keys and value names compare without regard to case, subkeys enumerate
// in case-insensitive name order as on Windows, and any call can be made to fail.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "../registry_port.h"

namespace core {

enum class RegCall {
    Open,
    Create,
    Close,
    Query,
    Set,
    Enum,
    EnumValue,
    DeleteValue,
    DeleteTree,
    Flush
};

class MemoryRegistry : public RegistryPort {
  public:
    MemoryRegistry();
    ~MemoryRegistry() override;

    long OpenKey(RegRoot root, const std::wstring& path, RegAccess access, RegKey* key) override;
    long CreateKey(RegRoot root, const std::wstring& path, RegKey* key) override;
    long CloseKey(RegKey key) override;
    long QueryValue(RegKey key, const std::wstring& name, uint32_t* type, Bytes* data) override;
    long SetValue(RegKey key, const std::wstring& name, uint32_t type, const Bytes& data) override;
    long EnumKey(RegKey key, uint32_t index, size_t maxNameChars, std::wstring* name) override;
    long EnumValue(RegKey key, uint32_t index, std::wstring* name, uint32_t* type,
                   Bytes* data) override;
    long DeleteValue(RegKey key, const std::wstring& name) override;
    long DeleteTree(RegRoot root, const std::wstring& path) override;
    long FlushKey(RegKey key) override;

    // --- Failure injection. A matching call returns the status and does nothing.
    // Every call of this kind.
    void FailCall(RegCall call, long status = kErrorAccessDenied);
    // Every call of this kind on keys at or below the path.
    void FailCallOn(RegCall call, RegRoot root, const std::wstring& path,
                    long status = kErrorAccessDenied);
    // Every kind of call on keys at or below the path.
    void FailPath(RegRoot root, const std::wstring& path, long status = kErrorAccessDenied);
    // The nth call (counted from 1, over all kinds) from now on.
    void FailNthCall(int n, long status = kErrorAccessDenied);
    // Keys at or below the path may be read but not written, as for a standard user
    // under HKEY_LOCAL_MACHINE: opening for anything but reading, creating and deleting
    // are refused with kErrorAccessDenied.
    void DenyWriteAccess(RegRoot root, const std::wstring& path);
    void ClearFailures();
    int FlushCount() const { return flushes_; }
    int CallCount() const { return calls_; }

    // --- Direct access for setting up and checking tests (not counted, never fail).
    void PutValue(RegRoot root, const std::wstring& path, const std::wstring& name, uint32_t type,
                  const Bytes& data);
    void PutString(RegRoot root, const std::wstring& path, const std::wstring& name,
                   const std::wstring& text);
    void PutDword(RegRoot root, const std::wstring& path, const std::wstring& name, uint32_t value);
    void PutKey(RegRoot root, const std::wstring& path);
    bool HasKey(RegRoot root, const std::wstring& path) const;
    bool HasValue(RegRoot root, const std::wstring& path, const std::wstring& name) const;
    // The value's text (REG_SZ bytes decoded, without the terminator); empty if missing.
    std::wstring GetString(RegRoot root, const std::wstring& path, const std::wstring& name) const;
    bool GetValue(RegRoot root, const std::wstring& path, const std::wstring& name, uint32_t* type,
                  Bytes* data) const;
    // Every key and value below the root, one per line, in a stable order: for
    // comparing whole trees before and after an operation.
    std::wstring Dump(RegRoot root) const;
    int OpenHandleCount() const { return static_cast<int>(handles_.size()); }

  private:
    struct Node;
    struct Handle {
        Node* node;
        std::wstring path;
        bool canRead;  // a key opened for writing only can neither be queried nor enumerated
        bool canWrite;
    };
    bool WriteDenied(const std::wstring& normalPath) const;
    static void MarkDeleted(Node* node);
    struct Failure {
        RegCall call;
        bool anyCall;
        std::wstring path;
        long status;
    };

    Node* Root(RegRoot root) const;
    Node* Find(RegRoot root, const std::wstring& path) const;
    Node* FindOrCreate(RegRoot root, const std::wstring& path);
    const Handle* HandleOf(RegKey key) const;
    // Counts the call and answers the injected failure, if any (0 otherwise).
    long Intercept(RegCall call, const std::wstring& path);

    std::unique_ptr<Node> localMachine_;
    std::unique_ptr<Node> currentUser_;
    std::map<RegKey, Handle> handles_;
    RegKey nextHandle_ = 0x100;
    std::vector<Failure> failures_;
    std::vector<std::wstring> writeDenied_;
    std::vector<std::unique_ptr<Node>> deleted_;  // kept alive for the handles still open
    int calls_ = 0;
    int flushes_ = 0;
    int failOnCall_ = 0;
    long failOnCallStatus_ = 0;
};

}  // namespace core
