// Every capture test starts from a program that has seen nothing: DESK as the desktop, no window
// parked, being closed, or waited on for an answer.
#pragma once

#include "app/capture/close_list.h"
#include "app/capture/popup_table.h"
#include "app/capture/responsive.h"
#include "tests/unit/fakes/fake_window_seam.h"

inline void StartFreshCapture(FakeWindowSeam& desk)
{
    SetSeam(&desk);
    ClearParked();
    ClearPopups();
    ClearClosing();
    ClearUnresponsive();
}
