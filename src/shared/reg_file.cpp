#include "shared/reg_file.h"

#include <cstdio>

#include "shared/text.h"

namespace core {

namespace {

constexpr char16_t kHeader[] = u"Windows Registry Editor Version 5.00";
constexpr char16_t kLocalMachine[] = u"HKEY_LOCAL_MACHINE";
constexpr char16_t kCurrentUser[] = u"HKEY_CURRENT_USER";
constexpr size_t kHexBytesPerLine = 24;

// ---- Writing

class Writer {
  public:
    void Line(const std::u16string& text = std::u16string()) {
        text_ += text;
        text_ += u"\r\n";
    }
    void Add(const std::u16string& text) { text_ += text; }
    Bytes Finish() const {
        Bytes bytes{0xFF, 0xFE};
        bytes.reserve(2 + text_.size() * 2);
        for (char16_t unit : text_) {
            bytes.push_back(static_cast<uint8_t>(unit & 0xFF));
            bytes.push_back(static_cast<uint8_t>(unit >> 8));
        }
        return bytes;
    }

  private:
    std::u16string text_;
};

std::u16string Ascii(const char* text) {
    std::u16string out;
    for (; *text; ++text) {
        out.push_back(static_cast<char16_t>(static_cast<unsigned char>(*text)));
    }
    return out;
}

bool HasLineBreak(const std::u16string& text) {
    return text.find_first_of(u"\r\n") != std::u16string::npos;
}

std::u16string Quoted(const std::u16string& text) {
    std::u16string out = u"\"";
    for (char16_t c : text) {
        if (c == u'\\' || c == u'"') {
            out.push_back(u'\\');
        }
        out.push_back(c);
    }
    out.push_back(u'"');
    return out;
}

// The units of REG_SZ data that a quoted string carries exactly: text and one final
// null, no other control character (every regedit reads a line feed back differently).
bool QuotableText(const Bytes& data, std::u16string* text) {
    if (data.size() < 2 || data.size() % 2 != 0) {
        return false;
    }
    text->clear();
    for (size_t i = 0; i + 2 < data.size(); i += 2) {
        const char16_t unit = static_cast<char16_t>(data[i] | (data[i + 1] << 8));
        if (unit < 0x20 || unit == 0x7F) {
            return false;
        }
        text->push_back(unit);
    }
    return data[data.size() - 2] == 0 && data[data.size() - 1] == 0;
}

void AddHex(Writer* out, const std::u16string& prefix, const Bytes& data) {
    out->Add(prefix);
    char digits[4];
    for (size_t i = 0; i < data.size(); ++i) {
        std::snprintf(digits, sizeof digits, "%02x", data[i]);
        out->Add(Ascii(digits));
        if (i + 1 < data.size()) {
            out->Add(u",");
            if ((i + 1) % kHexBytesPerLine == 0) {
                out->Line(u"\\");
                out->Add(u"  ");
            }
        }
    }
    out->Line();
}

void AddValue(Writer* out, const RegFileValue& value) {
    const std::u16string name = ToUtf16(value.name);
    out->Add(value.name.empty() ? u"@" : Quoted(name));
    out->Add(u"=");
    std::u16string text;
    char prefix[24];
    if (value.remove) {
        out->Line(u"-");
    } else if (value.type == kRegSz && QuotableText(value.data, &text)) {
        out->Line(Quoted(text));
    } else if (value.type == kRegDword && value.data.size() == 4) {
        const uint32_t number = value.data[0] | (value.data[1] << 8) | (value.data[2] << 16) |
                                (static_cast<uint32_t>(value.data[3]) << 24);
        std::snprintf(prefix, sizeof prefix, "dword:%08x", static_cast<unsigned>(number));
        out->Line(Ascii(prefix));
    } else if (value.type == kRegBinary) {
        AddHex(out, u"hex:", value.data);
    } else {
        std::snprintf(prefix, sizeof prefix, "hex(%x):", static_cast<unsigned>(value.type));
        AddHex(out, Ascii(prefix), value.data);
    }
}

std::u16string SummaryLine(const RegFileSummary& summary) {
    char stamp[160];
    const DateTime& t = summary.utc;
    std::snprintf(stamp, sizeof stamp,
                  " backup, saved %04d-%02d-%02d %02d:%02d:%02d UTC, sequence %llu, %d "
                  "detections, %d events",
                  t.year, t.month, t.day, t.hour, t.minute, t.second,
                  static_cast<unsigned long long>(summary.sequence), summary.detections,
                  summary.events);
    return u"; " + ToUtf16(summary.program) + Ascii(stamp);
}

// ---- Reading

class Cursor {
  public:
    explicit Cursor(const std::u16string& text) : text_(text) {}
    bool AtEnd() const { return pos_ >= text_.size(); }
    char16_t Peek() const { return AtEnd() ? 0 : text_[pos_]; }
    bool Take(char16_t c) {
        if (Peek() != c || AtEnd()) {
            return false;
        }
        ++pos_;
        return true;
    }
    bool TakeNoCase(const char* word) {
        size_t at = pos_;
        for (; *word; ++word, ++at) {
            if (at >= text_.size() || FoldCase(static_cast<wchar_t>(text_[at])) !=
                                          FoldCase(static_cast<wchar_t>(*word))) {
                return false;
            }
        }
        pos_ = at;
        return true;
    }
    void SkipBlanks() {
        while (!AtEnd() && (text_[pos_] == u' ' || text_[pos_] == u'\t')) {
            ++pos_;
        }
    }
    // A quoted text with \\ and \" escapes; the opening quote already taken.
    bool QuotedText(std::u16string* out) {
        out->clear();
        while (!AtEnd()) {
            char16_t c = text_[pos_++];
            if (c == u'"') {
                return true;
            }
            if (c == u'\\') {
                if (AtEnd() || (text_[pos_] != u'\\' && text_[pos_] != u'"')) {
                    return false;
                }
                c = text_[pos_++];
            }
            out->push_back(c);
        }
        return false;
    }
    // Hex digits (at least one, at most maxDigits) as a number.
    bool HexNumber(size_t maxDigits, uint32_t* value) {
        *value = 0;
        size_t digits = 0;
        while (digits < maxDigits && HexDigit(Peek()) >= 0) {
            *value = (*value << 4) | static_cast<uint32_t>(HexDigit(text_[pos_++]));
            ++digits;
        }
        return digits > 0 && HexDigit(Peek()) < 0;
    }

