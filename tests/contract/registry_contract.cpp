#include "contract/registry_contract.h"

#include <algorithm>
#include <vector>

#include "shared/text.h"

namespace contract {

using core::Bytes;
using core::RegAccess;
using core::RegKey;
using core::RegRoot;

std::string BackendName(const ::testing::TestParamInfo<RegistryBackendParam>& info) {
    return info.param.name;
}

void RegistryContractTest::SetUp() {
    backend_ = GetParam().make();
    ASSERT_NE(backend_, nullptr);
    backend_->CleanUp();
}

void RegistryContractTest::TearDown() {
    if (backend_) {
        backend_->CleanUp();
    }
}

std::wstring RegistryContractTest::Path(const std::wstring& below) const {
    return below.empty() ? backend_->ScratchPath() : backend_->ScratchPath() + L"\\" + below;
}

void RegistryContractTest::Put(RegRoot root, const std::wstring& path, const std::wstring& name,
                               uint32_t type, const Bytes& data) {
    RegKey key = core::kNoKey;
    ASSERT_EQ(Registry().CreateKey(root, path, &key), core::kErrorSuccess);
    EXPECT_EQ(Registry().SetValue(key, name, type, data), core::kErrorSuccess);
    EXPECT_EQ(Registry().CloseKey(key), core::kErrorSuccess);
}

namespace {

constexpr RegRoot kRoots[] = {RegRoot::CurrentUser, RegRoot::LocalMachine};

const char* RootName(RegRoot root) {
    return root == RegRoot::LocalMachine ? "HKLM" : "HKCU";
}

Bytes Text(const std::wstring& text, bool withTerminator = true) {
    return core::ToUtf16Bytes(text, withTerminator);
}

// Opens a key for the length of a case and closes it at the end.
class Key {
  public:
    Key(core::RegistryPort& registry) : registry_(registry) {}
    ~Key() {
        if (key_ != core::kNoKey) {
            registry_.CloseKey(key_);
        }
    }
    long Open(RegRoot root, const std::wstring& path, RegAccess access) {
        return registry_.OpenKey(root, path, access, &key_);
    }
    long Create(RegRoot root, const std::wstring& path) {
        return registry_.CreateKey(root, path, &key_);
    }
    RegKey Get() const { return key_; }

