// The board simulator's configuration: which boards it pretends to have and which of
// its operations it makes fail, from two comma-separated texts (the "Boards" and "Fail"
// values of its registry key). Parsing is lenient: an item that cannot be understood
// is ignored, so a typo never takes the simulator down.
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace core {

constexpr int32_t kSimulatorDefaultRate = 48000;
// More boards than any station holds; keeps a runaway value from costing memory.
constexpr size_t kSimulatorMaxBoards = 64;

struct SimulatorConfig {
    std::vector<int32_t> boardRates;  // one sample rate per board, by driver index
    bool failCreate = false;          // the board driver cannot be created
    bool failAudio = false;           // the audio-file component cannot be created
    std::set<int32_t> failSelect;     // driver indexes whose selection fails
    std::set<int32_t> failRate;       // driver indexes whose rate cannot be obtained

    bool SelectFails(int32_t index) const { return failSelect.count(index) != 0; }
    bool RateFails(int32_t index) const { return failRate.count(index) != 0; }
};

// `boards`: absent gives one board at 48000 Hz; a text of blanks only gives no board;
// otherwise each item that is a positive decimal rate (blanks around it allowed, up to
// 2147483647) is one board, in order. `fail`: items "create", "audio", "select:N" and
// "rate:N" (N a driver index from 0), case and blanks around items and numbers ignored.
SimulatorConfig ParseSimulatorConfig(const std::optional<std::wstring>& boards,
                                     const std::optional<std::wstring>& fail);

// A non-negative decimal number of at most 2147483647, blanks around it allowed.
std::optional<int32_t> ParseNonNegativeDecimal(const std::wstring& text);

}  // namespace core
