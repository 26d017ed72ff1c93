// The game object: the catalog and the working values shared by layout,
// drawing and play. Each concern keeps its values in its own member.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "model/table_layout.h"

namespace vis {

// What the pointer on the table is doing: the press, the lifted block and
// where it was last drawn, a card shown whole, the hover for the pile-size
// tip.
struct PointerState {
    Point press;
    // Set by the first move while a card is lifted, cleared at each press.
    bool moved = false;
    // Pointer minus the block's top-left corner.
    Point grabOffset;
    // The lifted block at the press, and where it is drawn now.
    Rect block;
    int blockHeight = 0;
    Point blockAt;
    // The drag image is up: the pointer lifted the card, or an automatic
    // move lifted it just before sliding it.
    bool lifted = false;
    // The card place of the stock spot pressed; leaving it cancels a redeal.
    Rect stockSpot;
    // A covered card shown whole while the right button is down.
    Point peek;
    bool peeking = false;
    // The pile-size tip: where the pointer rests and since when (-1: not
    // counting), and whether the tip is up.
    Point hover;
    std::int64_t hoverStart = -1;
    bool tipShown = false;
    // A double click took a card in hand: the press reported for its second
    // click is ignored once.
    bool swallowNextPress = false;
};

struct MainGame {
    // Catalog lines as unscrambled from "[Sect1]", in file order; a line's
    // position is its game's rules column.
    std::vector<std::string> catalog;

    // Current pass through the stock, 1 at a new game.
    std::int16_t passNumber = 1;
    // Raised after each executed move, up to 2; the tableau fill runs at 1.
    std::int16_t fillCounter = 0;
    // Times the memory games turned their cards back.
    std::int16_t attemptCounter = 0;

    // Small-screen state: 2 after start-up, 0 after a change of game, 1 once
    // checked for the game; and whether each small-screen message was shown.
    std::int16_t smallScreenState = 2;
    bool smallScreenMessageShown[2] = {false, false};

    bool closeAfterAnimation = false;
    // The held-game file the game on the table was resumed from. It stays
    // on disk until the game is recorded or held again, so that a crash in
    // between loses nothing.
    std::filesystem::path resumedHeldFile;
    std::int16_t lastPileSizeLabel = -1;
    std::int16_t foundationHighlightStyle = 0;
    // The foundation highlight drawn last; -1 makes the next one drawn afresh.
    std::int16_t highlightMarker = -1;

    // Deals from the stock to the reserves so far; 0 at a new deal.
    int dealCounter = 0;

    // The game clock: the elapsed seconds shown, and when a pause began
    // (seconds of the day). The start time lives in StateFlags.
    int clockSeconds = 0;
    int pauseStartSeconds = 0;
    // Set when autoplay is to stop at its next step.
    bool autoplayStop = false;
    // The card being dragged, 0 when none.
    int draggedCard = 0;
    // Pile origins, card and fan sizes, scrolling: the geometry of the table.
    TableLayout layout;
    // Set while the pointer holds down an empty stock: the redeal waits for
    // the release over the stock spot.
    bool stockPressed = false;
    // The lifted block is one card (its height equals the card height); the
    // move rules let only single cards go where runs may not.
    bool singleCardMove = true;
    // Cleared with the drag; no rule reads it any more (the move rules
    // find a run's top from the table).
    int liftedRunTop = 0;
    PointerState pointer;
    // The Autoplay switch (menu entry checked, buttons down); it outlives
    // the game.
    bool autoplaySwitch = false;
    // The process's random generator, seeded from the clock at start-up.
    // Deals never depend on it; it picks new deal numbers and the like.
    std::mt19937 random{static_cast<std::mt19937::result_type>(
        std::chrono::system_clock::now().time_since_epoch().count())};
};

}  // namespace vis
