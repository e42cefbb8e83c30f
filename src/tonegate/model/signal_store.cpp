#include "tonegate/model/signal_store.h"

#include <iterator>

#include "shared/format.h"
#include "shared/record_count.h"
#include "shared/reg_values.h"
#include "shared/text.h"
#include "shared/utilities.h"

namespace tonegate {

namespace {

using core::RegAccess;
using core::RegRoot;
using core::ScopedRegKey;

struct TextValue {
    const wchar_t* name;
    std::wstring CDTMFTaskInfo::*field;
};

// The text values a signal needs, in the order the loader reads them; an empty one
// makes the signal unusable. "Name" comes first and is read on its own.
constexpr TextValue kRequiredAfterName[] = {
    {L"DeviceName", &CDTMFTaskInfo::DeviceName},
    {L"Deviation", &CDTMFTaskInfo::Deviation},
    {L"GapDuration", &CDTMFTaskInfo::GapDuration},
    {L"SymbolDuration", &CDTMFTaskInfo::SymbolDuration},
    {L"Delay", &CDTMFTaskInfo::Delay},
    {L"Symbols", &CDTMFTaskInfo::Symbols},
};

// The text values in the order the plug-in's own tools have always written them.
constexpr TextValue kWrittenInOrder[] = {
    {L"Name", &CDTMFTaskInfo::Name},
    {L"DeviceName", &CDTMFTaskInfo::DeviceName},
    {L"Symbols", &CDTMFTaskInfo::Symbols},
    {L"SymbolDuration", &CDTMFTaskInfo::SymbolDuration},
    {L"GapDuration", &CDTMFTaskInfo::GapDuration},
    {L"Deviation", &CDTMFTaskInfo::Deviation},
    {L"Delay", &CDTMFTaskInfo::Delay},
};

constexpr const wchar_t* kAnalysisTexts[] = {L"LEFT", L"RIGHT", L"SUM", L"DIFF"};

}  // namespace

std::wstring SignalStoreKeyPath() {
    return core::Format(L"%s%s", kPluginsKey, kSignalStoreSubkey);
}

std::wstring SignalKeyPath(int32_t position) {
    // Put together rather than formatted: a save names thousands of signal keys.
    return std::wstring(kPluginsKey) + kSignalStoreSubkey + L'\\' + std::to_wstring(position);
}

const wchar_t* AnalysisTypeText(int32_t analysisType) {
    if (analysisType < 0 || analysisType >= static_cast<int32_t>(std::size(kAnalysisTexts))) {
        return kAnalysisTexts[kAnalysisRight];
    }
    return kAnalysisTexts[analysisType];
}

int32_t AnalysisTypeFromText(const std::wstring& text) {
    for (int32_t value = 0; value < static_cast<int32_t>(std::size(kAnalysisTexts)); ++value) {
        if (text == kAnalysisTexts[value]) {
            return value;
        }
    }
    return kAnalysisRight;
}

int32_t ReadSignalCount(core::RegistryPort& registry) {
    ScopedRegKey key(registry);
    if (!key.Open(RegRoot::LocalMachine, SignalStoreKeyPath(), RegAccess::Read)) {
        return 0;
    }
    return core::ReadRegLong(key, L"TriggersCount", 0);
}

bool LoadSignal(core::RegistryPort& registry, int32_t position, CDTMFTaskInfo* signal) {
    ScopedRegKey key(registry);
    if (!key.Open(RegRoot::LocalMachine, SignalKeyPath(position), RegAccess::Read)) {
        return false;
    }
    // Trimmed, as the event tables keep names: a stored name with blanks at either end
    // still matches its event (and its action and comment).
    signal->LoadedName = core::ReadRegString(key, L"Name");
    signal->Name = core::Trim(signal->LoadedName);
    if (signal->Name.empty()) {
        return false;
    }
    for (const TextValue& value : kRequiredAfterName) {
        signal->*value.field = core::ReadRegString(key, value.name);
        if ((signal->*value.field).empty()) {
            return false;
        }
    }
    signal->AnalysisType = AnalysisTypeFromText(core::ReadRegString(key, L"AnalysisType"));
    return true;
}

void LoadSignals(core::RegistryPort& registry, SignalList* signals) {
    // Missing positions are skipped anyway; the bound only spares a huge count from
    // trying keys that do not exist.
    const int32_t count = core::RecordPositionsToRead(
        registry, RegRoot::LocalMachine, SignalStoreKeyPath(), L"", ReadSignalCount(registry));
    for (int32_t position = 0; position < count; ++position) {
        auto signal = std::make_unique<CDTMFTaskInfo>();
        if (LoadSignal(registry, position, signal.get()) &&
            core::StartsWith(kToolPrefix, signal->Name)) {
            signals->push_back(std::move(signal));
        }
    }
}

bool SaveSignals(core::RegistryPort& registry, const SignalRefs& signals) {
    bool ok = true;
    {
        ScopedRegKey store(registry);
        if (!store.OpenOrCreate(RegRoot::LocalMachine, SignalStoreKeyPath())) {
            return false;
        }
        ok &= core::WriteRegInt(store, L"TriggersCount", static_cast<int32_t>(signals.size()));
    }
    for (size_t n = 0; n < signals.size(); ++n) {
        const CDTMFTaskInfo* signal = signals[n];
        ScopedRegKey key(registry);
        if (!signal ||
            !key.OpenOrCreate(RegRoot::LocalMachine, SignalKeyPath(static_cast<int32_t>(n)))) {
            ok = false;
            continue;
        }
        for (const TextValue& value : kWrittenInOrder) {
            ok &= core::WriteRegString(key, value.name, signal->*value.field);
        }
        ok &= core::WriteRegString(key, L"AnalysisType", AnalysisTypeText(signal->AnalysisType));
    }
    return ok;
}

bool SaveSignals(core::RegistryPort& registry, const SignalList& signals) {
    SignalRefs refs;
    refs.reserve(signals.size());
    for (const auto& signal : signals) {
        refs.push_back(signal.get());
    }
    return SaveSignals(registry, refs);
}

}  // namespace tonegate
