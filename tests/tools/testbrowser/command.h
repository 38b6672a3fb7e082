// The fake browser's command language, kept free of the platform so that it is unit-tested
// natively. A command is one line of words; a word is bare or "quoted", and both forms take
// the escapes \" \\ \n \t and \xNN, so that a test can pass any byte (a Shift-JIS title, say).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace testbrowser {

// Window style bits by the names the platform gives them; a style word joins names and
// numbers with '|' ("overlappedwindow", "popup|caption|sysmenu", "0x00CF0000").
constexpr uint32_t kStyleOverlappedWindow = 0x00CF0000;

// IS_LEAD_BYTE, when given, marks the first byte of a double-byte character (Shift-JIS under
// code page 932): the byte after it is taken as it is, even a backslash or a quote, which
// Shift-JIS uses as second bytes.
using LeadBytePredicate = bool (*)(unsigned char);
bool SplitWords(std::string_view line, std::vector<std::string>& words, std::string& error,
                LeadBytePredicate isLeadByte = nullptr);
bool ParseStyle(std::string_view text, uint32_t& style, std::string& error);
bool ParseExStyle(std::string_view text, uint32_t& exStyle, std::string& error);
bool ParseNumber(std::string_view text, long& value);

enum class ShowAs { Normal, Hidden, Minimized, Maximized };

// "open": one top-level window (or a child, with parent=). Windows are numbered from 1 in the
// order they are opened; owner= and parent= take such a number.
struct OpenOptions {
    std::string className = "TestBrowserFrame";
    std::string title = "Test Browser";
    std::string createTitle;  // the title at creation; real browsers set theirs after they show
    bool titleBeforeShow = false;
    bool utf8 = false;  // the titles are UTF-8, set as Unicode (a character outside any code page)
    // Closed as some browser frameworks close a window: a WM_CLOSE is passed on to its root
    // window, and only a WM_CLOSE that comes back from there destroys it.
    bool closeByRoot = false;
    uint32_t style = kStyleOverlappedWindow;
    uint32_t exStyle = 0;
    int owner = 0;
    int parent = 0;
    bool hasUrlEdit = false;  // an "Edit" grandchild holding the address, as browsers nest it
    std::string url;
    std::vector<std::string> childClasses;  // further descendants: "OUIWINDOW", "#32770", ...
    bool classIcon = true;                  // the class's icon, or none at all
    bool childIcon = true;                  // the same for the child classes it registers
    ShowAs show = ShowAs::Normal;
    bool hasRect = false;
    long x = 0, y = 0, width = 0, height = 0;
};

// words[0] is "open".
bool ParseOpen(const std::vector<std::string>& words, OpenOptions& options, std::string& error);

// "listview N [select=K] [data=D1,D2,...] ITEM...": a report-mode list view filling window N.
struct ListViewOptions {
    int window = 0;
    int select = -1;
    std::vector<std::string> items;
    std::vector<long> data;  // item data by position; missing entries are 0
};

bool ParseListView(const std::vector<std::string>& words, ListViewOptions& options, std::string& error);

// A window number as the commands take it: 1 or more.
bool ParseWindowNumber(std::string_view text, int& number);

}  // namespace testbrowser
