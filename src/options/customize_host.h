// What the Customize dialog needs of the window whose look it changes: the
// game, the shared services and painter, and the two ways of showing a
// changed look. The main window implements it, so the dialogs stay below it.
#pragma once

#include <string>

class QWidget;

namespace vis {

struct AppServices;
struct GameContext;
class TablePainter;

class CustomizeHost {
public:
    virtual GameContext& Ctx() = 0;
    virtual AppServices& Services() = 0;
    virtual TablePainter& Painter() = 0;
    // The table laid out and drawn again with the look in force.
    virtual void RebuildTable() = 0;
    // Toolbar, panels, pointer and marks following the stored options.
    virtual void ApplyPresentationOptions() = 0;
    // Plays a winning animation on the table, as a preview; the dialog is
    // closed meanwhile.
    virtual void PreviewWinningAnimation(const std::string& style, int seconds) = 0;
    // The window the dialog belongs to.
    virtual QWidget& HostWindow() = 0;

protected:
    ~CustomizeHost() = default;
};

}  // namespace vis
