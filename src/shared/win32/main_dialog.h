// What every main dialog does beyond resizing: it carries the program's icon (big and
// small, set once), offers the About box in the system menu and on F1 (but never over a
// box of the delete command) and draws the icon while minimised, and it is placed where
// the operator left it through Placement(). The derived dialog passes its template, the
// string of the About item and where its About box shows what.
#pragma once

#include <windows.h>

#include "dialog_placement.h"
#include "resize_gripper_dialog.h"
#include "shared/string_table.h"
#include "shared/system_port.h"

namespace win32 {

// A program's About box: its template, the controls of the version text and of the
// year-and-maker notice, the program's string table and the system (for the version).
struct AboutBoxSource {
    int templateId;
    int versionControl;
    int noticeControl;
    const core::StringTable& strings;
    core::SystemPort& system;
};

class CMainDialog : public CResizeGripperDialog {
  public:
    // The program's icon resource, in both programs.
    static constexpr int kMainIconId = 128;
    // The system-menu command of the About item (its low four bits are the system's).
    static constexpr UINT kAboutBoxCommand = 0x0010;

    // Loads both icons at once, so that they are ready before the window is.
    CMainDialog(HINSTANCE resources, int templateId, int aboutItemTextId,
                const AboutBoxSource& about);
    // A dialog still open goes before its icons do.
    ~CMainDialog() override;

  protected:
    // Base initialisation and the About item. Derived dialogs call it first.
    bool OnInitDialog() override;
    bool OnSysCommand(UINT command, LPARAM lParam) override;
    bool OnPaint() override;
    // F1 shows the About box, unless a box of the delete command is open.
    bool OnHelp(HELPINFO* info) override;
    // Answers the drag-icon query; derived dialogs pass on what they do not handle.
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    // True while a box of the delete command is open.
    virtual bool DeleteBoxOpen() const { return false; }

    // The dialog as the tool settings see it, for loading and saving its placement.
    core::PlacedWindow& Placement() { return placement_; }

  private:
    // Shows the About box modally over this dialog.
    void ShowAbout();
    // A separator and the About item at the end of the system menu, unless there is no
    // menu or no text.
    void AddAboutMenuItem();
    void DrawMinimisedIcon();

    int aboutItemTextId_;
    AboutBoxSource about_;
    HICON bigIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
    DialogPlacement placement_{*this};
};

}  // namespace win32
