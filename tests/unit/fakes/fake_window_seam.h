// A fake desktop of other programs' windows: class, title, style, descendants, control text,
// parent (the desktop or the relay window), placement, whether each is alive and answers; with a
// record, in order, of everything done to them.
#pragma once

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "app/win/unicode_text.h"
#include "app/win/window_seam.h"

class FakeWindowSeam : public WindowSeam {
public:
    static constexpr WindowHandle kRelay = 0x10;

    struct Window {
        std::string className;
        std::string title;
        uint32_t style = 0x00CF0000;  // an overlapped window: maximise box and thick frame
        uint32_t exStyle = 0;
        std::string image = "C:\\Program Files\\Browser\\browser.exe";
        bool cloaked = false;
        std::string text;                       // a control's text (WM_GETTEXT)
        std::vector<WindowHandle> descendants;  // its children
        bool readable = true;
        bool alive = true;
        bool answers = true;
        bool visible = true;
        bool owned = false;
        bool ours = false;
        bool child = false;
        WindowHandle parent = 0;  // 0: the desktop; kRelay: hidden
        NormalRect normal{100, 100, 500, 400};
        int showCmd = 1;
    };

    WindowHandle Add(const std::string& className, const std::string& title = "", uint32_t style = 0x00CF0000)
    {
        next_ += 4;
        Window w;
        w.className = className;
        w.title = title;
        w.style = style;
        windows[next_] = w;
        order_.push_back(next_);
        return next_;
    }
    WindowHandle AddDescendant(WindowHandle parent, const std::string& className, const std::string& text = "")
    {
        WindowHandle child = Add(className);
        windows[child].text = text;
        windows[child].child = true;
        windows[parent].descendants.push_back(child);
        return child;
    }
    void Kill(WindowHandle w) { windows[w].alive = false; }
    bool Hidden(WindowHandle w) { return windows[w].parent == kRelay; }
    bool Shown(WindowHandle w) { return windows[w].parent == 0; }

    std::map<WindowHandle, Window> windows;
    std::vector<WindowHandle> hidden;
    std::vector<WindowHandle> closed;
    std::vector<WindowHandle> probed;          // asked without waiting
    std::map<WindowHandle, uint32_t> cookies;  // the last probe's, by window
    // "hide W", "release W", "place W", "show W", "top W", "close W": W is the window's title.
    std::vector<std::string> actions;
    bool leftButtonHeld = false;
    bool relay = true;  // the keeper has reported
    std::map<std::string, int> reads;  // how often each fact was read: "class", "title", ...

    std::string ClassOf(WindowHandle w) override
    {
        ++reads["class"];
        return Has(w) ? windows[w].className.substr(0, 255) : "";
    }
    // Titles and texts are kept in UTF-8, for the tests to write them plainly.
    std::u16string TitleOf(WindowHandle w, int size) override
    {
        ++reads["title"];
        return Has(w) ? Cut(windows[w].title, size) : u"";
    }
    std::u16string ControlTextOf(WindowHandle w, int size) override { return Has(w) ? Cut(windows[w].text, size) : u""; }
    bool StylesOf(WindowHandle w, uint32_t& style, uint32_t& exStyle) override
    {
        ++reads["styles"];
        if (!Has(w))
            return false;
        style = windows[w].style;
        exStyle = windows[w].exStyle;
        return true;
    }
    std::string ProcessImageOf(WindowHandle w) override { return ++reads["program"], Has(w) ? windows[w].image : ""; }
    bool IsCloaked(WindowHandle w) override { return ++reads["cloak"], Has(w) && windows[w].cloaked; }
    bool IsLeftButtonHeld() override { return leftButtonHeld; }
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
    WindowIdentity IdentityOf(WindowHandle w) override
    {
        ++reads["identity"];
        if (!IsAlive(w))
            return {};
        const Window& win = windows[w];
        return {true, !win.child && win.parent == 0, win.owned, win.ours};
    }
    bool IsAlive(WindowHandle w) override { return windows.count(w) && windows[w].alive; }
    bool IsVisible(WindowHandle w) override { return ++reads["visible"], IsAlive(w) && windows[w].visible; }
    bool IsUnderRelay(WindowHandle w) override { return IsAlive(w) && windows[w].parent == kRelay; }
    bool HasRelay() override { return relay; }
    std::vector<WindowHandle> TopLevelWindows() override
    {
        std::vector<WindowHandle> top;
        for (WindowHandle w : order_)
            if (IsAlive(w) && !windows[w].child && windows[w].parent == 0)
                top.push_back(w);
        return top;
    }
    std::vector<WindowHandle> HiddenWindows() override
    {
        std::vector<WindowHandle> under;
        for (WindowHandle w : order_)
            if (IsUnderRelay(w))
                under.push_back(w);
        return under;
    }
    bool PlacementOf(WindowHandle w, NormalRect& normal, int& showCmd) override
    {
        if (!Has(w))
            return false;
        normal = windows[w].normal;
        showCmd = windows[w].showCmd;
        return true;
    }
    bool Answers(WindowHandle w) override { return IsAlive(w) && windows[w].answers; }
    void ProbeAnswer(WindowHandle w, uint32_t cookie) override
    {
        probed.push_back(w);
        cookies[w] = cookie;
    }

    void HideUnderRelay(WindowHandle w) override
    {
        Act("hide", w);
        hidden.push_back(w);
        windows[w].parent = kRelay;
    }
    void Release(WindowHandle w) override
    {
        Act("release", w);
        windows[w].parent = 0;
    }
    void ReleaseHidden(WindowHandle w) override
    {
        Act("release hidden", w);
        windows[w].parent = 0;
        windows[w].visible = false;
    }
    void Show(WindowHandle w, int showCmd) override
    {
        Act("show", w);
        windows[w].showCmd = showCmd;
        windows[w].visible = showCmd != 0;
    }
    void BringToTop(WindowHandle w) override { Act("top", w); }
    void SetPlacement(WindowHandle w, const NormalRect& normal, int showCmd) override
    {
        Act("place", w);
        windows[w].normal = normal;
        windows[w].showCmd = showCmd;
    }
    void ShowAsync(WindowHandle w, int showCmd) override
    {
        actions.push_back("show " + (windows.count(w) ? windows[w].title : "?"));  // a post waits for nobody
        windows[w].showCmd = showCmd;
        windows[w].visible = showCmd != 0;
    }
    void PostClose(WindowHandle w) override
    {
        actions.push_back("close " + (windows.count(w) ? windows[w].title : "?"));  // a post waits for nobody
        closed.push_back(w);
    }

private:
    bool Has(WindowHandle w) { return IsAlive(w) && windows[w].readable; }
    void Act(const char* verb, WindowHandle w)
    {
        // Anything that needs a window's thread, done to one that does not answer, would hang.
        if (windows.count(w) && !windows[w].answers)
            actions.push_back(std::string("HUNG ON ") + verb);
        actions.push_back(std::string(verb) + " " + (windows.count(w) ? windows[w].title : "?"));
    }
    static std::u16string Cut(const std::string& text, int size)
    {
        std::u16string wide;
        FromUtf8(text, wide);
        return CutText(wide, size > 0 ? static_cast<size_t>(size - 1) : 0);
    }
    WindowHandle next_ = 0x2000;
    std::vector<WindowHandle> order_;
};
