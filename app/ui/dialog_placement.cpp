#include "ui/dialog_placement.h"

#include <algorithm>

ScreenRect PlaceOpenedDialog(const ScreenRect& dialog, bool ownerShown, const ScreenRect& mouseWork,
                             const ScreenRect& ownWork)
{
    const ScreenRect& work = ownerShown ? ownWork : mouseWork;
    long left = dialog.left, top = dialog.top;
    if (!ownerShown) {
        left = work.left + (work.Width() - dialog.Width()) / 2;
        top = work.top + (work.Height() - dialog.Height()) / 2;
    }
    // The far edges first, so that a dialog too large for the work area keeps its caption in it.
    left = std::max(std::min(left, work.right - dialog.Width()), work.left);
    top = std::max(std::min(top, work.bottom - dialog.Height()), work.top);
    return {left, top, left + dialog.Width(), top + dialog.Height()};
}
