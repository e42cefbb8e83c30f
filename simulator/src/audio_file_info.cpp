#include "audio_file_info.h"

#include <cstring>
#include <cwchar>
#include <new>

#include "shared/win32/win32_byte_source.h"

namespace cx840sim {

namespace {

class SharedLock {
  public:
    explicit SharedLock(SRWLOCK* lock) : lock_(lock) { AcquireSRWLockShared(lock_); }
    ~SharedLock() { ReleaseSRWLockShared(lock_); }

  private:
    SRWLOCK* lock_;
};

class ExclusiveLock {
  public:
    explicit ExclusiveLock(SRWLOCK* lock) : lock_(lock) { AcquireSRWLockExclusive(lock_); }
    ~ExclusiveLock() { ReleaseSRWLockExclusive(lock_); }

  private:
    SRWLOCK* lock_;
};

void PutU32(BYTE* record, size_t offset, uint32_t value) {
    record[offset] = static_cast<BYTE>(value);
    record[offset + 1] = static_cast<BYTE>(value >> 8);
    record[offset + 2] = static_cast<BYTE>(value >> 16);
    record[offset + 3] = static_cast<BYTE>(value >> 24);
}

// The stream-information record (CX840_STREAM_INFO_SIZE bytes) of a file.
void FillStreamRecord(const core::WavInfo& info, BYTE* record) {
    std::memset(record, 0, CX840_STREAM_INFO_SIZE);
    PutU32(record, CX840_INFO_RECORD_SIZE, CX840_STREAM_INFO_SIZE);
    PutU32(record, CX840_INFO_FORMAT_TAG, info.formatTag);
    PutU32(record, CX840_INFO_CHANNELS, info.channels);
    PutU32(record, CX840_INFO_BITS, info.bitsPerSample);
    PutU32(record, CX840_INFO_BLOCK_ALIGN, info.blockAlign);
    PutU32(record, CX840_INFO_BYTE_RATE, info.byteRate);
    PutU32(record, CX840_INFO_RATE, info.durationRate);
    PutU32(record, CX840_INFO_SAMPLE_RATE, info.sampleRate);
    PutU32(record, CX840_INFO_LENGTH, info.durationCount);
    PutU32(record, CX840_INFO_DATA_BYTES, info.dataBytes);
    PutU32(record, CX840_INFO_UNIT, info.unit == core::DurationUnit::Frames ? 0 : 1);
    PutU32(record, CX840_INFO_SUB_FORMAT, info.effectiveTag);
}

// The result of opening a file whose header reads with this status.
HRESULT OpenResultOf(core::WavStatus status) {
    switch (status) {
        case core::WavStatus::Ok:
            return S_OK;
        case core::WavStatus::NotRiffWave:
            return CX840_E_NOT_WAVE;
        case core::WavStatus::Truncated:
            return CX840_E_TRUNCATED;
        case core::WavStatus::MissingFormat:
            return CX840_E_NO_FORMAT;
    }
    return E_FAIL;
}

}  // namespace

HRESULT CreateAudioFileInfo(const core::SimulatorConfig& config, REFIID iid, void** object) {
    if (config.failAudio) {
        return CX840_E_CONFIGURED_FAILURE;
    }
    AudioFileInfo* component = new (std::nothrow) AudioFileInfo();
    if (!component) {
        return E_OUTOFMEMORY;
    }
    HRESULT result = component->QueryInterface(iid, object);
    component->Release();
    return result;
}

HRESULT AudioFileInfo::QueryInterface(REFIID iid, void** object) {
    if (!object) {
        return E_POINTER;
    }
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_ICx840AudioFileInfo)) {
        *object = static_cast<ICx840AudioFileInfo*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

HRESULT AudioFileInfo::OpenFile(BSTR path) {
    ExclusiveLock guard(&lock_);
    open_ = false;
    // A path with a null unit inside would open a different file than the one named.
    if (!path || path[0] == L'\0' || std::wcslen(path) != SysStringLen(path)) {
        return E_INVALIDARG;
    }
    win32::Win32ByteSource file;
    DWORD error = file.Open(path);
    if (error != ERROR_SUCCESS) {
        return HRESULT_FROM_WIN32(error);
    }
    core::WavParseResult parsed = core::ParseWav(file);
    if (parsed.status != core::WavStatus::Ok) {
        return OpenResultOf(parsed.status);
    }
    info_ = parsed.info;
    open_ = true;
    return S_OK;
}

HRESULT AudioFileInfo::GetStreamCount(long* count) {
    if (!count) {
        return E_POINTER;
    }
    SharedLock guard(&lock_);
    if (!open_) {
        return CX840_E_NOT_OPEN;
    }
    *count = core::WavStreamCount(info_);
    return S_OK;
}

HRESULT AudioFileInfo::GetStreamInfo(long stream, BYTE* buffer, long bufferSize, long* bytesWritten,
                                     long* streamKind) {
    if (!buffer) {
        return E_POINTER;
    }
    if (bufferSize < CX840_STREAM_INFO_SIZE) {
        return HRESULT_FROM_WIN32(ERROR_INSUFFICIENT_BUFFER);
    }
    SharedLock guard(&lock_);
    if (!open_) {
        return CX840_E_NOT_OPEN;
    }
    if (stream < 0 || stream >= core::WavStreamCount(info_)) {
        return E_INVALIDARG;
    }
    if (info_.durationRate == 0) {
        return CX840_E_NO_DURATION;
    }
    FillStreamRecord(info_, buffer);
    if (bytesWritten) {
        *bytesWritten = CX840_STREAM_INFO_SIZE;
    }
    if (streamKind) {
        *streamKind = CX840_STREAM_AUDIO;
    }
    return S_OK;
}

}  // namespace cx840sim