    static int HexDigit(char16_t c) {
        if (c >= u'0' && c <= u'9') {
            return c - u'0';
        }
        if (c >= u'a' && c <= u'f') {
            return c - u'a' + 10;
        }
        if (c >= u'A' && c <= u'F') {
            return c - u'A' + 10;
        }
        return -1;
    }

  private:
    const std::u16string& text_;
    size_t pos_ = 0;
};

// A value line whose data is hex bytes: only such a line continues on the next one.
bool IsHexValue(const std::u16string& line) {
    Cursor at(line);
    std::u16string name;
    at.SkipBlanks();
    if (!at.Take(u'@') && (!at.Take(u'"') || !at.QuotedText(&name))) {
        return false;
    }
    at.SkipBlanks();
    if (!at.Take(u'=')) {
        return false;
    }
    at.SkipBlanks();
    return at.TakeNoCase("hex");
}

// Splits the text into lines, without their line ends, joining a hex value's lines that
// end in a backslash with the next one (whose leading blanks are dropped).
class Lines {
  public:
    explicit Lines(const std::u16string& text) : text_(text) {}
    // The next logical line and the number of its first physical line; false at the end.
    bool Next(std::u16string* line, size_t* number) {
        if (pos_ >= text_.size()) {
            return false;
        }
        *number = ++physical_;
        *line = Physical();
        // Only a hex value continues: a quoted text ending in a backslash does not.
        while (!line->empty() && line->back() == u'\\' && IsHexValue(*line) &&
               pos_ < text_.size()) {
            line->pop_back();
            ++physical_;
            std::u16string next = Physical();
            const size_t start = next.find_first_not_of(u" \t");
            line->append(start == std::u16string::npos ? std::u16string() : next.substr(start));
        }
        return true;
    }

