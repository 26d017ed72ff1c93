#include "model/ui_port.h"

namespace vis {

namespace {
constexpr int kEventSliceMs = 10;
}

void WaitTicks(UiPort& ui, int ms) {
    if (ms <= 0) return;
    const std::uint64_t end = ui.TickCount() + static_cast<std::uint64_t>(ms);
    while (ui.TickCount() < end) ui.Sleep(static_cast<int>(end - ui.TickCount()));
}

void WaitHandlingEvents(UiPort& ui, int ms) {
    if (ms <= 0) {
        ui.ProcessEvents();
        return;
    }
    const std::uint64_t end = ui.TickCount() + static_cast<std::uint64_t>(ms);
    while (ui.TickCount() < end) {
        ui.ProcessEvents();
        const auto left = static_cast<int>(end - ui.TickCount());
        if (left > 0) ui.Sleep(left < kEventSliceMs ? left : kEventSliceMs);
    }
}

}  // namespace vis
