// Tonegate's resource identifiers: dialog templates, controls, the icon and the
// system-menu command of the About item. The string identifiers live in strings.inc.
#pragma once

// Dialog templates.
#define IDD_ABOUTBOX 100
#define IDD_TONEGATE_DIALOG 102

// The application icon.
#define IDR_MAINFRAME 128

// System-menu command of the About item (the low four bits are the system's).
#define IDM_ABOUTBOX 0x0010

// Main dialog controls.
#define IDC_SIGNAL_LIST 1000
#define IDC_ADD_SIGNAL 1001
#define IDC_DELETE_SIGNAL 1002
#define IDC_EDIT_SIGNAL 1003
#define IDC_DESCRIPTION 1009
#define IDC_DESCRIPTION_LABEL 1025
#define IDC_SEPARATOR 1026

// About box controls.
#define IDC_NOTICE_TEXT 1029
#define IDC_VERSION_TEXT 1030

// The signal editor's template and controls.
#include "signal_editor_ids.h"

// The configuration check, alike in both programs.
#include "../config_check_ids.h"
