// The Close list: filtered windows hidden under the relay window, oldest first, within a capacity
// of 1 to 8 slots; the oldest is asked to close when a new one finds it full, and in close mode
// each is asked to close at the title change that follows its parking. Each keeps the reason it
// was filtered. The close-list dialog, while it is open, is told of every window that enters or
// leaves it: its rows are the Close list. Written by the capture state alone; read by all.
#pragma once

#include <vector>

#include "capture/filters.h"
#include "capture/window_mover.h"
#include "settings/settings_model.h"

struct ParkedWindow {
    WindowHandle window = 0;
    int type = 0;
    FilterMatch reason;  // the rule that filtered it, and for a prefix rule which prefix
};

class CloseListObserver {
public:
    virtual ~CloseListObserver() = default;
    virtual void AddParkedWindow(const ParkedWindow& parked) = 0;
    virtual void UpdateParkedWindowTitle(WindowHandle window) = 0;
    virtual void RemoveParkedWindow(WindowHandle window) = 0;
    // The program is going: the dialog ends as its close box ends it.
    virtual void CloseDialog() = 0;
};

class CCloseList {
public:
    CCloseList(WindowSeam& seam, CWindowMover& mover, const CSettingsModel& settings)
        : m_seam(seam), m_mover(mover), m_settings(settings)
    {
    }

    // Enters WINDOW and hides it (once it answers, if it does not now). Full, or fuller than a
    // lowered capacity allows, the oldest go first, asked to close: no window is ever written
    // over and forgotten. Returns those that went.
    std::vector<WindowHandle> Park(WindowHandle window, int type, const FilterMatch& reason);
    // Takes the window out; the rest keep their order. False if it was not there.
    bool Remove(WindowHandle window);
    bool Contains(WindowHandle window) const;
    // Every parked window asked to close, the list emptied; the count stays.
    void CloseAll();
    // A parked window's title changed: in close mode it is asked to close, and leaves (true).
    bool CloseOnTitleChange(WindowHandle window);
    // A parked window that did not answer when it was parked is hidden now that it does.
    void OnResponded(WindowHandle window);
    // The relay window came: parked windows that had nowhere to go are hidden now.
    void HideStrays();
    // Those that died unannounced.
    std::vector<WindowHandle> DeadWindows() const;

    // Oldest first.
    const std::vector<ParkedWindow>& Parked() const { return m_parked; }
    // Every window that ever entered the list, those closed since included.
    int Total() const { return m_nParkedTotal; }

    // The open close-list dialog: it attaches itself while it runs. The list tells it, and ends
    // it at the program's exit; either way the dialog is detached then.
    void AttachDialog(CloseListObserver* dialog) { m_dialog = dialog; }
    void DetachDialog(CloseListObserver* dialog);
    bool DialogOpen() const { return m_dialog != nullptr; }
    void CloseDialog();
    void TellTitleChanged(WindowHandle window);

private:
    int Capacity() const;

    WindowSeam& m_seam;
    CWindowMover& m_mover;
    const CSettingsModel& m_settings;
    std::vector<ParkedWindow> m_parked;
    int m_nParkedTotal = 0;
    CloseListObserver* m_dialog = nullptr;
};
