// The dialog base: a dialog made from a template, modal or modeless, whose dialog
// procedure finds its object through the window's user data and hands each message to a
// virtual handler. No C++ exception leaves the dialog procedure. The item helpers are the
// one way a dialog reaches its own controls.
#pragma once

#include <windows.h>

#include "shared/editor_check.h"
#include "shared/message_box_port.h"
#include "window.h"

namespace win32 {

class CDialog : public CWindow {
  public:
    // What DoModal returns when the dialog could not be created or its initialisation
    // failed (the same as DialogBoxParam's failure).
    static constexpr INT_PTR kFailed = -1;

    // A dialog made from in-memory templates only (DoModalIndirect, CreateIndirect).
    CDialog() = default;
    // A dialog made from its template in the resources module.
    CDialog(HINSTANCE resources, int templateId) : resources_(resources), templateId_(templateId) {}
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;
    // A modeless dialog still open is destroyed without calling back into the object.
    ~CDialog() override;

    // Runs the dialog's own modal loop over its owner (none: nullptr); returns the result
    // given to EndDialog, or kFailed.
    INT_PTR DoModal(HWND owner);
    INT_PTR DoModalIndirect(HINSTANCE instance, const DLGTEMPLATE* dialogTemplate, HWND parent);
    // Creates the dialog modeless; the caller's message loop passes its messages through
    // IsDialogMessage.
    bool Create(HWND owner);
    bool CreateIndirect(HINSTANCE instance, const DLGTEMPLATE* dialogTemplate, HWND parent);
    bool IsDialogMessage(MSG* message) const;

    // Ends a modal dialog with the result; destroys a modeless one.
    bool EndDialog(INT_PTR result);
    bool IsModal() const { return modal_; }
    // The result a modeless dialog was ended with.
    INT_PTR Result() const { return result_; }
    // How many handlers have thrown instead of returning.
    int FailedHandlers() const { return failedHandlers_; }
    // The module the template, icons and strings come from.
    HINSTANCE Resources() const { return resources_; }

    // --- Item helpers. An item that does not exist is left alone (and reads as empty,
    // unchecked).
    HWND GetItem(int id) const { return ::GetDlgItem(hwnd_, id); }
    void EnableItem(int id, bool enable) const { ::EnableWindow(GetItem(id), BoolToBOOL(enable)); }
    void ShowItem(int id, bool show) const { ::ShowWindow(GetItem(id), show ? SW_SHOW : SW_HIDE); }
    void CheckButton(int id, bool checked) const {
        ::CheckDlgButton(hwnd_, id, checked ? BST_CHECKED : BST_UNCHECKED);
    }
    bool IsButtonChecked(int id) const { return ::IsDlgButtonChecked(hwnd_, id) == BST_CHECKED; }
    bool SetItemText(int id, const std::wstring& text) const {
        return ::SetDlgItemTextW(hwnd_, id, text.c_str()) != FALSE;
    }
    std::wstring GetItemText(int id) const;
    // Moves the focus the way the Tab key does, so that the control losing it runs its
    // own handling first (an edit's EN_KILLFOCUS) and the default button follows.
    void FocusItem(int id) const;
    // Dialog units of this dialog's font to pixels.
    RECT DialogUnitsToPixels(RECT units) const {
        ::MapDialogRect(hwnd_, &units);
        return units;
    }
    int UnitsToPixelsX(int units) const { return DialogUnitsToPixels(RECT{0, 0, units, 0}).right; }
    int UnitsToPixelsY(int units) const { return DialogUnitsToPixels(RECT{0, 0, 0, units}).bottom; }

  protected:
    // An editor's refused OK: shows the refusal's message owned by the dialog and gives the
    // control it names the focus; the dialog stays open.
    void ShowRefusal(core::MessageBoxPort& boxes, const core::Refusal& refusal);

    // Returns true to let the system give the focus to the first control.
    virtual bool OnInitDialog() { return true; }
    // Every command but OK (1) and Cancel (2), which go to OnOK and OnCancel. Returns true
    // when handled.
    virtual bool OnCommand(int id, int code, HWND control) { return false; }
    // Returns true when handled; *result is the notification's answer.
    virtual bool OnNotify(int id, NMHDR* header, LRESULT* result) { return false; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // The default handling runs after these two.
    virtual void OnSize(UINT type, int clientWidth, int clientHeight) {}
    virtual void OnGetMinMaxInfo(MINMAXINFO* info) {}
    // Return true when handled; otherwise the default handling runs.
    virtual bool OnSysCommand(UINT command, LPARAM lParam) { return false; }
    virtual bool OnHelp(HELPINFO* info) { return false; }
    virtual bool OnPaint() { return false; }
    virtual void OnDestroy() {}
    // Every other message. Returns true when handled, with *result as its answer.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
        return false;
    }

    // Destroys a dialog still open without calling back into the object: for destructors,
    // which must not let the teardown's messages reach a half-destroyed object.
    void DestroyWithoutCallbacks();

  private:
    static BOOL BoolToBOOL(bool value) { return value ? TRUE : FALSE; }
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Answer(UINT message, LRESULT result);
    void HandlerFailed(UINT message);

    HINSTANCE resources_ = nullptr;
    int templateId_ = 0;
    bool modal_ = false;
    INT_PTR result_ = 0;
    int failedHandlers_ = 0;
};

}  // namespace win32
