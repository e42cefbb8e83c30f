#include "remote_list_view.h"

#include <commctrl.h>

namespace e2e {

namespace {

constexpr int kTextChars = 1024;

// A block of memory in another process, freed when it goes.
class RemoteBlock {
  public:
    RemoteBlock(HWND window, size_t size) : size_(size) {
        DWORD pid = 0;
        ::GetWindowThreadProcessId(window, &pid);
        process_ =
            ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
        if (process_ != nullptr) {
            address_ =
                ::VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        }
    }
    ~RemoteBlock() {
        if (address_ != nullptr) {
            ::VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        }
        if (process_ != nullptr) {
            ::CloseHandle(process_);
        }
    }
    RemoteBlock(const RemoteBlock&) = delete;
    RemoteBlock& operator=(const RemoteBlock&) = delete;

    bool Ok() const { return address_ != nullptr; }
    char* Address() const { return static_cast<char*>(address_); }
    bool Write(size_t offset, const void* data, size_t size) const {
        SIZE_T written = 0;
        return offset + size <= size_ &&
               ::WriteProcessMemory(process_, Address() + offset, data, size, &written) &&
               written == size;
    }
    bool Read(size_t offset, void* data, size_t size) const {
        SIZE_T read = 0;
        return offset + size <= size_ &&
               ::ReadProcessMemory(process_, Address() + offset, data, size, &read) && read == size;
    }

  private:
    size_t size_;
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
};

}  // namespace

bool ReadListView(HWND list, ListViewContent* content) {
    content->rows.clear();
    const size_t textOffset = sizeof(LVITEMW);
    RemoteBlock block(list, textOffset + kTextChars * sizeof(wchar_t));
    if (!block.Ok()) {
        return false;
    }
    HWND header = reinterpret_cast<HWND>(::SendMessageW(list, LVM_GETHEADER, 0, 0));
    const int columns =
        header ? static_cast<int>(::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 1;
    const int rows = static_cast<int>(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < rows; ++row) {
        std::vector<std::wstring> cells;
        for (int column = 0; column < columns; ++column) {
            LVITEMW item{};
            item.iSubItem = column;
            item.pszText = reinterpret_cast<wchar_t*>(block.Address() + textOffset);
            item.cchTextMax = kTextChars;
            if (!block.Write(0, &item, sizeof(item))) {
                return false;
            }
            const LRESULT length = ::SendMessageW(list, LVM_GETITEMTEXTW, row,
                                                  reinterpret_cast<LPARAM>(block.Address()));
            std::wstring text(static_cast<size_t>(length > 0 ? length : 0), L'\0');
            if (length > 0 && !block.Read(textOffset, text.data(),
                                          static_cast<size_t>(length) * sizeof(wchar_t))) {
                return false;
            }
            cells.push_back(text);
        }
        content->rows.push_back(cells);
    }
    content->selected = static_cast<int>(
        ::SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    return true;
}

bool SelectListViewRow(HWND list, int row) {
    RemoteBlock block(list, sizeof(LVITEMW));
    if (!block.Ok()) {
        return false;
    }
    // Row -1 clears the selection of every row.
    LVITEMW item{};
    item.state = row >= 0 ? LVIS_SELECTED | LVIS_FOCUSED : 0;
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    if (!block.Write(0, &item, sizeof(item))) {
        return false;
    }
    return ::SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                          reinterpret_cast<LPARAM>(block.Address())) != 0;
}

bool CheckListViewRow(HWND list, int row, bool checked) {
    RemoteBlock block(list, sizeof(LVITEMW));
    if (!block.Ok()) {
        return false;
    }
    // The check box is state image 2 when ticked, 1 when not.
    LVITEMW item{};
    item.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
    item.stateMask = LVIS_STATEIMAGEMASK;
    if (!block.Write(0, &item, sizeof(item))) {
        return false;
    }
    return ::SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                          reinterpret_cast<LPARAM>(block.Address())) != 0;
}

bool ListViewRowPoint(HWND list, int row, POINT* point) {
    RemoteBlock block(list, sizeof(RECT));
    RECT rect{};
    rect.left = LVIR_LABEL;
    if (!block.Ok() || !block.Write(0, &rect, sizeof(rect)) ||
        ::SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row),
                       reinterpret_cast<LPARAM>(block.Address())) == 0 ||
        !block.Read(0, &rect, sizeof(rect))) {
        return false;
    }
    point->x = rect.left + 4;
    point->y = (rect.top + rect.bottom) / 2;
    return true;
}

}  // namespace e2e
