// The playout program's GPI event tables: one per playout instance, kept under
// HKEY_CURRENT_USER in "Software\Brenmark\Halvex\Skyvant\<instance>\Settings" as the
// "GPIEvents" text. Both tools register their detections there as events whose names
// begin with the tool's prefix, and keep every event of other owners as it was.
//
// This file holds what both tools share: reading, parsing, formatting and writing the
// tables, and the split into the tool's own and foreign events. Each tool matches its
// detections with the events and rebuilds the tables its own way.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "action_info.h"
#include "registry_port.h"

namespace core {

constexpr const wchar_t* kPlayoutKey = L"Software\\Brenmark\\Halvex\\Skyvant";
constexpr const wchar_t* kPlayoutSettingsSubkey = L"\\Settings";
constexpr const wchar_t* kAudioDeviceValue = L"AudioDevice";
constexpr const wchar_t* kGpiEventsValue = L"GPIEvents";
// Subkey names are read through a buffer of this many characters.
constexpr size_t kInstanceNameBufferChars = 260;

// The numbers the tools write into their own events.
constexpr int32_t kOwnEventSecond = 0;
constexpr int32_t kOwnEventThird = 500;

struct GpiEventRecord {
    int32_t ActionCode = 0;  // what the playout program does (101 = "Wait command")
    int32_t Second = 0;      // preserved for foreign events; 0 for the tool's own
    int32_t Third = 500;     // preserved for foreign events; 500 for the tool's own
    std::wstring Name;
    std::wstring Comment;
    CActionInfo Action;  // Cuebell: the action whose Code is ActionCode; never stored
    // A record that does not read as an event: its text as it stands (without the white
    // space before its line feed), written back so. It has no name, so it is always
    // another owner's.
    std::wstring Unparsed;
};

using GpiEventList = std::vector<GpiEventRecord>;

// How far loading got with an instance's stored table. Saving replaces a table only
// when it knows what it replaces, so that no other owner's events are lost.
enum class StoredTable {
    NotOpened,   // the settings key could not be opened (missing, or refused)
    Read,        // "GPIEvents" was read, or is absent
    Unreadable,  // "GPIEvents" holds data that does not read as text: left as it is
};

struct PlayoutInstance {
    std::wstring Name;  // the subkey name
    // Board number from "AudioDevice": 0 until the settings are read, 1 when the value
    // gives no number.
    int32_t Board = 0;
    GpiEventList Events;         // as read; later as rebuilt for saving
    GpiEventList ForeignEvents;  // copies of the events without the tool prefix
    StoredTable Stored = StoredTable::NotOpened;
    // "AudioDevice" is missing or names no board (no trailing number, or 0): Board is 1
    // by default, not by the instance's own word.
    bool BoardByDefault = false;
    int32_t UnparsedRecords = 0;  // records of the stored table that did not parse at load
};

using PlayoutInstanceList = std::vector<PlayoutInstance>;

// The settings key path of an instance, below HKEY_CURRENT_USER.
std::wstring InstanceSettingsPath(const std::wstring& instanceName);

// The board number an "AudioDevice" text names: its trailing decimal digits; 1 when
// there are none or they read as 0.
int32_t BoardOfAudioDevice(const std::wstring& audioDevice);
// True when the text ends in a board number of its own (digits that do not read as 0).
bool AudioDeviceNamesBoard(const std::wstring& audioDevice);

// Reads the records of a "GPIEvents" text into events (cleared first). A record with a
// missing number ends at the next line feed; it is kept as Unparsed text, so that a
// rewrite carries it through, and counted in *dropped when given.
void ParseGpiEvents(const std::wstring& text, GpiEventList* events, int32_t* dropped = nullptr);

// The "GPIEvents" text of the events: "%d %d %d %s", "|", comment, line feed per
// record (an unparsed record's text as it stands), with no line feed at the end. Every
// record reads back as exactly one.
std::wstring FormatGpiEvents(const GpiEventList& events);
std::wstring FormatGpiEvents(const PlayoutInstance& instance);

// One instance per subkey of the playout key, in enumeration order (list cleared first).
void LoadPlayoutInstances(RegistryPort& registry, PlayoutInstanceList* instances);
// Board and events of every instance from its settings key.
void LoadPlayoutSettings(RegistryPort& registry, PlayoutInstanceList* instances);

// Copies every event whose name does not begin with the prefix (case-sensitive) into
// the instance's ForeignEvents (cleared first); Events keep them too.
void SplitForeignEvents(PlayoutInstanceList* instances, const std::wstring& toolPrefix);

// Position of the first event with exactly this name; -1 when there is none.
int FindEventByName(const PlayoutInstance& instance, const std::wstring& name);

// Writes every instance's Events as its "GPIEvents", creating a missing settings key.
// A table that could not be read at load is left as it is. True when every table was
// written.
bool SavePlayoutSettings(RegistryPort& registry, const PlayoutInstanceList& instances);

}  // namespace core
