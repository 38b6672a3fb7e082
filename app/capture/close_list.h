// The capture decisions about new browser windows: the filters (pop-up heuristic, URL and title
// prefixes), the Close list of filtered windows hidden under the relay window, and the pop-up
// table. All of it runs on the main thread; windows are reached through the window seam.
#pragma once

#include "win/window_seam.h"

constexpr int kParkedSlots = 8;
constexpr int kPopupSlots = 64;
constexpr int kUrlBufferSize = 1024;
constexpr int kTitleBufferSize = 2048;

// The Close list: filled slots packed at the front, oldest first; 0 marks an empty slot.
extern WindowHandle g_ahwndParked[kParkedSlots];
extern int g_anParkedType[kParkedSlots];
extern int g_nParkedTotal;  // every window that ever entered the Close list
// The pop-up table: unordered, 0 marks an empty slot.
extern WindowHandle g_ahwndPopup[kPopupSlots];

// The close-list dialog, while it is open, is told of each window parked.
class CloseListObserver {
public:
    virtual ~CloseListObserver() = default;
    virtual void AddParkedWindow(WindowHandle window, int type) = 0;
    virtual void UpdateParkedWindowTitle(WindowHandle window) = 0;
    virtual void RemoveParkedWindow(WindowHandle window) = 0;
};
extern CloseListObserver* g_pCloseListDlg;  // null while the dialog is closed

// The address shown in a browser window: the text of its first "Edit" descendant, cut to
// kUrlBufferSize - 1 bytes. False, with URL empty, when it has none.
bool ReadBrowserUrl(WindowHandle window, std::string& url);
// Cuts the browser's own name off TITLE (in place); false when its marker is not there.
bool NormalizeTitle(std::string& title, int type);
// Whether the normalised title (TITLE, or the window's own when null) begins with a title prefix.
bool MatchTitleFilter(WindowHandle window, int type, const char* title);
// Parks WINDOW when the pop-up, URL or title rule (tried in that order) matches.
bool FilterNewWindow(WindowHandle window, int type);
void ParkWindow(WindowHandle window, int type);
bool RemoveParked(WindowHandle window);
void CloseAllParked();
// Evicts the oldest parked windows until no more than g_nCloseListCapacity remain.
void EvictParkedBeyondCapacity();
void OnParkedTitleChanged(WindowHandle window);
void OnParkedDestroyed(WindowHandle window);

void ClearParked();  // the main window's set-up empties all eight slots
void ClearPopups();
void AddPopup(WindowHandle window);
void RemovePopup(WindowHandle window);
bool IsPopup(WindowHandle window);
bool LooksLikePopup(WindowHandle window, int type);
