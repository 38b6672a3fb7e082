// What the program reads of another program's window to decide about it. Each fact is read at
// most once a decision, and only when the decision asks for it: the cheap questions first, so
// that most windows cost a class name. What never changes while a window lives (its class, its
// program) is read once a window, and known from then on.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "win/window_seam.h"

constexpr int kUrlBufferSize = 1024;    // an address is read with at most 1023 UTF-16 units
constexpr int kTitleBufferSize = 2048;  // a title, as the filters read it, with at most 2047
constexpr int kListTitleSize = 1024;    // a title, as a list shows it, with at most 1023

struct WindowFacts {
    enum Fact : uint16_t {
        Identity = 1,      // alive, top-level, owned, ours
        Class = 2,         // its class name
        Title = 4,         // as the filters read it
        Visible = 8,       //
        Styles = 16,       // style and extended style
        Program = 32,      // its process's image
        Cloak = 64,        // kept out of sight by the system
        Descendants = 128, // its descendants' classes, and which is its address box
        Address = 256,     // the address box's text (asked of another process: only when wanted)
        All = 511,
    };

    WindowHandle window = 0;
    uint16_t read = 0;  // which of the facts below hold what was read

    WindowIdentity identity;
    std::string className;
    std::u16string title;
    bool visible = false;
    bool styleKnown = false;
    uint32_t style = 0;
    uint32_t exStyle = 0;
    std::string processImage;
    bool cloaked = false;
    std::vector<std::string> descendantClasses;
    WindowHandle addressBox = 0;  // its first "Edit" descendant
    bool hasAddress = false;      // it has one
    std::u16string address;

    bool Has(uint16_t facts) const { return (read & facts) == facts; }
    // The title as a list shows it.
    std::u16string ListTitle() const;
};

// Known windows: the class and the program of each, read once. A window gone, or a new window
// under an old one's handle, is forgotten by whoever learns of it.
class CKnownWindows {
public:
    explicit CKnownWindows(WindowSeam& seam) : m_seam(seam) {}

    const std::string& ClassOf(WindowHandle window);
    const std::string& ProgramOf(WindowHandle window);
    void Forget(WindowHandle window) { m_known.erase(window); }
    // Those not in WINDOWS (sorted) are forgotten.
    void KeepOnly(const std::vector<WindowHandle>& windows);

private:
    struct Known {
        std::string className;
        std::string program;
        bool programRead = false;
    };
    Known& Entry(WindowHandle window);

    WindowSeam& m_seam;
    std::unordered_map<WindowHandle, Known> m_known;
};

// Where facts come from: the seam, and the known windows for what never changes.
struct FactReader {
    WindowSeam& seam;
    CKnownWindows& known;
    // Reads into FACTS those of NEED it does not hold yet (the address after the descendants).
    void Read(WindowFacts& facts, uint16_t need) const;
};

// The address shown in a browser window: the text of its first "Edit" descendant, cut to
// kUrlBufferSize - 1 units. False, with URL empty, when it has none.
bool ReadBrowserUrl(WindowSeam& seam, WindowHandle window, std::u16string& url);
