// libFuzzer target: the settings file as a hand-edited or spoiled one may read, and the filter
// dialog's boxes as anything may be typed into them. Loading never fails and never gives a value
// the program cannot hold; the prefixes loaded are never empty nor longer than the file gives
// back; what the dialog's OK writes, loaded again, is the list it kept.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/settings/filter_settings.h"
#include "app/settings/settings_model.h"
#include "tests/unit/fakes/memory_profile_store.h"

namespace {

bool ShiftJisLead(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

void Check(bool holds)
{
    if (!holds)
        std::abort();
}

void CheckLoaded(const CSettingsModel& settings)
{
    const SettingsValues& v = settings.Values();
    Check(v.nMaxPendingNum >= 1 && v.nMaxPendingNum <= kCloseListSlots);
    Check(settings.CloseListCapacity() >= 1 && settings.CloseListCapacity() <= kCloseListSlots);
    for (const auto* list : {&v.arrFilterUrl, &v.arrFilterTitle})
        for (const std::string& prefix : *list)
            Check(!prefix.empty() && prefix.size() < kPrefixBufferSize);
}

// The key a line of input names: its first byte picks one the program reads (a numbered one
// takes its number from the second), or the line is KEY=VALUE as written.
bool KeyOf(const std::string& line, std::string& key, std::string& value)
{
    static const char* const kKeys[] = {"FILTER_URL_NUM", "FILTER_TITLE_NUM", "MAX_PENDING_NUM", "FILTER",
                                        "FILTER_CLOSE",   "FILTER_USE_URL",   "FILTER_USE_TITLE"};
    static const char* const kStems[] = {"FILTER_URL", "FILTER_TITLE"};
    constexpr int kKeyCount = sizeof kKeys / sizeof kKeys[0];
    if (line.empty())
        return false;
    const int pick = static_cast<unsigned char>(line[0]) % (kKeyCount + 3);
    if (pick < kKeyCount) {
        key = kKeys[pick];
        value = line.substr(1);
    } else if (pick < kKeyCount + 2 && line.size() >= 2) {
        key = kStems[pick - kKeyCount] + std::to_string(static_cast<unsigned char>(line[1]) % 12);
        value = line.substr(2);
    } else {
        const size_t equals = line.find('=');
        if (equals == std::string::npos || equals < 2)
            return false;
        key = line.substr(1, equals - 1);
        value = line.substr(equals + 1);
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Lines of keys and values; the first line past a line "--" is the dialog's size box, the
    // rest its URL box.
    const std::string text(reinterpret_cast<const char*>(data), size);
    MemoryProfileStore store;
    FilterDialogValues dialog;
    size_t at = 0;
    bool inDialog = false;
    while (at <= text.size()) {
        size_t end = text.find('\n', at);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = text.substr(at, end - at);
        at = end + 1;
        std::string key, value;
        if (inDialog) {
            dialog.urlText += line + "\r\n";
        } else if (line == "--") {
            inDialog = true;
            if (at < text.size())
                dialog.sizeText = text.substr(at, text.find('\n', at) - at);
        } else if (KeyOf(line, key, value)) {
            store.Set(key, value);
        }
    }

    // A box's text, read from its window, ends at its first NUL.
    dialog.urlText = dialog.urlText.c_str();

    CSettingsModel settings;
    StoredPosition position;
    settings.Load(store, position);
    CheckLoaded(settings);
    if (!inDialog)
        return 0;

    settings.ApplyFilterDialog(store, dialog, ShiftJisLead);
    CheckLoaded(settings);
    const std::vector<std::string> kept = settings.Values().arrFilterUrl;
    CSettingsModel again;
    again.Load(store, position);
    // The store here gives values back as written: quotes are the real file's, not its concern.
    for (size_t i = 0; i < kept.size(); ++i)
        Check(i < again.Values().arrFilterUrl.size() &&
              (again.Values().arrFilterUrl[i] == kept[i] || again.Values().arrFilterUrl[i] == '"' + kept[i] + '"'));
    return 0;
}
