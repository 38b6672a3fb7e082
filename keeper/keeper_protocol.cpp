#include "keeper/keeper_protocol.h"

#include <cstdio>

namespace {

const char kDetach[] = "/detach ";

}  // namespace

std::string FormatKeeperArgs(const KeeperArgs& args)
{
    char window[16];
    std::snprintf(window, sizeof window, "%x", static_cast<unsigned>(args.mainWindow));
    return (args.detach ? kDetach : "") + std::string(window);
}

std::optional<KeeperArgs> ParseKeeperArgs(const std::string& text)
{
    KeeperArgs args;
    std::string rest = text;
    if (rest.compare(0, sizeof kDetach - 1, kDetach) == 0) {
        args.detach = true;
        rest.erase(0, sizeof kDetach - 1);
    }
    if (rest.empty() || rest.size() > 8)
        return std::nullopt;
    for (char c : rest) {
        const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
        if (digit < 0)
            return std::nullopt;
        args.mainWindow = args.mainWindow << 4 | static_cast<uint32_t>(digit);
    }
    if (args.mainWindow == 0)
        return std::nullopt;
    return args;
}
