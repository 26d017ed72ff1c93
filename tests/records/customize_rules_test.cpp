#include "records/customize_rules.h"

#include <gtest/gtest.h>

#include "game/saved_games_fixture.h"

namespace vis {
namespace {

class CustomizeRulesTest : public test::SavedGamesFixture {};

TEST_F(CustomizeRulesTest, TheDialogValuesAreCheckedAndEncoded) {
    const AllowedSettings all{true, true, true};
    const AllowedSettings none{};
    const struct {
        AllowedSettings allowed;
        CustomizeDialogValues values;
        std::string text;  // the encoded line, or the message
        CustomizeField badField;
    } cases[] = {
        {all,
         {"3", RedealChoice::kUnlimited, "", TableauChoice::kKingOnly},
         "003-011",
         CustomizeField::kNone},
        {all,
         {"1", RedealChoice::kNumber, "2", TableauChoice::kAnyCard},
         "0010032",
         CustomizeField::kNone},
        {all,
         {"", RedealChoice::kNone, "", TableauChoice::kNone},
         "0010003",
         CustomizeField::kNone},
        {all,
         {"104", RedealChoice::kNumber, "998", TableauChoice::kNone},
         "1049993",
         CustomizeField::kNone},
        {none,
         {"x", RedealChoice::kNumber, "x", TableauChoice::kKingOnly},
         "0010010",
         CustomizeField::kNone},
        {all,
         {"3a", RedealChoice::kUnlimited, "", TableauChoice::kNone},
         "Numbers only are required.",
         CustomizeField::kCardsDealt},
        {all,
         {"-3", RedealChoice::kUnlimited, "", TableauChoice::kNone},
         "Numbers only are required.",
         CustomizeField::kCardsDealt},
        {all,
         {"3", RedealChoice::kNumber, "", TableauChoice::kNone},
         "Numbers only are required.",
         CustomizeField::kRedeals},
        {all,
         {"0", RedealChoice::kNone, "", TableauChoice::kNone},
         "Please enter a number from 1 to 104.",
         CustomizeField::kCardsDealt},
        {all,
         {"3", RedealChoice::kNumber, "999", TableauChoice::kNone},
         "Please enter a number from 1 to 998.",
         CustomizeField::kRedeals},
    };
    for (const auto& c : cases) {
        const EncodedSettings encoded = EncodeCustomSettings(c.allowed, c.values);
        EXPECT_EQ(encoded.badField, c.badField) << c.text;
        EXPECT_EQ(encoded.badField == CustomizeField::kNone ? CustomSettingsText(encoded.settings)
                                                            : encoded.message,
                  c.text);
    }
}

TEST_F(CustomizeRulesTest, NamesAreRefusedWhenShortOrAlreadyTaken) {
    WriteCustomGames({{8000, "My Own", 1, "0010010"}});
    const struct {
        const char* name;
        const char* message;
    } cases[] = {
        {"ab", "Please enter at least 3 characters."},
        {"ab   ", "Please enter at least 3 characters."},
        {"klondike", "This game name already exists."},
        {"MY OWN  ", "This game name already exists."},
        {"Two\r\nLines", "A game name cannot hold a line end or another control character."},
        {"Tab\there", "A game name cannot hold a line end or another control character."},
        {"Klondike Three", ""}};
    for (const auto& c : cases) EXPECT_EQ(CheckCustomGameName(ctx, c.name), c.message) << c.name;
}

TEST_F(CustomizeRulesTest, TheDialogOpensWithTheRulesOfTheGameInPlay) {
    WriteCustomGames({{8000, "Three Any", 1, "003-012"},
                      {8001, "Once None", 2, "0010003"},
                      {8002, "Four Passes", 1, "0010042"}});
    const struct {
        int game;
        const char* cards;
        RedealChoice redeals;
        const char* redealsText;
        TableauChoice tableau;
    } cases[] = {
        // The base game fills with Kings (91): King only whatever the override.
        {1, "1", RedealChoice::kUnlimited, "", TableauChoice::kKingOnly},
        {8000, "3", RedealChoice::kUnlimited, "", TableauChoice::kKingOnly},
        {8001, "1", RedealChoice::kNone, "", TableauChoice::kKingOnly},
        {8002, "1", RedealChoice::kNumber, "3", TableauChoice::kKingOnly},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(Load(c.game));
        const CustomizeDialogValues values = CustomizeDialogPresets(ctx);
        EXPECT_EQ(values.cardsText, c.cards) << c.game;
        EXPECT_EQ(values.redeals, c.redeals) << c.game;
        EXPECT_EQ(values.redealsText, c.redealsText) << c.game;
        EXPECT_EQ(values.tableau, c.tableau) << c.game;
    }
    // A base game that does not fill with Kings shows the rule in force.
    ctx.state.SetZeroPadded(field::kGameNumber, -1);
    for (const auto& [fill, choice] :
         {std::pair{13, TableauChoice::kKingOnly}, std::pair{-1, TableauChoice::kAnyCard},
          std::pair{5, TableauChoice::kAnyCard}, std::pair{0, TableauChoice::kNone}}) {
        ctx.rules.Set(rule::kTableauEmpty, fill);
        EXPECT_EQ(CustomizeDialogPresets(ctx).tableau, choice) << fill;
    }
}

TEST_F(CustomizeRulesTest, TheRedealsLabelCountsTheDeals) {
    EXPECT_EQ(DealsInAllText(RedealChoice::kNone, ""), "(1 deal in all)");
    EXPECT_EQ(DealsInAllText(RedealChoice::kNumber, "2"), "(3 deals in all)");
    EXPECT_EQ(DealsInAllText(RedealChoice::kNumber, "x"), "");
    EXPECT_EQ(DealsInAllText(RedealChoice::kUnlimited, "2"), "");
}

}  // namespace
}  // namespace vis
