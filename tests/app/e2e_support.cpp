#include "app/e2e_support.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>

namespace vis::test {

namespace {

// A private X server for the whole run, on the first free display from
// VIS_E2E_FIRST_DISPLAY (90 unless set), so that parallel runs keep apart.
class XServer {
public:
    XServer() {
        const char* first = std::getenv("VIS_E2E_FIRST_DISPLAY");
        const int from = first ? std::atoi(first) : 90;
        for (int number = from; number < from + 100 && display_.empty(); ++number) {
            const std::string lock = "/tmp/.X" + std::to_string(number) + "-lock";
            const std::string socket = "/tmp/.X11-unix/X" + std::to_string(number);
            if (std::filesystem::exists(lock) || std::filesystem::exists(socket)) continue;
            pid_ = fork();
            if (pid_ == 0) {
                const std::string display = ":" + std::to_string(number);
                const std::string screen =
                    std::to_string(kScreenWidth) + "x" + std::to_string(kScreenHeight) + "x24";
                execlp("Xvfb", "Xvfb", display.c_str(), "-screen", "0", screen.c_str(), "-nolisten",
                       "tcp", static_cast<char*>(nullptr));
                _exit(127);
            }
            for (int wait = 0; wait < 100; ++wait) {
                if (std::filesystem::exists(socket)) {
                    display_ = ":" + std::to_string(number);
                    break;
                }
                if (waitpid(pid_, nullptr, WNOHANG) == pid_) {
                    pid_ = -1;
                    break;
                }
                usleep(50000);
            }
        }
    }
    ~XServer() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;
    const std::string& Display() const { return display_; }

private:
    pid_t pid_ = -1;
    std::string display_;
};

}  // namespace

QString XDo(const QStringList& arguments, int timeoutMs) {
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    process.waitForFinished(timeoutMs);
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

void PressKeys(const QString& keys) {
    XDo({QStringLiteral("key"), keys});
}

void TypeText(const QString& text) {
    XDo({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("60"), text});
}

QImage Screenshot() {
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage();
}

QImage SettledScreenshot(const QRect& area) {
    QImage last = Screenshot();
    for (int wait = 0; wait < 25; ++wait) {
        QThread::msleep(200);
        QImage next = Screenshot();
        if (next.copy(area) == last.copy(area)) return next;
        last = std::move(next);
    }
    return last;
}

QString DifferenceBox(const QImage& a, const QImage& b) {
    QRect box;
    for (int y = 0; y < std::min(a.height(), b.height()); ++y)
        for (int x = 0; x < std::min(a.width(), b.width()); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) box |= QRect(x, y, 1, 1);
    return QStringLiteral("differs in %1,%2 %3x%4")
        .arg(box.x())
        .arg(box.y())
        .arg(box.width())
        .arg(box.height());
}

bool IsTableGreen(QColor c) {
    return c.green() > c.red() + 30 && c.green() > c.blue() + 30;
}

std::optional<WindowBounds> WaitForWindow(const QString& pattern) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QStringList ids = XDo({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                     QStringLiteral("--name"), pattern})
                                    .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        // Qt keeps small helper windows with the same name.
        for (const QString& id : ids) {
            const QStringList shell =
                XDo({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), id})
                    .split(QLatin1Char('\n'));
            std::map<QString, int> values;
            for (const QString& line : shell)
                values[line.section(QLatin1Char('='), 0, 0)] =
                    line.section(QLatin1Char('='), 1).toInt();
            if (values[QStringLiteral("WIDTH")] > 100)
                return WindowBounds{
                    id, QRect(values[QStringLiteral("X")], values[QStringLiteral("Y")],
                              values[QStringLiteral("WIDTH")], values[QStringLiteral("HEIGHT")])};
        }
        QThread::msleep(100);
    }
    return std::nullopt;
}

QString WindowCaption(const WindowBounds& window) {
    return XDo({QStringLiteral("getwindowname"), window.id});
}

QRect TableRect(const QImage& screen, const QRect& window) {
    for (int y = window.top(); y < window.bottom(); ++y)
        if (IsTableGreen(screen.pixelColor(window.left() + 3, y)))
            return QRect(window.left(), y, window.width(), window.bottom() - y + 1);
    return {};
}

void RealProgramTest::Launch() {
    program.setWorkingDirectory(QString::fromStdString(dir.Path().string()));
    program.start(QString::fromStdString((dir / "vistrane").string()), {});
    ASSERT_TRUE(program.waitForStarted());
}

void RealProgramTest::Close(const WindowBounds& window) {
    // Keys pressed while autoplay slides a card are swallowed, so the
    // player tries again.
    bool closed = false;
    for (int attempt = 0; attempt < 4 && !closed; ++attempt) {
        XDo({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window.id});
        PressKeys(QStringLiteral("Escape"));
        PressKeys(QStringLiteral("alt+f"));
        QThread::msleep(300);
        PressKeys(QStringLiteral("x"));
        closed = program.waitForFinished(4000);
    }
    ASSERT_TRUE(closed) << "the program did not close";
    EXPECT_EQ(program.exitCode(), 0);
}

void RealProgramTest::Drag(QPoint from, QPoint to) {
    const auto move = [](QPoint p) {
        XDo({QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y())});
    };
    move(from);
    XDo({QStringLiteral("mousedown"), QStringLiteral("1")});
    for (int step = 1; step <= 6; ++step) {
        move(from + (to - from) * step / 6);
        QThread::msleep(30);
    }
    XDo({QStringLiteral("mouseup"), QStringLiteral("1")});
    QThread::msleep(500);
}

void RealProgramTest::TearDown() {
    if (program.state() != QProcess::NotRunning) {
        program.kill();
        program.waitForFinished();
    }
}

int RunUnderXServer(int argc, char* argv[]) {
    XServer server;
    if (server.Display().empty()) {
        std::fprintf(stderr, "Xvfb could not be started\n");
        return 1;
    }
    setenv("DISPLAY", server.Display().c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

}  // namespace vis::test
