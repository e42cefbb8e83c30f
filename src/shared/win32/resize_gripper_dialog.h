// The resizable main dialog: anchored child controls follow the dialog's corners when it
// changes size, the dialog cannot become smaller than it started, and a size gripper sits
// in the lower-right corner. Derived dialogs add the gripper and their anchors in their
// initialisation and then call InitLayout.
#pragma once

#include <windows.h>

#include <vector>

#include "dialog.h"
#include "shared/layout.h"
#include "window.h"

namespace win32 {

// A size-grip scroll bar clipped to the triangle below its diagonal, subclassed so that it
// reports itself as the dialog's lower corner.
class CGripperCtrl : public CWindow {
  public:
    // The window property that keeps the scroll bar's own window procedure.
    static constexpr const wchar_t* kProcProperty = L"ResizableGrip";

    CGripperCtrl();
    int Width() const { return width_; }
    int Height() const { return height_; }
    HWND Dialog() const { return dialog_; }
    // Creates, shapes, subclasses, places and shows the gripper; false when the window
    // cannot be created.
    bool Create(HWND dialog);

  private:
    static LRESULT CALLBACK GripperProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void ClipToTriangle();
    void SubclassWindow();

    int width_;
    int height_;
    HWND dialog_ = nullptr;
};

// One row of a dialog's table of the controls that follow its size.
struct ControlAnchor {
    int id;
    core::AnchorPosition position;
    core::AnchorSize size;
};

class CResizeGripperDialog : public CDialog {
  public:
    CResizeGripperDialog() = default;
    CResizeGripperDialog(HINSTANCE resources, int templateId) : CDialog(resources, templateId) {}

    bool LayoutReady() const { return layoutReady_; }
    int MinWidth() const { return minWidth_; }
    int MinHeight() const { return minHeight_; }
    core::ResizeDirections GetResizeDirections() const { return resizeDirections_; }
    void SetResizeDirections(core::ResizeDirections directions) { resizeDirections_ = directions; }
    CGripperCtrl& Gripper() { return gripper_; }
    // The icons set as the dialog's big and small icon at initialisation (and at once when
    // the dialog is open); without a small one the big one is both. Not owned.
    void SetDialogIcon(HICON big, HICON small = nullptr);
    HICON DialogIcon() const { return bigIcon_; }

  protected:
    // Base initialisation: forgets any earlier layout and sets the icons. Derived dialogs
    // call it first.
    bool OnInitDialog() override;
    void OnSize(UINT type, int clientWidth, int clientHeight) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;

    bool AddGripper();
    // A control that does not exist is not anchored.
    void AddAnchor(HWND control, core::AnchorPosition position, core::AnchorSize size);
    void AddAnchor(int controlId, core::AnchorPosition position, core::AnchorSize size);
    // A dialog's table of anchored controls, registered in its order.
    template <size_t N>
    void AddAnchors(const ControlAnchor (&anchors)[N]) {
        for (const ControlAnchor& anchor : anchors) {
            AddAnchor(anchor.id, anchor.position, anchor.size);
        }
    }
    // Takes every anchor's size and distances, makes the current window size the minimum
    // and starts following size changes.
    void InitLayout();
    void Relayout();

  private:
    struct Anchor {
        HWND control;
        core::AnchorPosition position;
        core::AnchorSize size;
        core::AnchorOffsets offsets;
    };

    std::vector<Anchor> anchors_;
    bool layoutReady_ = false;
    int minWidth_ = 0;
    int minHeight_ = 0;
    core::ResizeDirections resizeDirections_ = core::ResizeDirections::BothFree;
    CGripperCtrl gripper_;
    void ApplyDialogIcon();

    HICON bigIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
};

}  // namespace win32
