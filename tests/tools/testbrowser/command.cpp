#include "command.h"

#include <cerrno>
#include <cstdlib>

namespace testbrowser {

namespace {

struct NamedBits {
    const char* name;
    uint32_t bits;
};

const NamedBits kStyles[] = {
    {"overlapped", 0x00000000},   {"overlappedwindow", 0x00CF0000},
    {"popup", 0x80000000},        {"popupwindow", 0x80880000},
    {"child", 0x40000000},        {"minimize", 0x20000000},
    {"visible", 0x10000000},      {"disabled", 0x08000000},
    {"clipsiblings", 0x04000000}, {"clipchildren", 0x02000000},
    {"maximize", 0x01000000},     {"caption", 0x00C00000},
    {"border", 0x00800000},       {"dlgframe", 0x00400000},
    {"vscroll", 0x00200000},      {"hscroll", 0x00100000},
    {"sysmenu", 0x00080000},      {"thickframe", 0x00040000},
    {"minimizebox", 0x00020000},  {"maximizebox", 0x00010000},
};

const NamedBits kExStyles[] = {
    {"none", 0x00000000},       {"dlgmodalframe", 0x00000001}, {"topmost", 0x00000008},   {"toolwindow", 0x00000080},
    {"windowedge", 0x00000100}, {"clientedge", 0x00000200},    {"appwindow", 0x00040000},
};

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

template <size_t N>
bool ParseBits(std::string_view text, const NamedBits (&table)[N], uint32_t& out, std::string& error)
{
    if (text.empty()) {
        error = "empty style";
        return false;
    }
    uint32_t bits = 0;
    while (true) {
        size_t bar = text.find('|');
        std::string_view part = text.substr(0, bar);
        long number = 0;
        bool known = false;
        for (const NamedBits& entry : table) {
            if (part == entry.name) {
                bits |= entry.bits;
                known = true;
                break;
            }
        }
        if (!known) {
            if (!ParseNumber(part, number)) {
                error = "unknown style '" + std::string(part) + "'";
                return false;
            }
            bits |= static_cast<uint32_t>(number);
        }
        if (bar == std::string_view::npos)
            break;
        text.remove_prefix(bar + 1);
    }
    out = bits;
    return true;
}

// Splits "key=value"; a word without '=' has an empty value and hasValue false.
struct Option {
    std::string_view key;
    std::string_view value;
    bool hasValue;
};

Option SplitOption(const std::string& word)
{
    size_t eq = word.find('=');
    if (eq == std::string::npos)
        return {word, {}, false};
    std::string_view view(word);
    return {view.substr(0, eq), view.substr(eq + 1), true};
}

bool ParseRect(std::string_view text, OpenOptions& options)
{
    long values[4];
    for (int i = 0; i < 4; ++i) {
        size_t comma = text.find(',');
        if ((i < 3) == (comma == std::string_view::npos))
            return false;
        if (!ParseNumber(text.substr(0, comma), values[i]))
            return false;
        if (comma != std::string_view::npos)
            text.remove_prefix(comma + 1);
    }
    options.hasRect = true;
    options.x = values[0];
    options.y = values[1];
    options.width = values[2];
    options.height = values[3];
    return true;
}

bool ParseOnOff(std::string_view text, bool& value)
{
    if (text == "1" || text == "on" || text == "yes") {
        value = true;
        return true;
    }
    if (text == "0" || text == "off" || text == "no" || text == "none") {
        value = false;
        return true;
    }
    return false;
}

}  // namespace

bool SplitWords(std::string_view line, std::vector<std::string>& words, std::string& error,
                LeadBytePredicate isLeadByte)
{
    words.clear();
    size_t i = 0;
    const size_t n = line.size();
    while (true) {
        while (i < n && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r' || line[i] == '\n'))
            ++i;
        if (i == n)
            return true;
        std::string word;
        bool quoted = false;
        while (i < n) {
            char c = line[i];
            if (!quoted && (c == ' ' || c == '\t' || c == '\r' || c == '\n'))
                break;
            ++i;
            if (isLeadByte && isLeadByte(static_cast<unsigned char>(c)) && i < n) {
                word += c;
                word += line[i++];
                continue;
            }
            if (c == '"') {
                quoted = !quoted;
                continue;
            }
            if (c != '\\') {
                word += c;
                continue;
            }
            if (i == n) {
                error = "a line ends in a lone backslash";
                return false;
            }
            char e = line[i++];
            switch (e) {
            case 'n':
                word += '\n';
                break;
            case 't':
                word += '\t';
                break;
            case '"':
            case '\\':
                word += e;
                break;
            case 'x': {
                int hi = i < n ? HexDigit(line[i]) : -1;
                int lo = i + 1 < n ? HexDigit(line[i + 1]) : -1;
                if (hi < 0 || lo < 0) {
                    error = "\\x takes two hex digits";
                    return false;
                }
                word += static_cast<char>(hi * 16 + lo);
                i += 2;
                break;
            }
            default:
                error = std::string("unknown escape \\") + e;
                return false;
            }
        }
        if (quoted) {
            error = "a quote is not closed";
            return false;
        }
        words.push_back(std::move(word));
    }
}

bool ParseNumber(std::string_view text, long& value)
{
    if (text.empty() || text.size() > 24)
        return false;
    std::string copy(text);
    char* end = nullptr;
    errno = 0;
    long long parsed = std::strtoll(copy.c_str(), &end, 0);
    // Signed 32-bit values, and unsigned ones up to 0xFFFFFFFF (style bits) taken as their
    // 32-bit pattern, so that a number means the same on every platform.
    if (errno != 0 || end != copy.c_str() + copy.size() || parsed < -0x80000000LL || parsed > 0xFFFFFFFFLL)
        return false;
    value = static_cast<long>(static_cast<int32_t>(static_cast<uint32_t>(parsed)));
    return true;
}

bool ParseStyle(std::string_view text, uint32_t& style, std::string& error)
{
    return ParseBits(text, kStyles, style, error);
}

bool ParseExStyle(std::string_view text, uint32_t& exStyle, std::string& error)
{
    return ParseBits(text, kExStyles, exStyle, error);
}

bool ParseWindowNumber(std::string_view text, int& number)
{
    long value = 0;
    if (!ParseNumber(text, value) || value < 1 || value > 100000)
        return false;
    number = static_cast<int>(value);
    return true;
}

bool ParseOpen(const std::vector<std::string>& words, OpenOptions& options, std::string& error)
{
    options = OpenOptions();
    for (size_t i = 1; i < words.size(); ++i) {
        const Option opt = SplitOption(words[i]);
        bool ok = true;
        if (opt.key == "closebyroot" && !opt.hasValue) {
            options.closeByRoot = true;
            continue;
        }
        if (opt.key == "utf8" && !opt.hasValue) {
            options.utf8 = true;
            continue;
        }
        if (opt.key == "titlefirst" && !opt.hasValue) {
            options.titleBeforeShow = true;
        } else if (!opt.hasValue) {
            ok = false;
        } else if (opt.key == "class") {
            options.className = std::string(opt.value);
            ok = !opt.value.empty();
        } else if (opt.key == "title") {
            options.title = std::string(opt.value);
        } else if (opt.key == "createtitle") {
            options.createTitle = std::string(opt.value);
        } else if (opt.key == "style") {
            if (!ParseStyle(opt.value, options.style, error))
                return false;
        } else if (opt.key == "exstyle") {
            if (!ParseExStyle(opt.value, options.exStyle, error))
                return false;
        } else if (opt.key == "owner") {
            ok = ParseWindowNumber(opt.value, options.owner);
        } else if (opt.key == "parent") {
            ok = ParseWindowNumber(opt.value, options.parent);
        } else if (opt.key == "url") {
            options.hasUrlEdit = true;
            options.url = std::string(opt.value);
        } else if (opt.key == "child") {
            options.childClasses.emplace_back(opt.value);
            ok = !opt.value.empty();
        } else if (opt.key == "icon") {
            ok = ParseOnOff(opt.value, options.classIcon);
        } else if (opt.key == "childicon") {
            ok = ParseOnOff(opt.value, options.childIcon);
        } else if (opt.key == "show") {
            if (opt.value == "normal")
                options.show = ShowAs::Normal;
            else if (opt.value == "hidden")
                options.show = ShowAs::Hidden;
            else if (opt.value == "min")
                options.show = ShowAs::Minimized;
            else if (opt.value == "max")
                options.show = ShowAs::Maximized;
            else
                ok = false;
        } else if (opt.key == "rect") {
            ok = ParseRect(opt.value, options);
        } else {
            ok = false;
        }
        if (!ok) {
            error = "bad option '" + words[i] + "'";
            return false;
        }
    }
    if (options.owner && options.parent) {
        error = "a window takes an owner or a parent, not both";
        return false;
    }
    return true;
}

bool ParseListView(const std::vector<std::string>& words, ListViewOptions& options, std::string& error)
{
    options = ListViewOptions();
    if (words.size() < 2 || !ParseWindowNumber(words[1], options.window)) {
        error = "listview takes a window number";
        return false;
    }
    for (size_t i = 2; i < words.size(); ++i) {
        const Option opt = SplitOption(words[i]);
        if (opt.hasValue && opt.key == "select") {
            long value = 0;
            if (!ParseNumber(opt.value, value) || value < -1 || value > 100000) {
                error = "bad select '" + words[i] + "'";
                return false;
            }
            options.select = static_cast<int>(value);
        } else if (opt.hasValue && opt.key == "data") {
            std::string_view list = opt.value;
            while (!list.empty()) {
                size_t comma = list.find(',');
                long value = 0;
                if (!ParseNumber(list.substr(0, comma), value)) {
                    error = "bad data '" + words[i] + "'";
                    return false;
                }
                options.data.push_back(value);
                list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
            }
        } else {
            options.items.push_back(words[i]);
        }
    }
    if (options.select >= static_cast<int>(options.items.size())) {
        error = "select names no item";
        return false;
    }
    return true;
}

}  // namespace testbrowser
