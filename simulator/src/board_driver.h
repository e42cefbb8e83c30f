// The simulated board driver: the boards and failures of the configuration read when
// it was created, one board selected at a time (the first, until another is selected).
#pragma once

#include "config/simulator_config.h"
#include "module.h"
#include "shared/win32/cx840_ids.h"

namespace cx840sim {

// Creates the driver for a class factory: fails as configured ("create"), else hands
// out the requested interface.
HRESULT CreateBoardDriver(const core::SimulatorConfig& config, REFIID iid, void** object);

class BoardDriver final : public ICx840Board, public ICx840AudioSettings, private RefCounted {
  public:
    explicit BoardDriver(const core::SimulatorConfig& config);

    // IUnknown, shared by both interfaces.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return AddReference(); }
    ULONG STDMETHODCALLTYPE Release() override {
        ULONG left = DropReference();
        if (left == 0) {
            delete this;
        }
        return left;
    }

    // ICx840Board
    HRESULT STDMETHODCALLTYPE GetBoardCount(long* count) override;
    HRESULT STDMETHODCALLTYPE SelectBoard(long index) override;

    // ICx840AudioSettings
    HRESULT STDMETHODCALLTYPE Reserved3() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reserved4() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reserved5() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reserved6() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reserved7() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reserved8() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reserved9() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reserved10() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reserved11() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reserved12() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Reserved13() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetSampleRate(long* rate) override;

  private:
    const core::SimulatorConfig config_;
    LONG selected_;  // driver index, -1 without boards; read and written atomically
};

}  // namespace cx840sim
