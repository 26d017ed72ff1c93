// The table's sounds ask the player for a sound only when all sounds are on
// and the event's own switch is on; stopping plays the name no sound has.
#include <gtest/gtest.h>

#include "model/headless_ui.h"
#include "model/sound_events.h"

namespace vis::test {
namespace {

struct SwitchCase {
    bool allSounds;
    bool ownSwitch;
    bool heard;
};

std::vector<std::string> Sounds(const HeadlessUi& ui) {
    std::vector<std::string> sounds;
    for (const std::string& entry : ui.Log())
        if (entry.starts_with("sound ")) sounds.push_back(entry);
    return sounds;
}

TEST(SoundSwitchesTest, EverySoundNeedsAllSoundsAndItsOwnSwitch) {
    for (const SwitchCase& c : {SwitchCase{true, true, true}, SwitchCase{true, false, false},
                                SwitchCase{false, true, false}, SwitchCase{false, false, false}}) {
        HeadlessUi ui;
        StateBlock state;
        state.SetFlag(field::kSoundsEnabled, c.allSounds);
        state.SetFlag(field::kSoundsStock, c.ownSwitch);
        PlaySoundEvent(ui, state, "Stock", field::kSoundsStock);
        PlaySoundWait(ui, state, "Red_no_a", c.ownSwitch);
        PlaySoundLoop(ui, state, "Shuffle", c.ownSwitch);
        const std::vector<std::string> expected =
            c.heard ? std::vector<std::string>{"sound event: Stock", "sound wait: Red_no_a",
                                               "sound loop: Shuffle"}
                    : std::vector<std::string>{};
        EXPECT_EQ(Sounds(ui), expected) << "all " << c.allSounds << " own " << c.ownSwitch;
    }
}

TEST(SoundSwitchesTest, StopSilencesWhateverTheSwitchesSay) {
    HeadlessUi ui;
    StopSound(ui);
    EXPECT_EQ(Sounds(ui), std::vector<std::string>{"sound event: _tmp_stop_"});
}

}  // namespace
}  // namespace vis::test
