#include "settings/settings_model.h"

#include "hooklib/hook_protocol.h"
#include <algorithm>
#include <cstdio>
#include <cstring>

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
        // Its text, not its length: a spoiled file can give a value that begins with a NUL, and an
        // empty prefix would filter every window.
        if (store.GetString(key, value, sizeof value) > 0 && value[0] != '\0')
            prefixes.emplace_back(value);
    }
}

}  // namespace

void CSettingsModel::Load(ProfileStore& store, StoredPosition& position)
{
    SettingsValues& v = m_values;
    v.nWinLeft = store.GetInt("WIN_LEFT", 0);
    v.nWinTop = store.GetInt("WIN_TOP", 0);
    v.nWinWidth = store.GetInt("WIN_WIDTH", -1);
    v.nWinHeight = store.GetInt("WIN_HEIGHT", -1);
    v.nNewWindowMode = store.GetInt("NewWindowMode", 0);
    v.nListMode = store.GetInt("ListMode", 0);
    v.bSizePos = store.GetInt("Size_Pos", 1);
    position.x = store.GetInt("XPOS", -1);
    position.y = store.GetInt("YPOS", -1);
    v.bIconic = store.GetInt("ICONIC", 0);
    // A new user's browsers: Internet Explorer, Mozilla and Firefox, and today's Chromium family.
    v.nTargetBrowser =
        store.GetInt("TARGET_B", TargetBit(BROWSER_IE) | TargetBit(BROWSER_MOZILLA) | TargetBit(BROWSER_CHROMIUM));
    v.bExitBrowser = store.GetInt("EXIT_BROWSER", 0);
    v.bFilter = store.GetInt("FILTER", 0);
    v.bFilterClose = store.GetInt("FILTER_CLOSE", 1);
    v.bFilterCheckPopup = store.GetInt("FILTER_CHECK_POPUP", 1);
    v.nMaxPendingNum = ClampCloseListCapacity(store.GetInt("MAX_PENDING_NUM", 4));
    UpdateCloseListCapacity();

    v.bFilterUseUrl = store.GetInt("FILTER_USE_URL", 0);
    v.bFilterUseTitle = store.GetInt("FILTER_USE_TITLE", 0);
    v.nFilterUrlNum = store.GetInt("FILTER_URL_NUM", 0);
    v.nFilterTitleNum = store.GetInt("FILTER_TITLE_NUM", 0);
    v.arrFilterUrl.clear();
    v.arrFilterTitle.clear();
    LoadPrefixes(store, "FILTER_URL", v.nFilterUrlNum, v.arrFilterUrl);
    LoadPrefixes(store, "FILTER_TITLE", v.nFilterTitleNum, v.arrFilterTitle);
    v.nLanguage = static_cast<int>(LoadLanguageChoice(store));
}

LanguageChoice LoadLanguageChoice(ProfileStore& store)
{
    char text[16] = "";
    store.GetString(kLanguageKey, text, sizeof text);
    return LanguageChoiceFromText(text);
}

void WriteSetting(ProfileStore& store, const char* key, int value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%d", value);
    store.WriteString(key, text);
}

void CSettingsModel::SaveGeometry(ProfileStore& store, int normalLeft, int normalTop)
{
    WriteSetting(store, "YPOS", normalTop);
    WriteSetting(store, "XPOS", normalLeft);
    WriteSetting(store, "WIN_TOP", m_values.nWinTop);
    WriteSetting(store, "WIN_LEFT", m_values.nWinLeft);
    WriteSetting(store, "WIN_WIDTH", m_values.nWinWidth);
    WriteSetting(store, "WIN_HEIGHT", m_values.nWinHeight);
    m_values.arrFilterUrl.clear();
    m_values.arrFilterTitle.clear();
}

bool CSettingsModel::TakeFixedRectangle(const NormalRect& normal, int placementShowCmd)
{
    if (!m_values.bSizePos)
        return false;
    m_values.nWinLeft = normal.left;
    m_values.nWinTop = normal.top;
    m_values.nWinWidth = normal.right - normal.left;
    m_values.nWinHeight = normal.bottom - normal.top;
    // Minimised or normal, later windows open normal: no window is ever placed minimised.
    m_nShowCmd = placementShowCmd == kShowMaximized ? kShowMaximized : kShowNormal;
    return true;
}

FixedRect CSettingsModel::Fixed() const
{
    return {m_values.nWinLeft, m_values.nWinTop, m_values.nWinWidth, m_values.nWinHeight};
}

void CSettingsModel::UpdateCloseListCapacity()
{
    if (m_values.bFilter)
        m_nCloseListCapacity = FilteringCapacity();
}

int CSettingsModel::FilteringCapacity() const
{
    return m_values.bFilterClose ? 2 : m_values.nMaxPendingNum;
}

int ClampCloseListCapacity(int capacity)
{
    return std::clamp(capacity, 1, kCloseListSlots);
}

bool CSettingsModel::CloseListButtonEnabled() const
{
    return m_values.bFilter != 0 && m_values.bFilterClose != 1;
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
