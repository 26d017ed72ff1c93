#include "view/paint/background_painter.h"

#include <QImage>
#include <QPainter>

#include "media/resource_library.h"
#include "media/resource_names.h"
#include "model/config_file.h"
#include "model/preference_keys.h"
#include "model/program_paths.h"
#include "model/text.h"
#include "store/file_error.h"
#include "view/paint/pixel_ops.h"

namespace vis {

namespace {

constexpr std::string_view kCustomBackgroundKey = "Customized_Background";
constexpr std::string_view kDefaultBackgroundKey = "Background_Def";
constexpr std::string_view kCustomBackgroundMissing = "Customized background image not found: ";
// The fade runs in this many bands from black at the bottom to the colour.
constexpr int kFadeBands = 256;
// The fade reaches below a scrolled table.
constexpr int kFadeExtraWithScrollBar = 80;
constexpr std::int64_t kSystemColourFlag = 0x80000000LL;

// Classic system colours by index, for colour values that name one.
QColor SystemColour(int index) {
    switch (index) {
        case 1:  // desktop
            return QColor(58, 110, 165);
        case 5:  // window
            return QColor(255, 255, 255);
        case 15:  // button face
            return QColor(212, 208, 200);
        case 16:  // button shadow
            return QColor(128, 128, 128);
        case 20:  // button highlight
            return QColor(255, 255, 255);
        default:
            return QColor(212, 208, 200);
    }
}

// Repeats the tile along the first row, then that row downwards.
void Tile(QImage& target, const QImage& tile) {
    if (tile.isNull()) return;
    const int rowHeight = std::min(tile.height(), target.height());
    for (int x = 0; x < target.width(); x += tile.width())
        paint::Blit(target, QPoint(x, 0), tile, QRect(0, 0, tile.width(), rowHeight));
    for (int y = rowHeight; y < target.height(); y += rowHeight)
        paint::Blit(target, QPoint(0, y), target, QRect(0, 0, target.width(), rowHeight));
}

// Bands from the bottom upwards, band k k/256 of the way from black to
// `colour`; `height` may reach below the picture.
void Fade(QImage& target, QColor colour, int height) {
    for (int band = 0; band < kFadeBands; ++band) {
        const int top = height - (band + 1) * height / kFadeBands;
        const int bottom = height - band * height / kFadeBands;
        const QRgb shade =
            qRgb(colour.red() * band / kFadeBands, colour.green() * band / kFadeBands,
                 colour.blue() * band / kFadeBands);
        paint::FillRect(target, QRect(0, top, target.width(), bottom - top), shade);
    }
}

// The option goes back to the default background, in the state block and
// in the configuration file.
void ForgetCustomBackground(GameContext& ctx) {
    ctx.state.SetFlag(field::kHasCustomBackground, false);
    ctx.state.SetFlag(field::kBackgroundDefault, true);
    try {
        const auto config = ConfigFilePath(ctx.state);
        WritePref(config, kPreferenceSection, kCustomBackgroundKey, "");
        WritePref(config, kPreferenceSection, kDefaultBackgroundKey, "Y");
    } catch (const FileError& error) {
        ctx.ui.ShowError(error.what());
    }
}

void PaintColour(PaintScene& scene, QImage& target) {
    const StateBlock& state = scene.ctx.state;
    const std::int64_t fixed = state.GetInt(field::kBackgroundFixedColour, 0);
    const QColor colour =
        ColourFromValue(fixed > 0 ? fixed : state.GetInt(field::kBackgroundColour, 0));
    if (state.GetFlag(field::kFadeBackground) && scene.display.richColours) {
        const int height =
            target.height() + (scene.display.scrollBarShown ? kFadeExtraWithScrollBar : 1);
        Fade(target, colour, height);
        return;
    }
    target.fill(colour);
}

void PaintLibraryPicture(PaintScene& scene, QImage& target) {
    const int number = scene.ctx.state.GetInt(field::kBackgroundPicture, 0);
    const QImage picture = scene.library.Bitmap(BackgroundName(number));
    // Whatever the picture leaves uncovered stays the default green.
    target.fill(DefaultBackgroundColour(scene.display.richColours));
    if (number > kLastTiledPicture) {
        paint::Blit(target, QPoint(0, 0), picture);
    } else {
        Tile(target, picture);
    }
}

}  // namespace

BackgroundMode ChosenBackground(const GameContext& ctx) {
    if (ctx.flags[Flag::kDemoMode]) return BackgroundMode::kDemo;
    if (ctx.state.GetFlag(field::kBackgroundDefault)) return BackgroundMode::kDefault;
    if (ctx.state.GetFlag(field::kHasCustomBackground)) return BackgroundMode::kCustomPicture;
    if (ctx.state.GetInt(field::kBackgroundPicture, 0) != 0) return BackgroundMode::kLibraryPicture;
    return BackgroundMode::kColour;
}

QColor ColourFromValue(std::int64_t value) {
    if (value < 0) {
        const std::int64_t bits = value & 0xffffffffLL;
        if ((bits & kSystemColourFlag) != 0) return SystemColour(static_cast<int>(bits & 0xff));
    }
    const auto channel = [value](int shift) { return static_cast<int>((value >> shift) & 0xff); };
    return QColor(channel(0), channel(8), channel(16));
}

QColor DefaultBackgroundColour(bool richColours) {
    return richColours ? QColor(0, 96, 0) : QColor(0, 128, 0);
}

std::filesystem::path CustomBackgroundPath(const GameContext& ctx) {
    return CustomBackgroundPath(
        ctx, ReadPref(ConfigFilePath(ctx.state), kPreferenceSection, kCustomBackgroundKey, ""));
}

std::filesystem::path CustomBackgroundPath(const GameContext& ctx, const std::string& stored) {
    const std::string name = Trim(stored);
    if (name.find_first_of("\\/") == std::string::npos)
        return ProgramFile(ctx.state, "Images\\" + name + ".bmp");
    // A picture chosen with the file dialog is stored with its full native
    // path, which the stored-path splitting would make relative.
    if (const std::filesystem::path native(name); native.is_absolute()) return native;
    std::filesystem::path path = NativeRelativePath(name);
    return path.is_absolute() ? path : ProgramDir(ctx.state) / path;
}

void PaintBackground(PaintScene& scene) {
    QImage& target = scene.Background();
    switch (ChosenBackground(scene.ctx)) {
        case BackgroundMode::kDemo:
            Tile(target, scene.library.Bitmap(kDemoBackgroundName));
            break;
        case BackgroundMode::kDefault:
            target.fill(DefaultBackgroundColour(scene.display.richColours));
            break;
        case BackgroundMode::kCustomPicture: {
            const std::filesystem::path path =
                scene.display.customBackground
                    ? CustomBackgroundPath(scene.ctx, *scene.display.customBackground)
                    : CustomBackgroundPath(scene.ctx);
            std::error_code ec;
            const QImage picture = std::filesystem::is_regular_file(path, ec)
                                       ? QImage(QString::fromStdString(path.string()))
                                       : QImage();
            if (picture.isNull()) {
                // Reported once: the option is reset before the message. A
                // previewed picture is not the option in force.
                if (!scene.display.customBackground) ForgetCustomBackground(scene.ctx);
                scene.ctx.ui.ShowMessage(std::string(kCustomBackgroundMissing) + path.string());
                target.fill(DefaultBackgroundColour(scene.display.richColours));
                break;
            }
            Tile(target, picture.convertToFormat(QImage::Format_RGB32));
            break;
        }
        case BackgroundMode::kLibraryPicture:
            PaintLibraryPicture(scene, target);
            break;
        case BackgroundMode::kColour:
            PaintColour(scene, target);
            break;
    }
    paint::CopySameRect(scene.Back(), target, target.rect());
    scene.picture.ChangedAll();
}

}  // namespace vis
