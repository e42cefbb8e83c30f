// The simulated audio-file information component: opens a WAV file, keeps what its
// header says, and reports its one audio stream.
#pragma once

#include "config/simulator_config.h"
#include "module.h"
#include "shared/wav_info.h"
#include "shared/win32/cx840_ids.h"

namespace cx840sim {

// Creates the component for a class factory: fails as configured ("audio"), else hands
// out the requested interface.
HRESULT CreateAudioFileInfo(const core::SimulatorConfig& config, REFIID iid, void** object);

class AudioFileInfo final : public ICx840AudioFileInfo, private RefCounted {
  public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return AddReference(); }
    ULONG STDMETHODCALLTYPE Release() override {
        ULONG left = DropReference();
        if (left == 0) {
            delete this;
        }
        return left;
    }

    HRESULT STDMETHODCALLTYPE Reserved3() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reserved4() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reserved5() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reserved6() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reserved7() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reserved8() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reserved9() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetStreamCount(long* count) override;
    HRESULT STDMETHODCALLTYPE Reserved11() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetStreamInfo(long stream, BYTE* buffer, long bufferSize,
                                            long* bytesWritten, long* streamKind) override;
    HRESULT STDMETHODCALLTYPE Reserved13() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reserved14() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reserved15() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reserved16() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reserved17() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reserved18() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reserved19() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reserved20() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reserved21() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reserved22() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reserved23() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OpenFile(BSTR path) override;

  private:
    // The component may be called from several threads ("Both" threading model).
    SRWLOCK lock_ = SRWLOCK_INIT;
    bool open_ = false;  // a file was opened successfully and its information is kept
    core::WavInfo info_;
};

}  // namespace cx840sim
