#include "options/customize_trees.h"

#include <array>
#include <cstdlib>

namespace vis {

namespace {

namespace f = field;

constexpr std::array<ChoiceNode, 6> kFixedColours{{{"Blue", 16711680},
                                                   {"Green", 32768},
                                                   {"Navy", 8388608},
                                                   {"Olive", 32896},
                                                   {"Teal", 8421376},
                                                   {"White", 16777215}}};

constexpr std::array<SoundEvent, 19> kSoundEvents{{
    {1, "Actions", "New game", f::kSoundsNewGame, "Sounds_NewGame", "New"},
    {2, "Actions", "Redo", f::kSoundsRedo, "Sounds_Redo", "Redo"},
    {3, "Actions", "Restart game", f::kSoundsRestart, "Sounds_Restart", "Restart"},
    {4, "Actions", "Undo", f::kSoundsUndo, "Sounds_Undo", "Undo"},
    {5, "Cards", "Automatic deal", f::kSoundsShuffle, "Sounds_Shuffle", "Shuffle"},
    {6, "Cards", "Autoplay move", f::kSoundsAutoplay, "Sounds_Autoplay", "Autoplay"},
    {7, "Cards", "Card down", f::kSoundsCardDown, "Sounds_CardDown", "Card_down"},
    {8, "Cards", "Card up", f::kSoundsCardUp, "Sounds_CardUp", "Card_up"},
    {9, "Cards", "Deal a card from the stock", f::kSoundsStock, "Sounds_Stock", "Stock"},
    {11, "Cards", "Pairing cards", f::kSoundsPairing, "Sounds_Pairing", "Pairing"},
    {12, "Cards", "Play a card to a foundation", f::kSoundsFoundation, "Sounds_Foundation",
     "Foundation"},
    {13, "Cards", "Play a card to the tableau", f::kSoundsTableau, "Sounds_Tableau", "Tableau"},
    {14, "Cards", "Redeal with animation", f::kSoundsRedeal, "Sounds_Redeal", "Redeal"},
    {19, "Cards", "Redeal without animation", f::kSoundsRedealWithoutAnimation,
     "Sounds_Redeal_Without_Animation", "red_no_a"},
    {10, "Cards", "Turn a card face up", f::kSoundsFaceUp, "Sounds_FaceUp", "Face_up"},
    {15, "Dialog box", "About", f::kSoundsAbout, "Sounds_About", "About"},
    {16, "Dialog box", "Hi-Scores", f::kSoundsHiScores, "Sounds_HiScores", "Hi-Scor"},
    {17, "System", "Enter Hi-Scores", f::kSoundsNewHiScores, "Sounds_NewHiScores", "Scores"},
    {18, "System", "Game won (applause)", f::kSoundsGameWon, "Sounds_GameWon", "Won"},
}};

constexpr std::array<CheckedOption, 20> kCheckedOptions{{
    {"chkRandomBackground", "Random_Background", f::kRandomBackground},
    {"chkRandomCard", "Random_Card", f::kRandomCard},
    {"chkRandomDeck", "Random_Deck", f::kRandomDeck},
    {"chkFadeBackground", "Fade_Background", f::kFadeBackground, true},
    {"chkAnimated", "Cards_Animate", f::kCardsAnimate},
    {"chkShadowed", "Cards_Shadowed", f::kCardsShadowed},
    {"chkIrregularPiles", "Piles_TT", f::kIrregularPiles},
    {"chkAutomaticFaceUp", "Automatic_FaceUp", f::kAutomaticFaceUp},
    {"chkDealAnimation", "Deal_Animation", f::kDealAnimation},
    {"chkRedealAnimation", "Redeal_Animation", f::kRedealAnimation},
    {"chkShowToolTips", "Show_ToolTips", f::kShowToolTips, true},
    {"chkVertScrollBar", "VertScrollBar", f::kVertScrollBar, true},
    {"chkPilesSize", "ShowPilesSize", f::kShowPilesSize, true},
    {"chkMainPopupMenu", "Show_Main_Popup_Menu", f::kShowMainPopupMenu, true},
    {"chkShowTime", "Show_Time", f::kShowTime},
    {"chkShowScore", "Show_Score", f::kShowScore},
    {"chkRightFoundations", "RightClick_To_Foundations", f::kRightClickToFoundations},
    {"chkRightTableaus", "RightClick_To_Tableaus", f::kRightClickToTableaus},
    {"chkDoubleFoundations", "DoubleClick_To_Foundations", f::kDoubleClickToFoundations},
    {"chkDoubleTableaus", "DoubleClick_To_Tableaus", f::kDoubleClickToTableaus},
}};

}  // namespace

std::span<const CheckedOption> CheckedOptions() {
    return kCheckedOptions;
}

const std::vector<ChoiceGroup>& CardBackTree() {
    static const std::vector<ChoiceGroup> tree{
        {"Animals", {{"Eagle", 18}, {"Horse", 27}, {"Penguin", 24}, {"Tropical fish", 19}}, {}},
        {"Children", {{"Dragon", 4}, {"Flowers", 5}, {"Snowman", 3}, {"Teddy bear", 13}}, {}},
        {"Classics",
         {{"Classic blue", 7}, {"Classic orange", 9}, {"Classic red", 8}, {"Sun", 10}},
         {}},
        {"Flowers", {{"Flower", 15}, {"Roses", 14}}, {}},
        {"Geometric", {{"Plaiting 1", 11}, {"Plaiting 2", 6}, {"Stars", 17}}, {}},
        {"Nature",
         {{"Clouds", 21},
          {"Hills", 26},
          {"Lake", 20},
          {"Mountains 1", 23},
          {"Mountains 2", 25},
          {"Sea", 22}},
         {}},
        {"Paintings", {{"Africa", 12}, {"Boat", 1}, {"Japanese woman", 16}, {"Magi", 2}}, {}},
    };
    return tree;
}

const std::vector<ChoiceGroup>& BackgroundTree() {
    static const std::vector<ChoiceGroup> tree = [] {
        std::vector<ChoiceNode> colours{{"(Custom color)", background_node::kCustomColour}};
        colours.insert(colours.end(), kFixedColours.begin(), kFixedColours.end());
        return std::vector<ChoiceGroup>{
            {"Colors", colours, {}},
            {"Over 256 colors",
             {},
             {
                 {"Colors fantasy",
                  {{"Fantasy 1", 279},
                   {"Fantasy 2", 271},
                   {"Fantasy 3", 283},
                   {"Petals", 275},
                   {"Puzzle", 316}},
                  {}},
                 {"Fractal", {{"Fractal 1", 322}, {"Fractal 2", 286}}, {}},
                 {"Geometricals", {{"Labyrinth", 278}, {"Zigzag", 276}}, {}},
                 {"Marbles",
                  {{"Granite", 262}, {"Marble 1", 263}, {"Marble 2", 261}, {"Marble 3", 260}},
                  {}},
                 {"Metal", {{"Metal blue", 272}, {"Metal gold", 287}, {"Ribbon", 301}}, {}},
                 {"Nature",
                  {{"Clouds", 274},
                   {"Leaves", 277},
                   {"Meadow", 324},
                   {"River's stones", 281},
                   {"Starry sky", 282},
                   {"Water", 257}},
                  {}},
                 {"Others",
                  {{"Bubbles", 265},
                   {"Drops", 273},
                   {"Floor", 285},
                   {"Letters", 284},
                   {"Spheres in the sky", 307},
                   {"Wax", 299},
                   {"Fantasy", 310}},
                  {}},
                 {"Patterns",
                  {{"Pattern 1", 302}, {"Pattern 2", 318}, {"Pattern 3", 319}, {"Pattern 4", 320}},
                  {}},
                 {"Surfaces",
                  {{"Glass", 297},
                   {"Surface 1", 264},
                   {"Surface 2", 293},
                   {"Surface 3", 291},
                   {"Surface 4", 290},
                   {"Surface 5", 292},
                   {"Surface 6", 288},
                   {"Surface 7", 295},
                   {"Surface 8", 306}},
                  {}},
                 {"Tissue",
                  {{"Carpet", 267},
                   {"Cloth", 317},
                   {"Jute", 258},
                   {"Linen", 268},
                   {"Moquette 1", 296},
                   {"Moquette 2", 321},
                   {"Moquette 3", 266}},
                  {}},
                 {"Paper", {{"Fold paper", 303}, {"Wall-paper", 259}}, {}},
                 {"Walls", {{"Brick wall 1", 304}, {"Brick wall 2", 305}, {"Stone wall", 308}}, {}},
                 {"Wood",
                  {{"Carved wood", 270},
                   {"Cork", 309},
                   {"Dark brown 1", 315},
                   {"Dark brown 2", 314},
                   {"Light 1", 269},
                   {"Light 2", 313},
                   {"Light brown", 312},
                   {"Parquet", 311},
                   {"Ply-wood", 289}},
                  {}},
             }},
            {"Under 256 colors",
             {},
             {{"Geometricals",
               {{"Cane-brake", 104},
                {"Cloth", 103},
                {"Moquette", 102},
                {"Parquet", 101},
                {"Thousand rows", 105}},
               {}}}},
        };
    }();
    return tree;
}

std::span<const ChoiceNode> FixedBackgroundColours() {
    return kFixedColours;
}

std::span<const SoundEvent> SoundEvents() {
    return kSoundEvents;
}

int SpeedPositionOf(int delay) {
    int best = 0;
    for (int i = 1; i < 5; ++i)
        if (std::abs(kSpeedDelays[i] - delay) < std::abs(kSpeedDelays[best] - delay)) best = i;
    return best + 1;
}

}  // namespace vis
