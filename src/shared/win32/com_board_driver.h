// The board maker's two COM components reached through COM: the board driver and the
// audio-file information component. COM must be initialised on the calling thread.
#pragma once

#include <memory>
#include <string>

#include "shared/board_driver_port.h"

namespace core {

class ComBoardDriverPort : public BoardDriverPort {
  public:
    // The driver returned holds the board interface until it is destroyed.
    std::unique_ptr<BoardDriver> Create() override;
};

class ComAudioFileInfoPort : public AudioFileInfoPort {
  public:
    // Creates the component, reads the file's first stream and releases the component
    // before returning.
    double GetAudioFileDuration(const std::wstring& path) override;
    // One component for every file asked through the port returned.
    std::unique_ptr<AudioFileInfoPort> ForManyFiles() override;
};

// Play length from a stream-information record of `recordSize` bytes: the unsigned
// 32-bit value at byte 32 divided by the one at byte 24; kAudioInfoNoStreamInfo when
// the record is too short or the divisor is 0.
double DurationFromStreamRecord(const unsigned char* record, size_t recordSize);

}  // namespace core
