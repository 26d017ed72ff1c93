// What the end-to-end tests share: a private X server, xdotool for the
// player's mouse and keys, screenshots, the program's windows found by
// caption, and the real program started on a fresh program directory.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>

#include "app/program_dir_fixture.h"

namespace vis::test {

inline constexpr int kScreenWidth = 1280;
inline constexpr int kScreenHeight = 1024;

// xdotool with arguments; its standard output.
QString XDo(const QStringList& arguments, int timeoutMs = 10000);
// Keys as xdotool names them ("ctrl+q", "F2"), to the focused window.
void PressKeys(const QString& keys);
// Text typed at a person's pace.
void TypeText(const QString& text);

QImage Screenshot();
// The screen once `area` has stopped changing (a card may still be sliding
// on a loaded machine), or after five seconds.
QImage SettledScreenshot(const QRect& area);
// Where two screenshots differ, for the failure message.
QString DifferenceBox(const QImage& a, const QImage& b);
bool IsTableGreen(QColor c);

struct WindowBounds {
    QString id;
    QRect rect;
};

// Waits (about ten seconds) for a window whose caption matches `pattern`.
std::optional<WindowBounds> WaitForWindow(const QString& pattern);
// The caption of a window, as the window manager shows it.
QString WindowCaption(const WindowBounds& window);
// The table: below the toolbar, the first green row of the window's left edge.
QRect TableRect(const QImage& screen, const QRect& window);

// The real program on a fresh program directory, driven as a player would.
class RealProgramTest : public ::testing::Test {
protected:
    void Launch();
    // E&xit from the &File menu, as the player would; the program ends.
    void Close(const WindowBounds& window);
    // Presses at `from`, moves in steps and releases at `to` (screen pixels).
    static void Drag(QPoint from, QPoint to);
    void TearDown() override;

    ProgramDir dir;
    QProcess program;
};

// Runs the tests of the executable under a private X server.
int RunUnderXServer(int argc, char* argv[]);

}  // namespace vis::test
