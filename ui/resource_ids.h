// Resource and control ids, shared by the resource script, the program and its tests.
#pragma once

#define IDD_ABOUT 100
#define IDS_ABOUT_ITEM 101
#define IDD_CONVERTER 102
#define IDD_POINT_REVIEW 103
#define IDI_APPLICATION_ICON 128
#define IDR_MAIN_MENU 131

#define IDC_INPUT_PATH 1000
#define IDC_OUTPUT_PATH 1001
#define IDC_INPUT_GROUP 1002
#define IDC_OUTPUT_GROUP 1003
#define IDC_BROWSE_INPUT 1006
#define IDC_BROWSE_OUTPUT 1007
#define IDC_ICON_NUMBER 1010
#define IDC_ICON_SPIN 1020
#define IDC_VOICE 1022
#define IDC_DATUM_STATUS 1030

#define IDC_POINT_LIST 1100
#define IDC_POINT_COUNT 1101
#define IDC_APPEND 1102
#define IDC_ADD_FILES 1103
#define IDC_APPEND_NOTE 1104

#define ID_HELP_VERSION 32774
#define ID_DATUM_TOKYO 32775
#define ID_DATUM_WGS84 32776
// The version item added to the system menu; system command ids keep their low four bits free.
#define IDM_ABOUT_BOX 16
