// Whether a notified window is captured, and why not: from the notification alone, then from the
// window's facts, one reason each.
#include <gtest/gtest.h>

#include "app/capture/admission.h"
#include "hooklib/hook_protocol.h"

namespace {

NewWindowFacts Browser(const char* className = "IEFrame", const char* title = "Page")
{
    NewWindowFacts facts;
    facts.identity = {true, true, false, false, className};
    facts.title = title;
    facts.styleKnown = true;
    facts.style = 0x00CF0000;
    return facts;
}

TEST(Admission, NoticeIsRefusedForAnUnknownOrUntargetedTypeOrAWindowAlreadyHeld)
{
    EXPECT_EQ(Refusal::None, RefuseNotice(BROWSER_IE, 0x01, false));
    EXPECT_EQ(Refusal::UnknownType, RefuseNotice(0xF, 0xFFFF, false));
    EXPECT_EQ(Refusal::UnknownType, RefuseNotice(-1, 0xFFFF, false));
    EXPECT_EQ(Refusal::NotTargeted, RefuseNotice(BROWSER_OPERA_OP, 0x01, false));
    EXPECT_EQ(Refusal::AlreadyHeld, RefuseNotice(BROWSER_IE, 0x01, true));
}

TEST(Admission, WindowIsRefusedForWhatItIs)
{
    const SettingsValues settings;
    auto refusal = [&](const NewWindowFacts& facts, int type) {
        return AdmitNewWindow(facts, type, settings, true).refusal;
    };
    NewWindowFacts w = Browser();
    EXPECT_EQ(Refusal::None, refusal(w, BROWSER_IE));
    EXPECT_EQ(Refusal::NotOfItsKind, refusal(w, BROWSER_OPERA_OP));
    EXPECT_EQ(Refusal::NotOfItsKind, refusal(Browser("Notepad"), BROWSER_NETSCAPE4)) << "known by a title it lacks";
    EXPECT_EQ(Refusal::None, refusal(Browser("Notepad", "News - Netscape"), BROWSER_NETSCAPE4));
    w.identity.ours = true;
    EXPECT_EQ(Refusal::Ours, refusal(w, BROWSER_IE));
    w.identity.owned = true;
    EXPECT_EQ(Refusal::Owned, refusal(w, BROWSER_IE));
    w.identity.topLevel = false;
    EXPECT_EQ(Refusal::NotTopLevel, refusal(w, BROWSER_IE)) << "hidden under the relay window, say";
    w.identity.alive = false;
    EXPECT_EQ(Refusal::Gone, refusal(w, BROWSER_IE));
}

TEST(Admission, PopupIsRecordedWhileTheTableHasRoomAndFilteredOnlyWhileFilteringIsOn)
{
    NewWindowFacts popup = Browser();
    popup.style = 0x80C80000;  // no maximise box, no thick frame
    SettingsValues settings;
    Admission admitted = AdmitNewWindow(popup, BROWSER_IE, settings, true);
    EXPECT_TRUE(admitted.popup);
    EXPECT_FALSE(admitted.filter) << "filtering off";
    settings.bFilter = 1;
    EXPECT_EQ(FilterRule::Popup, AdmitNewWindow(popup, BROWSER_IE, settings, true).filter.rule);
    admitted = AdmitNewWindow(popup, BROWSER_IE, settings, false);
    EXPECT_FALSE(admitted.popup || admitted.filter) << "a full table: treated as an ordinary window";
}

}  // namespace
