#include "resize_gripper_dialog.h"

namespace win32 {

namespace {

core::Rect ToCore(const RECT& r) {
    return core::Rect{r.left, r.top, r.right, r.bottom};
}

RECT ToWin32(const core::Rect& r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}

}  // namespace

// --- CGripperCtrl

CGripperCtrl::CGripperCtrl()
    : width_(::GetSystemMetrics(SM_CXVSCROLL)), height_(::GetSystemMetrics(SM_CYHSCROLL)) {}

bool CGripperCtrl::Create(HWND dialog) {
    dialog_ = dialog;
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(dialog, GWLP_HINSTANCE));
    HWND grip = ::CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | WS_CLIPSIBLINGS | SBS_SIZEGRIP,
                                  0, 0, width_, height_, dialog, nullptr, instance, nullptr);
    if (grip == nullptr) {
        return false;
    }
    Attach(grip);
    ClipToTriangle();
    SubclassWindow();

    CWindow owner(dialog);
    core::Point origin = core::GripperOrigin(ToCore(owner.GetClientRect()), width_, height_);
    SetWindowPos(HWND_TOP, origin.x, origin.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    // A maximised dialog cannot be resized.
    Enable(!owner.IsZoomed());
    Show(SW_SHOW);
    return true;
}

void CGripperCtrl::ClipToTriangle() {
    HRGN region = ::CreateRectRgn(0, 0, width_, height_);
    if (region == nullptr) {
        return;
    }
    for (const core::Rect& strip : core::GripperCutStrips(width_, height_)) {
        HRGN cut = ::CreateRectRgn(strip.left, strip.top, strip.right, strip.bottom);
        if (cut != nullptr) {
            ::CombineRgn(region, region, cut, RGN_DIFF);
            ::DeleteObject(cut);
        }
    }
    // On success the system owns the region.
    if (!::SetWindowRgn(hwnd_, region, FALSE)) {
        ::DeleteObject(region);
    }
}

void CGripperCtrl::SubclassWindow() {
    LONG_PTR ownProc = ::GetWindowLongPtrW(hwnd_, GWLP_WNDPROC);
    if (ownProc == 0 || !::SetPropW(hwnd_, kProcProperty, reinterpret_cast<HANDLE>(ownProc))) {
        return;  // an unsubclassed gripper is still a size grip
    }
    ::SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&GripperProc));
}

LRESULT CALLBACK CGripperCtrl::GripperProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    WNDPROC ownProc = reinterpret_cast<WNDPROC>(::GetPropW(hwnd, kProcProperty));
    if (ownProc == nullptr) {
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
    switch (message) {
        case WM_NCHITTEST: {
            bool rightToLeft = (::GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
            return core::GripperHitTest(rightToLeft);
        }
        case WM_NCDESTROY:
            ::RemovePropW(hwnd, kProcProperty);
            ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ownProc));
            break;
        default:
            break;
    }
    return ::CallWindowProcW(ownProc, hwnd, message, wParam, lParam);
}

// --- CResizeGripperDialog

void CResizeGripperDialog::SetDialogIcon(HICON big, HICON small) {
    bigIcon_ = big;
    smallIcon_ = small != nullptr ? small : big;
    if (hwnd_ != nullptr) {
        ApplyDialogIcon();
    }
}

void CResizeGripperDialog::ApplyDialogIcon() {
    if (bigIcon_ != nullptr) {
        SetIcon(bigIcon_, true);
        SetIcon(smallIcon_, false);
    }
}

bool CResizeGripperDialog::OnInitDialog() {
    anchors_.clear();
    layoutReady_ = false;
    gripper_.Detach();
    ApplyDialogIcon();
    return true;
}

bool CResizeGripperDialog::AddGripper() {
    if (!gripper_.Create(hwnd_)) {
        return false;
    }
    AddAnchor(gripper_.GetHwnd(), core::AnchorPosition::BottomRight, core::AnchorSize::KeepSize);
    return true;
}

void CResizeGripperDialog::AddAnchor(HWND control, core::AnchorPosition position,
                                     core::AnchorSize size) {
    if (control == nullptr) {
        return;
    }
    anchors_.push_back(Anchor{control, position, size, core::AnchorOffsets{}});
}

void CResizeGripperDialog::AddAnchor(int controlId, core::AnchorPosition position,
                                     core::AnchorSize size) {
    AddAnchor(GetItem(controlId), position, size);
}

void CResizeGripperDialog::InitLayout() {
    resizeDirections_ = core::ResizeDirections::BothFree;
    RECT dialog = GetWindowRect();
    minWidth_ = dialog.right - dialog.left;
    minHeight_ = dialog.bottom - dialog.top;
    for (Anchor& anchor : anchors_) {
        CWindow control(anchor.control);
        anchor.offsets = core::TakeAnchorOffsets(ToCore(dialog), ToCore(control.GetWindowRect()),
                                                 anchor.position);
    }
    layoutReady_ = true;
}

void CResizeGripperDialog::Relayout() {
    if (!layoutReady_) {
        return;
    }
    core::Rect dialog = ToCore(GetWindowRect());
    for (const Anchor& anchor : anchors_) {
        CWindow control(anchor.control);
        if (!control.IsWindow()) {
            continue;
        }
        core::Rect moved = core::AnchoredRect(dialog, ToCore(control.GetWindowRect()),
                                              anchor.offsets, anchor.position, anchor.size);
        control.MoveWindow(ScreenToClient(ToWin32(moved)), true);
        control.Invalidate(true);
    }
}

void CResizeGripperDialog::OnSize(UINT type, int clientWidth, int clientHeight) {
    // A minimised dialog's window rectangle is its icon's: laying the controls out for it
    // would squeeze them to nothing.
    if (type == SIZE_MINIMIZED) {
        return;
    }
    Relayout();
    if (gripper_.IsWindow()) {
        gripper_.Enable(type != SIZE_MAXIMIZED);
    }
}

void CResizeGripperDialog::OnGetMinMaxInfo(MINMAXINFO* info) {
    if (!layoutReady_ || info == nullptr) {
        return;
    }
    core::TrackLimits limits = core::TrackLimitsFor(minWidth_, minHeight_, resizeDirections_);
    info->ptMinTrackSize.x = limits.minWidth;
    info->ptMinTrackSize.y = limits.minHeight;
    if (limits.limitMaxWidth) {
        info->ptMaxTrackSize.x = limits.maxWidth;
    }
    if (limits.limitMaxHeight) {
        info->ptMaxTrackSize.y = limits.maxHeight;
    }
}

}  // namespace win32
