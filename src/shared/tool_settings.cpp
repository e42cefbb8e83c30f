#include "tool_settings.h"

#include "format.h"
#include "reg_values.h"
#include "utilities.h"

namespace core {

namespace {

const wchar_t* const kTop = L"Window dialog top";
const wchar_t* const kBottom = L"Window dialog bottom";
const wchar_t* const kLeft = L"Window dialog left";
const wchar_t* const kRight = L"Window dialog right";
const wchar_t* const kWavPath = L"Wav file path";
const wchar_t* const kDefaultWavName = L"sample.wav";

int32_t ReadCoordinate(const ScopedRegKey& key, const wchar_t* name, int32_t defaultValue) {
    uint32_t value = 0;
    if (!ReadRegDword(key, name, &value)) {
        return defaultValue;
    }
    return static_cast<int32_t>(value);  // coordinates left of or above the screen are negative
}

Rect DefaultRect() {
    return Rect{kDefaultLeft, kDefaultTop, kDefaultLeft + kDefaultWidth,
                kDefaultTop + kDefaultHeight};
}

}  // namespace

std::wstring ToolSettingsKey(const std::wstring& toolName) {
    return Format(L"%s%s", L"Software\\Quorvane\\" + toolName, L"\\General");
}

Rect FitToWorkArea(const Rect& stored, const Rect& workArea) {
    // An inverted rectangle cannot be a window's; it is treated like one that does not fit.
    bool fits = stored.bottom <= workArea.bottom && stored.right <= workArea.right &&
                stored.left >= 0 && stored.top >= 0 && stored.right >= stored.left &&
                stored.bottom >= stored.top;
    if (fits) {
        return stored;
    }
    Rect centred;
    centred.bottom = (kDefaultHeight + workArea.bottom - workArea.top) / 2;
    centred.right = (kDefaultWidth + workArea.right - workArea.left) / 2;
    centred.top = centred.bottom - kDefaultHeight;
    centred.left = centred.right - kDefaultWidth;
    return centred;
}

void LoadWindowPlacement(RegistryPort& registry, SystemPort& system, PlacedWindow& window,
                         const std::wstring& settingsKey) {
    ScopedRegKey key(registry);
    if (!key.Open(RegRoot::CurrentUser, settingsKey, RegAccess::Read)) {
        window.MoveWindow(DefaultRect());
        return;
    }
    Rect stored;
    stored.top = ReadCoordinate(key, kTop, kDefaultTop);
    stored.bottom = ReadCoordinate(key, kBottom, kDefaultTop + kDefaultHeight);
    stored.left = ReadCoordinate(key, kLeft, kDefaultLeft);
    stored.right = ReadCoordinate(key, kRight, kDefaultLeft + kDefaultWidth);
    key.Close();
    window.MoveWindow(FitToWorkArea(stored, system.WorkArea()));
}

bool SaveWindowPlacement(RegistryPort& registry, PlacedWindow& window,
                         const std::wstring& settingsKey) {
    ScopedRegKey key(registry);
    if (!key.OpenOrCreate(RegRoot::CurrentUser, settingsKey)) {
        return false;
    }
    Rect rect = window.GetWindowRect();
    bool ok = WriteRegDword(key, kTop, static_cast<uint32_t>(rect.top));
    ok = WriteRegDword(key, kBottom, static_cast<uint32_t>(rect.bottom)) && ok;
    ok = WriteRegDword(key, kLeft, static_cast<uint32_t>(rect.left)) && ok;
    ok = WriteRegDword(key, kRight, static_cast<uint32_t>(rect.right)) && ok;
    return ok;
}

void WindowPlacementSetting::Load(RegistryPort& registry, SystemPort& system,
                                  PlacedWindow& window) {
    LoadWindowPlacement(registry, system, window, settingsKey_);
    loaded_ = true;
}

bool WindowPlacementSetting::Save(RegistryPort& registry, PlacedWindow& window) const {
    return !loaded_ || SaveWindowPlacement(registry, window, settingsKey_);
}

std::wstring LoadWavPath(RegistryPort& registry, SystemPort& system,
                         const std::wstring& settingsKey) {
    ScopedRegKey key(registry);
    if (!key.Open(RegRoot::CurrentUser, settingsKey, RegAccess::Read)) {
        return FileInModuleFolder(system, kDefaultWavName);
    }
    std::wstring path = ReadRegString(key, kWavPath);
    key.Close();
    if (!StartFolderFor(system, path).exists) {
        return FileInModuleFolder(system, kDefaultWavName);
    }
    return path;
}

bool SaveWavPath(RegistryPort& registry, const std::wstring& settingsKey,
                 const std::wstring& path) {
    ScopedRegKey key(registry);
    if (!key.OpenOrCreate(RegRoot::CurrentUser, settingsKey)) {
        return false;
    }
    return WriteRegString(key, kWavPath, path);
}

bool IsPlayoutRunning(SystemPort& system) {
    return system.IsWindowClassPresent(kPlayoutWindowClass);
}

std::wstring GetVersionText(SystemPort& system) {
    std::wstring path = system.ModulePath(260);
    size_t slash = path.rfind(L'\\');
    std::wstring fileName = slash == std::wstring::npos ? path : path.substr(slash + 1);
    size_t dot = fileName.find(L'.');
    if (fileName.empty() || dot == std::wstring::npos) {
        return std::wstring();
    }
    FileVersion version;
    if (!system.GetFileVersion(path, &version)) {
        version = FileVersion{};
    }
    return fileName.substr(0, dot) + L" Version " +
           Format(L"%d.%d.%d.%d", version.major, version.minor, version.build, version.revision);
}

}  // namespace core
