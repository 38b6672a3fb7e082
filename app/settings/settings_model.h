// The settings model: program-wide values named after their keys in Pelorus.ini, loaded once at
// start-up and written key by key when they change.
#pragma once

#include <string>
#include <vector>

#include "settings/profile_store.h"

// The fixed rectangle given to shown browser windows; a negative width or height: none recorded.
extern int g_nWinLeft;                             // WIN_LEFT
extern int g_nWinTop;                              // WIN_TOP
extern int g_nWinWidth;                            // WIN_WIDTH
extern int g_nWinHeight;                           // WIN_HEIGHT
extern int g_nTargetBrowser;                       // TARGET_B: the target-browser mask (1: Internet Explorer only)
extern int g_bExitBrowser;                         // EXIT_BROWSER: close (1) or release (0) listed windows at exit
extern int g_bFilter;                              // FILTER
extern int g_bFilterClose;                         // FILTER_CLOSE: close (1) or park (0) filtered windows
extern int g_bFilterCheckPopup;                    // FILTER_CHECK_POPUP
extern int g_nMaxPendingNum;                       // MAX_PENDING_NUM: 1 to 8
extern int g_bFilterUseUrl;                        // FILTER_USE_URL
extern int g_bFilterUseTitle;                      // FILTER_USE_TITLE
extern int g_nFilterUrlNum;                        // FILTER_URL_NUM: how many numbered keys the file claims
extern int g_nFilterTitleNum;                      // FILTER_TITLE_NUM
extern std::vector<std::string> g_arrFilterUrl;    // FILTER_URLn, in file order, none empty
extern std::vector<std::string> g_arrFilterTitle;  // FILTER_TITLEn
extern int g_nCloseListCapacity;                   // Close-list slots in use, derived

constexpr int kCloseListSlots = 8;      // the Close list's slots; its capacity is 1 to 8 of them
constexpr int kPrefixBufferSize = 511;  // a prefix reaches memory with at most 510 characters

// The main dialog's own settings, which it holds as members.
struct MainDialogSettings {
    int m_bIconic = 0;         // ICONIC
    int m_bSizePos = 1;        // Size_Pos
    int m_nListMode = 0;       // ListMode
    int m_nNewWindowMode = 0;  // NewWindowMode
};

// The main window's placement kept in the file only: a negative value means none stored.
struct StoredPosition {
    int x = -1;  // XPOS
    int y = -1;  // YPOS
};

// Reads every key in the start-up order into the model, DIALOG and POSITION, and derives the
// Close-list capacity. The caller then sets its Close-list button (CloseListButtonEnabled).
void LoadSettings(ProfileStore& store, MainDialogSettings& dialog, StoredPosition& position);

// Writes VALUE as signed decimal text.
void WriteSetting(ProfileStore& store, const char* key, int value);

// At exit: the main window's normal (restored) top-left and the fixed rectangle, in that order;
// then the prefix lists are emptied.
void SaveGeometry(ProfileStore& store, int normalLeft, int normalTop);

// The capacity follows the filter settings only while filtering is on.
void UpdateCloseListCapacity();
// The capacity filtering has: 2 in close mode, the park mode's size otherwise.
int FilteringCapacity();
// A capacity, or a hand-edited MAX_PENDING_NUM, outside 1 to 8 is brought to the nearest end.
int ClampCloseListCapacity(int capacity);
// The Close-list button (and tray item) is enabled while filtering parks windows.
bool CloseListButtonEnabled();

// The numbers n, 1 <= n <= COUNT, for which the section holds a key STEM followed by n, in
// ascending order. Bounded by the keys in the file, however large COUNT is.
std::vector<int> NumberedKeysPresent(ProfileStore& store, const char* stem, int count);
