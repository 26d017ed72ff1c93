// Collects the drawn pictures and synthesised sounds in a scratch folder and
// lists them in the resource collection that rcc packs into the library.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <functional>
#include <mutex>
#include <string_view>
#include <vector>

#include "media/resource_names.h"

namespace vis {

class LibraryWriter {
public:
    // Clears what an older run left, so that nothing stale is packed.
    explicit LibraryWriter(const QString& folder);

    // Safe to call from several threads.
    void AddBitmap(std::string_view name, const QImage& image);
    void AddPointer(std::string_view name, const QImage& image, QPoint hotSpot);
    void AddSound(std::string_view name, const QByteArray& wave);

    // Writes the collection file; returns what is wrong against the catalog
    // (missing names, wrong sizes, unknown names, failed writes).
    QStringList Finish();

private:
    struct Entry {
        ResourceKind kind;
        QString name;
        QString file;  // relative to the folder
        int width;
        int height;
    };
    void Record(Entry entry);
    void Fail(const QString& problem);

    QString folder_;
    std::mutex mutex_;
    std::vector<Entry> entries_;
    QStringList problems_;
};

// Independent drawing jobs, run on a few threads.
using Job = std::function<void()>;
void RunJobs(std::vector<Job>& jobs);

}  // namespace vis
