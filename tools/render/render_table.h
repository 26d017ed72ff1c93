// A dealt table painted off screen, as the program would show it: the
// preferences of the program directory, the real deal, layout and painter.
#pragma once

#include <QImage>
#include <QSize>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace vis {
struct GameContext;
class TablePainter;
}  // namespace vis

namespace vis::render {

struct RenderRequest {
    std::filesystem::path programDir;
    std::string game;
    std::string deal;
    QSize size{1024, 768};
    char cardSize = 'B';
};

// Shown the dealt game and its painter once the table is painted.
using TableInspector = std::function<void(const GameContext&, const TablePainter&)>;

// The painted window area of the table; nullopt, with the reason on
// standard error, when the game cannot be dealt or the library is missing.
std::optional<QImage> RenderTable(const RenderRequest& request, const TableInspector& inspect = {});

}  // namespace vis::render
