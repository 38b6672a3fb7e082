#include "capture/relay_acceptance.h"

RelayRefusal RefuseRelay(const RelayReport& r)
{
    if (!r.cookieMatches)
        return RelayRefusal::NotOurCookie;
    if (r.heldKeeperRuns)
        return RelayRefusal::HeldKeeperRuns;
    if (!r.relay)
        return RelayRefusal::NoWindow;
    if (r.relay == r.held)
        return RelayRefusal::AlreadyHeld;
    if (r.relay != r.found)
        return RelayRefusal::NotTheOneFound;
    if (r.mainInRelay != r.mainWindow)
        return RelayRefusal::NotForThisWindow;
    if (r.relayProcess == 0 || r.relayProcess == r.ownProcess)
        return RelayRefusal::NotAnotherProcess;
    return RelayRefusal::None;
}
