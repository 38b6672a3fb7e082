// When the keeper asks the relay window's children whether they answer, once it is to give them
// back: after a grace period (a window asked to close at the program's exit has that long to
// go), each child once, and again only after a long silence, so that a hung browser does not
// collect a queue of questions. A child that answers goes back to the desktop.
#pragma once

#include <cstdint>
#include <vector>

class CReleaseSchedule {
public:
    static constexpr uint32_t kReaskMs = 10000;

    void Begin(uint32_t now, uint32_t graceMs);
    // The children to ask at NOW; CHILDREN are the relay window's children now, and any other
    // child asked before is forgotten (it died, or went back to the desktop).
    std::vector<uint32_t> ToAsk(const std::vector<uint32_t>& children, uint32_t now);
    // An answer came: the child is given back, and asked anew if it is still there.
    void Answered(uint32_t child);

private:
    struct Asked {
        uint32_t child;
        uint32_t at;
    };
    uint32_t m_begun = 0;
    uint32_t m_grace = 0;
    std::vector<Asked> m_asked;
};
