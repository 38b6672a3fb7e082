#include "mainwnd/list_rules.h"

NewEntryPlan PlanNewEntry(int count, int current, int listMode, int newWindowMode)
{
    NewEntryPlan plan{};
    plan.keepCurrentShown = count > 0 && newWindowMode != 0;
    plan.current = current;
    switch (listMode) {
    case 1:  // at the head
        plan.position = 0;
        plan.current = current + 1;
        break;
    case 2:  // after the shown window
        plan.position = current + 1;
        break;
    case 3:  // before the shown window
        plan.position = current >= 0 ? current : 0;
        if (current >= 0)
            plan.current = current + 1;
        break;
    default:  // at the end
        plan.position = count;
        break;
    }
    plan.select = !plan.keepCurrentShown;
    if (plan.select)
        plan.current = plan.position;
    return plan;
}

RemovalPlan PlanRemoval(int current, int removed, int newCount)
{
    if (current < removed)
        return {current, false};
    if (current == removed) {
        // The current entry went: the one that moved up takes its place, or the one before it
        // when it was the last.
        if (newCount < 0 || removed == newCount)
            --current;
    } else {
        --current;  // the same entry, one place up
    }
    return {current, current >= 0};
}
