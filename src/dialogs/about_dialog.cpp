#include "dialogs/about_dialog.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/busy_modal.h"
#include "game/start_up.h"
#include "media/resource_library.h"
#include "media/resource_names.h"
#include "model/game_context.h"
#include "model/sound_events.h"

namespace vis {

namespace {

constexpr std::string_view kVersion = "5.0";
constexpr std::string_view kReleaseDate = "Nov 5, 1999";
constexpr int kPictureWidth = 360;
constexpr int kPictureHeight = 170;
constexpr int kFannedBacks = 4;

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

// A green table with a fan of card backs and the title over it.
QPixmap AboutPicture(const ResourceLibrary& library) {
    QPixmap picture(kPictureWidth, kPictureHeight);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QLinearGradient felt(0, 0, 0, kPictureHeight);
    felt.setColorAt(0, QColor(0, 120, 40));
    felt.setColorAt(1, QColor(0, 60, 20));
    painter.fillRect(picture.rect(), felt);
    for (int i = 0; i < kFannedBacks; ++i) {
        const QImage back = library.Bitmap(CardBackName('B', i + 1));
        if (back.isNull()) continue;
        painter.save();
        painter.translate(70, 150);
        painter.rotate(-24 + 16 * i);
        painter.drawImage(QPointF(-back.width() / 2.0, -back.height() - 10.0), back);
        painter.restore();
    }
    QFont title = painter.font();
    title.setPointSize(22);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(QColor(255, 230, 120));
    painter.drawText(QRect(140, 30, kPictureWidth - 150, 60), Qt::AlignCenter | Qt::TextWordWrap,
                     Text(kProductTitle));
    return picture;
}

}  // namespace

QString AboutVersionLine() {
    return Text(kProductTitle) + QStringLiteral(" - Version ") + Text(kVersion) +
           QStringLiteral(" - ") + Text(kReleaseDate);
}

TfrmAbout::TfrmAbout(QWidget* parent, AppServices& app) : QDialog(parent), app_(app) {
    setWindowTitle(QString::fromStdString(ExpandTextTemplate("About [Program]")));
    auto* picture = new QLabel(this);
    picture->setPixmap(AboutPicture(app.library));
    lblVersion_ = new QLabel(AboutVersionLine(), this);
    lblVersion_->setAlignment(Qt::AlignCenter);
    btnOK_ = new QPushButton(tr("OK"), this);
    btnOK_->setDefault(true);
    connect(btnOK_, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOK_);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture);
    layout->addWidget(lblVersion_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TfrmAbout::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (std::exchange(soundPlayed_, true)) return;
    PlaySoundEvent(app_.ctx.ui, app_.ctx.state, "About", field::kSoundsAbout);
}

void ShowAboutBox(QWidget* parent, AppServices& app) {
    ShowBusyBuiltModal<TfrmAbout>(parent, app);
}

}  // namespace vis
