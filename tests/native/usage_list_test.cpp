// The entries that use a sample or a device, and the numbered list the managers show.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cuebell/editors/usage_list.h"

namespace cuebell {
namespace {

struct UsageListCase {
    std::vector<std::wstring> names;
    std::wstring expected;
};

class UsageListTest : public ::testing::TestWithParam<UsageListCase> {};

TEST_P(UsageListTest, NumbersUpToThreeNamesThenEllipsis) {
    EXPECT_EQ(UsageList(GetParam().names), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Counts, UsageListTest,
    ::testing::Values(UsageListCase{{L"WAV_A"}, L"1) WAV_A."},
                      UsageListCase{{L"WAV_A", L"WAV_B"}, L"1) WAV_A;\n2) WAV_B."},
                      UsageListCase{{L"A", L"B", L"C"}, L"1) A;\n2) B;\n3) C."},
                      UsageListCase{{L"A", L"B", L"C", L"D"}, L"1) A;\n2) B;\n3) C;\n..."},
                      UsageListCase{{L"A", L"B", L"C", L"D", L"E"}, L"1) A;\n2) B;\n3) C;\n..."}));

GpiInfo Entry(const std::wstring& name, const std::wstring& device,
              std::vector<std::wstring> samples) {
    GpiInfo entry;
    entry.Name = name;
    entry.DeviceId = device;
    entry.SampleIds = std::move(samples);
    return entry;
}

TEST(EntriesUsing, FindEachEntryOnceInListOrderByExactIdentifier) {
    GpiInfo news = Entry(L"WAV_News", L"{dev-1}", {L"{s-1}", L"{s-2}", L"{s-1}"});
    GpiInfo sport = Entry(L"WAV_Sport", L"{dev-2}", {L"{S-1}"});
    GpiInfo ads = Entry(L"WAV_Ads", L"{dev-1}", {L"{s-2}", L"{s-1}"});
    const EntryRefs entries{&news, nullptr, &sport, &ads};

    EXPECT_EQ(EntriesUsingSample(entries, L"{s-1}"),
              (std::vector<std::wstring>{L"WAV_News", L"WAV_Ads"}));
    EXPECT_EQ(UsageList(EntriesUsingSample(entries, L"{s-1}")), L"1) WAV_News;\n2) WAV_Ads.");
    EXPECT_EQ(EntriesUsingSample(entries, L"{S-1}"), (std::vector<std::wstring>{L"WAV_Sport"}));
    EXPECT_TRUE(EntriesUsingSample(entries, L"{s-3}").empty());
    EXPECT_EQ(EntriesUsingDevice(entries, L"{dev-1}"),
              (std::vector<std::wstring>{L"WAV_News", L"WAV_Ads"}));
    EXPECT_TRUE(EntriesUsingDevice(entries, L"{DEV-1}").empty());
}

}  // namespace
}  // namespace cuebell
