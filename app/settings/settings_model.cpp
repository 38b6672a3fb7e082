#include "settings/settings_model.h"

#include "hooklib/hook_protocol.h"
#include "settings/filter_settings.h"
#include "win/decimal_text.h"
#include <algorithm>
#include <climits>
#include <cstring>
#include <initializer_list>

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

// An exact prefix is at most nine ASCII characters a unit (%XX for each of three UTF-8 bytes).
constexpr int kExactPrefixBufferSize = (kPrefixBufferSize - 1) * 9 + 1;

void LoadPrefixes(ProfileStore& store, const char* stem, int count, const CodePage& codePage,
                  std::vector<std::u16string>& prefixes)
{
    std::vector<char> exact(kExactPrefixBufferSize, '\0');
    for (int n : NumberedKeysPresent(store, stem, count)) {
        char value[kPrefixBufferSize];
        // Its text, not its length: a spoiled file can give a value that begins with a NUL, and an
        // empty prefix would filter every window.
        if (store.GetString(NumberedKey(stem, n).c_str(), value, sizeof value) <= 0 || value[0] == '\0')
            continue;
        // "" when it has none
        store.GetString(NumberedKey(stem, n, kExactPrefixSuffix).c_str(), exact.data(), kExactPrefixBufferSize);
        prefixes.push_back(LoadPrefix(value, exact.data(), codePage));
    }
}

// The six geometry values as kGeometryInPixels repeats them.
std::string GeometryList(int x, int y, const SettingsValues& v)
{
    std::string text;
    for (int value : {x, y, v.nWinLeft, v.nWinTop, v.nWinWidth, v.nWinHeight}) {
        if (!text.empty())
            text += ',';
        text += Decimal(value).text;
    }
    return text;
}

// A coordinate scaled from DPI to pixels; a negative size or position stands for none and stays.
int ToPixels(int value, int dpi, bool negativeIsNone)
{
    if (negativeIsNone && value < 0)
        return value;
    const long long pixels = (static_cast<long long>(value) * dpi + (value < 0 ? -48 : 48)) / 96;
    return static_cast<int>(std::clamp<long long>(pixels, INT_MIN, INT_MAX));
}

// Geometry as read, in pixels unless the marker does not vouch for it.
void ScaleLegacyGeometry(ProfileStore& store, SettingsValues& v, StoredPosition& position, int legacyDpi)
{
    char marker[128] = "";
    store.GetString(kGeometryInPixels, marker, sizeof marker);
    if (marker == GeometryList(position.x, position.y, v) || legacyDpi == 96)
        return;
    v.nWinLeft = ToPixels(v.nWinLeft, legacyDpi, false);
    v.nWinTop = ToPixels(v.nWinTop, legacyDpi, false);
    v.nWinWidth = ToPixels(v.nWinWidth, legacyDpi, true);
    v.nWinHeight = ToPixels(v.nWinHeight, legacyDpi, true);
    position.x = ToPixels(position.x, legacyDpi, true);
    position.y = ToPixels(position.y, legacyDpi, true);
}

}  // namespace

void CSettingsModel::Load(ProfileStore& store, StoredPosition& position, const CodePage& codePage, int legacyDpi)
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
    ScaleLegacyGeometry(store, v, position, legacyDpi);
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
    LoadPrefixes(store, "FILTER_URL", v.nFilterUrlNum, codePage, v.arrFilterUrl);
    LoadPrefixes(store, "FILTER_TITLE", v.nFilterTitleNum, codePage, v.arrFilterTitle);
    for (int i = 0; i < kHotkeyCount; ++i)
        v.nHotkeys[i] = SanitizeHotkey(store.GetInt(kHotkeySettings[i].key, kHotkeySettings[i].defaultValue));
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
    store.WriteString(key, Decimal(value).text);
}

void CSettingsModel::SaveGeometry(ProfileStore& store, int normalLeft, int normalTop)
{
    WriteSetting(store, "YPOS", normalTop);
    WriteSetting(store, "XPOS", normalLeft);
    WriteSetting(store, "WIN_TOP", m_values.nWinTop);
    WriteSetting(store, "WIN_LEFT", m_values.nWinLeft);
    WriteSetting(store, "WIN_WIDTH", m_values.nWinWidth);
    WriteSetting(store, "WIN_HEIGHT", m_values.nWinHeight);
    store.WriteString(kGeometryInPixels, GeometryList(normalLeft, normalTop, m_values).c_str());
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

std::string NumberedKey(const char* stem, int n, const char* suffix)
{
    return stem + std::string(Decimal(n).text) + suffix;
}

std::vector<int> NumberedKeysPresent(ProfileStore& store, const char* stem, int count, const char* suffix)
{
    std::vector<int> numbers;
    if (count <= 0)
        return numbers;
    const size_t stemLength = std::strlen(stem);
    const size_t suffixLength = std::strlen(suffix);
    for (std::string key : store.KeyNames()) {
        // The key names the program writes: the stem, then the number without leading zeros.
        if (key.size() <= stemLength + suffixLength || key.size() > stemLength + suffixLength + 10 ||
            !EqualNoCase(key.c_str(), stem, stemLength) ||
            !EqualNoCase(key.c_str() + key.size() - suffixLength, suffix, suffixLength))
            continue;
        key.resize(key.size() - suffixLength);
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
