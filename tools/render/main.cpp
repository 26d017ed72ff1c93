// vistrane-render [--size WxH] [--card-size B|M|L] [--dir PATH] GAME DEAL OUT.png
//
// Deals a game headless and writes the table as the program paints it.
#include <QGuiApplication>
#include <QRegularExpression>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_context.h"
#include "render/render_table.h"

namespace {

constexpr const char* kUsage =
    "usage: vistrane-render [--size WxH] [--card-size B|M|L] [--dir PATH] GAME DEAL OUT.png\n";
constexpr int kMinSide = 100;
constexpr int kMaxSide = 8000;

std::optional<QSize> ParseSize(const std::string& text) {
    static const QRegularExpression pattern("^(\\d{1,5})x(\\d{1,5})$");
    const auto match = pattern.match(QString::fromStdString(text));
    if (!match.hasMatch()) return std::nullopt;
    const QSize size(match.captured(1).toInt(), match.captured(2).toInt());
    if (size.width() < kMinSide || size.height() < kMinSide || size.width() > kMaxSide ||
        size.height() > kMaxSide)
        return std::nullopt;
    return size;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    vis::render::RenderRequest request;
    request.programDir = vis::cli::ExecutableDir(argv[0]);
    std::vector<std::string> positional;
    const std::vector<std::string> args(argv + 1, argv + argc);
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--size" && hasValue) {
            const auto size = ParseSize(args[++i]);
            if (!size) {
                std::cerr << "bad size: " << args[i] << " (WxH, " << kMinSide << " to " << kMaxSide
                          << " pixels)\n";
                return 2;
            }
            request.size = *size;
        } else if (arg == "--card-size" && hasValue) {
            const std::string& letter = args[++i];
            if (letter != "B" && letter != "M" && letter != "L") {
                std::cerr << "bad card size: " << letter << " (B, M or L)\n";
                return 2;
            }
            request.cardSize = letter.front();
        } else if (arg == "--dir" && hasValue) {
            request.programDir = args[++i];
        } else if (arg.starts_with("--")) {
            std::cerr << "unknown option: " << arg << '\n' << kUsage;
            return 2;
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.size() != 3) {
        std::cerr << kUsage;
        return 2;
    }
    request.game = positional[0];
    request.deal = positional[1];

    try {
        const auto image = vis::render::RenderTable(request);
        if (!image) return 1;
        const QString out = QString::fromStdString(positional[2]);
        if (!image->save(out, "PNG")) {
            std::cerr << "cannot write " << positional[2] << '\n';
            return 1;
        }
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    return 0;
}
