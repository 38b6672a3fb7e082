// The end-to-end test kit: runs under Wine (or Windows) beside the programs it tests, and
// looks at them only from outside, the way the platform lets one process see another.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace kit {

// Default patience for anything a test waits for; generous, since a loaded machine is slow.
constexpr DWORD kWaitMs = 10000;

// Polls COND until it holds or TIMEOUT_MS pass, pumping this thread's messages meanwhile so that
// windows of the test itself keep answering. Returns whether COND held.
bool WaitUntil(const std::function<bool()>& cond, DWORD timeoutMs = kWaitMs);

// The directory this test program was started from; the tools are built beside it.
std::string ProgramDirectory();

// A process the test started, ended at the latest when the object goes.
class ChildProcess {
public:
    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Starts PROGRAM (a path) with ARGUMENTS (already quoted as the command line wants them).
    // With pipes, standard input and output are connected to this process.
    bool Start(const std::string& program, const std::string& arguments, bool pipes);
    bool IsRunning() const;
    DWORD Id() const { return m_info.dwProcessId; }
    HANDLE Handle() const { return m_info.hProcess; }
    // Waits for the process to end; false if it is still running after TIMEOUT_MS.
    bool WaitExit(DWORD timeoutMs = kWaitMs);
    DWORD ExitCode() const;
    void Kill();

    bool WriteLine(const std::string& line);
    // Reads one line of output, waiting at most TIMEOUT_MS; false on timeout or end of output.
    bool ReadLine(std::string& line, DWORD timeoutMs = kWaitMs);
    void CloseInput();

private:
    PROCESS_INFORMATION m_info = {};
    HANDLE m_input = nullptr;
    HANDLE m_output = nullptr;
    std::string m_pending;
};

// One testbrowser.exe process, driven line by line; see the tool for its commands.
// How a test browser's process runs: under another program's file name (a copy of the test
// browser named "chrome.exe", say), raising the window events Windows raises, and from another
// build's directory (the other architecture's).
struct BrowserProcess {
    std::string image;
    bool windowEvents = false;
    std::string directory;
};

class TestBrowser {
public:
    TestBrowser() : TestBrowser(BrowserProcess{}) {}
    explicit TestBrowser(const BrowserProcess& as);
    ~TestBrowser();
    bool started() const { return m_started; }

    // Sends a command and returns its answer ("ok ..." or "error ..."); a timeout answers "timeout".
    std::string Command(const std::string& line, DWORD timeoutMs = kWaitMs);
    // "open OPTIONS": returns the new window, or null after recording a test failure.
    HWND Open(const std::string& options);
    // Ends the process politely ("quit"), or by force when it does not answer.
    void Quit();
    ChildProcess& process() { return m_process; }

private:
    ChildProcess m_process;
    bool m_started = false;
};

// Parses "0x1234" as a window handle.
HWND ParseHandle(const std::string& text);

// Window facts as another process reads them.
std::string WindowText(HWND hwnd);
// A control's text by WM_GETTEXT: GetWindowText of another process's window reads only captions.
std::string ControlText(HWND hwnd);
std::string ClassName(HWND hwnd);
// UTF-16 text as UTF-8, for the tests to compare with plain literals.
std::string Utf8(const wchar_t* text);
// The texts of the popup menu shown now (another process's too), in UTF-8; none when none is.
std::vector<std::string> ShownMenuTexts();
LONG WindowStyle(HWND hwnd);
LONG WindowExStyle(HWND hwnd);
DWORD WindowProcessId(HWND hwnd);
// The visible or hidden top-level windows whose class and title match; an empty string matches any.
std::vector<HWND> FindTopWindows(const std::string& className, const std::string& title);

// A list view that lives in another process, read through that process's memory.
struct ListItem {
    std::string text;  // UTF-8
    LPARAM data = 0;
    bool selected = false;
};

class RemoteListView {
public:
    explicit RemoteListView(HWND list) : m_list(list) {}
    int Count() const;
    // Reads every item; false when the other process's memory cannot be reached.
    bool Read(std::vector<ListItem>& items) const;
    int Selected() const;  // the first selected item, -1 for none
    // Makes INDEX the only selected item, as a click would.
    bool Select(int index) const;
    // The item's rectangle in the list's client area.
    bool ItemRect(int index, RECT& rect) const;
    // Double-clicks the item with posted mouse messages, so that the list itself notifies its
    // owner (Wine refuses WM_NOTIFY sent from another process).
    bool DoubleClick(int index) const;

private:
    HWND m_list;
};

// The window's parent in the window tree (GetParent names owners of top-level windows).
HWND ParentOf(HWND hwnd);
bool IsTopLevel(HWND hwnd);

// Whether the process has a module of this file name (case-insensitive) loaded.
bool ModuleLoaded(DWORD pid, const std::string& fileName);
// The process that started PID, as a task list's "end process tree" sees it; 0 if unknown.
DWORD ParentProcessId(DWORD pid);

// Private-profile reads, as the program under test would see them: a bare file name means the
// Windows directory.
std::string ReadProfileString(const std::string& file, const std::string& section, const std::string& key,
                              const std::string& fallback = "");

// A file's bytes, "" when it cannot be read.
std::string FileBytes(const std::string& path);

// Saves the whole screen as a 24-bit BMP file; false if it could not be captured or written.
bool SaveScreenshot(const std::string& path);

// Where failure screenshots go: PELORUS_ARTIFACTS (a Unix path is mapped through Z:), else the
// build tree's artifacts directory beside the binaries.
std::string ArtifactDirectory();

}  // namespace kit
