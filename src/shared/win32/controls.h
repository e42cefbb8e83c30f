// The controls the dialogs use, one small class per kind, each method named after the
// message it sends. None owns its window.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "window.h"

namespace win32 {

class CHeader : public CWindow {
  public:
    using CWindow::CWindow;
    int GetItemCount() const;
    // False when the item does not exist.
    bool GetItemParam(int index, LPARAM* param) const;
    bool SetItemParam(int index, LPARAM param);
};

class CListView : public CWindow {
  public:
    using CWindow::CWindow;

    // Returns the new column's position, -1 on failure.
    int InsertColumn(int index, const std::wstring& title, int width, int format = LVCFMT_LEFT);
    bool DeleteColumn(int index);
    CHeader GetHeader() const;

    // Returns the new item's position, -1 on failure.
    int InsertItem(int index, const std::wstring& text, LPARAM data = 0);
    bool SetItemText(int item, int subItem, const std::wstring& text);
    std::wstring GetItemText(int item, int subItem) const;
    bool DeleteItem(int item);
    bool DeleteAllItems();
    int GetItemCount() const;

    int GetNextItem(int start, UINT flags) const;
    int GetSelectedIndex() const { return GetNextItem(-1, LVNI_SELECTED); }
    int GetSelectionMark() const;
    int SetSelectionMark(int item);
    // Item -1 sets the state of every item.
    bool SetItemState(int item, UINT state, UINT mask);
    UINT GetItemState(int item, UINT mask) const;
    // Selects and focuses the item and makes it the selection mark.
    bool SelectItem(int item);
    bool EnsureVisible(int item, bool partialOk = false);

    // 0 when the item does not exist.
    LPARAM GetItemData(int item) const;
    bool SetItemData(int item, LPARAM data);

    DWORD SetExtendedListViewStyle(DWORD mask, DWORD style);
    DWORD GetExtendedListViewStyle() const;

    // Check boxes: state image 2 is checked, 1 unchecked.
    bool GetCheckState(int item) const;
    bool SetCheckState(int item, bool checked);
};

// True when a list view's item-changed notification says an item's selection changed
// (the list also reports every cell text it is given).
inline bool SelectionChanged(const NMLISTVIEW& change) {
    return (change.uChanged & LVIF_STATE) != 0 &&
           ((change.uOldState ^ change.uNewState) & LVIS_SELECTED) != 0;
}

class CComboBox : public CWindow {
  public:
    using CWindow::CWindow;
    // Return the item's position, or CB_ERR / CB_ERRSPACE.
    int AddString(const std::wstring& text);
    int InsertString(int index, const std::wstring& text);
    int DeleteString(int index);
    void ResetContent();
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);
    // Empty when the item does not exist.
    std::wstring GetLBText(int index) const;
    int FindStringExact(int startAfter, const std::wstring& text) const;
    LPARAM GetItemData(int index) const;
    bool SetItemData(int index, LPARAM data);
};

class CEdit : public CWindow {
  public:
    using CWindow::CWindow;
    void LimitText(int maxChars);
    void SetSel(int start, int end);
    // The end of the selection: where the caret stands.
    int GetCaret() const;
    void ReplaceSel(const std::wstring& text, bool canUndo = false);
    bool SetReadOnly(bool readOnly);
    bool GetModify() const;
    void SetModify(bool modified);
};

class CButton : public CWindow {
  public:
    using CWindow::CWindow;
    int GetCheck() const;
    void SetCheck(int state);
    void Click();
};

class CStatic : public CWindow {
  public:
    using CWindow::CWindow;
    HICON SetIcon(HICON icon);
};

class CUpDown : public CWindow {
  public:
    using CWindow::CWindow;
    void SetRange32(int low, int high);
    void GetRange32(int* low, int* high) const;
    int SetPos32(int position);
    // The 16-bit position; returns the previous one.
    int SetPos(short position);
    // False when the buddy's text is not a position in range.
    bool GetPos32(int* position) const;
    HWND SetBuddy(HWND buddy);
    HWND GetBuddy() const;
    bool SetAccel(const UDACCEL* accels, int count);
};

}  // namespace win32
