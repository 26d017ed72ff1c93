#include "options/random_presentation.h"

#include "model/text.h"
#include "options/customize_trees.h"

namespace vis {

namespace {

constexpr int kFaceSets = 5;
constexpr int kBacks = 27;

void PickBackground(StateBlock& state, bool richColours, const std::function<bool(int)>& hasPicture,
                    const std::function<int(int, int)>& draw) {
    state.SetFlag(field::kBackgroundDefault, false);
    state.Set(field::kBackgroundPicture, "0");
    state.Set(field::kBackgroundFixedColour, "0");
    state.SetFlag(field::kHasCustomBackground, false);
    // The pictures from `first`, and the six colours after the last of them
    // (on rich displays only while fading is on).
    const int last = richColours ? 67 : 5;
    const int first = richColours ? 257 : 101;
    const int colours = richColours && !state.GetFlag(field::kFadeBackground) ? 0 : 6;
    const int d = draw(0, last + colours);
    if (d > last) {
        state.SetDecimal(field::kBackgroundFixedColour,
                         FixedBackgroundColours()[d - last - 1].value);
        return;
    }
    int number = first + d;
    while (number > 0 && !hasPicture(number)) --number;
    state.SetDecimal(field::kBackgroundPicture, number);
}

}  // namespace

RandomPresentation PickRandomPresentation(StateBlock& state, bool richColours,
                                          const std::function<bool(int)>& hasPicture,
                                          const std::function<int(int, int)>& draw) {
    RandomPresentation changed;
    if (state.GetFlag(field::kRandomBackground))
        PickBackground(state, richColours, hasPicture, draw);
    if (state.GetFlag(field::kRandomCard) && state.Get(field::kCardSize) == "B") {
        const int set = draw(1, kFaceSets);
        if (set != state.GetInt(field::kCardSet, 0)) {
            state.Set(field::kCardSet, ZeroPad(set, 3));
            changed.faces = true;
        }
    }
    if (state.GetFlag(field::kRandomDeck)) {
        const int back = draw(1, kBacks);
        if (back != state.GetInt(field::kBackCard, 0)) {
            state.Set(field::kBackCard, ZeroPad(back, 3));
            changed.back = true;
        }
    }
    return changed;
}

}  // namespace vis
