// A program's About box: its template (with the icon), and the texts its owner puts into
// the template's controls as it opens: the version text and the year-and-maker notice.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "dialog.h"

namespace win32 {

struct AboutBoxText {
    int control;
    std::wstring text;
};

class CAboutDlg : public CDialog {
  public:
    // The template and the icon come from the resources module.
    CAboutDlg(HINSTANCE resources, int templateId, std::vector<AboutBoxText> texts);

  protected:
    bool OnInitDialog() override;
    // F1 inside the box does nothing (and does not reach the owner).
    bool OnHelp(HELPINFO*) override { return true; }

  private:
    std::vector<AboutBoxText> texts_;
};

}  // namespace win32
