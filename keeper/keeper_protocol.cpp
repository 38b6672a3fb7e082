#include "keeper/keeper_protocol.h"

#include <cstdio>

namespace {

const char kDetach[] = "/detach ";

// 1 to 8 lowercase hex digits, the whole of TEXT.
std::optional<uint32_t> ParseHex(const std::string& text)
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

}  // namespace

std::string FormatKeeperArgs(const KeeperArgs& args)
{
    char numbers[24];
    std::snprintf(numbers, sizeof numbers, "%x %x", static_cast<unsigned>(args.mainWindow),
                  static_cast<unsigned>(args.closeCookie));
    return (args.detach ? kDetach : "") + std::string(numbers);
}

std::optional<KeeperArgs> ParseKeeperArgs(const std::string& text)
{
    KeeperArgs args;
    std::string rest = text;
    if (rest.compare(0, sizeof kDetach - 1, kDetach) == 0) {
        args.detach = true;
        rest.erase(0, sizeof kDetach - 1);
    }
    const size_t space = rest.find(' ');
    if (space == std::string::npos)
        return std::nullopt;
    const std::optional<uint32_t> window = ParseHex(rest.substr(0, space));
    const std::optional<uint32_t> cookie = ParseHex(rest.substr(space + 1));
    if (!window || !cookie)
        return std::nullopt;
    args.mainWindow = *window;
    args.closeCookie = *cookie;
    if (args.mainWindow == 0)
        return std::nullopt;
    return args;
}
