#include "cuebell/editors/win32/add_edit_gpi_sample_list_ctrl.h"

#include <algorithm>

namespace cuebell {

namespace {

constexpr DWORD kExtendedStyles = LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP;

}  // namespace

bool CAddEditGPISampleListCtrl::AttachDlgItem(HWND dialog, int controlId) {
    HWND list = ::GetDlgItem(dialog, controlId);
    if (list == nullptr) {
        return false;
    }
    Attach(list);
    SetExtendedListViewStyle(kExtendedStyles, GetExtendedListViewStyle() | kExtendedStyles);
    return true;
}

void CAddEditGPISampleListCtrl::SetupColumn(const std::wstring& title) {
    for (int column = GetHeader().GetItemCount() - 1; column >= 0; --column) {
        DeleteColumn(column);
    }
    const RECT client = GetClientRect();
    InsertColumn(0, title, client.right - client.left);
}

int CAddEditGPISampleListCtrl::AppendSample(const SampleInfo& sample, const std::wstring& text) {
    const int row = InsertItem(GetItemCount(), text, reinterpret_cast<LPARAM>(&sample));
    if (row >= 0) {
        SetCheckState(row, false);
    }
    return row;
}

void CAddEditGPISampleListCtrl::SetAllChecks(bool checked) {
    const int rows = GetItemCount();
    for (int row = 0; row < rows; ++row) {
        SetCheckState(row, checked);
    }
}

std::vector<bool> CAddEditGPISampleListCtrl::CheckedRows() const {
    std::vector<bool> checked;
    const int rows = GetItemCount();
    for (int row = 0; row < rows; ++row) {
        checked.push_back(GetCheckState(row));
    }
    return checked;
}

void CAddEditGPISampleListCtrl::FillInfoTip(NMLVGETINFOTIPW* request) const {
    if (request == nullptr || request->pszText == nullptr || request->cchTextMax <= 0) {
        return;
    }
    const auto* sample = reinterpret_cast<const SampleInfo*>(GetItemData(request->iItem));
    if (sample == nullptr) {
        return;
    }
    // The buffer is the list's own: the path is cut to fit rather than overrun it.
    const size_t room = static_cast<size_t>(request->cchTextMax) - 1;
    const size_t length = std::min(sample->AudioFile.size(), room);
    std::copy_n(sample->AudioFile.c_str(), length, request->pszText);
    request->pszText[length] = L'\0';
}

}  // namespace cuebell
