// Each background mode paints what it says, into both table pictures.
#include <gtest/gtest.h>

#include <QDir>

#include "media/resource_names.h"
#include "model/config_file.h"
#include "model/preference_keys.h"
#include "model/program_paths.h"
#include "ui/table_paint_fixture.h"
#include "view/paint/background_painter.h"

namespace vis::test {
namespace {

class BackgroundPaintTest : public TablePaintTest {
protected:
    void UseColour(std::int64_t fixed, std::int64_t colour, bool fade) {
        ctx.state.SetFlag(field::kBackgroundDefault, false);
        ctx.state.SetDecimal(field::kBackgroundFixedColour, fixed);
        ctx.state.SetDecimal(field::kBackgroundColour, colour);
        ctx.state.SetFlag(field::kFadeBackground, fade);
    }
    const QImage& Background() const { return painter->Picture().BackgroundBitmap(); }
    QRgb BackAt(int x, int y) const { return TablePixel(QPoint(x, y)); }
    int Bottom() const { return Background().height() - 1; }
};

TEST_F(BackgroundPaintTest, DefaultGreenIsDarkerOnRichDisplays) {
    painter->PaintBackground();
    EXPECT_EQ(BackAt(3, 3), qRgb(0, 96, 0));
    EXPECT_EQ(BackAt(500, Bottom()), qRgb(0, 96, 0));
    painter->SetDisplay(DisplayFacts{.richColours = false});
    painter->PaintBackground();
    EXPECT_EQ(BackAt(3, 3), qRgb(0, 128, 0));
}

TEST_F(BackgroundPaintTest, PlainColourComesFromTheFixedColourBeforeTheOther) {
    UseColour(255, 65280, false);  // red fixed colour, green other
    painter->PaintBackground();
    EXPECT_EQ(BackAt(10, 10), qRgb(255, 0, 0));
    UseColour(0, 65280, false);
    painter->PaintBackground();
    EXPECT_EQ(BackAt(10, 10), qRgb(0, 255, 0));
    UseColour(0, -2147483633, false);  // the button face
    painter->PaintBackground();
    EXPECT_EQ(BackAt(10, 10), ColourFromValue(-2147483633).rgb());
    EXPECT_EQ(ColourFromValue(0x00336699).rgb(), qRgb(0x99, 0x66, 0x33));
}

TEST_F(BackgroundPaintTest, FadeRunsFromBlackAtTheBottomToTheColourAtTheTop) {
    UseColour(65280, 0, true);  // green 255
    painter->PaintBackground();
    EXPECT_EQ(BackAt(0, Bottom()), qRgb(0, 0, 0));
    EXPECT_EQ(BackAt(0, 0), qRgb(0, 255 * 255 / 256, 0));
    EXPECT_LT(qGreen(BackAt(0, Bottom() * 3 / 4)), qGreen(BackAt(0, Bottom() / 4)));
    // No fade with 256 colours or fewer.
    painter->SetDisplay(DisplayFacts{.richColours = false});
    painter->PaintBackground();
    EXPECT_EQ(BackAt(0, Bottom()), qRgb(0, 255, 0));
}

TEST_F(BackgroundPaintTest, LibraryPictureIsTiledOverTheTable) {
    ctx.state.SetFlag(field::kBackgroundDefault, false);
    ctx.state.SetDecimal(field::kBackgroundPicture, 257);
    painter->PaintBackground();
    const QImage tile = Library().Bitmap(BackgroundName(257)).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(tile.isNull());
    for (const QPoint p : {QPoint(0, 0), QPoint(300, 20), QPoint(700, 600), QPoint(1000, 790)})
        EXPECT_EQ(BackAt(p.x(), p.y()), tile.pixel(p.x() % tile.width(), p.y() % tile.height()))
            << p.x() << ", " << p.y();
    EXPECT_EQ(Background().pixel(700, 600), BackAt(700, 600));
}

TEST_F(BackgroundPaintTest, DemoTilesItsOwnPicture) {
    ctx.flags[Flag::kDemoMode] = true;
    painter->PaintBackground();
    const QImage tile = Library().Bitmap(kDemoBackgroundName).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(tile.isNull());
    EXPECT_EQ(BackAt(333, 444), tile.pixel(333 % tile.width(), 444 % tile.height()));
}

TEST_F(BackgroundPaintTest, CustomPictureFileIsTiledFromTheImagesFolder) {
    QImage own(40, 30, QImage::Format_RGB32);
    own.fill(qRgb(10, 20, 30));
    own.setPixel(5, 7, qRgb(200, 100, 50));
    std::filesystem::create_directories(dir / "Images");
    ASSERT_TRUE(own.save(QString::fromStdString((dir / "Images" / "mine.bmp").string()), "BMP"));
    WritePref(ConfigFilePath(ctx.state), kPreferenceSection, "Customized_Background", "mine");
    ctx.state.SetFlag(field::kBackgroundDefault, false);
    ctx.state.SetFlag(field::kHasCustomBackground, true);
    painter->PaintBackground();
    EXPECT_EQ(BackAt(45, 37), qRgb(200, 100, 50));
    EXPECT_EQ(BackAt(46, 37), qRgb(10, 20, 30));
    EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(BackgroundPaintTest, MissingCustomPictureIsReportedOnceAndTheDefaultReturns) {
    const auto config = ConfigFilePath(ctx.state);
    WritePref(config, kPreferenceSection, "Customized_Background", "gone");
    ctx.state.SetFlag(field::kBackgroundDefault, false);
    ctx.state.SetFlag(field::kHasCustomBackground, true);
    painter->PaintBackground();
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_EQ(ui.Messages()[0],
              "Customized background image not found: " + (dir / "Images" / "gone.bmp").string());
    EXPECT_EQ(BackAt(10, 10), qRgb(0, 96, 0));
    EXPECT_FALSE(ctx.state.GetFlag(field::kHasCustomBackground));
    EXPECT_TRUE(ctx.state.GetFlag(field::kBackgroundDefault));
    EXPECT_EQ(ReadPref(config, kPreferenceSection, "Customized_Background", "x"), "");
    EXPECT_EQ(ReadPref(config, kPreferenceSection, "Background_Def", ""), "Y");
    painter->PaintBackground();
    EXPECT_EQ(ui.Messages().size(), 1u);
}

}  // namespace
}  // namespace vis::test
