// What the trees of the Customize dialog offer: the card backs by category,
// the backgrounds by category with the value each node selects, and the
// sound events with their switches.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "model/state_block.h"

namespace vis {

struct ChoiceNode {
    std::string_view caption;
    std::int64_t value;
};

struct ChoiceGroup {
    std::string_view caption;
    std::vector<ChoiceNode> entries;
    std::vector<ChoiceGroup> groups;  // the background tree nests one level deeper
};

// Node values of the background tree.
namespace background_node {
inline constexpr std::int64_t kCustomizedCategory = -100;
inline constexpr std::int64_t kPlaceholder = -101;
inline constexpr std::int64_t kCustomizedPicture = -102;
inline constexpr std::int64_t kCategory = 0;
inline constexpr std::int64_t kCustomColour = 1;
inline constexpr std::int64_t kLastPicture = 1000;
}  // namespace background_node

const std::vector<ChoiceGroup>& CardBackTree();
// Below "Customized": "Colors", "Over 256 colors", "Under 256 colors".
const std::vector<ChoiceGroup>& BackgroundTree();
// The six fixed colours (Blue, Green, Navy, Olive, Teal, White).
std::span<const ChoiceNode> FixedBackgroundColours();

struct SoundEvent {
    int number;
    std::string_view category;
    std::string_view caption;
    StateField field;
    std::string_view key;
    std::string_view sound;
};

// In tree order.
std::span<const SoundEvent> SoundEvents();

// The check boxes that stand for one "Y"/"N" key and its field. Most are
// checked unless the field reads "N"; some only when it reads "Y".
struct CheckedOption {
    std::string_view box;
    std::string_view key;
    StateField field;
    bool onlyWhenY = false;
};
std::span<const CheckedOption> CheckedOptions();

// Move delays of the speed slider positions 1-5, and the position of a
// stored delay (the nearest one).
inline constexpr int kSpeedDelays[] = {50, 25, 10, 3, 0};
int SpeedPositionOf(int delay);

inline constexpr std::string_view kWinningAnimations[] = {
    "(Random)",   "Festoons",      "Circles",    "Lines",
    "Open order", "Left to right", "Up to down", "(None)"};

}  // namespace vis
