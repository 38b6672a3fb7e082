// libFuzzer target: the hook's shared block as the program reads it, whatever another process
// wrote there, beside a desktop of windows the rest of the input makes. Reading it stays within
// the block (AddressSanitizer), and the block alone neither brings a window in nor keeps one out
// for longer than the watcher's grace: the start-up's catch-up announces only windows its sweep
// found, and the watcher announces every browser window the program does not hold within a look
// and a grace, whatever the block claims.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <set>

#include "app/capture/hook_block.h"
#include "app/capture/kind_rules.h"
#include "app/capture/sweep_list.h"
#include "app/capture/window_watcher.h"
#include "tests/unit/fakes/fake_window_seam.h"

namespace {

struct Desk : Clock, WatcherHost {
    uint32_t Now() override { return now; }
    void WakeAfter(uint32_t delayMs) override { wake = now + delayMs; }
    bool Holds(WindowHandle) override { return false; }
    std::vector<WindowHandle> HeldWindows() override { return {}; }
    void Announce(WindowHandle window, int, WindowFacts&) override { announced.insert(window); }
    void TitleChanged(WindowHandle) override {}
    void Destroyed(WindowHandle) override {}

    uint32_t now = 0;
    std::optional<uint32_t> wake;
    std::set<WindowHandle> announced;
};

const char* const kClasses[] = {"IEFrame", "MozillaWindowClass", "Chrome_WidgetWin_1", "Notepad"};
const char* const kTitles[] = {"Page - Mozilla", "Page - Google Chrome", "Notes", ""};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < sizeof(SharedBlock))
        return 0;
    // Exactly a block's bytes on the heap: a read past it is caught.
    const auto block = std::make_unique<SharedBlock>();
    std::memcpy(block.get(), data, sizeof(SharedBlock));
    data += sizeof(SharedBlock);
    size -= sizeof(SharedBlock);

    FakeWindowSeam seam;
    std::vector<WindowHandle> windows;
    for (size_t i = 0; i < size && i < 12; ++i) {
        const uint8_t b = data[i];
        const WindowHandle w = seam.Add(kClasses[b & 3], kTitles[(b >> 2) & 3]);
        seam.windows[w].visible = (b & 0x10) != 0;
        seam.windows[w].image = "C:\\Chrome\\chrome.exe";
        if (b & 0x20)  // the block claims it, in the slot the input names
            block->hWatchWnd[(b >> 6) % kWatchSlots] = static_cast<uint32_t>(w);
        windows.push_back(w);
    }
    CKnownWindows known(seam);
    const FactReader reader{seam, known};
    const auto claimed = [&](WindowHandle w) { return WatchedInBlock(*block, w); };

    const SweepList now = SweepBrowserWindows(reader);
    const SweepList missed = WindowsMissedBy(SweepList{}, now, claimed);
    for (int i = 0; i < missed.count; ++i)
        if (!now.Contains(missed.windows[i]) || claimed(missed.windows[i]))
            std::abort();  // the catch-up announces a window its sweep did not find, or one the hook has

    CSettingsModel settings;
    Desk desk;
    CWindowWatcher watcher(seam, known, settings, desk, desk);
    watcher.Start();
    for (desk.now = 0; desk.now <= CWindowWatcher::kHookGraceMs + 50; desk.now += 10)
        if (desk.wake && IsDue(*desk.wake, desk.now)) {
            desk.wake.reset();
            watcher.OnWake();
        }
    RecogniseAs seen;
    seen.shownOnly = true;
    seen.targets = settings.Values().nTargetBrowser;
    for (WindowHandle w : windows) {
        WindowFacts facts;
        facts.window = w;
        const bool browser = static_cast<bool>(Recognise(facts, seen, &reader));
        if (browser != (desk.announced.count(w) > 0))
            std::abort();  // kept out beyond the grace, or brought in, by what the block claims
    }
    return 0;
}
