// Helpers shared by the event table tests: seeding playout instances into an in-memory
// registry and comparing event records field by field.
#pragma once

#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "shared/event_table.h"
#include "shared/inmemory/memory_registry.h"

namespace core {
namespace testing_events {

// The stored fields of a record (the attached action is not stored).
using RecordFields = std::tuple<int32_t, int32_t, int32_t, std::wstring, std::wstring>;

// A record that did not parse: its text in the comment's place, the numbers -1.
inline RecordFields UnparsedFields(const std::wstring& text) {
    return RecordFields(-1, -1, -1, L"", text);
}

inline RecordFields FieldsOf(const GpiEventRecord& event) {
    if (!event.Unparsed.empty()) {
        return UnparsedFields(event.Unparsed);
    }
    return RecordFields(event.ActionCode, event.Second, event.Third, event.Name, event.Comment);
}

inline std::vector<RecordFields> FieldsOf(const GpiEventList& events) {
    std::vector<RecordFields> out;
    for (const auto& event : events) {
        out.push_back(FieldsOf(event));
    }
    return out;
}

inline GpiEventRecord Record(int32_t code, int32_t second, int32_t third, const std::wstring& name,
                             const std::wstring& comment) {
    GpiEventRecord event;
    event.ActionCode = code;
    event.Second = second;
    event.Third = third;
    event.Name = name;
    event.Comment = comment;
    return event;
}

inline std::vector<RecordFields> Parsed(const std::wstring& text) {
    GpiEventList events;
    ParseGpiEvents(text, &events);
    return FieldsOf(events);
}

inline void SeedInstance(MemoryRegistry& registry, const std::wstring& name,
                         const std::wstring& audioDevice, const std::wstring& table) {
    std::wstring path = InstanceSettingsPath(name);
    registry.PutString(RegRoot::CurrentUser, path, kAudioDeviceValue, audioDevice);
    registry.PutString(RegRoot::CurrentUser, path, kGpiEventsValue, table);
}

inline std::wstring StoredTableOf(const MemoryRegistry& registry, const std::wstring& name) {
    return registry.GetString(RegRoot::CurrentUser, InstanceSettingsPath(name), kGpiEventsValue);
}

}  // namespace testing_events
}  // namespace core
