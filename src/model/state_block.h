// The positional text record of the current state (positions 1-999).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/settings.h"

namespace vis {

// A field of the state block: 1-based first position and length.
struct StateField {
    int position;
    int length;
};

// Every field the program uses, by name.
namespace field {
inline constexpr StateField kConfigPath{1, 20};
inline constexpr StateField kBackCard{21, 3};
inline constexpr StateField kCardSet{24, 3};
inline constexpr StateField kBackgroundDefault{27, 1};
inline constexpr StateField kBackgroundColour{28, 15};
inline constexpr StateField kBackgroundPicture{43, 4};
inline constexpr StateField kBackgroundFixedColour{47, 15};
inline constexpr StateField kGameNumber{62, 4};
inline constexpr StateField kShowTime{66, 1};
inline constexpr StateField kCardsAnimate{67, 1};
inline constexpr StateField kLanguage{68, 6};
inline constexpr StateField kSpeedMoveCard{74, 2};
inline constexpr StateField kStatusBar{76, 1};
inline constexpr StateField kPlayer{77, 30};
inline constexpr StateField kRunWon{112, 4};
inline constexpr StateField kRunLost{116, 4};
inline constexpr StateField kScoringScheme{120, 2};
inline constexpr StateField kScore{122, 6};
inline constexpr StateField kCardSize{128, 1};
inline constexpr StateField kSavedCardSet{129, 3};
inline constexpr StateField kSavedBackCard{132, 3};
inline constexpr StateField kFadeBackground{135, 1};
inline constexpr StateField kShowScore{136, 1};
inline constexpr StateField kUndoMode{137, 1};
inline constexpr StateField kUndoTaken{138, 1};
inline constexpr StateField kRedoTaken{139, 1};
inline constexpr StateField kSoundsEnabled{141, 1};
inline constexpr StateField kSoundsAbout{142, 1};
inline constexpr StateField kSoundsAutoplay{143, 1};
inline constexpr StateField kSoundsGameWon{144, 1};
inline constexpr StateField kSoundsNewGame{145, 1};
inline constexpr StateField kSoundsRedo{146, 1};
inline constexpr StateField kSoundsRestart{147, 1};
inline constexpr StateField kSoundsSplash{148, 1};
inline constexpr StateField kSoundsShuffle{149, 1};
inline constexpr StateField kSoundsUndo{151, 1};
inline constexpr StateField kRandomBackground{152, 1};
inline constexpr StateField kDealNumber{153, 15};
inline constexpr StateField kSoundsHiScores{171, 1};
inline constexpr StateField kCursorStyle{172, 2};
inline constexpr StateField kSoundsNewHiScores{174, 1};
inline constexpr StateField kSoundsPairing{175, 1};
inline constexpr StateField kSoundsStock{176, 1};
inline constexpr StateField kSoundsTableau{177, 1};
inline constexpr StateField kCardsShadowed{178, 1};
inline constexpr StateField kIrregularPiles{179, 1};
inline constexpr StateField kSoundsFaceUp{180, 1};
inline constexpr StateField kSoundsCardDown{181, 1};
inline constexpr StateField kSoundsCardUp{182, 1};
inline constexpr StateField kSoundsRedeal{183, 1};
inline constexpr StateField kSoundsFoundation{184, 1};
inline constexpr StateField kConfirmQuitGame{185, 1};
inline constexpr StateField kConfirmEnterHiScores{186, 1};
inline constexpr StateField kRandomCard{187, 1};
inline constexpr StateField kRandomDeck{188, 1};
inline constexpr StateField kGameName{189, 50};
inline constexpr StateField kAutomaticFaceUp{239, 1};
inline constexpr StateField kSavedCardSize{240, 1};
inline constexpr StateField kDealAnimation{241, 1};
inline constexpr StateField kRedealAnimation{242, 1};
inline constexpr StateField kVertScrollBar{243, 1};
inline constexpr StateField kShowToolTips{244, 1};
inline constexpr StateField kShowPilesSize{245, 1};
inline constexpr StateField kHasCustomBackground{246, 1};
inline constexpr StateField kRightClickToFoundations{247, 1};
inline constexpr StateField kRightClickToTableaus{248, 1};
inline constexpr StateField kDoubleClickToFoundations{249, 1};
inline constexpr StateField kDoubleClickToTableaus{251, 1};
inline constexpr StateField kSoundsRedealWithoutAnimation{252, 1};
inline constexpr StateField kShowMainPopupMenu{253, 1};
inline constexpr StateField kProgramDir{501, 200};
inline constexpr StateField kBookmarkPath{701, 200};
}  // namespace field

// The configuration file below the program directory, in its stored form.
inline constexpr std::string_view kConfigRelativePath = "DATA\\CFG.DAT";

class StateBlock {
public:
    StateBlock();

    // Leading blanks removed, then padded with blanks or cut to `length`.
    void SetStateField(int position, int length, std::string_view value);
    // Trailing blanks removed; positions never written read as empty text.
    std::string GetStateField(int position, int length) const;

    void Set(StateField f, std::string_view value) { SetStateField(f.position, f.length, value); }
    std::string Get(StateField f) const { return GetStateField(f.position, f.length); }

    // Flags are "Y" / "N".
    bool GetFlag(StateField f) const { return Get(f) == "Y"; }
    void SetFlag(StateField f, bool on) { Set(f, on ? "Y" : "N"); }

    // Numbers: zero-padded on write, `fallback` when the text is not a number.
    std::int32_t GetInt(StateField f, std::int32_t fallback = 0) const;
    void SetZeroPadded(StateField f, std::int64_t value);
    void SetDecimal(StateField f, std::int64_t value);

    // The choices held in the fields, as values.
    const Settings& GetSettings() const { return settings_; }

private:
    void RefreshSettings(int position, int length);

    // Three independent blocks (1-249, 251-499, 501-999); each starts as
    // 250 blanks and grows when a field past its end is written.
    std::array<std::string, 3> blocks_;
    Settings settings_;
};

}  // namespace vis
