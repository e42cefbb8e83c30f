// The sample manager's list (IDC_SAMPLE_LIST): the record list of samples, each row owning
// its working copy, where every cell also shows the row's full path as its tooltip.
#pragma once

#include <windows.h>

#include <string>

#include "cuebell/editors/sample_manager_rules.h"
#include "cuebell/model/records.h"
#include "shared/win32/record_list_view.h"

namespace cuebell {

class CSampleListCtrl : public win32::CRecordListView<SampleInfo> {
  public:
    using CRecordListView::CRecordListView;

    // Creates the tooltip that shows each cell's path.
    void EnableCellTips();

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The cell under the mouse may now show another row.
    void OnRowDeleted() override { SetCellTool(0, RECT{}); }

  private:
    void TrackCellUnderMouse(POINT point);
    void SetCellTool(int toolId, const RECT& cell);
    void FillTipText(NMTTDISPINFOW* info);

    HWND tooltip_ = nullptr;
    int cellTool_ = 0;  // the tool of the cell under the mouse; 0: none
    std::wstring tipText_;
};

}  // namespace cuebell