  private:
    std::u16string Physical() {
        size_t end = text_.find(u'\n', pos_);
        if (end == std::u16string::npos) {
            end = text_.size();
        }
        std::u16string line = text_.substr(pos_, end - pos_);
        pos_ = end + 1;
        if (!line.empty() && line.back() == u'\r') {
            line.pop_back();
        }
        return line;
    }

    const std::u16string& text_;
    size_t pos_ = 0;
    size_t physical_ = 0;
};

std::u16string DecodeUnits(const Bytes& bytes, size_t from, size_t count) {
    std::u16string text;
    text.reserve(count / 2);
    for (size_t i = from; i + 1 < from + count; i += 2) {
        text.push_back(static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8)));
    }
    return text;
}

bool HasBom(const Bytes& bytes) {
    return bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE;
}

std::u16string WithoutCarriageReturn(std::u16string line) {
    if (!line.empty() && line.back() == u'\r') {
        line.pop_back();
    }
    return line;
}

std::u16string TrimBlanks(const std::u16string& text) {
    const size_t first = text.find_first_not_of(u" \t");
    if (first == std::u16string::npos) {
        return std::u16string();
    }
    return text.substr(first, text.find_last_not_of(u" \t") - first + 1);
}

// "HKEY_LOCAL_MACHINE\path" into root and path; the 64-bit name of the 32-bit view is
// read as that view.
bool ParseKeyName(const std::u16string& name, RegFileKey* key) {
    const size_t cut = name.find(u'\\');
    if (cut == std::u16string::npos || cut + 1 >= name.size()) {
        return false;
    }
    const std::wstring root = FromUtf16(name.substr(0, cut));
    if (EqualsNoCase(root, FromUtf16(kLocalMachine))) {
        key->root = RegRoot::LocalMachine;
    } else if (EqualsNoCase(root, FromUtf16(kCurrentUser))) {
        key->root = RegRoot::CurrentUser;
    } else {
        return false;
    }
    std::wstring path = FromUtf16(name.substr(cut + 1));
    // Every part of the path must be named: "A\\B" or a trailing backslash is not a key.
    if (path.empty() || path.back() == L'\\' || path.find(L"\\\\") != std::wstring::npos) {
        return false;
    }
    const std::wstring wow = L"Software\\WOW6432Node\\";
    if (key->root == RegRoot::LocalMachine && path.size() > wow.size() &&
        EqualsNoCase(path.substr(0, wow.size()), wow)) {
        path = L"SOFTWARE\\" + path.substr(wow.size());
    }
    key->path = path;
    return true;
}

bool ParseHexBytes(Cursor* at, Bytes* data) {
    data->clear();
    at->SkipBlanks();
    if (at->AtEnd()) {
        return true;
    }
    for (;;) {
        at->SkipBlanks();
        uint32_t byte = 0;
        if (!at->HexNumber(2, &byte)) {
            return false;
        }
        data->push_back(static_cast<uint8_t>(byte));
        at->SkipBlanks();
        if (!at->Take(u',')) {
            return at->AtEnd();
        }
        at->SkipBlanks();
        if (at->AtEnd()) {
            return true;  // regedit ends a continued line with a comma
        }
    }
}

