#include "model/sound_events.h"

#include <string>

namespace vis {

namespace {
// No such resource exists: playing it stops the current sound.
constexpr std::string_view kStopSoundName = "_tmp_stop_";

void Play(UiPort& ui, const StateBlock& state, std::string_view name, bool switchOn,
          SoundMode mode) {
    if (!state.GetFlag(field::kSoundsEnabled) || !switchOn) return;
    ui.PlaySound(std::string(name), mode);
}
}  // namespace

void PlaySoundEvent(UiPort& ui, const StateBlock& state, std::string_view name, bool switchOn) {
    Play(ui, state, name, switchOn, SoundMode::kEvent);
}
void PlaySoundWait(UiPort& ui, const StateBlock& state, std::string_view name, bool switchOn) {
    Play(ui, state, name, switchOn, SoundMode::kWait);
}
void PlaySoundLoop(UiPort& ui, const StateBlock& state, std::string_view name, bool switchOn) {
    Play(ui, state, name, switchOn, SoundMode::kLoop);
}
void PlaySoundEvent(UiPort& ui, const StateBlock& state, std::string_view name,
                    StateField eventSwitch) {
    Play(ui, state, name, state.GetFlag(eventSwitch), SoundMode::kEvent);
}
void StopSound(UiPort& ui) {
    ui.PlaySound(std::string(kStopSoundName), SoundMode::kEvent);
}

}  // namespace vis
