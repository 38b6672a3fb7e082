// A fake desktop for the hook's watch rules: windows with class, title and parent, a relay
// window found by class and title, and a record of every post.
#pragma once

#include <cstdint>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "hooklib/hook_protocol.h"

struct FakeCreate {
    uint32_t parent;
    uint32_t style;
};

struct Posted {
    uint32_t to;
    uint32_t code;
    uint32_t hwnd;
    bool operator==(const Posted& o) const { return to == o.to && code == o.code && hwnd == o.hwnd; }
    friend void PrintTo(const Posted& p, std::ostream* os)
    {
        *os << std::hex << "{to 0x" << p.to << ", code 0x" << p.code << ", window 0x" << p.hwnd << "}" << std::dec;
    }
};

class FakeHookDesktop {
public:
    struct Window {
        std::string className;
        std::string title;
        uint32_t parent = 0;
        uint32_t extra[2] = {0, 0};
    };

    uint32_t Create(const std::string& className, const std::string& title = "", uint32_t parent = 0)
    {
        next_ += 0x10;
        windows_[next_] = Window{className, title, parent, {0, 0}};
        return next_;
    }
    void Destroy(uint32_t hwnd) { windows_.erase(hwnd); }
    void SetParent(uint32_t hwnd, uint32_t parent) { windows_[hwnd].parent = parent; }
    void SetTitle(uint32_t hwnd, const std::string& title) { windows_[hwnd].title = title; }
    void SetExtra(uint32_t hwnd, int index, uint32_t value) { windows_[hwnd].extra[index / 4] = value; }

    std::vector<Posted> posted;
    int queries = 0;  // calls into the "system", for the tests of how early the hook stops

    // The platform the rules call.
    uint32_t FindRelay()
    {
        ++queries;
        for (auto& [hwnd, w] : windows_)
            if (w.className == PELORUS_RELAY_CLASS && w.title == PELORUS_RELAY_TITLE)
                return hwnd;
        return 0;
    }
    uint32_t ReadRelayLong(uint32_t relay, int index)
    {
        ++queries;
        auto it = windows_.find(relay);
        return it == windows_.end() || index < 0 || index > 4 ? 0 : it->second.extra[index / 4];
    }
    bool IsWindow(uint32_t hwnd)
    {
        ++queries;
        return windows_.count(hwnd) != 0;
    }
    bool IsChild(uint32_t parent, uint32_t hwnd)
    {
        ++queries;
        for (auto it = windows_.find(hwnd); it != windows_.end() && it->second.parent;
             it = windows_.find(it->second.parent))
            if (it->second.parent == parent)
                return true;
        return false;
    }
    int ClassName(uint32_t hwnd, char* buffer, int size) { return Copy(hwnd, &Window::className, buffer, size); }
    int WindowText(uint32_t hwnd, char* buffer, int size) { return Copy(hwnd, &Window::title, buffer, size); }
    bool ReadCreate(uintptr_t lParam, uint32_t& parent, uint32_t& style)
    {
        const FakeCreate* create = reinterpret_cast<const FakeCreate*>(lParam);
        if (!create)
            return false;
        parent = create->parent;
        style = create->style;
        return true;
    }
    bool ShowsWindow(uintptr_t lParam) { return (lParam & 0x0040) != 0; }  // lParam stands for the flags
    void Post(uint32_t to, uint32_t code, uint32_t hwnd) { posted.push_back({to, code, hwnd}); }

private:
    int Copy(uint32_t hwnd, std::string Window::*field, char* buffer, int size)
    {
        ++queries;
        auto it = windows_.find(hwnd);
        if (it == windows_.end() || size <= 0)
            return 0;
        const std::string& text = it->second.*field;
        int n = static_cast<int>(text.size()) < size - 1 ? static_cast<int>(text.size()) : size - 1;
        text.copy(buffer, static_cast<size_t>(n));
        buffer[n] = '\0';
        return n;
    }

    std::map<uint32_t, Window> windows_;
    uint32_t next_ = 0x1000;
};
