// libFuzzer target: random sequences of hooked messages, library calls, masks and window
// changes drive the watch rules, and after every step the shared block and the posts are
// checked against a small reference model of the slot states, written separately.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "hooklib/watch_rules.h"
#include "tests/unit/fakes/fake_hook_desktop.h"

namespace {

constexpr int kWindows = 12;

struct Reader {
    const uint8_t* data;
    size_t size;
    uint8_t Next()
    {
        if (size == 0)
            return 0;
        --size;
        return *data++;
    }
};

// The reference model: the same rules, kept as a plain list of (window, type, state) slots.
struct Model {
    struct Slot {
        uint32_t hwnd = 0;
        int type = 0;
        int state = 0;
    };
    Slot slots[kWatchSlots];
    int mask = 0;
    bool enabled = false;
    std::vector<Posted> posted;

    Slot* Lowest(uint32_t hwnd, bool onlyCreated = false)
    {
        for (Slot& s : slots)
            if (s.hwnd == hwnd && (!onlyCreated || s.state == 0))
                return &s;
        return nullptr;
    }
    bool Add(uint32_t hwnd, int type, int state)
    {
        Slot* free = Lowest(0);
        if (!free)
            return false;
        *free = {hwnd, type, state};
        return true;
    }
};

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "model mismatch: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Reader in{data, size};
    FakeHookDesktop desktop;
    SharedBlock block = {};
    Model model;

    const uint32_t main = desktop.Create("#32770", "Pelorus_2");
    const uint32_t relay = desktop.Create(PELORUS_RELAY_CLASS, PELORUS_RELAY_TITLE);
    desktop.SetExtra(relay, kRelayIndexMainWnd, main);
    desktop.SetExtra(relay, kRelayIndexHook, 0x77);

    static const char* const kClasses[] = {"IEFrame", "MozillaWindowClass", "OUIWINDOW", "OpWindow", "Other"};
    static const char* const kTitles[] = {"", "Netscape", "Mozilla Firebird", "Page - Netscape 7", "x"};
    uint32_t windows[kWindows];
    std::string classes[kWindows];
    std::string titles[kWindows];
    for (int i = 0; i < kWindows; ++i) {
        classes[i] = kClasses[in.Next() % 5];
        titles[i] = kTitles[in.Next() % 5];
        windows[i] = desktop.Create(classes[i], titles[i]);
    }
    auto title = [&](int i) -> std::string& { return titles[i]; };

