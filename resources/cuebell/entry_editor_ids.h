// The detection entry editor's template and controls.
#pragma once

#define IDD_ENTRY_EDITOR 134

#define IDC_ENTRY_NAME 1027
#define IDC_ENTRY_DEVICE 1028
#define IDC_ENTRY_SAMPLES 1031
#define IDC_ENTRY_SELECT_ALL 1051
#define IDC_ENTRY_UNSELECT_ALL 1052
#define IDC_ENTRY_ACTION 1053
#define IDC_ENTRY_COMMENT 1054
#define IDC_ENTRY_COMMENT_LABEL 1064
