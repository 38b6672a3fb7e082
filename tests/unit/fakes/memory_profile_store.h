// A settings section in memory that reads as the private-profile functions do and records every
// write in order.
#pragma once

#include <cctype>
#include <cstring>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "app/settings/profile_store.h"

class MemoryProfileStore : public ProfileStore {
public:
    struct Write {
        std::string key;
        std::optional<std::string> value;
        bool operator==(const Write& o) const { return key == o.key && value == o.value; }
        friend void PrintTo(const Write& w, std::ostream* os)
        {
            *os << w.key << (w.value ? "=" + *w.value : std::string(" deleted"));
        }
    };

    // Keys as a file holds them, duplicates and all (the first one wins, as in the file).
    std::vector<std::pair<std::string, std::string>> entries;
    std::vector<Write> writes;

    void Set(const std::string& key, const std::string& value) { entries.emplace_back(key, value); }

    int GetInt(const char* key, int fallback) override
    {
        const std::string* value = Find(key);
        if (!value || value->empty())
            return fallback;
        // Blanks, a sign, then decimal digits up to the first other character; none gives 0.
        std::string text = value->substr(0, 29);
        size_t i = 0;
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
            ++i;
        bool negative = false;
        if (i < text.size() && (text[i] == '-' || text[i] == '+'))
            negative = text[i++] == '-';
        unsigned result = 0;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])))
            result = result * 10 + static_cast<unsigned>(text[i++] - '0');
        return static_cast<int>(negative ? 0u - result : result);
    }

    int GetString(const char* key, char* buffer, int size) override
    {
        const std::string* value = Find(key);
        std::string text = value ? *value : "";
        size_t n = std::min(text.size(), static_cast<size_t>(size - 1));
        std::memcpy(buffer, text.data(), n);
        buffer[n] = '\0';
        return static_cast<int>(n);
    }

    void WriteString(const char* key, const char* value) override
    {
        writes.push_back({key, value ? std::optional<std::string>(value) : std::nullopt});
        for (auto it = entries.begin(); it != entries.end(); ++it) {
            if (SameKey(it->first, key)) {
                if (value)
                    it->second = value;
                else
                    entries.erase(it);
                return;
            }
        }
        if (value)
            entries.emplace_back(key, value);
    }

    std::vector<std::string> KeyNames() override
    {
        std::vector<std::string> names;
        for (const auto& entry : entries)
            names.push_back(entry.first);
        return names;
    }

private:
    static bool SameKey(const std::string& a, const char* b)
    {
        if (a.size() != std::strlen(b))
            return false;
        for (size_t i = 0; i < a.size(); ++i)
            if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
                return false;
        return true;
    }
    const std::string* Find(const char* key) const
    {
        for (const auto& entry : entries)
            if (SameKey(entry.first, key))
                return &entry.second;
        return nullptr;
    }
};
