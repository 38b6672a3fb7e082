// What the program's decisions need from the platform about other programs' windows, named after
// what they ask. Window handles cross it as plain integers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using WindowHandle = uintptr_t;

// A window's normal (restored) rectangle, in the coordinates of the window-placement functions.
struct NormalRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const NormalRect& o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

// Whether a window is there, where and whose, read before the program acts on it.
struct WindowIdentity {
    bool alive = false;
    bool topLevel = false;  // no parent: on the desktop
    bool owned = false;
    bool ours = false;  // a window of this process
};

class WindowSeam {
public:
    virtual ~WindowSeam() = default;

    // Queries; none of them waits for the window's thread.
    // The class name, at most 255 bytes; "" when it cannot be read.
    virtual std::string ClassOf(WindowHandle window) = 0;
    // The title as the window holds it, at most SIZE - 1 UTF-16 units (GetWindowTextW).
    virtual std::u16string TitleOf(WindowHandle window, int size) = 0;
    // A control's text, at most SIZE - 1 units (WM_GETTEXT, which reads across processes; it
    // gives up on a window that does not answer).
    virtual std::u16string ControlTextOf(WindowHandle window, int size) = 0;
    // The window's style and its extended style, read together; false when it cannot be read.
    virtual bool StylesOf(WindowHandle window, uint32_t& style, uint32_t& exStyle) = 0;
    // The full path of the program whose process owns the window; "" when it cannot be read.
    virtual std::string ProcessImageOf(WindowHandle window) = 0;
    // Kept out of sight by the system though visible (on another virtual desktop, say).
    virtual bool IsCloaked(WindowHandle window) = 0;
    // Whether the left mouse button is held now: a drag may be under way.
    virtual bool IsLeftButtonHeld() = 0;
    // All descendants, children of children included, in the platform's order.
    virtual std::vector<WindowHandle> DescendantsOf(WindowHandle window) = 0;
    virtual WindowIdentity IdentityOf(WindowHandle window) = 0;
    virtual bool IsAlive(WindowHandle window) = 0;
    virtual bool IsVisible(WindowHandle window) = 0;
    // A child of the relay window, that is hidden.
    virtual bool IsUnderRelay(WindowHandle window) = 0;
    // Whether there is a relay window to hide windows under (the keeper may not have reported yet).
    virtual bool HasRelay() = 0;
    // Every top-level window, in the platform's order.
    virtual std::vector<WindowHandle> TopLevelWindows() = 0;
    // Every window under the relay window.
    virtual std::vector<WindowHandle> HiddenWindows() = 0;
    // The normal rectangle and show command; false when they cannot be read.
    virtual bool PlacementOf(WindowHandle window, NormalRect& normal, int& showCmd) = 0;

    // Whether the window's thread answers within a short time. Asked before anything below that
    // needs that thread: a thread that does not answer would hold the program with it.
    virtual bool Answers(WindowHandle window) = 0;
    // Asks without waiting; the answer, when it comes, arrives as a window-answered message that
    // carries COOKIE.
    virtual void ProbeAnswer(WindowHandle window, uint32_t cookie) = 0;

    // Actions that need the window's thread.
    // Re-parents the window under the relay window, which hides it.
    virtual void HideUnderRelay(WindowHandle window) = 0;
    // Re-parents the window to the desktop: a top-level window again.
    virtual void Release(WindowHandle window) = 0;
    // Hides it, then re-parents it to the desktop: a top-level window again, but not shown, not
    // activated, and with no button on the taskbar.
    virtual void ReleaseHidden(WindowHandle window) = 0;
    virtual void Show(WindowHandle window, int showCmd) = 0;
    virtual void BringToTop(WindowHandle window) = 0;
    // Writes the normal rectangle and show command; the placement's other fields stay as read.
    virtual void SetPlacement(WindowHandle window, const NormalRect& normal, int showCmd) = 0;

    // Asks the window to close (posts WM_CLOSE): needs nothing at once from its thread.
    virtual void PostClose(WindowHandle window) = 0;
    // Shows a top-level window with the show command when its thread next runs; waits for nobody.
    virtual void ShowAsync(WindowHandle window, int showCmd) = 0;
};
