#include "shared/config_check.h"

#include <algorithm>

#include "shared/format.h"
#include "shared/text.h"

namespace core {

namespace {

constexpr int kSeverityColumnWidth = 70;
constexpr int kWhereColumnWidth = 220;

size_t IndexOf(Severity severity) {
    return static_cast<size_t>(severity);
}

}  // namespace

void SortFindings(FindingList* findings) {
    std::stable_sort(findings->begin(), findings->end(), [](const Finding& a, const Finding& b) {
        if (a.severity != b.severity) {
            return a.severity < b.severity;
        }
        return a.kind < b.kind;
    });
}

std::wstring CheckSummary(const FindingList& findings, const CheckTexts& texts) {
    std::array<int, kSeverityCount> counts{};
    for (const Finding& finding : findings) {
        ++counts[IndexOf(finding.severity)];
    }
    std::wstring summary;
    for (size_t s = 0; s < kSeverityCount; ++s) {
        if (counts[s] == 0) {
            continue;
        }
        if (!summary.empty()) {
            summary += L", ";
        }
        summary += Format(counts[s] == 1 ? texts.oneCount[s] : texts.manyCount[s], counts[s]);
    }
    return summary.empty() ? texts.noProblems : summary;
}

std::vector<CheckRow> CheckRows(const FindingList& findings, const CheckTexts& texts) {
    std::vector<CheckRow> rows;
    rows.reserve(findings.size());
    for (const Finding& finding : findings) {
        rows.push_back(CheckRow{texts.severityNames[IndexOf(finding.severity)], finding.where,
                                finding.sentence});
    }
    return rows;
}

std::vector<ListColumn> CheckListColumns(int listClientWidth, const CheckTexts& texts) {
    const int rest = std::max(0, listClientWidth - kSeverityColumnWidth - kWhereColumnWidth);
    return {{kCheckSeverityColumn, texts.severityColumn, kSeverityColumnWidth},
            {kCheckWhereColumn, texts.whereColumn, kWhereColumnWidth},
            {kCheckFindingColumn, texts.findingColumn, rest}};
}

Finding FindingMaker::Make(int kind, std::wstring where, std::initializer_list<FormatArg> args,
                           std::vector<RecordRef> records) const {
    Finding finding;
    finding.kind = kind;
    if (kind >= 0 && static_cast<size_t>(kind) < kindCount_) {
        finding.severity = kinds_[kind].severity;
        finding.sentence = FormatText(text_(kinds_[kind].sentenceId), args);
    }
    finding.where = std::move(where);
    finding.records = std::move(records);
    return finding;
}

CheckTexts LoadCheckTexts(std::wstring (*text)(int id), int captionId) {
    const auto at = [&](check_text::Offset offset) { return text(captionId + offset); };
    CheckTexts texts;
    texts.caption = at(check_text::Caption);
    texts.severityColumn = at(check_text::SeverityColumn);
    texts.whereColumn = at(check_text::WhereColumn);
    texts.findingColumn = at(check_text::FindingColumn);
    texts.severityNames = {at(check_text::Error), at(check_text::Warning), at(check_text::Note)};
    texts.noProblems = at(check_text::NoProblems);
    texts.oneCount = {at(check_text::OneError), at(check_text::OneWarning),
                      at(check_text::OneNote)};
    texts.manyCount = {at(check_text::Errors), at(check_text::Warnings), at(check_text::Notes)};
    texts.moreNames = at(check_text::MoreNames);
    return texts;
}

std::wstring FoldedKey(const std::wstring& text) {
    std::wstring folded = Trim(text);
    for (auto& c : folded) {
        c = FoldCase(c);
    }
    return folded;
}

std::wstring NameList(const std::vector<std::wstring>& names, const CheckTexts& texts) {
    std::wstring list;
    const size_t shown = std::min(names.size(), kNamesShown);
    for (size_t i = 0; i < shown; ++i) {
        if (i > 0) {
            list += L", ";
        }
        list += names[i];
    }
    if (names.size() > shown) {
        list += L", " + Format(texts.moreNames, static_cast<int>(names.size() - shown));
    }
    return list;
}

}  // namespace core
