#include "about_dlg.h"

#include <utility>

namespace win32 {

CAboutDlg::CAboutDlg(HINSTANCE resources, int templateId, std::vector<AboutBoxText> texts)
    : CDialog(resources, templateId), texts_(std::move(texts)) {}

bool CAboutDlg::OnInitDialog() {
    for (const AboutBoxText& text : texts_) {
        SetItemText(text.control, text.text);
    }
    return true;
}

}  // namespace win32
