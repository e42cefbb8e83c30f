#include "shared/string_table.h"

#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>

#include "cuebell/model/cuebell_strings.h"
#include "tonegate/model/tonegate_strings.h"

namespace {

using core::LoadText;
using core::StringEntry;
using core::StringTable;

TEST(StringTableTest, LoadTextFindsEveryEntryAndFallsBackForOthers) {
    static constexpr StringEntry kEntries[] = {
        {7, L"seven"}, {101, L"&About..."}, {10000, L"Name"}};
    const StringTable table(kEntries);

    EXPECT_EQ(LoadText(table, 7), L"seven");
    EXPECT_EQ(LoadText(table, 101), L"&About...");
    EXPECT_EQ(LoadText(table, 10000), L"Name");
    EXPECT_EQ(LoadText(table, 0), L"UNTRANSLATED");
    EXPECT_EQ(LoadText(table, 10001), L"UNTRANSLATED");
    EXPECT_EQ(LoadText(table, -1), L"UNTRANSLATED");
    EXPECT_EQ(table.Find(8), nullptr);
}

TEST(StringTableTest, UniqueIdCheckSeesARepeatedIdentifier) {
    static constexpr StringEntry kRepeated[] = {{1, L"a"}, {2, L"b"}, {1, L"c"}};
    static constexpr StringEntry kDistinct[] = {{1, L"a"}, {2, L"b"}, {3, L"c"}};
    static_assert(!core::HasUniqueIds(kRepeated));
    static_assert(core::HasUniqueIds(kDistinct));
}

struct ProgramTable {
    const char* program;
    const StringTable& (*table)();
};

void PrintTo(const ProgramTable& table, std::ostream* out) {
    *out << table.program;
}

class ProgramStringTableTest : public ::testing::TestWithParam<ProgramTable> {};

TEST_P(ProgramStringTableTest, EveryIdentifierOnceAndEveryTextPresent) {
    const StringTable& table = GetParam().table();
    ASSERT_GT(table.size(), 30u);
    std::set<int> seen;
    for (const StringEntry& entry : table) {
        EXPECT_TRUE(seen.insert(entry.id).second) << "identifier " << entry.id << " repeated";
        ASSERT_NE(entry.text, nullptr) << entry.id;
        EXPECT_NE(std::wstring(entry.text), L"") << entry.id;
        // A doubled escape would leave a visible backslash; no text holds one.
        EXPECT_EQ(std::wstring(entry.text).find(L'\\'), std::wstring::npos) << entry.id;
        EXPECT_EQ(LoadText(table, entry.id), entry.text);
    }
}

INSTANTIATE_TEST_SUITE_P(Programs, ProgramStringTableTest,
                         ::testing::Values(ProgramTable{"Cuebell", &cuebell::CuebellStrings},
                                           ProgramTable{"Tonegate", &tonegate::TonegateStrings}),
                         [](const auto& info) { return std::string(info.param.program); });

struct ExactText {
    const StringTable& (*table)();
    int id;
    const wchar_t* text;
};

void PrintTo(const ExactText& text, std::ostream* out) {
    *out << "string " << text.id;
}

class ExactTextTest : public ::testing::TestWithParam<ExactText> {};

TEST_P(ExactTextTest, TextIsAsTheMessagesNeedIt) {
    EXPECT_EQ(LoadText(GetParam().table(), GetParam().id), GetParam().text);
}

// Texts whose exact form matters: formats with their conversions in order, trailing
// blanks, line feeds, quotes, and the texts the two programs give one identifier.
INSTANTIATE_TEST_SUITE_P(
    Cuebell, ExactTextTest,
    ::testing::Values(
        ExactText{&cuebell::CuebellStrings, 10055,
                  L"For the detection entry '%s' (board #%d), the same one from VeZev%s but "
                  L"assigned to a different board (#%d) will be deleted!"},
        ExactText{&cuebell::CuebellStrings, 10117,
                  L"The repeating detection entry '%s' from VeZev%s will be deleted!"},
        ExactText{&cuebell::CuebellStrings, 10056, L"Set VeZev info "},
        ExactText{&cuebell::CuebellStrings, 10036,
                  L"No CX840 board found! \nPlease check that at least one CX840 board is "
                  L"installed in the system and is working properly.\nThe application will be "
                  L"closed."},
        ExactText{&cuebell::CuebellStrings, 10104,
                  L"The wav file '%s' has a duration of %05.2f s.\nA wav file duration cannot "
                  L"be less than %05.2f s!"},
        ExactText{&cuebell::CuebellStrings, 10091, L"Cannot delete the selected device: "},
        ExactText{&cuebell::CuebellStrings, 10042, L"%d (default)"},
        ExactText{&cuebell::CuebellStrings, 10004, L"Threshold (%)"},
        ExactText{&cuebell::CuebellStrings, 10049, L"Wait command"},
        ExactText{&cuebell::CuebellStrings, 101, L"&About Cuebell..."}));

INSTANTIATE_TEST_SUITE_P(
    Tonegate, ExactTextTest,
    ::testing::Values(
        ExactText{&tonegate::TonegateStrings, 10008, L"Wait command"},
        ExactText{&tonegate::TonegateStrings, 10049, L"Cue-tone (DTMF) signal"},
        ExactText{&tonegate::TonegateStrings, 10041, L"Set VeZev info "},
        ExactText{&tonegate::TonegateStrings, 10046,
                  L"Insert only \"0-9\", \"A\", \"B\", \"C\", \"D\", \"#\" and \"*\" symbols for "
                  L"cue-tone (DTMF) signal!"},
        ExactText{&tonegate::TonegateStrings, 10066,
                  L"Do not find any CX840 board!\nPlease check that at least one CX840 board is "
                  L"installed in the system and is working properly!\nThe application will be "
                  L"closed."},
        ExactText{&tonegate::TonegateStrings, 10040,
                  L"For the '%s' detected signal (board #%d), the same one from VeZev%s but "
                  L"assigned to a different board (#%d) will be deleted!"},
        ExactText{&tonegate::TonegateStrings, 101, L"&About Tonegate..."},
        // Cuebell has 10001 ("Action"); Tonegate's Action column is 10002.
        ExactText{&tonegate::TonegateStrings, 10001, L"UNTRANSLATED"},
        ExactText{&tonegate::TonegateStrings, 10117, L"UNTRANSLATED"}));

TEST(ProgramStringIdsTest, ConstantsOfBothProgramsCoexistAndNameTheirOwnTexts) {
    EXPECT_EQ(cuebell::IDS_WAIT_COMMAND, 10049);
    EXPECT_EQ(tonegate::IDS_WAIT_COMMAND, 10008);
    EXPECT_EQ(LoadText(cuebell::CuebellStrings(), cuebell::IDS_PLAYOUT_RUNNING_AT_START),
              L"Airvexa is detected and must be closed before starting the Cuebell application!");
    EXPECT_EQ(LoadText(tonegate::TonegateStrings(), tonegate::IDS_PLAYOUT_RUNNING_AT_START),
              L"Airvexa is detected and must be closed before starting of the Tonegate "
              L"application!");
    // Tonegate's fixed refusal to save says what Cuebell's string 10058 says.
    EXPECT_EQ(LoadText(cuebell::CuebellStrings(), cuebell::IDS_PLAYOUT_RUNNING_AT_SAVE),
              tonegate::kPlayoutRunningAtSaveText);
}

}  // namespace
