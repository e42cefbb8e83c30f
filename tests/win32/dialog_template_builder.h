// Dialog templates assembled in memory (DLGTEMPLATE followed by its DLGITEMTEMPLATEs), so
// that tests can create dialogs with DialogBoxIndirectParam / CreateDialogIndirectParam
// without a resource script. Coordinates are dialog units.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace testing_win32 {

class DialogTemplateBuilder {
  public:
    // DS_SETFONT is added to the style: the dialog uses the font below.
    DialogTemplateBuilder(const std::wstring& caption, DWORD style, short x, short y, short width,
                          short height);

    DialogTemplateBuilder& Font(const std::wstring& face, WORD pointSize);

    // A control of a registered class given by name ("SysListView32", "msctls_updown32").
    DialogTemplateBuilder& Control(WORD id, const std::wstring& className, const std::wstring& text,
                                   DWORD style, short x, short y, short width, short height,
                                   DWORD exStyle = 0);
    // Controls of the predefined classes (WS_CHILD | WS_VISIBLE are added).
    DialogTemplateBuilder& Button(WORD id, const std::wstring& text, DWORD style, short x, short y,
                                  short width, short height);
    DialogTemplateBuilder& Edit(WORD id, DWORD style, short x, short y, short width, short height);
    DialogTemplateBuilder& Static(WORD id, const std::wstring& text, DWORD style, short x, short y,
                                  short width, short height);
    DialogTemplateBuilder& ComboBox(WORD id, DWORD style, short x, short y, short width,
                                    short height);

    // The template; valid until the builder changes or goes away.
    const DLGTEMPLATE* Get();

  private:
    struct Item {
        DWORD style;
        DWORD exStyle;
        short x, y, width, height;
        WORD id;
        WORD classAtom;  // 0: className
        std::wstring className;
        std::wstring text;
    };
    Item PredefinedItem(WORD atom, WORD id, const std::wstring& text, DWORD style, short x, short y,
                        short width, short height);

    std::wstring caption_;
    DWORD style_;
    short x_, y_, width_, height_;
    std::wstring fontFace_ = L"MS Shell Dlg";
    WORD fontSize_ = 8;
    std::vector<Item> items_;
    std::vector<DWORD> buffer_;  // DWORD storage keeps the template DWORD-aligned
};

}  // namespace testing_win32
