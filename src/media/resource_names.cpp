#include "media/resource_names.h"

#include <unordered_map>

#include "model/catalog.h"
#include "model/text.h"

namespace vis {

namespace {

constexpr std::array<std::string_view, 4> kSuitSymbolWords{"HEARTS", "DIAMONDS", "CLUBS", "SPADES"};
constexpr std::array<std::string_view, 4> kCounterSuitWords{"hearts", "diamonds", "clubs",
                                                            "spades"};
constexpr std::array<std::string_view, 6> kPointerStems{"ARROW1",      "ARROW2",     "RIGHT_HAND1",
                                                        "RIGHT_HAND2", "LEFT_HAND1", "LEFT_HAND2"};

std::string Letter(char c) {
    return std::string(1, c);
}

void AddBitmap(std::vector<ResourceEntry>& out, std::string name, int width, int height) {
    out.push_back({ResourceKind::kBitmap, std::move(name), width, height});
}

void AddCardPictures(std::vector<ResourceEntry>& out) {
    for (const CardSize& size : kCardSizes) {
        for (int set = 1; set <= kFaceSetCount; ++set) {
            for (char suit : kSuitLetters) {
                AddBitmap(out, CardSheetName(size.letter, set, suit), size.width * kSheetColumns,
                          size.height * kSheetRows);
            }
        }
        AddBitmap(out, JokerName(size.letter), size.width, size.height);
        for (int back = 1; back <= kBackCount; ++back) {
            AddBitmap(out, CardBackName(size.letter, back), size.width, size.height);
        }
    }
}

void AddTablePictures(std::vector<ResourceEntry>& out) {
    for (const CardSize& size : kCardSizes) {
        for (const std::string& suffix : PileMarkSuffixes()) {
            AddBitmap(out, PileMarkName(size.letter, suffix), size.width, size.height);
        }
        AddBitmap(out, ShadowName(size.letter, 1), kShadowDepth, size.height);
        AddBitmap(out, ShadowName(size.letter, 2), size.width, kShadowDepth);
        AddBitmap(out, StackEdgeName(size.letter, 1), kStackEdgeDepth,
                  size.height + kStackEdgeOverhang);
        AddBitmap(out, StackEdgeName(size.letter, 2), size.width + kStackEdgeOverhang,
                  kStackEdgeDepth);
    }
    for (int number : BackgroundPictureNumbers()) {
        int tile = number < 200 ? kPlainBackgroundTile : kRichBackgroundTile;
        AddBitmap(out, BackgroundName(number), tile, tile);
    }
    AddBitmap(out, std::string(kDemoBackgroundName), kDemoBackgroundTile, kDemoBackgroundTile);
    AddBitmap(out, std::string(kPauseTitleName), 168, 56);
    AddBitmap(out, std::string(kPauseTrackName), 320, 26);
    AddBitmap(out, std::string(kPokerPanelName), 180, 60);
}

void AddControlPictures(std::vector<ResourceEntry>& out) {
    for (std::string_view command : kToolbarCommands) {
        for (bool large : {false, true}) {
            int size = large ? kLargeGlyphSize : kSmallGlyphSize;
            AddBitmap(out, ToolbarGlyphName(command, large, false), size, size);
            AddBitmap(out, ToolbarGlyphName(command, large, true), size, size);
        }
    }
    for (std::string_view name : kTreeIconNames) {
        AddBitmap(out, std::string(name), kTreeIconSize, kTreeIconSize);
    }
    for (int type : GameTypesWithPictures()) {
        AddBitmap(out, TypePictureName(type), kTreeIconSize, kTreeIconSize);
    }
    for (int suit = 0; suit < 4; ++suit) {
        AddBitmap(out, CounterRowLabelName(suit), kCounterLabelWidth, kCounterCellHeight);
        AddBitmap(out, SuitSymbolName(suit), kSuitSymbolSize, kSuitSymbolSize);
    }
    AddBitmap(out, std::string(kCounterEmptyCellName), kCounterCellWidth, kCounterCellHeight);
    for (int rank = 1; rank <= 13; ++rank) {
        AddBitmap(out, CounterCellName(rank, true), kCounterCellWidth, kCounterCellHeight);
        AddBitmap(out, CounterCellName(rank, false), kCounterCellWidth, kCounterCellHeight);
    }
    AddBitmap(out, std::string(kSortUpName), kSortArrowSize, kSortArrowSize);
    AddBitmap(out, std::string(kSortDownName), kSortArrowSize, kSortArrowSize);
    for (std::string_view name : kEffectPreviewNames) {
        AddBitmap(out, std::string(name), kEffectPreviewWidth, kEffectPreviewHeight);
    }
    AddBitmap(out, std::string(kAnimatedYesName), kEffectPreviewWidth * kAnimatedYesFrames,
              kEffectPreviewHeight);
    AddBitmap(out, std::string(kAnimatedNoName), kEffectPreviewWidth * kAnimatedNoFrames,
              kEffectPreviewHeight);
    AddBitmap(out, std::string(kSplashPictureName), 393, 309);
    AddBitmap(out, std::string(kAboutPictureName), 360, 140);
}

std::vector<ResourceEntry> BuildCatalog() {
    std::vector<ResourceEntry> out;
    AddCardPictures(out);
    AddTablePictures(out);
    AddControlPictures(out);
    for (int number : {10, 11, 12, 13, 14, 15, 20, 21, 22, 23, 24, 25}) {
        out.push_back(
            {ResourceKind::kPointer, PointerShapeName(number), kPointerSize, kPointerSize});
    }
    for (const std::string& name : SoundNames()) {
        out.push_back({ResourceKind::kSound, name, 0, 0});
    }
    return out;
}

}  // namespace

std::optional<CardSize> CardSizeOf(char letter) {
    for (const CardSize& size : kCardSizes) {
        if (size.letter == letter) return size;
    }
    return std::nullopt;
}

const std::vector<int>& BackgroundPictureNumbers() {
    static const std::vector<int> numbers = [] {
        std::vector<int> result{101, 102, 103, 104, 105};
        constexpr std::array<int, 5> kUnused{280, 294, 298, 300, 323};
        for (int number = 257; number <= 324; ++number) {
            bool unused = false;
            for (int gap : kUnused) unused = unused || gap == number;
            if (!unused) result.push_back(number);
        }
        return result;
    }();
    return numbers;
}

const std::vector<std::string>& PileMarkSuffixes() {
    static const std::vector<std::string> suffixes{
        "022", "008", "021", "_WASTE", "004", "_TABLEAU", "010", "012", "013", "014", "015",
        "016", "017", "018", "019",    "020", "006",      "003", "011", "001", "009"};
    return suffixes;
}

std::string CardSheetName(char size, int faceSet, char suitLetter) {
    return "C" + Letter(size) + ZeroPad(faceSet, 3) + Letter(suitLetter);
}

std::string JokerName(char size) {
    return "JOKER_" + Letter(size);
}

std::string CardBackName(char size, int back) {
    return "D" + Letter(size) + ZeroPad(back, 3);
}

std::string PileMarkName(char size, std::string_view suffix) {
    return "W" + Letter(size) + std::string(suffix);
}

std::string ShadowName(char size, int side) {
    return "SHADOW_" + Letter(size) + std::to_string(side);
}

std::string StackEdgeName(char size, int direction) {
    return "3D_BORDER_" + Letter(size) + std::to_string(direction);
}

std::string BackgroundName(int number) {
    return "B" + ZeroPad(number, 3);
}

const std::vector<int>& GameTypesWithPictures() {
    static const std::vector<int> types = [] {
        std::vector<int> result;
        for (int type = 0; type <= kCustomGamesType; ++type) {
            if (!TypePictureName(type).empty()) result.push_back(type);
        }
        return result;
    }();
    return types;
}

std::string CounterRowLabelName(int suitIndex) {
    return "card_" + std::string(kCounterSuitWords.at(static_cast<std::size_t>(suitIndex)));
}

std::string CounterCellName(int rank, bool up) {
    return "Card_" + std::to_string(rank) + (up ? "_Up" : "_Down");
}

std::string SuitSymbolName(int suitIndex) {
    return "SUIT_" + std::string(kSuitSymbolWords.at(static_cast<std::size_t>(suitIndex)));
}

std::string ToolbarGlyphName(std::string_view command, bool large, bool disabled) {
    return std::string(large ? "TBL_" : "TB_") + std::string(command) + (disabled ? "_DIS" : "");
}

std::string PointerShapeName(int pointerNumber) {
    int form = pointerNumber / 10;
    int index = pointerNumber % 10;
    if ((form != 1 && form != 2) || index > 5) return {};
    return "CUR_" + std::string(kPointerStems[static_cast<std::size_t>(index)]) +
           (form == 1 ? "A" : "B");
}

const std::vector<std::string>& SoundNames() {
    static const std::vector<std::string> names{
        "Splash",  "New",       "Restart",    "Shuffle", "Redeal",   "Red_no_a",
        "Stock",   "Tableau",   "Foundation", "Eddy",    "Autoplay", "Pairing",
        "card_up", "card_down", "Face_up",    "Undo",    "Redo",     "Reorder",
        "Won",     "Hi-Scor",   "Scores",     "About"};
    return names;
}

const std::vector<ResourceEntry>& ResourceCatalog() {
    static const std::vector<ResourceEntry> catalog = BuildCatalog();
    return catalog;
}

const ResourceEntry* FindResourceEntry(ResourceKind kind, std::string_view name) {
    auto key = [](ResourceKind k, std::string_view n) {
        return std::to_string(static_cast<int>(k)) + ":" + ToUpperAscii(n);
    };
    static const std::unordered_map<std::string, const ResourceEntry*> byName = [&key] {
        std::unordered_map<std::string, const ResourceEntry*> index;
        for (const ResourceEntry& entry : ResourceCatalog())
            index[key(entry.kind, entry.name)] = &entry;
        return index;
    }();
    auto found = byName.find(key(kind, name));
    return found == byName.end() ? nullptr : found->second;
}

}  // namespace vis
