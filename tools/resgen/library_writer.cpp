#include "library_writer.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <atomic>
#include <map>
#include <thread>

#include "model/text.h"

namespace vis {

namespace {

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString KindName(ResourceKind kind) {
    switch (kind) {
        case ResourceKind::kBitmap:
            return "bitmap";
        case ResourceKind::kPointer:
            return "pointer";
        case ResourceKind::kSound:
            return "sound";
    }
    return {};
}

}  // namespace

LibraryWriter::LibraryWriter(const QString& folder) : folder_(folder) {
    QDir dir(folder_);
    dir.mkpath(".");
    // Only what an earlier run wrote goes: the folder may hold other things.
    dir.remove("library.qrc");
    for (std::string_view sub : {kBitmapFolder, kPointerFolder, kSoundFolder}) {
        QDir(dir.filePath(Q(sub))).removeRecursively();
        dir.mkpath(Q(sub));
    }
}

void LibraryWriter::AddBitmap(std::string_view name, const QImage& image) {
    QString file = Q(kBitmapFolder) + "/" + Q(name) + Q(kPictureSuffix);
    if (!image.save(folder_ + "/" + file, "PNG")) {
        Fail("cannot write " + file);
        return;
    }
    Record({ResourceKind::kBitmap, Q(name), file, image.width(), image.height()});
}

void LibraryWriter::AddPointer(std::string_view name, const QImage& image, QPoint hotSpot) {
    QImage shape = image;
    shape.setText(Q(kHotSpotXKey), QString::number(hotSpot.x()));
    shape.setText(Q(kHotSpotYKey), QString::number(hotSpot.y()));
    QString file = Q(kPointerFolder) + "/" + Q(name) + Q(kPictureSuffix);
    if (!shape.save(folder_ + "/" + file, "PNG")) {
        Fail("cannot write " + file);
        return;
    }
    Record({ResourceKind::kPointer, Q(name), file, image.width(), image.height()});
}

void LibraryWriter::AddSound(std::string_view name, const QByteArray& wave) {
    QString file = Q(kSoundFolder) + "/" + Q(name) + Q(kSoundSuffix);
    QFile out(folder_ + "/" + file);
    if (!out.open(QIODevice::WriteOnly) || out.write(wave) != wave.size()) {
        Fail("cannot write " + file);
        return;
    }
    Record({ResourceKind::kSound, Q(name), file, 0, 0});
}

void LibraryWriter::Record(Entry entry) {
    std::lock_guard lock(mutex_);
    entries_.push_back(std::move(entry));
}

void LibraryWriter::Fail(const QString& problem) {
    std::lock_guard lock(mutex_);
    problems_.push_back(problem);
}

QStringList LibraryWriter::Finish() {
    std::lock_guard lock(mutex_);
    std::sort(entries_.begin(), entries_.end(),
              [](const Entry& a, const Entry& b) { return a.file < b.file; });
    std::map<std::string, const Entry*> made;
    for (const Entry& entry : entries_) {
        std::string key =
            KindName(entry.kind).toStdString() + ":" + ToUpperAscii(entry.name.toStdString());
        if (made.count(key)) problems_.push_back("drawn twice: " + entry.name);
        made[key] = &entry;
        const ResourceEntry* known = FindResourceEntry(entry.kind, entry.name.toStdString());
        if (known == nullptr) {
            problems_.push_back("not in the catalog: " + entry.name);
        } else if (known->kind != entry.kind || known->name != entry.name.toStdString() ||
                   known->width != entry.width || known->height != entry.height) {
            problems_.push_back(QString("%1 %2 is %3x%4, the catalog wants %5 %6 %7x%8")
                                    .arg(KindName(entry.kind), entry.name)
                                    .arg(entry.width)
                                    .arg(entry.height)
                                    .arg(KindName(known->kind), Q(known->name))
                                    .arg(known->width)
                                    .arg(known->height));
        }
    }
    for (const ResourceEntry& known : ResourceCatalog()) {
        if (!made.count(KindName(known.kind).toStdString() + ":" + ToUpperAscii(known.name))) {
            problems_.push_back("not drawn: " + Q(known.name));
        }
    }

    QByteArray qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (const Entry& entry : entries_) {
        qrc += "  <file alias=\"" + entry.file.toUtf8() + "\">" + entry.file.toUtf8() + "</file>\n";
    }
    qrc += "</qresource>\n</RCC>\n";
    QSaveFile out(folder_ + "/library.qrc");
    if (!out.open(QIODevice::WriteOnly) || out.write(qrc) != qrc.size() || !out.commit()) {
        problems_.push_back("cannot write library.qrc");
    }
    return problems_;
}

void RunJobs(std::vector<Job>& jobs) {
    std::atomic<std::size_t> next{0};
    unsigned threadCount = std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
    std::vector<std::thread> threads;
    for (unsigned i = 0; i < threadCount; ++i) {
        threads.emplace_back([&] {
            for (std::size_t job = next++; job < jobs.size(); job = next++) jobs[job]();
        });
    }
    for (std::thread& thread : threads) thread.join();
}

}  // namespace vis
