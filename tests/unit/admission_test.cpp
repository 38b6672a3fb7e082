// Whether a notified window is captured, and why not: from the notice, then from the window's
// facts, one reason each.
#include <gtest/gtest.h>

#include "app/capture/admission.h"
#include "hooklib/hook_protocol.h"

namespace {

TEST(Admission, NoticeIsRefusedForAnUnknownOrUntargetedTypeOrAWindowAlreadyHeld)
{
    EXPECT_EQ(Refusal::None, RefuseNotice(BROWSER_IE, 0x01, false));
    EXPECT_EQ(Refusal::UnknownType, RefuseNotice(0xF, 0xFFFF, false));
    EXPECT_EQ(Refusal::NotTargeted, RefuseNotice(BROWSER_OPERA_OP, 0x01, false));
    EXPECT_EQ(Refusal::AlreadyHeld, RefuseNotice(BROWSER_IE, 0x01, true));
}

TEST(Admission, WindowIsRefusedForWhatItIsAndAPopupRecordedOnlyWhileThereIsRoom)
{
    SettingsValues settings;
    WindowFacts w;
    w.read = WindowFacts::All;
    w.identity = {true, true, false, false};
    w.className = "IEFrame";
    w.styleKnown = true;
    w.style = 0x80C80000;  // no maximise box, no thick frame: a pop-up
    auto admit = [&](int type, bool room = true) { return AdmitNewWindow(w, type, settings, room); };
    EXPECT_EQ(Refusal::NotOfItsKind, admit(BROWSER_OPERA_OP).refusal);
    EXPECT_EQ(Refusal::NotOfItsKind, admit(BROWSER_NETSCAPE4).refusal) << "known by a title it lacks";
    EXPECT_TRUE(admit(BROWSER_IE).popup);
    EXPECT_FALSE(admit(BROWSER_IE).filter) << "filtering off";
    settings.bFilter = 1;
    EXPECT_EQ(FilterRule::Popup, admit(BROWSER_IE).filter.rule);
    EXPECT_FALSE(admit(BROWSER_IE, false).popup || admit(BROWSER_IE, false).filter) << "a full table";
    for (auto [field, reason] :
         {std::pair{&WindowIdentity::ours, Refusal::Ours}, {&WindowIdentity::owned, Refusal::Owned}}) {
        w.identity.*field = true;
        EXPECT_EQ(reason, admit(BROWSER_IE).refusal);
    }
    w.identity.topLevel = false;
    EXPECT_EQ(Refusal::NotTopLevel, admit(BROWSER_IE).refusal) << "hidden under the relay window, say";
    w.identity.alive = false;
    EXPECT_EQ(Refusal::Gone, admit(BROWSER_IE).refusal);
}

}  // namespace
