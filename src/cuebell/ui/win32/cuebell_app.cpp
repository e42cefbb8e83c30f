#include "cuebell/ui/win32/cuebell_app.h"

#include <objbase.h>

#include <commctrl.h>

#include "cuebell/core/legacy_converter.h"
#include "cuebell/ui/win32/cuebell_dlg.h"
#include "shared/win32/com_board_driver.h"
#include "shared/win32/win32_file_dialog.h"
#include "shared/win32/win32_message_box.h"
#include "shared/win32/win32_registry.h"
#include "shared/win32/win32_system.h"

namespace cuebell {

int CCuebellApp::Run(HINSTANCE instance) {
    // Every class of the lowest flag byte.
    INITCOMMONCONTROLSEX controls{sizeof(controls), 0xFF};
    ::InitCommonControlsEx(&controls);
    const HRESULT com = ::CoInitializeEx(nullptr, 0);

    INT_PTR result;
    {
        win32::Win32Registry registry;
        win32::Win32System system;
        win32::Win32MessageBox boxes;
        core::ComBoardDriverPort boardDriver;
        core::ComAudioFileInfoPort audio;
        win32::Win32FileDialog files;
        CCuebellDlg dialog(instance,
                           CuebellPorts{registry, system, boxes, boardDriver, audio, files});
        LegacyConverter legacyConverter(registry, boxes, boardDriver);
        dialog.SetLegacyLayoutStep(&legacyConverter);
        result = dialog.DoModal(nullptr);
    }

    if (SUCCEEDED(com)) {
        ::CoUninitialize();
    }
    return result == win32::CDialog::kFailed ? 1 : 0;
}

}  // namespace cuebell
