#include "kit.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace kit {

namespace {

// Waits for HANDLE while keeping this thread's messages moving.
bool WaitForHandle(HANDLE handle, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    while (true) {
        DWORD elapsed = GetTickCount() - start;
        if (elapsed >= timeoutMs)
            return WaitForSingleObject(handle, 0) == WAIT_OBJECT_0;
        DWORD r = MsgWaitForMultipleObjects(1, &handle, FALSE, timeoutMs - elapsed, QS_ALLINPUT);
        if (r == WAIT_OBJECT_0)
            return true;
        if (r != WAIT_OBJECT_0 + 1)
            return WaitForSingleObject(handle, 0) == WAIT_OBJECT_0;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

void CloseIfOpen(HANDLE& handle)
{
    if (handle) {
        CloseHandle(handle);
        handle = nullptr;
    }
}

}  // namespace

ChildProcess::~ChildProcess()
{
    CloseInput();
    if (IsRunning() && !WaitExit(3000))
        Kill();
    CloseIfOpen(m_output);
    CloseIfOpen(m_info.hThread);
    CloseIfOpen(m_info.hProcess);
}

bool ChildProcess::Start(const std::string& program, const std::string& arguments, bool pipes)
{
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE childInput = nullptr, childOutput = nullptr;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (pipes) {
        if (!CreatePipe(&childInput, &m_input, &inherit, 0))
            return false;
        if (!CreatePipe(&m_output, &childOutput, &inherit, 0)) {
            CloseHandle(childInput);
            CloseIfOpen(m_input);
            return false;
        }
        // Only the child's ends are inherited; ours must not keep the child's pipes open.
        SetHandleInformation(m_input, HANDLE_FLAG_INHERIT, 0);
        SetHandleInformation(m_output, HANDLE_FLAG_INHERIT, 0);
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = childInput;
        startup.hStdOutput = childOutput;
        startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    }
    std::string commandLine = "\"" + program + "\" " + arguments;
    BOOL ok = CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, pipes, 0, nullptr, nullptr, &startup,
                             &m_info);
    CloseIfOpen(childInput);
    CloseIfOpen(childOutput);
    if (!ok) {
        CloseIfOpen(m_input);
        CloseIfOpen(m_output);
        m_info = PROCESS_INFORMATION();
    }
    return ok != FALSE;
}

bool ChildProcess::IsRunning() const
{
    return m_info.hProcess && WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT;
}

bool ChildProcess::WaitExit(DWORD timeoutMs)
{
    return !m_info.hProcess || WaitForHandle(m_info.hProcess, timeoutMs);
}

DWORD ChildProcess::ExitCode() const
{
    DWORD code = STILL_ACTIVE;
    if (m_info.hProcess)
        GetExitCodeProcess(m_info.hProcess, &code);
    return code;
}

void ChildProcess::Kill()
{
    if (IsRunning()) {
        TerminateProcess(m_info.hProcess, 99);
        WaitForSingleObject(m_info.hProcess, kWaitMs);
    }
}

bool ChildProcess::WriteLine(const std::string& line)
{
    if (!m_input)
        return false;
    std::string data = line + "\n";
    DWORD written = 0;
    return WriteFile(m_input, data.data(), static_cast<DWORD>(data.size()), &written, nullptr) &&
           written == data.size();
}

bool ChildProcess::ReadLine(std::string& line, DWORD timeoutMs)
{
    if (!m_output)
        return false;
    auto haveLine = [&] {
        if (m_pending.find('\n') != std::string::npos)
            return true;
        DWORD available = 0;
        if (!PeekNamedPipe(m_output, nullptr, 0, nullptr, &available, nullptr))
            return true;  // the other end is closed: no line will ever come
        if (available > 0) {
            char buffer[4096];
            DWORD read = 0;
            if (ReadFile(m_output, buffer, available < sizeof buffer ? available : sizeof buffer, &read, nullptr))
                m_pending.append(buffer, read);
        }
        return m_pending.find('\n') != std::string::npos;
    };
    if (!WaitUntil(haveLine, timeoutMs))
        return false;
    size_t newline = m_pending.find('\n');
    if (newline == std::string::npos)
        return false;
    line = m_pending.substr(0, newline);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    m_pending.erase(0, newline + 1);
    return true;
}

void ChildProcess::CloseInput()
{
    CloseIfOpen(m_input);
}

TestBrowser::TestBrowser(const BrowserProcess& as)
{
    std::string program = (as.directory.empty() ? ProgramDirectory() : as.directory) + "\\testbrowser.exe";
    if (!as.image.empty()) {
        char temp[MAX_PATH] = "";
        GetTempPathA(MAX_PATH, temp);
        const std::string directory = std::string(temp) + "pelorus-browsers";
        CreateDirectoryA(directory.c_str(), nullptr);
        const std::string copy = directory + "\\" + as.image;
        CopyFileA(program.c_str(), copy.c_str(), FALSE);  // in use by another instance: it is the same file
        program = copy;
    }
    if (!m_process.Start(program, as.windowEvents ? "--stdin --winevents" : "--stdin", true)) {
        ADD_FAILURE() << "cannot start " << program << ": error " << GetLastError();
        return;
    }
    std::string reply = Command("ping");
    m_started = reply.compare(0, 3, "ok ") == 0;
    if (!m_started)
        ADD_FAILURE() << "testbrowser.exe does not answer: " << reply;
}

TestBrowser::~TestBrowser()
{
    Quit();
}

std::string TestBrowser::Command(const std::string& line, DWORD timeoutMs)
{
    std::string reply;
    if (!m_process.WriteLine(line) || !m_process.ReadLine(reply, timeoutMs))
        return "timeout";
    return reply;
}

HWND TestBrowser::Open(const std::string& options)
{
    std::string reply = Command("open " + options);
    // "ok N 0xHANDLE"
    size_t space = reply.rfind(' ');
    HWND hwnd =
        reply.compare(0, 3, "ok ") == 0 && space != std::string::npos ? ParseHandle(reply.substr(space + 1)) : nullptr;
    if (!hwnd)
        ADD_FAILURE() << "open " << options << ": " << reply;
    return hwnd;
}

void TestBrowser::Quit()
{
    if (!m_process.IsRunning())
        return;
    m_process.WriteLine("quit");
    m_process.CloseInput();
    if (!m_process.WaitExit(5000))
        m_process.Kill();
}

HWND ParseHandle(const std::string& text)
{
    char* end = nullptr;
    unsigned long long value = std::strtoull(text.c_str(), &end, 16);
    if (text.empty() || *end != '\0')
        return nullptr;
    return reinterpret_cast<HWND>(static_cast<UINT_PTR>(value));
}

}  // namespace kit
