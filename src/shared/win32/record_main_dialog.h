// A program's main dialog around its record list: the one shape both programs share.
// Start-up binds the list and lays out the controls, runs the program's start-up (a
// refusal posts the quit message, and the dialog ends without being shown), then shows
// the records, describes the selected one and focuses the list. Add, Edit and Delete are
// the list's; the description follows the selection and every change. OK saves through
// the program and closes only after a save; teardown, whichever way the dialog closes,
// runs the program's teardown (its placement rule) and frees the rows. Each program
// supplies its records, its steps and its strings.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "main_dialog.h"
#include "record_list_view.h"

namespace win32 {

// The main dialog's list: its control and extended styles, its buttons, and the edit that
// describes the selected record.
struct MainListControls {
    int list;
    DWORD extendedStyles;
    ListButtons buttons;
    int description;
};

template <class T>
class CRecordMainDialog : public CMainDialog, private RecordListOwner<T> {
  public:
    // Rebuilds the description of the selected record (empty when none is selected).
    void RebuildDescription() {
        if (GetItem(controls_.description) != nullptr) {
            SetItemText(controls_.description, Describe(list_.RecordAt(list_.SelectedRow())));
        }
    }

  protected:
    CRecordMainDialog(HINSTANCE resources, int templateId, int aboutItemTextId,
                      const AboutBoxSource& about, const core::RecordListDescription<T>& list,
                      core::MessageBoxPort& boxes, MainListControls controls)
        : CMainDialog(resources, templateId, aboutItemTextId, about),
          controls_(std::move(controls)),
          list_(list, boxes, *this) {}

    // The program's part. Registers the controls that follow the dialog's size (the list
    // is bound by then).
    virtual void RegisterAnchors() = 0;
    // Start-up; false when it refused (its messages shown).
    virtual bool Start() = 0;
    // The records start-up loaded, in store order.
    virtual std::vector<std::unique_ptr<T>> TakeRecords() = 0;
    // OK with the records in list order; true once everything is saved.
    virtual bool Save(const std::vector<T*>& records) = 0;
    // Teardown: what the program writes whichever way the dialog closes.
    virtual void Close() = 0;
    // The description of the record; null: no record is selected.
    virtual std::wstring Describe(const T* record) const = 0;
    // A button of the program's own.
    virtual bool OnProgramCommand(int /*id*/) { return false; }

    CRecordListView<T>& List() { return list_; }
    core::WindowHandle Owner() const { return reinterpret_cast<core::WindowHandle>(hwnd_); }

    bool OnInitDialog() override {
        CMainDialog::OnInitDialog();
        list_.Bind(hwnd_, controls_.list, controls_.extendedStyles, controls_.buttons);
        RegisterAnchors();
        if (!Start()) {
            // The program ends as soon as the dialog's loop runs; nothing is written but
            // what the teardown writes when the dialog is destroyed.
            ::PostQuitMessage(0);
            return true;
        }
        list_.SetupColumns();
        list_.FillRows(TakeRecords());
        RebuildDescription();
        FocusItem(controls_.list);
        return false;  // the focus is set
    }

    bool OnCommand(int id, int code, HWND) override {
        return code == BN_CLICKED && (list_.TakeCommand(id) || OnProgramCommand(id));
    }

    bool OnNotify(int id, NMHDR* header, LRESULT*) override {
        // The description shows the selected record: only a change of the selection can
        // change it (the list also reports every cell text it is given).
        if (id == controls_.list && header->code == LVN_ITEMCHANGED &&
            SelectionChanged(*reinterpret_cast<const NMLISTVIEW*>(header))) {
            RebuildDescription();
        }
        return false;
    }

    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override {
        if (list_.TakeRequest(message, lParam)) {
            *result = 0;
            return true;
        }
        return CMainDialog::OnMessage(message, wParam, lParam, result);
    }

    void OnOK() override {
        if (Save(list_.RecordsInOrder())) {
            EndDialog(IDOK);
        }
        // Otherwise the program has said why; the dialog stays open with every edit.
    }

    void OnDestroy() override {
        Close();
        list_.DeleteAllRows();
    }

    bool DeleteBoxOpen() const override { return list_.DeleteBoxOpen(); }

  private:
    void RecordsChanged() override { RebuildDescription(); }

    MainListControls controls_;
    CRecordListView<T> list_;
};

}  // namespace win32
