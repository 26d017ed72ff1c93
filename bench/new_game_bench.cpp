// The New game command of the main window, from the command to the dealt
// Klondike table painted on the window, the deal animation off.
#include <benchmark/benchmark.h>

#include <QTest>

#include "app/main_window.h"
#include "app/program.h"
#include "app/program_dir_fixture.h"

namespace {

void BM_NewGameToPaintedTable(benchmark::State& state) {
    vis::test::ProgramDir dir;
    dir.HoldKlondike();
    dir.WritePreference("Deal_Animation", "N");
    dir.WritePreference("Cards_Animate", "N");
    dir.WritePreference("Sounds_Enabled", "N");
    // Autoplay waits 800 ms after the deal before it plays; the table is
    // painted before that wait, which is left out here.
    dir.WritePreference("AutoPlay", "N");
    dir.WritePreference("MainWindowState_Maximized", "N");
    vis::Program program(dir.Path());
    if (program.StartUp()) {
        state.SkipWithError("the program did not start");
        return;
    }
    vis::TfrmMain& window = program.Window();
    window.setGeometry(0, 0, 1200, 900);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("the window was not shown");
        return;
    }
    QTest::qWait(50);
    for (auto _ : state) {
        window.RunCommand(vis::Command::kNew);
        window.repaint();
    }
}
BENCHMARK(BM_NewGameToPaintedTable)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
