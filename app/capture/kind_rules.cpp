#include "capture/kind_rules.h"

#include <cctype>

#include "win/unicode_text.h"

namespace {

// The table's own title tests, on a title as the window holds it: the table's texts are UTF-8,
// and in UTF-8 one text lies within another exactly where it does in UTF-16.
bool Holds(const TitleRule& rule, const std::u16string& title)
{
    return kinds::Holds(rule, ToUtf8(title).c_str());
}

bool HasClass(const BrowserKind& kind, const std::string& className)
{
    if (!kind.className)
        return false;
    return kind.classIsPrefix
               ? className.compare(0, std::char_traits<char>::length(kind.className), kind.className) == 0
               : className == kind.className;
}

// The file name of a process image, in lower case, as the program list spells it.
std::string ImageName(const std::string& path)
{
    std::string name = path.substr(path.find_last_of("\\/") + 1);
    for (char& c : name)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name;
}

const BrowserProgram* ProgramOf(const BrowserFamily& family, const std::string& imagePath)
{
    const std::string image = ImageName(imagePath);
    for (int i = 0; i < family.programCount; ++i)
        if (image == family.programs[i].image)
            return &family.programs[i];
    return nullptr;
}

// Whether what follows a browser's name in a title leaves it the title's end: nothing, or a
// note in brackets (" (Incognito)"). A page titled "Google Chrome vs Edge" names no window.
bool EndsTitle(const std::u16string& rest)
{
    return rest.empty() || (rest.size() > 3 && rest.compare(0, 2, u" (") == 0 && rest.back() == u')');
}

// Where PROGRAM's spelling of its name that ends TITLE stands; npos when none does.
size_t MarkerAt(const BrowserProgram& program, const std::u16string& title, size_t& length)
{
    size_t at = std::u16string::npos;
    for (const char* marker : program.markers) {
        if (!marker)
            continue;
        const std::u16string text = Utf16Of(marker);
        const size_t found = title.rfind(text);
        const size_t markerLength = text.size();
        if (found != std::u16string::npos && EndsTitle(title.substr(found + markerLength)) &&
            (at == std::u16string::npos || found > at)) {
            at = found;
            length = markerLength;
        }
    }
    return at;
}

// A browsing window of the family: a frame of one of its programs, visible and not cloaked, its
// title carrying its program's name.
bool IsFamilyBrowser(const BrowserFamily& family, const NewWindowFacts& f)
{
    const BrowserProgram* program = ProgramOf(family, f.processImage);
    size_t length = 0;
    return program && f.styleKnown && (f.style & family.frameStyle) == family.frameStyle &&
           !(f.exStyle & family.notFrameExStyle) && !f.identity.owned && !f.cloaked &&
           MarkerAt(*program, f.title, length) != std::u16string::npos;
}

bool IsSweptAs(const BrowserKind& kind, const NewWindowFacts& f)
{
    if (!Holds(kind.sweepTitle, f.title) || (kind.sweepVisibleOnly && !f.visible))
        return false;
    return !kind.family || IsFamilyBrowser(*kind.family, f);
}

}  // namespace

bool HasKindClass(const std::string& className, int mask)
{
    for (const BrowserKind& kind : kBrowserKinds)
        if ((mask & TargetBit(kind.type)) && HasClass(kind, className))
            return true;
    return false;
}

bool IsFamilyClass(const std::string& className)
{
    for (const BrowserKind& kind : kBrowserKinds)
        if (kind.family && HasClass(kind, className))
            return true;
    return false;
}

bool BearsFamilyName(const std::string& className, const std::u16string& title)
{
    size_t length = 0;
    for (const BrowserKind& kind : kBrowserKinds)
        if (kind.family && HasClass(kind, className))
            for (int i = 0; i < kind.family->programCount; ++i)
                if (MarkerAt(kind.family->programs[i], title, length) != std::u16string::npos)
                    return true;
    return false;
}

bool IsOfNoFamilyProgram(const std::string& className, const std::string& imagePath)
{
    for (const BrowserKind& kind : kBrowserKinds)
        if (kind.family && HasClass(kind, className) && ProgramOf(*kind.family, imagePath))
            return false;
    return IsFamilyClass(className);
}

int ClassifyWindow(const NewWindowFacts& facts)
{
    const std::string& className = facts.identity.className;
    for (const BrowserKind& kind : kBrowserKinds)
        if (HasClass(kind, className) && IsSweptAs(kind, facts))
            return kind.type;
    for (const BrowserKind& kind : kBrowserKinds)
        if (!kind.className && IsSweptAs(kind, facts))
            return kind.type;
    return -1;
}

int RecogniseWindow(const NewWindowFacts& facts)
{
    const std::string& className = facts.identity.className;
    for (const BrowserKind& kind : kBrowserKinds)
        if (kind.family && HasClass(kind, className))
            return IsFamilyBrowser(*kind.family, facts) ? kind.type : -1;
    if (const BrowserKind* kind = kinds::KindByClass(className.c_str(), facts.style)) {
        if (!kinds::IsProvisional(*kind))
            return kind->type;
        const BrowserKind* settled = kinds::KindAtAnnouncement(*kind, ToUtf8(facts.title).c_str());
        return settled ? settled->type : -1;
    }
    return -1;
}

bool IsOfKind(const NewWindowFacts& facts, int type)
{
    const BrowserKind* kind = KindOf(type);
    if (!kind)
        return false;
    if (kind->family)
        return HasClass(*kind, facts.identity.className) && IsFamilyBrowser(*kind->family, facts);
    if (kind->className)
        return facts.identity.className == kind->className;
    // A kind known by title keeps its name in its title, as it had it when it was created.
    return facts.title.find(Utf16Of(kind->createTitle.text)) != std::u16string::npos;
}

bool NormalizeTitle(std::u16string& title, int type)
{
    const BrowserKind* kind = KindOf(type);
    if (!kind)
        return false;
    if (kind->family) {
        // Whichever program of the family: its name is the last thing in the title.
        size_t at = std::u16string::npos, length = 0;  // the length is the cut's business only
        for (int i = 0; i < kind->family->programCount; ++i) {
            const size_t where = MarkerAt(kind->family->programs[i], title, length);
            if (where != std::u16string::npos && (at == std::u16string::npos || where > at))
                at = where;
        }
        if (at == std::u16string::npos)
            return false;
        title.erase(at);
        return true;
    }
    if (!kind->titleMarker)
        return false;
    const std::u16string marker = Utf16Of(kind->titleMarker);
    const size_t at = title.find(marker);
    if (at == std::u16string::npos)
        return false;
    if (kind->keepsAfter)
        title.erase(0, at + marker.size());
    else
        title.erase(at);
    return true;
}

bool HasInnerWindow(int type, const std::vector<std::string>& descendantClasses)
{
    const BrowserKind* kind = KindOf(type);
    if (!kind || !kind->innerClass)
        return true;
    const std::string inner = kind->innerClass;
    for (const std::string& name : descendantClasses)
        if (kind->innerClassIsPrefix ? name.compare(0, inner.size(), inner) == 0 : name == inner)
            return true;
    return false;
}
