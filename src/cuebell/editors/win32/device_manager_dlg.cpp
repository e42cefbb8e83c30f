#include "cuebell/editors/win32/device_manager_dlg.h"

#include <memory>
#include <vector>

#include "cuebell/editors/device_manager_rules.h"
#include "cuebell/model/model.h"
#include "cuebell/resource.h"
#include "shared/record_delete.h"

namespace cuebell {

CDeviceManagerDlg::CDeviceManagerDlg(HINSTANCE resources, const DeviceManagerInputs& inputs)
    : CDialog(resources, IDD_DEVICE_MANAGER), inputs_(inputs), list_(*this) {}

bool CDeviceManagerDlg::OnInitDialog() {
    if (!list_.SubclassDlgItem(hwnd_, IDC_DEVICE_LIST)) {
        EndDialog(kFailed);
        return false;
    }
    list_.SetupDeviceColumns();
    // Copies of the owner's devices, the last row selected.
    std::vector<std::unique_ptr<DeviceInfo>> copies;
    copies.reserve(inputs_.devices.size());
    for (const DeviceInfo& device : inputs_.devices) {
        copies.push_back(std::make_unique<DeviceInfo>(device));
    }
    list_.FillRows(std::move(copies), CDeviceListCtrl::SelectAfterFill::Last);
    FocusItem(IDC_DEVICE_LIST);
    RefreshButtons();
    return false;  // the focus is set
}

bool CDeviceManagerDlg::OnCommand(int id, int code, HWND control) {
    if (code != BN_CLICKED) {
        return false;
    }
    switch (id) {
        case IDC_DEVICE_ADD:
            AddDevice();
            break;
        case IDC_DEVICE_EDIT:
            EditSelectedDevice();
            break;
        case IDC_DEVICE_DELETE:
            DeleteSelectedDevice();
            break;
        default:
            return false;
    }
    RefreshButtons();
    return true;
}

bool CDeviceManagerDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message == kEditDeviceMessage) {
        EditSelectedDevice();
    } else if (message == kAddDeviceMessage) {
        AddDevice();
    } else {
        return false;
    }
    RefreshButtons();
    *result = 0;
    return true;
}

void CDeviceManagerDlg::OnOK() {
    DeviceList devices;
    for (const DeviceInfo* device : list_.RecordsInOrder()) {
        devices.push_back(*device);
    }
    inputs_.devices = std::move(devices);
    EndDialog(IDOK);
}

void CDeviceManagerDlg::OnDestroy() {
    list_.DeleteAllRows();
}

void CDeviceManagerDlg::AddDevice() {
    auto device = std::make_unique<DeviceInfo>(NewDeviceInfo(inputs_.system));
    CDeviceAddEditDlg editor(EditorContext(), device.get(), DeviceNames(list_.RecordsInOrder()));
    if (editor.DoModal(hwnd_) != IDOK) {
        return;
    }
    list_.AppendRow(std::move(device));
    FocusItem(IDC_DEVICE_LIST);
}

void CDeviceManagerDlg::EditSelectedDevice() {
    const int row = list_.SelectedRow();
    DeviceInfo* device = list_.RecordAt(row);
    if (!ConfirmDeviceEdit(inputs_.boxes, Owner(), list_.RowCount(), device, inputs_.entries)) {
        return;
    }
    CDeviceAddEditDlg editor(EditorContext(), device);
    if (editor.DoModal(hwnd_) != IDOK) {
        return;
    }
    list_.RefreshRow(row);
    FocusItem(IDC_DEVICE_LIST);
}

void CDeviceManagerDlg::DeleteSelectedDevice() {
    const int row = list_.SelectedRow();
    if (!ConfirmDeviceDelete(inputs_.boxes, Owner(), list_.RowCount(), list_.RecordAt(row),
                             inputs_.entries)) {
        return;
    }
    list_.RemoveRow(row);
    const int next = core::RowToSelectAfterDelete(row, list_.RowCount());
    if (next >= 0) {
        list_.SelectItem(next);
        list_.EnsureVisible(next);
    }
    // The Delete key comes here without passing the buttons' refresh.
    RefreshButtons();
}

void CDeviceManagerDlg::RefreshButtons() {
    const bool enabled = DeviceButtonsEnabled(list_.RowCount());
    EnableItem(IDC_DEVICE_EDIT, enabled);
    EnableItem(IDC_DEVICE_DELETE, enabled);
}

DeviceEditorContext CDeviceManagerDlg::EditorContext() const {
    return DeviceEditorContext{Resources(), inputs_.boardDriver, inputs_.boxes, inputs_.boards};
}

}  // namespace cuebell
