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
    virtual bool SelectedBrowserUrl(std::string& url) = 0;
    virtual bool SelectedBrowserTitle(std::string& title) = 0;
    // Every parked window asked to close, the Close list emptied.
    virtual void CloseAllParked() = 0;
};

// One prefix a line, each followed by "\r\n": an empty list gives "".
std::string PrefixBoxText(const std::vector<std::string>& prefixes);
// The prefixes a box's text holds, line by line: empty lines skipped, spaces and repeats kept;
// a line is cut to the longest prefix the settings file gives back whole (kPrefixBufferSize - 1
// bytes, two fewer for one written in quotes), on a character boundary.
std::vector<std::string> PrefixesFromBoxText(const std::string& text, LeadBytePredicate isLeadByte);
// A prefix as written to the settings file: in double quotes where the file's reader would not
// give it back whole (it drops blanks at either end, and a pair of enclosing quotes).
std::string PrefixProfileValue(const std::string& prefix);
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
    std::string urlText;
    std::string titleText;
};

// OK (CSettingsModel::ApplyFilterDialog) writes what changed (and the pop-up check, the prefixes
// and their counts always), in the dialog's order, and updates the settings. The old numbered keys
// beyond the new count are deleted where the file has them, however large the count it claimed.
// It asks for every parked window to be closed when park mode was left for close mode, or the
// park-mode capacity lowered below what the Close list holds while filtering is on.
