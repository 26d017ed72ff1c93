// Measures a desktop program under the current X display: milliseconds from
// process start until its window is mapped and until the window shows a
// green table, resident memory 6 s after the start and CPU time while idle.
//
//   startup_probe RUNS TITLE-PATTERN PROGRAM [ARGS...]
//
// Prints one line per run and the medians. Linux only (reads /proc).
#include <unistd.h>

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

QString XDo(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    process.waitForFinished(5000);
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

// The largest visible window whose name matches.
QRect FindWindow(const QString& pattern) {
    QRect best;
    const QStringList ids = XDo({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                 QStringLiteral("--name"), pattern})
                                .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString& id : ids) {
        int values[4] = {};
        const QStringList lines =
            XDo({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), id})
                .split(QLatin1Char('\n'));
        for (const QString& line : lines) {
            const QString key = line.section(QLatin1Char('='), 0, 0);
            const int value = line.section(QLatin1Char('='), 1).toInt();
            if (key == QLatin1String("X")) values[0] = value;
            if (key == QLatin1String("Y")) values[1] = value;
            if (key == QLatin1String("WIDTH")) values[2] = value;
            if (key == QLatin1String("HEIGHT")) values[3] = value;
        }
        const QRect rect(values[0], values[1], values[2], values[3]);
        if (rect.width() * rect.height() > best.width() * best.height()) best = rect;
    }
    return best.width() > 100 ? best : QRect();
}

// A third of a grid of samples over the window's lower part is table green.
bool ShowsTable(const QRect& window) {
    const QImage image =
        QGuiApplication::primaryScreen()
            ->grabWindow(0, window.x(), window.y(), window.width(), window.height())
            .toImage();
    int green = 0;
    int samples = 0;
    for (int y = image.height() / 3; y < image.height(); y += 16) {
        for (int x = 8; x < image.width(); x += 16) {
            const QColor c = image.pixelColor(x, y);
            green += c.green() > c.red() + 30 && c.green() > c.blue() + 30;
            ++samples;
        }
    }
    return samples > 0 && green * 3 >= samples;
}

long ResidentKiB(qint64 pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

// User plus system CPU time in clock ticks.
long CpuTicks(qint64 pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), {});
    const auto close = text.rfind(')');
    if (close == std::string::npos) return -1;
    std::istringstream fields(text.substr(close + 2));
    std::string field;
    long utime = 0;
    long stime = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i == 14) utime = std::stol(field);
        if (i == 15) stime = std::stol(field);
    }
    return utime + stime;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: startup_probe RUNS TITLE-PATTERN PROGRAM [ARGS...]\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const QString pattern = QString::fromLocal8Bit(argv[2]);
    QStringList arguments;
    for (int i = 4; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    std::vector<double> mapped, painted, resident, idle;
    for (int run = 0; run < runs; ++run) {
        QProcess program;
        const auto start = Clock::now();
        program.start(QString::fromLocal8Bit(argv[3]), arguments);
        program.waitForStarted();
        QRect window;
        double mappedMs = -1;
        double paintedMs = -1;
        while (Clock::now() - start < std::chrono::seconds(20)) {
            if (window.isEmpty()) {
                window = FindWindow(pattern);
                if (!window.isEmpty())
                    mappedMs =
                        std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            }
            if (!window.isEmpty() && ShowsTable(window)) {
                paintedMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
                break;
            }
        }
        QThread::msleep(static_cast<unsigned long>(std::max(0.0, 6000 - paintedMs)));
        const long kib = ResidentKiB(program.processId());
        const long before = CpuTicks(program.processId());
        QThread::sleep(10);
        const long after = CpuTicks(program.processId());
        const double idlePercent =
            100.0 * double(after - before) / (10.0 * double(sysconf(_SC_CLK_TCK)));
        std::printf("run %d: mapped %.0f ms, table %.0f ms, %.1f MiB, idle CPU %.2f %%\n", run + 1,
                    mappedMs, paintedMs, kib / 1024.0, idlePercent);
        mapped.push_back(mappedMs);
        painted.push_back(paintedMs);
        resident.push_back(kib / 1024.0);
        idle.push_back(idlePercent);
        program.terminate();
        if (!program.waitForFinished(5000)) program.kill();
        program.waitForFinished();
    }
    std::printf("median: mapped %.0f ms, table %.0f ms, %.1f MiB, idle CPU %.2f %%\n",
                Median(mapped), Median(painted), Median(resident), Median(idle));
    return 0;
}
