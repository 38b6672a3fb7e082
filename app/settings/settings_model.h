// The settings in memory, with one owner: values named after their keys in Pelorus.ini, loaded
// once at start-up and written to the file key by key as they change. Only the owner's own steps
// change them: loading, what the settings sheet's OK and the filter dialog apply, taking the fixed
// rectangle, and the save at exit. Everything else reads them.
#pragma once

#include <string>
#include <vector>

#include "settings/hotkeys.h"
#include "settings/profile_store.h"
#include "ui/ui_language.h"
#include "win/window_seam.h"

constexpr int kCloseListSlots = 8;      // the Close list's slots; its capacity is 1 to 8 of them
constexpr int kPrefixBufferSize = 511;  // a prefix reaches memory with at most 510 characters
constexpr int kShowNormal = 1;          // SW_SHOWNORMAL
constexpr int kShowMaximized = 3;       // SW_SHOWMAXIMIZED

struct SettingsValues {
    int nWinLeft = 0;  // WIN_LEFT...WIN_HEIGHT: the fixed rectangle given to shown browser windows;
    int nWinTop = 0;   // a negative width or height: none recorded
    int nWinWidth = -1;
    int nWinHeight = -1;
    int nNewWindowMode = 0;                 // NewWindowMode: show the new window (0) or keep the current one
    int nListMode = 0;                      // ListMode: where a new entry goes
    int bSizePos = 1;                       // Size_Pos: shown windows get the fixed rectangle
    int bIconic = 0;                        // ICONIC: start in the tray
    int nTargetBrowser = 0x51;              // TARGET_B: the target-browser mask (Internet Explorer, Mozilla, Chromium)
    int bExitBrowser = 0;                   // EXIT_BROWSER: close (1) or release (0) listed windows at exit
    int bFilter = 0;                        // FILTER
    int bFilterClose = 1;                   // FILTER_CLOSE: close (1) or park (0) filtered windows
    int bFilterCheckPopup = 1;              // FILTER_CHECK_POPUP
    int nMaxPendingNum = 4;                 // MAX_PENDING_NUM: 1 to 8
    int bFilterUseUrl = 0;                  // FILTER_USE_URL
    int bFilterUseTitle = 0;                // FILTER_USE_TITLE
    int nFilterUrlNum = 0;                  // FILTER_URL_NUM: how many numbered keys the file claims
    int nFilterTitleNum = 0;                // FILTER_TITLE_NUM
    std::vector<std::u16string> arrFilterUrl;    // FILTER_URLn, in file order, none empty
    std::vector<std::u16string> arrFilterTitle;  // FILTER_TITLEn
    int nHotkeys[kHotkeyCount] = {};  // HOTKEY_NEXT...: the system-wide keys, in Hotkey order; 0: none
    int nLanguage = 0;                        // Language: a LanguageChoice ("auto", "en", "ja" in the file)
};

// The fixed rectangle; in force when Size_Pos is on and a rectangle is recorded.
struct FixedRect {
    int left = 0, top = 0, width = -1, height = -1;
};

// The key that says the geometry keys are in pixels: it repeats their six values, so that values
// an earlier version (which ignores it) has written since do not pass for pixels.
constexpr char kGeometryInPixels[] = "GEOMETRY_IN_PIXELS";

// The main window's placement, kept in the file only: a negative value means none stored.
struct StoredPosition {
    int x = -1;  // XPOS
    int y = -1;  // YPOS
};

struct SheetStep;
class SheetEffects;
struct FilterDialogValues;
class CodePage;

class CSettingsModel {
public:
    const SettingsValues& Values() const { return m_values; }
    // Close-list slots in use: filtering's capacity while filtering is on, else the last one.
    int CloseListCapacity() const { return m_nCloseListCapacity; }
    // The capacity filtering has: 2 in close mode, the park mode's size otherwise.
    int FilteringCapacity() const;
    // The Close-list button (and tray item) is enabled while filtering parks windows.
    bool CloseListButtonEnabled() const;
    FixedRect Fixed() const;
    // The show command a placed window gets: normal, or maximised once the fixed rectangle was
    // taken from a maximised window. Kept in memory only: every run starts normal.
    int ShowCmd() const { return m_nShowCmd; }

    // Reads every key in the start-up order; XPOS and YPOS go to POSITION. The file is in
    // CODE_PAGE. Geometry an earlier version wrote, unaware of the display's scale, is in the
    // coordinates the system gave it, scaled for LEGACY_DPI: it is read back in pixels.
    void Load(ProfileStore& store, StoredPosition& position, const CodePage& codePage, int legacyDpi = 96);
    // At exit: the main window's normal top-left and the fixed rectangle, in that order, then
    // kGeometryInPixels; then the prefix lists are emptied.
    void SaveGeometry(ProfileStore& store, int normalLeft, int normalTop);
    // "Update size info": the current window's normal rectangle becomes the fixed one, kept in
    // memory until exit. False (nothing taken) while Size_Pos is off.
    bool TakeFixedRectangle(const NormalRect& normal, int placementShowCmd);
    // The settings sheet's OK: the planned steps carried out in order (sheet_values.h).
    void ApplySheet(ProfileStore& store, const std::vector<SheetStep>& steps, SheetEffects& effects);
    // The filter dialog's OK (filter_settings.h); true when every parked window is to be asked
    // to close.
    bool ApplyFilterDialog(ProfileStore& store, const FilterDialogValues& values, const CodePage& codePage);
    // The filter dialog's mode pair and pop-up box take effect at once, before its OK.
    void SetFilterClose(bool close) { m_values.bFilterClose = close ? 1 : 0; }
    void SetFilterCheckPopup(bool check) { m_values.bFilterCheckPopup = check ? 1 : 0; }
    // After every closing of the settings sheet, and at loading.
    void UpdateCloseListCapacity();

private:
    int* SheetValue(const char* key);

    SettingsValues m_values;
    int m_nCloseListCapacity = kCloseListSlots;
    int m_nShowCmd = kShowNormal;
};

// The Language key; read before anything is shown, for the resources' language.
LanguageChoice LoadLanguageChoice(ProfileStore& store);
// Writes VALUE as signed decimal text.
void WriteSetting(ProfileStore& store, const char* key, int value);
// A capacity, or a hand-edited MAX_PENDING_NUM, outside 1 to 8 is brought to the nearest end.
int ClampCloseListCapacity(int capacity);
// The key STEM followed by N in decimal, and SUFFIX.
std::string NumberedKey(const char* stem, int n, const char* suffix = "");
// The numbers n, 1 <= n <= COUNT, for which the section holds a key STEM followed by n (and
// SUFFIX), in ascending order. Bounded by the keys in the file, however large COUNT is.
std::vector<int> NumberedKeysPresent(ProfileStore& store, const char* stem, int count, const char* suffix = "");
