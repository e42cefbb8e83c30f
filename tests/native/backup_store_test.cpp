// The backup store over the in-memory files: names, the summary line, which backups are
// kept (by sequence number, whatever the clock says) and the list of backups.
#include "shared/backup_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "shared/inmemory/memory_files.h"
#include "shared/text.h"

namespace core {
namespace {

const std::wstring kFolder = L"C:\\ProgramData\\Quorvane\\Sigvault\\Backups\\";

Clock At(int year, int minute, int second = 0) {
    return Clock{DateTime{year, 3, 14, 9, minute, second},
                 DateTime{year, 3, 14, 8, minute, second}};
}

RegFile SomeBackup() {
    RegFile file;
    file.keys.push_back(
        RegFileKey{RegRoot::LocalMachine,
                   L"Software\\Quorvane\\Sigvault\\Wave_2.0",
                   false,
                   {RegFileValue{L"GPIsCount", false, kRegSz, ToUtf16Bytes(L"1", true)}}});
    return file;
}

std::vector<std::wstring> Names(const std::vector<std::wstring>& paths) {
    std::vector<std::wstring> names;
    for (const std::wstring& path : paths) {
        names.push_back(path.substr(path.rfind(L'\\') + 1));
    }
    return names;
}

TEST(BackupStoreTest, NamesKeepsTheNewestBySequenceAndListsThem) {
    struct Case {
        const char* label;
        std::function<void(MemoryFiles&)> prepare;
        std::vector<Clock> writes;
        size_t written;                    // how many writes succeeded
        std::vector<std::wstring> newest;  // the list's first names, newest first
        size_t listed;
        std::vector<std::wstring> gone;  // names no longer there
        std::vector<std::wstring> kept;  // names still there that are not the list's
    };
    std::vector<Clock> fiftyTwo;
    for (int i = 0; i < 52; ++i) {
        fiftyTwo.push_back(At(2026, i));
    }
    std::vector<Clock> setBack(50, At(2026, 30));
    setBack.push_back(At(2020, 0));
    const Case cases[] = {
        {"one backup",
         [](MemoryFiles&) {},
         {At(2026, 26, 53)},
         1,
         {L"Cuebell 2026-03-14 09-26-53.reg"},
         1,
         {},
         {}},
        {"three in one second",
         [](MemoryFiles&) {},
         {At(2026, 1), At(2026, 1), At(2026, 1)},
         3,
         {L"Cuebell 2026-03-14 09-01-00 (3).reg", L"Cuebell 2026-03-14 09-01-00 (2).reg",
          L"Cuebell 2026-03-14 09-01-00.reg"},
         3,
         {},
         {}},
        {"the newest 50 are kept",
         [](MemoryFiles&) {},
         fiftyTwo,
         52,
         {L"Cuebell 2026-03-14 09-51-00.reg"},
         50,
         {L"Cuebell 2026-03-14 09-00-00.reg", L"Cuebell 2026-03-14 09-01-00.reg"},
         {}},
        {"a clock set back deletes the oldest, not the newest",
         [](MemoryFiles&) {},
         setBack,
         51,
         {L"Cuebell 2020-03-14 09-00-00.reg", L"Cuebell 2026-03-14 09-30-00 (50).reg"},
         50,
         {L"Cuebell 2026-03-14 09-30-00.reg"},
         {}},
        {"other files are neither counted, listed nor deleted",
         [](MemoryFiles& f) {
             for (const wchar_t* name :
                  {L"Cuebell copy.reg", L"Tonegate 2026-03-14 09-00-00.reg",
                   L"Cuebell 2026-03-14 09-00-00 (1).reg", L"Cuebell 2026-03-14 09-00-00.txt",
                   L"Cuebell 2026-3-14 09-00-00.reg"}) {
                 f.PutFile(kFolder + name, Bytes{1, 2});
             }
         },
         std::vector<Clock>(51, At(2026, 5)),
         51,
         {L"Cuebell 2026-03-14 09-05-00 (51).reg"},
         50,
         {L"Cuebell 2026-03-14 09-05-00.reg"},
         {L"Cuebell copy.reg", L"Tonegate 2026-03-14 09-00-00.reg",
          L"Cuebell 2026-03-14 09-00-00 (1).reg", L"Cuebell 2026-03-14 09-00-00.txt",
          L"Cuebell 2026-3-14 09-00-00.reg"}},
        {"a regedit export without the summary line is listed, counted whole",
         [](MemoryFiles& f) {
             Bytes bytes;
             WriteRegFile(SomeBackup(), &bytes);
             f.PutFile(kFolder + L"Cuebell 2027-01-01 00-00-00.reg", bytes);
         },
         {At(2026, 2)},
         1,
         {L"Cuebell 2026-03-14 09-02-00.reg", L"Cuebell 2027-01-01 00-00-00.reg"},
         2,
         {},
         {}},
        {"the folder refused",
         [](MemoryFiles& f) {
             f.FailCallOn(FileCall::CreateFolder, kFolder.substr(0, kFolder.size() - 1));
         },
         {At(2026, 3)},
         0,
         {},
         0,
         {},
         {}},
        {"the file refused",
         [](MemoryFiles& f) {
             f.FailCallOn(FileCall::Write, kFolder.substr(0, kFolder.size() - 1));
         },
         {At(2026, 3)},
         0,
         {},
         0,
         {},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        MemoryFiles files;
        c.prepare(files);
        BackupStore store(files, L"Cuebell");
        size_t written = 0;
        for (const Clock& clock : c.writes) {
            files.SetClock(clock);
            std::wstring path;
            RegFile backup = SomeBackup();
            backup.summary = RegFileSummary{L"", DateTime(), 0, 7, 3};
            if (store.WriteBackup(backup, &path)) {
                ++written;
                EXPECT_TRUE(files.HasFile(path));
            }
        }
        EXPECT_EQ(written, c.written);
        const std::vector<BackupEntry> list = store.List([](const RegFile& file) {
            return RegFileSummary{L"Cuebell", DateTime(), 0, static_cast<int32_t>(file.keys.size()),
                                  0};
        });
        ASSERT_EQ(list.size(), c.listed);
        for (size_t i = 0; i < c.newest.size(); ++i) {
            EXPECT_EQ(Names({list[i].path})[0], c.newest[i]);
        }
        if (!list.empty() && list[0].summary.sequence > 0) {
            EXPECT_EQ(list[0].summary.sequence, c.written);
            EXPECT_EQ(list[0].summary.detections, 7);
            EXPECT_EQ(list[0].summary.utc.hour, 8);  // the UTC stamp, not local time
        }
        const std::vector<std::wstring> all = Names(files.AllFiles());
        for (const std::wstring& name : c.gone) {
            EXPECT_EQ(std::count(all.begin(), all.end(), name), 0) << name;
        }
        for (const std::wstring& name : c.kept) {
            EXPECT_EQ(std::count(all.begin(), all.end(), name), 1) << name;
        }
        EXPECT_EQ(all.size(), c.listed + c.kept.size());
    }
}

TEST(BackupStoreTest, TheSummaryLineIsWrittenAndTheListReadsOnlyIt) {
    MemoryFiles files;
    BackupStore store(files, L"Tonegate");
    std::wstring path;
    RegFile backup = SomeBackup();
    backup.summary = RegFileSummary{L"", DateTime(), 0, 4, 9};
    ASSERT_TRUE(store.WriteBackup(backup, &path));
    RegFile read;
    ASSERT_EQ(ReadRegFile(files.FileData(path), &read), RegFileError::None);
    ASSERT_TRUE(read.summary.has_value());
    EXPECT_EQ(read.summary->program, L"Tonegate");
    EXPECT_EQ(read.summary->sequence, 1u);
    EXPECT_EQ(read.summary->events, 9);
    EXPECT_EQ(read.keys.size(), 1u);
    bool summarized = false;
    const auto list = store.List([&](const RegFile&) {
        summarized = true;
        return RegFileSummary();
    });
    ASSERT_EQ(list.size(), 1u);
    EXPECT_FALSE(summarized);
    EXPECT_EQ(FormatSavedTime(list[0].savedLocal), L"2026-03-14 09:26:53");
}

}  // namespace
}  // namespace core
