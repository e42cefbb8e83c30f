#include "format.h"

#include <cstdio>
#include <string>
#include <vector>

namespace core {

long long FormatArg::AsInteger() const {
    switch (kind_) {
        case Kind::Integer:
            return integer_;
        case Kind::Double:
            // Out-of-range doubles would be undefined behaviour when converted.
            if (!(double_ > -9.2e18 && double_ < 9.2e18)) {
                return 0;
            }
            return static_cast<long long>(double_);
        case Kind::String:
            return 0;
    }
    return 0;
}

double FormatArg::AsDouble() const {
    switch (kind_) {
        case Kind::Integer:
            return static_cast<double>(integer_);
        case Kind::Double:
            return double_;
        case Kind::String:
            return 0.0;
    }
    return 0.0;
}

namespace {

struct Conversion {
    std::string flags;
    int width = -1;
    int precision = -1;
    wchar_t type = 0;
};

// Reads "[flags][width][.precision][length]type" after a "%"; false when malformed.
bool ParseConversion(const std::wstring& format, size_t* pos, Conversion* conv) {
    size_t i = *pos;
    while (i < format.size() && std::wstring(L"-+ #0").find(format[i]) != std::wstring::npos) {
        conv->flags.push_back(static_cast<char>(format[i]));
        ++i;
    }
    auto readNumber = [&](int* out) {
        int value = 0;
        bool any = false;
        while (i < format.size() && format[i] >= L'0' && format[i] <= L'9') {
            if (value < 10000) {
                value = value * 10 + (format[i] - L'0');
            }
            any = true;
            ++i;
        }
        if (any) {
            *out = value > 512 ? 512 : value;  // keeps every field within a sane size
        }
        return any;
    };
    readNumber(&conv->width);
    if (i < format.size() && format[i] == L'.') {
        ++i;
        if (!readNumber(&conv->precision)) {
            conv->precision = 0;
        }
    }
    while (i < format.size() && (format[i] == L'l' || format[i] == L'h')) {
        ++i;
    }
    if (i >= format.size()) {
        return false;
    }
    conv->type = format[i];
    *pos = i + 1;
    return true;
}

std::string NarrowSpec(const Conversion& conv, const char* length, char type) {
    std::string spec = "%" + conv.flags;
    if (conv.width >= 0) {
        spec += std::to_string(conv.width);
    }
    if (conv.precision >= 0) {
        spec += "." + std::to_string(conv.precision);
    }
    spec += length;
    spec.push_back(type);
    return spec;
}

template <typename T>
std::wstring FormatNumber(const std::string& spec, T value) {
    std::vector<char> buffer(64);
    int needed = std::snprintf(buffer.data(), buffer.size(), spec.c_str(), value);
    if (needed < 0) {
        return std::wstring();
    }
    if (static_cast<size_t>(needed) >= buffer.size()) {
        buffer.resize(static_cast<size_t>(needed) + 1);
        std::snprintf(buffer.data(), buffer.size(), spec.c_str(), value);
    }
    return std::wstring(buffer.data(), buffer.data() + needed);
}

std::wstring FormatString(const Conversion& conv, std::wstring text) {
    if (conv.precision >= 0 && text.size() > static_cast<size_t>(conv.precision)) {
        text.resize(static_cast<size_t>(conv.precision));
    }
    if (conv.width > 0 && text.size() < static_cast<size_t>(conv.width)) {
        std::wstring pad(static_cast<size_t>(conv.width) - text.size(), L' ');
        bool left = conv.flags.find('-') != std::string::npos;
        text = left ? text + pad : pad + text;
    }
    return text;
}

std::wstring FormatOne(const Conversion& conv, const FormatArg* arg) {
    static const FormatArg kMissingNumber(0);
    static const FormatArg kMissingText(L"");
    switch (conv.type) {
        case L'd':
        case L'i': {
            const FormatArg& a = arg ? *arg : kMissingNumber;
            return FormatNumber(NarrowSpec(conv, "ll", 'd'), a.AsInteger());
        }
        case L'u':
        case L'x':
        case L'X':
        case L'o': {
            const FormatArg& a = arg ? *arg : kMissingNumber;
            auto value = static_cast<unsigned long long>(static_cast<uint32_t>(a.AsInteger()));
            return FormatNumber(NarrowSpec(conv, "ll", static_cast<char>(conv.type)), value);
        }
        case L'f':
        case L'F':
        case L'e':
        case L'E':
        case L'g':
        case L'G': {
            const FormatArg& a = arg ? *arg : kMissingNumber;
            return FormatNumber(NarrowSpec(conv, "", static_cast<char>(conv.type)), a.AsDouble());
        }
        case L'c': {
            const FormatArg& a = arg ? *arg : kMissingNumber;
            return FormatString(conv, std::wstring(1, static_cast<wchar_t>(a.AsInteger())));
        }
        case L's':
        case L'S': {
            const FormatArg& a = arg ? *arg : kMissingText;
            return FormatString(conv, a.kind() == FormatArg::Kind::String ? a.AsString() : L"");
        }
        default:
            return std::wstring();
    }
}

}  // namespace

std::wstring FormatText(const std::wstring& format, std::initializer_list<FormatArg> args) {
    std::wstring out;
    auto next = args.begin();
    size_t i = 0;
    while (i < format.size()) {
        wchar_t c = format[i];
        if (c != L'%') {
            out.push_back(c);
            ++i;
            continue;
        }
        if (i + 1 < format.size() && format[i + 1] == L'%') {
            out.push_back(L'%');
            i += 2;
            continue;
        }
        size_t start = i;
        i += 1;
        Conversion conv;
        if (!ParseConversion(format, &i, &conv)) {
            out.append(format, start, std::wstring::npos);  // a dangling "%" stays as written
            break;
        }
        const FormatArg* arg = nullptr;
        if (next != args.end()) {
            arg = &*next;
            ++next;
        }
        out += FormatOne(conv, arg);
    }
    return out;
}

}  // namespace core
