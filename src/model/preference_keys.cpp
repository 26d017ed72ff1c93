#include "model/preference_keys.h"

#include <array>

#include "model/text.h"

namespace vis {

namespace {

using enum PrefType;
namespace f = field;

constexpr PreferenceKey Flag(std::string_view key, std::string_view def,
                             std::optional<StateField> stateField = std::nullopt) {
    return {key, kFlag, def, stateField};
}
constexpr PreferenceKey Int(std::string_view key, std::string_view def,
                            std::optional<StateField> stateField = std::nullopt) {
    return {key, kInteger, def, stateField};
}
constexpr PreferenceKey Text(std::string_view key, std::string_view def,
                             std::optional<StateField> stateField = std::nullopt) {
    return {key, kText, def, stateField};
}

constexpr std::array kKeys = {
    Flag("AutoPlay", "Y"),
    Flag("Automatic_FaceUp", "Y", f::kAutomaticFaceUp),
    Int("Back_Card", "11", f::kBackCard),
    Int("Background_bmp", "0", f::kBackgroundPicture),
    Int("Background_Col", "-2147483633", f::kBackgroundColour),
    Flag("Background_def", "N", f::kBackgroundDefault),
    Int("Background_Fixed_Col", "32768", f::kBackgroundFixedColour),
    PreferenceKey{"Card", kInteger, "1", f::kCardSet, DerivedDefault::kCardSetForColours},
    Text("Card_Size", "B", f::kCardSize),
    Flag("CardCounter_Inverse", "N"),
    Flag("CardCounter_Stock", "N"),
    Flag("CardCounter_Tableau", "N"),
    Flag("CardCounter_Visible", "N"),
    Int("CardCounter_Left", "-1"),
    Int("CardCounter_Top", "-1"),
    Flag("Cards_Animate", "Y", f::kCardsAnimate),
    PreferenceKey{"Cards_Shadowed", kFlag, "Y", f::kCardsShadowed,
                  DerivedDefault::kSameAsCardsAnimate},
    Flag("ConfirmEnterHiScores", "Y", f::kConfirmEnterHiScores),
    Flag("ConfirmQuit", "N"),
    Flag("ConfirmQuitGame", "N", f::kConfirmQuitGame),
    Flag("ConfirmSaveAndExit", "N"),
    Int("ConfirmSaveAndExitType", "0"),
    Int("Cursor", "10", f::kCursorStyle),
    Text("Customized_Background", ""),
    Flag("Deal_Animation", "Y", f::kDealAnimation),
    PreferenceKey{"Dir_Save", kText, "", std::nullopt, DerivedDefault::kProgramDir},
    Flag("DoubleClick_To_Foundations", "Y", f::kDoubleClickToFoundations),
    Flag("DoubleClick_To_Tableaus", "N", f::kDoubleClickToTableaus),
    Flag("Fade_Background", "Y", f::kFadeBackground),
    Int("Game", "1", f::kGameNumber),
    Text("Game_name", "Freecell", f::kGameName),
    Int("Game_TreeNum", "-30"),
    Int("HighLights_Foundations_Color", "0"),
    Int("HighLights_Foundations_Mark", "0"),
    Int("Language", "20000", f::kLanguage),
    Int("MainWindowState_Left", "50"),
    Int("MainWindowState_Top", "50"),
    PreferenceKey{"MainWindowState_Width", kInteger, "", std::nullopt,
                  DerivedDefault::kScreenWidthMinus150},
    PreferenceKey{"MainWindowState_Height", kInteger, "", std::nullopt,
                  DerivedDefault::kScreenHeightMinus150},
    Flag("MainWindowState_Maximized", "Y"),
    Flag("Open_Preview_Game", "Y"),
    Flag("Piles_TT", "N", f::kIrregularPiles),
    Flag("Random_Background", "N", f::kRandomBackground),
    Flag("Random_Card", "N", f::kRandomCard),
    Flag("Random_Deck", "N", f::kRandomDeck),
    Flag("Redeal_Animation", "Y", f::kRedealAnimation),
    Flag("RightClick_To_Foundations", "Y", f::kRightClickToFoundations),
    Flag("RightClick_To_Tableaus", "Y", f::kRightClickToTableaus),
    Flag("Show_Main_Popup_Menu", "Y", f::kShowMainPopupMenu),
    Flag("Show_Score", "Y", f::kShowScore),
    Flag("Show_Time", "Y", f::kShowTime),
    Flag("Show_ToolTips", "Y", f::kShowToolTips),
    Flag("ShowPilesSize", "N", f::kShowPilesSize),
    Flag("Sounds_Enabled", "Y", f::kSoundsEnabled),
    Flag("Sounds_About", "Y", f::kSoundsAbout),
    Flag("Sounds_Autoplay", "Y", f::kSoundsAutoplay),
    Flag("Sounds_CardDown", "Y", f::kSoundsCardDown),
    Flag("Sounds_CardUp", "Y", f::kSoundsCardUp),
    Flag("Sounds_FaceUp", "Y", f::kSoundsFaceUp),
    Flag("Sounds_Foundation", "Y", f::kSoundsFoundation),
    Flag("Sounds_GameWon", "Y", f::kSoundsGameWon),
    Flag("Sounds_HiScores", "Y", f::kSoundsHiScores),
    Flag("Sounds_NewGame", "Y", f::kSoundsNewGame),
    Flag("Sounds_NewHiScores", "Y", f::kSoundsNewHiScores),
    Flag("Sounds_Pairing", "Y", f::kSoundsPairing),
    Flag("Sounds_Redeal", "Y", f::kSoundsRedeal),
    Flag("Sounds_Redeal_Without_Animation", "Y", f::kSoundsRedealWithoutAnimation),
    Flag("Sounds_Redo", "Y", f::kSoundsRedo),
    Flag("Sounds_Restart", "Y", f::kSoundsRestart),
    Flag("Sounds_Shuffle", "Y", f::kSoundsShuffle),
    Flag("Sounds_Splash", "Y", f::kSoundsSplash),
    Flag("Sounds_Stock", "Y", f::kSoundsStock),
    Flag("Sounds_Tableau", "Y", f::kSoundsTableau),
    Flag("Sounds_Undo", "Y", f::kSoundsUndo),
    Int("Speed_Move_Card", "10", f::kSpeedMoveCard),
    Flag("StatusBar", "N", f::kStatusBar),
    Int("Tips_Num", "0"),
    Flag("Tips_StartUp", "N"),
    Flag("ToolBar_Flat", "Y"),
    Flag("ToolBar_Large", "N"),
    Flag("ToolBar_Visible", "Y"),
    Text("Undo_Enabled", "0", f::kUndoMode),
    Text("UserDefault", "", f::kPlayer),
    Flag("VertScrollBar", "Y", f::kVertScrollBar),
    Text("Winning_Animations", "(Random)"),
    Int("Winning_Animations_Time", "30"),
};

constexpr int kFewColours = 256;
constexpr int kWindowMargin = 150;

}  // namespace

std::string UserKey(int number) {
    return "User" + ZeroPad(number, 3);
}

std::span<const PreferenceKey> PreferenceKeys() {
    return kKeys;
}

const PreferenceKey* FindPreferenceKey(std::string_view key) {
    for (const auto& entry : kKeys)
        if (EqualsIgnoreCase(entry.key, key)) return &entry;
    return nullptr;
}

std::string DefaultValue(const PreferenceKey& key, const DefaultContext& context) {
    switch (key.derived) {
        case DerivedDefault::kNone:
            return std::string(key.defaultValue);
        case DerivedDefault::kSameAsCardsAnimate:
            return context.cardsAnimate ? "Y" : "N";
        case DerivedDefault::kCardSetForColours:
            return context.screenColours <= kFewColours ? "3" : "1";
        case DerivedDefault::kScreenWidthMinus150:
            return std::to_string(context.screenWidth - kWindowMargin);
        case DerivedDefault::kScreenHeightMinus150:
            return std::to_string(context.screenHeight - kWindowMargin);
        case DerivedDefault::kProgramDir:
            return context.programDir;
    }
    return {};
}

}  // namespace vis
