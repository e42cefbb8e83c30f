#include "shared/backup_store.h"

#include <algorithm>
#include <tuple>

#include "shared/format.h"
#include "shared/text.h"

namespace core {

namespace {

// The summary line lies within the first few hundred bytes; this is more than enough.
constexpr size_t kSummaryBytes = 1024;
// Beyond this many files of one second, something else is wrong.
constexpr int kMaxSameSecond = 1000;

std::wstring NameTime(const DateTime& t) {
    return Format(L"%04d-%02d-%02d %02d-%02d-%02d", t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
}

// Reads "digits" of exactly count digits at *pos.
bool ReadDigits(const std::wstring& text, size_t* pos, size_t count, int* value) {
    if (*pos + count > text.size()) {
        return false;
    }
    *value = 0;
    for (size_t i = 0; i < count; ++i) {
        const wchar_t c = text[*pos + i];
        if (!IsDigit(c)) {
            return false;
        }
        *value = *value * 10 + (c - L'0');
    }
    *pos += count;
    return true;
}

bool ReadChar(const std::wstring& text, size_t* pos, wchar_t c) {
    if (*pos >= text.size() || text[*pos] != c) {
        return false;
    }
    ++*pos;
    return true;
}

// Newest first: by sequence number, then by the UTC stamp; a file without a summary line
// is older than every one with it.
auto NewnessKey(const std::optional<RegFileSummary>& summary) {
    const RegFileSummary s = summary.value_or(RegFileSummary());
    const DateTime& t = s.utc;
    return std::make_tuple(summary.has_value(), s.sequence, t.year, t.month, t.day, t.hour,
                           t.minute, t.second);
}

}  // namespace

std::optional<DateTime> BackupNameTime(const std::wstring& program, const std::wstring& name) {
    const std::wstring head = program + L" ";
    const std::wstring tail = L".reg";
    if (name.size() < head.size() + tail.size() ||
        !EqualsNoCase(name.substr(0, head.size()), head) ||
        !EqualsNoCase(name.substr(name.size() - tail.size()), tail)) {
        return std::nullopt;
    }
    const std::wstring stem = name.substr(0, name.size() - tail.size());
    DateTime t;
    size_t pos = head.size();
    if (!ReadDigits(stem, &pos, 4, &t.year) || !ReadChar(stem, &pos, L'-') ||
        !ReadDigits(stem, &pos, 2, &t.month) || !ReadChar(stem, &pos, L'-') ||
        !ReadDigits(stem, &pos, 2, &t.day) || !ReadChar(stem, &pos, L' ') ||
        !ReadDigits(stem, &pos, 2, &t.hour) || !ReadChar(stem, &pos, L'-') ||
        !ReadDigits(stem, &pos, 2, &t.minute) || !ReadChar(stem, &pos, L'-') ||
        !ReadDigits(stem, &pos, 2, &t.second)) {
        return std::nullopt;
    }
    if (pos == stem.size()) {
        return t;
    }
    // " (N)" with N from 2, without leading zeros.
    if (!ReadChar(stem, &pos, L' ') || !ReadChar(stem, &pos, L'(') || pos >= stem.size() ||
        stem[pos] == L'0' || stem.back() != L')') {
        return std::nullopt;
    }
    const std::wstring number = stem.substr(pos, stem.size() - 1 - pos);
    if (number.empty() || number.size() > 6 ||
        !std::all_of(number.begin(), number.end(), IsDigit) || number == L"1") {
        return std::nullopt;
    }
    return t;
}

std::wstring FormatSavedTime(const DateTime& t) {
    return Format(L"%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
}

std::wstring BackupStore::Folder() {
    return files_.CommonAppDataFolder() + L"\\Quorvane\\Sigvault\\Backups";
}

std::vector<BackupStore::Found> BackupStore::FindAll() {
    std::vector<Found> found;
    std::vector<std::wstring> names;
    const std::wstring folder = Folder();
    if (files_.ListFiles(folder, &names) != kErrorSuccess) {
        return found;
    }
    for (const std::wstring& name : names) {
        const std::optional<DateTime> time = BackupNameTime(program_, name);
        if (!time) {
            continue;
        }
        Found file{folder + L"\\" + name, *time, std::nullopt};
        Bytes start;
        if (files_.ReadStart(file.path, kSummaryBytes, &start) == kErrorSuccess) {
            file.summary = ReadRegFileSummary(start);
        }
        found.push_back(file);
    }
    std::stable_sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        return NewnessKey(a.summary) > NewnessKey(b.summary);
    });
    return found;
}

void BackupStore::Prune() {
    const std::vector<Found> found = FindAll();
    for (size_t i = kBackupsKept; i < found.size(); ++i) {
        files_.RemoveFile(found[i].path);
    }
}

bool BackupStore::WriteBackup(const RegFile& backup, std::wstring* path) {
    const std::wstring folder = Folder();
    if (files_.CreateFolder(folder) != kErrorSuccess) {
        return false;
    }
    uint64_t sequence = 0;
    for (const Found& file : FindAll()) {
        if (file.summary) {
            sequence = std::max(sequence, file.summary->sequence);
        }
    }
    const Clock now = files_.Now();
    RegFile stamped = backup;
    RegFileSummary summary = backup.summary.value_or(RegFileSummary());
    summary.program = program_;
    summary.utc = now.utc;
    summary.sequence = sequence + 1;
    stamped.summary = summary;
    Bytes bytes;
    if (!WriteRegFile(stamped, &bytes)) {
        return false;
    }
    const std::wstring stem = folder + L"\\" + program_ + L" " + NameTime(now.local);
    for (int n = 1; n <= kMaxSameSecond; ++n) {
        const std::wstring candidate = stem + (n == 1 ? L"" : Format(L" (%d)", n)) + L".reg";
        const long status = files_.WriteWhole(candidate, bytes, false);
        if (status == kErrorAlreadyExists || status == kErrorFileExists) {
            continue;
        }
        if (status != kErrorSuccess) {
            return false;
        }
        *path = candidate;
        Prune();
        return true;
    }
    return false;
}

std::vector<BackupEntry> BackupStore::List(const Summarizer& summarize) {
    std::vector<BackupEntry> entries;
    for (const Found& file : FindAll()) {
        BackupEntry entry{file.path, file.savedLocal, RegFileSummary()};
        if (file.summary) {
            if (!EqualsNoCase(file.summary->program, program_)) {
                continue;
            }
            entry.summary = *file.summary;
        } else {
            Bytes bytes;
            RegFile whole;
            if (files_.ReadStart(file.path, kMaxRegFileBytes, &bytes) != kErrorSuccess ||
                ReadRegFile(bytes, &whole) != RegFileError::None) {
                continue;
            }
            entry.summary = summarize(whole);
        }
        entries.push_back(entry);
    }
    return entries;
}

}  // namespace core
