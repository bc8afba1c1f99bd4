// Numbers of the launcher's resources and controls, shared by launcher.rc and the code.
#pragma once

#define IDI_LAUNCHER 101
#define IDD_LAUNCHER 102
#define IDB_PICTURE 103

#define IDS_LAUNCH 104
#define IDS_CANCEL 105
#define IDS_GAMETITLE 106
#define IDS_TEXT1 109
#define IDS_TEXT2 110
#define IDS_DEFAULTRR 111
#define IDS_SAFEMODE 112
#define IDS_HERTZ 113

#define IDC_LAUNCH 1001
#define IDC_CANCEL 1002
#define IDC_RATES 1005
#define IDC_LINE_BUTTONS 1006
#define IDC_TEXT1 1007
#define IDC_LINE_LIST 1008
#define IDC_PICTURE 1009
#define IDC_PICTURE_FRAME 1010
#define IDC_TEXT2 1011
