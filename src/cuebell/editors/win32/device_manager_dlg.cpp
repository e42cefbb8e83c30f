#include "cuebell/editors/win32/device_manager_dlg.h"

#include <utility>
#include <vector>

#include "cuebell/model/model.h"
#include "cuebell/resource.h"

namespace cuebell {

CDeviceManagerDlg::CDeviceManagerDlg(HINSTANCE resources, const DeviceManagerInputs& inputs)
    : CRecordListDialog(resources, IDD_DEVICE_MANAGER, DeviceListDescription(inputs.entries),
                        inputs.boxes, IDC_DEVICE_LIST,
                        {IDC_DEVICE_ADD,
                         IDC_DEVICE_EDIT,
                         IDC_DEVICE_DELETE,
                         {IDC_DEVICE_EDIT, IDC_DEVICE_DELETE}}),
      inputs_(inputs) {}

bool CDeviceManagerDlg::OnInitDialog() {
    // Copies of the owner's devices, the last row selected.
    ShowCopiesOf(inputs_.devices);
    return false;  // the focus is set
}

void CDeviceManagerDlg::OnOK() {
    DeviceList devices;
    for (const DeviceInfo* device : List().RecordsInOrder()) {
        devices.push_back(*device);
    }
    inputs_.devices = std::move(devices);
    EndDialog(IDOK);
}

std::unique_ptr<DeviceInfo> CDeviceManagerDlg::NewRecord() {
    auto device = std::make_unique<DeviceInfo>(NewDeviceInfo(inputs_.system));
    CDeviceAddEditDlg editor(EditorContext(), device.get(),
                             core::RecordNames(List().RecordsInOrder()));
    if (editor.DoModal(hwnd_) != IDOK) {
        return nullptr;
    }
    FocusItem(ListControl());
    return device;
}

bool CDeviceManagerDlg::EditRecord(DeviceInfo& device) {
    CDeviceAddEditDlg editor(EditorContext(), &device);
    if (editor.DoModal(hwnd_) != IDOK) {
        return false;
    }
    FocusItem(ListControl());
    return true;
}

DeviceEditorContext CDeviceManagerDlg::EditorContext() const {
    return DeviceEditorContext{Resources(), inputs_.boardDriver, inputs_.boxes, inputs_.boards};
}

}  // namespace cuebell
