// The fixture of Cuebell's main-dialog tests: the real dialog from the program's own
// templates, over in-memory ports by default (standard configuration, two boards), with
// the real message boxes, system or registry where a test asks for them.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "cuebell/resource.h"
#include "cuebell/ui/win32/cuebell_dlg.h"
#include "cuebell_dialog_config.h"
#include "dialog_driver.h"
#include "shared/inmemory/memory_board_driver.h"
#include "shared/inmemory/memory_file_dialog.h"
#include "shared/inmemory/memory_message_box.h"
#include "shared/inmemory/memory_registry.h"
#include "shared/inmemory/memory_system.h"
#include "shared/win32/win32_message_box.h"
#include "shared/win32/win32_registry.h"
#include "shared/win32/win32_system.h"

namespace cuebelltest {

class CuebellDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        boards.boardRates = StandardBoardRates();
        Seed(registry, StandardConfig());
    }

    // Real message boxes, answered by the driver, instead of the scripted ones.
    void UseRealMessageBoxes() { boxes_ = &realBoxes; }
    void UseRealSystem() { system_ = &realSystem; }
    void UseWindowsRegistry() { registry_ = &windowsRegistry; }

    // Runs the main dialog with the script on the driver thread.
    DialogRun Run(const std::function<void(DialogDriver&)>& script) {
        cuebell::CCuebellDlg dialog(
            ::GetModuleHandleW(nullptr),
            cuebell::CuebellPorts{*registry_, *system_, *boxes_, boards, audio, files});
        return RunWithDriver([&] { return dialog.DoModal(nullptr); }, script);
    }

    core::MemoryRegistry registry;
    core::MemorySystem system;
    core::MemoryMessageBox memoryBoxes;
    core::MemoryBoardDriver boards;
    core::MemoryAudioFileInfo audio;
    core::MemoryFileDialog files;
    win32::Win32MessageBox realBoxes;
    win32::Win32System realSystem;
    win32::Win32Registry windowsRegistry;

  private:
    core::RegistryPort* registry_ = &registry;
    core::SystemPort* system_ = &system;
    core::MessageBoxPort* boxes_ = &memoryBoxes;
};

// The main dialog's controls, found once it is shown.
struct MainDialog {
    HWND window = nullptr;
    HWND list = nullptr;
    HWND description = nullptr;

    static MainDialog Wait(DialogDriver& driver) {
        MainDialog dialog;
        dialog.window = driver.WaitForDialog(L"Cuebell");
        if (dialog.window != nullptr) {
            dialog.list = ::GetDlgItem(dialog.window, IDC_ENTRY_LIST);
            dialog.description = ::GetDlgItem(dialog.window, IDC_DESCRIPTION);
        }
        return dialog;
    }
    bool Shown() const { return window != nullptr; }
};

// A top-level window of the playout program's main-window class, as long as it lives
// (destroyed by the thread that made it).
class PlayoutWindow {
  public:
    PlayoutWindow() {
        static bool registered = false;
        if (!registered) {
            WNDCLASSW windowClass{};
            windowClass.lpfnWndProc = ::DefWindowProcW;
            windowClass.hInstance = ::GetModuleHandleW(nullptr);
            windowClass.lpszClassName = L"TAirMainForm";
            registered = ::RegisterClassW(&windowClass) != 0;
        }
        window_ = ::CreateWindowW(L"TAirMainForm", L"Airvexa", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                                  nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    }
    ~PlayoutWindow() { Close(); }
    PlayoutWindow(const PlayoutWindow&) = delete;
    PlayoutWindow& operator=(const PlayoutWindow&) = delete;

    bool Exists() const { return window_ != nullptr; }
    void Close() {
        if (window_ != nullptr) {
            ::DestroyWindow(window_);
            window_ = nullptr;
        }
    }

  private:
    HWND window_ = nullptr;
};

}  // namespace cuebelltest
