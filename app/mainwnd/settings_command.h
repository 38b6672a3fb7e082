// The main window's "設定" command: the values in force copied into the settings sheet; after OK
// the settings model carries out every change in the sheet's order, and this side does what the
// changes ask of the other rooms.
#pragma once

#include <windows.h>

#include "capture/capture_state.h"
#include "mainwnd/list_controller.h"
#include "settings/filter_settings.h"
#include "settings/settings_model.h"

struct SettingsCommand {
    HWND mainWindow;
    HWND updateSizeButton;
    CListController& list;
    CCaptureState& capture;
    CSettingsModel& settings;
    FilterDialogHost& filterHost;
};

// False when it was left with Cancel. The Close-list button and capacity are the caller's to
// bring up to date either way.
bool RunSettingsCommand(const SettingsCommand& command);
