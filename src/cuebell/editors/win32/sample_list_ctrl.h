// The sample manager's list (control 1013): one sample per row, each row owning its
// working copy. Every cell shows the row's full path as its tooltip. The Insert key asks
// the dialog to add a sample, the Delete key deletes the selected one, a double click asks
// the dialog to edit, and a click never leaves a non-empty list without a selection.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "cuebell/editors/sample_manager_rules.h"
#include "cuebell/model/records.h"
#include "shared/message_box_port.h"
#include "shared/win32/record_list_view.h"

namespace cuebell {

// The manager's private requests, posted by the list so that the key press or double
// click is finished before the editor opens.
constexpr UINT kEditSampleMessage = WM_USER + 1;
constexpr UINT kAddSampleMessage = WM_USER + 2;

// What the list needs from the dialog it lives in.
class SampleListOwner {
  public:
    virtual ~SampleListOwner() = default;
    virtual void DeleteSelectedSample() = 0;
};

class CSampleListCtrl : public win32::CRecordListView<SampleInfo> {
  public:
    explicit CSampleListCtrl(SampleListOwner& owner) : owner_(owner) {}

    // Binds the list to the dialog's control and switches on full-row selection.
    bool SubclassDlgItem(HWND dialog, int controlId) {
        return CRecordListView::SubclassDlgItem(dialog, controlId, LVS_EX_FULLROWSELECT);
    }
    // The general threshold, shown for samples that use it.
    void SetGeneralThreshold(int32_t threshold) { generalThreshold_ = threshold; }
    // Audio file, Delay(s), Offset(s), Threshold (%), sized to the list's client width.
    void SetupSampleColumns();
    // Creates the tooltip that shows each cell's path.
    void EnableCellTips();

    // Edit's refusals and question for the selected row; true when the editor may open
    // on its record.
    bool MayEditSelected(const EntryRefs& entries, core::MessageBoxPort& boxes,
                         core::WindowHandle owner);
    // Delete's refusals and question for the selected row; on Yes the row and its record
    // go, and the row that takes its place (else the last) is selected.
    void DeleteSelected(const EntryRefs& entries, core::MessageBoxPort& boxes,
                        core::WindowHandle owner);

    // The dialog hands on the list's clicks (item -1: not on a row).
    void OnClick(int item);
    void OnDoubleClick(int item);

  protected:
    void WriteCells(int row, const SampleInfo& sample) override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void TrackCellUnderMouse(POINT point);
    void SetCellTool(int toolId, const RECT& cell);
    void FillTipText(NMTTDISPINFOW* info);

    SampleListOwner& owner_;
    int32_t generalThreshold_ = 0;
    HWND tooltip_ = nullptr;
    int cellTool_ = 0;  // the tool of the cell under the mouse; 0: none
    std::wstring tipText_;
};

}  // namespace cuebell
