// The player's display and play choices that the engine and the painter
// consult on every move and paint, as values. The state block keeps them in
// step with its fields whenever one is written, so a preference loaded at
// start-up or changed in a dialog is seen at once.
#pragma once

namespace vis {

struct Settings {
    // On unless turned off ("N"): a blank field, as before the preferences
    // are read, leaves them on.
    bool cardsAnimate = true;
    bool dealAnimation = true;
    bool redealAnimation = true;
    bool automaticFaceUp = true;
    bool irregularPiles = true;
    bool confirmQuitGame = true;
    // Off unless turned on ("Y").
    bool cardsShadowed = false;
    bool vertScrollBar = false;
};

}  // namespace vis
