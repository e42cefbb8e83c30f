// The entry editor's sample list: one row per sample of the owner's list, in its order,
// each with a check box that says whether the entry listens for that sample. A row's
// data is its sample; its tooltip is the sample's full path.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "cuebell/model/records.h"
#include "shared/win32/controls.h"

namespace cuebell {

class CAddEditGPISampleListCtrl : public win32::CListView {
  public:
    // Binds the list to the dialog's control and switches on check boxes, full-row
    // selection and the rows' tooltips.
    bool AttachDlgItem(HWND dialog, int controlId);
    // Deletes every column, then inserts the one column, as wide as the client area.
    void SetupColumn(const std::wstring& title);
    // Appends a row for the sample with its check box off; returns its position, -1 when
    // it could not be inserted. The sample must outlive the row.
    int AppendSample(const SampleInfo& sample, const std::wstring& text);
    // Every row's check box on or off; the row selection stays as it is.
    void SetAllChecks(bool checked);
    // The check box of every row, first row first.
    std::vector<bool> CheckedRows() const;
    // Answers the list's tooltip request (LVN_GETINFOTIP) with the row's full path.
    void FillInfoTip(NMLVGETINFOTIPW* request) const;
};

}  // namespace cuebell
