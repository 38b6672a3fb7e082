#pragma once

// Dialogs, one identifier range each.
#define IDD_ABOUTBOX 100
#define IDD_PELORUS_DIALOG 102
#define IDD_SETTING_PAGE 129
#define IDD_START_SET 131
#define IDD_SEL_BROWSER 132
#define IDD_FILTER_DIALOG 139
#define IDD_CLOSE_LIST 140
#define IDD_HOTKEYS 142
#define IDD_SWITCHER 150

// Main dialog (102) controls.
#define IDC_BTN_DELETE 1002
#define IDC_LIST_WINDOWS 1003
#define IDC_BTN_SETTINGS 1004
#define IDC_BTN_UPDATE_SIZE 1005
#define IDC_BTN_CLOSE_LIST 1006

// Settings sheet: new-window page (129) controls.
#define IDC_PAGE_NEW_WINDOW_MODE 1002
#define IDC_PAGE_LIST_MODE 1003
#define IDC_PAGE_SIZE_POS 1004
#define IDC_PAGE_FILTER 1011
#define IDC_PAGE_FILTER_SETTINGS 1012

// Settings sheet: start-up page (131) controls.
#define IDC_START_EXIT_BROWSER 1001
#define IDC_START_ICONIC 1008
#define IDC_START_ADD_LINK 1009
#define IDC_START_REMOVE_LINK 1010
#define IDC_START_LANGUAGE 1011

// Settings sheet: target-browser page (132) controls.
#define IDC_BROWSER_IE 1002
#define IDC_BROWSER_NETSCAPE4 1003
#define IDC_BROWSER_NETSCAPE6 1004
#define IDC_BROWSER_OPERA 1005
#define IDC_BROWSER_MOZILLA 1006
#define IDC_BROWSER_CHROMIUM 1007

// Settings sheet: hotkey page (142) controls, in the keys' order.
#define IDC_HOTKEY_NEXT 1001
#define IDC_HOTKEY_PREVIOUS 1002
#define IDC_HOTKEY_WINDOW_MENU 1003
#define IDC_HOTKEY_SHOW_HIDE 1004
#define IDC_HOTKEY_FIND 1005

// The switcher (150) controls.
#define IDC_SWITCHER_QUERY 1001
#define IDC_SWITCHER_LIST 1002
#define IDC_SWITCHER_STATUS 1003

// Filter settings dialog (139) controls.
#define IDC_FILTER_CLOSE 1013
#define IDC_FILTER_PARK 1014
#define IDC_FILTER_URLS 1015
#define IDC_FILTER_TITLES 1016
#define IDC_FILTER_POPUP 1017
#define IDC_FILTER_MAX 1021
#define IDC_FILTER_MAX_SPIN 1022
#define IDC_FILTER_USE_TITLE 1023
#define IDC_FILTER_USE_URL 1024
#define IDC_FILTER_URL_FROM_BROWSER 1025
#define IDC_FILTER_TITLE_FROM_BROWSER 1026

// Close-list dialog (140) controls.
#define IDC_CLOSELIST_DELETE 1018
#define IDC_CLOSELIST_SHOW 1019
#define IDC_CLOSELIST_LIST 1020
#define IDC_CLOSELIST_DELETE_ALL 1021
#define IDC_CLOSELIST_HIDE 1022
#define IDC_CLOSELIST_COUNT 1026

// Icons, bitmaps, strings.
#define IDR_MAINFRAME 128
#define IDB_MENU_CHECK 133
#define IDB_BROWSER_IE 134
#define IDB_BROWSER_NETSCAPE6 135
#define IDB_BROWSER_NETSCAPE4 136
#define IDB_BROWSER_OPERA 137
#define IDB_BROWSER_MOZILLA 138
#define IDB_BROWSER_CHROMIUM 141
#define IDS_ABOUTBOX 101
// The browser kinds' names.
#define IDS_BROWSER_IE 201
#define IDS_BROWSER_NETSCAPE6 202
#define IDS_BROWSER_NETSCAPE4 203
#define IDS_BROWSER_OPERA 204
#define IDS_BROWSER_MOZILLA 205
#define IDS_BROWSER_CHROMIUM 206
// Captions, messages and the list's words.
#define IDS_SETTINGS_CAPTION 301
#define IDS_NO_BROWSER 302
#define IDS_STARTUP_LINK_FAILED 303
#define IDS_LIST_HEADER 304
#define IDS_NOT_RESPONDING 305
// Drop-down list items: the new-window page's two lists, the start-up page's languages.
#define IDS_NEW_WINDOW_SHOW_NEW 320
#define IDS_NEW_WINDOW_KEEP_CURRENT 321
#define IDS_LIST_MODE_LAST 322
#define IDS_LIST_MODE_FIRST 323
#define IDS_LIST_MODE_AFTER_SHOWN 324
#define IDS_LIST_MODE_BEFORE_SHOWN 325
#define IDS_LANGUAGE_AUTOMATIC 326
#define IDS_LANGUAGE_ENGLISH 327
#define IDS_LANGUAGE_JAPANESE 328
// The tray menus' own items.
#define IDS_TRAY_UPDATE_SIZE 336
#define IDS_TRAY_SETTINGS 337
#define IDS_TRAY_RESTORE 338
#define IDS_TRAY_CLOSE_LIST 339
#define IDS_TRAY_EXIT 340
#define IDS_TRAY_SHOW 341
#define IDS_TRAY_DELETE 342
#define IDS_TRAY_CLOSE_MENU 343
#define IDS_TRAY_FIND 344
// The Close-list dialog's column of reasons: its header, and why a window was filtered.
#define IDS_CLOSELIST_REASON 350
#define IDS_REASON_POPUP 351
#define IDS_REASON_URL 352
#define IDS_REASON_TITLE 353
// A system-wide key another program holds: "%s" stands for the keys' names.
#define IDS_HOTKEYS_HELD 354
// The tip of the main window's button that takes the shown window's size and place.
#define IDS_TIP_UPDATE_SIZE 360
// The switcher's line when nothing matches.
#define IDS_SWITCHER_NONE 361

// System-menu command of the About box.
#define IDM_ABOUTBOX 0x0010
