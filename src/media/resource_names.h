// Every name the program asks of the resource library, and the pixel size
// each picture must have. The generator draws from this table and the tests
// check the library against it, so a name is spelled in one place only.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vis {

enum class ResourceKind { kBitmap, kPointer, kSound };

struct ResourceEntry {
    ResourceKind kind = ResourceKind::kBitmap;
    std::string name;
    int width = 0;  // pixels; 0 for sounds
    int height = 0;
};

struct CardSize {
    char letter;
    int width;
    int height;
};

inline constexpr std::array<CardSize, 3> kCardSizes{{{'B', 71, 96}, {'M', 59, 80}, {'L', 25, 32}}};
std::optional<CardSize> CardSizeOf(char letter);

// Suit letters of the face sheets, in the order of the card images.
inline constexpr std::string_view kSuitLetters = "HDCS";
inline constexpr int kFaceSetCount = 5;
inline constexpr int kBackCount = 27;
// Face sheets hold ace to king five to a row.
inline constexpr int kSheetColumns = 5;
inline constexpr int kSheetRows = 3;

// Shadows are as deep as the widest shadow margin; stack edges cover the
// deepest stock block (15 pixels) plus the edge line.
inline constexpr int kShadowDepth = 9;
inline constexpr int kStackEdgeDepth = 16;
inline constexpr int kStackEdgeOverhang = 13;

// Background picture numbers: tiles for rich displays (257-324) and for
// displays of 256 colours or fewer (101-105).
const std::vector<int>& BackgroundPictureNumbers();
inline constexpr int kRichBackgroundTile = 256;
inline constexpr int kPlainBackgroundTile = 64;
inline constexpr int kDemoBackgroundTile = 128;

// Suffixes of the empty-pile marks: redeal, exhausted, special stock, waste,
// plain, any-card tableau, the rank marks ace to king, reserve cells.
const std::vector<std::string>& PileMarkSuffixes();

std::string CardSheetName(char size, int faceSet, char suitLetter);  // "CB001H"
std::string JokerName(char size);                                    // "JOKER_B"
std::string CardBackName(char size, int back);                       // "DB007"
std::string PileMarkName(char size, std::string_view suffix);        // "WB_WASTE"
std::string ShadowName(char size, int side);          // side 1 right strip, 2 bottom strip
std::string StackEdgeName(char size, int direction);  // 1 vertical, 2 horizontal
std::string BackgroundName(int number);               // "B257"
inline constexpr std::string_view kDemoBackgroundName = "Y001";

// The game types that have a picture in the game tree (the picture names
// are the catalog's TypePictureName).
const std::vector<int>& GameTypesWithPictures();

// Card counter: row labels per suit index 0-3, cells by rank 1-13.
std::string CounterRowLabelName(int suitIndex);  // "card_hearts"
std::string CounterCellName(int rank, bool up);  // "Card_12_Up"
inline constexpr std::string_view kCounterEmptyCellName = "Card_None";
inline constexpr int kCounterLabelWidth = 14;
inline constexpr int kCounterCellWidth = 13;
inline constexpr int kCounterCellHeight = 17;

// Suit symbols beside text, by suit index 0-3.
std::string SuitSymbolName(int suitIndex);  // "SUIT_HEARTS"
inline constexpr int kSuitSymbolSize = 12;

// Sort direction arrows of the grid headers.
inline constexpr std::string_view kSortUpName = "UP";
inline constexpr std::string_view kSortDownName = "DOWN";
inline constexpr int kSortArrowSize = 9;

// Toolbar glyphs. The small toolbar swaps three of them for their disabled
// forms; every command has a small (16) and a large (28) glyph.
inline constexpr std::array<std::string_view, 10> kToolbarCommands{
    "NEW", "OPEN", "RESTART", "SAVE", "UNDO", "REDO", "AUTOPLAY", "STATISTICS", "RULES", "EXIT"};
std::string ToolbarGlyphName(std::string_view command, bool large, bool disabled);
inline constexpr int kSmallGlyphSize = 16;
inline constexpr int kLargeGlyphSize = 28;

// Tree icons of the Customize dialog, in image-list order.
inline constexpr std::array<std::string_view, 5> kTreeIconNames{"TREE1", "TREE2", "N_TREE3",
                                                                "N_TREE4", "N_TREE5"};
inline constexpr int kTreeIconSize = 16;

// Pointer shapes: pointer numbers 10-15 use the "A" forms, 20-25 (while a
// card is carried) the "B" forms.
std::string PointerShapeName(int pointerNumber);  // empty outside 10-15 and 20-25
inline constexpr int kPointerSize = 32;

// Pictures of the pause screen, the poker panel, the effect previews.
inline constexpr std::string_view kPauseTitleName = "BMP_PAUSE_1";
inline constexpr std::string_view kPauseTrackName = "BMP_PAUSE_2";
inline constexpr std::string_view kPokerPanelName = "Panel_pk";
inline constexpr std::string_view kSplashPictureName = "SPLASH";
inline constexpr std::string_view kAboutPictureName = "ABOUT";
inline constexpr std::array<std::string_view, 4> kEffectPreviewNames{
    "CARD_WITH_SHADOW", "CARD_WITHOUT_SHADOW", "CARD_IRR_PILES_YES", "CARD_IRR_PILES_NO"};
inline constexpr std::string_view kAnimatedYesName = "Animated_Yes";
inline constexpr std::string_view kAnimatedNoName = "Animated_No";
inline constexpr int kEffectPreviewWidth = 160;
inline constexpr int kEffectPreviewHeight = 80;
inline constexpr int kAnimatedYesFrames = 12;
inline constexpr int kAnimatedNoFrames = 2;

// Wave sounds, as the events name them.
const std::vector<std::string>& SoundNames();

// How the library file stores them: one folder per kind, pictures and
// pointer shapes as PNG (pointer hot spots in the PNG text keys below),
// sounds as 16-bit PCM WAV.
inline constexpr std::string_view kBitmapFolder = "bitmaps";
inline constexpr std::string_view kPointerFolder = "pointers";
inline constexpr std::string_view kSoundFolder = "sounds";
inline constexpr std::string_view kPictureSuffix = ".png";
inline constexpr std::string_view kSoundSuffix = ".wav";
inline constexpr std::string_view kHotSpotXKey = "HotSpotX";
inline constexpr std::string_view kHotSpotYKey = "HotSpotY";

// Every resource the program asks for, with its pixel size.
const std::vector<ResourceEntry>& ResourceCatalog();
// The catalog entry of a name of that kind, found without regard to letter
// case (a picture and a sound may share a name).
const ResourceEntry* FindResourceEntry(ResourceKind kind, std::string_view name);

}  // namespace vis
