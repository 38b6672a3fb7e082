// PelorusKeeper.exe: the keeper of one running Pelorus.exe. It owns the relay window, so that
// the hidden browser windows, its children, do not die with Pelorus.exe: when Pelorus.exe ends in
// any way, the keeper gives every one of them back to the desktop, and only then ends.
//
//   PelorusKeeper.exe /detach <main window>   starts the keeper apart from the caller's tree
//   PelorusKeeper.exe <main window>           the keeper itself
#include <windows.h>

#include "hooklib/hook_protocol.h"
#include "keeper/keeper_protocol.h"
#include "keeper/relay_window.h"

namespace {

// How long a relay window of the live title, left by a copy that has just ended, may take to be
// renamed by its own keeper before this one gives up rather than make a second.
const DWORD kPredecessorWaitMs = 3000;
const DWORD kPredecessorPollMs = 50;
// Held by the keeper whose relay window has the live title, from before it is made until it is
// renamed: two keepers starting at once never both make one.
const wchar_t kRelayNameLock[] = L"Local\\PelorusRelayWindow";

enum ExitCode { kDone = 0, kCannotStart = 1, kBadArguments = 2, kNoOwner = 3, kRelayTaken = 4 };

// This program again, without the detach flag. Its parent ends at once, so it belongs to no
// tree of Pelorus's; it leaves a job that would end it with Pelorus where the job allows.
bool StartDetached(const KeeperArgs& args)
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return false;
    KeeperArgs keeper = args;
    keeper.detach = false;
    const KeeperArgsLine tail = FormatKeeperArgs(keeper);
    // "<path>" <tail>, in room for the longest of both.
    wchar_t commandLine[1 + MAX_PATH + 2 + sizeof tail.text];
    size_t n = 0;
    commandLine[n++] = L'"';
    for (DWORD i = 0; i < length; ++i)
        commandLine[n++] = path[i];
    commandLine[n++] = L'"';
    commandLine[n++] = L' ';
    for (size_t i = 0; i <= tail.length; ++i)  // the terminator too
        commandLine[n++] = static_cast<wchar_t>(tail.text[i]);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_FORCEOFFFEEDBACK;
    // Not the caller's current folder, which an uninstaller may be about to remove.
    wchar_t system[MAX_PATH];
    const UINT systemLength = GetSystemDirectoryW(system, MAX_PATH);
    const wchar_t* folder = systemLength > 0 && systemLength < MAX_PATH ? system : nullptr;
    PROCESS_INFORMATION process = {};
    for (DWORD flags : {DWORD{CREATE_BREAKAWAY_FROM_JOB}, DWORD{0}}) {
        if (CreateProcessW(path, commandLine, nullptr, nullptr, FALSE, flags, nullptr, folder, &startup,
                           &process)) {
            CloseHandle(process.hThread);
            CloseHandle(process.hProcess);
            return true;
        }
    }
    return false;
}

// The right to a relay window of the live title, or null. Keepers take turns by the lock; a
// window of that title without it (left by a keeper that has just ended and not yet renamed it,
// or not a keeper's at all) is waited out for a moment, never joined by a second.
HANDLE TakeRelayName()
{
    HANDLE lock = CreateMutexW(nullptr, FALSE, kRelayNameLock);
    if (!lock)
        return nullptr;
    const DWORD taken = WaitForSingleObject(lock, kPredecessorWaitMs);  // abandoned by a killed keeper: ours
    if (taken != WAIT_OBJECT_0 && taken != WAIT_ABANDONED) {
        CloseHandle(lock);
        return nullptr;
    }
    for (DWORD waited = 0; FindWindowA(PELORUS_RELAY_CLASS, PELORUS_RELAY_TITLE); waited += kPredecessorPollMs) {
        if (waited >= kPredecessorWaitMs) {
            ReleaseMutex(lock);
            CloseHandle(lock);
            return nullptr;
        }
        Sleep(kPredecessorPollMs);
    }
    return lock;
}

// Runs the relay window until it is gone. OWNER ends with Pelorus.exe; after that the keeper
// waits on messages alone.
int Keep(HWND main, HANDLE owner, uint32_t closeCookie, HANDLE nameLock)
{
    HWND relay = CreateRelayWindow(main, closeCookie, nameLock);
    if (!relay)
        return kCannotStart;
    bool ownerAlive = true;
    for (;;) {
        const DWORD woke =
            MsgWaitForMultipleObjects(ownerAlive ? 1 : 0, &owner, FALSE, INFINITE, QS_ALLINPUT);
        if (ownerAlive && woke == WAIT_OBJECT_0) {
            ownerAlive = false;
            CloseRelayWindow(relay, true);
        }
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT)
                return kDone;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR commandLine, int)
{
    // Any line longer than the longest the program writes is not its own.
    char text[sizeof KeeperArgsLine::text];
    size_t length = 0;
    for (const wchar_t* c = commandLine; *c; ++c) {
        if (length == sizeof text)
            return kBadArguments;
        text[length++] = *c < 0x80 ? static_cast<char>(*c) : '?';
    }
    const std::optional<KeeperArgs> args = ParseKeeperArgs(std::string_view(text, length));
    if (!args)
        return kBadArguments;
    if (args->detach)
        return StartDetached(*args) ? kDone : kCannotStart;

    HWND main = reinterpret_cast<HWND>(static_cast<UINT_PTR>(args->mainWindow));
    DWORD pid = 0;
    GetWindowThreadProcessId(main, &pid);
    HANDLE owner = pid ? OpenProcess(SYNCHRONIZE, FALSE, pid) : nullptr;
    // The window checked again once the process is held: its id may have been reused.
    if (!owner || !IsWindow(main))
        return kNoOwner;
    HANDLE nameLock = TakeRelayName();
    if (!nameLock)
        return kRelayTaken;
    if (WaitForSingleObject(owner, 0) == WAIT_OBJECT_0)
        return kNoOwner;  // it ended while this one waited its turn
    const int code = Keep(main, owner, args->closeCookie, nameLock);
    CloseHandle(nameLock);
    CloseHandle(owner);
    return code;
}
