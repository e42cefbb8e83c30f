// The configuration check's identifiers, alike in both programs: its template and
// controls, and the main dialogs' "Check..." button that opens it.
#pragma once

// The main dialogs' button.
#define IDC_CHECK_CONFIGURATION 1070

// The check dialog: its template, the findings, the selected finding's full text and
// the summary line.
#define IDD_CONFIG_CHECK 140
#define IDC_CHECK_FINDINGS 1080
#define IDC_CHECK_DETAIL 1082
#define IDC_CHECK_SUMMARY 1084
