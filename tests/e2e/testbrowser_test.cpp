// The fake browser and the kit, seen the way the tests of Pelorus will use them: windows of
// another process found, retitled, closed or refusing to close; a foreign list view read back.
#include <gtest/gtest.h>

#include <cstdio>

#include "kit/kit.h"

namespace {

using kit::TestBrowser;

bool ContainsWindow(const std::vector<HWND>& windows, HWND hwnd)
{
    for (HWND w : windows)
        if (w == hwnd)
            return true;
    return false;
}

TEST(TestBrowserWindows, AreFoundWithTheClassTitleAndStyleAsked)
{
    TestBrowser browser;
    ASSERT_TRUE(browser.started());
    HWND frame = browser.Open("class=IEFrame \"title=Example - Internet Explorer\"");
    HWND popup = browser.Open("class=IEFrame title=Popup style=popup|caption|sysmenu");
    ASSERT_TRUE(frame && popup);

    EXPECT_TRUE(ContainsWindow(kit::FindTopWindows("IEFrame", "Example - Internet Explorer"), frame));
    EXPECT_FALSE(ContainsWindow(kit::FindTopWindows("IEFrame", "Example - Internet Explorer"), popup));
    EXPECT_EQ(browser.process().Id(), kit::WindowProcessId(frame));
    EXPECT_EQ(WS_OVERLAPPEDWINDOW, kit::WindowStyle(frame) & WS_OVERLAPPEDWINDOW);
    EXPECT_TRUE(IsWindowVisible(frame));
    EXPECT_EQ(static_cast<LONG>(WS_POPUP | WS_CAPTION | WS_SYSMENU),
              kit::WindowStyle(popup) & (WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX));
}

TEST(TestBrowserWindows, TakeOwnersAndDescendantsAsAsked)
{
    TestBrowser browser;
    ASSERT_TRUE(browser.started());
    HWND frame = browser.Open("class=OpWindow title=Opera url=http://example.com/a child=OUIWINDOW icon=off");
    HWND owned = browser.Open("class=OpWindow title=Owned owner=1");
    HWND hidden = browser.Open("class=MozillaWindowClass title=Hidden show=hidden");
    ASSERT_TRUE(frame && owned && hidden);

    EXPECT_EQ(frame, GetWindow(owned, GW_OWNER));
    EXPECT_EQ(nullptr, GetParent(frame));
    EXPECT_FALSE(IsWindowVisible(hidden));
    EXPECT_EQ("ok 0x0", browser.Command("classicon 1 frame")) << "icon=off registers the class without an icon";
    EXPECT_NE("ok 0x0", browser.Command("classicon 3 frame"));

    // The address sits one level down, inside a bar, as browsers nest it.
    HWND edit =
        FindWindowExA(FindWindowExA(frame, nullptr, "TestBrowserAddressBar", nullptr), nullptr, "Edit", nullptr);
    EXPECT_EQ("http://example.com/a", kit::ControlText(edit));
    EXPECT_TRUE(FindWindowExA(frame, nullptr, "OUIWINDOW", nullptr) != nullptr);
    EXPECT_EQ(0u, browser.Command("classicon 1 OUIWINDOW").find("ok 0x"));
    EXPECT_NE("ok 0x0", browser.Command("classicon 1 OUIWINDOW")) << "child classes keep an icon unless childicon=off";
}

TEST(TestBrowserWindows, RetitleIsSeenFromAnotherProcess)
{
    TestBrowser browser;
    ASSERT_TRUE(browser.started());
    HWND frame = browser.Open("class=IEFrame title=Before");
    ASSERT_TRUE(frame);
    EXPECT_EQ("Before", kit::WindowText(frame));

    EXPECT_EQ("ok", browser.Command("title 1 \"After - Internet Explorer\""));
    EXPECT_EQ("After - Internet Explorer", kit::WindowText(frame));

    // Shift-JIS bytes cross unchanged under code page 932, the program's home code page.
    if (GetACP() == 932) {
        EXPECT_EQ("ok", browser.Command("title 1 \\x93\\xfa\\x96\\x7b"));
        EXPECT_EQ("\x93\xfa\x96\x7b", kit::WindowText(frame));
    }
}

TEST(TestBrowserWindows, CloseEndsTheWindowUnlessItRefuses)
{
    TestBrowser browser;
    ASSERT_TRUE(browser.started());
    HWND willClose = browser.Open("class=IEFrame title=Closing");
    HWND refuses = browser.Open("class=IEFrame title=Stubborn");
    ASSERT_TRUE(willClose && refuses);
    ASSERT_EQ("ok", browser.Command("refuse 2 on"));

    PostMessageA(willClose, WM_CLOSE, 0, 0);
    PostMessageA(refuses, WM_CLOSE, 0, 0);
    EXPECT_TRUE(kit::WaitUntil([&] { return !IsWindow(willClose); }));
    EXPECT_TRUE(kit::WaitUntil([&] { return browser.Command("closes 2") == "ok 1"; }));
    EXPECT_TRUE(IsWindow(refuses)) << "a window that refuses WM_CLOSE stays";

    ASSERT_EQ("ok", browser.Command("refuse 2 off"));
    EXPECT_EQ("ok", browser.Command("close 2"));
    EXPECT_FALSE(IsWindow(refuses));
}

TEST(TestBrowserProcess, EndsAtQuitAndWhenKilled)
{
    TestBrowser polite;
    TestBrowser killed;
    ASSERT_TRUE(polite.started() && killed.started());
    HWND orphan = killed.Open("class=IEFrame title=Orphan");
    ASSERT_TRUE(orphan);

    polite.Quit();
    EXPECT_TRUE(polite.process().WaitExit());
    EXPECT_EQ(0u, polite.process().ExitCode());

    killed.process().Kill();
    EXPECT_FALSE(killed.process().IsRunning());
    EXPECT_TRUE(kit::WaitUntil([&] { return !IsWindow(orphan); })) << "a killed process takes its windows along";
}

TEST(TestBrowserProcess, RejectsBadCommandsAndKeepsAnswering)
{
    TestBrowser browser;
    ASSERT_TRUE(browser.started());
    EXPECT_EQ(0u, browser.Command("open style=nonsense").find("error"));
    EXPECT_EQ(0u, browser.Command("title 7 x").find("error"));
    EXPECT_EQ(0u, browser.Command("open \"unclosed").find("error"));
    EXPECT_EQ(0u, browser.Command("ping").find("ok "));
}

TEST(RemoteListView, ReadsItemsTextsDataAndSelectionOfAnotherProcess)
{
    TestBrowser host;
    ASSERT_TRUE(host.started());
    ASSERT_TRUE(host.Open("class=ListHost title=Lists"));
    std::string reply = host.Command("listview 1 select=1 data=10,-20,30 alpha \\x83\\x41\\x83\\x43 \"gamma ray\"");
    ASSERT_EQ(0u, reply.find("ok ")) << reply;
    HWND list = kit::ParseHandle(reply.substr(3));
    ASSERT_TRUE(list);

    kit::RemoteListView view(list);
    EXPECT_EQ(3, view.Count());
    EXPECT_EQ(1, view.Selected());
    std::vector<kit::ListItem> items;
    ASSERT_TRUE(view.Read(items));
    ASSERT_EQ(3u, items.size());
    EXPECT_EQ("alpha", items[0].text);
    EXPECT_EQ("\xE3\x82\xA2\xE3\x82\xA4", items[1].text) << "set in code page 932, read as it is held";
    EXPECT_EQ("gamma ray", items[2].text);
    EXPECT_EQ(10, items[0].data);
    EXPECT_EQ(-20, items[1].data);
    EXPECT_EQ(30, items[2].data);
    EXPECT_FALSE(items[0].selected);
    EXPECT_TRUE(items[1].selected);
    EXPECT_FALSE(items[2].selected);
}

TEST(ProfileFiles, AreReadByPathAsTheProgramWouldReadThem)
{
    std::string path = kit::ArtifactDirectory() + "\\kit-profile.ini";
    FILE* file = std::fopen(path.c_str(), "w");
    ASSERT_TRUE(file);
    std::fputs("[Other]\nKEY=wrong\n[Pelorus]\nTARGET_B=63\nEMPTY=\n", file);
    std::fclose(file);

    EXPECT_EQ("63", kit::ReadProfileString(path, "Pelorus", "TARGET_B"));
    EXPECT_EQ("", kit::ReadProfileString(path, "Pelorus", "EMPTY", "fallback"));
    EXPECT_EQ("fallback", kit::ReadProfileString(path, "Pelorus", "MISSING", "fallback"));
    DeleteFileA(path.c_str());
}

}  // namespace
