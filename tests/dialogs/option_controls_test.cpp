// The small option dialogs and controls: Pointers, Advanced options, the
// colour list, the frame-strip player, the random presentation and the
// customized background texts.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>

#include "dialogs/dialog_fixture.h"
#include "options/advanced_options_dialog.h"
#include "options/bitmap_animated.h"
#include "options/color_combo_box.h"
#include "options/customize_trees.h"
#include "options/customized_backgrounds.h"
#include "options/pointers_dialog.h"
#include "options/random_presentation.h"
#include "view/paint/foundation_highlight.h"

namespace vis {
namespace {

using OptionDialogTest = test::DialogTest;

TEST_F(OptionDialogTest, PointerListOpensOnTheNumberAndOkGivesTheSelectedOne) {
    struct Case {
        int number;
        int row;  // -1 none
    };
    const Case cases[] = {{0, 1}, {10, 0}, {11, 1}, {12, 2}, {15, 5}, {16, -1}, {20, -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        TfrmPointers dialog(nullptr, app, c.number);
        const QList<QListWidgetItem*> selected = dialog.List()->selectedItems();
        EXPECT_EQ(selected.isEmpty() ? -1 : dialog.List()->row(selected.front()), c.row);
        EXPECT_EQ(dialog.Chosen(), c.row < 0 ? 0 : 10 + c.row);
    }
    TfrmPointers dialog(nullptr, app, 12);
    dialog.List()->clearSelection();
    EXPECT_EQ(dialog.Chosen(), 0) << "no item selected stores 0";
    // Every item shows its shape from the library.
    for (int row = 0; row < dialog.List()->count(); ++row)
        EXPECT_FALSE(dialog.List()->item(row)->icon().isNull()) << row;
}

TEST_F(OptionDialogTest, AdvancedOptionsShowTheValuesAndGiveThemBackOnlyFromTheControls) {
    const AdvancedValues values{.confirmOnExit = true,
                                .undoMode = 1,
                                .holdMessage = false,
                                .holdDefault = 1,
                                .markStyle = 2,
                                .markColour = 5};
    TfrmOptionsAdvanced dialog(nullptr, app, values);
    EXPECT_EQ(dialog.Values(), values) << "unchanged controls give the values back";
    EXPECT_TRUE(dialog.UndoButton(1)->isChecked());
    EXPECT_TRUE(dialog.HoldNone()->isChecked());
    EXPECT_TRUE(dialog.HoldNoneChoice()->isEnabled());
    // The solid mark fills the preview in red (code 5).
    const QImage preview = dialog.Preview()->pixmap().toImage();
    EXPECT_EQ(preview.pixelColor(preview.width() / 2, preview.height() / 2), HighlightColour(5));

    dialog.MarkList()->setCurrentIndex(0);
    EXPECT_FALSE(dialog.ColourList()->isEnabled()) << "no mark, no colour";
    const QImage plain = dialog.Preview()->pixmap().toImage();
    EXPECT_EQ(plain.pixelColor(plain.width() / 2, plain.height() / 2), plain.pixelColor(0, 0))
        << "no mark on the preview";
    dialog.HoldSignal()->setChecked(true);
    EXPECT_FALSE(dialog.HoldNoneChoice()->isEnabled());
    EXPECT_EQ(dialog.Values().markStyle, 0);
    EXPECT_TRUE(dialog.Values().holdMessage);
}

TEST(UndoModeTest, OnlyOneAndTwoAreLimits) {
    const std::pair<const char*, int> cases[] = {{"0", 0}, {"1", 1}, {"2", 2},
                                                 {"3", 0}, {"", 0},  {"Y", 0}};
    for (const auto& [text, mode] : cases) EXPECT_EQ(UndoModeOf(text), mode) << text;
}

TEST_F(OptionDialogTest, ColourListSortsItsEntriesAndKeepsTheSelection) {
    C_TColorComboBox list;
    list.SetColorWidth(4);
    EXPECT_EQ(list.ColorWidth(), 20) << "too narrow for a swatch";
    list.SetColorWidth(30);
    EXPECT_EQ(list.ColorWidth(), 30);
    EXPECT_EQ(list.SelectedColor(), -1);
    list.AddColor(QStringLiteral("white"), 0xffffff);
    list.AddColor(QStringLiteral("Black"), 0);
    list.AddColor(QStringLiteral("red"), 0x0000ff);
    list.setCurrentIndex(2);
    EXPECT_EQ(list.SelectedColor(), 0x0000ff);
    list.SetSortBy(ColorSort::ccsColor);
    EXPECT_EQ(list.itemText(0), QStringLiteral("Black"));
    EXPECT_EQ(list.itemText(1), QStringLiteral("red"));
    EXPECT_EQ(list.SelectedColor(), 0x0000ff) << "the selected colour stays selected";
    list.SetSortBy(ColorSort::ccsText);
    EXPECT_EQ(list.itemText(0), QStringLiteral("Black"));
    EXPECT_EQ(list.itemText(2), QStringLiteral("white"));
    list.AddColor(QStringLiteral("Green"), 0x008000);
    EXPECT_EQ(list.itemText(1), QStringLiteral("Green"));
    EXPECT_EQ(list.SelectedColor(), 0x0000ff);
}

TEST_F(OptionDialogTest, FrameStripWrapsItsFramesAndStopsAtTheEndUnlessItLoops) {
    C_TBitmapAnimated strip;
    EXPECT_EQ(strip.height(), 30);
    QImage frames(4 * 10, 12, QImage::Format_RGB32);
    for (int k = 0; k < 4; ++k)
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 10; ++x) frames.setPixel(k * 10 + x, y, qRgb(k * 60, 0, 0));
    strip.resize(10, 30);
    strip.SetBitMap(frames);
    EXPECT_EQ(strip.height(), 12);
    strip.SetFrameCount(4);
    std::vector<int> changes;
    strip.OnChangeFrame = [&changes](int frame) { changes.push_back(frame); };
    const std::pair<int, int> cases[] = {{-1, 3}, {4, 0}, {6, 2}, {1, 1}};
    for (const auto& [set, shown] : cases) {
        strip.SetFrame(set);
        EXPECT_EQ(strip.Frame(), shown) << set;
    }
    EXPECT_EQ(changes, (std::vector<int>{3, 0, 2, 1}));
    // The frame shown is the strip's k-th rectangle.
    strip.SetFrame(2);
    EXPECT_EQ(strip.grab().toImage().pixelColor(5, 5), QColor(120, 0, 0));

    strip.SetFrame(0);
    strip.SetLoop(false);
    strip.SetInterval(5);
    strip.SetPlay(true);
    EXPECT_TRUE(strip.HasTimer());
    EXPECT_TRUE(QTest::qWaitFor([&strip] { return !strip.Play(); }, 5000));
    EXPECT_EQ(strip.Frame(), 3);
    EXPECT_FALSE(strip.HasTimer()) << "the timer goes with the play";
}

TEST(RandomPresentationTest, DrawsPicturesColoursFacesAndBacks) {
    struct Case {
        const char* name;
        bool rich;
        bool fade;
        int backgroundDraw;
        int picture;
        std::int64_t fixedColour;
    };
    const Case cases[] = {
        {"first rich picture", true, false, 0, 257, 0},
        {"last rich picture", true, false, 67, 324, 0},
        {"first colour while fading", true, true, 68, 0, 16711680},
        {"last colour while fading", true, true, 73, 0, 16777215},
        {"few colours picture", false, false, 4, 105, 0},
        {"few colours colour", false, false, 6, 0, 16711680},
        {"missing picture takes the next lower", true, false, 10, 266, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StateBlock state;
        state.SetFlag(field::kRandomBackground, true);
        state.SetFlag(field::kBackgroundDefault, true);
        state.SetFlag(field::kHasCustomBackground, true);
        state.SetFlag(field::kFadeBackground, c.fade);
        int lastHigh = -1;
        const auto draw = [&](int low, int high) {
            EXPECT_EQ(low, 0);
            lastHigh = high;
            return c.backgroundDraw;
        };
        const auto has = [](int number) { return number != 267; };
        PickRandomPresentation(state, c.rich, has, draw);
        EXPECT_EQ(lastHigh, c.rich ? (c.fade ? 73 : 67) : 11);
        EXPECT_EQ(state.GetInt(field::kBackgroundPicture), c.picture);
        EXPECT_EQ(state.GetInt(field::kBackgroundFixedColour), c.fixedColour);
        EXPECT_EQ(state.Get(field::kBackgroundDefault), "N");
        EXPECT_EQ(state.Get(field::kHasCustomBackground), "N");
    }

    StateBlock state;
    state.SetFlag(field::kRandomCard, true);
    state.SetFlag(field::kRandomDeck, true);
    state.Set(field::kCardSize, "B");
    state.Set(field::kCardSet, "001");
    state.Set(field::kBackCard, "011");
    const auto pick = [](int value) { return [value](int, int) { return value; }; };
    const auto any = [](int) { return true; };
    RandomPresentation changed = PickRandomPresentation(state, true, any, pick(4));
    EXPECT_TRUE(changed.faces);
    EXPECT_TRUE(changed.back);
    EXPECT_EQ(state.Get(field::kCardSet), "004");
    EXPECT_EQ(state.Get(field::kBackCard), "004");
    changed = PickRandomPresentation(state, true, any, pick(4));
    EXPECT_FALSE(changed.faces) << "the same set again needs no reload";
    state.Set(field::kCardSize, "M");
    state.Set(field::kCardSet, "003");
    PickRandomPresentation(state, true, any, pick(5));
    EXPECT_EQ(state.Get(field::kCardSet), "003") << "medium cards keep their set";
    EXPECT_EQ(state.Get(field::kBackCard), "005");
}

TEST(CustomizedBackgroundTextTest, ShowsNameThenFolderAndGivesThePathBack) {
    const std::pair<const char*, const char*> cases[] = {
        {"D:\\Pictures\\sky.bmp", "sky.bmp (D:\\Pictures\\)"},
        // A name with " (" of its own.
        {"/home/ann/my pictures/sea (1).bmp", "sea (1).bmp (/home/ann/my pictures/)"},
        {"D:\\Old (2001)\\sky (b).bmp", "sky (b).bmp (D:\\Old (2001)\\)"},
    };
    for (const auto& [path, text] : cases) {
        EXPECT_EQ(CustomizedBackgroundText(path), text);
        EXPECT_EQ(CustomizedBackgroundPath(text), path);
    }
}

TEST(SpeedPositionTest, StoredDelaysTakeTheNearestPosition) {
    const std::pair<int, int> cases[] = {{50, 1}, {25, 2}, {10, 3}, {3, 4},
                                         {0, 5},  {99, 1}, {12, 3}, {1, 5}};
    for (const auto& [delay, position] : cases)
        EXPECT_EQ(SpeedPositionOf(delay), position) << delay;
}

}  // namespace
}  // namespace vis
