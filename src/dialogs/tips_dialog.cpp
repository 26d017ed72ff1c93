#include "dialogs/tips_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/busy_modal.h"
#include "dialogs/help_window.h"
#include "dialogs/tip_pages.h"
#include "model/config_file.h"
#include "model/game_context.h"
#include "model/preference_keys.h"
#include "model/program_paths.h"

namespace vis {

namespace {

constexpr int kTipsHelpTopic = 4018;
constexpr int kPictureWidth = 96;
constexpr int kPageWidth = 330;
constexpr int kPageHeight = 150;

// A lamp beside the notebook page: the picture of the dialog.
QPixmap LampPicture() {
    QPixmap picture(kPictureWidth, kPageHeight);
    picture.fill(QColor(0, 0, 128));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 240, 120));
    painter.drawEllipse(QRectF(26, 24, 44, 44));
    painter.setBrush(QColor(200, 200, 200));
    painter.drawRect(QRectF(38, 66, 20, 16));
    painter.setPen(QPen(QColor(255, 240, 120), 3));
    for (const QLineF& ray : {QLineF(48, 8, 48, 16), QLineF(14, 46, 22, 46), QLineF(74, 46, 82, 46),
                              QLineF(22, 20, 28, 26), QLineF(74, 20, 68, 26)})
        painter.drawLine(ray);
    return picture;
}

std::string Pref(const GameContext& ctx, std::string_view key, std::string_view fallback) {
    return ReadPref(ConfigFilePath(ctx.state), kPreferenceSection, key, fallback);
}

}  // namespace

bool TipsAtStartUp(const GameContext& ctx) {
    return Pref(ctx, "Tips_StartUp", "N") != "N";
}

TfrmTips::TfrmTips(QWidget* parent, AppServices& app) : QDialog(parent), app_(app) {
    setWindowTitle(tr("Tip of the Day"));
    auto* picture = new QLabel(this);
    picture->setPixmap(LampPicture());
    auto* page = new QWidget(this);
    page->setAutoFillBackground(true);
    QPalette white = page->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    page->setPalette(white);
    page->setFixedSize(kPageWidth, kPageHeight);
    lblTip_ = new QLabel(page);
    lblTip_->setWordWrap(true);
    lblTip_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblPage_ = new QLabel(page);
    lblPage_->setAlignment(Qt::AlignRight);
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(14, 14, 14, 8);
    pageLayout->addWidget(lblTip_, 1);
    pageLayout->addWidget(lblPage_);
    auto* notebook = new QHBoxLayout;
    notebook->setSpacing(0);
    notebook->addWidget(picture);
    notebook->addWidget(page);

    chkStartup_ = new QCheckBox(tr("Show tips at startup"), this);
    btnClose_ = new QPushButton(tr("&Close"), this);
    btnPrevious_ = new QPushButton(tr("&Previous Tip"), this);
    btnNext_ = new QPushButton(tr("&Next Tip"), this);
    btnNext_->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(chkStartup_);
    buttons->addStretch(1);
    buttons->addWidget(btnPrevious_);
    buttons->addWidget(btnNext_);
    buttons->addWidget(btnClose_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(notebook);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnClose_, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnNext_, &QPushButton::clicked, this, [this] { ShowPage(NextTipPage(page_)); });
    connect(btnPrevious_, &QPushButton::clicked, this,
            [this] { ShowPage(PreviousTipPage(page_)); });

    const int lastShown =
        ReadPrefInt(ConfigFilePath(app_.ctx.state), kPreferenceSection, "Tips_Num", 0);
    ShowPage(TipsPageAtOpening(lastShown));
    chkStartup_->setChecked(Pref(app_.ctx, "Tips_StartUp", "N") == "Y");
}

QString TfrmTips::TipShown() const {
    return lblTip_->text();
}

void TfrmTips::ShowPage(int page) {
    page_ = page;
    const std::string_view text = TipText(page);
    lblTip_->setText(QString::fromUtf8(text.data(), static_cast<int>(text.size())));
    lblPage_->setText(tr("%1 of %2").arg(page + 1).arg(kTipCount));
    update();
}

void TfrmTips::done(int result) {
    const auto config = ConfigFilePath(app_.ctx.state);
    try {
        WritePrefInt(config, kPreferenceSection, "Tips_Num", page_);
        WritePref(config, kPreferenceSection, "Tips_StartUp", chkStartup_->isChecked() ? "Y" : "N");
    } catch (const std::exception& error) {
        app_.ctx.ui.ShowError(error.what());
    }
    QDialog::done(result);
}

void TfrmTips::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        ShowHelpTopic(this, app_, "proc", kTipsHelpTopic);
        return;
    }
    QDialog::keyPressEvent(event);
}

void ShowTipOfTheDay(QWidget* parent, AppServices& app) {
    ShowBusyBuiltModal<TfrmTips>(parent, app);
}

}  // namespace vis
