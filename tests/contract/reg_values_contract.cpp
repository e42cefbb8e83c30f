#include <cmath>
#include <limits>
#include <vector>

#include "contract/registry_contract.h"
#include "shared/reg_values.h"
#include "shared/text.h"

namespace contract {

using core::Bytes;
using core::RegAccess;
using core::RegRoot;
using core::ScopedRegKey;

namespace {

Bytes Text(const std::wstring& text, bool withTerminator = true) {
    return core::ToUtf16Bytes(text, withTerminator);
}

}  // namespace

void RegValuesContractTest::TearDown() {
    key_.reset();
    writeKey_.reset();
    RegistryContractTest::TearDown();
}

void RegValuesContractTest::Store(uint32_t type, const Bytes& data) {
    key_.reset();
    Put(RegRoot::LocalMachine, Path(), L"V", type, data);
    key_ = std::make_unique<ScopedRegKey>(Registry());
    ASSERT_TRUE(key_->Open(RegRoot::LocalMachine, Path(), RegAccess::Read));
}

void RegValuesContractTest::StoreText(const std::wstring& text) {
    Store(core::kRegSz, Text(text));
}

ScopedRegKey& RegValuesContractTest::WriteKey() {
    writeKey_ = std::make_unique<ScopedRegKey>(Registry());
    EXPECT_TRUE(writeKey_->OpenOrCreate(RegRoot::LocalMachine, Path()));
    return *writeKey_;
}

void RegValuesContractTest::Stored(uint32_t* type, Bytes* data) {
    ScopedRegKey reader(Registry());
    ASSERT_TRUE(reader.Open(RegRoot::LocalMachine, Path(), RegAccess::Read));
    ASSERT_EQ(Registry().QueryValue(reader.Get(), L"V", type, data), core::kErrorSuccess);
}

namespace {

TEST_P(RegValuesContractTest, StringsUpTo519CharactersReadThroughTheBuffer) {
    const std::wstring longest(519, L'q');
    StoreText(longest);
    EXPECT_EQ(core::ReadRegString(Key(), L"V"), longest);
    EXPECT_EQ(core::ReadRegStringWhole(Key(), L"V"), longest);
}

TEST_P(RegValuesContractTest, AStringThatDoesNotFitTheBufferReadsEmpty) {
    const std::wstring tooLong(520, L'q');
    StoreText(tooLong);
    EXPECT_EQ(core::ReadRegString(Key(), L"V"), L"");
    // The whole reader is not bound by the buffer.
    EXPECT_EQ(core::ReadRegStringWhole(Key(), L"V"), tooLong);
}

TEST_P(RegValuesContractTest, TheWholeReaderReadsLongValuesCompletely) {
    std::wstring events;
    for (int i = 0; i < 4000; ++i) {
        events += L"1 101 0 WAV_Entry|comment\n";
    }
    StoreText(events);
    EXPECT_EQ(core::ReadRegStringWhole(Key(), L"V"), events);
    EXPECT_EQ(core::ReadRegString(Key(), L"V"), L"");
}

// Values around the size of the Windows registry's first read of a value (2,048 bytes):
// the readers' rules hold whether a value came in one read or two.
struct FirstReadCase {
    const char* label;
    uint32_t type;
    Bytes data;
    std::wstring whole;  // what the whole reader gives; the 520-character reader gives ""
};

TEST_P(RegValuesContractTest, ValuesAroundTheFirstReadKeepTheReadersRules) {
    const std::wstring fits(1023, L'q');
    const std::wstring over(1024, L'q');
    const std::vector<FirstReadCase> cases = {
        {"2,048 bytes with the terminator", core::kRegSz, Text(fits), fits},
        {"2,050 bytes with the terminator", core::kRegSz, Text(over), over},
        {"expandable, 2,050 bytes", core::kRegExpandSz, Text(over), over},
        {"2,048 bytes without a terminator", core::kRegSz, Text(over, false), L""},
        {"2,050 bytes without a terminator", core::kRegSz, Text(over + L"q", false), L""},
        {"2,051 bytes", core::kRegSz,
         [&] {
             Bytes odd = Text(over);
             odd.insert(odd.begin(), 'q');
             return odd;
         }(),
         L""},
        {"binary text of 2,050 bytes", core::kRegBinary, Text(over), L""},
        {"multi-string of 2,052 bytes", core::kRegMultiSz, Text(over + L'\0'), L""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        Store(c.type, c.data);
        EXPECT_EQ(core::ReadRegStringWhole(Key(), L"V"), c.whole);
        EXPECT_EQ(core::ReadRegString(Key(), L"V"), L"");
        EXPECT_EQ(core::ReadRegInt(Key(), L"V", 77), 77);
    }
}

struct UnreadableCase {
    const char* label;
    uint32_t type;
    Bytes data;
};

TEST_P(RegValuesContractTest, ValuesThatAreNotTerminatedTextReadEmpty) {
    const std::vector<UnreadableCase> cases = {
        {"binary holding text", core::kRegBinary, Text(L"12")},
        {"dword", core::kRegDword, Bytes{12, 0, 0, 0}},
        {"multi-string", core::kRegMultiSz, Text(std::wstring(L"12\0", 3))},
        {"none", core::kRegNone, Text(L"12")},
        {"no terminator", core::kRegSz, Text(L"12", false)},
        {"odd byte count", core::kRegSz, Bytes{'1', 0, '2', 0, 0}},
        {"single byte", core::kRegSz, Bytes{0}},
        {"no bytes", core::kRegSz, Bytes{}},
        {"half a terminator", core::kRegSz, Bytes{'1', 0, '2', 0, 0, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        Store(c.type, c.data);
        EXPECT_EQ(core::ReadRegString(Key(), L"V"), L"");
        EXPECT_EQ(core::ReadRegStringWhole(Key(), L"V"), L"");
        EXPECT_EQ(core::ReadRegInt(Key(), L"V", 77), 77);
        EXPECT_EQ(core::ReadRegDouble(Key(), L"V", 0.25), 0.25);
    }
}

TEST_P(RegValuesContractTest, MissingValuesAndClosedKeysReadAsDefaults) {
    StoreText(L"5");
    EXPECT_EQ(core::ReadRegString(Key(), L"Other"), L"");
    EXPECT_EQ(core::ReadRegInt(Key(), L"Other", -1), -1);
    EXPECT_EQ(core::ReadRegLong(Key(), L"Other", 1000), 1000);
    EXPECT_EQ(core::ReadRegDouble(Key(), L"Other", 0.4), 0.4);

    ScopedRegKey notOpen(Registry());
    EXPECT_FALSE(notOpen.Open(RegRoot::LocalMachine, Path(L"Missing"), RegAccess::Read));
    EXPECT_EQ(core::ReadRegString(notOpen, L"V"), L"");
    EXPECT_EQ(core::ReadRegInt(notOpen, L"V", 30), 30);
    EXPECT_EQ(core::ReadRegDouble(notOpen, L"V", 0.4), 0.4);
    uint32_t dword = 99;
    EXPECT_FALSE(core::ReadRegDword(notOpen, L"V", &dword));
    EXPECT_EQ(dword, 99u);
}

TEST_P(RegValuesContractTest, ExpandableStringsAreTakenAsStored) {
    Store(core::kRegExpandSz, Text(L"%SystemRoot%\\media\\chime.wav"));
    EXPECT_EQ(core::ReadRegString(Key(), L"V"), L"%SystemRoot%\\media\\chime.wav");
}

TEST_P(RegValuesContractTest, TextEndsAtItsFirstNull) {
    Store(core::kRegSz, Text(std::wstring(L"12\0"
                                          L"34",
                                          5)));
    EXPECT_EQ(core::ReadRegString(Key(), L"V"), L"12");
    EXPECT_EQ(core::ReadRegInt(Key(), L"V", 0), 12);
}

struct IntCase {
    const wchar_t* text;
    int32_t expected;
};

TEST_P(RegValuesContractTest, IntegersReadTheirLeadingDigits) {
    const std::vector<IntCase> cases = {
        {L"75", 75},
        {L"12abc", 12},
        {L"-5", -5},
        {L"  +7", 7},
        {L"\t42", 42},
        {L"abc", 0},
        {L"-", 0},
        {L"+-3", 0},
        {L"0x1F", 0},
        {L"007", 7},
        {L"12 34", 12},
        {L" ", 0},  // not empty, so not the default: no digits give 0
        {L"2147483647", std::numeric_limits<int32_t>::max()},
        {L"-2147483648", std::numeric_limits<int32_t>::min()},
        {L"99999999999", std::numeric_limits<int32_t>::max()},
        {L"-99999999999", std::numeric_limits<int32_t>::min()},
        {L"123456789012345678901234567890", std::numeric_limits<int32_t>::max()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.text)));
        StoreText(c.text);
        EXPECT_EQ(core::ReadRegInt(Key(), L"V", 63), c.expected);
        EXPECT_EQ(core::ReadRegLong(Key(), L"V", 63), c.expected);
    }
}

TEST_P(RegValuesContractTest, AnEmptyTextGivesTheIntegerDefault) {
    StoreText(L"");
    EXPECT_EQ(core::ReadRegInt(Key(), L"V", 30), 30);
    EXPECT_EQ(core::ReadRegLong(Key(), L"V", -1), -1);
}

struct DoubleCase {
    const wchar_t* text;
    double expected;
};

TEST_P(RegValuesContractTest, DoublesReadTheLongestNumberAndRefuseNegatives) {
    const double kDefault = 0.4;
    const std::vector<DoubleCase> cases = {
        {L"0.400000", 0.4},
        {L"12.5", 12.5},
        {L"-1", kDefault},
        {L"-0.000001", kDefault},
        {L"abc", 0.0},
        {L"1e3", 1000.0},
        {L"1E-2", 0.01},
        {L"1e", 1.0},
        {L"1e+", 1.0},
        {L".5", 0.5},
        {L"5.", 5.0},
        {L".", 0.0},
        {L"  +2.25xyz", 2.25},
        {L"3,5", 3.0},
        {L"", kDefault},
        {L"1e999", kDefault},  // overflow: not a number anything could store again
        {L"1e-999", 0.0},
        {L"inf", 0.0},
        {L"nan", 0.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.text)));
        StoreText(c.text);
        EXPECT_DOUBLE_EQ(core::ReadRegDouble(Key(), L"V", kDefault), c.expected);
    }
}

TEST_P(RegValuesContractTest, NegativeZeroIsNotNegative) {
    StoreText(L"-0");
    double value = core::ReadRegDouble(Key(), L"V", 0.4);
    EXPECT_EQ(value, 0.0);
}

TEST_P(RegValuesContractTest, DwordsAreReadOnlyFromFourByteDwordValues) {
    Store(core::kRegDword, Bytes{0x2C, 0x01, 0, 0});
    uint32_t value = 0;
    EXPECT_TRUE(core::ReadRegDword(Key(), L"V", &value));
    EXPECT_EQ(value, 300u);

    for (const auto& wrong : {UnreadableCase{"text", core::kRegSz, Text(L"300")},
                              UnreadableCase{"short", core::kRegDword, Bytes{0x2C, 0x01}},
                              UnreadableCase{"binary", core::kRegBinary, Bytes{0x2C, 1, 0, 0}}}) {
        SCOPED_TRACE(wrong.label);
        Store(wrong.type, wrong.data);
        value = 7;
        EXPECT_FALSE(core::ReadRegDword(Key(), L"V", &value));
        EXPECT_EQ(value, 7u);
    }
}

struct WriteCase {
    double value;
    const wchar_t* text;
};

TEST_P(RegValuesContractTest, NumbersAreWrittenAsTerminatedText) {
    const std::vector<std::pair<int32_t, const wchar_t*>> ints = {
        {0, L"0"}, {75, L"75"}, {-1, L"-1"}, {std::numeric_limits<int32_t>::min(), L"-2147483648"}};
    for (const auto& c : ints) {
        SCOPED_TRACE(c.first);
        ASSERT_TRUE(core::WriteRegInt(WriteKey(), L"V", c.first));
        uint32_t type = 0;
        Bytes data;
        Stored(&type, &data);
        EXPECT_EQ(type, core::kRegSz);
        EXPECT_EQ(data, Text(c.second));
        EXPECT_EQ(data.size(), 2 * (std::wstring(c.second).size() + 1));
    }
    const std::vector<WriteCase> doubles = {{0.4, L"0.400000"},
                                            {1.5, L"1.500000"},
                                            {10.0, L"10.000000"},
                                            {0.0, L"0.000000"},
                                            {1234567.1234567, L"1234567.123457"}};
    for (const auto& c : doubles) {
        SCOPED_TRACE(c.value);
        ASSERT_TRUE(core::WriteRegDouble(WriteKey(), L"V", c.value));
        uint32_t type = 0;
        Bytes data;
        Stored(&type, &data);
        EXPECT_EQ(type, core::kRegSz);
        EXPECT_EQ(data, Text(c.text));
    }
}

TEST_P(RegValuesContractTest, WrittenNumbersReadBackAsWritten) {
    ASSERT_TRUE(core::WriteRegInt(WriteKey(), L"V", -123456));
    ScopedRegKey reader(Registry());
    ASSERT_TRUE(reader.Open(RegRoot::LocalMachine, Path(), RegAccess::Read));
    EXPECT_EQ(core::ReadRegInt(reader, L"V", 0), -123456);
    ASSERT_TRUE(core::WriteRegDouble(WriteKey(), L"V", 2.75));
    EXPECT_EQ(core::ReadRegDouble(reader, L"V", 0.0), 2.75);
    ASSERT_TRUE(core::WriteRegString(WriteKey(), L"V", L"C:\\Jingles\\\u00e9t\u00e9.wav"));
    EXPECT_EQ(core::ReadRegString(reader, L"V"), L"C:\\Jingles\\\u00e9t\u00e9.wav");
    ASSERT_TRUE(core::WriteRegDword(WriteKey(), L"V", 0xFFFFFFFFu));
    uint32_t dword = 0;
    EXPECT_TRUE(core::ReadRegDword(reader, L"V", &dword));
    EXPECT_EQ(dword, 0xFFFFFFFFu);
}

TEST_P(RegValuesContractTest, WritesThroughAReadOnlyKeyReportFailure) {
    StoreText(L"kept");
    EXPECT_FALSE(core::WriteRegInt(Key(), L"V", 1));
    EXPECT_FALSE(core::WriteRegString(Key(), L"V", L"lost"));
    EXPECT_EQ(core::ReadRegString(Key(), L"V"), L"kept");
}

}  // namespace
}  // namespace contract
