#include "dialogs/game_preview.h"

#include "game/new_game.h"
#include "model/catalog.h"
#include "view/geometry/scroll_bar.h"
#include "view/geometry/table_window.h"

namespace vis {

namespace {

// Every preview shows the same deal, so a game always looks the same.
constexpr std::string_view kPreviewDeal = "0000000000001";

}  // namespace

GamePreview::GamePreview(const GameContext& source, const ResourceLibrary& library, QSize window)
    : source_(source), ctx_(quiet_), hooks_(play_), painter_(ctx_, library), window_(window) {
    const ScreenSize screen{window.width(), window.height()};
    const TableWindow table = PreviewTable(window.width(), window.height());
    hooks_.SetWindow(table, screen);
    const ScreenSize picture = PlainBackBitmapSize(screen);
    painter_.ResizePictures(QSize(picture.width, picture.height));
    painter_.SetWindow(table, screen);
}

QImage GamePreview::Render(int game, QSize size) {
    if (game < 0 || size.isEmpty()) return {};
    ctx_.state = source_.state;
    ctx_.game.catalog = source_.game.catalog;
    ctx_.flags = StateFlags{};
    ctx_.state.SetFlag(field::kDealAnimation, false);
    ctx_.state.SetFlag(field::kCardsAnimate, false);
    quiet_.ClearLog();
    if (!StartGame(ctx_, hooks_,
                   {.number = game,
                    .name = GameName(ctx_, game),
                    .player = ctx_.state.Get(field::kPlayer),
                    .persist = false,
                    .dealNumber = std::string(kPreviewDeal)}))
        return {};
    ctx_.game.layout.preview = true;

    // The deal may have changed the card size to fit the table.
    const std::string images = ctx_.state.Get(field::kCardSize) + ctx_.state.Get(field::kCardSet) +
                               ctx_.state.Get(field::kBackCard);
    if (!loadedImages_ || images != *loadedImages_) {
        painter_.ReloadImages();
        loadedImages_ = images;
    }
    painter_.RepaintTable();
    const QImage whole = painter_.Picture().WindowImage(QRect(QPoint(0, 0), window_), 0);
    return whole.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

}  // namespace vis
