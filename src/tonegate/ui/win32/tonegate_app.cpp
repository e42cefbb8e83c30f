#include "tonegate/ui/win32/tonegate_app.h"

#include <objbase.h>

#include <commctrl.h>

#include "shared/win32/com_board_driver.h"
#include "shared/win32/win32_message_box.h"
#include "shared/win32/win32_registry.h"
#include "shared/win32/win32_system.h"
#include "tonegate/ui/win32/tonegate_dlg.h"

namespace tonegate {

int CTonegateApp::Run(HINSTANCE instance) {
    // Every class of the lowest flag byte.
    INITCOMMONCONTROLSEX controls{sizeof(controls), 0xFF};
    ::InitCommonControlsEx(&controls);
    // The board driver is a COM object; the thread joins the multithreaded apartment.
    const HRESULT com = ::CoInitializeEx(nullptr, COINIT_MULTITHREADED);

    INT_PTR result;
    {
        win32::Win32Registry registry;
        win32::Win32System system;
        win32::Win32MessageBox boxes;
        core::ComBoardDriverPort boardDriver;
        CTonegateDlg dialog(instance, TonegatePorts{registry, system, boxes, boardDriver});
        result = dialog.DoModal(nullptr);
    }

    if (SUCCEEDED(com)) {
        ::CoUninitialize();
    }
    return result == win32::CDialog::kFailed ? 1 : 0;
}

}  // namespace tonegate
