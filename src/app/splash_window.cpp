#include "app/splash_window.h"

#include <QApplication>
#include <QPainter>
#include <QSplashScreen>

#include "game/start_up.h"
#include "media/resource_library.h"
#include "media/resource_names.h"

namespace vis {

std::unique_ptr<QSplashScreen> ShowSplash(const ResourceLibrary& library) {
    QImage picture = library.Bitmap(kSplashPictureName);
    if (picture.isNull()) {
        picture = QImage(360, 120, QImage::Format_RGB32);
        picture.fill(QColor(0, 128, 0));
        QPainter painter(&picture);
        painter.setPen(Qt::white);
        painter.setFont(QFont(QStringLiteral("Serif"), 20, QFont::Bold));
        painter.drawText(picture.rect(), Qt::AlignCenter,
                         QString::fromUtf8(kProductTitle.data(), int(kProductTitle.size())));
    }
    auto splash = std::make_unique<QSplashScreen>(QPixmap::fromImage(picture));
    splash->show();
    splash->repaint();
    QCoreApplication::processEvents();
    return splash;
}

}  // namespace vis
