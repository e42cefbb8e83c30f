// The device manager's and the device editor's templates and controls.
#pragma once

// Dialog templates.
#define IDD_DEVICE_MANAGER 132
#define IDD_DEVICE_ADD_EDIT 133

// Device manager controls.
#define IDC_DEVICE_ADD 1000
#define IDC_DEVICE_EDIT 1001
#define IDC_DEVICE_DELETE 1002
#define IDC_DEVICE_LIST 1023

// Device editor controls.
#define IDC_DEVICE_NAME 1024
#define IDC_DEVICE_SAMPLE_RATE 1025
#define IDC_DEVICE_ANALYSIS_INTERVAL 1026
#define IDC_DEVICE_SET_DEFAULT 1056
