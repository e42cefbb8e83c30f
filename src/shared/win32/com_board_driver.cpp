#include "com_board_driver.h"

#include <windows.h>

#include <cstring>

#include "shared/win32/cx840_ids.h"

namespace core {

namespace {

// Owns one interface pointer and releases it when it goes out of scope, so that every
// interface is released before the operation that obtained it returns.
template <typename Interface>
class ComRef {
  public:
    ComRef() = default;
    ~ComRef() { Reset(); }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;

    Interface* operator->() const { return pointer_; }
    Interface* get() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }
    void** out() {
        Reset();
        return reinterpret_cast<void**>(&pointer_);
    }
    void Reset() {
        if (pointer_) {
            pointer_->Release();
            pointer_ = nullptr;
        }
    }

  private:
    Interface* pointer_ = nullptr;
};

// Frees a BSTR when it goes out of scope.
class ScopedBstr {
  public:
    explicit ScopedBstr(BSTR text) : text_(text) {}
    ~ScopedBstr() { SysFreeString(text_); }
    ScopedBstr(const ScopedBstr&) = delete;
    ScopedBstr& operator=(const ScopedBstr&) = delete;
    BSTR get() const { return text_; }

  private:
    BSTR text_;
};

template <typename Interface>
HRESULT CreateComponent(const CLSID& clsid, const IID& iid, ComRef<Interface>* component) {
    return CoCreateInstance(clsid, nullptr, CX840_CLSCTX, iid, component->out());
}

class ComBoardDriver : public BoardDriver {
  public:
    explicit ComBoardDriver(ICx840Board* board) : board_(board) {}
    ~ComBoardDriver() override { board_->Release(); }
    ComBoardDriver(const ComBoardDriver&) = delete;
    ComBoardDriver& operator=(const ComBoardDriver&) = delete;

    long GetBoardCount(int32_t* count) override {
        long value = 0;  // what the caller sees when the driver does not answer
        HRESULT result = board_->GetBoardCount(&value);
        if (count) {
            *count = static_cast<int32_t>(value);
        }
        return result;
    }

    long SelectBoard(int32_t index) override { return board_->SelectBoard(index); }

    long GetSampleRate(int32_t* rate) override {
        ComRef<ICx840AudioSettings> settings;
        HRESULT result = board_->QueryInterface(IID_ICx840AudioSettings, settings.out());
        if (FAILED(result)) {
            return result;
        }
        if (!settings) {
            return E_NOINTERFACE;
        }
        long value = rate ? *rate : 0;
        result = settings->GetSampleRate(&value);
        if (SUCCEEDED(result) && rate) {
            *rate = static_cast<int32_t>(value);
        }
        return result;
    }

  private:
    ICx840Board* board_;
};

uint32_t ReadU32(const unsigned char* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

}  // namespace

std::unique_ptr<BoardDriver> ComBoardDriverPort::Create() {
    ComRef<ICx840Board> board;
    if (FAILED(CreateComponent(CLSID_Cx840BoardDriver, IID_ICx840Board, &board)) || !board) {
        return nullptr;
    }
    ICx840Board* raw = board.get();
    raw->AddRef();  // the driver object takes its own reference; `board` drops this one
    return std::make_unique<ComBoardDriver>(raw);
}

double DurationFromStreamRecord(const unsigned char* record, size_t recordSize) {
    if (!record || recordSize < CX840_INFO_LENGTH + 4) {
        return kAudioInfoNoStreamInfo;
    }
    const uint32_t divisor = ReadU32(record + CX840_INFO_RATE);
    if (divisor == 0) {
        return kAudioInfoNoStreamInfo;
    }
    return static_cast<double>(ReadU32(record + CX840_INFO_LENGTH)) / static_cast<double>(divisor);
}

namespace {

// The play length of the file's first stream, asked of a component already created.
double DurationOfFile(ICx840AudioFileInfo* info, const std::wstring& path) {
    // A path with a null unit inside cannot be passed whole, and a BSTR that cannot be
    // allocated is out of memory: either way the file cannot be opened.
    if (path.find(L'\0') != std::wstring::npos) {
        return kAudioInfoCannotOpen;
    }
    ScopedBstr bstrPath(SysAllocString(path.c_str()));
    if (!bstrPath.get() || FAILED(info->OpenFile(bstrPath.get()))) {
        return kAudioInfoCannotOpen;
    }

    long streams = 0;
    if (FAILED(info->GetStreamCount(&streams))) {
        return kAudioInfoNoStreamCount;
    }
    if (streams <= 0) {
        return kAudioInfoNoStreams;
    }

    unsigned char record[CX840_STREAM_INFO_SIZE] = {};
    long written = 0;
    long kind = 0;
    if (FAILED(info->GetStreamInfo(0, record, CX840_STREAM_INFO_SIZE, &written, &kind))) {
        return kAudioInfoNoStreamInfo;
    }
    return DurationFromStreamRecord(record, sizeof record);
}

// Creates the component for the first file and keeps it for the others; a component
// that cannot be created is not tried again.
class ComAudioFileInfoForManyFiles final : public AudioFileInfoPort {
  public:
    double GetAudioFileDuration(const std::wstring& path) override {
        if (!tried_) {
            tried_ = true;
            if (FAILED(
                    CreateComponent(CLSID_Cx840AudioFileInfo, IID_ICx840AudioFileInfo, &info_))) {
                info_.Reset();
            }
        }
        return info_ ? DurationOfFile(info_.get(), path) : kAudioInfoCannotCreate;
    }

  private:
    ComRef<ICx840AudioFileInfo> info_;
    bool tried_ = false;
};

}  // namespace

double ComAudioFileInfoPort::GetAudioFileDuration(const std::wstring& path) {
    ComRef<ICx840AudioFileInfo> info;
    if (FAILED(CreateComponent(CLSID_Cx840AudioFileInfo, IID_ICx840AudioFileInfo, &info)) ||
        !info) {
        return kAudioInfoCannotCreate;
    }
    return DurationOfFile(info.get(), path);
}

std::unique_ptr<AudioFileInfoPort> ComAudioFileInfoPort::ForManyFiles() {
    return std::make_unique<ComAudioFileInfoForManyFiles>();
}

}  // namespace core
