#include "media/resource_library.h"

#include <gtest/gtest.h>

#include <QFile>
#include <set>
#include <string>

#include "built_library.h"
#include "media/resource_names.h"
#include "model/text.h"
#include "support/temp_dir.h"

namespace vis {
namespace {

using test::BuiltLibrary;
using test::kLibraryPath;
using test::ReadWave;
using test::WaveFormat;

bool Opaque(const QImage& image, int x, int y) {
    return qAlpha(image.pixel(x, y)) == 255;
}
bool Clear(const QImage& image, int x, int y) {
    return qAlpha(image.pixel(x, y)) == 0;
}

// Names spelled out as the program asks for them, to catch a name builder
// that drifts from the spelling the drawing code and the callers rely on.
TEST(ResourceNames, BuildersSpellTheNamesThePictureCallersUse) {
    struct Case {
        std::string built;
        std::string expected;
    };
    const Case cases[] = {
        {CardSheetName('B', 1, 'H'), "CB001H"},
        {CardSheetName('L', 5, 'S'), "CL005S"},
        {JokerName('M'), "JOKER_M"},
        {CardBackName('B', 27), "DB027"},
        {CardBackName('M', 11), "DM011"},
        {PileMarkName('B', "_WASTE"), "WB_WASTE"},
        {PileMarkName('L', "022"), "WL022"},
        {ShadowName('M', 2), "SHADOW_M2"},
        {StackEdgeName('B', 1), "3D_BORDER_B1"},
        {BackgroundName(257), "B257"},
        {CounterRowLabelName(3), "card_spades"},
        {CounterCellName(13, false), "Card_13_Down"},
        {CounterCellName(1, true), "Card_1_Up"},
        {SuitSymbolName(2), "SUIT_CLUBS"},
        {ToolbarGlyphName("AUTOPLAY", false, true), "TB_AUTOPLAY_DIS"},
        {ToolbarGlyphName("UNDO", false, false), "TB_UNDO"},
        {PointerShapeName(10), "CUR_ARROW1A"},
        {PointerShapeName(15), "CUR_LEFT_HAND2A"},
        {PointerShapeName(23), "CUR_RIGHT_HAND2B"},
        {PointerShapeName(16), ""},
        {PointerShapeName(5), ""},
        {PointerShapeName(-10), ""},
    };
    for (const Case& c : cases) EXPECT_EQ(c.built, c.expected);
}

TEST(ResourceNames, CatalogNamesEachResourceOnce) {
    std::set<std::string> seen;
    for (const ResourceEntry& entry : ResourceCatalog()) {
        std::string key = std::to_string(static_cast<int>(entry.kind)) + ToUpperAscii(entry.name);
        EXPECT_TRUE(seen.insert(key).second) << entry.name;
        EXPECT_EQ(FindResourceEntry(entry.kind, ToUpperAscii(entry.name)), &entry) << entry.name;
    }
    // Every name of the sound table and every background of the tree.
    for (const char* sound :
         {"Splash",  "New",       "Restart",    "Shuffle", "Redeal",   "Red_no_a",
          "Stock",   "Tableau",   "Foundation", "Eddy",    "Autoplay", "Pairing",
          "card_up", "card_down", "Face_up",    "Undo",    "Redo",     "Reorder",
          "Won",     "Hi-Scor",   "Scores",     "About"}) {
        EXPECT_NE(FindResourceEntry(ResourceKind::kSound, sound), nullptr) << sound;
    }
    for (const char* type :
         {"TREE5_CANFIELD_TYPE", "TREE5_QUEENOFITALY_TYPE", "TREE5_CUSTOMIZED_GAMES"}) {
        EXPECT_NE(FindResourceEntry(ResourceKind::kBitmap, type), nullptr) << type;
    }
    for (int picture : {101, 105, 257, 279, 289, 310, 316, 322, 324}) {
        EXPECT_NE(FindResourceEntry(ResourceKind::kBitmap, BackgroundName(picture)), nullptr);
    }
    for (int gap : {100, 106, 256, 280, 294, 298, 300, 323, 325}) {
        EXPECT_EQ(FindResourceEntry(ResourceKind::kBitmap, BackgroundName(gap)), nullptr) << gap;
    }
}

TEST_F(BuiltLibrary, HoldsEveryCatalogResourceAtItsSize) {
    for (const ResourceEntry& entry : ResourceCatalog()) {
        SCOPED_TRACE(entry.name);
        switch (entry.kind) {
            case ResourceKind::kBitmap: {
                const QImage image = Library().Bitmap(entry.name);
                ASSERT_FALSE(image.isNull());
                EXPECT_EQ(image.width(), entry.width);
                EXPECT_EQ(image.height(), entry.height);
                break;
            }
            case ResourceKind::kPointer: {
                const PointerShape shape = Library().Pointer(entry.name);
                ASSERT_FALSE(shape.image.isNull());
                EXPECT_EQ(shape.image.size(), QSize(entry.width, entry.height));
                break;
            }
            case ResourceKind::kSound: {
                const WaveFormat wave = ReadWave(Library().SoundData(entry.name));
                ASSERT_TRUE(wave.valid);
                EXPECT_EQ(wave.format, 1);  // PCM
                EXPECT_EQ(wave.bits, 16);
                EXPECT_EQ(wave.channels, 1);
                const auto length = static_cast<int>(wave.samples.size());
                EXPECT_GT(length, wave.rate / 50);  // longer than 20 ms
                EXPECT_LT(length, wave.rate * 5);   // shorter than 5 s
                EXPECT_GT(wave.peak, 3000);         // audible
                EXPECT_LT(wave.peak, 32767);        // not clipped
                EXPECT_TRUE(Library().SoundUrl(entry.name).isValid());
                break;
            }
        }
    }
}

TEST_F(BuiltLibrary, FindsNamesWithoutRegardToCase) {
    const QImage sheet = Library().Bitmap("CB001H");
    ASSERT_FALSE(sheet.isNull());
    EXPECT_EQ(Library().Bitmap("cb001h"), sheet);
    EXPECT_TRUE(Library().HasBitmap("panel_PK"));
    EXPECT_EQ(Library().SoundData("CARD_UP"), Library().SoundData("card_up"));
    EXPECT_EQ(Library().SoundData("red_no_a"), Library().SoundData("Red_no_a"));
    EXPECT_FALSE(Library().Pointer("cur_arrow1a").image.isNull());
    // A picture and a sound may share a name; each is found by its own kind.
    EXPECT_FALSE(Library().Bitmap("About").isNull());
    EXPECT_FALSE(Library().SoundData("ABOUT").isEmpty());
}

TEST_F(BuiltLibrary, MissingNamesGiveNothing) {
    EXPECT_TRUE(Library().Bitmap("NO_SUCH_PICTURE").isNull());
    EXPECT_FALSE(Library().HasBitmap("B280"));      // a gap in the picture numbers
    EXPECT_TRUE(Library().Bitmap("Won").isNull());  // a sound, not a picture
    EXPECT_TRUE(Library().SoundData("_tmp_stop_").isEmpty());
    EXPECT_TRUE(Library().SoundUrl("_t1dz").isEmpty());
    EXPECT_TRUE(Library().Pointer("CUR_ARROW3A").image.isNull());
    EXPECT_EQ(Library().Cursor("CUR_ARROW3A").shape(), Qt::ArrowCursor);
    EXPECT_EQ(Library().Cursor("CUR_ARROW1A").shape(), Qt::BitmapCursor);
}

TEST_F(BuiltLibrary, PointersPointWithAVisiblePixel) {
    for (int number : {10, 11, 12, 13, 14, 15, 20, 21, 22, 23, 24, 25}) {
        const std::string name = PointerShapeName(number);
        SCOPED_TRACE(name);
        const PointerShape shape = Library().Pointer(name);
        ASSERT_TRUE(shape.image.rect().contains(shape.hotSpot));
        bool visible = false;
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                QPoint near = shape.hotSpot + QPoint(dx, dy);
                if (shape.image.rect().contains(near))
                    visible |= !Clear(shape.image, near.x(), near.y());
            }
        }
        EXPECT_TRUE(visible);
    }
    // The left hands mirror the right ones, hot spot included.
    for (const auto& [right, left] : {std::pair{12, 14}, std::pair{13, 15}, std::pair{22, 24}}) {
        const PointerShape r = Library().Pointer(PointerShapeName(right));
        const PointerShape l = Library().Pointer(PointerShapeName(left));
        EXPECT_EQ(l.hotSpot, QPoint(r.image.width() - 1 - r.hotSpot.x(), r.hotSpot.y()));
    }
}

