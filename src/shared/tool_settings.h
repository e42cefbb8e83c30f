// Per-tool settings under HKEY_CURRENT_USER: the main window's placement and the
// last audio path; the check for the playout program; the version text.
#pragma once

#include <string>
#include <utility>

#include "registry_port.h"
#include "system_port.h"

namespace core {

// "Software\Quorvane\<tool>\General" for a tool name such as "Cuebell".
std::wstring ToolSettingsKey(const std::wstring& toolName);

// The placement used when nothing usable is stored: 300, 200, 30 x 30. The minimum
// size of the resizable dialog raises the size to the template's.
constexpr int32_t kDefaultLeft = 300;
constexpr int32_t kDefaultTop = 200;
constexpr int32_t kDefaultWidth = 30;
constexpr int32_t kDefaultHeight = 30;

// Reads the stored rectangle, fits it to the work area and moves the window there.
void LoadWindowPlacement(RegistryPort& registry, SystemPort& system, PlacedWindow& window,
                         const std::wstring& settingsKey);
// The rectangle LoadWindowPlacement moves to, for a stored rectangle (values missing
// or of another type are absent) and a work area.
Rect FitToWorkArea(const Rect& stored, const Rect& workArea);
bool SaveWindowPlacement(RegistryPort& registry, PlacedWindow& window,
                         const std::wstring& settingsKey);

// The main window's placement over one run of a tool: the teardown writes it back only
// once start-up has read it, so that a start-up refused before that leaves the stored
// placement alone instead of overwriting it with a window that was never placed.
class WindowPlacementSetting {
  public:
    explicit WindowPlacementSetting(std::wstring settingsKey)
        : settingsKey_(std::move(settingsKey)) {}
    void Load(RegistryPort& registry, SystemPort& system, PlacedWindow& window);
    // True, writing nothing, before Load.
    bool Save(RegistryPort& registry, PlacedWindow& window) const;

  private:
    std::wstring settingsKey_;
    bool loaded_ = false;
};

std::wstring LoadWavPath(RegistryPort& registry, SystemPort& system,
                         const std::wstring& settingsKey);
bool SaveWavPath(RegistryPort& registry, const std::wstring& settingsKey, const std::wstring& path);

// The playout program's main window class.
constexpr const wchar_t* kPlayoutWindowClass = L"TAirMainForm";
bool IsPlayoutRunning(SystemPort& system);

// "<program name before its first dot> Version a.b.c.d"; empty when the program's
// file name is empty or has no dot.
std::wstring GetVersionText(SystemPort& system);

}  // namespace core
