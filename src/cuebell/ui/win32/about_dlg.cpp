#include "cuebell/ui/win32/about_dlg.h"

#include "cuebell/core/about_notice.h"
#include "cuebell/resource.h"
#include "shared/tool_settings.h"

namespace cuebell {

CAboutDlg::CAboutDlg(HINSTANCE resources, core::SystemPort& system)
    : CDialog(resources, IDD_ABOUTBOX), system_(system) {}

bool CAboutDlg::OnInitDialog() {
    SetItemText(IDC_VERSION_TEXT, core::GetVersionText(system_));
    SetItemText(IDC_NOTICE_TEXT, AboutNotice(CurrentLocalYear()));
    return true;
}

}  // namespace cuebell