bool ParseValueLine(const std::u16string& line, RegFileValue* value) {
    Cursor at(line);
    std::u16string name;
    if (at.Take(u'@')) {
        name.clear();
    } else if (!at.Take(u'"') || !at.QuotedText(&name)) {
        return false;
    }
    value->name = FromUtf16(name);
    at.SkipBlanks();
    if (!at.Take(u'=')) {
        return false;
    }
    at.SkipBlanks();
    if (at.Take(u'-')) {
        value->remove = true;
    } else if (at.Take(u'"')) {
        std::u16string text;
        if (!at.QuotedText(&text)) {
            return false;
        }
        value->type = kRegSz;
        value->data.clear();
        for (char16_t unit : text + u'\0') {
            value->data.push_back(static_cast<uint8_t>(unit & 0xFF));
            value->data.push_back(static_cast<uint8_t>(unit >> 8));
        }
    } else if (at.TakeNoCase("dword:")) {
        uint32_t number = 0;
        if (!at.HexNumber(8, &number)) {
            return false;
        }
        value->type = kRegDword;
        value->data = {static_cast<uint8_t>(number), static_cast<uint8_t>(number >> 8),
                       static_cast<uint8_t>(number >> 16), static_cast<uint8_t>(number >> 24)};
    } else if (at.TakeNoCase("hex")) {
        value->type = kRegBinary;
        if (at.Take(u'(') && (!at.HexNumber(8, &value->type) || !at.Take(u')'))) {
            return false;
        }
        if (!at.Take(u':') || !ParseHexBytes(&at, &value->data)) {
            return false;
        }
    } else {
        return false;
    }
    at.SkipBlanks();
    return at.AtEnd();
}

bool ParseDecimal(Cursor* at, uint64_t* value, size_t maxDigits) {
    *value = 0;
    size_t digits = 0;
    while (digits < maxDigits && at->Peek() >= u'0' && at->Peek() <= u'9') {
        *value = *value * 10 + static_cast<uint64_t>(at->Peek() - u'0');
        at->Take(at->Peek());
        ++digits;
    }
    return digits > 0 && !(at->Peek() >= u'0' && at->Peek() <= u'9');
}

bool ParseSummary(const std::u16string& line, RegFileSummary* summary) {
    Cursor at(line);
    if (!at.Take(u';') || !at.Take(u' ')) {
        return false;
    }
    std::u16string program;
    while (!at.AtEnd() && at.Peek() != u' ') {
        program.push_back(at.Peek());
        at.Take(at.Peek());
    }
    uint64_t n[6] = {};
    uint64_t sequence = 0, detections = 0, events = 0;
    const bool parsed =
        !program.empty() && at.TakeNoCase(" backup, saved ") && ParseDecimal(&at, &n[0], 4) &&
        at.Take(u'-') && ParseDecimal(&at, &n[1], 2) && at.Take(u'-') &&
        ParseDecimal(&at, &n[2], 2) && at.Take(u' ') && ParseDecimal(&at, &n[3], 2) &&
        at.Take(u':') && ParseDecimal(&at, &n[4], 2) && at.Take(u':') &&
        ParseDecimal(&at, &n[5], 2) && at.TakeNoCase(" UTC, sequence ") &&
        ParseDecimal(&at, &sequence, 19) && at.TakeNoCase(", ") &&
        ParseDecimal(&at, &detections, 9) && at.TakeNoCase(" detections, ") &&
        ParseDecimal(&at, &events, 9) && at.TakeNoCase(" events") && at.AtEnd();
    if (!parsed) {
        return false;
    }
    summary->program = FromUtf16(program);
    summary->utc = DateTime{static_cast<int>(n[0]), static_cast<int>(n[1]), static_cast<int>(n[2]),
                            static_cast<int>(n[3]), static_cast<int>(n[4]), static_cast<int>(n[5])};
    summary->sequence = sequence;
    summary->detections = static_cast<int32_t>(detections);
    summary->events = static_cast<int32_t>(events);
    return true;
}

}  // namespace

std::wstring RegFileKeyName(RegRoot root, const std::wstring& path) {
    std::wstring rest = path;
    // regedit names the machine's key in capitals; the registry ignores case anyway.
    const std::wstring software = L"Software";
    if (root == RegRoot::LocalMachine && rest.size() >= software.size() &&
        EqualsNoCase(rest.substr(0, software.size()), software) &&
        (rest.size() == software.size() || rest[software.size()] == L'\\')) {
        rest = L"SOFTWARE" + rest.substr(software.size());
    }
    return FromUtf16(root == RegRoot::LocalMachine ? kLocalMachine : kCurrentUser) + L"\\" + rest;
}

