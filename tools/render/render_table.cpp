#include "render/render_table.h"

#include <iostream>

#include "cli/cli_commands.h"
#include "engine/engine_hooks.h"
#include "media/resource_library.h"
#include "view/geometry/card_size.h"
#include "view/geometry/scroll_bar.h"
#include "view/paint/table_painter.h"

namespace vis::render {

namespace {

constexpr std::string_view kLibraryFile = "VIS.RGF";
// A window of the requested size: a frame and menu above the client area,
// and no toolbar panels in the table's way.
constexpr int kFrameHeight = 50;
constexpr int kScrollBarWidth = 16;

TableWindow WindowFor(QSize size) {
    MainWindowFacts facts;
    facts.windowWidth = size.width();
    facts.scrollBarWidth = kScrollBarWidth;
    facts.windowHeight = size.height() + kFrameHeight;
    facts.clientHeight = size.height();
    return MainWindowTable(facts);
}

}  // namespace

std::optional<QImage> RenderTable(const RenderRequest& request, const TableInspector& inspect) {
    ResourceLibrary library;
    const QString libraryPath =
        QString::fromStdString((request.programDir / kLibraryFile).string());
    if (const auto error = library.Load(libraryPath)) {
        std::cerr << error->toStdString() << '\n';
        return std::nullopt;
    }

    cli::CliSession session(request.programDir);
    GameContext& ctx = session.ctx;
    // The screen is the requested window, as on a maximised window.
    const ScreenSize screen{request.size.width(), request.size.height() + kFrameHeight};
    cli::LoadPreferences(ctx, screen);
    ctx.state.Set(field::kCardSize, std::string(1, request.cardSize));
    ApplyCardSize(ctx);

    const TableWindow window = WindowFor(request.size);
    DefaultPlayHooks play;
    EngineHooks hooks(play);
    hooks.SetWindow(window, screen);
    if (!cli::DealGame(session, hooks, request.game, request.deal)) return std::nullopt;

    TablePainter painter(ctx, library);
    const ScreenSize pictureSize = PlainBackBitmapSize(screen);
    painter.ResizePictures(QSize(pictureSize.width, pictureSize.height));
    painter.SetWindow(window, screen);
    // The deal may have changed the card size to fit the screen.
    painter.ReloadImages();
    painter.RepaintTable();
    if (inspect) inspect(ctx, painter);
    return painter.Picture().WindowImage(QRect(QPoint(0, 0), request.size),
                                         ctx.game.layout.scrollOffset);
}

}  // namespace vis::render
