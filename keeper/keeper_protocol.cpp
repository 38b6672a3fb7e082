#include "keeper/keeper_protocol.h"

namespace {

constexpr std::string_view kDetach = "/detach ";

// 1 to 8 lowercase hex digits, the whole of TEXT.
std::optional<uint32_t> ParseHex(std::string_view text)
{
    if (text.empty() || text.size() > 8)
        return std::nullopt;
    uint32_t value = 0;
    for (char c : text) {
        const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
        if (digit < 0)
            return std::nullopt;
        value = value << 4 | static_cast<uint32_t>(digit);
    }
    return value;
}

// VALUE in lowercase hex without leading zeros, at END (9 bytes free at least).
size_t AppendHex(char* end, uint32_t value)
{
    char digits[8];
    size_t n = 0;
    do {
        digits[n++] = "0123456789abcdef"[value & 15];
        value >>= 4;
    } while (value);
    for (size_t i = 0; i < n; ++i)
        end[i] = digits[n - 1 - i];
    return n;
}

}  // namespace

KeeperArgsLine FormatKeeperArgs(const KeeperArgs& args)
{
    KeeperArgsLine line;
    size_t n = 0;
    if (args.detach)
        for (char c : kDetach)
            line.text[n++] = c;
    n += AppendHex(line.text + n, args.mainWindow);
    line.text[n++] = ' ';
    n += AppendHex(line.text + n, args.closeCookie);
    line.text[n] = '\0';
    line.length = n;
    return line;
}

std::optional<KeeperArgs> ParseKeeperArgs(std::string_view text)
{
    KeeperArgs args;
    if (text.size() >= kDetach.size() && std::string_view(text.data(), kDetach.size()) == kDetach) {
        args.detach = true;
        text.remove_prefix(kDetach.size());
    }
    // Cut by hand rather than by substr(), which would bring the library's exceptions.
    const size_t space = text.find(' ');
    if (space == std::string_view::npos)
        return std::nullopt;
    const std::optional<uint32_t> window = ParseHex(std::string_view(text.data(), space));
    const std::optional<uint32_t> cookie = ParseHex(std::string_view(text.data() + space + 1, text.size() - space - 1));
    if (!window || !cookie)
        return std::nullopt;
    args.mainWindow = *window;
    args.closeCookie = *cookie;
    if (args.mainWindow == 0)
        return std::nullopt;
    return args;
}
