#include "controls.h"

#include <vector>

namespace win32 {

namespace {

// The list view copies at most the buffer size less one; a copy that filled the buffer may
// have been cut, so the buffer grows until the text fits with room to spare.
constexpr size_t kFirstTextBuffer = 256;
constexpr size_t kLargestTextBuffer = 1 << 20;

wchar_t* Writable(const std::wstring& text) {
    return const_cast<wchar_t*>(text.c_str());
}

}  // namespace

// --- CHeader

int CHeader::GetItemCount() const {
    return static_cast<int>(SendMessage(HDM_GETITEMCOUNT));
}

bool CHeader::GetItemParam(int index, LPARAM* param) const {
    HDITEMW item{};
    item.mask = HDI_LPARAM;
    if (!SendMessage(HDM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item))) {
        return false;
    }
    *param = item.lParam;
    return true;
}

bool CHeader::SetItemParam(int index, LPARAM param) {
    HDITEMW item{};
    item.mask = HDI_LPARAM;
    item.lParam = param;
    return SendMessage(HDM_SETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)) !=
           0;
}

// --- CListView

int CListView::InsertColumn(int index, const std::wstring& title, int width, int format) {
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.fmt = format;
    column.cx = width;
    column.pszText = Writable(title);
    column.iSubItem = index;
    return static_cast<int>(SendMessage(LVM_INSERTCOLUMNW, static_cast<WPARAM>(index),
                                        reinterpret_cast<LPARAM>(&column)));
}

bool CListView::DeleteColumn(int index) {
    return SendMessage(LVM_DELETECOLUMN, static_cast<WPARAM>(index)) != 0;
}

CHeader CListView::GetHeader() const {
    return CHeader(reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER)));
}

int CListView::InsertItem(int index, const std::wstring& text, LPARAM data) {
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = index;
    item.pszText = Writable(text);
    item.lParam = data;
    return static_cast<int>(SendMessage(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

bool CListView::SetItemText(int item, int subItem, const std::wstring& text) {
    LVITEMW cell{};
    cell.iSubItem = subItem;
    cell.pszText = Writable(text);
    return SendMessage(LVM_SETITEMTEXTW, static_cast<WPARAM>(item),
                       reinterpret_cast<LPARAM>(&cell)) != 0;
}

std::wstring CListView::GetItemText(int item, int subItem) const {
    if (item < 0 || item >= GetItemCount()) {
        return std::wstring();
    }
    for (size_t size = kFirstTextBuffer; size <= kLargestTextBuffer; size *= 2) {
        std::vector<wchar_t> buffer(size, L'\0');
        LVITEMW cell{};
        cell.iSubItem = subItem;
        cell.pszText = buffer.data();
        cell.cchTextMax = static_cast<int>(size);
        LRESULT copied = SendMessage(LVM_GETITEMTEXTW, static_cast<WPARAM>(item),
                                     reinterpret_cast<LPARAM>(&cell));
        if (copied < 0) {
            return std::wstring();
        }
        if (static_cast<size_t>(copied) < size - 1) {
            // The list may answer with its own text instead of filling the buffer.
            const wchar_t* text = cell.pszText != nullptr ? cell.pszText : buffer.data();
            return std::wstring(text, static_cast<size_t>(copied));
        }
    }
    return std::wstring();
}

bool CListView::DeleteItem(int item) {
    return SendMessage(LVM_DELETEITEM, static_cast<WPARAM>(item)) != 0;
}

bool CListView::DeleteAllItems() {
    return SendMessage(LVM_DELETEALLITEMS) != 0;
}

int CListView::GetItemCount() const {
    return static_cast<int>(SendMessage(LVM_GETITEMCOUNT));
}

int CListView::GetNextItem(int start, UINT flags) const {
    return static_cast<int>(
        SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(start), MAKELPARAM(flags, 0)));
}

int CListView::GetSelectionMark() const {
    return static_cast<int>(SendMessage(LVM_GETSELECTIONMARK));
}

int CListView::SetSelectionMark(int item) {
    return static_cast<int>(SendMessage(LVM_SETSELECTIONMARK, 0, item));
}

bool CListView::SetItemState(int item, UINT state, UINT mask) {
    LVITEMW change{};
    change.state = state;
    change.stateMask = mask;
    return SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(item),
                       reinterpret_cast<LPARAM>(&change)) != 0;
}

UINT CListView::GetItemState(int item, UINT mask) const {
    return static_cast<UINT>(SendMessage(LVM_GETITEMSTATE, static_cast<WPARAM>(item), mask));
}

bool CListView::SelectItem(int item) {
    const UINT selected = LVIS_SELECTED | LVIS_FOCUSED;
    if (!SetItemState(item, selected, selected)) {
        return false;
    }
    SetSelectionMark(item);
    return true;
}

bool CListView::EnsureVisible(int item, bool partialOk) {
    return SendMessage(LVM_ENSUREVISIBLE, static_cast<WPARAM>(item), partialOk ? TRUE : FALSE) != 0;
}

LPARAM CListView::GetItemData(int item) const {
    LVITEMW query{};
    query.mask = LVIF_PARAM;
    query.iItem = item;
    if (!SendMessage(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&query))) {
        return 0;
    }
    return query.lParam;
}

bool CListView::SetItemData(int item, LPARAM data) {
    LVITEMW change{};
    change.mask = LVIF_PARAM;
    change.iItem = item;
    change.lParam = data;
    return SendMessage(LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&change)) != 0;
}

