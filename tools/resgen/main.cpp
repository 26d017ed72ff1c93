// vistrane-resgen <folder>: draws every picture and synthesises every sound
// of the resource library into <folder>, with the collection file that rcc
// packs. Exits with 1 when anything the program asks for is missing.
#include <QElapsedTimer>
#include <QString>
#include <cstdio>
#include <vector>

#include "families.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: vistrane-resgen <output folder>\n");
        return 2;
    }
    QElapsedTimer timer;
    timer.start();
    vis::LibraryWriter writer(QString::fromLocal8Bit(argv[1]));
    std::vector<vis::Job> jobs;
    vis::QueueCardFaces(jobs, writer);
    vis::QueueCardBacks(jobs, writer);
    vis::QueueBackgrounds(jobs, writer);
    vis::QueueTablePictures(jobs, writer);
    vis::QueueControlPictures(jobs, writer);
    vis::QueuePointerShapes(jobs, writer);
    vis::QueueSounds(jobs, writer);
    vis::RunJobs(jobs);
    const QStringList problems = writer.Finish();
    for (const QString& problem : problems) {
        std::fprintf(stderr, "vistrane-resgen: %s\n", problem.toLocal8Bit().constData());
    }
    std::printf("vistrane-resgen: %zu jobs in %lld ms\n", jobs.size(),
                static_cast<long long>(timer.elapsed()));
    return problems.isEmpty() ? 0 : 1;
}
