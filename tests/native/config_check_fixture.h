// What both programs' configuration-check tables share: a case (a station spoiled one way,
// and the findings it must show) and the comparison of the findings with the expected ones.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "shared/config_check.h"

namespace check_testing {

struct ExpectedFinding {
    core::Severity severity;
    std::wstring where;
    std::wstring word;  // a word of the sentence
};

template <typename Station>
struct CheckCase {
    const char* name;
    std::function<void(Station&)> spoil;
    std::vector<ExpectedFinding> findings;
};

template <typename Station>
void PrintTo(const CheckCase<Station>& c, std::ostream* out) {
    *out << c.name;
}

template <typename Station>
std::string CaseName(const ::testing::TestParamInfo<CheckCase<Station>>& info) {
    return info.param.name;
}

// The findings in their order, each with its severity, where, a word of its sentence and a
// record to open.
inline void ExpectFindings(const core::FindingList& findings,
                           const std::vector<ExpectedFinding>& expected) {
    ASSERT_EQ(findings.size(), expected.size());
    for (size_t i = 0; i < findings.size(); ++i) {
        EXPECT_EQ(findings[i].severity, expected[i].severity) << i;
        EXPECT_EQ(findings[i].where, expected[i].where) << i;
        EXPECT_NE(findings[i].sentence.find(expected[i].word), std::wstring::npos)
            << i << ": " << ::testing::PrintToString(findings[i].sentence);
        EXPECT_FALSE(findings[i].records.empty()) << i;
    }
}

constexpr core::Severity E = core::Severity::Error;
constexpr core::Severity W = core::Severity::Warning;
constexpr core::Severity N = core::Severity::Note;

}  // namespace check_testing
