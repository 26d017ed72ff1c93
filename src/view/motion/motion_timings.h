// Every speed and pause of cards in motion, in one place.
#pragma once

#include <array>

namespace vis::motion {

// The step delays of the speed slider, from "Slow" (position 1) to "Fast"
// (position 5), in milliseconds after each step of a travel.
inline constexpr std::array<int, 5> kSpeedDelays = {50, 25, 10, 3, 0};
inline constexpr int kDefaultSpeedDelay = 10;

// The step of a travel of D pixels is D / (D x kStepGrowth + kStepBase),
// rounded: about 48 pixels for 500, fewer for short hops.
inline constexpr double kStepGrowth = 0.0128;
inline constexpr double kStepBase = 4.0;
// A fast travel (the deal) takes this share of the normal step.
inline constexpr double kFastStepShare = 0.3;

// A card landing with a shadow rests above its place for this many step
// delays before it drops.
inline constexpr int kLandingPauseDelays = 2;

// The deal: the pause before the shuffle sound starts, the glimpse of a
// face-up card at the source, and the pause before each card flies.
inline constexpr int kDealShuffleAfterMs = 100;
inline constexpr int kDealGlimpseMs = 2;
inline constexpr int kDealBeforeFlightMs = 1;
// Each dealt card is picked up a seventh of a card right and down of the
// source.
inline constexpr int kDealLiftDivisor = 7;
// Game family 46 deals from off the table, this many card widths to the left.
inline constexpr double kOffTableDealSource = 1.1;

}  // namespace vis::motion
