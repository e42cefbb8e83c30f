#include "cuebell/ui/win32/window_placement.h"

namespace cuebell {

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
    RECT rect{0, 0, 0, 0};
    if ((::IsIconic(window_) || ::IsZoomed(window_)) && RestoredRect(window_, &rect)) {
        return ToCore(rect);
    }
    if (!::GetWindowRect(window_, &rect)) {
        rect = RECT{0, 0, 0, 0};
    }
    return ToCore(rect);
}

void DialogPlacement::MoveWindow(const core::Rect& rect) {
    ::MoveWindow(window_, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 TRUE);
}

}  // namespace cuebell
