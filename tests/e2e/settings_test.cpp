// The settings file through the real private-profile functions: Pelorus.ini in the Windows
// directory, written and read back, and a file spoiled by hand.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "kit/kit.h"
#include "pelorus_process.h"
#include "settings/profile_store_win.h"
#include "settings/settings_model.h"
#include "win/code_page_text.h"

namespace {

void WriteFile(const std::string& path, const std::string& text)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_TRUE(file);
    std::fwrite(text.data(), 1, text.size(), file);
    std::fclose(file);
}

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override { DeleteFileA(IniPath().c_str()); }
    void TearDown() override { DeleteFileA(IniPath().c_str()); }
};

TEST_F(SettingsFile, LivesInTheWindowsDirectoryAndReadsBackWhatWasWritten)
{
    Win32ProfileStore store;
    WriteSetting(store, "TARGET_B", 41);
    WriteSetting(store, "WIN_LEFT", -12);
    WriteSetting(store, "FILTER_URL_NUM", 2);
    store.WriteString("FILTER_URL1", "http://a/");
    store.WriteString("FILTER_URL2", "http://b/");

    EXPECT_EQ("41", kit::ReadProfileString(IniPath(), "Pelorus", "TARGET_B"));
    EXPECT_EQ("-12", kit::ReadProfileString("Pelorus.ini", "Pelorus", "WIN_LEFT")) << "a bare name: same file";

    CSettingsModel settings;
    StoredPosition position;
    settings.Load(store, position, SystemCodePage());
    EXPECT_EQ(41, settings.Values().nTargetBrowser);
    EXPECT_EQ(-12, settings.Values().nWinLeft);
    EXPECT_EQ((std::vector<std::u16string>{u"http://a/", u"http://b/"}), settings.Values().arrFilterUrl);

    store.WriteString("FILTER_URL2", nullptr);
    EXPECT_EQ("gone", kit::ReadProfileString(IniPath(), "Pelorus", "FILTER_URL2", "gone"));
}

TEST_F(SettingsFile, SpoiledFileGivesSensibleValuesAndIsNotMadeWorse)
{
    const std::string binary("\x01\x02\xff\xfe\x7f garbage\x80\x81\x1b", 15);
    // The profile functions treat the file as text: a line is cut at a NUL byte when they
    // rewrite the file. What comes before it, and every other line, must stay.
    const std::string withNul("BEFORE_NUL\0after", 17);
    const std::string overlong = "NOTE=" + std::string(100000, 'q');
    const std::string original =
        "junk before any section\r\n"
        "[Pelorus]\r\n" +
        binary + "\r\n" + withNul + "\r\n" + overlong +
        "\r\n"
        "TARGET_B=3\r\n"
        "TARGET_B=5\r\n"
        "MAX_PENDING_NUM=99\r\n"
        "WIN_WIDTH=abc\r\n"
        "FILTER_URL_NUM=2000000000\r\n"
        "FILTER_URL1=http://kept/\r\n"
        "[Other]\r\n"
        "TARGET_B=9\r\n"
        "[Pelorus]\r\n"
        "FILTER=1\r\n";
    WriteFile(IniPath(), original);

    Win32ProfileStore store;
    CSettingsModel settings;
    StoredPosition position;
    const DWORD start = GetTickCount();
    settings.Load(store, position, SystemCodePage());
    EXPECT_LT(GetTickCount() - start, 10000u) << "a huge count must not make start-up crawl";
    EXPECT_EQ(3, settings.Values().nTargetBrowser) << "the first of two keys counts";
    EXPECT_EQ(8, settings.Values().nMaxPendingNum);
    EXPECT_EQ(0, settings.Values().nWinWidth) << "unreadable numbers read as 0";
    EXPECT_EQ((std::vector<std::u16string>{u"http://kept/"}), settings.Values().arrFilterUrl);

    settings.SaveGeometry(store, 10, 20);
    const std::string after = kit::FileBytes(IniPath());
    for (const std::string& kept : {std::string("junk before any section"), binary, std::string("BEFORE_NUL"), overlong,
                                    std::string("[Other]\r\nTARGET_B=9"), std::string("FILTER_URL1=http://kept/")})
        EXPECT_NE(std::string::npos, after.find(kept)) << "lost: " << kept.substr(0, 40);
    EXPECT_EQ("10", kit::ReadProfileString(IniPath(), "Pelorus", "XPOS"));
    EXPECT_EQ("20", kit::ReadProfileString(IniPath(), "Pelorus", "YPOS"));
}

TEST_F(SettingsFile, PelorusStartsAndEndsNormallyOverAFileOfGarbage)
{
    std::string garbage;
    for (int i = 0; i < 2000; ++i)
        garbage += std::string(1, static_cast<char>('!' + i % 90)) + "=\xff\xfe[[[" + std::to_string(i) + "\r\n";
    WriteFile(IniPath(), "[Pelorus]\r\nFILTER_TITLE_NUM=2147483647\r\nMAX_PENDING_NUM=-7\r\n" + garbage);
    kit::ChildProcess pelorus;
    ASSERT_TRUE(StartPelorus(pelorus, kit::ProgramDirectory() + "\\Pelorus.exe"));
    EXPECT_TRUE(ClosePelorus(pelorus));
    EXPECT_NE(std::string::npos, kit::FileBytes(IniPath()).find("[[[1999")) << "the rest of the file is kept";
}

TEST_F(SettingsFile, PelorusWritesTheGeometryAtExit)
{
    kit::ChildProcess pelorus;
    ASSERT_TRUE(StartPelorus(pelorus, kit::ProgramDirectory() + "\\Pelorus.exe"));
    ASSERT_TRUE(ClosePelorus(pelorus));
    for (const char* key : {"XPOS", "YPOS", "WIN_TOP", "WIN_LEFT"})
        EXPECT_NE("missing", kit::ReadProfileString(IniPath(), "Pelorus", key, "missing")) << key;
    EXPECT_EQ("-1", kit::ReadProfileString(IniPath(), "Pelorus", "WIN_WIDTH"));
    EXPECT_EQ("-1", kit::ReadProfileString(IniPath(), "Pelorus", "WIN_HEIGHT"));
}

}  // namespace
