// A main dialog as the tool settings see it: a rectangle in screen coordinates that is
// read when the dialog closes and set when it opens.
#pragma once

#include <windows.h>

#include "shared/system_port.h"
#include "window.h"

namespace win32 {

class DialogPlacement : public core::PlacedWindow {
  public:
    // Follows the window: the handle is read at every call, so the placement may be made
    // before the window exists.
    explicit DialogPlacement(const CWindow& window) : window_(window) {}

    // The window's rectangle; for a minimised or maximised window the rectangle it is
    // restored to, so that the next start does not open as an icon-sized or oversized
    // window.
    core::Rect GetWindowRect() override;
    void MoveWindow(const core::Rect& rect) override;

  private:
    const CWindow& window_;
};

}  // namespace win32
