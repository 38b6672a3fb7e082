// The Close list: filtered windows hidden under the relay window, oldest first, within a capacity
// of 1 to 8; the oldest is asked to close when a new one finds it full. And the windows outside
// every list that were asked to close: one that refuses is given back to the desktop.
#pragma once

#include "settings/settings_model.h"
#include "win/window_seam.h"

// Filled slots packed at the front, oldest first; 0 marks an empty slot.
extern WindowHandle g_ahwndParked[kCloseListSlots];
extern int g_anParkedType[kCloseListSlots];
extern int g_nParkedTotal;  // every window that ever entered the Close list

// The close-list dialog, while it is open, is told of each window parked, and of each that leaves
// the Close list however it leaves: its rows are the Close list.
class CloseListObserver {
public:
    virtual ~CloseListObserver() = default;
    virtual void AddParkedWindow(WindowHandle window, int type) = 0;
    virtual void UpdateParkedWindowTitle(WindowHandle window) = 0;
    virtual void RemoveParkedWindow(WindowHandle window) = 0;
    // The program is going: the dialog ends as its close box ends it.
    virtual void CloseDialog() = 0;
};
extern CloseListObserver* g_pCloseListDlg;  // null while the dialog is closed

// Enters WINDOW and hides it (once it answers, if it does not now).
void ParkWindow(WindowHandle window, int type);
bool RemoveParked(WindowHandle window);
bool IsParked(WindowHandle window);
void CloseAllParked();
// Evicts the oldest parked windows until no more than the capacity remain.
void EvictParkedBeyondCapacity();
void OnParkedTitleChanged(WindowHandle window);
void OnParkedDestroyed(WindowHandle window);
// A parked window that did not answer when it was parked is hidden now that it does.
void OnParkedResponded(WindowHandle window);
void ClearParked();  // the main window's set-up empties all eight slots

// Asks a window outside every list to close. One still alive and hidden a grace period later
// (it refused, or it does not answer) goes back to the desktop: never hidden in no list.
void AskToClose(WindowHandle window);
// Once a tick (half a second): the release of the windows whose grace period is over.
void ReleaseRefusedCloses();
bool IsClosing(WindowHandle window);
void ClearClosing();
