// Reading and selecting the rows of a list view in another process: list-view messages
// pass pointers unchanged, so their structures and text buffers must live in the list's
// own process.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

struct ListViewContent {
    std::vector<std::vector<std::wstring>> rows;  // cells, column 0 first
    int selected = -1;
};

// False when the list's process cannot be opened or its memory not used.
bool ReadListView(HWND list, ListViewContent* content);
// Row -1 clears the selection.
bool SelectListViewRow(HWND list, int row);
// Ticks or clears the row's check box (a list with check boxes).
bool CheckListViewRow(HWND list, int row, bool checked);
// A point inside the row's label, in the list's client coordinates.
bool ListViewRowPoint(HWND list, int row, POINT* point);

}  // namespace e2e
