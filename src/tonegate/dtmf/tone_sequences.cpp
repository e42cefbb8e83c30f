#include "tonegate/dtmf/tone_sequences.h"

#include <algorithm>
#include <cmath>
#include <cwctype>

#include "shared/format.h"
#include "shared/reg_values.h"
#include "tonegate/core/signal_description.h"
#include "tonegate/editors/timing_fields.h"
#include "tonegate/editors/typing_filters.h"
#include "tonegate/model/tonegate_strings.h"

namespace tonegate::dtmf {

namespace {

constexpr double kShortestPauseLimit = 0.250;
constexpr double kPauseLimitMargin = 0.020;

int64_t RoundMs(double seconds) {
    return static_cast<int64_t>(std::floor(seconds * 1000 + 0.5));
}

// A signal's timing as the editor would leave it: digits only, then clamped.
int32_t TimingOf(const std::wstring& text, TimingField field) {
    const std::wstring digits = FilterDigits(EditText{text, text.size()}).edit.text;
    return core::ParseLeadingInt(ClampTiming(field, digits));
}

int ViewRank(ChannelView view) {
    return static_cast<int>(view);
}

bool Hears(int32_t analysisType, ChannelView view) {
    const int32_t type = analysisType >= kAnalysisLeft && analysisType <= kAnalysisDiff
                             ? analysisType
                             : kAnalysisLeft;
    switch (view) {
        case ChannelView::Left:
            return type == kAnalysisLeft;
        case ChannelView::Right:
            return type == kAnalysisRight;
        case ChannelView::Sum:
            return type == kAnalysisSum;
        case ChannelView::Difference:
            return type == kAnalysisDiff;
        case ChannelView::Mono:
            return type != kAnalysisDiff;
    }
    return false;
}

std::wstring Upper(std::wstring text) {
    for (wchar_t& c : text) {
        c = static_cast<wchar_t>(std::towupper(c));
    }
    return text;
}

std::wstring JoinMs(const std::vector<int64_t>& values, const std::vector<bool>* cut) {
    std::wstring text;
    for (size_t i = 0; i < values.size(); ++i) {
        text += i == 0 ? L"" : L" ";
        text += cut && (*cut)[i] ? L"\u2265" : L"";
        text += core::Format(L"%d", static_cast<long long>(values[i]));
    }
    return text;
}

}  // namespace

double SequencePauseLimit(const SignalRefs& signals) {
    double limit = kShortestPauseLimit;
    for (const CDTMFTaskInfo* signal : signals) {
        const int32_t longest = TimingOf(signal->GapDuration, TimingField::GapDuration) +
                                TimingOf(signal->Deviation, TimingField::Deviation);
        limit = std::max(limit, longest / 1000.0 + kPauseLimitMargin);
    }
    return limit;
}

std::vector<std::vector<DetectedTone>> GroupSequences(const std::vector<DetectedTone>& tones,
                                                      double pauseLimit) {
    std::vector<DetectedTone> ordered = tones;
    std::stable_sort(
        ordered.begin(), ordered.end(), [](const DetectedTone& a, const DetectedTone& b) {
            return ViewRank(a.view) != ViewRank(b.view) ? ViewRank(a.view) < ViewRank(b.view)
                                                        : a.start < b.start;
        });
    std::vector<std::vector<DetectedTone>> sequences;
    for (const DetectedTone& tone : ordered) {
        if (sequences.empty() || sequences.back().back().view != tone.view ||
            tone.start - sequences.back().back().end > pauseLimit) {
            sequences.emplace_back();
        }
        sequences.back().push_back(tone);
    }
    return sequences;
}

std::vector<RecordingRow> RecordingRows(const std::vector<std::vector<DetectedTone>>& sequences,
                                        const SignalRefs& signals) {
    std::vector<RecordingRow> rows;
    for (const std::vector<DetectedTone>& tones : sequences) {
        if (tones.empty()) {
            continue;
        }
        RecordingRow row;
        row.view = tones.front().view;
        row.startMs = RoundMs(tones.front().start);
        row.endMs = RoundMs(tones.back().end);
        row.levelDb = tones.front().levelDb;
        for (size_t i = 0; i < tones.size(); ++i) {
            row.symbols += tones[i].symbol;
            row.toneMs.push_back(RoundMs(tones[i].end - tones[i].start));
            row.toneCut.push_back(tones[i].cutAtStart || tones[i].cutAtEnd);
            row.levelDb = std::min(row.levelDb, tones[i].levelDb);
            if (i > 0) {
                row.pauseMs.push_back(RoundMs(tones[i].start - tones[i - 1].end));
            }
        }
        rows.push_back(row);
    }
    std::stable_sort(rows.begin(), rows.end(), [](const RecordingRow& a, const RecordingRow& b) {
        return a.startMs != b.startMs ? a.startMs < b.startMs : ViewRank(a.view) < ViewRank(b.view);
    });
    ComputeFires(signals, &rows);
    return rows;
}

bool Fires(const CDTMFTaskInfo& signal, const RecordingRow& row) {
    if (!Hears(signal.AnalysisType, row.view) || Upper(signal.Symbols) != row.symbols) {
        return false;
    }
    const int64_t symbol = TimingOf(signal.SymbolDuration, TimingField::SymbolDuration);
    const int64_t gap = TimingOf(signal.GapDuration, TimingField::GapDuration);
    const int64_t deviation = TimingOf(signal.Deviation, TimingField::Deviation);
    for (size_t i = 0; i < row.toneMs.size(); ++i) {
        if (!row.toneCut[i] && std::llabs(row.toneMs[i] - symbol) > deviation) {
            return false;
        }
    }
    for (int64_t pause : row.pauseMs) {
        if (std::llabs(pause - gap) > deviation) {
            return false;
        }
    }
    return true;
}

void ComputeFires(const SignalRefs& signals, std::vector<RecordingRow>* rows) {
    for (RecordingRow& row : *rows) {
        row.fires.clear();
        for (const CDTMFTaskInfo* signal : signals) {
            if (Fires(*signal, row)) {
                row.fires += row.fires.empty() ? L"" : L", ";
                row.fires += signal->Name + L" (" + signal->DeviceName + L")";
            }
        }
    }
}

std::wstring ClockText(int64_t milliseconds) {
    const long long ms = static_cast<long long>(std::max<int64_t>(0, milliseconds));
    return core::Format(L"%d:%02d:%02d.%03d", ms / 3600000, ms / 60000 % 60, ms / 1000 % 60,
                        ms % 1000);
}

std::wstring ViewName(ChannelView view) {
    switch (view) {
        case ChannelView::Left:
            return ChannelName(kAnalysisLeft);
        case ChannelView::Right:
            return ChannelName(kAnalysisRight);
        case ChannelView::Sum:
            return ChannelName(kAnalysisSum);
        case ChannelView::Difference:
            return ChannelName(kAnalysisDiff);
        case ChannelView::Mono:
            break;
    }
    return TonegateText(IDS_RECORDING_MONO);
}

std::wstring ColumnTitle(RecordingColumn column) {
    return TonegateText(IDS_RECORDING_COLUMN_TIME + static_cast<int>(column));
}

std::wstring ColumnText(const RecordingRow& row, RecordingColumn column) {
    switch (column) {
        case RecordingColumn::Time:
            return ClockText(row.startMs);
        case RecordingColumn::Channel:
            return ViewName(row.view);
        case RecordingColumn::Symbols:
            return row.symbols;
        case RecordingColumn::Tones:
            return JoinMs(row.toneMs, &row.toneCut);
        case RecordingColumn::Pauses:
            return JoinMs(row.pauseMs, nullptr);
        case RecordingColumn::Fires:
            return row.fires;
        case RecordingColumn::Level:
            return core::Format(L"%.1f", row.levelDb);
    }
    return std::wstring();
}

std::wstring SummaryText(const std::vector<RecordingRow>& rows, double lengthSeconds,
                         bool unfinished) {
    // Rows whose spans overlap are one sequence heard in several views.
    int sequences = 0;
    int firing = 0;
    int64_t clusterEnd = -1;
    bool clusterFires = false;
    for (const RecordingRow& row : rows) {
        if (sequences == 0 || row.startMs > clusterEnd) {
            firing += clusterFires ? 1 : 0;
            ++sequences;
            clusterFires = false;
        }
        clusterEnd = std::max(clusterEnd, row.endMs);
        clusterFires = clusterFires || !row.fires.empty();
    }
    firing += clusterFires ? 1 : 0;
    std::wstring text = core::Format(TonegateText(IDS_RECORDING_SUMMARY),
                                     ClockText(RoundMs(lengthSeconds)), sequences, firing);
    return unfinished ? text + TonegateText(IDS_RECORDING_UNFINISHED) : text;
}

std::wstring CopyText(const std::vector<RecordingRow>& rows, const std::vector<size_t>& selected) {
    std::wstring text;
    for (RecordingColumn column : kRecordingColumns) {
        text += (column == RecordingColumn::Time ? L"" : L"\t") + ColumnTitle(column);
    }
    text += L"\r\n";
    for (size_t index : selected) {
        if (index >= rows.size()) {
            continue;
        }
        for (RecordingColumn column : kRecordingColumns) {
            text +=
                (column == RecordingColumn::Time ? L"" : L"\t") + ColumnText(rows[index], column);
        }
        text += L"\r\n";
    }
    return text;
}

}  // namespace tonegate::dtmf
