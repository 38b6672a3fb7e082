// The window seam over Win32.
#include <windows.h>

#include "capture/hook_binding.h"
#include "win/window_seam.h"

namespace {

HWND ToHwnd(WindowHandle window)
{
    return reinterpret_cast<HWND>(window);
}

BOOL CALLBACK CollectDescendant(HWND child, LPARAM param)
{
    reinterpret_cast<std::vector<WindowHandle>*>(param)->push_back(reinterpret_cast<WindowHandle>(child));
    return TRUE;
}

class Win32WindowSeam : public WindowSeam {
public:
    std::string ClassOf(WindowHandle window) override
    {
        char name[256] = "";
        GetClassNameA(ToHwnd(window), name, 255);
        return name;
    }
    std::string TitleOf(WindowHandle window, int size) override
    {
        std::vector<char> text(size > 0 ? size : 1, '\0');
        int n = GetWindowTextA(ToHwnd(window), text.data(), static_cast<int>(text.size()));
        return std::string(text.data(), n > 0 ? n : 0);
    }
    std::string ControlTextOf(WindowHandle window, int size) override
    {
        std::vector<char> text(size > 0 ? size : 1, '\0');
        // A hung browser must not hang the program with it.
        DWORD_PTR result = 0;
        SendMessageTimeoutA(ToHwnd(window), WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                            SMTO_ABORTIFHUNG, 5000, &result);
        text.back() = '\0';
        return text.data();
    }
    bool StyleOf(WindowHandle window, uint32_t& style) override
    {
        WINDOWINFO info = {};
        info.cbSize = sizeof info;
        if (!GetWindowInfo(ToHwnd(window), &info))
            return false;
        style = info.dwStyle;
        return true;
    }
    std::vector<WindowHandle> DescendantsOf(WindowHandle window) override
    {
        std::vector<WindowHandle> found;
        EnumChildWindows(ToHwnd(window), CollectDescendant, reinterpret_cast<LPARAM>(&found));
        return found;
    }
    void HideUnderRelay(WindowHandle window) override { SetParent(ToHwnd(window), g_hRelayWnd); }
    void PostClose(WindowHandle window) override { PostMessageA(ToHwnd(window), WM_CLOSE, 0, 0); }
};

}  // namespace

WindowSeam* DefaultSeam()
{
    static Win32WindowSeam seam;
    return &seam;
}
