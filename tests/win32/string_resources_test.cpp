// The STRINGTABLE each program's resource script builds must hold exactly the texts
// of the core's table. Each table is linked into a resource-only DLL beside the test
// runner (the two programs reuse identifiers, so they cannot share one module).

#include <windows.h>

#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>

#include "cuebell/model/cuebell_strings.h"
#include "tonegate/model/tonegate_strings.h"

namespace {

std::wstring RunnerFolder() {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.rfind(L'\\'));
}

// Loads a DLL as a data file: its resources only, no code runs.
class ResourceModule {
  public:
    explicit ResourceModule(const std::wstring& fileName)
        : module_(LoadLibraryExW((RunnerFolder() + L"\\" + fileName).c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE)) {}
    ~ResourceModule() {
        if (module_ != nullptr) {
            FreeLibrary(module_);
        }
    }
    ResourceModule(const ResourceModule&) = delete;
    ResourceModule& operator=(const ResourceModule&) = delete;

    HMODULE get() const { return module_; }

    // The resource's text exactly, read in place (no buffer to cut it); false when
    // the module has no such string.
    bool Text(int id, std::wstring& text) const {
        const wchar_t* start = nullptr;
        const int length =
            LoadStringW(module_, static_cast<UINT>(id), reinterpret_cast<LPWSTR>(&start), 0);
        if (length <= 0 || start == nullptr) {
            return false;
        }
        text.assign(start, static_cast<size_t>(length));
        return true;
    }

    // Every string identifier the module holds (string blocks of 16 each).
    std::set<int> Identifiers() const {
        std::set<int> blocks;
        EnumResourceNamesW(module_, MAKEINTRESOURCEW(6) /* RT_STRING */, &CollectBlock,
                           reinterpret_cast<LONG_PTR>(&blocks));
        std::set<int> ids;
        std::wstring text;
        for (int block : blocks) {
            for (int id = (block - 1) * 16; id < block * 16; ++id) {
                if (Text(id, text)) {
                    ids.insert(id);
                }
            }
        }
        return ids;
    }

  private:
    static BOOL CALLBACK CollectBlock(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR blocks) {
        if (IS_INTRESOURCE(name)) {
            reinterpret_cast<std::set<int>*>(blocks)->insert(
                static_cast<int>(reinterpret_cast<ULONG_PTR>(name)));
        }
        return TRUE;
    }

    HMODULE module_;
};

struct ProgramResources {
    const char* program;
    const wchar_t* dll;
    const core::StringTable& (*table)();
};

void PrintTo(const ProgramResources& resources, std::ostream* out) {
    *out << resources.program;
}

class StringResourcesTest : public ::testing::TestWithParam<ProgramResources> {};

TEST_P(StringResourcesTest, ResourceHoldsExactlyTheCoreTexts) {
    ResourceModule module(GetParam().dll);
    ASSERT_NE(module.get(), nullptr) << "cannot load " << GetParam().program << " strings";
    const core::StringTable& table = GetParam().table();

    std::set<int> tableIds;
    std::wstring text;
    for (const core::StringEntry& entry : table) {
        tableIds.insert(entry.id);
        ASSERT_TRUE(module.Text(entry.id, text)) << "string " << entry.id << " missing";
        EXPECT_EQ(text, entry.text) << "string " << entry.id;
    }
    for (int id : module.Identifiers()) {
        EXPECT_EQ(tableIds.count(id), 1u) << "string " << id << " is not in the core table";
    }
}

INSTANTIATE_TEST_SUITE_P(Programs, StringResourcesTest,
                         ::testing::Values(ProgramResources{"Cuebell", L"cuebell_strings.dll",
                                                            &cuebell::CuebellStrings},
                                           ProgramResources{"Tonegate", L"tonegate_resources.dll",
                                                            &tonegate::TonegateStrings}),
                         [](const auto& info) { return std::string(info.param.program); });

// The escapes of the shared definition must reach the resource as the characters
// they stand for, not as backslash sequences.
TEST(StringResourcesTest, EscapesBecomeTheirCharacters) {
    ResourceModule cuebellModule(L"cuebell_strings.dll");
    ResourceModule tonegateModule(L"tonegate_resources.dll");
    std::wstring text;

    ASSERT_TRUE(cuebellModule.Text(cuebell::IDS_NO_BOARD_FOUND, text));
    EXPECT_EQ(text.substr(0, 23), L"No CX840 board found! \n");
    EXPECT_EQ(text.find(L'\\'), std::wstring::npos);

    ASSERT_TRUE(cuebellModule.Text(cuebell::IDS_SET_PLAYOUT_INFO_CAPTION, text));
    EXPECT_EQ(text, L"Set VeZev info ");

    ASSERT_TRUE(tonegateModule.Text(tonegate::IDS_INVALID_SYMBOL, text));
    EXPECT_EQ(text.substr(0, 19), L"Insert only \"0-9\", ");
}

}  // namespace

// Each program asks to run with the highest rights its user has: an administrator is
// elevated as themselves, a standard user runs as themselves. "requireAdministrator"
// would run a standard user's session as another account, with that account's
// HKEY_CURRENT_USER (other playout tables, other tool settings).
TEST(ProgramManifestTest, BothProgramsRunAsTheirOwnUser) {
    for (const wchar_t* path : {L"src\\cuebell\\Cuebell.exe", L"src\\tonegate\\Tonegate.exe"}) {
        ResourceModule program(path);
        ASSERT_NE(program.get(), nullptr) << "the program is not beside the test runner's tree";
        HRSRC found = FindResourceW(program.get(), MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
        ASSERT_NE(found, nullptr) << "no application manifest";
        const char* data =
            static_cast<const char*>(LockResource(LoadResource(program.get(), found)));
        ASSERT_NE(data, nullptr);
        const std::string manifest(data, SizeofResource(program.get(), found));
        EXPECT_NE(manifest.find("<requestedExecutionLevel level=\"highestAvailable\""),
                  std::string::npos);
        EXPECT_EQ(manifest.find("requireAdministrator"), std::string::npos);
    }
}
