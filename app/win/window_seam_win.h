// The window seam over Win32.
#pragma once

#include <windows.h>

#include <atomic>

#include "win/window_seam.h"

// Posted to the main window when a window probed without waiting has answered (wParam: the
// probe's cookie, lParam: the window).
constexpr UINT WM_WINDOW_ANSWERED = WM_APP + 1;

class Win32WindowSeam : public WindowSeam {
public:
    // RELAY: the keeper's relay window, as the main thread takes and forgets it; 0 while there is none.
    explicit Win32WindowSeam(const std::atomic<HWND>& relay) : m_relay(relay) {}

    std::string ClassOf(WindowHandle window) override;
    std::u16string TitleOf(WindowHandle window, int size) override;
    std::u16string ControlTextOf(WindowHandle window, int size) override;
    bool StylesOf(WindowHandle window, uint32_t& style, uint32_t& exStyle) override;
    std::string ProcessImageOf(WindowHandle window) override;
    bool IsCloaked(WindowHandle window) override;
    bool IsLeftButtonHeld() override;
    std::vector<WindowHandle> DescendantsOf(WindowHandle window) override;
    WindowIdentity IdentityOf(WindowHandle window) override;
    bool IsAlive(WindowHandle window) override;
    bool IsVisible(WindowHandle window) override;
    bool IsUnderRelay(WindowHandle window) override;
    bool HasRelay() override { return m_relay.load() != nullptr; }
    std::vector<WindowHandle> TopLevelWindows() override;
    std::vector<WindowHandle> HiddenWindows() override;
    bool PlacementOf(WindowHandle window, NormalRect& normal, int& showCmd) override;
    bool Answers(WindowHandle window) override;
    void ProbeAnswer(WindowHandle window, uint32_t cookie) override;
    void HideUnderRelay(WindowHandle window) override;
    void Release(WindowHandle window) override;
    void Show(WindowHandle window, int showCmd) override;
    void BringToTop(WindowHandle window) override;
    void SetPlacement(WindowHandle window, const NormalRect& normal, int showCmd) override;
    void PostClose(WindowHandle window) override;
    void ReleaseHidden(WindowHandle window) override;
    void ShowAsync(WindowHandle window, int showCmd) override;

private:
    const std::atomic<HWND>& m_relay;
};

// Whether WINDOW's thread answers within TIMEOUT_MS, without handling anything sent to this
// thread meanwhile; a thread the system knows to be hung is not waited for at all.
bool WindowAnswers(HWND window, UINT timeoutMs);
