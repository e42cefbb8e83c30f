#include "board_driver.h"

#include <new>

namespace cx840sim {

HRESULT CreateBoardDriver(const core::SimulatorConfig& config, REFIID iid, void** object) {
    if (config.failCreate) {
        return CX840_E_CONFIGURED_FAILURE;
    }
    BoardDriver* driver = new (std::nothrow) BoardDriver(config);
    if (!driver) {
        return E_OUTOFMEMORY;
    }
    HRESULT result = driver->QueryInterface(iid, object);
    driver->Release();
    return result;
}

BoardDriver::BoardDriver(const core::SimulatorConfig& config)
    : config_(config), selected_(config.boardRates.empty() ? -1 : 0) {}

HRESULT BoardDriver::QueryInterface(REFIID iid, void** object) {
    if (!object) {
        return E_POINTER;
    }
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_ICx840Board)) {
        *object = static_cast<ICx840Board*>(this);
    } else if (IsEqualIID(iid, IID_ICx840AudioSettings)) {
        *object = static_cast<ICx840AudioSettings*>(this);
    } else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

HRESULT BoardDriver::GetBoardCount(long* count) {
    if (!count) {
        return E_POINTER;
    }
    *count = static_cast<long>(config_.boardRates.size());
    return S_OK;
}

HRESULT BoardDriver::SelectBoard(long index) {
    if (index < 0 || static_cast<size_t>(index) >= config_.boardRates.size()) {
        return CX840_E_NO_SUCH_BOARD;
    }
    if (config_.SelectFails(index)) {
        return CX840_E_CONFIGURED_FAILURE;
    }
    InterlockedExchange(&selected_, index);
    return S_OK;
}

HRESULT BoardDriver::GetSampleRate(long* rate) {
    if (!rate) {
        return E_POINTER;
    }
    LONG index = InterlockedCompareExchange(&selected_, 0, 0);
    if (index < 0) {
        return CX840_E_NO_SUCH_BOARD;
    }
    if (config_.RateFails(index)) {
        return CX840_E_CONFIGURED_FAILURE;
    }
    *rate = config_.boardRates[static_cast<size_t>(index)];
    return S_OK;
}

}  // namespace cx840sim
