// The resource library: the pictures, pointer shapes and sounds of the
// table, loaded from one file beside the program and taken by name.
#pragma once

#include <QByteArray>
#include <QCursor>
#include <QHash>
#include <QImage>
#include <QPoint>
#include <QString>
#include <QUrl>
#include <optional>
#include <string_view>

namespace vis {

// A pointer shape and the pixel it points with.
struct PointerShape {
    QImage image;
    QPoint hotSpot;
};

class ResourceLibrary {
public:
    ResourceLibrary() = default;
    ~ResourceLibrary();
    ResourceLibrary(const ResourceLibrary&) = delete;
    ResourceLibrary& operator=(const ResourceLibrary&) = delete;

    // Loads the library file, replacing one loaded before. On failure the
    // library stays empty and the message to show comes back:
    // "Can't find/load " and the path in lower case.
    std::optional<QString> Load(const QString& path);
    void Unload();
    bool IsLoaded() const { return !file_.isEmpty(); }

    // Names are found without regard to letter case. A missing picture is
    // an empty image, and drawing goes on with it.
    QImage Bitmap(std::string_view name) const;
    bool HasBitmap(std::string_view name) const;

    // A missing pointer shape is an empty image; Cursor() then gives the
    // standard arrow.
    PointerShape Pointer(std::string_view name) const;
    QCursor Cursor(std::string_view name) const;

    // The WAV data of a sound and the URL a sound player can open. Both are
    // empty for a missing name, on which the player silences what it plays.
    QByteArray SoundData(std::string_view name) const;
    QUrl SoundUrl(std::string_view name) const;

private:
    using Index = QHash<QString, QString>;  // upper-case name -> resource path
    static QString Find(const Index& index, std::string_view name);
    Index IndexFolder(std::string_view folder, std::string_view suffix) const;

    QString file_;
    Index bitmaps_;
    Index pointers_;
    Index sounds_;
};

}  // namespace vis
