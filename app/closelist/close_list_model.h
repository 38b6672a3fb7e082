// What the Close-list dialog shows and does, free of the platform. Its rows mirror the Close list
// from the moment it opens, oldest first, each with the reason its window was filtered; one
// parked window at a time can be released for a look and hidden again. Deleting asks a window to
// close, and one that refuses is never left hidden in no list (the mover's rule for windows asked
// to close).
#pragma once

#include <functional>
#include <vector>

#include "capture/capture_state.h"
#include "capture/window_mover.h"
#include "settings/settings_model.h"
#include "ui/list_display.h"
#include "win/window_seam.h"

// How a row says why its window was filtered, in the interface's language: the pop-up rule's
// name, and for a prefix rule a text in which "%s" stands for the prefix.
struct ReasonWords {
    std::u16string popup;
    std::u16string url;
    std::u16string title;
};
std::u16string ReasonText(const FilterMatch& reason, const ReasonWords& words);

// What the dialog works with.
struct CloseListParts {
    WindowSeam& seam;
    CCaptureState& capture;
    CWindowMover& mover;
    const CSettingsModel& settings;
};

class CCloseListModel {
public:
    // ROWS is the dialog's list, each row with its window's reason in WORDS; SHOW_COUNT shows
    // the number of windows caught so far.
    CCloseListModel(ListDisplay& rows, std::function<void(int)> showCount, const CloseListParts& parts,
                    ReasonWords words);

    void Open();
    // ROW is the row the list had selected, -1 for none.
    void Show(int row);
    void Hide();
    void Delete(int row);
    void DeleteAll();
    // The dialog ends: every parked window it released is hidden again.
    void Close();

    // Kept in step by the Close list while the dialog is open.
    void AddParkedWindow(const ParkedWindow& parked);
    void RemoveParkedWindow(WindowHandle window);
    void UpdateParkedWindowTitle(WindowHandle window);

    WindowHandle Shown() const { return m_shown; }
    int RowCount() const { return static_cast<int>(m_rows.size()); }

private:
    void AddRow(const ParkedWindow& parked);
    void DropRow(int row, WindowHandle window);
    int FindRow(WindowHandle window) const;
    const CCloseList& List() const { return m_parts.capture.CloseList(); }

    ListDisplay& m_display;
    std::function<void(int)> m_showCount;
    CloseListParts m_parts;
    ReasonWords m_words;
    std::vector<ParkedWindow> m_rows;
    WindowHandle m_shown = 0;  // m_hwndShown: the parked window released for a look
};
