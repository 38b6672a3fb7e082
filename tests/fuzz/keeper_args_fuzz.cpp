// libFuzzer target: the keeper's command line. Any text parses without harm, whatever parses
// is written back to a line that parses to the same values, and any values written parse back
// to themselves (no main window: to nothing).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "keeper/keeper_protocol.h"

namespace {

bool Same(const KeeperArgs& a, const KeeperArgs& b)
{
    return a.mainWindow == b.mainWindow && a.closeCookie == b.closeCookie && a.detach == b.detach;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (const std::optional<KeeperArgs> parsed = ParseKeeperArgs(text)) {
        const std::optional<KeeperArgs> again = ParseKeeperArgs(FormatKeeperArgs(*parsed));
        if (!again || !Same(*parsed, *again))
            std::abort();
    }

    if (size >= 9) {
        KeeperArgs args;
        std::memcpy(&args.mainWindow, data, 4);
        std::memcpy(&args.closeCookie, data + 4, 4);
        args.detach = data[8] & 1;
        const std::optional<KeeperArgs> back = ParseKeeperArgs(FormatKeeperArgs(args));
        if (args.mainWindow == 0 ? back.has_value() : !back || !Same(args, *back))
            std::abort();
    }
    return 0;
}
