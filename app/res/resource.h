#pragma once

// Dialogs, one identifier range each.
#define IDD_ABOUTBOX 100
#define IDD_PELORUS_DIALOG 102

// Main dialog (102) controls.
#define IDC_BTN_DELETE 1002
#define IDC_LIST_WINDOWS 1003
#define IDC_BTN_SETTINGS 1004
#define IDC_BTN_UPDATE_SIZE 1005
#define IDC_BTN_CLOSE_LIST 1006

// Icons, bitmaps, strings.
#define IDR_MAINFRAME 128
#define IDB_MENU_CHECK 133
#define IDB_BROWSER_IE 134
#define IDB_BROWSER_NETSCAPE6 135
#define IDB_BROWSER_NETSCAPE4 136
#define IDB_BROWSER_OPERA 137
#define IDB_BROWSER_MOZILLA 138
#define IDS_ABOUTBOX 101

// System-menu command of the About box.
#define IDM_ABOUTBOX 0x0010
