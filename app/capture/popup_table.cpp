#include "capture/popup_table.h"

#include "capture/kind_rules.h"

namespace {
constexpr uint32_t kMaximizeBox = 0x00010000;
constexpr uint32_t kThickFrame = 0x00040000;
}  // namespace

void CPopupTable::Add(WindowHandle window)
{
    for (WindowHandle& slot : m_slots) {
        if (!slot) {
            slot = window;
            return;
        }
    }
}

void CPopupTable::Remove(WindowHandle window)
{
    for (WindowHandle& slot : m_slots) {
        if (slot == window) {
            slot = 0;
            return;
        }
    }
}

bool CPopupTable::Contains(WindowHandle window) const
{
    if (!window)
        return false;
    for (WindowHandle slot : m_slots)
        if (slot == window)
            return true;
    return false;
}

bool CPopupTable::HasRoom() const
{
    for (WindowHandle slot : m_slots)
        if (!slot)
            return true;
    return false;
}

void CPopupTable::ForgetDead(WindowSeam& seam)
{
    for (WindowHandle& slot : m_slots)
        if (slot && !seam.IsAlive(slot))
            slot = 0;
}

bool LooksLikePopup(const WindowFacts& facts, int type)
{
    if (facts.styleKnown && (!(facts.style & kMaximizeBox) || !(facts.style & kThickFrame)))
        return true;
    return !HasInnerWindow(type, facts.descendantClasses);
}
