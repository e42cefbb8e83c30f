// What both programs' configuration checks share: a finding (its severity, the record at
// fault as the operator knows it, one sentence, and references to the records so that
// their editors can be opened), the order the findings are listed in, the summary line
// and the texts of the list's rows. Each program computes its own findings from its own
// table of finding kinds and its own string table.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "shared/format.h"
#include "shared/list_column.h"

namespace core {

enum class Severity : int { Error = 0, Warning = 1, Note = 2 };
inline constexpr size_t kSeverityCount = 3;

// The kind of record a finding points at; the position is the record's in the list the
// check was given (entries and signals in list order).
// General: Cuebell's general settings (position 0).
enum class RecordKind : int { Entry, Sample, Device, Signal, Instance, General };

struct RecordRef {
    RecordKind kind = RecordKind::Entry;
    int position = -1;
    bool operator==(const RecordRef& other) const {
        return kind == other.kind && position == other.position;
    }
};

// One row of a program's table of finding kinds: the severity and the sentence's string.
// The table's order is the order of the list within a severity.
struct FindingKind {
    Severity severity;
    int sentenceId;
};

struct Finding {
    Severity severity = Severity::Note;
    int kind = 0;  // the row of the program's table of finding kinds
    std::wstring where;
    std::wstring sentence;
    std::vector<RecordRef> records;  // the records at fault; the first one is opened
};

using FindingList = std::vector<Finding>;

// Errors first, then warnings, then notes; within a severity in the order of the kinds'
// table, then in the order the findings were made (the records' list order).
void SortFindings(FindingList* findings);

// A program's texts for the check: the severity names, the counts of the summary
// ("%d error" and "%d errors" for each severity), the summary without findings, the
// column titles, the caption, and the words that close a long list of names.
struct CheckTexts {
    std::array<std::wstring, kSeverityCount> severityNames;
    std::array<std::wstring, kSeverityCount> oneCount;
    std::array<std::wstring, kSeverityCount> manyCount;
    std::wstring caption;  // the dialog's
    std::wstring noProblems;
    std::wstring severityColumn;
    std::wstring whereColumn;
    std::wstring findingColumn;
    std::wstring moreNames;  // "%d more"
};

// "No problems found.", or the counts that are not zero, singular where one:
// "2 errors, 1 warning, 3 notes".
std::wstring CheckSummary(const FindingList& findings, const CheckTexts& texts);

// A row of the findings list: severity, where, finding.
struct CheckRow {
    std::wstring severity;
    std::wstring where;
    std::wstring finding;
};
std::vector<CheckRow> CheckRows(const FindingList& findings, const CheckTexts& texts);

// Column identifiers, kept in each header item's data.
constexpr int kCheckSeverityColumn = 1;
constexpr int kCheckWhereColumn = 2;
constexpr int kCheckFindingColumn = 3;
// Severity and where at fixed widths; the finding takes the rest (never less than 0).
std::vector<ListColumn> CheckListColumns(int listClientWidth, const CheckTexts& texts);

// Names joined with ", "; beyond kNamesShown the rest is counted ("A, B, C, 4 more"), so
// a finding about thousands of records stays one readable line.
inline constexpr size_t kNamesShown = 5;
std::wstring NameList(const std::vector<std::wstring>& names, const CheckTexts& texts);

// Names and paths as Windows compares them, for grouping: trimmed, letter case aside.
std::wstring FoldedKey(const std::wstring& text);

// The positions 0 to count - 1 grouped by their key, each group in list order and the groups
// in the order of their first position; keyOf(position, &key) answers false to leave a
// position out. Grouping by key keeps the work linear where comparing pairs would not be.
template <typename KeyOf>
std::vector<std::vector<int>> GroupByKey(size_t count, KeyOf keyOf) {
    std::vector<std::vector<int>> groups;
    std::unordered_map<std::wstring, size_t> groupOfKey;
    std::wstring key;
    for (size_t i = 0; i < count; ++i) {
        if (!keyOf(i, &key)) {
            continue;
        }
        const auto inserted = groupOfKey.emplace(key, groups.size());
        if (inserted.second) {
            groups.emplace_back();
        }
        groups[inserted.first->second].push_back(static_cast<int>(i));
    }
    return groups;
}

namespace detail {
template <typename T>
const T* RecordPointer(T* record) {
    return record;
}
template <typename T>
const T* RecordPointer(const T& record) {
    return &record;
}
}  // namespace detail

// The groups of two or more records whose texts are equal, trimmed and letter case aside;
// null records are passed over. Records is a list of records or of pointers to them.
template <typename Records, typename TextOf>
std::vector<std::vector<int>> Twins(const Records& records, TextOf textOf) {
    auto groups = GroupByKey(records.size(), [&](size_t i, std::wstring* key) {
        const auto* record = detail::RecordPointer(records[i]);
        if (!record) {
            return false;
        }
        *key = FoldedKey(textOf(*record));
        return true;
    });
    groups.erase(std::remove_if(groups.begin(), groups.end(),
                                [](const std::vector<int>& group) { return group.size() < 2; }),
                 groups.end());
    return groups;
}

// The check's common texts stand in each program's string table at consecutive
// identifiers, in this order, from the caption on.
namespace check_text {
enum Offset : int {
    Caption,
    SeverityColumn,
    WhereColumn,
    FindingColumn,
    Error,
    Warning,
    Note,
    NoProblems,
    OneError,
    Errors,
    OneWarning,
    Warnings,
    OneNote,
    Notes,
    MoreNames,
};
}  // namespace check_text
CheckTexts LoadCheckTexts(std::wstring (*text)(int id), int captionId);

// Makes the findings of one program from its table of kinds (indexed by kind) and its
// string table.
class FindingMaker {
  public:
    using TextOf = std::wstring (*)(int id);
    template <size_t N>
    FindingMaker(const FindingKind (&kinds)[N], TextOf text, CheckTexts texts)
        : kinds_(kinds), kindCount_(N), text_(text), texts_(std::move(texts)) {}

    // The finding of the kind, its sentence formatted with the arguments.
    Finding Make(int kind, std::wstring where, std::initializer_list<FormatArg> args,
                 std::vector<RecordRef> records) const;
    std::wstring Names(const std::vector<std::wstring>& names) const {
        return NameList(names, texts_);
    }
    std::wstring Text(int id) const { return text_(id); }
    const CheckTexts& Texts() const { return texts_; }

  private:
    const FindingKind* kinds_;
    size_t kindCount_;
    TextOf text_;
    CheckTexts texts_;
};

}  // namespace core
