#include "kit.h"

#include <commctrl.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>

namespace kit {

bool WaitUntil(const std::function<bool()>& cond, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    while (!cond()) {
        if (GetTickCount() - start >= timeoutMs)
            return cond();
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
    return true;
}

std::string ProgramDirectory()
{
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return ".";
    std::string dir(path, n);
    size_t slash = dir.find_last_of("\\/");
    return slash == std::string::npos ? "." : dir.substr(0, slash);
}

std::string WindowText(HWND hwnd)
{
    char text[2048] = "";
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

std::string ControlText(HWND hwnd)
{
    char text[2048] = "";
    SendMessageA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    text[sizeof text - 1] = '\0';
    return text;
}

std::string Utf8(const wchar_t* text)
{
    char bytes[4096] = "";
    WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes, sizeof bytes, nullptr, nullptr);
    bytes[sizeof bytes - 1] = '\0';
    return bytes;
}

std::vector<std::string> ShownMenuTexts()
{
    std::vector<std::string> texts;
    HWND shown = FindWindowW(L"#32768", nullptr);
    HMENU menu = shown ? reinterpret_cast<HMENU>(SendMessageW(shown, MN_GETHMENU, 0, 0)) : nullptr;
    for (int i = 0, n = menu ? GetMenuItemCount(menu) : 0; i < n; ++i) {
        wchar_t text[512] = L"";
        GetMenuStringW(menu, static_cast<UINT>(i), text, 512, MF_BYPOSITION);
        texts.push_back(Utf8(text));
    }
    return texts;
}

std::string ClassName(HWND hwnd)
{
    char name[256] = "";
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

LONG WindowStyle(HWND hwnd)
{
    return GetWindowLongA(hwnd, GWL_STYLE);
}

LONG WindowExStyle(HWND hwnd)
{
    return GetWindowLongA(hwnd, GWL_EXSTYLE);
}

DWORD WindowProcessId(HWND hwnd)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    return pid;
}

namespace {

struct TopWindowQuery {
    const std::string& className;
    const std::string& title;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTopWindow(HWND hwnd, LPARAM param)
{
    TopWindowQuery& q = *reinterpret_cast<TopWindowQuery*>(param);
    if ((q.className.empty() || ClassName(hwnd) == q.className) && (q.title.empty() || WindowText(hwnd) == q.title))
        q.found.push_back(hwnd);
    return TRUE;
}

}  // namespace

std::vector<HWND> FindTopWindows(const std::string& className, const std::string& title)
{
    TopWindowQuery query{className, title, {}};
    EnumWindows(CollectTopWindow, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

namespace {

// A block of memory in another process, freed when it goes.
class RemoteBlock {
public:
    RemoteBlock(HWND owner, SIZE_T size)
    {
        m_process =
            OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, WindowProcessId(owner));
        if (m_process)
            m_address = VirtualAllocEx(m_process, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    }
    ~RemoteBlock()
    {
        if (m_address)
            VirtualFreeEx(m_process, m_address, 0, MEM_RELEASE);
        if (m_process)
            CloseHandle(m_process);
    }
    void* address() const { return m_address; }
    bool Write(const void* data, SIZE_T size, SIZE_T offset = 0)
    {
        SIZE_T done = 0;
        return m_address && WriteProcessMemory(m_process, At(offset), data, size, &done) && done == size;
    }
    bool Read(void* data, SIZE_T size, SIZE_T offset = 0)
    {
        SIZE_T done = 0;
        return m_address && ReadProcessMemory(m_process, At(offset), data, size, &done) && done == size;
    }
    void* At(SIZE_T offset) const { return static_cast<char*>(m_address) + offset; }

private:
    HANDLE m_process = nullptr;
    void* m_address = nullptr;
};

// A message to another process's window that gives up when that process does not answer: a test
// of a program that hangs must fail, not hang with it. -1 when it did not answer.
LRESULT Ask(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(hwnd, message, wParam, lParam, SMTO_NORMAL, 2000, &result))
        return -1;
    return static_cast<LRESULT>(result);
}

}  // namespace

int RemoteListView::Count() const
{
    return static_cast<int>(Ask(m_list, LVM_GETITEMCOUNT, 0, 0));
}

int RemoteListView::Selected() const
{
    return static_cast<int>(Ask(m_list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

bool RemoteListView::Read(std::vector<ListItem>& items) const
{
    items.clear();
    // One block in the list's process: the item structure, then the text buffer it points to.
    // The text as the list holds it, UTF-16, whatever the code page.
    const SIZE_T textUnits = 1024;
    RemoteBlock block(m_list, sizeof(LVITEMW) + textUnits * sizeof(wchar_t));
    bool ok = block.address() != nullptr;
    const int count = ok ? Count() : 0;
    for (int i = 0; ok && i < count; ++i) {
        LVITEMW item = {};
        item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_STATE;
        item.iItem = i;
        item.stateMask = LVIS_SELECTED;
        item.pszText = static_cast<wchar_t*>(block.At(sizeof(LVITEMW)));
        item.cchTextMax = static_cast<int>(textUnits);
        wchar_t text[textUnits] = L"";
        ok = block.Write(&item, sizeof item) &&
             Ask(m_list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(block.address())) > 0 &&
             block.Read(&item, sizeof item) && block.Read(text, sizeof text, sizeof(LVITEMW));
        if (ok) {
            text[textUnits - 1] = L'\0';
            items.push_back({Utf8(text), item.lParam, (item.state & LVIS_SELECTED) != 0});
        }
    }
    return ok;
}

bool RemoteListView::Select(int index) const
{
    RemoteBlock block(m_list, sizeof(LVITEMA));
    LVITEMA clear = {};
    clear.stateMask = LVIS_SELECTED;
    if (!block.Write(&clear, sizeof clear) ||
        Ask(m_list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(block.address())) <= 0)
        return false;
    LVITEMA select = clear;
    select.state = LVIS_SELECTED;
    return block.Write(&select, sizeof select) &&
           Ask(m_list, LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(block.address())) > 0;
}

bool RemoteListView::ItemRect(int index, RECT& rect) const
{
    RemoteBlock block(m_list, sizeof(RECT));
    RECT request = {LVIR_BOUNDS, 0, 0, 0};
    if (!block.Write(&request, sizeof request) ||
        Ask(m_list, LVM_GETITEMRECT, index, reinterpret_cast<LPARAM>(block.address())) <= 0)
        return false;
    return block.Read(&rect, sizeof rect);
}

bool RemoteListView::DoubleClick(int index) const
{
    RECT rect;
    if (!ItemRect(index, rect))
        return false;
    const LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    return PostMessageA(m_list, WM_LBUTTONDOWN, MK_LBUTTON, at) && PostMessageA(m_list, WM_LBUTTONUP, 0, at) &&
           PostMessageA(m_list, WM_LBUTTONDBLCLK, MK_LBUTTON, at) && PostMessageA(m_list, WM_LBUTTONUP, 0, at);
}

HWND ParentOf(HWND hwnd)
{
    return GetAncestor(hwnd, GA_PARENT);
}

bool IsTopLevel(HWND hwnd)
{
    return IsWindow(hwnd) && ParentOf(hwnd) == GetDesktopWindow();
}

bool ModuleLoaded(DWORD pid, const std::string& fileName)
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, pid);
    if (snapshot == INVALID_HANDLE_VALUE)
        return false;
    MODULEENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    bool found = false;
    for (BOOL more = Module32First(snapshot, &entry); more && !found; more = Module32Next(snapshot, &entry))
        found = lstrcmpiA(entry.szModule, fileName.c_str()) == 0;
    CloseHandle(snapshot);
    return found;
}

DWORD ParentProcessId(DWORD pid)
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return 0;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    DWORD parent = 0;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        if (entry.th32ProcessID == pid)
            parent = entry.th32ParentProcessID;
    CloseHandle(snapshot);
    return parent;
}

std::string ReadProfileString(const std::string& file, const std::string& section, const std::string& key,
                              const std::string& fallback)
{
    char value[4096] = "";
    GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), value, sizeof value, file.c_str());
    return value;
}

std::string FileBytes(const std::string& path)
{
    std::string bytes;
    if (FILE* file = std::fopen(path.c_str(), "rb")) {
        char buffer[65536];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
            bytes.append(buffer, n);
        std::fclose(file);
    }
    return bytes;
}

std::string ArtifactDirectory()
{
    const char* dir = std::getenv("PELORUS_ARTIFACTS");
    if (!dir || !*dir) {
        // Run by hand: beside the binaries in the build tree, never in the current directory.
        std::string path = ProgramDirectory() + "\\..\\artifacts";
        CreateDirectoryA(path.c_str(), nullptr);
        return path;
    }
    std::string path = dir;
    if (path[0] == '/') {  // a Unix path from the Wine wrapper; Z: is the Unix root
        for (char& c : path)
            if (c == '/')
                c = '\\';
        path = "Z:" + path;
    }
    return path;
}

bool SaveScreenshot(const std::string& path)
{
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    if (width <= 0 || height <= 0)
        return false;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // bottom-up, as BMP files store rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool ok = false;
    if (bitmap && memory) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        ok = BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY) != FALSE;
        SelectObject(memory, old);
    }
    if (ok) {
        const DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
        const DWORD imageSize = stride * static_cast<DWORD>(height);
        BITMAPFILEHEADER header = {};
        header.bfType = 0x4D42;  // "BM"
        header.bfOffBits = sizeof header + sizeof info.bmiHeader;
        header.bfSize = header.bfOffBits + imageSize;
        FILE* file = std::fopen(path.c_str(), "wb");
        ok = file && std::fwrite(&header, sizeof header, 1, file) == 1 &&
             std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, file) == 1 &&
             std::fwrite(bits, 1, imageSize, file) == imageSize;
        if (file && std::fclose(file) != 0)
            ok = false;
    }
    if (bitmap)
        DeleteObject(bitmap);
    if (memory)
        DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return ok;
}

}  // namespace kit
