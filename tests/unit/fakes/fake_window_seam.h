// A fake desktop of other programs' windows for the capture decisions: class, title, style,
// descendants and control text, with a record of what was hidden and asked to close.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "app/win/window_seam.h"

class FakeWindowSeam : public WindowSeam {
public:
    struct Window {
        std::string className;
        std::string title;
        uint32_t style = 0x00CF0000;  // an overlapped window: maximise box and thick frame
        std::string text;             // a control's text (WM_GETTEXT)
        std::vector<WindowHandle> descendants;  // its children
        bool readable = true;
    };

    WindowHandle Add(const std::string& className, const std::string& title = "", uint32_t style = 0x00CF0000)
    {
        next_ += 4;
        windows[next_] = Window{className, title, style, "", {}, true};
        return next_;
    }
    WindowHandle AddDescendant(WindowHandle parent, const std::string& className, const std::string& text = "")
    {
        WindowHandle child = Add(className);
        windows[child].text = text;
        windows[parent].descendants.push_back(child);
        return child;
    }

    std::map<WindowHandle, Window> windows;
    std::vector<WindowHandle> hidden;
    std::vector<WindowHandle> closed;

    std::string ClassOf(WindowHandle w) override { return Has(w) ? windows[w].className.substr(0, 255) : ""; }
    std::string TitleOf(WindowHandle w, int size) override { return Has(w) ? Cut(windows[w].title, size) : ""; }
    std::string ControlTextOf(WindowHandle w, int size) override { return Has(w) ? Cut(windows[w].text, size) : ""; }
    bool StyleOf(WindowHandle w, uint32_t& style) override
    {
        if (!Has(w))
            return false;
        style = windows[w].style;
        return true;
    }
    // Depth first, each child before its own children, as EnumChildWindows goes.
    std::vector<WindowHandle> DescendantsOf(WindowHandle w) override
    {
        std::vector<WindowHandle> all;
        if (Has(w))
            for (WindowHandle child : windows[w].descendants) {
                all.push_back(child);
                for (WindowHandle grandchild : DescendantsOf(child))
                    all.push_back(grandchild);
            }
        return all;
    }
    void HideUnderRelay(WindowHandle w) override { hidden.push_back(w); }
    void PostClose(WindowHandle w) override { closed.push_back(w); }

private:
    bool Has(WindowHandle w) { return windows.count(w) && windows[w].readable; }
    static std::string Cut(const std::string& text, int size) { return text.substr(0, size > 0 ? size - 1 : 0); }
    WindowHandle next_ = 0x2000;
};
