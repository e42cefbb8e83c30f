// A program's backups on disk: registry files in "%ProgramData%\Quorvane\Sigvault\Backups"
// named "Cuebell YYYY-MM-DD HH-MM-SS.reg" (local time; then " (2)", " (3)"...). Each
// starts with a summary line whose sequence number, not the clock, tells which backup is
// the newest: the newest 50 of the program are kept. Only files named so are counted,
// listed or deleted.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "file_port.h"
#include "reg_file.h"
#include "save_transaction.h"

namespace core {

constexpr size_t kBackupsKept = 50;

struct BackupEntry {
    std::wstring path;
    DateTime savedLocal;     // from the file name
    RegFileSummary summary;  // from the summary line, else counted from the whole file
};

// The local time a backup's file name gives; nothing when the name is not one of the
// program's backups.
std::optional<DateTime> BackupNameTime(const std::wstring& program, const std::wstring& name);

// "YYYY-MM-DD HH:MM:SS", as the operator reads a backup's time.
std::wstring FormatSavedTime(const DateTime& time);

class BackupStore : public BackupSink {
  public:
    // Counts a file that has no summary line (one regedit exported): its detections and
    // the program's events.
    using Summarizer = std::function<RegFileSummary(const RegFile&)>;

    BackupStore(FilePort& files, const std::wstring& program) : files_(files), program_(program) {}

    std::wstring Folder();
    const std::wstring& Program() const { return program_; }

    // Writes the backup under a new name with the summary's time stamp and sequence number
    // filled in, then deletes all but the newest kBackupsKept. False (nothing left under
    // the final name) when the folder or the file could not be written.
    bool WriteBackup(const RegFile& backup, std::wstring* path) override;

    // The program's backups, newest first. A file that does not read is left out.
    std::vector<BackupEntry> List(const Summarizer& summarize);

  private:
    struct Found {
        std::wstring path;
        DateTime savedLocal;
        std::optional<RegFileSummary> summary;
    };
    std::vector<Found> FindAll();  // newest first, by the summary lines only
    void Prune();

    FilePort& files_;
    std::wstring program_;
};

}  // namespace core
