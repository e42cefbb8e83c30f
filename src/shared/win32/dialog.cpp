#include "dialog.h"

#include "shared/box_message.h"

namespace win32 {

namespace {

// Messages whose answer is the dialog procedure's return value itself rather than
// DWLP_MSGRESULT.
bool AnswersDirectly(UINT message) {
    switch (message) {
        case WM_INITDIALOG:
        case WM_CHARTOITEM:
        case WM_COMPAREITEM:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
        case WM_QUERYDRAGICON:
        case WM_VKEYTOITEM:
            return true;
        default:
            return false;
    }
}

}  // namespace

CDialog::~CDialog() {
    DestroyWithoutCallbacks();
}

void CDialog::DestroyWithoutCallbacks() {
    if (hwnd_ != nullptr && ::IsWindow(hwnd_)) {
        ::SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
        ::DestroyWindow(hwnd_);
    }
    hwnd_ = nullptr;
}

std::wstring CDialog::GetItemText(int id) const {
    HWND item = GetItem(id);
    return item != nullptr ? CWindow(item).GetText() : std::wstring();
}

void CDialog::FocusItem(int id) const {
    HWND item = GetItem(id);
    if (item != nullptr) {
        // lParam TRUE: wParam is the control to focus, not a direction.
        SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(item), TRUE);
    }
}

void CDialog::ShowRefusal(core::MessageBoxPort& boxes, const core::Refusal& refusal) {
    core::ShowBoxMessage(boxes, reinterpret_cast<core::WindowHandle>(hwnd_), refusal.message);
    if (refusal.focusControl != 0) {
        FocusItem(refusal.focusControl);
    }
}

INT_PTR CDialog::DoModal(HWND owner) {
    if (hwnd_ != nullptr || templateId_ == 0) {
        return kFailed;
    }
    modal_ = true;
    INT_PTR result = ::DialogBoxParamW(resources_, MAKEINTRESOURCEW(templateId_), owner, DialogProc,
                                       reinterpret_cast<LPARAM>(this));
    modal_ = false;
    return result;
}

INT_PTR CDialog::DoModalIndirect(HINSTANCE instance, const DLGTEMPLATE* dialogTemplate,
                                 HWND parent) {
    if (hwnd_ != nullptr || dialogTemplate == nullptr) {
        return kFailed;
    }
    modal_ = true;
    INT_PTR result = ::DialogBoxIndirectParamW(instance, dialogTemplate, parent, DialogProc,
                                               reinterpret_cast<LPARAM>(this));
    modal_ = false;
    return result;
}

bool CDialog::Create(HWND owner) {
    if (hwnd_ != nullptr || templateId_ == 0) {
        return false;
    }
    modal_ = false;
    HWND hwnd = ::CreateDialogParamW(resources_, MAKEINTRESOURCEW(templateId_), owner, DialogProc,
                                     reinterpret_cast<LPARAM>(this));
    return hwnd != nullptr && hwnd == hwnd_;
}

bool CDialog::CreateIndirect(HINSTANCE instance, const DLGTEMPLATE* dialogTemplate, HWND parent) {
    if (hwnd_ != nullptr || dialogTemplate == nullptr) {
        return false;
    }
    modal_ = false;
    HWND hwnd = ::CreateDialogIndirectParamW(instance, dialogTemplate, parent, DialogProc,
                                             reinterpret_cast<LPARAM>(this));
    return hwnd != nullptr && hwnd == hwnd_;
}

bool CDialog::IsDialogMessage(MSG* message) const {
    return hwnd_ != nullptr && ::IsDialogMessageW(hwnd_, message) != FALSE;
}

bool CDialog::EndDialog(INT_PTR result) {
    if (hwnd_ == nullptr) {
        return false;
    }
    result_ = result;
    if (modal_) {
        return ::EndDialog(hwnd_, result) != FALSE;
    }
    return ::DestroyWindow(hwnd_) != FALSE;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CDialog* dialog = nullptr;
    if (message == WM_INITDIALOG) {
        dialog = reinterpret_cast<CDialog*>(lParam);
        ::SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        if (dialog != nullptr) {
            dialog->hwnd_ = hwnd;
        }
    } else {
        dialog = reinterpret_cast<CDialog*>(::GetWindowLongPtrW(hwnd, DWLP_USER));
    }
    // Messages sent before WM_INITDIALOG (WM_SETFONT, ...) get the default handling.
    if (dialog == nullptr) {
        return FALSE;
    }
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(hwnd, DWLP_USER, 0);
        dialog->hwnd_ = nullptr;
        return FALSE;
    }
    try {
        return dialog->Dispatch(message, wParam, lParam);
    } catch (...) {
        // Unwinding through the system's code would leave it in an undefined state.
        dialog->HandlerFailed(message);
        return FALSE;
    }
}

void CDialog::HandlerFailed(UINT message) {
    ++failedHandlers_;
    // A dialog whose initialisation did not finish must not stay open half set up.
    if (message == WM_INITDIALOG) {
        EndDialog(kFailed);
    }
}

INT_PTR CDialog::Answer(UINT message, LRESULT result) {
    if (AnswersDirectly(message)) {
        return static_cast<INT_PTR>(result);
    }
    ::SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR CDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            return OnInitDialog() ? TRUE : FALSE;
        case WM_COMMAND: {
            int id = LOWORD(wParam);
            int code = HIWORD(wParam);
            HWND control = reinterpret_cast<HWND>(lParam);
            if (id == IDOK && code == BN_CLICKED) {
                OnOK();
                return TRUE;
            }
            if (id == IDCANCEL && code == BN_CLICKED) {
                OnCancel();
                return TRUE;
            }
            return OnCommand(id, code, control) ? TRUE : FALSE;
        }
        case WM_NOTIFY: {
            NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
            LRESULT result = 0;
            if (header != nullptr && OnNotify(static_cast<int>(header->idFrom), header, &result)) {
                return Answer(message, result);
            }
            return FALSE;
        }
        case WM_SIZE:
            OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
            return FALSE;
        case WM_GETMINMAXINFO:
            OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam));
            return FALSE;
        case WM_SYSCOMMAND:
            return OnSysCommand(static_cast<UINT>(wParam), lParam) ? TRUE : FALSE;
        case WM_HELP:
            return OnHelp(reinterpret_cast<HELPINFO*>(lParam)) ? TRUE : FALSE;
        case WM_PAINT:
            return OnPaint() ? TRUE : FALSE;
        case WM_DESTROY:
            OnDestroy();
            return FALSE;
        default: {
            LRESULT result = 0;
            if (OnMessage(message, wParam, lParam, &result)) {
                return Answer(message, result);
            }
            return FALSE;
        }
    }
}

}  // namespace win32
