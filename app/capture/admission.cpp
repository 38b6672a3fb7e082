#include "capture/admission.h"

#include "capture/popup_table.h"

Refusal RefuseNotice(int type, int targetMask, bool held)
{
    if (!KindOf(type))
        return Refusal::UnknownType;
    if (!(targetMask & TargetBit(type)))
        return Refusal::NotTargeted;
    return held ? Refusal::AlreadyHeld : Refusal::None;
}

Admission AdmitNewWindow(WindowFacts& facts, int type, const SettingsValues& settings, bool popupRoom,
                         const FactReader* reader)
{
    Admission admission;
    RecogniseAs notice;
    notice.announced = type;
    admission.refusal = Recognise(facts, notice, reader).refusal;
    if (admission.refusal != Refusal::None)
        return admission;
    // What the pop-up rule and the filters read, and the list shows.
    uint16_t need = WindowFacts::Styles | WindowFacts::Title;
    if (KindOf(type)->innerClass)
        need |= WindowFacts::Descendants;
    if (settings.bFilter && settings.bFilterUseUrl)
        need |= WindowFacts::Address;
    if (reader)
        reader->Read(facts, need);
    admission.popup = popupRoom && LooksLikePopup(facts, type);
    if (settings.bFilter)
        admission.filter = MatchNewWindowFilters(facts, type, admission.popup, settings);
    return admission;
}
