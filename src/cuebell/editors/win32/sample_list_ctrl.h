// The sample manager's list (control 1013): one row per working copy of SampleRows, in
// the same order. The cells are texts written from the rows; every cell shows the row's
// full path as its tooltip. The Insert key asks the dialog to add a sample, the Delete key
// deletes the selected one, and a click never leaves a non-empty list without a selection.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "cuebell/editors/sample_manager_rules.h"
#include "shared/win32/controls.h"
#include "shared/win32/subclass.h"

namespace cuebell {

// The manager's private messages, posted by the list: edit and add the selected sample.
constexpr UINT kEditSampleMessage = WM_USER + 1;
constexpr UINT kAddSampleMessage = WM_USER + 2;

// What the list needs from the dialog it lives in.
class SampleListOwner {
  public:
    virtual ~SampleListOwner() = default;
    virtual void DeleteSelectedSample() = 0;
};

class CSampleListCtrl : public win32::CSubclassed<win32::CListView> {
  public:
    explicit CSampleListCtrl(SampleListOwner& owner) : owner_(owner) {}
    CSampleListCtrl(const CSampleListCtrl&) = delete;
    CSampleListCtrl& operator=(const CSampleListCtrl&) = delete;

    // Binds the list to the dialog's control and switches on full-row selection.
    bool SubclassDlgItem(HWND dialog, int controlId);
    // The rows shown and the general threshold shown for samples that use it (not owned).
    void ShowRows(const SampleRows* rows, int32_t generalThreshold);
    // Deletes every column, then inserts the four, each header item tagged with its
    // column identifier.
    void SetupColumns();
    // Position of the column tagged with the identifier; -1 when there is none.
    int FindColumn(int columnId) const;
    // Creates the tooltip that shows each cell's path.
    void EnableCellTips();

    // Inserts the row's cells at its place and selects it.
    void InsertRow(int row);
    void RefreshRow(int row);
    void RemoveRow(int row);
    int SelectedRow() const { return GetSelectedIndex(); }

    // The dialog hands on the list's clicks (item -1: not on a row).
    void OnClick(int item);
    void OnDoubleClick(int item);

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void WriteCells(int row);
    void SelectLastWhenNoneIs();
    void TrackCellUnderMouse(POINT point);
    void SetCellTool(int toolId, const RECT& cell);
    bool FillTipText(NMTTDISPINFOW* info);

    SampleListOwner& owner_;
    const SampleRows* rows_ = nullptr;
    int32_t generalThreshold_ = 0;
    HWND tooltip_ = nullptr;
    int cellTool_ = 0;  // the tool of the cell under the mouse; 0: none
    std::wstring tipText_;
};

}  // namespace cuebell
