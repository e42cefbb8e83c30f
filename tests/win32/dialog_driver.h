// Driving a program's real main dialog as an operator would: the dialog runs its own modal
// loop on the test's main thread while a driver thread waits for windows, clicks,
// presses keys, reads the list and the description and answers message boxes.
//
// The driver never asserts: it records what went wrong, and the test checks the record
// (and everything else) once the dialog has ended and the driver thread has finished.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace cuebelltest {

// A message box as the operator saw it.
struct SeenBox {
    HWND window = nullptr;
    std::wstring caption;
    std::wstring text;
    bool seen() const { return window != nullptr; }
};

using Rows = std::vector<std::vector<std::wstring>>;

class DialogDriver {
  public:
    explicit DialogDriver(DWORD uiThread) : uiThread_(uiThread) {}

    // A visible dialog (not a message box) of the UI thread with the caption; null (and a
    // recorded failure) when none appears in time.
    HWND WaitForDialog(const std::wstring& caption, DWORD timeoutMs = 10000);
    // True when no such dialog appears within the time.
    bool StaysAway(const std::wstring& caption, DWORD ms);
    bool WaitUntilGone(HWND window, DWORD timeoutMs = 10000);

    // Waits for a message box of the UI thread.
    SeenBox WaitForBox(DWORD timeoutMs = 10000);
    // Waits for a message box, presses the button and waits until it has closed.
    SeenBox Answer(int button, DWORD timeoutMs = 10000);
    bool BoxOpen();

    // A button press that may open a modal window: posted, so the driver goes on.
    void Click(HWND dialog, int id);
    // A button press that opens nothing modal: returns once it has been handled.
    void ClickAndWait(HWND dialog, int id);
    // A key pressed and released in the control (posted).
    void PressKey(HWND control, UINT key);
    // Characters typed into the control where its caret stands; returns once each has
    // been handled.
    void Type(HWND control, const std::wstring& characters);
    // Gives the control of the dialog the focus as the Tab key does; returns once done.
    void Focus(HWND dialog, HWND control);
    // F1 pressed in the window (posted).
    void PressHelp(HWND window);
    // Returns once every message posted before has been handled.
    void Settle(HWND window);

    Rows ReadRows(HWND list);
    int SelectedRow(HWND list);
    void SelectRow(HWND list, int row);
    std::wstring Text(HWND window);

    void Fail(const std::string& what) { failures_.push_back(what); }
    const std::vector<std::string>& Failures() const { return failures_; }

    // Closes what the script left open: boxes with their Cancel, No or OK, dialogs with
    // Cancel, until the UI thread says the dialog has ended.
    void CloseLeftovers(const volatile LONG* dialogEnded);

  private:
    std::vector<HWND> ThreadDialogs();

    DWORD uiThread_;
    std::vector<std::string> failures_;
};

struct DialogRun {
    INT_PTR result = 0;
    bool quitPosted = false;  // the dialog posted WM_QUIT (start-up refused)
    std::vector<std::string> failures;
};

// Runs runModal on this thread and script on a driver thread; returns when both are done.
DialogRun RunWithDriver(const std::function<INT_PTR()>& runModal,
                        const std::function<void(DialogDriver&)>& script);

// gtest's text of a failure list.
std::string Describe(const std::vector<std::string>& failures);

}  // namespace cuebelltest
