// libFuzzer target: the settings file as a hand-edited or spoiled one may read. Loading never
// fails and never gives a value the program cannot hold, and no prefix loaded is empty (it would
// match every window) or longer than the file gives back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/settings/filter_settings.h"
#include "app/settings/settings_model.h"
#include "tests/unit/fakes/fake_code_page.h"
#include "tests/unit/fakes/memory_profile_store.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // A line a key: its first byte picks one the program reads (a numbered one takes its number
    // from the second byte, and is the exact key beside it when that byte's top bit is set), or
    // the line is KEY=VALUE as written.
    static const char* const kKeys[] = {"FILTER_URL_NUM", "FILTER_TITLE_NUM", "MAX_PENDING_NUM", "FILTER",
                                        "FILTER_CLOSE",   "FILTER_URL",       "FILTER_TITLE"};
    const std::string text(reinterpret_cast<const char*>(data), size);
    MemoryProfileStore store;
    for (size_t at = 0, end; at < text.size(); at = end + 1) {
        end = std::min(text.find('\n', at), text.size());
        const std::string line = text.substr(at, end - at);
        const size_t pick = line.empty() ? 0 : static_cast<unsigned char>(line[0]) % 8;
        if (pick < 5 && line.size() >= 1)
            store.Set(kKeys[pick], line.substr(1));
        else if (pick < 7 && line.size() >= 2)
            store.Set(kKeys[pick] + std::to_string(static_cast<unsigned char>(line[1]) % 12) +
                          (static_cast<unsigned char>(line[1]) & 0x80 ? kExactPrefixSuffix : ""),
                      line.substr(2));
        else if (const size_t equals = line.find('='); equals != std::string::npos && equals > 1)
            store.Set(line.substr(1, equals - 1), line.substr(equals + 1));
    }
    CSettingsModel settings;
    StoredPosition position;
    settings.Load(store, position, FakeCodePage());
    const SettingsValues& v = settings.Values();
    bool sound = v.nMaxPendingNum >= 1 && v.nMaxPendingNum <= kCloseListSlots && settings.CloseListCapacity() >= 1 &&
                 settings.CloseListCapacity() <= kCloseListSlots;
    for (const auto* list : {&v.arrFilterUrl, &v.arrFilterTitle})
        for (const std::u16string& prefix : *list)
            sound = sound && !prefix.empty() && prefix.size() < kPrefixBufferSize;
    if (!sound)
        std::abort();
    return 0;
}
