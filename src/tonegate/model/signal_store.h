// Tonegate's signal store in the registry (HKEY_LOCAL_MACHINE), which the DTMF
// detection plug-in reads: "TriggersCount" in "SOFTWARE\Quorvane\Sigvault\DTMF" and
// one subkey per signal, named by its bare position ("\0", "\1", ...). Every value
// is REG_SZ text. Actions and comments live in the playout event tables instead.
#pragma once

#include <cstdint>
#include <string>

#include "shared/registry_port.h"
#include "tonegate/model/signal_records.h"

namespace tonegate {

constexpr const wchar_t* kPluginsKey = L"SOFTWARE\\Quorvane\\Sigvault";
constexpr const wchar_t* kSignalStoreSubkey = L"\\DTMF";

std::wstring SignalStoreKeyPath();
std::wstring SignalKeyPath(int32_t position);

// "LEFT", "RIGHT", "SUM" or "DIFF"; any other value is written as "RIGHT".
const wchar_t* AnalysisTypeText(int32_t analysisType);
// The exact (case-sensitive) texts above; anything else, missing included, is
// kAnalysisRight.
int32_t AnalysisTypeFromText(const std::wstring& text);

// The stored "TriggersCount" as a number; 0 when the key or the value is missing
// or holds no number.
int32_t ReadSignalCount(core::RegistryPort& registry);
// Reads the signal at the position into a record that holds its defaults; the name is
// trimmed of white space at both ends. False when the key is missing or one of its text
// values reads as empty (a name of blanks too); the record then holds what was read so
// far and is to be dropped.
bool LoadSignal(core::RegistryPort& registry, int32_t position, CDTMFTaskInfo* signal);
// Appends, in position order, every stored signal that loads and is named with the
// tool prefix; the others are dropped without a word.
void LoadSignals(core::RegistryPort& registry, SignalList* signals);

// Writes "TriggersCount" and every signal at its position, opening each key or
// creating it when missing. A signal whose key can be neither opened nor created is
// skipped (its values never go to another signal's key). True only when every key
// could be opened and every value written; nothing is written when the store key
// itself is out of reach. Keys beyond the list are left as they are: the count
// bounds reading.
bool SaveSignals(core::RegistryPort& registry, const SignalRefs& signals);
bool SaveSignals(core::RegistryPort& registry, const SignalList& signals);

}  // namespace tonegate
