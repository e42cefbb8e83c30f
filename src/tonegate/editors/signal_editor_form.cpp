#include "tonegate/editors/signal_editor_form.h"

#include <algorithm>
#include <utility>

#include "shared/format.h"
#include "shared/reg_values.h"
#include "shared/text.h"
#include "shared/utilities.h"
#include "tonegate/editors/typing_filters.h"
#include "tonegate/model/tonegate_strings.h"
#include "tonegate/signal_editor_ids.h"

namespace tonegate {

namespace {

using Checked = core::Checked<CDTMFTaskInfo>;

bool ValidPosition(int position, size_t count) {
    return position >= 0 && static_cast<size_t>(position) < count;
}

int PositionOf(const core::StringList& texts, const std::wstring& text) {
    for (size_t i = 0; i < texts.size(); ++i) {
        if (core::EqualsNoCase(texts[i], text)) {
            return static_cast<int>(i);
        }
    }
    return texts.empty() ? -1 : 0;
}

int InitialAction(const core::ActionList& actions, const core::CActionInfo& action) {
    for (size_t i = 0; i < actions.size(); ++i) {
        if (core::EqualsNoCase(actions[i].Name, action.Name)) {
            return static_cast<int>(i);
        }
    }
    return actions.empty() ? -1 : 0;
}

int InitialChannel(int32_t analysisType) {
    const core::StringList& channels = ChannelChoices();
    for (size_t i = 0; i < channels.size(); ++i) {
        if (AnalysisTypeOf(channels[i]) == analysisType) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

bool NameTaken(const std::wstring& name, const std::vector<std::wstring>& otherNames) {
    return std::any_of(otherNames.begin(), otherNames.end(), [&name](const std::wstring& other) {
        return core::EqualsNoCase(other, name);
    });
}

core::BoxMessage Box(std::wstring text, std::wstring caption, unsigned icon) {
    return core::BoxMessage{std::move(text), std::move(caption), core::kMbOk | icon};
}

}  // namespace

core::StringList DeviceChoices(const SignalEditorSources& sources) {
    core::StringList names;
    core::BuildInputNames(sources.boards, &names);
    return names;
}

const core::StringList& ChannelChoices() {
    static const core::StringList channels = {L"left", L"right", L"stereo", L"stereo inverse"};
    return channels;
}

int32_t AnalysisTypeOf(const std::wstring& channel) {
    const core::StringList& channels = ChannelChoices();
    const auto found = std::find(channels.begin(), channels.end(), channel);
    return found == channels.end() ? 0 : static_cast<int32_t>(found - channels.begin());
}

SignalEditorOpening OpeningForm(const CDTMFTaskInfo& signal, const SignalEditorSources& sources) {
    SignalEditorOpening opening;
    SignalEditorForm& form = opening.form;
    form.name = signal.Name;
    form.comment = signal.Comment;

    // Putting a text into an edit runs its filter as typing does.
    FilteredEdit symbols = FilterSymbols(EditText{signal.Symbols, signal.Symbols.size()});
    form.symbols = symbols.edit.text;
    opening.messages = std::move(symbols.messages);
    const std::array<const std::wstring*, kTimingFieldCount> stored = {
        &signal.SymbolDuration, &signal.GapDuration, &signal.Deviation, &signal.Delay};
    for (TimingField field : kTimingFields) {
        const std::wstring& text = *stored[static_cast<size_t>(field)];
        form[field] = FilterDigits(EditText{text, text.size()}).edit.text;
    }

    form.device = PositionOf(DeviceChoices(sources), signal.DeviceName);
    if (sources.requireOfferedDevice && form.device >= 0 &&
        !core::EqualsNoCase(DeviceChoices(sources)[static_cast<size_t>(form.device)],
                            signal.DeviceName)) {
        form.device = -1;
    }
    form.action = InitialAction(sources.actions, signal.Action);
    form.channel = InitialChannel(signal.AnalysisType);
    return opening;
}

bool CommentEnabled(const SignalEditorForm& form, const SignalEditorSources& sources) {
    return ValidPosition(form.action, sources.actions.size()) &&
           sources.actions[static_cast<size_t>(form.action)].CommentAllowed != 0;
}

Checked CheckSignal(SignalEditorForm& form, const CDTMFTaskInfo& signal,
                    const SignalEditorSources& sources) {
    // Every name refusal has the caption of the Add editor, whichever editor is open.
    const std::wstring nameCaption = TonegateText(IDS_ADD_SIGNAL_TITLE);
    form.name = core::Trim(form.name);
    if (form.name.empty()) {
        return Checked::Refuse(
            Box(TonegateText(IDS_SIGNAL_NAME_EMPTY), nameCaption, core::kMbIconWarning),
            IDC_SIGNAL_NAME);
    }
    // A "|" or a line break would end the signal's record in the playout event tables
    // early: after the next start the signal would come back without action and comment.
    if (form.name.find(L'|') != std::wstring::npos) {
        return Checked::Refuse(
            Box(TonegateText(IDS_SIGNAL_NAME_HAS_BAR), sources.title, core::kMbIconError),
            IDC_SIGNAL_NAME);
    }
    std::wstring name = form.name;
    if (!core::StartsWith(kToolPrefix, name)) {
        name = core::Format(L"%s%s", kToolPrefix, name);
    }
    if (!core::ReadsBackWhole(name)) {
        return Checked::Refuse(Box(core::Format(TonegateText(IDS_SIGNAL_NAME_TOO_LONG),
                                                static_cast<int>(core::kRegStringLongestChars)),
                                   sources.title, core::kMbIconError),
                               IDC_SIGNAL_NAME);
    }
    if (NameTaken(name, sources.otherNames)) {
        return Checked::Refuse(Box(core::Format(TonegateText(IDS_SIGNAL_NAME_EXISTS), name),
                                   nameCaption, core::kMbIconWarning),
                               IDC_SIGNAL_NAME);
    }
    if (form.comment.find_first_of(L"\r\n") != std::wstring::npos) {
        return Checked::Refuse(
            Box(TonegateText(IDS_COMMENT_HAS_LINE_BREAK), sources.title, core::kMbIconError),
            IDC_SIGNAL_COMMENT);
    }
    const core::StringList devices = DeviceChoices(sources);
    if (sources.requireOfferedDevice && !devices.empty() &&
        !ValidPosition(form.device, devices.size())) {
        return Checked::Refuse(
            Box(core::Format(TonegateText(IDS_CHOOSE_OFFERED_DEVICE), signal.DeviceName),
                sources.title, core::kMbIconError),
            IDC_SIGNAL_DEVICE);
    }
    // The store drops a signal whose symbols are empty at the next start, without a word.
    if (form.symbols.empty()) {
        return Checked::Refuse(Box(TonegateText(IDS_INVALID_SYMBOL),
                                   TonegateText(IDS_CHECK_SYMBOLS_CAPTION), core::kMbIconWarning),
                               IDC_SIGNAL_SYMBOLS);
    }

    // A timing confirmed with Enter never lost the focus: it is clamped here, the
    // deviation as well, since an empty or out-of-range one would be stored as it stands.
    for (TimingField field : kTimingFields) {
        form[field] = ClampTiming(field, form[field]);
    }

    CDTMFTaskInfo result = signal;
    result.Name = name;
    if (ValidPosition(form.action, sources.actions.size())) {
        result.Action = sources.actions[static_cast<size_t>(form.action)];
    }
    if (ValidPosition(form.device, devices.size())) {
        result.DeviceName = devices[static_cast<size_t>(form.device)];
    }
    result.Comment = form.comment;
    result.Symbols = form.symbols;
    result.SymbolDuration = form[TimingField::SymbolDuration];
    result.GapDuration = form[TimingField::GapDuration];
    result.Deviation = form[TimingField::Deviation];
    result.AnalysisType = ValidPosition(form.channel, ChannelChoices().size())
                              ? AnalysisTypeOf(ChannelChoices()[static_cast<size_t>(form.channel)])
                              : 0;
    result.Delay = form[TimingField::Delay];
    return Checked::Accept(std::move(result));
}

}  // namespace tonegate