// The table painter restores the rounded corners of every card from what
// lies beneath: the corner pixels of a card picture must be see-through and
// its inside solid.
TEST_F(BuiltLibrary, CardPicturesHaveCutCornersAndSolidFaces) {
    for (const CardSize& size : kCardSizes) {
        std::vector<QImage> cards;
        const QImage sheet = Library().Bitmap(CardSheetName(size.letter, 1, 'S'));
        for (int cell = 0; cell < 13; ++cell) {
            cards.push_back(sheet.copy((cell % kSheetColumns) * size.width,
                                       (cell / kSheetColumns) * size.height, size.width,
                                       size.height));
        }
        cards.push_back(Library().Bitmap(JokerName(size.letter)));
        cards.push_back(Library().Bitmap(CardBackName(size.letter, 7)));
        for (std::size_t i = 0; i < cards.size(); ++i) {
            SCOPED_TRACE(std::string(1, size.letter) + " card " + std::to_string(i));
            const QImage& card = cards[i];
            const int right = size.width - 1;
            const int bottom = size.height - 1;
            for (QPoint corner :
                 {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)}) {
                EXPECT_TRUE(Clear(card, corner.x(), corner.y()));
            }
            if (size.letter != 'L') {
                EXPECT_TRUE(Clear(card, 1, 0));
                EXPECT_TRUE(Clear(card, 0, 1));
                EXPECT_TRUE(Clear(card, right - 1, bottom));
            }
            EXPECT_TRUE(Opaque(card, 2, 2));
            EXPECT_TRUE(Opaque(card, size.width / 2, size.height / 2));
            EXPECT_TRUE(Opaque(card, size.width / 2, 0));  // the border line
        }
    }
}

