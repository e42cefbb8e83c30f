// The main window as the tool settings see it: a rectangle in screen coordinates that is
// read when the window closes and set when it opens.
#pragma once

#include <windows.h>

#include "shared/system_port.h"

namespace cuebell {

class DialogPlacement : public core::PlacedWindow {
  public:
    explicit DialogPlacement(HWND window) : window_(window) {}

    // The window's rectangle; for a minimised or maximised window the rectangle it is
    // restored to, so that the next start does not open as an icon-sized or oversized
    // window.
    core::Rect GetWindowRect() override;
    void MoveWindow(const core::Rect& rect) override;

  private:
    HWND window_;
};

}  // namespace cuebell
