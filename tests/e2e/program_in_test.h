// The test process playing the program: its own main window, and the real keeper, relay
// window and hook binding of Pelorus, so that every notification the hook posts is seen here,
// in order.
#pragma once

#include <windows.h>

#include <ostream>
#include <vector>

struct Note {
    unsigned code;  // wParam
    HWND hwnd;      // lParam
    bool operator==(const Note& o) const { return code == o.code && hwnd == o.hwnd; }
};

inline void PrintTo(const Note& n, std::ostream* os)
{
    *os << "{0x" << std::hex << n.code << ", " << static_cast<const void*>(n.hwnd) << std::dec << "}";
}

class ProgramInTest {
public:
    // Binds with MASK; SWEPT are entered in the sweep list first, as the start-up sweep does.
    explicit ProgramInTest(int mask, const std::vector<std::pair<HWND, int>>& swept = {});
    ~ProgramInTest();

    bool bound() const { return m_bound; }
    HWND mainWindow() const { return m_main; }
    // Every notification that reached the main window so far.
    const std::vector<Note>& notes() const;
    std::vector<Note> NotesFor(HWND hwnd) const;
    // Waits until HWND has had as many notifications as EXPECTED holds; true if they are those.
    bool WaitForNotes(HWND hwnd, const std::vector<Note>& expected) const;
    // The unbinding steps, as the program's exit does them.
    void Unbind();

private:
    HWND m_main = nullptr;
    bool m_bound = false;
};
