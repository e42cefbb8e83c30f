// In-memory board driver and audio-file information for tests: boards with their
// rates, and failures of creation, selection and rate queries on demand.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "../board_driver_port.h"

namespace core {

class MemoryBoardDriver : public BoardDriverPort {
  public:
    // One rate per board, board index 0 first.
    std::vector<int32_t> boardRates{48000};
    bool failCreate = false;
    std::set<int32_t> failSelect;  // driver indices whose selection fails
    std::set<int32_t> failRate;    // driver indices whose rate cannot be obtained

    int createCount = 0;  // how often the driver was created
    int liveCount = 0;    // instances not yet released

    std::unique_ptr<BoardDriver> Create() override;
};

class MemoryAudioFileInfo : public AudioFileInfoPort {
  public:
    std::map<std::wstring, double> durations;  // path -> seconds or a negative result
    double GetAudioFileDuration(const std::wstring& path) override;
};

}  // namespace core
