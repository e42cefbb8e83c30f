#include "cuebell/ui/win32/about_dlg.h"

#include "cuebell/core/about_notice.h"
#include "cuebell/resource.h"
#include "shared/tool_settings.h"

namespace cuebell {

INT_PTR CAboutDlg::DoModal(HINSTANCE resources, HWND owner) {
    return CDialog::DoModal(resources, IDD_ABOUTBOX, owner);
}

bool CAboutDlg::OnInitDialog() {
    SetItemText(IDC_VERSION_TEXT, core::GetVersionText(system_));
    SetItemText(IDC_NOTICE_TEXT, AboutNotice(CurrentLocalYear()));
    return true;
}

}  // namespace cuebell
