// The four functions every in-process COM server exports.
#include <olectl.h>

#include <new>
#include <string>

#include "audio_file_info.h"
#include "board_driver.h"
#include "class_factory.h"
#include "module.h"

namespace cx840sim {
namespace {

struct ComponentClass {
    const CLSID* clsid;
    const wchar_t* name;
    ComponentCreator creator;
};

const ComponentClass kClasses[] = {
    {&CLSID_Cx840BoardDriver, L"CX840 Board Driver (simulator)", &CreateBoardDriver},
    {&CLSID_Cx840AudioFileInfo, L"CX840 Audio File Information (simulator)", &CreateAudioFileInfo},
};

std::wstring ClassKeyPath(const CLSID& clsid) {
    wchar_t text[64] = {};
    StringFromGUID2(clsid, text, static_cast<int>(sizeof text / sizeof text[0]));
    return std::wstring(L"CLSID\\") + text;
}

// The DLL's full path, however long.
std::wstring ModulePath() {
    std::wstring path(MAX_PATH, L'\0');
    while (path.size() <= 32768) {
        DWORD length =
            GetModuleFileNameW(ModuleHandle(), &path[0], static_cast<DWORD>(path.size()));
        if (length == 0) {
            return std::wstring();
        }
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
    return std::wstring();
}

bool SetText(HKEY key, const wchar_t* name, const std::wstring& text) {
    DWORD bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          bytes) == ERROR_SUCCESS;
}

bool SetKeyText(const std::wstring& path, const wchar_t* name, const std::wstring& text) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    bool ok = SetText(key, name, text);
    RegCloseKey(key);
    return ok;
}

bool RegisterComponent(const ComponentClass& component, const std::wstring& modulePath) {
    const std::wstring classKey = ClassKeyPath(*component.clsid);
    const std::wstring serverKey = classKey + L"\\InprocServer32";
    // "Both": the programs create the components from a multithreaded apartment, and
    // the interfaces have no proxies, so the objects must live in the caller's apartment.
    return SetKeyText(classKey, nullptr, component.name) &&
           SetKeyText(serverKey, nullptr, modulePath) &&
           SetKeyText(serverKey, L"ThreadingModel", L"Both");
}

bool UnregisterComponent(const ComponentClass& component) {
    LONG status = RegDeleteTreeW(HKEY_CLASSES_ROOT, ClassKeyPath(*component.clsid).c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

}  // namespace
}  // namespace cx840sim

using cx840sim::kClasses;

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** object) {
    if (!object) {
        return E_POINTER;
    }
    *object = nullptr;
    for (const cx840sim::ComponentClass& component : kClasses) {
        if (IsEqualCLSID(clsid, *component.clsid)) {
            auto* factory = new (std::nothrow) cx840sim::ClassFactory(component.creator);
            if (!factory) {
                return E_OUTOFMEMORY;
            }
            HRESULT result = factory->QueryInterface(iid, object);
            factory->Release();
            return result;
        }
    }
    return CLASS_E_CLASSNOTAVAILABLE;
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() {
    return cx840sim::CanUnloadModule() ? S_OK : S_FALSE;
}

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer() {
    const std::wstring path = cx840sim::ModulePath();
    if (path.empty()) {
        return SELFREG_E_CLASS;
    }
    for (const cx840sim::ComponentClass& component : kClasses) {
        if (!cx840sim::RegisterComponent(component, path)) {
            return SELFREG_E_CLASS;
        }
    }
    return S_OK;
}

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer() {
    HRESULT result = S_OK;
    for (const cx840sim::ComponentClass& component : kClasses) {
        if (!cx840sim::UnregisterComponent(component)) {
            result = SELFREG_E_CLASS;
        }
    }
    return result;
}
