#include "keeper/release_schedule.h"

#include <algorithm>

void CReleaseSchedule::Begin(uint32_t now, uint32_t graceMs)
{
    m_begun = now;
    m_grace = graceMs;
    m_askedCount = 0;
}

CReleaseSchedule::Asked* CReleaseSchedule::Find(uint32_t child)
{
    Asked* end = m_asked + m_askedCount;
    Asked* asked = std::find_if(m_asked, end, [&](const Asked& a) { return a.child == child; });
    return asked == end ? nullptr : asked;
}

size_t CReleaseSchedule::ToAsk(uint32_t* children, size_t count, uint32_t now)
{
    count = std::min(count, kMaxChildren);
    uint32_t* const childrenEnd = children + count;
    m_askedCount = std::remove_if(m_asked, m_asked + m_askedCount,
                                  [&](const Asked& a) {
                                      return std::find(children, childrenEnd, a.child) == childrenEnd;
                                  }) -
                   m_asked;
    if (now - m_begun < m_grace)  // unsigned: right across the tick count's wrap
        return 0;
    size_t ask = 0;
    for (size_t i = 0; i < count; ++i) {
        const uint32_t child = children[i];
        Asked* asked = Find(child);
        if (!asked) {
            // Room always: those asked are among this tick's children, at most kMaxChildren.
            if (m_askedCount < kMaxChildren)
                m_asked[m_askedCount++] = {child, now};
        } else if (now - asked->at >= kReaskMs) {
            asked->at = now;
        } else {
            continue;
        }
        children[ask++] = child;
    }
    return ask;
}

void CReleaseSchedule::Answered(uint32_t child)
{
    m_askedCount = std::remove_if(m_asked, m_asked + m_askedCount, [&](const Asked& a) { return a.child == child; }) -
                   m_asked;
}
