#include "capture/hook_binding.h"

#include <cstring>

#include "capture/hook_block.h"
#include "hooklib/browser_kinds.h"
#include "hooklib/shared_block.h"
#include "win/program_windows.h"

HMODULE g_hHookLib;
PFN_SET_TARGET_BROWSER g_pfnSetTargetBrowser;
PFN_ADD_WATCH_WINDOW g_pfnAddWatchWindow;

namespace {

// GetProcAddress's generic pointer, as the function it names; the cast goes through
// void (*)(), the type meant for such conversions.
template <class Function>
Function ProcAddress(HMODULE module, const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// The library's ".shared" section, where its block lies, found from the loaded image's headers.
const SharedBlock* SharedBlockOf(HMODULE library)
{
    if (!library)
        return nullptr;
    const BYTE* base = reinterpret_cast<const BYTE*>(library);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(nt);
    for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++section)
        if (std::memcmp(section->Name, ".shared", 8) == 0 && section->Misc.VirtualSize >= sizeof(SharedBlock))
            return reinterpret_cast<const SharedBlock*>(base + section->VirtualAddress);
    return nullptr;
}

}  // namespace

int BindHookLibrary(BOOL bBind)
{
    if (!bBind) {
        if (g_hHookLib) {
            g_pfnSetTargetBrowser = nullptr;
            g_pfnAddWatchWindow = nullptr;
            FreeLibrary(g_hHookLib);
            g_hHookLib = nullptr;
        }
        return 1;
    }
    if (g_hHookLib)
        return 1;
    HMODULE library = LoadLibraryA("PelorusLib");
    if (!library)
        return 0;
    auto addWatch = ProcAddress<PFN_ADD_WATCH_WINDOW>(library, "Add_hWnd_SetText");
    auto setTarget = ProcAddress<PFN_SET_TARGET_BROWSER>(library, "Set_TargetBrowser");
    if (!addWatch || !setTarget) {
        FreeLibrary(library);  // not the library we know: never call through a null pointer
        return 0;
    }
    g_hHookLib = library;
    g_pfnAddWatchWindow = addWatch;
    g_pfnSetTargetBrowser = setTarget;
    return 1;
}

bool EnableHookLibrary(const SweepList& swept, int mask)
{
    if (!BindHookLibrary(TRUE))
        return false;
    // Disabled first, so that enabling starts from an empty table with no handles whatever the
    // last run left: a run that was killed never disabled the library, and its watch table and
    // dead relay handle would otherwise live on in every browser that maps it.
    g_pfnSetTargetBrowser(0, 0);
    g_pfnSetTargetBrowser(mask, 1);
    WatchWindows(swept, mask);
    return true;
}

void WatchWindows(const SweepList& windows, int mask)
{
    if (!g_pfnAddWatchWindow)
        return;
    for (int i = 0; i < windows.count; ++i) {
        const int type = windows.types[i];
        if (KindOf(type) && KindOf(type)->watchedByHook && (mask & TargetBit(type)))
            g_pfnAddWatchWindow(reinterpret_cast<HWND>(windows.windows[i]), type, WATCH_ANNOUNCED);
    }
}


bool IsWatchedByHook(HWND window)
{
    const SharedBlock* block = SharedBlockOf(g_hHookLib);
    return block && WatchedInBlock(*block, reinterpret_cast<WindowHandle>(window));
}

void DisableHookLibrary()
{
    if (g_pfnSetTargetBrowser)
        g_pfnSetTargetBrowser(0, 0);
}

void SetHookLibraryMask(int mask)
{
    if (g_pfnSetTargetBrowser)  // without the library there is no hook to tell
        g_pfnSetTargetBrowser(mask, 1);
}

void AnnounceWindows(const SweepList& windows, int mask)
{
    for (int k = 0; k < windows.count; ++k)
        if (mask & TargetBit(windows.types[k]))
            PostMessageW(g_hMainWnd, WM_HOOK_NOTIFY, HN_NEWWINDOW | static_cast<WPARAM>(windows.types[k]),
                         static_cast<LPARAM>(windows.windows[k]));
}

void CatchUpMissedWindows(const SweepList& swept, const SweepList& now, int mask)
{
    const SweepList missed =
        WindowsMissedBy(swept, now, [](WindowHandle w) { return IsWatchedByHook(reinterpret_cast<HWND>(w)); });
    WatchWindows(missed, mask);
    AnnounceWindows(missed, mask);
}
