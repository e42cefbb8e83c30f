// The class factory of both components. Every creation reads the configuration anew.
#pragma once

#include "config/simulator_config.h"
#include "module.h"
#include "shared/win32/cx840_ids.h"

namespace cx840sim {

using ComponentCreator = HRESULT (*)(const core::SimulatorConfig& config, REFIID iid,
                                     void** object);

class ClassFactory final : public IClassFactory, private RefCounted {
  public:
    explicit ClassFactory(ComponentCreator creator) : creator_(creator) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return AddReference(); }
    ULONG STDMETHODCALLTYPE Release() override {
        ULONG left = DropReference();
        if (left == 0) {
            delete this;
        }
        return left;
    }

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

  private:
    ComponentCreator creator_;
};

}  // namespace cx840sim
