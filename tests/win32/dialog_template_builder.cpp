#include "dialog_template_builder.h"

#include <cstring>

namespace testing_win32 {

namespace {

constexpr WORD kButtonAtom = 0x0080;
constexpr WORD kEditAtom = 0x0081;
constexpr WORD kStaticAtom = 0x0082;
constexpr WORD kComboBoxAtom = 0x0085;

void PutWord(std::vector<WORD>* words, WORD value) {
    words->push_back(value);
}

void PutDword(std::vector<WORD>* words, DWORD value) {
    words->push_back(LOWORD(value));
    words->push_back(HIWORD(value));
}

void PutShort(std::vector<WORD>* words, short value) {
    words->push_back(static_cast<WORD>(value));
}

void PutString(std::vector<WORD>* words, const std::wstring& text) {
    for (wchar_t c : text) {
        words->push_back(static_cast<WORD>(c));
    }
    words->push_back(0);
}

void AlignToDword(std::vector<WORD>* words) {
    if (words->size() % 2 != 0) {
        words->push_back(0);
    }
}

}  // namespace

DialogTemplateBuilder::DialogTemplateBuilder(const std::wstring& caption, DWORD style, short x,
                                             short y, short width, short height)
    : caption_(caption), style_(style), x_(x), y_(y), width_(width), height_(height) {}

DialogTemplateBuilder& DialogTemplateBuilder::Font(const std::wstring& face, WORD pointSize) {
    fontFace_ = face;
    fontSize_ = pointSize;
    return *this;
}

DialogTemplateBuilder& DialogTemplateBuilder::Control(WORD id, const std::wstring& className,
                                                      const std::wstring& text, DWORD style,
                                                      short x, short y, short width, short height,
                                                      DWORD exStyle) {
    items_.push_back(Item{style, exStyle, x, y, width, height, id, 0, className, text});
    return *this;
}

DialogTemplateBuilder::Item DialogTemplateBuilder::PredefinedItem(WORD atom, WORD id,
                                                                  const std::wstring& text,
                                                                  DWORD style, short x, short y,
                                                                  short width, short height) {
    return Item{WS_CHILD | WS_VISIBLE | style, 0, x, y, width, height, id, atom, L"", text};
}

DialogTemplateBuilder& DialogTemplateBuilder::Button(WORD id, const std::wstring& text, DWORD style,
                                                     short x, short y, short width, short height) {
    items_.push_back(PredefinedItem(kButtonAtom, id, text, style, x, y, width, height));
    return *this;
}

DialogTemplateBuilder& DialogTemplateBuilder::Edit(WORD id, DWORD style, short x, short y,
                                                   short width, short height) {
    items_.push_back(PredefinedItem(kEditAtom, id, L"", style, x, y, width, height));
    return *this;
}

DialogTemplateBuilder& DialogTemplateBuilder::Static(WORD id, const std::wstring& text, DWORD style,
                                                     short x, short y, short width, short height) {
    items_.push_back(PredefinedItem(kStaticAtom, id, text, style, x, y, width, height));
    return *this;
}

DialogTemplateBuilder& DialogTemplateBuilder::ComboBox(WORD id, DWORD style, short x, short y,
                                                       short width, short height) {
    items_.push_back(PredefinedItem(kComboBoxAtom, id, L"", style, x, y, width, height));
    return *this;
}

const DLGTEMPLATE* DialogTemplateBuilder::Get() {
    std::vector<WORD> words;
    // DLGTEMPLATE
    PutDword(&words, style_ | DS_SETFONT);
    PutDword(&words, 0);
    PutWord(&words, static_cast<WORD>(items_.size()));
    PutShort(&words, x_);
    PutShort(&words, y_);
    PutShort(&words, width_);
    PutShort(&words, height_);
    PutWord(&words, 0);  // no menu
    PutWord(&words, 0);  // the predefined dialog class
    PutString(&words, caption_);
    PutWord(&words, fontSize_);
    PutString(&words, fontFace_);

    for (const Item& item : items_) {
        AlignToDword(&words);
        // DLGITEMTEMPLATE
        PutDword(&words, item.style);
        PutDword(&words, item.exStyle);
        PutShort(&words, item.x);
        PutShort(&words, item.y);
        PutShort(&words, item.width);
        PutShort(&words, item.height);
        PutWord(&words, item.id);
        if (item.classAtom != 0) {
            PutWord(&words, 0xFFFF);
            PutWord(&words, item.classAtom);
        } else {
            PutString(&words, item.className);
        }
        PutString(&words, item.text);
        PutWord(&words, 0);  // no creation data
    }
    AlignToDword(&words);

    buffer_.assign(words.size() / 2, 0);
    std::memcpy(buffer_.data(), words.data(), words.size() * sizeof(WORD));
    return reinterpret_cast<const DLGTEMPLATE*>(buffer_.data());
}

}  // namespace testing_win32
