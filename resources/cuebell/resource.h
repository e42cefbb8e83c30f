// Cuebell's resource identifiers: dialog templates, controls, the icon and the system-menu
// command of the About item. The string identifiers live in strings.inc.
#pragma once

// Dialog templates.
#define IDD_ABOUTBOX 100
#define IDD_CUEBELL_DIALOG 102

// The application icon.
#define IDR_MAINFRAME 128

// System-menu command of the About item (the low four bits are the system's).
#define IDM_ABOUTBOX 0x0010

// Main dialog controls.
#define IDC_ADD_ENTRY 1000
#define IDC_EDIT_ENTRY 1001
#define IDC_DELETE_ENTRY 1002
#define IDC_ENTRY_GROUP 1003
#define IDC_SAMPLES 1004
#define IDC_DEVICES 1005
#define IDC_GENERAL 1006
#define IDC_ENTRY_LIST 1007
#define IDC_DESCRIPTION 1008
#define IDC_DESCRIPTION_LABEL 1009
#define IDC_SEPARATOR 1061

// About box controls.
#define IDC_VERSION_TEXT 1059
#define IDC_NOTICE_TEXT 1060

// The editors' templates and controls, one header each.
#include "device_dialogs_ids.h"
#include "entry_editor_ids.h"
#include "general_settings_ids.h"
#include "sample_dialogs_ids.h"

// The configuration check, alike in both programs.
#include "../config_check_ids.h"
