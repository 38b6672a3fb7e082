#include "capture/window_facts.h"

#include <algorithm>

#include "win/unicode_text.h"

namespace {

const char kAddressClass[] = "Edit";

}  // namespace

std::u16string WindowFacts::ListTitle() const
{
    return CutText(title, kListTitleSize - 1);
}

CKnownWindows::Known& CKnownWindows::Entry(WindowHandle window)
{
    auto [it, added] = m_known.try_emplace(window);
    if (added)
        it->second.className = m_seam.ClassOf(window);
    return it->second;
}

const std::string& CKnownWindows::ClassOf(WindowHandle window)
{
    return Entry(window).className;
}

const std::string& CKnownWindows::ProgramOf(WindowHandle window)
{
    Known& known = Entry(window);
    if (!known.programRead) {
        known.program = m_seam.ProcessImageOf(window);
        known.programRead = true;
    }
    return known.program;
}

void CKnownWindows::KeepOnly(const std::vector<WindowHandle>& windows)
{
    for (auto it = m_known.begin(); it != m_known.end();)
        it = std::binary_search(windows.begin(), windows.end(), it->first) ? std::next(it) : m_known.erase(it);
}

void FactReader::Read(WindowFacts& f, uint16_t need) const
{
    if (need & WindowFacts::Address)
        need |= WindowFacts::Descendants;
    need &= static_cast<uint16_t>(~f.read);
    const WindowHandle w = f.window;
    if (need & WindowFacts::Identity)
        f.identity = seam.IdentityOf(w);
    if (need & WindowFacts::Class)
        f.className = known.ClassOf(w);
    if (need & WindowFacts::Title)
        f.title = seam.TitleOf(w, kTitleBufferSize);
    if (need & WindowFacts::Visible)
        f.visible = seam.IsVisible(w);
    if (need & WindowFacts::Styles)
        f.styleKnown = seam.StylesOf(w, f.style, f.exStyle);
    if (need & WindowFacts::Program)
        f.processImage = known.ProgramOf(w);
    if (need & WindowFacts::Cloak)
        f.cloaked = seam.IsCloaked(w);
    if (need & WindowFacts::Descendants) {
        for (WindowHandle child : seam.DescendantsOf(w)) {
            f.descendantClasses.push_back(seam.ClassOf(child));
            if (!f.hasAddress && f.descendantClasses.back() == kAddressClass) {
                f.hasAddress = true;
                f.addressBox = child;
            }
        }
    }
    if ((need & WindowFacts::Address) && f.hasAddress)
        f.address = seam.ControlTextOf(f.addressBox, kUrlBufferSize - 1);
    f.read |= need;
}

bool ReadBrowserUrl(WindowSeam& seam, WindowHandle window, std::u16string& url)
{
    url.clear();
    for (WindowHandle child : seam.DescendantsOf(window)) {
        if (seam.ClassOf(child) == kAddressClass) {
            url = seam.ControlTextOf(child, kUrlBufferSize - 1);
            return true;
        }
    }
    return false;
}
