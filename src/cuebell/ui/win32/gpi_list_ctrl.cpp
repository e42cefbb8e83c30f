#include "cuebell/ui/win32/gpi_list_ctrl.h"

#include <algorithm>
#include <utility>

#include "cuebell/core/box_message.h"
#include "cuebell/core/entry_list_rules.h"

namespace cuebell {

namespace {

constexpr DWORD kExtendedStyles = LVS_EX_FULLROWSELECT | LVS_EX_BORDERSELECT | LVS_EX_DOUBLEBUFFER;

const int kColumnIds[] = {kNameColumn, kActionColumn, kCommentColumn};

}  // namespace

CGPIListCtrl::CGPIListCtrl(core::MessageBoxPort& boxes, GpiListOwner& owner)
    : boxes_(boxes), owner_(owner) {}

bool CGPIListCtrl::SubclassDlgItem(HWND dialog, int controlId) {
    if (!Subclass(::GetDlgItem(dialog, controlId))) {
        return false;
    }
    SetExtendedListViewStyle(kExtendedStyles, GetExtendedListViewStyle() | kExtendedStyles);
    return true;
}

void CGPIListCtrl::SetupColumns() {
    for (int column = GetHeader().GetItemCount() - 1; column >= 0; --column) {
        DeleteColumn(column);
    }
    const RECT client = GetClientRect();
    const std::vector<EntryListColumn> columns = EntryListColumns(client.right - client.left);
    for (size_t i = 0; i < columns.size(); ++i) {
        const int position = InsertColumn(static_cast<int>(i), columns[i].title, columns[i].width);
        if (position >= 0) {
            GetHeader().SetItemParam(position, columns[i].id);
        }
    }
}

int CGPIListCtrl::FindColumn(int columnId) const {
    const win32::CHeader header = GetHeader();
    const int count = header.GetItemCount();
    for (int position = 0; position < count; ++position) {
        LPARAM tag = 0;
        if (header.GetItemParam(position, &tag) && tag == columnId) {
            return position;
        }
    }
    return -1;
}

CGPIListCtrl::ColumnPositions CGPIListCtrl::FindCellColumns() const {
    ColumnPositions positions{};
    for (int i = 0; i < kCellColumns; ++i) {
        positions[i] = FindColumn(kColumnIds[i]);
    }
    return positions;
}

void CGPIListCtrl::FillList(EntryList entries) {
    // One repaint for the whole list instead of one per row, and the columns looked up
    // once instead of for every cell.
    SendMessage(WM_SETREDRAW, FALSE);
    DeleteAllRows();
    const ColumnPositions columns = FindCellColumns();
    for (auto& entry : entries) {
        if (!entry) {
            continue;
        }
        const int row = InsertItem(GetItemCount(), L"", reinterpret_cast<LPARAM>(entry.get()));
        if (row < 0) {
            continue;  // the entry is freed with the working list
        }
        WriteCells(row, *entry, columns);
        owned_.push_back(std::move(entry));
    }
    SendMessage(WM_SETREDRAW, TRUE);
    Invalidate(true);
    if (GetItemCount() > 0) {
        SelectItem(0);
        EnsureVisible(0);
    }
}

int CGPIListCtrl::AppendRow(std::unique_ptr<GpiInfo> entry) {
    if (!entry) {
        return -1;
    }
    const int row = InsertItem(GetItemCount(), L"", reinterpret_cast<LPARAM>(entry.get()));
    if (row < 0) {
        return -1;
    }
    owned_.push_back(std::move(entry));
    WriteCells(row, *owned_.back(), FindCellColumns());
    SelectItem(row);
    EnsureVisible(row);
    return row;
}

void CGPIListCtrl::RefreshRow(int row) {
    if (const GpiInfo* entry = EntryAt(row)) {
        WriteCells(row, *entry, FindCellColumns());
    }
}

void CGPIListCtrl::WriteCells(int row, const GpiInfo& entry, const ColumnPositions& columns) {
    for (int i = 0; i < kCellColumns; ++i) {
        if (columns[i] >= 0) {
            SetItemText(row, columns[i], EntryCellText(entry, kColumnIds[i]));
        }
    }
}

void CGPIListCtrl::DeleteSelectedEntry() {
    const core::WindowHandle owner = reinterpret_cast<core::WindowHandle>(GetHwnd());
    const int rows = GetItemCount();
    const int selected = SelectedRow();
    if (const auto refusal = DeleteRefusal(rows, selected)) {
        ShowBoxMessage(boxes_, owner, *refusal);
        return;
    }
    const GpiInfo* entry = EntryAt(selected);
    const BoxMessage question = DeleteConfirmation(entry ? entry->Name : std::wstring());
    owner_.SetConfirmationOpen(1);
    const int answer = ShowBoxMessage(boxes_, owner, question);
    owner_.SetConfirmationOpen(0);
    if (answer != core::kIdYes) {
        return;
    }
    RemoveRow(selected);
    const int next = RowToSelectAfterDelete(selected, GetItemCount());
    if (next >= 0) {
        SelectItem(next);
        EnsureVisible(next);
    }
    // With no row left no selection changes, and the description must not go on
    // describing the deleted entry.
    owner_.RebuildDescription();
}

void CGPIListCtrl::DeleteAllRows() {
    DeleteAllItems();
    owned_.clear();
}

void CGPIListCtrl::RemoveRow(int row) {
    const GpiInfo* entry = EntryAt(row);
    DeleteItem(row);
    Free(entry);
}

void CGPIListCtrl::Free(const GpiInfo* entry) {
    auto it = std::find_if(owned_.begin(), owned_.end(),
                           [entry](const std::unique_ptr<GpiInfo>& e) { return e.get() == entry; });
    if (it != owned_.end()) {
        owned_.erase(it);
    }
}

EntryRefs CGPIListCtrl::EntriesInListOrder() const {
    EntryRefs entries;
    const int rows = GetItemCount();
    entries.reserve(static_cast<size_t>(std::max(rows, 0)));
    for (int row = 0; row < rows; ++row) {
        if (GpiInfo* entry = EntryAt(row)) {
            entries.push_back(entry);
        }
    }
    return entries;
}

GpiInfo* CGPIListCtrl::EntryAt(int row) const {
    if (row < 0 || row >= GetItemCount()) {
        return nullptr;
    }
    GpiInfo* entry = reinterpret_cast<GpiInfo*>(GetItemData(row));
    // Only entries the list owns are handed out.
    const bool owned =
        std::any_of(owned_.begin(), owned_.end(),
                    [entry](const std::unique_ptr<GpiInfo>& e) { return e.get() == entry; });
    return owned ? entry : nullptr;
}

LRESULT CGPIListCtrl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN) {
        if (wParam == VK_INSERT) {
            ::PostMessageW(GetParent(), kAddEntryMessage, 0, 0);
        } else if (wParam == VK_DELETE) {
            DeleteSelectedEntry();
        }
    }
    return DefaultProc(message, wParam, lParam);
}

}  // namespace cuebell