  private:
    core::RegistryPort& registry_;
    RegKey key_ = core::kNoKey;
};

TEST_P(RegistryContractTest, OpeningAMissingKeyGivesFileNotFoundWithoutCreatingIt) {
    for (RegRoot root : kRoots) {
        for (RegAccess access : {RegAccess::Read, RegAccess::Write, RegAccess::ReadWrite}) {
            SCOPED_TRACE(RootName(root));
            RegKey key = 12345;
            EXPECT_EQ(Registry().OpenKey(root, Path(L"Missing\\Child"), access, &key),
                      core::kErrorFileNotFound);
            EXPECT_EQ(key, core::kNoKey);
        }
        Key parent(Registry());
        EXPECT_EQ(parent.Open(root, Path(), RegAccess::Read), core::kErrorFileNotFound);
    }
}

TEST_P(RegistryContractTest, CreateMakesEveryMissingParent) {
    for (RegRoot root : kRoots) {
        SCOPED_TRACE(RootName(root));
        Key created(Registry());
        ASSERT_EQ(created.Create(root, Path(L"One\\Two\\Three")), core::kErrorSuccess);
        EXPECT_NE(created.Get(), core::kNoKey);
        for (const wchar_t* path : {L"One", L"One\\Two", L"One\\Two\\Three"}) {
            Key opened(Registry());
            EXPECT_EQ(opened.Open(root, Path(path), RegAccess::Read), core::kErrorSuccess) << path;
        }
    }
}

TEST_P(RegistryContractTest, CreatingAnExistingKeyOpensItWithItsValues) {
    Put(RegRoot::CurrentUser, Path(L"Kept"), L"Value", core::kRegSz, Text(L"kept"));
    Key again(Registry());
    ASSERT_EQ(again.Create(RegRoot::CurrentUser, Path(L"Kept")), core::kErrorSuccess);
    uint32_t type = 0;
    Bytes data;
    EXPECT_EQ(Registry().QueryValue(again.Get(), L"Value", &type, &data), core::kErrorSuccess);
    EXPECT_EQ(data, Text(L"kept"));
}

TEST_P(RegistryContractTest, TheTwoRootsAreSeparate) {
    Put(RegRoot::CurrentUser, Path(L"OnlyUser"), L"V", core::kRegSz, Text(L"u"));
    Key machine(Registry());
    EXPECT_EQ(machine.Open(RegRoot::LocalMachine, Path(L"OnlyUser"), RegAccess::Read),
              core::kErrorFileNotFound);
}

TEST_P(RegistryContractTest, KeyAndValueNamesIgnoreCase) {
    Put(RegRoot::LocalMachine, Path(L"Mixed\\CaseKey"), L"ValueName", core::kRegSz, Text(L"first"));
    Key upper(Registry());
    ASSERT_EQ(upper.Open(RegRoot::LocalMachine, Path(L"MIXED\\casekey"), RegAccess::ReadWrite),
              core::kErrorSuccess);
    uint32_t type = 0;
    Bytes data;
    EXPECT_EQ(Registry().QueryValue(upper.Get(), L"VALUENAME", &type, &data), core::kErrorSuccess);
    EXPECT_EQ(data, Text(L"first"));

    // Writing under another spelling replaces the one value.
    EXPECT_EQ(Registry().SetValue(upper.Get(), L"valuename", core::kRegSz, Text(L"second")),
              core::kErrorSuccess);
    Key original(Registry());
    ASSERT_EQ(original.Open(RegRoot::LocalMachine, Path(L"Mixed\\CaseKey"), RegAccess::Read),
              core::kErrorSuccess);
    EXPECT_EQ(Registry().QueryValue(original.Get(), L"ValueName", &type, &data),
              core::kErrorSuccess);
    EXPECT_EQ(data, Text(L"second"));

    // Latin letters beyond ASCII fold too.
    Put(RegRoot::LocalMachine, Path(L"\u00c9T\u00c9"), L"\u00c0 propos", core::kRegSz, Text(L"x"));
    Key accented(Registry());
    ASSERT_EQ(accented.Open(RegRoot::LocalMachine, Path(L"\u00e9t\u00e9"), RegAccess::Read),
              core::kErrorSuccess);
    EXPECT_EQ(Registry().QueryValue(accented.Get(), L"\u00e0 PROPOS", &type, &data),
              core::kErrorSuccess);

    // Creating under another spelling makes no second key.
    Key created(Registry());
    ASSERT_EQ(created.Create(RegRoot::LocalMachine, Path(L"mixed\\CASEKEY")), core::kErrorSuccess);
    Key parent(Registry());
    ASSERT_EQ(parent.Open(RegRoot::LocalMachine, Path(L"Mixed"), RegAccess::Read),
              core::kErrorSuccess);
    std::wstring name;
    EXPECT_EQ(Registry().EnumKey(parent.Get(), 0, 256, &name), core::kErrorSuccess);
    EXPECT_EQ(name, L"CaseKey");  // the spelling it was created with
    EXPECT_EQ(Registry().EnumKey(parent.Get(), 1, 256, &name), core::kErrorNoMoreItems);
}

struct RoundTripCase {
    const char* label;
    uint32_t type;
    Bytes data;
};

std::vector<RoundTripCase> RoundTripCases() {
    std::wstring longText(100000, L'x');
    for (size_t i = 0; i < longText.size(); i += 7) {
        longText[i] = static_cast<wchar_t>(L'a' + i % 26);
    }
    return {
        {"string with terminator", core::kRegSz, Text(L"Jingle 1.wav")},
        {"string without terminator", core::kRegSz, Text(L"no end", false)},
        {"string of odd byte count", core::kRegSz, Bytes{'a', 0, 'b'}},
        {"string of one byte", core::kRegSz, Bytes{'a'}},
        {"string with an inner null", core::kRegSz, Text(std::wstring(L"ab\0cd", 5))},
        {"string beyond Latin-1", core::kRegSz, Text(L"\u00e9t\u00e9 \u266b \u0416")},
        {"empty string data", core::kRegSz, Bytes{}},
        {"terminator only", core::kRegSz, Bytes{0, 0}},
        {"expandable string", core::kRegExpandSz, Text(L"%TEMP%\\x.wav")},
        {"expandable without terminator", core::kRegExpandSz, Text(L"%TEMP%", false)},
        {"multi-string", core::kRegMultiSz, Text(std::wstring(L"a\0bc\0", 5))},
        {"dword", core::kRegDword, Bytes{0x78, 0x56, 0x34, 0x12}},
        {"binary with nulls", core::kRegBinary, Bytes{0, 1, 0, 0xFF, 0x80, 0}},
        {"empty binary", core::kRegBinary, Bytes{}},
        {"none with data", core::kRegNone, Bytes{1, 2, 3}},
        {"100 000 characters", core::kRegSz, Text(longText)},
        // Around the size of the Windows registry's first read of a value.
        {"2048 bytes", core::kRegBinary, Bytes(2048, 0x5A)},
        {"2049 bytes", core::kRegBinary, Bytes(2049, 0xA5)},
        {"1023 characters and terminator", core::kRegSz, Text(std::wstring(1023, L'q'))},
        {"1024 characters and terminator", core::kRegSz, Text(std::wstring(1024, L'q'))},
    };
}

TEST_P(RegistryContractTest, ValuesKeepTheirTypeAndBytesExactly) {
    for (RegRoot root : kRoots) {
        Key key(Registry());
        ASSERT_EQ(key.Create(root, Path(L"Values")), core::kErrorSuccess);
        for (const auto& c : RoundTripCases()) {
            SCOPED_TRACE(std::string(RootName(root)) + ": " + c.label);
            EXPECT_EQ(Registry().SetValue(key.Get(), L"V", c.type, c.data), core::kErrorSuccess);
            uint32_t type = 0xDEAD;
            Bytes data{9, 9, 9};
            ASSERT_EQ(Registry().QueryValue(key.Get(), L"V", &type, &data), core::kErrorSuccess);
            EXPECT_EQ(type, c.type);
            EXPECT_EQ(data.size(), c.data.size());
            EXPECT_TRUE(data == c.data);
        }
    }
}

TEST_P(RegistryContractTest, AValueReplacedByAShorterOneShrinks) {
    Key key(Registry());
    ASSERT_EQ(key.Create(RegRoot::CurrentUser, Path()), core::kErrorSuccess);
    ASSERT_EQ(Registry().SetValue(key.Get(), L"V", core::kRegSz, Text(std::wstring(600, L'a'))),
              core::kErrorSuccess);
    ASSERT_EQ(Registry().SetValue(key.Get(), L"V", core::kRegDword, Bytes{1, 0, 0, 0}),
              core::kErrorSuccess);
    uint32_t type = 0;
    Bytes data;
    ASSERT_EQ(Registry().QueryValue(key.Get(), L"V", &type, &data), core::kErrorSuccess);
    EXPECT_EQ(type, core::kRegDword);
    EXPECT_EQ(data, (Bytes{1, 0, 0, 0}));
}

TEST_P(RegistryContractTest, QueryingAMissingValueGivesFileNotFound) {
    Put(RegRoot::CurrentUser, Path(L"Parent\\Child"), L"Present", core::kRegSz, Text(L"x"));
    Key parent(Registry());
    ASSERT_EQ(parent.Open(RegRoot::CurrentUser, Path(L"Parent"), RegAccess::Read),
              core::kErrorSuccess);
    uint32_t type = 0;
    Bytes data;
    EXPECT_EQ(Registry().QueryValue(parent.Get(), L"Absent", &type, &data),
              core::kErrorFileNotFound);
    // Values belong to their own key only.
    EXPECT_EQ(Registry().QueryValue(parent.Get(), L"Present", &type, &data),
              core::kErrorFileNotFound);
}

TEST_P(RegistryContractTest, TheEmptyNameIsTheDefaultValue) {
    Key key(Registry());
    ASSERT_EQ(key.Create(RegRoot::LocalMachine, Path(L"Default")), core::kErrorSuccess);
    uint32_t type = 0;
    Bytes data;
    // A new key's default value is not set.
    EXPECT_EQ(Registry().QueryValue(key.Get(), L"", &type, &data), core::kErrorFileNotFound);
    ASSERT_EQ(Registry().SetValue(key.Get(), L"", core::kRegSz, Text(L"default")),
              core::kErrorSuccess);
    ASSERT_EQ(Registry().SetValue(key.Get(), L"Named", core::kRegSz, Text(L"named")),
              core::kErrorSuccess);
    ASSERT_EQ(Registry().QueryValue(key.Get(), L"", &type, &data), core::kErrorSuccess);
    EXPECT_EQ(type, core::kRegSz);
    EXPECT_EQ(data, Text(L"default"));
}

TEST_P(RegistryContractTest, AKeyOpenedForReadingRefusesWrites) {
    Put(RegRoot::LocalMachine, Path(), L"Existing", core::kRegSz, Text(L"old"));
    Key readOnly(Registry());
    ASSERT_EQ(readOnly.Open(RegRoot::LocalMachine, Path(), RegAccess::Read), core::kErrorSuccess);
    EXPECT_EQ(Registry().SetValue(readOnly.Get(), L"Existing", core::kRegSz, Text(L"new")),
              core::kErrorAccessDenied);
    EXPECT_EQ(Registry().SetValue(readOnly.Get(), L"Added", core::kRegSz, Text(L"new")),
              core::kErrorAccessDenied);
    uint32_t type = 0;
    Bytes data;
    EXPECT_EQ(Registry().QueryValue(readOnly.Get(), L"Existing", &type, &data),
              core::kErrorSuccess);
    EXPECT_EQ(data, Text(L"old"));
    EXPECT_EQ(Registry().QueryValue(readOnly.Get(), L"Added", &type, &data),
              core::kErrorFileNotFound);
}

TEST_P(RegistryContractTest, AKeyOpenedForWritingOnlyRefusesReads) {
    Put(RegRoot::CurrentUser, Path(L"Sub"), L"Existing", core::kRegSz, Text(L"old"));
    Key writeOnly(Registry());
    ASSERT_EQ(writeOnly.Open(RegRoot::CurrentUser, Path(), RegAccess::Write), core::kErrorSuccess);
    EXPECT_EQ(Registry().SetValue(writeOnly.Get(), L"Written", core::kRegSz, Text(L"w")),
              core::kErrorSuccess);
    uint32_t type = 0;
    Bytes data;
    EXPECT_EQ(Registry().QueryValue(writeOnly.Get(), L"Written", &type, &data),
              core::kErrorAccessDenied);
    std::wstring name;
    EXPECT_EQ(Registry().EnumKey(writeOnly.Get(), 0, 256, &name), core::kErrorAccessDenied);

    Key readWrite(Registry());
    ASSERT_EQ(readWrite.Open(RegRoot::CurrentUser, Path(), RegAccess::ReadWrite),
              core::kErrorSuccess);
    EXPECT_EQ(Registry().QueryValue(readWrite.Get(), L"Written", &type, &data),
              core::kErrorSuccess);
    EXPECT_EQ(Registry().EnumKey(readWrite.Get(), 0, 256, &name), core::kErrorSuccess);
    EXPECT_EQ(Registry().SetValue(readWrite.Get(), L"Again", core::kRegSz, Text(L"a")),
              core::kErrorSuccess);
}

TEST_P(RegistryContractTest, SubkeysEnumerateInCaseInsensitiveNameOrder) {
    // Created out of order and in mixed case; digits compare as characters, so
    // "GPI10" comes before "GPI2", and a name comes before its own extensions.
    // (Names with the characters between "Z" and "a", such as "_", are left out: Windows
    // compares upper-cased names, so "A_" follows "AZ", while Wine compares lower-cased
    // ones; the twin follows Windows.)
    const std::vector<std::wstring> created = {L"GPI2",   L"beta",          L"GPI10",   L"Alpha2",
                                               L"alpha",  L"Gamma",         L"gpi1",    L"Device0",
                                               L"DEVICE", L"Sample 1",      L"Sample1", L"0",
                                               L"Zulu",   L"\u00e9t\u00e9", L"Wave-2",  L"Wave.2"};
    const std::vector<std::wstring> expected = {
        L"0",      L"alpha",  L"Alpha2", L"beta",         L"DEVICE",   L"Device0",
        L"Gamma",  L"gpi1",   L"GPI10",  L"GPI2",         L"Sample 1", L"Sample1",
        L"Wave-2", L"Wave.2", L"Zulu",   L"\u00e9t\u00e9"};
    for (RegRoot root : kRoots) {
        SCOPED_TRACE(RootName(root));
        for (const auto& name : created) {
            Key key(Registry());
            ASSERT_EQ(key.Create(root, Path(L"Order\\" + name)), core::kErrorSuccess);
        }
        Key parent(Registry());
        ASSERT_EQ(parent.Open(root, Path(L"Order"), RegAccess::Read), core::kErrorSuccess);
        std::vector<std::wstring> listed;
        uint32_t index = 0;
        long status = core::kErrorSuccess;
        for (; index < 100; ++index) {
            std::wstring name;
            status = Registry().EnumKey(parent.Get(), index, 256, &name);
            if (status != core::kErrorSuccess) {
                break;
            }
            listed.push_back(name);
        }
        EXPECT_EQ(status, core::kErrorNoMoreItems);
        EXPECT_EQ(listed, expected);
        // Past the end stays past the end.
        std::wstring name;
        EXPECT_EQ(Registry().EnumKey(parent.Get(), index + 5, 256, &name), core::kErrorNoMoreItems);
    }
}

TEST_P(RegistryContractTest, AKeyWithoutSubkeysEnumeratesNothing) {
    Key key(Registry());
    ASSERT_EQ(key.Create(RegRoot::CurrentUser, Path(L"Leaf")), core::kErrorSuccess);
    ASSERT_EQ(Registry().SetValue(key.Get(), L"NotAKey", core::kRegSz, Text(L"v")),
              core::kErrorSuccess);
    std::wstring name = L"unchanged";
    EXPECT_EQ(Registry().EnumKey(key.Get(), 0, 256, &name), core::kErrorNoMoreItems);
}

TEST_P(RegistryContractTest, ANameLongerThanTheBufferGivesMoreData) {
    Key child(Registry());
    ASSERT_EQ(child.Create(RegRoot::CurrentUser, Path(L"Names\\Sixsix")), core::kErrorSuccess);
    Key parent(Registry());
    ASSERT_EQ(parent.Open(RegRoot::CurrentUser, Path(L"Names"), RegAccess::Read),
              core::kErrorSuccess);
    std::wstring name;
    // The buffer counts the terminator: six characters need seven.
    EXPECT_EQ(Registry().EnumKey(parent.Get(), 0, 6, &name), core::kErrorMoreData);
    EXPECT_EQ(Registry().EnumKey(parent.Get(), 0, 1, &name), core::kErrorMoreData);
    ASSERT_EQ(Registry().EnumKey(parent.Get(), 0, 7, &name), core::kErrorSuccess);
    EXPECT_EQ(name, L"Sixsix");
}

TEST_P(RegistryContractTest, AClosedHandleIsInvalid) {
    Put(RegRoot::CurrentUser, Path(), L"V", core::kRegSz, Text(L"v"));
    RegKey key = core::kNoKey;
    ASSERT_EQ(Registry().OpenKey(RegRoot::CurrentUser, Path(), RegAccess::Read, &key),
              core::kErrorSuccess);
    EXPECT_EQ(Registry().CloseKey(key), core::kErrorSuccess);
    EXPECT_EQ(Registry().CloseKey(key), core::kErrorInvalidHandle);
    EXPECT_EQ(Registry().CloseKey(core::kNoKey), core::kErrorInvalidHandle);
    uint32_t type = 0;
    Bytes data;
    EXPECT_EQ(Registry().QueryValue(core::kNoKey, L"V", &type, &data), core::kErrorInvalidHandle);
}

TEST_P(RegistryContractTest, TwoHandlesOnOneKeySeeEachOthersWrites) {
    Key writer(Registry());
    ASSERT_EQ(writer.Create(RegRoot::LocalMachine, Path(L"Shared")), core::kErrorSuccess);
    Key reader(Registry());
    ASSERT_EQ(reader.Open(RegRoot::LocalMachine, Path(L"Shared"), RegAccess::Read),
              core::kErrorSuccess);
    ASSERT_EQ(Registry().SetValue(writer.Get(), L"Late", core::kRegSz, Text(L"late")),
              core::kErrorSuccess);
    Key child(Registry());
    ASSERT_EQ(child.Create(RegRoot::LocalMachine, Path(L"Shared\\Later")), core::kErrorSuccess);
    uint32_t type = 0;
    Bytes data;
    EXPECT_EQ(Registry().QueryValue(reader.Get(), L"Late", &type, &data), core::kErrorSuccess);
    std::wstring name;
    EXPECT_EQ(Registry().EnumKey(reader.Get(), 0, 256, &name), core::kErrorSuccess);
    EXPECT_EQ(name, L"Later");
}

TEST_P(RegistryContractTest, ValuesEnumerateWithTheirTypesAndBytes) {
    const std::vector<std::pair<std::wstring, Bytes>> stored = {
        {L"Name", Text(L"WAV_News")},
        {L"", Text(L"default")},
        {L"Long", Text(std::wstring(3000, L'z'))}};
    for (const auto& value : stored) {
        Put(RegRoot::LocalMachine, Path(L"Listed\\Child"), value.first, core::kRegSz, value.second);
    }
    Put(RegRoot::LocalMachine, Path(L"Listed"), L"Dword", core::kRegDword, Bytes{1, 2, 3, 4});
    Key key(Registry());
    ASSERT_EQ(key.Open(RegRoot::LocalMachine, Path(L"Listed\\Child"), RegAccess::Read),
              core::kErrorSuccess);
    std::vector<std::pair<std::wstring, Bytes>> listed;
    uint32_t index = 0;
    long status = core::kErrorSuccess;
    for (; index < 10; ++index) {
        std::wstring name;
        uint32_t type = 0;
        Bytes data;
        status = Registry().EnumValue(key.Get(), index, &name, &type, &data);
        if (status != core::kErrorSuccess) {
            break;
        }
        EXPECT_EQ(type, core::kRegSz);
        listed.emplace_back(name, data);
    }
    EXPECT_EQ(status, core::kErrorNoMoreItems);
    auto sorted = stored;
    std::sort(sorted.begin(), sorted.end());
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, sorted);  // the order is the registry's own
}

TEST_P(RegistryContractTest, DeletingValuesAndTrees) {
    Put(RegRoot::CurrentUser, Path(L"Tree\\Sub\\Leaf"), L"V", core::kRegSz, Text(L"v"));
    Put(RegRoot::CurrentUser, Path(L"Tree"), L"Kept", core::kRegSz, Text(L"k"));
    Put(RegRoot::CurrentUser, Path(L"Tree"), L"Gone", core::kRegSz, Text(L"g"));
    {
        Key readOnly(Registry());
        ASSERT_EQ(readOnly.Open(RegRoot::CurrentUser, Path(L"Tree"), RegAccess::Read),
                  core::kErrorSuccess);
        EXPECT_EQ(Registry().DeleteValue(readOnly.Get(), L"Gone"), core::kErrorAccessDenied);
        Key writable(Registry());
        ASSERT_EQ(writable.Open(RegRoot::CurrentUser, Path(L"Tree"), RegAccess::Write),
                  core::kErrorSuccess);
        EXPECT_EQ(Registry().DeleteValue(writable.Get(), L"GONE"), core::kErrorSuccess);
        EXPECT_EQ(Registry().DeleteValue(writable.Get(), L"Gone"), core::kErrorFileNotFound);
        EXPECT_EQ(Registry().FlushKey(writable.Get()), core::kErrorSuccess);
        uint32_t type = 0;
        Bytes data;
        EXPECT_EQ(Registry().QueryValue(readOnly.Get(), L"Kept", &type, &data),
                  core::kErrorSuccess);
        EXPECT_EQ(Registry().QueryValue(readOnly.Get(), L"Gone", &type, &data),
                  core::kErrorFileNotFound);
    }
    EXPECT_EQ(Registry().DeleteTree(RegRoot::CurrentUser, Path(L"tree\\SUB")), core::kErrorSuccess);
    EXPECT_EQ(Registry().DeleteTree(RegRoot::CurrentUser, Path(L"Tree\\Sub")),
              core::kErrorFileNotFound);
    Key parent(Registry());
    ASSERT_EQ(parent.Open(RegRoot::CurrentUser, Path(L"Tree"), RegAccess::Read),
              core::kErrorSuccess);
    std::wstring name;
    EXPECT_EQ(Registry().EnumKey(parent.Get(), 0, 256, &name), core::kErrorNoMoreItems);
    // The other root is another tree.
    EXPECT_EQ(Registry().DeleteTree(RegRoot::LocalMachine, Path(L"Tree")),
              core::kErrorFileNotFound);
}

TEST_P(RegistryContractTest, TheRightToCreateSubkeysOpensAnExistingKeyOnly) {
    Put(RegRoot::LocalMachine, Path(L"Parent"), L"V", core::kRegSz, Text(L"v"));
    Key parent(Registry());
    EXPECT_EQ(parent.Open(RegRoot::LocalMachine, Path(L"Parent"), RegAccess::CreateSubkeys),
              core::kErrorSuccess);
    Key missing(Registry());
    EXPECT_EQ(
        missing.Open(RegRoot::LocalMachine, Path(L"Parent\\Missing"), RegAccess::CreateSubkeys),
        core::kErrorFileNotFound);
    // Opening for the check created nothing.
    Key again(Registry());
    EXPECT_EQ(again.Open(RegRoot::LocalMachine, Path(L"Parent\\Missing"), RegAccess::Read),
              core::kErrorFileNotFound);
}

}  // namespace
}  // namespace contract
