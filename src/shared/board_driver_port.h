// The board maker's two COM components, as the programs use them. Each object is
// created on demand and released when the calling operation ends.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace core {

// One instance of the board driver. Results are COM HRESULTs: negative is failure.
class BoardDriver {
  public:
    virtual ~BoardDriver() = default;
    virtual long GetBoardCount(int32_t* count) = 0;
    virtual long SelectBoard(int32_t index) = 0;
    // Asks the audio-settings interface for the selected board's rate; a failure to
    // obtain that interface is reported as a failure here.
    virtual long GetSampleRate(int32_t* rate) = 0;
};

class BoardDriverPort {
  public:
    virtual ~BoardDriverPort() = default;
    // Creates the board driver; null when it cannot be created.
    virtual std::unique_ptr<BoardDriver> Create() = 0;
};

// Results of GetAudioFileDuration below 0.
constexpr double kAudioInfoCannotCreate = -1;
constexpr double kAudioInfoCannotOpen = -2;
constexpr double kAudioInfoNoStreamCount = -3;
constexpr double kAudioInfoNoStreams = -4;
constexpr double kAudioInfoNoStreamInfo = -5;

class AudioFileInfoPort {
  public:
    virtual ~AudioFileInfoPort() = default;
    // Play length of the file in seconds, or one of the negative results above.
    virtual double GetAudioFileDuration(const std::wstring& path) = 0;
    // A port for many files in a row (the configuration check): the component is created
    // once, for the first file, and released with the port. By default it asks this one.
    virtual std::unique_ptr<AudioFileInfoPort> ForManyFiles();
};

// Asks another port, file by file.
class ForwardingAudioFileInfo final : public AudioFileInfoPort {
  public:
    explicit ForwardingAudioFileInfo(AudioFileInfoPort& port) : port_(port) {}
    double GetAudioFileDuration(const std::wstring& path) override {
        return port_.GetAudioFileDuration(path);
    }

  private:
    AudioFileInfoPort& port_;
};

inline std::unique_ptr<AudioFileInfoPort> AudioFileInfoPort::ForManyFiles() {
    return std::make_unique<ForwardingAudioFileInfo>(*this);
}

}  // namespace core
