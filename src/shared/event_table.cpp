#include "event_table.h"

#include <limits>

#include "format.h"
#include "reg_values.h"
#include "text.h"
#include "utilities.h"

namespace core {

namespace {

constexpr int64_t kMaxNumber = std::numeric_limits<int32_t>::max();

// Value of a run of decimal digits; a run beyond 32 bits gives the largest number, so
// that what is written back reads again as the same number.
class DigitAccumulator {
  public:
    void Add(wchar_t digit) {
        value_ = value_ * 10 + (digit - L'0');
        if (value_ > kMaxNumber) {
            value_ = kMaxNumber;
        }
    }
    int32_t Value() const { return static_cast<int32_t>(value_); }

  private:
    int64_t value_ = 0;
};

// Walks a "GPIEvents" text. The remaining text always runs to the end of the text
// without its trailing white space, which every reading step would trim anyway.
class EventTextReader {
  public:
    explicit EventTextReader(const std::wstring& text) : text_(text), end_(text.size()) {
        while (end_ > 0 && IsSpace(text_[end_ - 1])) {
            --end_;
        }
    }

    bool AtEnd() const { return pos_ >= end_; }
    size_t Pos() const { return pos_; }

    // The text from start to here, without the line feed it ends at.
    std::wstring TextFrom(size_t start) const {
        size_t stop = pos_;
        if (stop > start && text_[stop - 1] == L'\n') {
            --stop;
        }
        return text_.substr(start, stop - start);
    }

    void SkipSpace() {
        while (pos_ < end_ && IsSpace(text_[pos_])) {
            ++pos_;
        }
    }

    // A number: the leading digit run after white space; false (nothing consumed but
    // the white space) when the text does not begin with a digit.
    bool ReadNumber(int32_t* value) {
        SkipSpace();
        if (AtEnd() || !IsDigit(text_[pos_])) {
            return false;
        }
        DigitAccumulator number;
        while (pos_ < end_ && IsDigit(text_[pos_])) {
            number.Add(text_[pos_++]);
        }
        SkipSpace();
        *value = number.Value();
        return true;
    }

    // The text up to the separator, trimmed; the rest of the text when the separator
    // does not occur. White space before the field is skipped up to a line feed, never
    // past it, so that an empty comment does not take in the next record (also when
    // blanks or a carriage return stand before the line feed).
    std::wstring ReadField(wchar_t separator) {
        SkipSpaceWithinLine();
        if (AtEnd()) {
            return std::wstring();
        }
        size_t hit = text_.find(separator, pos_);
        if (hit == std::wstring::npos || hit >= end_) {
            std::wstring field = Trim(text_.substr(pos_, end_ - pos_));
            pos_ = end_;
            return field;
        }
        std::wstring field = Trim(text_.substr(pos_, hit - pos_));
        pos_ = hit + 1;
        SkipSpaceWithinLine();
        return field;
    }

    // Continues after the next line feed, or at the end when there is none.
    void SkipLine() {
        size_t hit = text_.find(L'\n', pos_);
        pos_ = (hit == std::wstring::npos || hit >= end_) ? end_ : hit + 1;
    }

  private:
    void SkipSpaceWithinLine() {
        while (pos_ < end_ && IsSpace(text_[pos_]) && text_[pos_] != L'\n') {
            ++pos_;
        }
    }

