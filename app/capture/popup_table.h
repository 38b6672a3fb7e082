// The pop-up table: browser windows judged to be pop-ups when they appeared (unordered, 0 marks
// an empty slot), and the heuristic that judges them. A pop-up keeps its own size when placed.
#pragma once

#include "capture/window_facts.h"
#include "win/window_seam.h"

constexpr int kPopupSlots = 64;

class CPopupTable {
public:
    // Into the first empty slot; a full table forgets the window.
    void Add(WindowHandle window);
    void Remove(WindowHandle window);
    bool Contains(WindowHandle window) const;
    bool HasRoom() const;
    // Frees the slots of windows that have gone. A window asked to close outside every list
    // leaves its slot behind; a full table would stop judging, and a new window given an old
    // handle would be taken for a pop-up.
    void ForgetDead(WindowSeam& seam);

private:
    WindowHandle m_slots[kPopupSlots] = {};
};

// A window of TYPE that cannot be maximised or resized, or one without the inner window of its
// kind (its styles and, for a kind with such a window, its descendants read).
bool LooksLikePopup(const WindowFacts& facts, int type);
