#include "records/saved_game_file.h"

#include <gtest/gtest.h>

#include "engine/move_log.h"
#include "model/headless_ui.h"
#include "model/text.h"
#include "records/player_name.h"

namespace vis {
namespace {

class SavedGameTest : public ::testing::Test {
protected:
    SavedGameTest() {
        ctx.state.SetZeroPadded(field::kGameNumber, 2);
        ctx.state.Set(field::kBackgroundPicture, "12");
        ctx.state.Set(field::kBackgroundColour, "-2147483633");
        ctx.state.Set(field::kBackgroundDefault, "N");
        ctx.state.Set(field::kCardSize, "M");
        ctx.state.Set(field::kCardSet, "003");
        ctx.state.Set(field::kBackCard, "011");
        ctx.state.Set(field::kScoringScheme, "01");
        ctx.state.Set(field::kScore, "-35");
        ctx.state.Set(field::kPlayer, "Ann");
        ctx.state.Set(field::kDealNumber, "0000123456789");
        ctx.game.passNumber = 2;
        ctx.rules.Set(rule::kFoundationBase, 1);
        ctx.rules.Set(rule::kFoundationBase + 15, -1);
        ctx.piles.mazzo[0] = "001002";
        ctx.piles.fila[3] = "052";
        ctx.deck.SetCardFace(1, kFaceDown);
        PushSnapshot(ctx, HistoryDirection::kUndo);
        ctx.piles.fila[4] = "003";
        PushSnapshot(ctx, HistoryDirection::kUndo);
        MarkStepEvent(ctx, kEventRedeal);
    }

    std::string Text() { return SavedGameText(CaptureSavedGame(ctx, 3725)); }

