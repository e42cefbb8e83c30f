#include "memory_board_driver.h"

namespace core {

namespace {

constexpr long kFail = -2147467259;  // E_FAIL

class MemoryBoard : public BoardDriver {
  public:
    explicit MemoryBoard(MemoryBoardDriver& owner) : owner_(owner) { ++owner_.liveCount; }
    ~MemoryBoard() override { --owner_.liveCount; }

    long GetBoardCount(int32_t* count) override {
        *count = static_cast<int32_t>(owner_.boardRates.size());
        return 0;
    }
    long SelectBoard(int32_t index) override {
        if (index < 0 || static_cast<size_t>(index) >= owner_.boardRates.size() ||
            owner_.failSelect.count(index)) {
            return kFail;
        }
        selected_ = index;
        return 0;
    }
    long GetSampleRate(int32_t* rate) override {
        if (selected_ < 0 || owner_.failRate.count(selected_)) {
            return kFail;
        }
        *rate = owner_.boardRates[static_cast<size_t>(selected_)];
        return 0;
    }

  private:
    MemoryBoardDriver& owner_;
    int32_t selected_ = -1;
};

}  // namespace

std::unique_ptr<BoardDriver> MemoryBoardDriver::Create() {
    ++createCount;
    if (failCreate) {
        return nullptr;
    }
    return std::make_unique<MemoryBoard>(*this);
}

double MemoryAudioFileInfo::GetAudioFileDuration(const std::wstring& path) {
    auto it = durations.find(path);
    return it == durations.end() ? kAudioInfoCannotOpen : it->second;
}

}  // namespace core
