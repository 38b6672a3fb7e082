#include "keeper/release_schedule.h"

#include <algorithm>

void CReleaseSchedule::Begin(uint32_t now, uint32_t graceMs)
{
    m_begun = now;
    m_grace = graceMs;
    m_asked.clear();
}

std::vector<uint32_t> CReleaseSchedule::ToAsk(const std::vector<uint32_t>& children, uint32_t now)
{
    m_asked.erase(std::remove_if(m_asked.begin(), m_asked.end(),
                                 [&](const Asked& a) {
                                     return std::find(children.begin(), children.end(), a.child) == children.end();
                                 }),
                  m_asked.end());
    std::vector<uint32_t> ask;
    if (now - m_begun < m_grace)  // unsigned: right across the tick count's wrap
        return ask;
    for (uint32_t child : children) {
        auto asked = std::find_if(m_asked.begin(), m_asked.end(), [&](const Asked& a) { return a.child == child; });
        if (asked == m_asked.end())
            m_asked.push_back({child, now});
        else if (now - asked->at >= kReaskMs)
            asked->at = now;
        else
            continue;
        ask.push_back(child);
    }
    return ask;
}

void CReleaseSchedule::Answered(uint32_t child)
{
    m_asked.erase(
        std::remove_if(m_asked.begin(), m_asked.end(), [&](const Asked& a) { return a.child == child; }),
        m_asked.end());
}
