// Cuebell's About box (template 100): the icon, the version text and the notice.
#pragma once

#include <windows.h>

#include "shared/system_port.h"
#include "shared/win32/dialog.h"

namespace cuebell {

class CAboutDlg : public win32::CDialog {
  public:
    // The template and the icon come from the resources module.
    CAboutDlg(HINSTANCE resources, core::SystemPort& system);

  protected:
    bool OnInitDialog() override;
    // F1 inside the box does nothing (and does not reach the owner).
    bool OnHelp(HELPINFO*) override { return true; }

  private:
    core::SystemPort& system_;
};

}  // namespace cuebell
