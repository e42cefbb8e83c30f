#include "contract/file_contract.h"

#include <algorithm>
#include <vector>

namespace contract {

using core::Bytes;

std::string FileBackendName(const ::testing::TestParamInfo<FileBackendParam>& info) {
    return info.param.name;
}

namespace {

std::vector<std::wstring> Listed(core::FilePort& files, const std::wstring& folder) {
    std::vector<std::wstring> names;
    EXPECT_EQ(files.ListFiles(folder, &names), core::kErrorSuccess);
    std::sort(names.begin(), names.end());
    return names;
}

TEST_P(FileContractTest, AWholeFileIsWrittenOnceAndReadBack) {
    const Bytes first{0xFF, 0xFE, 'a', 0, 0, 0, '\r', 0, '\n', 0};
    const std::wstring path = Path(L"Cuebell 2026-03-14 09-26-53.reg");
    ASSERT_EQ(Files().WriteWhole(path, first, false), core::kErrorSuccess);
    Bytes read;
    ASSERT_EQ(Files().ReadStart(path, 1 << 20, &read), core::kErrorSuccess);
    EXPECT_EQ(read, first);
    ASSERT_EQ(Files().ReadStart(path, 3, &read), core::kErrorSuccess);
    EXPECT_EQ(read, (Bytes{0xFF, 0xFE, 'a'}));

    // An existing file is never replaced unless asked, and no temporary file stays.
    EXPECT_EQ(Files().WriteWhole(path, Bytes{1}, false), core::kErrorAlreadyExists);
    ASSERT_EQ(Files().ReadStart(path, 100, &read), core::kErrorSuccess);
    EXPECT_EQ(read, first);
    ASSERT_EQ(Files().WriteWhole(path, Bytes{}, true), core::kErrorSuccess);
    ASSERT_EQ(Files().ReadStart(path, 100, &read), core::kErrorSuccess);
    EXPECT_TRUE(read.empty());
    EXPECT_EQ(Listed(Files(), Path(L"")),
              std::vector<std::wstring>{L"Cuebell 2026-03-14 09-26-53.reg"});
}

TEST_P(FileContractTest, FoldersAreMadeWithTheirParentsAndListOnlyTheirFiles) {
    const std::wstring deep = Path(L"Quorvane\\Sigvault\\Backups");
    EXPECT_NE(Files().WriteWhole(deep + L"\\a.reg", Bytes{1}, false), core::kErrorSuccess);
    std::vector<std::wstring> names;
    EXPECT_NE(Files().ListFiles(deep, &names), core::kErrorSuccess);
    ASSERT_EQ(Files().CreateFolder(deep), core::kErrorSuccess);
    ASSERT_EQ(Files().CreateFolder(deep), core::kErrorSuccess);  // already there
    EXPECT_TRUE(Listed(Files(), deep).empty());
    ASSERT_EQ(Files().WriteWhole(deep + L"\\b.reg", Bytes{2}, false), core::kErrorSuccess);
    ASSERT_EQ(Files().WriteWhole(deep + L"\\a \u00e9t\u00e9.reg", Bytes{1}, false),
              core::kErrorSuccess);
    ASSERT_EQ(Files().CreateFolder(deep + L"\\Sub"), core::kErrorSuccess);
    EXPECT_EQ(Listed(Files(), deep), (std::vector<std::wstring>{L"a \u00e9t\u00e9.reg", L"b.reg"}));
    EXPECT_EQ(Listed(Files(), Path(L"Quorvane")), std::vector<std::wstring>{});

    EXPECT_EQ(Files().RemoveFile(deep + L"\\B.REG"), core::kErrorSuccess);
    EXPECT_EQ(Files().RemoveFile(deep + L"\\b.reg"), core::kErrorFileNotFound);
    Bytes read;
    EXPECT_EQ(Files().ReadStart(deep + L"\\b.reg", 10, &read), core::kErrorFileNotFound);
    EXPECT_EQ(Listed(Files(), deep), std::vector<std::wstring>{L"a \u00e9t\u00e9.reg"});
}

TEST_P(FileContractTest, TheClockAndTheCommonFolderAreGiven) {
    EXPECT_FALSE(Files().CommonAppDataFolder().empty());
    const core::Clock now = Files().Now();
    for (const core::DateTime& time : {now.local, now.utc}) {
        EXPECT_GE(time.year, 2000);
        EXPECT_TRUE(time.month >= 1 && time.month <= 12 && time.day >= 1 && time.day <= 31);
        EXPECT_TRUE(time.hour < 24 && time.minute < 60 && time.second < 60);
    }
}

}  // namespace
}  // namespace contract
