#include "simulator_config.h"

#include <limits>

#include "shared/text.h"

namespace core {

namespace {

std::vector<std::wstring> SplitItems(const std::wstring& text) {
    std::vector<std::wstring> items;
    size_t start = 0;
    while (true) {
        size_t comma = text.find(L',', start);
        items.push_back(Trim(text.substr(start, comma - start)));
        if (comma == std::wstring::npos) {
            return items;
        }
        start = comma + 1;
    }
}

// "select:2" with prefix "select:" gives 2; anything else gives nothing.
std::optional<int32_t> IndexAfter(const std::wstring& item, const std::wstring& prefix) {
    if (item.size() < prefix.size() || !EqualsNoCase(item.substr(0, prefix.size()), prefix)) {
        return std::nullopt;
    }
    return ParseNonNegativeDecimal(item.substr(prefix.size()));
}

}  // namespace

std::optional<int32_t> ParseNonNegativeDecimal(const std::wstring& text) {
    std::wstring digits = Trim(text);
    if (digits.empty()) {
        return std::nullopt;
    }
    int64_t value = 0;
    for (wchar_t c : digits) {
        if (!IsDigit(c)) {
            return std::nullopt;
        }
        value = value * 10 + (c - L'0');
        if (value > std::numeric_limits<int32_t>::max()) {
            return std::nullopt;
        }
    }
    return static_cast<int32_t>(value);
}

SimulatorConfig ParseSimulatorConfig(const std::optional<std::wstring>& boards,
                                     const std::optional<std::wstring>& fail) {
    SimulatorConfig config;
    if (!boards) {
        config.boardRates.push_back(kSimulatorDefaultRate);
    } else {
        for (const std::wstring& item : SplitItems(*boards)) {
            std::optional<int32_t> rate = ParseNonNegativeDecimal(item);
            if (rate && *rate > 0 && config.boardRates.size() < kSimulatorMaxBoards) {
                config.boardRates.push_back(*rate);
            }
        }
    }

    if (fail) {
        for (const std::wstring& item : SplitItems(*fail)) {
            if (EqualsNoCase(item, L"create")) {
                config.failCreate = true;
            } else if (EqualsNoCase(item, L"audio")) {
                config.failAudio = true;
            } else if (std::optional<int32_t> index = IndexAfter(item, L"select:")) {
                config.failSelect.insert(*index);
            } else if (std::optional<int32_t> index = IndexAfter(item, L"rate:")) {
                config.failRate.insert(*index);
            }
        }
    }
    return config;
}

}  // namespace core
