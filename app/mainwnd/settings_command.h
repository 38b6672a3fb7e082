// The main window's "設定" command: the values in force copied into the settings sheet, and after
// OK every change carried out and saved in the sheet's order.
#pragma once

#include <windows.h>

#include "mainwnd/list_controller.h"
#include "settings/filter_settings.h"
#include "settings/settings_model.h"

struct SettingsCommand {
    HWND mainWindow;
    HWND updateSizeButton;
    CListController& list;
    MainDialogSettings& dialog;
    FilterDialogHost& filterHost;
};

// False when it was left with Cancel. The Close-list button and capacity are the caller's to
// bring up to date either way.
bool RunSettingsCommand(const SettingsCommand& command);
