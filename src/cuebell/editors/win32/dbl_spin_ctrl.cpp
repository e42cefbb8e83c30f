#include "cuebell/editors/win32/dbl_spin_ctrl.h"

#include <optional>

namespace cuebell {

bool CDblSpinCtrl::AttachDlgItem(HWND dialog, int controlId) {
    dialogHook_.Remove();
    HWND control = ::GetDlgItem(dialog, controlId);
    if (control == nullptr || !dialogHook_.Install(dialog)) {
        return false;
    }
    Attach(control);
    UpdatePositionRange();
    return true;
}

void CDblSpinCtrl::UpdatePositionRange() {
    if (!UpdatePositionCount()) {
        return;
    }
    SetRange32(0, PositionCount());
    SetPos(GetValue());
}

void CDblSpinCtrl::SetValue(double value) {
    win32::CWindow buddy(GetBuddy());
    if (buddy.GetHwnd() != nullptr) {
        buddy.SetText(FormatValue(value));
    }
}

double CDblSpinCtrl::GetValue() const {
    win32::CWindow buddy(GetBuddy());
    return buddy.GetHwnd() != nullptr ? ParseSpinText(buddy.GetText()) : 0.0;
}

void CDblSpinCtrl::SetPos(double value) {
    // Positions never exceed kMaxSpinPositions, so they fit the control's 16 bits.
    if (std::optional<int32_t> position = PositionFor(value)) {
        CUpDown::SetPos(static_cast<short>(*position));
    }
}

void CDblSpinCtrl::OnDeltaPos(const NMUPDOWN& change) {
    SetValue(ValueAfterClick(GetValue(), change.iDelta, Wraps()));
}

LRESULT CDblSpinCtrl::DialogHook::OnHookedMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOTIFY) {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header != nullptr && header->hwndFrom == spin_.GetHwnd() &&
            spin_.GetHwnd() != nullptr && header->code == UDN_DELTAPOS) {
            spin_.OnDeltaPos(*reinterpret_cast<const NMUPDOWN*>(lParam));
        }
    }
    return CallDefault(message, wParam, lParam);
}

}  // namespace cuebell
