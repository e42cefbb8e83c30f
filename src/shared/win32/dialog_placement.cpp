#include "dialog_placement.h"

namespace win32 {

namespace {

core::Rect ToCore(const RECT& r) {
    return core::Rect{r.left, r.top, r.right, r.bottom};
}

// The restored rectangle in screen coordinates: the placement's normal position is given
// in work-area coordinates, which are offset by the task bars on the top or left.
bool RestoredRect(HWND window, RECT* rect) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    if (!::GetWindowPlacement(window, &placement)) {
        return false;
    }
    *rect = placement.rcNormalPosition;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (::GetMonitorInfoW(::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) {
        ::OffsetRect(rect, monitor.rcWork.left - monitor.rcMonitor.left,
                     monitor.rcWork.top - monitor.rcMonitor.top);
    }
    return true;
}

}  // namespace

core::Rect DialogPlacement::GetWindowRect() {
    const HWND window = window_.GetHwnd();
    RECT rect{0, 0, 0, 0};
    if ((::IsIconic(window) || ::IsZoomed(window)) && RestoredRect(window, &rect)) {
        return ToCore(rect);
    }
    if (!::GetWindowRect(window, &rect)) {
        rect = RECT{0, 0, 0, 0};
    }
    return ToCore(rect);
}

void DialogPlacement::MoveWindow(const core::Rect& rect) {
    ::MoveWindow(window_.GetHwnd(), rect.left, rect.top, rect.right - rect.left,
                 rect.bottom - rect.top, TRUE);
}

}  // namespace win32
