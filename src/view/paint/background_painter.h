// The table background in each of its modes: the demo tiles, the default
// green, the player's own picture file, a picture of the library (tiled or
// once in the corner), or a colour with an optional fade.
#pragma once

#include <QColor>
#include <cstdint>
#include <filesystem>

#include "view/paint/paint_scene.h"

namespace vis {

enum class BackgroundMode {
    kDemo,           // "Y001" tiled while a demo runs
    kDefault,        // plain green
    kCustomPicture,  // the player's picture file, tiled
    kLibraryPicture,
    kColour,
};

// Which mode the state block asks for.
BackgroundMode ChosenBackground(const GameContext& ctx);

// A stored colour value: red + 256 x green + 65536 x blue, or a system
// colour reference (8000000F hexadecimal is the button face).
QColor ColourFromValue(std::int64_t value);

// The default green: darker on displays of more than 256 colours.
QColor DefaultBackgroundColour(bool richColours);

// Library pictures numbered above this are drawn once at the top-left.
inline constexpr int kLastTiledPicture = 499;

// The player's picture file named by the configuration; a bare name is a
// ".bmp" in the program's "Images\" folder.
std::filesystem::path CustomBackgroundPath(const GameContext& ctx);
std::filesystem::path CustomBackgroundPath(const GameContext& ctx, const std::string& name);

// Paints `BackgroundBitmap` and copies it to `BackBitmap`. A picture file
// that cannot be found is reported once; the option then goes back to the
// default background.
void PaintBackground(PaintScene& scene);

}  // namespace vis