bool WriteRegFile(const RegFile& file, Bytes* bytes) {
    Writer out;
    out.Line(kHeader);
    if (file.summary) {
        const std::u16string summary = SummaryLine(*file.summary);
        if (HasLineBreak(summary)) {
            return false;
        }
        out.Line(summary);
    }
    for (const RegFileKey& key : file.keys) {
        const std::u16string name = ToUtf16(RegFileKeyName(key.root, key.path));
        if (key.path.empty() || HasLineBreak(name)) {
            return false;
        }
        out.Line();
        out.Line(u"[" + std::u16string(key.remove ? u"-" : u"") + name + u"]");
        for (const RegFileValue& value : key.values) {
            if (HasLineBreak(ToUtf16(value.name))) {
                return false;
            }
            AddValue(&out, value);
        }
    }
    out.Line();
    *bytes = out.Finish();
    return true;
}

RegFileError ReadRegFile(const Bytes& bytes, RegFile* file, size_t* lineNumber) {
    *file = RegFile();
    size_t unused = 0;
    size_t& number = lineNumber ? *lineNumber : unused;
    number = 0;
    if (!HasBom(bytes) || bytes.size() % 2 != 0 || bytes.size() > kMaxRegFileBytes) {
        return RegFileError::NotUtf16;
    }
    const std::u16string text = DecodeUnits(bytes, 2, bytes.size() - 2);
    Lines lines(text);
    std::u16string line;
    bool headerSeen = false;
    RegFileKey* current = nullptr;
    while (lines.Next(&line, &number)) {
        const std::u16string trimmed = TrimBlanks(line);
        if (!headerSeen) {
            if (trimmed.empty()) {
                continue;
            }
            if (trimmed != kHeader) {
                return RegFileError::NotARegFile;
            }
            headerSeen = true;
            continue;
        }
        if (trimmed.empty()) {
            continue;
        }
        if (trimmed[0] == u';') {
            RegFileSummary summary;
            if (!file->summary && file->keys.empty() && ParseSummary(trimmed, &summary)) {
                file->summary = summary;
            }
            continue;
        }
        if (trimmed[0] == u'[') {
            if (trimmed.back() != u']') {
                return RegFileError::BadKeyLine;
            }
            RegFileKey key;
            std::u16string name = trimmed.substr(1, trimmed.size() - 2);
            if (!name.empty() && name[0] == u'-') {
                key.remove = true;
                name.erase(0, 1);
            }
            if (!ParseKeyName(name, &key)) {
                return RegFileError::BadKeyLine;
            }
            file->keys.push_back(std::move(key));
            current = &file->keys.back();
            continue;
        }
        if (trimmed[0] == u'"' || trimmed[0] == u'@') {
            if (!current || current->remove) {
                return RegFileError::ValueWithoutKey;
            }
            RegFileValue value;
            if (!ParseValueLine(trimmed, &value)) {
                return RegFileError::BadValueLine;
            }
            current->values.push_back(std::move(value));
            continue;
        }
        return RegFileError::UnknownLine;
    }
    return headerSeen ? RegFileError::None : RegFileError::NotARegFile;
}

std::optional<RegFileSummary> ReadRegFileSummary(const Bytes& start) {
    if (!HasBom(start)) {
        return std::nullopt;
    }
    // The first two lines, each whole: a summary cut short by the end of what was read
    // is no summary.
    const std::u16string text = DecodeUnits(start, 2, start.size() - 2);
    const size_t firstEnd = text.find(u'\n');
    const size_t secondEnd =
        firstEnd == std::u16string::npos ? firstEnd : text.find(u'\n', firstEnd + 1);
    if (secondEnd == std::u16string::npos ||
        TrimBlanks(WithoutCarriageReturn(text.substr(0, firstEnd))) != kHeader) {
        return std::nullopt;
    }
    RegFileSummary summary;
    const std::u16string line = text.substr(firstEnd + 1, secondEnd - firstEnd - 1);
    if (!ParseSummary(TrimBlanks(WithoutCarriageReturn(line)), &summary)) {
        return std::nullopt;
    }
    return summary;
}

}  // namespace core
