// The description of a main dialog's list of detection records (Cuebell's entries,
// Tonegate's signals): the columns Name, Action and Comment, and the refusals and question
// of Edit and Delete, each program's own words put into one shape.
#pragma once

#include <algorithm>
#include <string>

#include "format.h"
#include "record_list.h"

namespace core {

// Column identifiers, kept in each header item's data.
constexpr int kNameColumn = 1;
constexpr int kActionColumn = 2;
constexpr int kCommentColumn = 3;

// A program's words for its list.
struct NamedActionListTexts {
    std::wstring nameTitle;
    std::wstring actionTitle;
    std::wstring commentTitle;
    std::wstring listEmpty;
    std::wstring noSelectionToEdit;
    std::wstring editCaption;
    std::wstring noSelectionToDelete;
    std::wstring deleteCaption;
    std::wstring confirmDelete;  // "%s" is the record's name
};

// The name takes 150 pixels, the action 100, the comment the rest of the client width
// (never less than 0). Refusals carry the warning icon, the question Yes and No.
template <class T>
RecordListDescription<T> NamedActionListDescription(const NamedActionListTexts& texts) {
    constexpr int kNameWidth = 150;
    constexpr int kActionWidth = 100;
    RecordListDescription<T> list;
    list.columns = [texts](int listClientWidth) {
        return std::vector<ListColumn>{
            {kNameColumn, texts.nameTitle, kNameWidth},
            {kActionColumn, texts.actionTitle, kActionWidth},
            {kCommentColumn, texts.commentTitle,
             std::max(0, listClientWidth - kNameWidth - kActionWidth)},
        };
    };
    list.cellText = [](const T& record, int columnId) {
        switch (columnId) {
            case kNameColumn:
                return record.Name;
            case kActionColumn:
                return record.Action.Name;
            case kCommentColumn:
                return record.Comment;
            default:
                return std::wstring();
        }
    };
    const unsigned warning = kMbOk | kMbIconWarning;
    list.editEmpty = {texts.listEmpty, texts.editCaption, warning};
    list.editNoSelection = {texts.noSelectionToEdit, texts.editCaption, warning};
    list.deleteEmpty = {texts.listEmpty, texts.deleteCaption, warning};
    list.deleteNoSelection = {texts.noSelectionToDelete, texts.deleteCaption, warning};
    list.deleteQuestion = [texts](const T& record) {
        return BoxMessage{Format(texts.confirmDelete, record.Name), texts.deleteCaption,
                          kMbYesNo | kMbIconQuestion};
    };
    return list;
}

}  // namespace core