    HeadlessUi ui;
    GameContext ctx{ui};
};

TEST_F(SavedGameTest, WritesTheExactLineLayout) {
    const auto lines = SavedGameLines(CaptureSavedGame(ctx, 3725));
    ASSERT_EQ(lines.size(), 67u + 5 + 2 * (3 + 16 + 28 + 8) + 1);
    EXPECT_EQ(lines[0], "[S-0303]0002" + std::string("12") + std::string(28, ' ') +
                            "-00002147483633" + "N   " + "M" + "003      " + "0011" + "003725" +
                            "01" + "-00035" + "000002");
    EXPECT_EQ(lines[0].size(), 95u);
    EXPECT_EQ(lines[1].size(), 98u);
    EXPECT_EQ(lines[1].substr(50, 16), "0000123456789   ");
    EXPECT_EQ(lines[1].substr(66, 4), "0100");
    EXPECT_EQ(lines[1].substr(96, 2), "-1");
    EXPECT_EQ(lines[12], "00100021");
    EXPECT_EQ(lines[67], "[UNDO - Stock]");
    EXPECT_EQ(lines.back(), ",003,");
}

TEST_F(SavedGameTest, ReadsBackWhatItWrote) {
    std::string error;
    const auto saved = ParseSavedGame(Text(), error);
    ASSERT_TRUE(saved.has_value()) << error;
    const SavedGame expected = CaptureSavedGame(ctx, 3725);
    EXPECT_EQ(saved->game, 2);
    EXPECT_EQ(saved->playingSeconds, 3725);
    EXPECT_EQ(saved->score, -35);
    EXPECT_EQ(saved->passNumber, 2);
    EXPECT_EQ(saved->player, "Ann");
    EXPECT_EQ(saved->dealNumber, "0000123456789");
    EXPECT_EQ(saved->bases, expected.bases);
    EXPECT_EQ(saved->position, expected.position);
    EXPECT_EQ(saved->undo.stock, expected.undo.stock);
    EXPECT_EQ(saved->undo.tableau, expected.undo.tableau);
    EXPECT_EQ(saved->undo.log, ",003,");
    EXPECT_EQ(SavedGameText(*saved), Text());
}

TEST_F(SavedGameTest, DamagedFilesAreRefused) {
    const std::string good = Text();
    auto lines = SplitFileLines(good);
    auto join = [](const std::vector<std::string>& l) {
        std::string t;
        for (const auto& line : l) t += line + "\r\n";
        return t;
    };
    auto with = [&](std::size_t line, std::string text) {
        auto l = lines;
        l[line] = std::move(text);
        return join(l);
    };
    const std::string cases[] = {
        "",
        good.substr(0, good.size() / 3),                                   // truncated
        with(0, lines[0].substr(0, 90)),                                   // short line 0
        with(0, lines[0].substr(0, 83) + "abcdef" + lines[0].substr(89)),  // score
        with(0, "[X-0303]" + lines[0].substr(8)),                          // marker
        with(20, "0011001"),                                               // card line length
        with(20, "1091"),                                                  // not a card
        with(70, "[UNDO - Something]"),                                    // unknown section line
        join(std::vector<std::string>(lines.begin(), lines.end() - 30)),   // history cut short
        with(lines.size() - 1, ",003x,"),                                  // log
    };
    for (const auto& text : cases) {
        std::string error;
        EXPECT_FALSE(ParseSavedGame(text, error).has_value()) << text.substr(0, 40);
        EXPECT_EQ(error, kNotASavedGame);
    }
    // Base pairs that are not numbers are only skipped.
    std::string error;
    const auto saved =
        ParseSavedGame(with(1, lines[1].substr(0, 66) + "xx" + lines[1].substr(68)), error);
    ASSERT_TRUE(saved.has_value());
    EXPECT_FALSE(saved->bases[0].has_value());
    EXPECT_EQ(saved->bases[1], 0);
}

TEST_F(SavedGameTest, PlayerNamesThatCannotBeStoredAreRefusedWithTheirReason) {
    auto lines = SplitFileLines(Text());
    for (const std::string& name : {std::string("[x"), std::string(31, 'a'), std::string("A\rB")}) {
        auto l = lines;
        l[1] = PadOrCut(name, 50) + l[1].substr(50);
        std::string text;
        for (const auto& line : l) text += line + "\r\n";
        std::string error;
        EXPECT_FALSE(ParseSavedGame(text, error).has_value()) << name;
        EXPECT_EQ(error, PlayerNameProblem(name)) << name;
    }
}

TEST_F(SavedGameTest, ConvertsFilesOfOlderVersions) {
    // A version 0300 file without moves: 8 foundations, 20 tableau piles,
    // 8 reserves and a line 1 without the last 8 base characters.
    std::vector<std::string> old;
    old.push_back("[S-0300]" + SavedGameLines(CaptureSavedGame(ctx, 10))[0].substr(8));
    old.push_back(std::string(66, ' ') + std::string(24, '0'));
    old.insert(old.end(), 10, "");
    old.insert(old.end(), {"0011", "", ""});                           // stock group, lines 12-14
    for (int i = 0; i < 8; ++i) old.push_back(i == 0 ? "0141" : "");   // foundations, 15-22
    for (int i = 0; i < 20; ++i) old.push_back(i == 0 ? "0521" : "");  // tableau, 23-42
    for (int i = 0; i < 8; ++i) old.push_back("");                     // reserves, 43-50
    for (const char* header : {"[UNDO - Stock]", "[UNDO - Foundations]", "[UNDO - Piles]",
                               "[UNDO - Reserves]", "[UNDO - Log]"})
        old.push_back(header);
    old.push_back("");
    std::string text;
    for (const auto& line : old) text += line + "\r\n";

    std::string error;
    const auto saved = ParseSavedGame(text, error);
    ASSERT_TRUE(saved.has_value()) << error;
    EXPECT_EQ(saved->position[0], "0011");
    EXPECT_EQ(saved->position[kSnapshotFoundationLine], "0141");
    // Four lines inserted after the old foundations move line 23 to 27.
    EXPECT_EQ(saved->position[27 - kSavedGamePositionLine], "0521");
    EXPECT_TRUE(saved->undo.IsEmpty());
    EXPECT_EQ(saved->bases[15], 0);  // the eight zeros appended to line 1

    // Older history stacks whose steps do not come out whole are refused.
    old.insert(old.end() - 5, "0011");
    text.clear();
    for (const auto& line : old) text += line + "\r\n";
    EXPECT_FALSE(ParseSavedGame(text, error).has_value());
}

}  // namespace
}  // namespace vis
