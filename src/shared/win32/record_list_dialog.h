// A dialog around one record list that works on copies of its owner's records (the
// sample and device managers): the list shows the copies, its buttons and keys run its
// commands, and the rows' records are freed with the dialog. The derived dialog says
// what a new record is, how a record is edited, and what OK hands back.
#pragma once

#include <windows.h>

#include <memory>
#include <utility>
#include <vector>

#include "dialog.h"
#include "record_list_view.h"

namespace win32 {

template <class T, class ListView = CRecordListView<T>>
class CRecordListDialog : public CDialog, private RecordListOwner<T> {
  protected:
    CRecordListDialog(HINSTANCE resources, int templateId, core::RecordListDescription<T> list,
                      core::MessageBoxPort& boxes, int listControl, ListButtons buttons)
        : CDialog(resources, templateId),
          listControl_(listControl),
          buttons_(std::move(buttons)),
          list_(std::move(list), boxes, *this) {}

    // Binds the list, shows copies of the records and focuses the list; false when the
    // list could not be bound (the dialog has then ended with kFailed).
    template <class Records>
    bool ShowCopiesOf(const Records& records) {
        if (!list_.Bind(hwnd_, listControl_, LVS_EX_FULLROWSELECT, buttons_)) {
            EndDialog(kFailed);
            return false;
        }
        list_.SetupColumns();
        std::vector<std::unique_ptr<T>> copies;
        copies.reserve(records.size());
        for (const T& record : records) {
            copies.push_back(std::make_unique<T>(record));
        }
        list_.FillRows(std::move(copies));
        FocusItem(listControl_);
        return true;
    }

    ListView& List() { return list_; }
    int ListControl() const { return listControl_; }

    bool OnCommand(int id, int code, HWND) override {
        return code == BN_CLICKED && list_.TakeCommand(id);
    }
    bool OnMessage(UINT message, WPARAM, LPARAM lParam, LRESULT* result) override {
        if (!list_.TakeRequest(message, lParam)) {
            return false;
        }
        *result = 0;
        return true;
    }
    void OnDestroy() override { list_.DeleteAllRows(); }

  private:
    int listControl_;
    ListButtons buttons_;
    ListView list_;
};

}  // namespace win32
