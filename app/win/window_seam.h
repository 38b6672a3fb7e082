// What the capture decisions need from the platform about other programs' windows, named after
// what they ask. Window handles cross it as plain integers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using WindowHandle = uintptr_t;

class WindowSeam {
public:
    virtual ~WindowSeam() = default;
    // The class name, at most 255 bytes; "" when it cannot be read.
    virtual std::string ClassOf(WindowHandle window) = 0;
    // The title, at most SIZE - 1 bytes (GetWindowText).
    virtual std::string TitleOf(WindowHandle window, int size) = 0;
    // A control's text, at most SIZE - 1 bytes (WM_GETTEXT, which reads across processes).
    virtual std::string ControlTextOf(WindowHandle window, int size) = 0;
    // The window's style; false when the window cannot be read.
    virtual bool StyleOf(WindowHandle window, uint32_t& style) = 0;
    // All descendants, children of children included, in the platform's order.
    virtual std::vector<WindowHandle> DescendantsOf(WindowHandle window) = 0;
    // Re-parents the window under the relay window, which hides it.
    virtual void HideUnderRelay(WindowHandle window) = 0;
    // Asks the window to close (posts WM_CLOSE).
    virtual void PostClose(WindowHandle window) = 0;
};

// The seam the program-wide capture functions use; the Win32 one unless a test installs another.
WindowSeam& Seam();
void SetSeam(WindowSeam* seam);
