// When the keeper asks the relay window's children whether they answer, once it is to give them
// back: after a grace period (a window asked to close at the program's exit has that long to
// go), each child once, and again only after a long silence, so that a hung browser does not
// collect a queue of questions. A child that answers goes back to the desktop.
#pragma once

#include <cstddef>
#include <cstdint>

class CReleaseSchedule {
public:
    static constexpr uint32_t kReaskMs = 10000;
    // The children looked at a tick: far more browser windows than anyone hides, in fixed room
    // (the keeper keeps the library's containers out). Any beyond wait until others have gone.
    static constexpr size_t kMaxChildren = 1024;

    void Begin(uint32_t now, uint32_t graceMs);
    // CHILDREN, COUNT of them (kMaxChildren at most), are the relay window's children now: the
    // ones to ask at NOW are moved to the front, in their order, and their number returned. Any
    // other child asked before is forgotten (it died, or went back to the desktop).
    size_t ToAsk(uint32_t* children, size_t count, uint32_t now);
    // An answer came: the child is given back, and asked anew if it is still there.
    void Answered(uint32_t child);

private:
    struct Asked {
        uint32_t child;
        uint32_t at;
    };
    Asked* Find(uint32_t child);

    uint32_t m_begun = 0;
    uint32_t m_grace = 0;
    Asked m_asked[kMaxChildren] = {};
    size_t m_askedCount = 0;
};
