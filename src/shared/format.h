// printf-style formatting with the formats the system's texts are written in
// ("%s %d B%s", "%05.2f", "%#5.2f", "%g", "%d%%"). "%s" always takes a wide string,
// on every platform; numbers are converted by the C library in the "C" locale.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

namespace core {

class FormatArg {
  public:
    enum class Kind { Integer, Double, String };

    FormatArg(int v) : kind_(Kind::Integer), integer_(v) {}
    FormatArg(long v) : kind_(Kind::Integer), integer_(v) {}
    FormatArg(long long v) : kind_(Kind::Integer), integer_(v) {}
    FormatArg(unsigned v) : kind_(Kind::Integer), integer_(v) {}
    FormatArg(unsigned long v) : kind_(Kind::Integer), integer_(static_cast<long long>(v)) {}
    FormatArg(double v) : kind_(Kind::Double), double_(v) {}
    FormatArg(const wchar_t* v) : kind_(Kind::String), string_(v ? v : L"") {}
    FormatArg(const std::wstring& v) : kind_(Kind::String), string_(v) {}

    Kind kind() const { return kind_; }
    long long AsInteger() const;
    double AsDouble() const;
    const std::wstring& AsString() const { return string_; }

  private:
    Kind kind_;
    long long integer_ = 0;
    double double_ = 0.0;
    std::wstring string_;
};

// Formats with the given arguments in order. A conversion without an argument
// formats as an empty string or zero; arguments of the wrong kind are converted.
std::wstring FormatText(const std::wstring& format, std::initializer_list<FormatArg> args);

template <typename... Args>
std::wstring Format(const std::wstring& format, const Args&... args) {
    return FormatText(format, {FormatArg(args)...});
}

}  // namespace core
