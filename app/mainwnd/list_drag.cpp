// A tab dragged out of a window becomes a new window under the mouse. Capturing it then, and
// hiding the window it came from, would break the drag: a window that comes while the mouse button
// is held is taken once the button is let go.
#include <algorithm>

#include "capture/admission.h"
#include "mainwnd/list_controller.h"

namespace {

// The button is looked at this often meanwhile.
constexpr uint32_t kReleasePollMs = 50;

}  // namespace

bool CListController::HeldForRelease(WindowHandle window, int type)
{
    if (!m_seam.IsLeftButtonHeld())
        return false;
    const bool seen = std::any_of(m_awaitingRelease.begin(), m_awaitingRelease.end(),
                                  [&](const auto& waiting) { return waiting.first == window; });
    if (!seen && RefuseNotice(type, m_settings.Values().nTargetBrowser, false) == Refusal::None)
        m_awaitingRelease.emplace_back(window, type);
    m_timers.Schedule(0, AwaitRelease, kReleasePollMs, kReleasePollMs);
    return true;
}

void CListController::OnReleaseDue()
{
    if (m_seam.IsLeftButtonHeld()) {
        m_timers.Schedule(0, AwaitRelease, kReleasePollMs, kReleasePollMs);
        return;
    }
    const std::vector<std::pair<WindowHandle, int>> released = std::move(m_awaitingRelease);
    m_awaitingRelease.clear();
    for (const auto& [window, type] : released)
        OnNewWindow(window, type);
}
