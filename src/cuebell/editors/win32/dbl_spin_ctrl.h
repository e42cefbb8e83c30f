// CDblSpinCtrl: an up-down control that steps a floating-point value shown as text in its
// buddy edit. The buddy's text is the value; the spin keeps the real range, the step and
// the display precision (the DblSpin fields, set by the dialog directly) and maps the
// value onto the control's integer positions, so that the arrow keys and the thumb behave.
//
// Clicks: the up-down reports each click to its parent dialog as UDN_DELTAPOS (WM_NOTIFY).
// When attached, the spin subclasses that dialog (several spins may share one) and sees
// its own notification before the dialog does: it writes the new value into the buddy,
// then passes the notification on to the dialog unchanged. The dialog's answer is the
// notification's result: 0 when the dialog leaves it alone, so the up-down also moves its
// integer position as usual. Every other message reaches the dialog untouched.
//
// The up-down needs no UDS_SETBUDDYINT (it would overwrite the text with its integer
// position); UDS_WRAP makes the value wrap at the limits.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "cuebell/editors/dbl_spin.h"
#include "shared/win32/controls.h"
#include "shared/win32/subclass.h"

namespace cuebell {

class CDblSpinCtrl : public win32::CUpDown, public DblSpin {
  public:
    CDblSpinCtrl() : dialogHook_(*this) {}
    CDblSpinCtrl(const CDblSpinCtrl&) = delete;
    CDblSpinCtrl& operator=(const CDblSpinCtrl&) = delete;

    // Binds the spin to the dialog's up-down control and recomputes the position range.
    // False when there is no such control or its dialog cannot be subclassed.
    bool AttachDlgItem(HWND dialog, int controlId);

    // Recomputes the position count and sets the control's range to 0..count and its
    // position from the buddy's value. With a step of 0 nothing changes.
    void UpdatePositionRange();
    // The buddy's text becomes the formatted value; nothing happens without a buddy.
    void SetValue(double value);
    // The buddy's text read as a number (0.0 when it is none, or without a buddy).
    double GetValue() const;
    // Sets the control's integer position from a value; unchanged when minimum equals
    // maximum. Callers that change the value call SetValue and then SetPos with it.
    void SetPos(double value);

  private:
    // Sees the dialog's messages first, for the spin's own UDN_DELTAPOS.
    class DialogHook : public win32::CSubclassHook {
      public:
        explicit DialogHook(CDblSpinCtrl& spin) : spin_(spin) {}

      protected:
        LRESULT OnHookedMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
        // The dialog is gone: so is the control.
        void OnHookRemoved() override { spin_.Detach(); }

      private:
        CDblSpinCtrl& spin_;
    };

    void OnDeltaPos(const NMUPDOWN& change);
    bool Wraps() const { return (GetStyle() & UDS_WRAP) != 0; }

    DialogHook dialogHook_;
};

}  // namespace cuebell
