// The sample manager's and the sample editor's templates and control identifiers.
#pragma once

// Dialog templates.
#define IDD_SAMPLE_MANAGER 130
#define IDD_SAMPLE_ADD_EDIT 131

// Sample manager controls.
#define IDC_SAMPLE_ADD 1000
#define IDC_SAMPLE_EDIT 1001
#define IDC_SAMPLE_DELETE 1002
#define IDC_SAMPLE_LIST 1013

// Sample editor controls.
#define IDC_SAMPLE_PATH 1014
#define IDC_SAMPLE_BROWSE 1015
#define IDC_SAMPLE_THRESHOLD 1016
#define IDC_SAMPLE_THRESHOLD_SPIN 1017
#define IDC_SAMPLE_OFFSET 1018
#define IDC_SAMPLE_OFFSET_SPIN 1019
#define IDC_SAMPLE_DELAY 1020
#define IDC_SAMPLE_DELAY_SPIN 1021
#define IDC_SAMPLE_USE_DEFAULT 1022
#define IDC_SAMPLE_SET_DEFAULT 1056
