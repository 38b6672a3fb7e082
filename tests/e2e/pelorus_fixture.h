// The real Pelorus.exe under test: started over a settings file of the test's choosing, its list
// read from outside, ended politely at the end of the test.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kit/kit.h"
#include "pelorus_process.h"
#include "res/resource.h"

class PelorusTest : public ::testing::Test {
protected:
    void Start(const std::string& ini = "[Pelorus]\r\n")
    {
        ASSERT_TRUE(WriteIni(ini));
        ASSERT_TRUE(StartPelorus(pelorus_, kit::ProgramDirectory() + "\\Pelorus.exe"));
        ASSERT_NO_FATAL_FAILURE(FindMainWindow());
    }
    void FindMainWindow()
    {
        main_ = MainWindowOf(pelorus_.Id());
        ASSERT_TRUE(main_);
        list_ = GetDlgItem(main_, IDC_LIST_WINDOWS);
        ASSERT_TRUE(list_);
    }
    void TearDown() override
    {
        if (pelorus_.IsRunning()) {
            EXPECT_TRUE(ClosePelorus(pelorus_));
        }
        DeleteFileA(IniPath().c_str());
    }

    std::vector<kit::ListItem> Items()
    {
        std::vector<kit::ListItem> items;
        kit::RemoteListView(list_).Read(items);
        return items;
    }
    bool WaitForCount(int count)
    {
        return kit::WaitUntil([&] { return kit::RemoteListView(list_).Count() == count; });
    }
    HWND WindowAt(int index) { return reinterpret_cast<HWND>(Items().at(index).data); }
    std::vector<HWND> ListedWindows()
    {
        std::vector<HWND> windows;
        for (const kit::ListItem& item : Items())
            windows.push_back(reinterpret_cast<HWND>(item.data));
        return windows;
    }
    // Shown on the desktop, or hidden under the relay window.
    bool Shown(HWND hwnd) { return kit::IsTopLevel(hwnd); }
    bool Hidden(HWND hwnd) { return kit::ParentOf(hwnd) == RelayWindow(); }
    int SelectedIndex() { return kit::RemoteListView(list_).Selected(); }
    // Windows A and B captured in that order: B shown and current, A hidden.
    void OpenTwo(kit::TestBrowser& browser, HWND& a, HWND& b)
    {
        a = browser.Open("class=IEFrame title=A");
        b = browser.Open("class=IEFrame title=B");
        ASSERT_TRUE(WaitForCount(2));
        ASSERT_TRUE(kit::WaitUntil([&] { return Shown(b) && Hidden(a); }));
    }
    // Posted as the hook posts it, here by a process that is not the hook.
    void Notify(unsigned code, HWND hwnd) { PostMessageA(main_, WM_HOOK_NOTIFY, code, reinterpret_cast<LPARAM>(hwnd)); }

    kit::ChildProcess pelorus_;
    HWND main_ = nullptr;
    HWND list_ = nullptr;
};
