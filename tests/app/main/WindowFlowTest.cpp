// The main window's flow: the transitions whose order the window's roads rarely meet together.
#include "WindowFlow.h"

#include <gtest/gtest.h>

// The closing question's end opens the window again, unless closing began while it was asked:
// the window then refuses every later close and drops the bug report's result.
TEST(WindowFlow, AnAskEndedAfterClosingBeganLeavesTheWindowClosing)
{
    CWindowFlow flow;
    flow.AskClose();
    EXPECT_TRUE(flow.IsAskingOrClosing());
    EXPECT_FALSE(flow.IsClosing());
    flow.AskEnded();
    EXPECT_FALSE(flow.IsAskingOrClosing());

    flow.AskClose();
    flow.BeginClosing(false);
    flow.AskEnded();
    EXPECT_TRUE(flow.IsClosing());
}

// Home and closing both chose Apply during one apply, in either order: Home follows it, and
// nothing is left to follow a later apply (a close still asked for would refuse closes while
// that one runs and would skip the closing question).
TEST(WindowFlow, HomeAndCloseAskedDuringOneApplyGoHomeAndLeaveNothingBehind)
{
    for (const bool closeFirst : {true, false})
    {
        CWindowFlow flow;
        if (closeFirst)
            flow.ApplyChosenAtClose();
        flow.ApplyChosenAtHome();
        if (!closeFirst)
            flow.ApplyChosenAtClose();
        EXPECT_TRUE(flow.ClosesAfterApply());
        EXPECT_TRUE(flow.GoesHomeAfterApply());
        EXPECT_EQ(flow.TakeAfterApply(), CWindowFlow::EAfterApply::Home);
        EXPECT_FALSE(flow.LeavesAfterApply());
        EXPECT_FALSE(flow.ClosesAfterApply());
        EXPECT_EQ(flow.TakeAfterApply(), CWindowFlow::EAfterApply::Stay);
    }
}
