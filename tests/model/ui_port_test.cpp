#include "model/ui_port.h"

#include <gtest/gtest.h>

#include "model/headless_ui.h"

namespace vis {
namespace {

// Counts the event pumps of a headless port.
class CountingUi : public HeadlessUi {
public:
    void ProcessEvents() override { ++pumps; }
    int pumps = 0;
};

TEST(WaitTest, TickWaitLetsNoEventsRunAndEventWaitDoes) {
    CountingUi ui;
    WaitTicks(ui, 250);
    EXPECT_EQ(ui.TickCount(), 250u);
    EXPECT_EQ(ui.pumps, 0);
    WaitHandlingEvents(ui, 100);
    EXPECT_EQ(ui.TickCount(), 350u);
    EXPECT_GE(ui.pumps, 10);
    WaitHandlingEvents(ui, 0);  // still lets pending events run once
    WaitTicks(ui, -5);
    EXPECT_EQ(ui.TickCount(), 350u);
}

TEST(BusyPointerTest, PutsThePointerBack) {
    HeadlessUi ui;
    {
        BusyPointer outer(ui);
        BusyPointer inner(ui);
        EXPECT_EQ(ui.BusyDepth(), 2);
    }
    EXPECT_EQ(ui.BusyDepth(), 0);
}

}  // namespace
}  // namespace vis