// Pictures drawn with a transparent colour carry it in every see-through
// pixel, so they look right keyed on that colour as well as by their alpha.
TEST_F(BuiltLibrary, TransparentPixelsCarryTheTransparentColour) {
    struct Case {
        std::string name;
        QRgb key;
    };
    const Case cases[] = {
        {ShadowName('B', 1), qRgb(255, 255, 255)},
        {ShadowName('L', 2), qRgb(255, 255, 255)},
        {StackEdgeName('B', 2), qRgb(0, 0, 255)},
        {StackEdgeName('M', 1), qRgb(0, 0, 255)},
        {"BMP_PAUSE_1", qRgb(0, 128, 0)},
        {"BMP_PAUSE_2", qRgb(0, 128, 0)},
        {"TREE1", qRgb(128, 0, 0)},
        {"N_TREE5", qRgb(128, 0, 0)},
        {"Animated_Yes", qRgb(255, 0, 0)},
        {"Animated_No", qRgb(255, 0, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QImage image = Library().Bitmap(c.name).convertToFormat(QImage::Format_ARGB32);
        int transparent = 0;
        int wrong = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (qAlpha(pixel) != 0) continue;
                ++transparent;
                if ((pixel & 0xFFFFFF) != (c.key & 0xFFFFFF)) ++wrong;
            }
        }
        EXPECT_GT(transparent, 0);
        EXPECT_EQ(wrong, 0);
    }
}

// A background tile meets itself without a seam: across the wrap, colours
// change no more than they do somewhere between neighbouring columns (rows)
// inside the tile.
TEST_F(BuiltLibrary, BackgroundTilesAreSeamless) {
    std::vector<int> numbers = BackgroundPictureNumbers();
    auto difference = [](const QImage& image, int a, int b, bool columns) {
        double sum = 0;
        const int length = columns ? image.height() : image.width();
        for (int i = 0; i < length; ++i) {
            QRgb p = columns ? image.pixel(a, i) : image.pixel(i, a);
            QRgb q = columns ? image.pixel(b, i) : image.pixel(i, b);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
        return sum / length;
    };
    for (int number : numbers) {
        SCOPED_TRACE(BackgroundName(number));
        const QImage tile = Library().Bitmap(BackgroundName(number));
        const int last = tile.width() - 1;
        for (bool columns : {true, false}) {
            double inside = 0;
            for (int i = 0; i < last; ++i)
                inside = std::max(inside, difference(tile, i, i + 1, columns));
            EXPECT_LE(difference(tile, last, 0, columns), inside * 1.05 + 2);
        }
    }
}

TEST(ResourceLibraryLoading, MissingOrDamagedFileGivesTheMessageAndAnEmptyLibrary) {
    test::TempDir dir;
    const std::string damaged = (dir / "Broken.RGF").string();
    test::WriteFile(damaged, "this is not a resource library");
    const std::string empty = (dir / "Empty.RGF").string();
    test::WriteFile(empty, "");
    for (const std::string& path :
         {(dir / "Missing" / "VIS.RGF").string(), damaged, empty, dir.Path().string()}) {
        SCOPED_TRACE(path);
        ResourceLibrary library;
        const std::optional<QString> error = library.Load(QString::fromStdString(path));
        ASSERT_TRUE(error.has_value());
        // Exactly the path tried, letter case and all ("Missing", "VIS.RGF").
        EXPECT_EQ(*error, "Can't find/load " + QString::fromStdString(path));
        EXPECT_FALSE(library.IsLoaded());
        EXPECT_TRUE(library.Bitmap("CB001H").isNull());
    }
}

TEST(ResourceLibraryLoading, UnloadEmptiesAndLoadingAgainWorks) {
    ResourceLibrary library;
    ASSERT_FALSE(library.Load(kLibraryPath).has_value());
    ASSERT_TRUE(library.HasBitmap("Y001"));
    library.Unload();
    EXPECT_FALSE(library.IsLoaded());
    EXPECT_FALSE(library.HasBitmap("Y001"));
    EXPECT_TRUE(library.SoundData("Won").isEmpty());
    ASSERT_FALSE(library.Load(kLibraryPath).has_value());
    EXPECT_TRUE(library.HasBitmap("Y001"));
    // A failed load leaves nothing of the library loaded before.
    EXPECT_TRUE(library.Load(kLibraryPath + ".missing").has_value());
    EXPECT_FALSE(library.HasBitmap("Y001"));
}

}  // namespace
}  // namespace vis
