#include "capture/admission.h"

#include "capture/kind_rules.h"
#include "capture/popup_table.h"

Refusal RefuseNotice(int type, int targetMask, bool held)
{
    if (!KindOf(type))
        return Refusal::UnknownType;
    if (!(targetMask & TargetBit(type)))
        return Refusal::NotTargeted;
    return held ? Refusal::AlreadyHeld : Refusal::None;
}

Admission AdmitNewWindow(const NewWindowFacts& facts, int type, const SettingsValues& settings, bool popupRoom)
{
    Admission admission;
    const WindowFacts& w = facts.identity;
    if (!w.alive)
        admission.refusal = Refusal::Gone;
    else if (!w.topLevel)
        admission.refusal = Refusal::NotTopLevel;
    else if (w.owned)
        admission.refusal = Refusal::Owned;
    else if (w.ours)
        admission.refusal = Refusal::Ours;
    else if (!IsOfKind(facts, type))
        admission.refusal = Refusal::NotOfItsKind;
    if (admission.refusal != Refusal::None)
        return admission;
    admission.popup = popupRoom && LooksLikePopup(facts);
    if (settings.bFilter)
        admission.filter = MatchNewWindowFilters(facts, type, admission.popup, settings);
    return admission;
}
