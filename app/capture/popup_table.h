// The pop-up table: browser windows judged to be pop-ups when they appeared (unordered, 0 marks
// an empty slot), and the heuristic that judges them. A pop-up keeps its own size when placed.
#pragma once

#include "win/window_seam.h"

constexpr int kPopupSlots = 64;
extern WindowHandle g_ahwndPopup[kPopupSlots];

void ClearPopups();
// Into the first empty slot; a full table forgets the window.
void AddPopup(WindowHandle window);
void RemovePopup(WindowHandle window);
bool IsPopup(WindowHandle window);
// Frees the slots of windows that have gone. A window asked to close outside every list leaves
// its slot behind; a full table would stop judging, and a new window given an old handle would be
// taken for a pop-up.
void ForgetDeadPopups();
// A window that cannot be maximised or resized, or an Opera window without its inner window.
bool LooksLikePopup(WindowHandle window, int type);