    const std::wstring& text_;
    size_t pos_ = 0;
    size_t end_;
};

// A name as written: a "|" would end the name early and could let the rest of the
// record read as further records, so it is written as a blank. Names read from a table
// never hold one, so foreign names are written back unchanged.
std::wstring WritableName(const std::wstring& name) {
    std::wstring out = name;
    for (auto& c : out) {
        if (c == L'|') {
            c = L' ';
        }
    }
    return out;
}

// A comment as written: a line break would end the record, so it is written as a
// blank; white space at its ends is dropped, because a reader that skips white space
// before a comment across the line feed would take the next record as the comment.
// Comments read from a table hold no line feed and no white space at either end.
std::wstring WritableComment(const std::wstring& comment) {
    std::wstring out = comment;
    for (auto& c : out) {
        if (c == L'\n' || c == L'\r') {
            c = L' ';
        }
    }
    return Trim(out);
}

// True when the value holds any data that a rewrite would lose: the table's text read
// as empty, yet the value is there with something in it (or could not be queried).
bool HoldsUnreadableData(const ScopedRegKey& key, const std::wstring& name) {
    uint32_t type = kRegNone;
    Bytes data;
    long status = key.Registry().QueryValue(key.Get(), name, &type, &data);
    if (status == kErrorFileNotFound) {
        return false;
    }
    if (status != kErrorSuccess) {
        return true;
    }
    for (uint8_t b : data) {
        if (b != 0) {
            return true;
        }
    }
    return false;
}

void LoadInstanceSettings(RegistryPort& registry, PlayoutInstance* instance) {
    ScopedRegKey key(registry);
    if (!key.Open(RegRoot::CurrentUser, InstanceSettingsPath(instance->Name), RegAccess::Read)) {
        instance->Stored = StoredTable::NotOpened;
        instance->Board = 0;
        instance->Events.clear();
        return;
    }
    std::wstring audioDevice;
    const long audioStatus = QueryRegString(key, kAudioDeviceValue, &audioDevice);
    instance->Board = BoardOfAudioDevice(audioDevice);
    instance->BoardByDefault = !AudioDeviceNamesBoard(audioDevice);
    instance->UnparsedRecords = 0;
    // A board the registry refused to tell is not taken to be board 1 (as a missing one
    // is): the table would be rebuilt with another board's detections in place of its own.
    if (audioStatus != kErrorSuccess && audioStatus != kErrorFileNotFound) {
        instance->Stored = StoredTable::Unreadable;
        instance->Events.clear();
        return;
    }
    // Read whole: a table longer than the string buffer holds other owners' events.
    std::wstring table = ReadRegStringWhole(key, kGpiEventsValue);
    if (table.empty() && HoldsUnreadableData(key, kGpiEventsValue)) {
        instance->Stored = StoredTable::Unreadable;
        instance->Events.clear();
        return;
    }
    instance->Stored = StoredTable::Read;
    ParseGpiEvents(table, &instance->Events, &instance->UnparsedRecords);
}

bool SaveInstanceSettings(RegistryPort& registry, const PlayoutInstance& instance) {
    if (instance.Stored == StoredTable::Unreadable) {
        return false;
    }
    ScopedRegKey key(registry);
    std::wstring path = InstanceSettingsPath(instance.Name);
    // A settings key that could not be opened at load is written only when it is still
    // missing: one that exists after all holds a table that was never read.
    if (instance.Stored == StoredTable::NotOpened &&
        key.Open(RegRoot::CurrentUser, path, RegAccess::Write)) {
        return false;
    }
    if (!key.OpenOrCreate(RegRoot::CurrentUser, path)) {
        return false;
    }
    return WriteRegString(key, kGpiEventsValue, FormatGpiEvents(instance));
}

}  // namespace

std::wstring InstanceSettingsPath(const std::wstring& instanceName) {
    return std::wstring(kPlayoutKey) + Format(L"\\%s%s", instanceName, kPlayoutSettingsSubkey);
}

namespace {

// The value of the text's trailing decimal digits; 0 when there are none.
int32_t TrailingNumber(const std::wstring& text) {
    size_t start = text.size();
    while (start > 0 && IsDigit(text[start - 1])) {
        --start;
    }
    DigitAccumulator number;
    for (size_t i = start; i < text.size(); ++i) {
        number.Add(text[i]);
    }
    return number.Value();
}

}  // namespace

int32_t BoardOfAudioDevice(const std::wstring& audioDevice) {
    const int32_t board = TrailingNumber(audioDevice);
    return board == 0 ? 1 : board;
}

bool AudioDeviceNamesBoard(const std::wstring& audioDevice) {
    return TrailingNumber(audioDevice) != 0;
}

void ParseGpiEvents(const std::wstring& text, GpiEventList* events, int32_t* dropped) {
    events->clear();
    EventTextReader reader(text);
    while (!reader.AtEnd()) {
        GpiEventRecord record;
        reader.SkipSpace();
        const size_t start = reader.Pos();
        if (!reader.ReadNumber(&record.ActionCode) || !reader.ReadNumber(&record.Second) ||
            !reader.ReadNumber(&record.Third)) {
            // The reader stops at the character that is not a number; starting again
            // there would never end, so the broken record ends at its line feed.
            reader.SkipLine();
            record = GpiEventRecord();
            record.Unparsed = TrimRight(reader.TextFrom(start));
            events->push_back(std::move(record));
            if (dropped) {
                ++*dropped;
            }
            continue;
        }
        record.Name = reader.ReadField(L'|');
        record.Comment = reader.ReadField(L'\n');
        events->push_back(std::move(record));
    }
}

std::wstring FormatGpiEvents(const GpiEventList& events) {
    std::wstring text;
    for (const auto& event : events) {
        if (!event.Unparsed.empty()) {
            text += event.Unparsed;
            text += L'\n';
            continue;
        }
        // "%d %d %d %s": the name is appended as it stands rather than formatted, so
        // that any character it holds is written as it is.
        text += Format(L"%d %d %d ", event.ActionCode, event.Second, event.Third);
        text += WritableName(event.Name);
        text += L'|';
        text += WritableComment(event.Comment);
        text += L'\n';
    }
    while (!text.empty() && text.back() == L'\n') {
        text.pop_back();
    }
    return text;
}

std::wstring FormatGpiEvents(const PlayoutInstance& instance) {
    return FormatGpiEvents(instance.Events);
}

void LoadPlayoutInstances(RegistryPort& registry, PlayoutInstanceList* instances) {
    instances->clear();
    ScopedRegKey key(registry);
    if (!key.Open(RegRoot::CurrentUser, kPlayoutKey, RegAccess::Read)) {
        return;
    }
    for (uint32_t index = 0;; ++index) {
        std::wstring name;
        long status = registry.EnumKey(key.Get(), index, kInstanceNameBufferChars, &name);
        if (status == kErrorMoreData) {
            continue;  // a name too long for the buffer: that instance is left alone
        }
        if (status != kErrorSuccess) {
            break;
        }
        if (name.empty()) {
            continue;  // would address the playout key itself
        }
        PlayoutInstance instance;
        instance.Name = name;
        instances->push_back(std::move(instance));
    }
}

void LoadPlayoutSettings(RegistryPort& registry, PlayoutInstanceList* instances) {
    for (auto& instance : *instances) {
        LoadInstanceSettings(registry, &instance);
    }
}

void SplitForeignEvents(PlayoutInstanceList* instances, const std::wstring& toolPrefix) {
    for (auto& instance : *instances) {
        instance.ForeignEvents.clear();
        for (const auto& event : instance.Events) {
            if (!StartsWith(toolPrefix, event.Name)) {
                instance.ForeignEvents.push_back(event);
            }
        }
    }
}

int FindEventByName(const PlayoutInstance& instance, const std::wstring& name) {
    for (size_t i = 0; i < instance.Events.size(); ++i) {
        if (instance.Events[i].Name == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool SavePlayoutSettings(RegistryPort& registry, const PlayoutInstanceList& instances) {
    bool allWritten = true;
    for (const auto& instance : instances) {
        if (!SaveInstanceSettings(registry, instance)) {
            allWritten = false;
        }
    }
    return allWritten;
}

}  // namespace core
