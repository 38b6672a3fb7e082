#include "capture/kind_rules.h"

#include <cctype>

#include "win/assert.h"
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

}  // namespace

namespace {

// Asks FACTS for what a question needs, read through the reader when they do not hold it yet.
class Asker {
public:
    Asker(WindowFacts& facts, const FactReader* reader) : m_facts(facts), m_reader(reader) {}
    const WindowFacts& operator()(uint16_t need)
    {
        if (m_reader)
            m_reader->Read(m_facts, need);
        PELORUS_ASSERT(m_facts.Has(need));  // given facts must hold what is asked
        return m_facts;
    }

private:
    WindowFacts& m_facts;
    const FactReader* m_reader;
};

// A browsing window of the family: a frame of one of its programs, shown and not cloaked, its
// title ending with its program's name.
Refusal FamilyRefusal(const BrowserFamily& family, Asker& ask)
{
    const BrowserProgram* program = ProgramOf(family, ask(WindowFacts::Program).processImage);
    if (!program)
        return Refusal::OtherProgram;  // asked first already, where the class named a family
    if (!ask(WindowFacts::Visible).visible)
        return Refusal::NotShown;
    const WindowFacts& f = ask(WindowFacts::Styles);
    if (!f.styleKnown || (f.style & family.frameStyle) != family.frameStyle || (f.exStyle & family.notFrameExStyle))
        return Refusal::NotOfItsKind;
    if (ask(WindowFacts::Cloak).cloaked)
        return Refusal::NotShown;
    size_t length = 0;
    if (MarkerAt(*program, ask(WindowFacts::Title).title, length) == std::u16string::npos)
        return Refusal::NotOfItsKind;
    return Refusal::None;
}

// An open window of KIND, by the sweep's title test (and shown, for a kind that asks it).
bool IsOpenWindowOf(const BrowserKind& kind, Asker& ask)
{
    if (kind.family)
        return FamilyRefusal(*kind.family, ask) == Refusal::None;
    if (kind.sweepVisibleOnly && !ask(WindowFacts::Visible).visible)
        return false;
    return Holds(kind.sweepTitle, ask(WindowFacts::Title).title);
}

// A window of KIND, as a notice of it says: its class (its frame, program and name for a
// family), or for a kind known by title its name in its title, as it had it when it was made.
Refusal AnnouncedRefusal(const BrowserKind& kind, Asker& ask)
{
    if (kind.family)
        return FamilyRefusal(*kind.family, ask);
    if (kind.className)
        return Refusal::None;  // its class was asked first
    return ask(WindowFacts::Title).title.find(Utf16Of(kind.createTitle.text)) != std::u16string::npos
               ? Refusal::None
               : Refusal::NotOfItsKind;
}

// Which kind a window is, as the hook would have recognised it when it was made and announced.
const BrowserKind* KindAsAnnounced(const std::string& className, Asker& ask)
{
    const BrowserKind* kind = kinds::KindByClass(className.c_str(), ask(WindowFacts::Styles).style);
    if (!kind || !kinds::IsProvisional(*kind))
        return kind;
    return kinds::KindAtAnnouncement(*kind, ToUtf8(ask(WindowFacts::Title).title).c_str());
}

Recognition Refused(Refusal refusal)
{
    return {-1, refusal};
}

}  // namespace

const BrowserKind* KindWithClass(const std::string& className, int targets)
{
    for (const BrowserKind& kind : kBrowserKinds)
        if ((targets & TargetBit(kind.type)) && HasClass(kind, className))
            return &kind;
    return nullptr;
}

Recognition Recognise(WindowFacts& facts, const RecogniseAs& as, const FactReader* reader)
{
    Asker ask(facts, reader);
    const std::string className = ask(WindowFacts::Class).className;
    // The kinds it may be of, by its class alone: most windows are of none, and cost no more.
    const BrowserKind* announced = as.announced >= 0 ? KindOf(as.announced) : nullptr;
    const BrowserKind* byClass = KindWithClass(className, as.targets);
    if (as.announced >= 0 && !announced)
        return Refused(Refusal::UnknownType);
    if (announced && announced->className && !HasClass(*announced, className))
        return Refused(Refusal::NotOfItsKind);
    if (!announced && !byClass && !as.openWindow)
        return Refused(Refusal::OfNoKind);
    // A family's program is known once a window, and rules out most windows of its class.
    const BrowserKind* family = announced ? announced : byClass;
    if (family && family->family && !ProgramOf(*family->family, ask(WindowFacts::Program).processImage))
        return Refused(Refusal::OtherProgram);

    const WindowIdentity& id = ask(WindowFacts::Identity).identity;
    if (!id.alive)
        return Refused(Refusal::Gone);
    if (!id.topLevel)
        return Refused(Refusal::NotTopLevel);
    if (id.owned)
        return Refused(Refusal::Owned);
    if (id.ours)
        return Refused(Refusal::Ours);
    if (as.shownOnly && !ask(WindowFacts::Visible).visible)
        return Refused(Refusal::NotShown);

    if (announced) {
        const Refusal refusal = AnnouncedRefusal(*announced, ask);
        return refusal == Refusal::None ? Recognition{announced->type, Refusal::None} : Refused(refusal);
    }
    if (byClass && byClass->family) {  // no other kind shares a family's class
        const Refusal refusal = FamilyRefusal(*byClass->family, ask);
        return refusal == Refusal::None ? Recognition{byClass->type, Refusal::None} : Refused(refusal);
    }
    if (!as.openWindow) {
        const BrowserKind* kind = KindAsAnnounced(className, ask);
        return kind && (as.targets & TargetBit(kind->type)) ? Recognition{kind->type, Refusal::None}
                                                           : Refused(Refusal::NotOfItsKind);
    }
    // An open window: a kind with its class first, then a kind known by title.
    for (const BrowserKind& kind : kBrowserKinds)
        if ((as.targets & TargetBit(kind.type)) && HasClass(kind, className) && IsOpenWindowOf(kind, ask))
            return {kind.type, Refusal::None};
    for (const BrowserKind& kind : kBrowserKinds)
        if ((as.targets & TargetBit(kind.type)) && !kind.className && IsOpenWindowOf(kind, ask))
            return {kind.type, Refusal::None};
    return Refused(Refusal::NotOfItsKind);
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
