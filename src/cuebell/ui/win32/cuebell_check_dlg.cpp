#include "cuebell/ui/win32/cuebell_check_dlg.h"

#include <memory>

#include "cuebell/check/config_check.h"
#include "cuebell/check/finding_kinds.h"
#include "cuebell/core/entry_list_rules.h"
#include "cuebell/editors/device_manager_rules.h"
#include "cuebell/editors/sample_manager_rules.h"
#include "cuebell/editors/usage_list.h"
#include "cuebell/editors/win32/device_add_edit_dlg.h"
#include "cuebell/editors/win32/general_settings_dlg.h"
#include "cuebell/editors/win32/gpi_add_edit_dlg.h"
#include "cuebell/editors/win32/sample_add_edit_dlg.h"
#include "cuebell/model/cuebell_strings.h"
#include "cuebell/resource.h"
#include "shared/win32/config_check_dlg.h"

namespace cuebell {

namespace {

class CuebellCheckSource : public win32::ConfigCheckSource {
  public:
    explicit CuebellCheckSource(const CuebellCheckScope& scope) : scope_(scope) {}

    core::FindingList Check() override {
        entries_ = scope_.entries.RecordsInOrder();
        CuebellSession& session = scope_.session;
        const CuebellConfiguration configuration{session.Samples(), session.Devices(),
                                                 entries_,          session.General(),
                                                 session.Boards(),  session.Instances()};
        // One audio-file component for the whole check.
        const std::unique_ptr<core::AudioFileInfoPort> audio = scope_.ports.audio.ForManyFiles();
        return CheckCuebellConfiguration(
            configuration,
            CuebellCheckPorts{scope_.ports.boardDriver, scope_.ports.system, *audio});
    }

    bool Edit(HWND owner, const core::RecordRef& record) override {
        bool stored = false;
        switch (record.kind) {
            case core::RecordKind::Entry:
                stored = EditEntry(owner, record.position);
                break;
            case core::RecordKind::Sample:
                stored = EditSample(owner, record.position);
                break;
            case core::RecordKind::Device:
                stored = EditDevice(owner, record.position);
                break;
            case core::RecordKind::General:
                stored = CGeneralSettingsDlg(scope_.resources, scope_.session.General())
                             .DoModal(owner) == IDOK;
                break;
            default:
                return false;  // a playout instance has no editor here
        }
        if (stored) {
            scope_.recordStored();
        }
        return stored;
    }

  private:
    // The manager's question before its editor opens on a record (entries use it); true
    // when there is none or the operator answered Yes.
    template <class T>
    bool MayEdit(const core::RecordListDescription<T>& list, const T& record,
                 core::WindowHandle owner) {
        if (!list.editQuestion) {
            return true;
        }
        const auto question = list.editQuestion(record);
        return !question || ShowBoxMessage(scope_.ports.boxes, owner, *question) == core::kIdYes;
    }

    template <typename List>
    static bool Holds(const List& list, int position) {
        return position >= 0 && static_cast<size_t>(position) < list.size();
    }

    // As the main dialog's Edit: the list's own entry, its row rewritten after OK.
    bool EditEntry(HWND owner, int row) {
        if (!Holds(entries_, row) || entries_[static_cast<size_t>(row)] == nullptr) {
            return false;
        }
        GpiInfo* entry = entries_[static_cast<size_t>(row)];
        CuebellSession& session = scope_.session;
        CGPIAddEditDlg editor(scope_.resources, scope_.ports.boxes, IDS_EDIT_ENTRY_TITLE, entry,
                              EntryNames(entries_, entry), session.Samples(), session.Devices(),
                              session.Actions(), session.General());
        if (editor.DoModal(owner) != IDOK) {
            return false;
        }
        scope_.entries.RefreshRow(row);
        return true;
    }

    // As the sample manager's Edit: the question when entries use the sample, then the
    // editor on a copy that replaces the sample after OK.
    bool EditSample(HWND owner, int position) {
        SampleList& samples = scope_.session.Samples();
        if (!Holds(samples, position)) {
            return false;
        }
        SampleInfo sample = samples[static_cast<size_t>(position)];
        const auto owned = reinterpret_cast<core::WindowHandle>(owner);
        if (!MayEdit(SampleListDescription(entries_, scope_.session.General().Threshold), sample,
                     owned)) {
            return false;
        }
        std::wstring path = sample.AudioFile;
        const CuebellPorts& ports = scope_.ports;
        CSampleAddEditDlg editor(
            scope_.resources, SamplePorts{ports.boxes, ports.system, ports.audio, ports.files},
            scope_.session.General(), CuebellText(IDS_EDIT_SAMPLE_TITLE), path, sample);
        if (editor.DoModal(owner) != IDOK) {
            return false;
        }
        samples[static_cast<size_t>(position)] = sample;
        return true;
    }

    // As the device manager's Edit, except that a device on no installed board's input
    // opens with no input chosen and OK requires one.
    bool EditDevice(HWND owner, int position) {
        DeviceList& devices = scope_.session.Devices();
        if (!Holds(devices, position)) {
            return false;
        }
        DeviceInfo device = devices[static_cast<size_t>(position)];
        if (!MayEdit(DeviceListDescription(entries_), device,
                     reinterpret_cast<core::WindowHandle>(owner))) {
            return false;
        }
        CDeviceAddEditDlg editor(DeviceEditorContext{scope_.resources, scope_.ports.boardDriver,
                                                     scope_.ports.boxes, scope_.session.Boards()},
                                 &device);
        editor.RequireOfferedInput();
        if (editor.DoModal(owner) != IDOK) {
            return false;
        }
        devices[static_cast<size_t>(position)] = device;
        return true;
    }

    const CuebellCheckScope& scope_;
    EntryRefs entries_;  // the entries as the last check saw them, in list order
};

}  // namespace

void ShowCuebellCheck(HWND owner, const CuebellCheckScope& scope) {
    CuebellCheckSource source(scope);
    win32::CConfigCheckDlg dialog(scope.resources, CuebellCheckTexts(), source);
    dialog.DoModal(owner);
}

}  // namespace cuebell
