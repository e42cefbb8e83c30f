#include "main_dialog.h"

#include <string>

#include "about_dlg.h"
#include "shared/about_notice.h"
#include "shared/tool_settings.h"

namespace win32 {

namespace {

HICON LoadIconOfSize(HINSTANCE module, int widthMetric, int heightMetric) {
    return static_cast<HICON>(::LoadImageW(module, MAKEINTRESOURCEW(CMainDialog::kMainIconId),
                                           IMAGE_ICON, ::GetSystemMetrics(widthMetric),
                                           ::GetSystemMetrics(heightMetric), LR_DEFAULTCOLOR));
}

// The string as the resources module holds it; empty when it has none.
std::wstring LoadResourceString(HINSTANCE module, int id) {
    const wchar_t* start = nullptr;
    // A length of 0 asks for a read-only pointer into the resource itself.
    const int length =
        ::LoadStringW(module, static_cast<UINT>(id), reinterpret_cast<LPWSTR>(&start), 0);
    return length > 0 && start != nullptr ? std::wstring(start, static_cast<size_t>(length))
                                          : std::wstring();
}

}  // namespace

CMainDialog::CMainDialog(HINSTANCE resources, int templateId, int aboutItemTextId,
                         const AboutBoxSource& about)
    : CResizeGripperDialog(resources, templateId),
      aboutItemTextId_(aboutItemTextId),
      about_(about),
      bigIcon_(LoadIconOfSize(resources, SM_CXICON, SM_CYICON)),
      smallIcon_(LoadIconOfSize(resources, SM_CXSMICON, SM_CYSMICON)) {
    SetDialogIcon(bigIcon_, smallIcon_);
}

CMainDialog::~CMainDialog() {
    DestroyWithoutCallbacks();
    if (bigIcon_ != nullptr) {
        ::DestroyIcon(bigIcon_);
    }
    if (smallIcon_ != nullptr) {
        ::DestroyIcon(smallIcon_);
    }
}

bool CMainDialog::OnInitDialog() {
    CResizeGripperDialog::OnInitDialog();
    AddAboutMenuItem();
    return true;
}

void CMainDialog::AddAboutMenuItem() {
    HMENU menu = GetSystemMenu(false);
    const std::wstring item = LoadResourceString(Resources(), aboutItemTextId_);
    if (menu == nullptr || item.empty()) {
        return;
    }
    ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(menu, MF_STRING, kAboutBoxCommand, item.c_str());
}

bool CMainDialog::OnSysCommand(UINT command, LPARAM) {
    if ((command & 0xFFF0) == kAboutBoxCommand) {
        ShowAbout();
        return true;
    }
    return false;
}

void CMainDialog::ShowAbout() {
    CAboutDlg box(
        Resources(), about_.templateId,
        {{about_.versionControl, core::GetVersionText(about_.system)},
         {about_.noticeControl, core::AboutNotice(about_.strings, core::CurrentLocalYear())}});
    box.DoModal(hwnd_);
}

bool CMainDialog::OnHelp(HELPINFO*) {
    if (!DeleteBoxOpen()) {
        ShowAbout();
    }
    return true;
}

bool CMainDialog::OnPaint() {
    if (!IsIconic()) {
        return false;
    }
    DrawMinimisedIcon();
    return true;
}

void CMainDialog::DrawMinimisedIcon() {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(hwnd_, &paint);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc));
    const RECT client = GetClientRect();
    const int x = (client.right - client.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    ::DrawIcon(dc, x, y, bigIcon_);
    ::EndPaint(hwnd_, &paint);
}

bool CMainDialog::OnMessage(UINT message, WPARAM, LPARAM, LRESULT* result) {
    if (message == WM_QUERYDRAGICON) {
        *result = reinterpret_cast<LRESULT>(bigIcon_);
        return true;
    }
    return false;
}

}  // namespace win32
