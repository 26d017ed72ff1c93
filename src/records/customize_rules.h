// The customize rules dialog's values: what it shows at opening, how its
// numbers are checked and stored, and the check of the new game's name.
#pragma once

#include <string>
#include <string_view>

#include "model/custom_games_file.h"
#include "model/game_context.h"
#include "records/custom_games.h"

namespace vis {

// What the customize rules dialog shows.
enum class RedealChoice { kUnlimited, kNumber, kNone };
enum class TableauChoice { kKingOnly, kAnyCard, kNone };
struct CustomizeDialogValues {
    std::string cardsText;  // "&Cards dealt by clicking on the stock:"
    RedealChoice redeals = RedealChoice::kUnlimited;
    std::string redealsText;  // "Specified nu&mber:"
    TableauChoice tableau = TableauChoice::kAnyCard;
};

// The field the player has to correct, with the message to show.
enum class CustomizeField { kNone, kCardsDealt, kRedeals };
struct EncodedSettings {
    CustomSettings settings;
    CustomizeField badField = CustomizeField::kNone;
    std::string message;
};
inline constexpr int kMostCardsPerPress = 104;
// Passes are stored in three digits: 998 redeals make 999 passes.
inline constexpr int kMostRedeals = 998;

// Checks the dialog's numbers and encodes the values; a setting the game
// does not allow is stored as its neutral value.
EncodedSettings EncodeCustomSettings(const AllowedSettings& allowed,
                                     const CustomizeDialogValues& values);

// The name dialog's check: empty when `name` may be used, else the message.
std::string CheckCustomGameName(const GameContext& ctx, std::string_view name);

// The values shown at opening for the game in play: its cards per press
// and pass count; King only for a King rule (13) or when its base game
// fills with Kings (91); else any card, or none for 0.
CustomizeDialogValues CustomizeDialogPresets(const GameContext& ctx);

// The label beside the redeals: "(1 deal in all)", "(n deals in all)", or
// nothing for unlimited redeals and for a number that is not a number.
std::string DealsInAllText(RedealChoice choice, std::string_view redealsText);

}  // namespace vis
