// The general settings dialog (template IDD_GENERAL_SETTINGS): edits the general
// detection parameters the main dialog owns. Every rule lives in GeneralSettingsForm; the
// dialog moves texts and positions between its controls and the form, and writes the
// record on OK only.
//
// The owner opens it modally and, when it ends with IDOK, refreshes the descriptions that
// show the general threshold:
//     CGeneralSettingsDlg dialog(resources, general);
//     if (dialog.DoModal(owner) == IDOK) { ...refresh... }
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>

#include "cuebell/editors/general_settings_form.h"
#include "cuebell/editors/win32/dbl_spin_ctrl.h"
#include "cuebell/model/records.h"
#include "shared/win32/controls.h"
#include "shared/win32/dialog.h"

namespace cuebell {

class CGeneralSettingsDlg : public win32::CDialog {
  public:
    // The record is read when the dialog opens and written when OK closes it; it must
    // outlive the dialog. The template comes from the resources module. DoModal(owner)
    // returns IDOK once the record holds the new values, IDCANCEL when nothing changed.
    CGeneralSettingsDlg(HINSTANCE resources, GeneralParams& params);

  protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnOK() override;

  private:
    void AttachSpins();
    void Show(const GeneralSettingsForm& form);
    GeneralSettingsForm Read() const;
    IntegerField ReadIntegerRow(size_t index) const;
    void LeaveActivityPeriod();
    void LeaveIntegerRow(IntegerRow row);

    GeneralParams& params_;
    CDblSpinCtrl activityPeriodSpin_;
    std::array<win32::CUpDown, kIntegerRowCount> integerSpins_;
};

}  // namespace cuebell
