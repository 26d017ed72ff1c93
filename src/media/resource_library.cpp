#include "media/resource_library.h"

#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QResource>

#include "media/resource_names.h"

namespace vis {

namespace {

// Where the library's tree appears among the program's resources.
const QString kMountPoint = QStringLiteral("/vistrane-library");

QString Q(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// The path as it is: on a file system that tells letter case apart, a
// lower-cased path names another file.
QString FailureMessage(const QString& path) {
    return QStringLiteral("Can't find/load ") + path;
}

}  // namespace

ResourceLibrary::~ResourceLibrary() {
    Unload();
}

std::optional<QString> ResourceLibrary::Load(const QString& path) {
    Unload();
    const QString file = QDir::cleanPath(QDir(path).absolutePath());
    if (!QFile::exists(file) || !QResource::registerResource(file, kMountPoint)) {
        return FailureMessage(path);
    }
    file_ = file;
    bitmaps_ = IndexFolder(kBitmapFolder, kPictureSuffix);
    pointers_ = IndexFolder(kPointerFolder, kPictureSuffix);
    sounds_ = IndexFolder(kSoundFolder, kSoundSuffix);
    // A resource file of some other program holds none of ours.
    if (bitmaps_.isEmpty() && pointers_.isEmpty() && sounds_.isEmpty()) {
        Unload();
        return FailureMessage(path);
    }
    return std::nullopt;
}

void ResourceLibrary::Unload() {
    if (!file_.isEmpty()) QResource::unregisterResource(file_, kMountPoint);
    file_.clear();
    bitmaps_.clear();
    pointers_.clear();
    sounds_.clear();
}

ResourceLibrary::Index ResourceLibrary::IndexFolder(std::string_view folder,
                                                    std::string_view suffix) const {
    Index index;
    const QString root = QStringLiteral(":") + kMountPoint + "/" + Q(folder);
    const QString ending = Q(suffix);
    const QStringList entries = QDir(root).entryList(QDir::Files);
    for (const QString& entry : entries) {
        if (!entry.endsWith(ending, Qt::CaseInsensitive)) continue;
        const QString name = entry.left(entry.size() - ending.size());
        index.insert(name.toUpper(), root + "/" + entry);
    }
    return index;
}

QString ResourceLibrary::Find(const Index& index, std::string_view name) {
    return index.value(Q(name).toUpper());
}

QImage ResourceLibrary::Bitmap(std::string_view name) const {
    const QString path = Find(bitmaps_, name);
    return path.isEmpty() ? QImage() : QImage(path);
}

bool ResourceLibrary::HasBitmap(std::string_view name) const {
    return !Find(bitmaps_, name).isEmpty();
}

PointerShape ResourceLibrary::Pointer(std::string_view name) const {
    const QString path = Find(pointers_, name);
    if (path.isEmpty()) return {};
    QImage image(path);
    QPoint hotSpot(image.text(Q(kHotSpotXKey)).toInt(), image.text(Q(kHotSpotYKey)).toInt());
    return {image, hotSpot};
}

QCursor ResourceLibrary::Cursor(std::string_view name) const {
    const PointerShape shape = Pointer(name);
    if (shape.image.isNull()) return QCursor(Qt::ArrowCursor);
    return QCursor(QPixmap::fromImage(shape.image), shape.hotSpot.x(), shape.hotSpot.y());
}

QByteArray ResourceLibrary::SoundData(std::string_view name) const {
    const QString path = Find(sounds_, name);
    if (path.isEmpty()) return {};
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QUrl ResourceLibrary::SoundUrl(std::string_view name) const {
    const QString path = Find(sounds_, name);
    // ":/x" resources are opened by players as "qrc:/x".
    return path.isEmpty() ? QUrl() : QUrl(QStringLiteral("qrc") + path);
}

}  // namespace vis
