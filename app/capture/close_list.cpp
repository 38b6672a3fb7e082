#include "capture/close_list.h"

#include <cstring>

#include "hooklib/hook_protocol.h"
#include "settings/settings_model.h"

WindowHandle g_ahwndParked[kParkedSlots];
int g_anParkedType[kParkedSlots];
int g_nParkedTotal;
WindowHandle g_ahwndPopup[kPopupSlots];
CloseListObserver* g_pCloseListDlg;

namespace {

constexpr uint32_t kMaximizeBox = 0x00010000;
constexpr uint32_t kThickFrame = 0x00040000;

bool StartsWith(const std::string& text, const std::string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;  // byte by byte, case-sensitive
}

int ParkedCount()
{
    int n = 0;
    while (n < kParkedSlots && g_ahwndParked[n])
        ++n;
    return n;
}

int Capacity()
{
    return g_nCloseListCapacity < 1 ? 1 : g_nCloseListCapacity > kParkedSlots ? kParkedSlots : g_nCloseListCapacity;
}

void CloseAndForget(WindowHandle window)
{
    Seam().PostClose(window);
    RemovePopup(window);
    RemoveParked(window);
}

}  // namespace

bool ReadBrowserUrl(WindowHandle window, std::string& url)
{
    url.clear();
    for (WindowHandle child : Seam().DescendantsOf(window)) {
        if (Seam().ClassOf(child) == "Edit") {
            url = Seam().ControlTextOf(child, kUrlBufferSize - 1);
            return true;
        }
    }
    return false;
}

bool NormalizeTitle(std::string& title, int type)
{
    static const char* const kMarkers[] = {"- Microsoft Internet Explorer", "- Netscape 6", "- Netscape", nullptr,
                                           "- Mozilla {"};
    if (type == BROWSER_OPERA_OUI || type == BROWSER_OPERA_OP) {
        size_t at = title.find(" - ");
        if (at == std::string::npos)
            return false;
        title.erase(0, at + 3);
        return true;
    }
    if (type < 0 || type > BROWSER_MOZILLA)
        return false;
    size_t at = title.find(kMarkers[type]);
    if (at == std::string::npos)
        return false;
    title.erase(at);
    return true;
}

bool MatchTitleFilter(WindowHandle window, int type, const char* title)
{
    std::string buffer;
    if (title)
        buffer.assign(title, strnlen(title, kTitleBufferSize - 1));
    else
        buffer = Seam().TitleOf(window, kTitleBufferSize - 1);
    if (!title && buffer.empty())
        return false;
    NormalizeTitle(buffer, type);
    for (const std::string& prefix : g_arrFilterTitle)
        if (StartsWith(buffer, prefix))
            return true;
    return false;
}

bool FilterNewWindow(WindowHandle window, int type)
{
    bool matched = g_bFilterCheckPopup && IsPopup(window);
    if (!matched && g_bFilterUseUrl) {
        std::string url;
        if (ReadBrowserUrl(window, url))
            for (const std::string& prefix : g_arrFilterUrl)
                if ((matched = StartsWith(url, prefix)))
                    break;
    }
    if (!matched && g_bFilterUseTitle)
        matched = MatchTitleFilter(window, type, nullptr);
    if (matched)
        ParkWindow(window, type);
    return matched;
}

void EvictParkedBeyondCapacity()
{
    while (ParkedCount() > Capacity())
        CloseAndForget(g_ahwndParked[0]);
}

void ParkWindow(WindowHandle window, int type)
{
    ++g_nParkedTotal;
    if (g_pCloseListDlg)
        g_pCloseListDlg->AddParkedWindow(window, type);
    // Full (or fuller than a lowered capacity allows): the oldest go first, so that no window
    // is ever written over and forgotten, hidden under the relay window.
    while (ParkedCount() >= Capacity())
        CloseAndForget(g_ahwndParked[0]);
    const int slot = ParkedCount();
    g_ahwndParked[slot] = window;
    g_anParkedType[slot] = type;
    Seam().HideUnderRelay(window);
}

bool RemoveParked(WindowHandle window)
{
    for (int i = 0; i < kParkedSlots; ++i) {
        if (g_ahwndParked[i] != window)
            continue;
        for (int j = i; j + 1 < kParkedSlots; ++j) {
            g_ahwndParked[j] = g_ahwndParked[j + 1];
            g_anParkedType[j] = g_anParkedType[j + 1];
        }
        g_ahwndParked[kParkedSlots - 1] = 0;
        return true;
    }
    return false;
}

void CloseAllParked()
{
    for (WindowHandle& slot : g_ahwndParked) {
        if (slot)
            Seam().PostClose(slot);
        slot = 0;
    }
}

void OnParkedTitleChanged(WindowHandle window)
{
    if (!g_bFilterClose)
        return;
    for (int i = 0; i < Capacity(); ++i) {
        if (g_ahwndParked[i] == window) {
            CloseAndForget(window);
            return;
        }
    }
}

void OnParkedDestroyed(WindowHandle window)
{
    for (WindowHandle slot : g_ahwndParked) {
        if (slot == window && window) {
            RemovePopup(window);
            RemoveParked(window);
            return;
        }
    }
}

void ClearParked()
{
    for (WindowHandle& slot : g_ahwndParked)
        slot = 0;
}

void ClearPopups()
{
    for (WindowHandle& slot : g_ahwndPopup)
        slot = 0;
}

void AddPopup(WindowHandle window)
{
    for (WindowHandle& slot : g_ahwndPopup) {
        if (!slot) {
            slot = window;
            return;
        }
    }
}

void RemovePopup(WindowHandle window)
{
    for (WindowHandle& slot : g_ahwndPopup) {
        if (slot == window) {
            slot = 0;
            return;
        }
    }
}

bool IsPopup(WindowHandle window)
{
    if (!window)
        return false;
    for (WindowHandle slot : g_ahwndPopup)
        if (slot == window)
            return true;
    return false;
}

bool LooksLikePopup(WindowHandle window, int type)
{
    uint32_t style = 0;
    if (Seam().StyleOf(window, style) && (!(style & kMaximizeBox) || !(style & kThickFrame)))
        return true;
    if (type != BROWSER_OPERA_OUI && type != BROWSER_OPERA_OP)
        return false;
    // An Opera window without its inner window is a pop-up.
    for (WindowHandle child : Seam().DescendantsOf(window)) {
        const std::string name = Seam().ClassOf(child);
        if (type == BROWSER_OPERA_OUI ? name.compare(0, 6, "#32770") == 0 : name == "OUIWINDOW")
            return false;
    }
    return true;
}
