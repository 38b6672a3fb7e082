#include "capture/filters.h"

#include <cstring>

#include "capture/close_list.h"
#include "capture/popup_table.h"
#include "hooklib/hook_protocol.h"
#include "settings/settings_model.h"

namespace {

bool StartsWith(const std::string& text, const std::string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;  // byte by byte, case-sensitive
}

bool MatchUrlFilter(WindowHandle window)
{
    std::string url;
    if (!ReadBrowserUrl(window, url))
        return false;
    for (const std::string& prefix : g_arrFilterUrl)
        if (StartsWith(url, prefix))
            return true;
    return false;
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

FilterRule MatchNewWindowFilter(WindowHandle window, int type)
{
    if (g_bFilterCheckPopup && IsPopup(window))
        return FilterRule::Popup;
    if (g_bFilterUseUrl && MatchUrlFilter(window))
        return FilterRule::Url;
    if (g_bFilterUseTitle && MatchTitleFilter(window, type, nullptr))
        return FilterRule::Title;
    return FilterRule::None;
}

bool FilterNewWindow(WindowHandle window, int type)
{
    if (MatchNewWindowFilter(window, type) == FilterRule::None)
        return false;
    ParkWindow(window, type);
    return true;
}
