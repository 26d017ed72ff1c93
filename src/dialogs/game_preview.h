// The picture of a game's table for the game selection dialog: a fixed deal
// dealt in a private game and drawn by the table painter, scaled down.
#pragma once

#include <QImage>
#include <QSize>
#include <optional>
#include <string>

#include "engine/engine_hooks.h"
#include "model/game_context.h"
#include "model/headless_ui.h"
#include "view/paint/table_painter.h"

namespace vis {

class ResourceLibrary;

// One per dialog: the card pictures stay loaded from one preview to the
// next while the card size, faces and back stay the same.
class GamePreview {
public:
    // `window` is the size of the table the game is laid out in.
    GamePreview(const GameContext& source, const ResourceLibrary& library,
                QSize window = QSize(800, 560));
    GamePreview(const GamePreview&) = delete;
    GamePreview& operator=(const GamePreview&) = delete;

    // The game's table scaled to fit `size`; a null image when the game
    // cannot be dealt.
    QImage Render(int game, QSize size);

private:
    const GameContext& source_;
    // A game of its own, so nothing of the game in play is touched: no
    // messages, no records, no sounds.
    HeadlessUi quiet_;
    GameContext ctx_;
    DefaultPlayHooks play_;
    EngineHooks hooks_;
    TablePainter painter_;
    QSize window_;
    // Card size, faces and back of the pictures loaded; none before the first.
    std::optional<std::string> loadedImages_;
};

}  // namespace vis
