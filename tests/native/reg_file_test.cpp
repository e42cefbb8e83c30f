// Registry files: the exact text regedit reads, values that survive the trip whatever
// they hold, and refusal of anything malformed.
#include "shared/reg_file.h"

#include <gtest/gtest.h>

#include "shared/text.h"

namespace core {
namespace {

Bytes FileBytes(const std::wstring& text) {
    Bytes bytes{0xFF, 0xFE};
    const Bytes body = ToUtf16Bytes(text, false);
    bytes.insert(bytes.end(), body.begin(), body.end());
    return bytes;
}

std::wstring TextOf(const Bytes& bytes) {
    EXPECT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[1], 0xFE);
    return FromUtf16Bytes(Bytes(bytes.begin() + 2, bytes.end()));
}

RegFileValue Value(const std::wstring& name, uint32_t type, const Bytes& data) {
    RegFileValue value;
    value.name = name;
    value.type = type;
    value.data = data;
    return value;
}

RegFileValue Text(const std::wstring& name, const std::wstring& text) {
    return Value(name, kRegSz, ToUtf16Bytes(text, true));
}

TEST(RegFileTest, WritesTheFormatRegeditReads) {
    RegFile file;
    file.summary = RegFileSummary{L"Cuebell", DateTime{2026, 3, 4, 5, 6, 7}, 12, 3, 4};
    RegFileKey store;
    store.path = L"Software\\Quorvane\\Sigvault\\Wave_2.0";
    store.values = {Text(L"Name", L"say \"hi\" C:\\x \u00e9"),
                    Text(L"", L"default"),
                    Text(L"Comment", L"two\nlines"),
                    Value(L"Dw", kRegDword, {0x78, 0x56, 0x34, 0x12}),
                    Value(L"Ex", kRegExpandSz, {0x41, 0}),
                    Value(L"Bin", kRegBinary, {}),
                    Value(L"Cut", kRegSz, {0x41, 0})};
    RegFileValue removed;
    removed.name = L"Old";
    removed.remove = true;
    store.values.push_back(removed);
    RegFileKey gone;
    gone.path = L"Software\\Quorvane\\Sigvault\\Wave_2.0\\GPI3";
    gone.remove = true;
    RegFileKey table;
    table.root = RegRoot::CurrentUser;
    table.path = L"Software\\Brenmark\\Halvex\\Skyvant\\A\\Settings";
    table.values = {Value(L"Long", kRegBinary, Bytes(26, 0xAB))};
    file.keys = {store, gone, table};

    Bytes bytes;
    ASSERT_TRUE(WriteRegFile(file, &bytes));
    EXPECT_EQ(TextOf(bytes),
              L"Windows Registry Editor Version 5.00\r\n"
              L"; Cuebell backup, saved 2026-03-04 05:06:07 UTC, sequence 12, 3 detections, 4 "
              L"events\r\n"
              L"\r\n"
              L"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quorvane\\Sigvault\\Wave_2.0]\r\n"
              L"\"Name\"=\"say \\\"hi\\\" C:\\\\x \u00e9\"\r\n"
              L"@=\"default\"\r\n"
              L"\"Comment\"=hex(1):74,00,77,00,6f,00,0a,00,6c,00,69,00,6e,00,65,00,73,00,00,00\r\n"
              L"\"Dw\"=dword:12345678\r\n"
              L"\"Ex\"=hex(2):41,00\r\n"
              L"\"Bin\"=hex:\r\n"
              L"\"Cut\"=hex(1):41,00\r\n"
              L"\"Old\"=-\r\n"
              L"\r\n"
              L"[-HKEY_LOCAL_MACHINE\\SOFTWARE\\Quorvane\\Sigvault\\Wave_2.0\\GPI3]\r\n"
              L"\r\n"
              L"[HKEY_CURRENT_USER\\Software\\Brenmark\\Halvex\\Skyvant\\A\\Settings]\r\n"
              L"\"Long\"=hex:ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,"
              L"ab,ab,\\\r\n"
              L"  ab,ab\r\n"
              L"\r\n");

    RegFile read;
    ASSERT_EQ(ReadRegFile(bytes, &read), RegFileError::None);
    ASSERT_TRUE(read.summary);
    EXPECT_EQ(read.summary->sequence, 12u);
    EXPECT_EQ(read.summary->events, 4);
    ASSERT_EQ(read.keys.size(), 3u);
    for (size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(read.keys[k].root, file.keys[k].root);
        EXPECT_TRUE(EqualsNoCase(read.keys[k].path, file.keys[k].path));
        EXPECT_EQ(read.keys[k].remove, file.keys[k].remove);
        ASSERT_EQ(read.keys[k].values.size(), file.keys[k].values.size());
        for (size_t v = 0; v < file.keys[k].values.size(); ++v) {
            const auto& a = read.keys[k].values[v];
            const auto& b = file.keys[k].values[v];
            EXPECT_EQ(a.name, b.name);
            EXPECT_EQ(a.remove, b.remove);
            EXPECT_EQ(a.type, b.type) << v;
            EXPECT_EQ(a.data, b.data) << v;
        }
    }
    const auto summary = ReadRegFileSummary(Bytes(bytes.begin(), bytes.begin() + 400));
    ASSERT_TRUE(summary);
    EXPECT_EQ(summary->program, L"Cuebell");
}

TEST(RegFileTest, ReadsWhatRegeditExports) {
    // A 64-bit regedit's export of the 32-bit view, without the programs' summary line,
    // hex data continued over lines and blanks around the parts of a line.
    const Bytes bytes = FileBytes(
        L"Windows Registry Editor Version 5.00\r\n\r\n"
        L"[HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\Quorvane\\Sigvault\\DTMF\\0]\r\n"
        L"\"Name\" = \"DTMF_News\"  \r\n"
        L"\"Raw\"=hex(7):41,00,00,\\\r\n"
        L"    00,00,00\r\n"
        L"\"N\"=DWORD:1f\r\n");
    RegFile read;
    ASSERT_EQ(ReadRegFile(bytes, &read), RegFileError::None);
    EXPECT_FALSE(read.summary);
    EXPECT_FALSE(ReadRegFileSummary(bytes));
    ASSERT_EQ(read.keys.size(), 1u);
    EXPECT_EQ(read.keys[0].path, L"SOFTWARE\\Quorvane\\Sigvault\\DTMF\\0");
    ASSERT_EQ(read.keys[0].values.size(), 3u);
    EXPECT_EQ(read.keys[0].values[0].data, ToUtf16Bytes(L"DTMF_News", true));
    EXPECT_EQ(read.keys[0].values[1].type, kRegMultiSz);
    EXPECT_EQ(read.keys[0].values[1].data, (Bytes{0x41, 0, 0, 0, 0, 0}));
    EXPECT_EQ(read.keys[0].values[2].data, (Bytes{0x1f, 0, 0, 0}));
}

TEST(RegFileTest, RefusesWhatIsMalformed) {
    const std::wstring header = L"Windows Registry Editor Version 5.00\r\n";
    const std::wstring key = L"[HKEY_CURRENT_USER\\Software\\X]\r\n";
    struct Case {
        const char* label;
        Bytes bytes;
        RegFileError error;
    };
    const Case cases[] = {
        {"no byte-order mark", ToUtf16Bytes(header, false), RegFileError::NotUtf16},
        {"an odd size",
         [&] {
             Bytes b = FileBytes(header);
             b.push_back(0);
             return b;
         }(),
         RegFileError::NotUtf16},
        {"empty", FileBytes(L""), RegFileError::NotARegFile},
        {"REGEDIT4", FileBytes(L"REGEDIT4\r\n" + key), RegFileError::NotARegFile},
        {"another root", FileBytes(header + L"[HKEY_CLASSES_ROOT\\X]\r\n"),
         RegFileError::BadKeyLine},
        {"a root alone", FileBytes(header + L"[HKEY_CURRENT_USER]\r\n"), RegFileError::BadKeyLine},
        {"an empty part", FileBytes(header + L"[HKEY_CURRENT_USER\\A\\\\B]\r\n"),
         RegFileError::BadKeyLine},
        {"an open bracket", FileBytes(header + L"[HKEY_CURRENT_USER\\A\r\n"),
         RegFileError::BadKeyLine},
        {"a value first", FileBytes(header + L"\"V\"=\"x\"\r\n" + key),
         RegFileError::ValueWithoutKey},
        {"a value of a deleted key",
         FileBytes(header + L"[-HKEY_CURRENT_USER\\Software\\X]\r\n\"V\"=\"x\"\r\n"),
         RegFileError::ValueWithoutKey},
        {"an unknown escape", FileBytes(header + key + L"\"V\"=\"a\\nb\"\r\n"),
         RegFileError::BadValueLine},
        {"an unclosed text", FileBytes(header + key + L"\"V\"=\"ab\r\n"),
         RegFileError::BadValueLine},
        {"text after the value", FileBytes(header + key + L"\"V\"=\"a\" x\r\n"),
         RegFileError::BadValueLine},
        {"a three-digit byte", FileBytes(header + key + L"\"V\"=hex:123\r\n"),
         RegFileError::BadValueLine},
        {"a nine-digit dword", FileBytes(header + key + L"\"V\"=dword:123456789\r\n"),
         RegFileError::BadValueLine},
        {"an unclosed type", FileBytes(header + key + L"\"V\"=hex(2:00\r\n"),
         RegFileError::BadValueLine},
        {"a stray line", FileBytes(header + key + L"V=1\r\n"), RegFileError::UnknownLine},
    };
    for (const Case& c : cases) {
        RegFile read;
        EXPECT_EQ(ReadRegFile(c.bytes, &read), c.error) << c.label;
    }
}

TEST(RegFileTest, TheSummaryIsReadOnlyWhenItsLineIsWhole) {
    RegFile file;
    file.summary = RegFileSummary{L"Tonegate", DateTime{2027, 12, 31, 23, 59, 58}, 7, 0, 9};
    Bytes bytes;
    ASSERT_TRUE(WriteRegFile(file, &bytes));
    const std::wstring text = TextOf(bytes);
    const size_t secondLineEnd = 2 + 2 * (text.find(L'\n', text.find(L'\n') + 1) + 1);
    EXPECT_TRUE(ReadRegFileSummary(Bytes(bytes.begin(), bytes.begin() + secondLineEnd)));
    EXPECT_FALSE(ReadRegFileSummary(Bytes(bytes.begin(), bytes.begin() + secondLineEnd - 4)));
    const std::wstring header = L"Windows Registry Editor Version 5.00\r\n";
    for (const wchar_t* line : {L"; Tonegate backup, saved 2027-12-31 23:59:58 UTC, sequence x, "
                                L"0 detections, 9 events",
                                L"; Tonegate backup, saved 2027-12-31 23:59 UTC, sequence 7, 0 "
                                L"detections, 9 events",
                                L"; Tonegate backup, saved 2027-12-31 23:59:58 UTC, sequence 7, 0 "
                                L"detections, 9 events and more"}) {
        EXPECT_FALSE(ReadRegFileSummary(FileBytes(header + line + L"\r\n"))) << line;
    }
}

}  // namespace
}  // namespace core
