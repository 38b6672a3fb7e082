#include "settings/settings_model.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

int g_nWinLeft = 0;
int g_nWinTop = 0;
int g_nWinWidth = -1;
int g_nWinHeight = -1;
int g_nTargetBrowser = 1;
int g_bExitBrowser = 0;
int g_bFilter = 0;
int g_bFilterClose = 1;
int g_bFilterCheckPopup = 1;
int g_nMaxPendingNum = 4;
int g_bFilterUseUrl = 0;
int g_bFilterUseTitle = 0;
int g_nFilterUrlNum = 0;
int g_nFilterTitleNum = 0;
std::vector<std::string> g_arrFilterUrl;
std::vector<std::string> g_arrFilterTitle;
int g_nCloseListCapacity = kCloseListSlots;

namespace {

bool EqualNoCase(const char* a, const char* b, size_t n)
{
    for (size_t i = 0; i < n; ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z')
            x = static_cast<char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z')
            y = static_cast<char>(y - 'a' + 'A');
        if (x != y)
            return false;
    }
    return true;
}

void LoadPrefixes(ProfileStore& store, const char* stem, int count, std::vector<std::string>& prefixes)
{
    for (int n : NumberedKeysPresent(store, stem, count)) {
        char key[64];
        std::snprintf(key, sizeof key, "%s%d", stem, n);
        char value[kPrefixBufferSize];
        if (store.GetString(key, value, sizeof value) > 0)
            prefixes.emplace_back(value);
    }
}

}  // namespace

void LoadSettings(ProfileStore& store, MainDialogSettings& dialog, StoredPosition& position)
{
    g_nWinLeft = store.GetInt("WIN_LEFT", 0);
    g_nWinTop = store.GetInt("WIN_TOP", 0);
    g_nWinWidth = store.GetInt("WIN_WIDTH", -1);
    g_nWinHeight = store.GetInt("WIN_HEIGHT", -1);
    dialog.m_nNewWindowMode = store.GetInt("NewWindowMode", 0);
    dialog.m_nListMode = store.GetInt("ListMode", 0);
    dialog.m_bSizePos = store.GetInt("Size_Pos", 1);
    position.x = store.GetInt("XPOS", -1);
    position.y = store.GetInt("YPOS", -1);
    dialog.m_bIconic = store.GetInt("ICONIC", 0);
    g_nTargetBrowser = store.GetInt("TARGET_B", 1);
    g_bExitBrowser = store.GetInt("EXIT_BROWSER", 0);
    g_bFilter = store.GetInt("FILTER", 0);
    g_bFilterClose = store.GetInt("FILTER_CLOSE", 1);
    g_bFilterCheckPopup = store.GetInt("FILTER_CHECK_POPUP", 1);
    g_nMaxPendingNum = ClampCloseListCapacity(store.GetInt("MAX_PENDING_NUM", 4));
    UpdateCloseListCapacity();

    g_bFilterUseUrl = store.GetInt("FILTER_USE_URL", 0);
    g_bFilterUseTitle = store.GetInt("FILTER_USE_TITLE", 0);
    g_nFilterUrlNum = store.GetInt("FILTER_URL_NUM", 0);
    g_nFilterTitleNum = store.GetInt("FILTER_TITLE_NUM", 0);
    g_arrFilterUrl.clear();
    g_arrFilterTitle.clear();
    LoadPrefixes(store, "FILTER_URL", g_nFilterUrlNum, g_arrFilterUrl);
    LoadPrefixes(store, "FILTER_TITLE", g_nFilterTitleNum, g_arrFilterTitle);
}

void WriteSetting(ProfileStore& store, const char* key, int value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%d", value);
    store.WriteString(key, text);
}

void SaveGeometry(ProfileStore& store, int normalLeft, int normalTop)
{
    WriteSetting(store, "YPOS", normalTop);
    WriteSetting(store, "XPOS", normalLeft);
    WriteSetting(store, "WIN_TOP", g_nWinTop);
    WriteSetting(store, "WIN_LEFT", g_nWinLeft);
    WriteSetting(store, "WIN_WIDTH", g_nWinWidth);
    WriteSetting(store, "WIN_HEIGHT", g_nWinHeight);
    g_arrFilterUrl.clear();
    g_arrFilterTitle.clear();
}

void UpdateCloseListCapacity()
{
    if (g_bFilter)
        g_nCloseListCapacity = FilteringCapacity();
}

int FilteringCapacity()
{
    return g_bFilterClose ? 2 : g_nMaxPendingNum;
}

int ClampCloseListCapacity(int capacity)
{
    return std::clamp(capacity, 1, kCloseListSlots);
}

bool CloseListButtonEnabled()
{
    return g_bFilter != 0 && g_bFilterClose != 1;
}

std::vector<int> NumberedKeysPresent(ProfileStore& store, const char* stem, int count)
{
    std::vector<int> numbers;
    if (count <= 0)
        return numbers;
    const size_t stemLength = std::strlen(stem);
    for (const std::string& key : store.KeyNames()) {
        // The key names the program writes: the stem, then the number without leading zeros.
        if (key.size() <= stemLength || key.size() > stemLength + 10 || !EqualNoCase(key.c_str(), stem, stemLength))
            continue;
        const char* digits = key.c_str() + stemLength;
        if (*digits < '1' || *digits > '9')
            continue;
        long long n = 0;
        for (const char* d = digits; *d; ++d) {
            if (*d < '0' || *d > '9') {
                n = 0;
                break;
            }
            n = n * 10 + (*d - '0');
        }
        if (n >= 1 && n <= count)
            numbers.push_back(static_cast<int>(n));
    }
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}
