#pragma once
// Resource ids of setup.exe and of the language libraries.

// Dialogs
#define IDD_SETUP_DIALOG        102

// Icons
#define IDI_SETUP               128

// Bitmaps
#define IDB_SKIN                130
#define IDB_BUTTON_NORMAL       131
#define IDB_BUTTON_PRESSED      132
#define IDB_BUTTON_HOVER        133
#define IDB_CLOSE_NORMAL        134
#define IDB_CLOSE_HOVER         135
#define IDB_CLOSE_DISABLED      136
#define IDB_CHECK_CLEAR         142
#define IDB_CHECK_TICKED        143

// Controls of the wizard
#define IDC_ACTION              1000
#define IDC_HEADING             1001
#define IDC_BODY                1002
#define IDC_PROGRESS            1003
#define IDC_CLOSE               1004
#define IDC_TITLE               1005
#define IDC_LAUNCH              1008

// Strings of the language libraries (and of setup.exe's own table)
#define IDS_INSTALL_BUTTON      1
#define IDS_CANCEL_BUTTON       2
#define IDS_FINISH_BUTTON       3
#define IDS_INSTALL_READY_BODY  4
#define IDS_INSTALL_READY_HEAD  5
#define IDS_INSTALL_RUN_BODY    6
#define IDS_INSTALL_DONE_HEAD   7
#define IDS_FINISHED_BODY       8
#define IDS_INSTALL_FAILED_HEAD 9
#define IDS_REMOVE_BUTTON       10
#define IDS_REMOVE_READY_HEAD   11
#define IDS_REMOVE_READY_BODY   12
#define IDS_REMOVE_RUN_BODY     13
#define IDS_REMOVE_FAILED_HEAD  14
#define IDS_REMOVE_DONE_HEAD    15
#define IDS_INSTALL_RUN_HEAD    16
#define IDS_REMOVE_RUN_HEAD     17
#define IDS_RESTART_NOW         18
#define IDS_RESTART_LATER       19
#define IDS_LAUNCH_CHECK        20
