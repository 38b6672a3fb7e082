// A program that has seen nothing, on a fake desktop: its settings as a file with the given keys
// would load them, the window mover, and the capture state (Close list, pop-up table).
#pragma once

#include <initializer_list>
#include <string>
#include <utility>

#include "app/capture/capture_state.h"
#include "app/capture/window_mover.h"
#include "app/settings/settings_model.h"
#include "tests/unit/fakes/fake_code_page.h"
#include "tests/unit/fakes/fake_window_seam.h"
#include "tests/unit/fakes/memory_profile_store.h"

struct CaptureRig {
    // The settings a file with KEYS gives (every other key at its default).
    void Load(std::initializer_list<std::pair<const char*, const char*>> keys)
    {
        MemoryProfileStore store;
        for (const auto& [key, value] : keys)
            store.Set(key, value);
        StoredPosition position;
        settings.Load(store, position, FakeCodePage());
    }
    std::vector<WindowHandle> Parked() const
    {
        std::vector<WindowHandle> parked;
        for (const ParkedWindow& p : capture.CloseList().Parked())
            parked.push_back(p.window);
        return parked;
    }

    FakeWindowSeam desk;
    CSettingsModel settings;
    CWindowMover mover{desk, settings};
    CCaptureState capture{desk, mover, settings};
    const CCloseList& closeList = capture.CloseList();
    // Set-up only: a window recorded as a pop-up without the story of how it came.
    CPopupTable& popups = const_cast<CPopupTable&>(capture.Popups());
    FactReader reader = capture.Reader();
};