    for (int step = 0; step < 400 && in.size > 0; ++step) {
        const uint8_t op = in.Next() % 11;
        const int k = in.Next() % kWindows;
        const uint32_t hwnd = windows[k];
        const uint8_t arg = in.Next();
        auto send = [&](uint32_t message, uintptr_t wParam, uintptr_t lParam) {
            watch::HandleHookedMessage(block, desktop, hwnd, message, wParam, lParam);
        };
        const bool live = model.enabled;
        switch (op) {
        case 0: {  // WM_CREATE, perhaps with a parent, with or without overlapped-window bits
            FakeCreate create{(arg & 1) ? main + 1000 : 0, (arg & 2) ? 0x00CF0000u : 0x80000000u};
            send(watch::kMsgCreate, 0, reinterpret_cast<uintptr_t>(&create));
            if (!live || create.parent)
                break;
            const std::string& c = classes[k];
            if (c == "IEFrame") {
                if (model.mask & 0x01)
                    model.Add(hwnd, 0, 0);
            } else if (c == "MozillaWindowClass" && (create.style & 0x00CF0000)) {
                if (model.mask & 0x12)
                    model.Add(hwnd, 1, 0);
            } else if (c == "OUIWINDOW") {
                if (model.mask & 0x08)
                    model.Add(hwnd, 3, 0);
            } else if (c == "OpWindow") {
                if (model.mask & 0x20)
                    model.Add(hwnd, 5, 0);
            } else if (title(k) == "Netscape" && (model.mask & 0x04)) {
                model.Add(hwnd, 2, 0);
            }
            break;
        }
        case 1:  // shown, by WM_SHOWWINDOW or WM_WINDOWPOSCHANGING
        case 2: {
            bool shows = arg & 1;
            if (op == 1)
                send(watch::kMsgShowWindow, shows, 0);
            else
                send(watch::kMsgWindowPosChanging, 0, shows ? 0x0040 : 0x0002);
            if (live && shows)
                if (Model::Slot* s = model.Lowest(hwnd, true))
                    s->state = 1;
            break;
        }
        case 3: {  // WM_SETTEXT, then the window takes the text
            send(watch::kMsgSetText, 0, 0);
            if (live) {
                if (Model::Slot* s = model.Lowest(hwnd)) {
                    bool keep = true;
                    if (s->state == 1) {
                        s->state = 2;
                        if (s->type == 1) {
                            int kind = title(k).find("Mozilla") != std::string::npos ? 4 : 1;
                            keep = (model.mask & (1 << kind)) != 0;
                            if (keep)
                                s->type = kind;
                            else
                                s->hwnd = 0;
                        }
                        if (keep)
                            model.posted.push_back({main, HN_NEWWINDOW | static_cast<uint32_t>(s->type), hwnd});
                    }
                    if (keep && s->state == 2)
                        model.posted.push_back({main, HN_TITLECHANGED, hwnd});
                }
            }
            title(k) = kTitles[arg % 5];
            desktop.SetTitle(hwnd, title(k));
            break;
        }
        case 4:  // WM_DESTROY (the window lives on in the fake, standing for a new one)
            send(watch::kMsgDestroy, 0, 0);
            if (live)
                if (Model::Slot* s = model.Lowest(hwnd)) {
                    model.posted.push_back({main, HN_DESTROYED, hwnd});
                    s->hwnd = 0;
                }
            break;
        case 5: {  // Set_TargetBrowser
            int mask = arg & 0x3F;
            int enable = (arg >> 6) % 3;
            watch::SetTargetBrowser(block, desktop, mask, enable);
            model.mask = mask;
            if (!model.enabled && enable == 1)
                for (Model::Slot& s : model.slots)
                    s.hwnd = 0;
            model.enabled = enable != 0;
            break;
        }
        case 6: {  // Add_hWnd_SetText from the program
            int type = arg % 6, state = (arg >> 3) % 3;
            int got = watch::AddWatchWindow(block, hwnd, type, state);
            if (got != static_cast<int>(model.Add(hwnd, type, state)))
                Fail("Add_hWnd_SetText result");
            break;
        }
        case 7:  // the main window's WM_DESTROY
            watch::HandleHookedMessage(block, desktop, main, watch::kMsgDestroy, 0, 0);
            if (live)
                model.enabled = false;
            break;
        case 8:  // anything else
            send(0x0200u + arg, arg, arg);
            break;
        case 9:  // the title changes without a message the hook sees
            title(k) = kTitles[arg % 5];
            desktop.SetTitle(hwnd, title(k));
            break;
        default:  // messages to the program's own windows are never acted on
            watch::HandleHookedMessage(block, desktop, relay, watch::kMsgSetText, 0, 0);
            break;
        }

        if ((block.bEnabled != 0) != model.enabled || block.nTargetMask != model.mask)
            Fail("enabled flag or mask");
        for (int i = 0; i < kWatchSlots; ++i) {
            if (block.hWatchWnd[i] != model.slots[i].hwnd)
                Fail("slot window");
            if (block.hWatchWnd[i] &&
                (block.nWatchType[i] != model.slots[i].type || block.nWatchState[i] != model.slots[i].state))
                Fail("slot type or state");
        }
        if (!(desktop.posted == model.posted))
            Fail("notifications");
    }
    return 0;
}
