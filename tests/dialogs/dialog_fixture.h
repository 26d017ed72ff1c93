// The services the dialogs work with, over a scratch program directory that
// holds the shipped games and the library the build draws.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>

#include "dialogs/app_services.h"
#include "engine/engine_hooks.h"
#include "media/resource_library.h"
#include "support/shipped_games.h"

namespace vis::test {

class DialogTest : public ShippedGamesTest {
protected:
    void SetUp() override {
        ShippedGamesTest::SetUp();
        ASSERT_FALSE(library.Load(QStringLiteral(VIS_PROGRAM_DIR "/VIS.RGF")).has_value());
        ctx.state.Set(field::kPlayer, "Ann");
        ctx.state.SetZeroPadded(field::kGameNumber, -1);
        ctx.state.Set(field::kCardSize, "B");
        ctx.state.Set(field::kCardSet, "001");
        ctx.state.Set(field::kBackCard, "011");
        ctx.state.SetFlag(field::kBackgroundDefault, true);
    }

    bool Logged(std::string_view entry) const {
        for (const std::string& line : ui.Log())
            if (line.find(entry) != std::string::npos) return true;
        return false;
    }

    // Runs `act` on the modal dialog of type T once it is shown.
    template <typename T, typename Act>
    static void WhenShown(Act act) {
        QTimer::singleShot(0, [act] {
            auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            act(*dialog);
        });
    }

    ResourceLibrary library;
    DefaultPlayHooks play;
    EngineHooks hooks{play};
    AppServices app{ctx, hooks, library};
};

}  // namespace vis::test
