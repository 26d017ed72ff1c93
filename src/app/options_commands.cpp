// The presentation options in force: after the Customize dialog, and the
// random presentation of a new deal.
#include <QScreen>
#include <random>

#include "app/main_window.h"
#include "media/resource_library.h"
#include "media/resource_names.h"
#include "model/config_file.h"
#include "model/preference_keys.h"
#include "model/program_paths.h"
#include "options/random_presentation.h"
#include "view/geometry/card_size.h"

namespace vis {

void TfrmMain::ApplyPresentationOptions() {
    const auto config = ConfigFilePath(Ctx().state);
    SetToolbarLarge(ReadPref(config, kPreferenceSection, "ToolBar_Large", "N") == "Y");
    SetToolbarFlat(ReadPref(config, kPreferenceSection, "ToolBar_Flat", "Y") == "Y");
    ArrangeToolbarRow();
    SetTablePointer(Ctx().state.GetInt(field::kCursorStyle, 0));
}

void TfrmMain::RebuildTable() {
    GameContext& ctx = Ctx();
    SetFanSteps(ctx);
    ApplyCardSize(ctx);
    UpdateShadowMargin(ctx);
    if (startingUp_) return;
    UpdateScrollBar();
    RepaintTable();
    ctx.ui.RefreshCardCounter();
}

void TfrmMain::PickRandomPresentation() {
    static std::mt19937 random{std::random_device{}()};
    const ResourceLibrary& library = library_;
    const RandomPresentation changed = vis::PickRandomPresentation(
        Ctx().state, true,
        [&library](int number) { return library.HasBitmap(BackgroundName(number)); },
        [](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); });
    if (changed.faces || changed.back) ApplyCardSize(Ctx());
}

}  // namespace vis
