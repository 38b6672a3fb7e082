#include "capture/window_facts.h"

#include <algorithm>

#include "win/unicode_text.h"

namespace {

const char kAddressClass[] = "Edit";

// WINDOW's first "Edit" descendant, its address box; 0 for none. With CLASSES, every
// descendant's class is kept there; without, the walk ends at the box.
WindowHandle AddressBoxOf(WindowSeam& seam, WindowHandle window, std::vector<std::string>* classes)
{
    WindowHandle box = 0;
    for (WindowHandle child : seam.DescendantsOf(window)) {
        const std::string name = seam.ClassOf(child);
        if (!box && name == kAddressClass)
            box = child;
        if (!classes && box)
            break;
        if (classes)
            classes->push_back(name);
    }
    return box;
}

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
        f.addressBox = AddressBoxOf(seam, w, &f.descendantClasses);
        f.hasAddress = f.addressBox != 0;
    }
    if ((need & WindowFacts::Address) && f.hasAddress)
        f.address = seam.ControlTextOf(f.addressBox, kUrlBufferSize - 1);
    f.read |= need;
}

bool ReadBrowserUrl(WindowSeam& seam, WindowHandle window, std::u16string& url)
{
    url.clear();
    const WindowHandle box = AddressBoxOf(seam, window, nullptr);
    if (box)
        url = seam.ControlTextOf(box, kUrlBufferSize - 1);
    return box != 0;
}