DWORD CListView::SetExtendedListViewStyle(DWORD mask, DWORD style) {
    return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, mask, style));
}

DWORD CListView::GetExtendedListViewStyle() const {
    return static_cast<DWORD>(SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE));
}

bool CListView::GetCheckState(int item) const {
    return ((GetItemState(item, LVIS_STATEIMAGEMASK) & LVIS_STATEIMAGEMASK) >> 12) == 2;
}

bool CListView::SetCheckState(int item, bool checked) {
    return SetItemState(item, INDEXTOSTATEIMAGEMASK(checked ? 2 : 1), LVIS_STATEIMAGEMASK);
}

// --- CComboBox

int CComboBox::AddString(const std::wstring& text) {
    return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

int CComboBox::InsertString(int index, const std::wstring& text) {
    return static_cast<int>(SendMessage(CB_INSERTSTRING, static_cast<WPARAM>(index),
                                        reinterpret_cast<LPARAM>(text.c_str())));
}

int CComboBox::DeleteString(int index) {
    return static_cast<int>(SendMessage(CB_DELETESTRING, static_cast<WPARAM>(index)));
}

void CComboBox::ResetContent() {
    SendMessage(CB_RESETCONTENT);
}

int CComboBox::GetCount() const {
    return static_cast<int>(SendMessage(CB_GETCOUNT));
}

int CComboBox::GetCurSel() const {
    return static_cast<int>(SendMessage(CB_GETCURSEL));
}

int CComboBox::SetCurSel(int index) {
    return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index)));
}

std::wstring CComboBox::GetLBText(int index) const {
    LRESULT length = SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
    if (length == CB_ERR || length <= 0) {
        return std::wstring();
    }
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
    LRESULT copied = SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(index),
                                 reinterpret_cast<LPARAM>(buffer.data()));
    if (copied == CB_ERR || copied <= 0 || copied > length) {
        return std::wstring();
    }
    return std::wstring(buffer.data(), static_cast<size_t>(copied));
}

int CComboBox::FindStringExact(int startAfter, const std::wstring& text) const {
    return static_cast<int>(SendMessage(CB_FINDSTRINGEXACT, static_cast<WPARAM>(startAfter),
                                        reinterpret_cast<LPARAM>(text.c_str())));
}

LPARAM CComboBox::GetItemData(int index) const {
    LRESULT data = SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(index));
    return data == CB_ERR ? 0 : data;
}

bool CComboBox::SetItemData(int index, LPARAM data) {
    return SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(index), data) != CB_ERR;
}

// --- CEdit

void CEdit::LimitText(int maxChars) {
    SendMessage(EM_SETLIMITTEXT, static_cast<WPARAM>(maxChars));
}

void CEdit::SetSel(int start, int end) {
    SendMessage(EM_SETSEL, static_cast<WPARAM>(start), end);
}

int CEdit::GetCaret() const {
    DWORD start = 0;
    DWORD end = 0;
    SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(end);
}

void CEdit::ReplaceSel(const std::wstring& text, bool canUndo) {
    SendMessage(EM_REPLACESEL, canUndo ? TRUE : FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

bool CEdit::SetReadOnly(bool readOnly) {
    return SendMessage(EM_SETREADONLY, readOnly ? TRUE : FALSE) != 0;
}

bool CEdit::GetModify() const {
    return SendMessage(EM_GETMODIFY) != 0;
}

void CEdit::SetModify(bool modified) {
    SendMessage(EM_SETMODIFY, modified ? TRUE : FALSE);
}

// --- CButton

int CButton::GetCheck() const {
    return static_cast<int>(SendMessage(BM_GETCHECK));
}

void CButton::SetCheck(int state) {
    SendMessage(BM_SETCHECK, static_cast<WPARAM>(state));
}

void CButton::Click() {
    SendMessage(BM_CLICK);
}

// --- CStatic

HICON CStatic::SetIcon(HICON icon) {
    return reinterpret_cast<HICON>(SendMessage(STM_SETICON, reinterpret_cast<WPARAM>(icon)));
}

// --- CUpDown

void CUpDown::SetRange32(int low, int high) {
    SendMessage(UDM_SETRANGE32, static_cast<WPARAM>(low), high);
}

void CUpDown::GetRange32(int* low, int* high) const {
    SendMessage(UDM_GETRANGE32, reinterpret_cast<WPARAM>(low), reinterpret_cast<LPARAM>(high));
}

int CUpDown::SetPos32(int position) {
    return static_cast<int>(SendMessage(UDM_SETPOS32, 0, position));
}

int CUpDown::SetPos(short position) {
    return static_cast<short>(
        LOWORD(SendMessage(UDM_SETPOS, 0, MAKELPARAM(static_cast<WORD>(position), 0))));
}

bool CUpDown::GetPos32(int* position) const {
    BOOL failed = FALSE;
    *position = static_cast<int>(SendMessage(UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed)));
    return failed == FALSE;
}

HWND CUpDown::SetBuddy(HWND buddy) {
    return reinterpret_cast<HWND>(SendMessage(UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy)));
}

HWND CUpDown::GetBuddy() const {
    return reinterpret_cast<HWND>(SendMessage(UDM_GETBUDDY));
}

bool CUpDown::SetAccel(const UDACCEL* accels, int count) {
    return SendMessage(UDM_SETACCEL, static_cast<WPARAM>(count),
                       reinterpret_cast<LPARAM>(accels)) != 0;
}

}  // namespace win32
