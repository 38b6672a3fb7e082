// The resource script: no two controls of one dialog share an identifier, no two names in
// resource.h share a value within their range, and the Japanese and English blocks hold the same
// dialogs, controls and strings. Read as text, natively.
#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "hooklib/browser_kinds.h"

namespace {

std::string ReadSource(const std::string& relative)
{
    std::ifstream file(std::string(PELORUS_SOURCE_DIR) + "/" + relative);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

std::map<std::string, long> Defines()
{
    std::map<std::string, long> values;
    const std::string header = ReadSource("app/res/resource.h");
    const std::regex define(R"(#define\s+(\w+)\s+(0x[0-9A-Fa-f]+|\d+))");
    for (std::sregex_iterator it(header.begin(), header.end(), define), end; it != end; ++it)
        values[(*it)[1]] = std::stol((*it)[2], nullptr, 0);
    return values;
}

TEST(Resources, ControlIdentifiersAreUniqueWithinEachDialog)
{
    const std::map<std::string, long> defines = Defines();
    const std::string script = ReadSource("app/res/Pelorus.rc");
    ASSERT_FALSE(script.empty());
    const std::regex dialog(R"((\w+)\s+DIALOGEX[^\n]*\n([\s\S]*?)\nBEGIN\n([\s\S]*?)\nEND)");
    // The identifier is the first argument after the text, or the first of a CONTROL-less item.
    const std::regex control(R"(^\s*\w+\s+(?:"[^"]*"\s*,\s*)?(\w+|-1)\s*,)", std::regex::multiline);
    int dialogs = 0;
    for (std::sregex_iterator d(script.begin(), script.end(), dialog), end; d != end; ++d, ++dialogs) {
        const std::string body = (*d)[3];
        std::set<long> seen;
        std::set<char> keys;  // access keys: "&x", "&&" being a plain "&"
        const std::regex key(R"re("[^"&]*(?:&&[^"&]*)*&([^&"]))re");
        for (std::sregex_iterator k(body.begin(), body.end(), key); k != end; ++k)
            EXPECT_TRUE(keys.insert(static_cast<char>(std::tolower(static_cast<unsigned char>((*k)[1].str()[0])))).second)
                << "access key " << (*k)[1] << " twice in " << (*d)[1];
        for (std::sregex_iterator c(body.begin(), body.end(), control); c != end; ++c) {
            const std::string name = (*c)[1];
            if (name == "-1")
                continue;  // static items have no identifier of their own
            long value = name == "IDOK" ? 1 : name == "IDCANCEL" ? 2 : -1;
            if (defines.count(name))
                value = defines.at(name);
            ASSERT_NE(-1, value) << "unknown identifier " << name << " in " << (*d)[1];
            EXPECT_TRUE(seen.insert(value).second) << name << " repeats a control identifier in " << (*d)[1];
        }
    }
    EXPECT_EQ(18, dialogs) << "the About box, the main, filter and Close-list dialogs, the switcher, the four pages; twice";
}

// Each name a language block defines (dialogs, their controls, strings), in the block's order.
std::set<std::string> NamesIn(const std::string& block)
{
    std::set<std::string> names;
    const std::regex dialog(R"((\w+)\s+DIALOGEX[^\n]*\n[\s\S]*?\nBEGIN\n([\s\S]*?)\nEND)");
    const std::regex control(R"(^\s*\w+\s+(?:"[^"]*"\s*,\s*)?(\w+)\s*,)", std::regex::multiline);
    for (std::sregex_iterator d(block.begin(), block.end(), dialog), end; d != end; ++d) {
        names.insert((*d)[1]);
        const std::string body = (*d)[2];
        for (std::sregex_iterator c(body.begin(), body.end(), control); c != end; ++c)
            names.insert(std::string((*d)[1]) + "." + std::string((*c)[1]));
    }
    const size_t table = block.find("STRINGTABLE");
    const std::string strings = block.substr(table, block.find("\nEND", table) - table);
    const std::regex string(R"(^\s*(IDS_\w+)\s+")", std::regex::multiline);
    for (std::sregex_iterator i(strings.begin(), strings.end(), string), end; i != end; ++i)
        names.insert((*i)[1]);
    return names;
}

TEST(Resources, JapaneseAndEnglishBlocksHoldTheSameResources)
{
    const std::string script = ReadSource("app/res/Pelorus.rc");
    const size_t ja = script.find("LANGUAGE LANG_JAPANESE");
    const size_t en = script.find("LANGUAGE LANG_ENGLISH");
    ASSERT_NE(std::string::npos, ja);
    ASSERT_NE(std::string::npos, en);
    const std::set<std::string> japanese = NamesIn(script.substr(ja, en - ja)), english = NamesIn(script.substr(en));
    EXPECT_EQ(japanese, english);
    EXPECT_EQ(1u, japanese.count("IDS_TRAY_CLOSE_MENU")) << "the strings are read";
    EXPECT_EQ(1u, japanese.count("IDD_START_SET.IDC_START_LANGUAGE")) << "the controls are read";
    for (const auto& [name, value] : Defines())
        if (name.rfind("IDS_", 0) == 0 || name.rfind("IDD_", 0) == 0)
            EXPECT_EQ(1u, english.count(name)) << name << " is in neither block";
}

TEST(Resources, MainDialogControlsHaveTheirIdentifiers)
{
    const std::map<std::string, long> defines = Defines();
    EXPECT_EQ(100, defines.at("IDD_ABOUTBOX"));
    EXPECT_EQ(102, defines.at("IDD_PELORUS_DIALOG"));
    EXPECT_EQ(1002, defines.at("IDC_BTN_DELETE"));
    EXPECT_EQ(1003, defines.at("IDC_LIST_WINDOWS"));
    EXPECT_EQ(1004, defines.at("IDC_BTN_SETTINGS"));
    EXPECT_EQ(1005, defines.at("IDC_BTN_UPDATE_SIZE"));
    EXPECT_EQ(1006, defines.at("IDC_BTN_CLOSE_LIST"));
    EXPECT_EQ(128, defines.at("IDR_MAINFRAME"));
    EXPECT_EQ(101, defines.at("IDS_ABOUTBOX"));
    EXPECT_EQ(0x0010, defines.at("IDM_ABOUTBOX"));
    for (long id = 133; id <= 138; ++id) {
        int names = 0;
        for (const auto& [name, value] : defines)
            names += value == id;
        EXPECT_EQ(1, names) << "bitmap " << id;
    }
}

// A kind of browser added to the table needs its resources too: a box on the target page, a name
// for it, a mark for the tray.
TEST(Resources, EveryBrowserKindHasItsBoxNameAndMark)
{
    std::map<long, std::string> names;
    for (const auto& [name, value] : Defines())
        names[value] += name + " ";
    const std::string script = ReadSource("app/res/Pelorus.rc");
    const std::string page = script.substr(script.find("IDD_SEL_BROWSER DIALOGEX"));
    const std::string strings = script.substr(script.find("STRINGTABLE"));
    for (const BrowserKind& kind : kBrowserKinds) {
        auto named = [&](long id, const std::string& in) {
            std::istringstream candidates(names[id]);
            for (std::string name; candidates >> name;)
                if (in.find(name + ",") != std::string::npos || in.find(name + " ") != std::string::npos)
                    return true;
            return false;
        };
        EXPECT_TRUE(named(kind.settingsBox, page.substr(0, page.find("\nEND")))) << "box of type " << kind.type;
        EXPECT_TRUE(named(kind.name, strings.substr(0, strings.find("\nEND")))) << "name of type " << kind.type;
        EXPECT_TRUE(named(kind.menuMark, script.substr(0, script.find("STRINGTABLE")))) << "mark of type " << kind.type;
    }
}

}  // namespace
