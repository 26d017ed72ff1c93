// The table's sound effects: a sound plays only when all sounds are on and
// the event's own switch is on.
#pragma once

#include <string_view>

#include "model/state_block.h"
#include "model/ui_port.h"

namespace vis {

void PlaySoundEvent(UiPort& ui, const StateBlock& state, std::string_view name, bool switchOn);
void PlaySoundWait(UiPort& ui, const StateBlock& state, std::string_view name, bool switchOn);
void PlaySoundLoop(UiPort& ui, const StateBlock& state, std::string_view name, bool switchOn);
// The event's switch read from its state field.
void PlaySoundEvent(UiPort& ui, const StateBlock& state, std::string_view name,
                    StateField eventSwitch);
void StopSound(UiPort& ui);

}  // namespace vis
