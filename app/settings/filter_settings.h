// What the filter settings dialog does with its values, free of the platform: the text of the two
// prefix boxes, the size of the Close list typed into its box, and what OK writes to the settings
// file and changes in the program-wide settings.
#pragma once

#include <string>
#include <vector>

#include "settings/profile_store.h"
#include "win/code_page_text.h"

// What the filter dialog asks of the rest of the program, which it does not know itself.
class FilterDialogHost {
public:
    virtual ~FilterDialogHost() = default;
    // The address, or the title without the browser's own name, of the window selected in the
    // main window's list (its selection is cleared); false when none is selected or it has none.
    virtual bool SelectedBrowserUrl(std::u16string& url) = 0;
    virtual bool SelectedBrowserTitle(std::u16string& title) = 0;
    // Every parked window asked to close, the Close list emptied.
    virtual void CloseAllParked() = 0;
};

// One prefix a line, each followed by "\r\n": an empty list gives "".
std::u16string PrefixBoxText(const std::vector<std::u16string>& prefixes);
// The prefixes a box's text holds, line by line, exactly as typed: empty lines skipped, spaces
// and repeats kept; a line is cut to kPrefixBufferSize - 1 units, never inside a character.
std::vector<std::u16string> PrefixesFromBoxText(const std::u16string& text);
// A prefix's code-page bytes as written to the settings file: in double quotes where the file's
// reader would not give them back whole (it drops blanks at either end, and a pair of enclosing
// quotes).
std::string PrefixProfileValue(const std::string& prefix);

// How a prefix is kept in the settings file, which is in the system's code page as it always
// was. Its numbered key holds the nearest the code page comes to it (at most what that key's
// reader gives back, on a character boundary): exactly the prefix where the code page holds it,
// and what an earlier version, reading titles in the code page, would itself have made of it
// where it does not. Then a second key, the numbered key's name and kExactPrefixSuffix, holds
// the prefix exactly, percent-encoded UTF-8 in ASCII, which earlier versions never read.
constexpr char kExactPrefixSuffix[] = "_UTF8";
struct StoredPrefix {
    std::string value;  // the numbered key's value (quoted where needed)
    std::string exact;  // the second key's value; empty: the key is not needed
};
StoredPrefix StorePrefix(const std::u16string& prefix, const CodePage& codePage);
// The prefix back from the numbered key's VALUE (as the reader gives it) and the second key's
// EXACT ("" when missing). The exact text is taken only while VALUE is still what it would be
// stored as: a prefix changed since by an earlier version or by hand reads as that key says.
std::u16string LoadPrefix(const std::string& value, const std::string& exact, const CodePage& codePage);
// The Close list's size as typed: blanks, a sign, digits up to anything else (none: 0), brought
// into 1 to 8.
int ParseCloseListSize(const std::string& text);

// The dialog's own values when OK is pressed. The mode and the pop-up check are already in the
// settings, set at once by their boxes.
struct FilterDialogValues {
    int filterCloseOld = 0;  // close mode when the dialog opened
    std::string sizeText;
    bool useUrl = false;
    bool useTitle = false;
    std::u16string urlText;
    std::u16string titleText;
};

// OK (CSettingsModel::ApplyFilterDialog) writes what changed (and the pop-up check, the prefixes
// and their counts always), in the dialog's order, and updates the settings. The old numbered keys
// beyond the new count are deleted where the file has them, however large the count it claimed.
// It asks for every parked window to be closed when park mode was left for close mode, or the
// park-mode capacity lowered below what the Close list holds while filtering is on.
