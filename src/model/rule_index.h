// Names of the rule indices of a game's column. Shared by the engine and the
// games compiler, so neither spells a rule as a bare number. Per-pile rules
// are a base index plus the 0-based pile index.
#pragma once

namespace vis::rule {

inline constexpr int kRuleCount = 389;

inline constexpr int kBasesFromDeal = 1;
inline constexpr int kRunCheck = 2;
inline constexpr int kTableauFan = 3;
inline constexpr int kFoundationFan = 4;
inline constexpr int kReserveFan = 5;
inline constexpr int kStockFaceDown = 6;
inline constexpr int kHasStock = 7;
inline constexpr int kHasWaste = 8;
inline constexpr int kExtraFoundationCard = 10;
inline constexpr int kMoveUnitLimit = 11;
inline constexpr int kReserveLift = 12;
inline constexpr int kPasses = 13;
inline constexpr int kGatheringRedeal = 14;
inline constexpr int kStockWaitsForWaste = 15;
inline constexpr int kFoundationLift = 16;
inline constexpr int kWasteLocked = 17;
inline constexpr int kAutoplayAvailable = 18;
inline constexpr int kNoSaveNoUndo = 20;
inline constexpr int kCardsPerPress = 21;
inline constexpr int kAutoFillTableau = 22;
inline constexpr int kPlayHomeOrder = 23;
inline constexpr int kGridRows = 24;
inline constexpr int kGridColumns = 25;
inline constexpr int kGridWidth = 27;
inline constexpr int kSortedFoundations = 29;
inline constexpr int kKingsToBottom = 30;
inline constexpr int kFoundationMaxCards = 31;
inline constexpr int kTableauMaxCards = 32;
inline constexpr int kDealArrangement = 33;
inline constexpr int kStockWasteRestriction = 34;
inline constexpr int kClickToMove = 36;
inline constexpr int kScreenNeed = 37;
inline constexpr int kSelectionGame = 38;
inline constexpr int kFillPhase = 39;
inline constexpr int kFillAfterFirstMove = 40;
inline constexpr int kAutoFaceUpAllowed = 41;
inline constexpr int kPairingDetail = 42;
inline constexpr int kJokersInDeck = 43;
inline constexpr int kScoreValueA = 44;
inline constexpr int kScoreValueB = 45;
inline constexpr int kWinningScore = 46;
inline constexpr int kFamily = 47;

inline constexpr int kFoundationBase = 48;       // + foundation index, 16 entries
inline constexpr int kFoundationDirection = 64;  // + foundation index
inline constexpr int kFoundationBuilding = 80;   // + foundation index
inline constexpr int kFoundationStart = 96;      // + foundation index
inline constexpr int kFoundationComplete = 112;  // + foundation index
inline constexpr int kTableauEmpty = 128;        // + tableau index, 28 entries
inline constexpr int kTableauDirection = 156;    // + tableau index
inline constexpr int kTableauBuilding = 184;     // + tableau index
inline constexpr int kTableauWrap = 212;         // + tableau index
inline constexpr int kTableauStockDeal = 240;    // + tableau index
inline constexpr int kReserveRule = 268;         // + reserve index, 8 entries
inline constexpr int kReserveStockDeal = 276;    // + reserve index

inline constexpr int kSecondWasteCard = 284;
inline constexpr int kWasteBuilds = 285;
inline constexpr int kWasteNotTarget = 286;
inline constexpr int kStockArrangement = 287;
inline constexpr int kStockRow = 288;
inline constexpr int kFoundationArrangement = 289;
inline constexpr int kFoundationRow = 290;
inline constexpr int kTableauArrangement = 291;
inline constexpr int kTableauRow = 292;
inline constexpr int kTableauWrapRows = 293;
inline constexpr int kReserveArrangement = 294;
inline constexpr int kReserveRow = 295;
inline constexpr int kExtraStockArrangement = 296;
inline constexpr int kExtraStockRow = 297;
inline constexpr int kStockGroupPlaced = 298;
inline constexpr int kFoundationCount = 299;
inline constexpr int kTableauCount = 300;
inline constexpr int kReserveCount = 301;
inline constexpr int kExtraStockPiles = 302;
inline constexpr int kDeckSize = 303;
inline constexpr int kStockCards = 304;
inline constexpr int kWasteCards = 305;
inline constexpr int kJokerCount = 306;
inline constexpr int kTableauCards = 307;   // + tableau index
inline constexpr int kTableauFaceUp = 335;  // + tableau index
inline constexpr int kSecondWasteCards = 363;
inline constexpr int kReserveCards = 364;   // + reserve index
inline constexpr int kReserveFaceUp = 372;  // + reserve index
inline constexpr int kCustomCardsPerPress = 380;
inline constexpr int kCustomRedeals = 381;
inline constexpr int kCustomTableauSpaces = 382;
inline constexpr int kGameLength = 383;
inline constexpr int kDifficulty = 384;
inline constexpr int kSkill = 385;
inline constexpr int kChanceOfWinning = 386;
inline constexpr int kOddsWins = 387;
inline constexpr int kOddsGames = 388;

}  // namespace vis::rule
