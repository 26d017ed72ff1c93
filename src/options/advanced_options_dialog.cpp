#include "options/advanced_options_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "options/color_combo_box.h"
#include "options/dialog_buttons.h"
#include "view/paint/foundation_highlight.h"

namespace vis {

namespace {

constexpr int kHelpTopic = 1005;
constexpr int kPreviewWidth = 71;
constexpr int kPreviewHeight = 96;
constexpr int kMarkSampleWidth = 18;
constexpr int kMarkIconHeight = 14;

constexpr const char* kMarkNames[] = {"None",     "Dots",  "Solid",
                                      "Diagonal", "Cross", "Diagonal Cross"};

struct NamedColour {
    const char* name;
    int r, g, b;
};
constexpr NamedColour kSwatches[] = {
    {"Black", 0, 0, 0},           {"Blue", 20, 140, 240},    {"Turquoise", 0, 255, 255},
    {"Bright Green", 0, 255, 0},  {"Pink", 255, 185, 220},   {"Red", 255, 70, 70},
    {"Yellow", 255, 255, 128},    {"Dark Blue", 0, 0, 160},  {"Teal", 0, 128, 128},
    {"Green", 0, 128, 64},        {"Violet", 255, 128, 255}, {"Dark Red", 128, 0, 64},
    {"Dark Yellow", 128, 128, 0}, {"Maroon", 128, 0, 0},     {"Silver", 192, 192, 192},
};

QColor ButtonFace() {
    return QColor(212, 208, 200);
}

// A small sample of each mark style in black, for the list.
QIcon MarkSample(int style) {
    QImage image(kMarkSampleWidth, kMarkIconHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    PaintHighlightMark(image, image.rect(), style, Qt::black);
    return QIcon(QPixmap::fromImage(image));
}

}  // namespace

int UndoModeOf(const std::string& text) {
    if (text == "2") return 2;
    if (text == "1") return 1;
    return 0;
}

TfrmOptionsAdvanced::TfrmOptionsAdvanced(QWidget* parent, AppServices& app,
                                         const AdvancedValues& values)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Advanced options"));
    auto* layout = new QVBoxLayout(this);
    pgcPages_ = new QTabWidget(this);
    layout->addWidget(pgcPages_);

    // Undo and redo.
    auto* undoPage = new QWidget;
    auto* undoLayout = new QVBoxLayout(undoPage);
    undoLayout->addWidget(new QLabel(QStringLiteral("Set the level of the Undo/Redo option:")));
    auto* undoGroup = new QGroupBox(QStringLiteral("Undo/Redo options "));
    auto* undoGroupLayout = new QVBoxLayout(undoGroup);
    const char* undoCaptions[] = {"U&nlimited levels", "Only one &undo/redo", "Di&sable"};
    for (int mode = 0; mode < 3; ++mode) {
        rbUndo_[mode] = new QRadioButton(QString::fromLatin1(undoCaptions[mode]));
        undoGroupLayout->addWidget(rbUndo_[mode]);
    }
    undoLayout->addWidget(undoGroup);
    undoLayout->addStretch();
    pgcPages_->addTab(undoPage, QStringLiteral("&Undo and Redo"));

    // Dialog boxes.
    auto* boxPage = new QWidget;
    auto* boxLayout = new QVBoxLayout(boxPage);
    boxLayout->addWidget(new QLabel(QStringLiteral("Select the dialog box you want to display:")));
    auto* boxGroup = new QGroupBox(QStringLiteral("Dialog box list "));
    auto* boxGroupLayout = new QVBoxLayout(boxGroup);
    chkConfirmOnExit_ = new QCheckBox(QStringLiteral("Confirm on e&xit"));
    chkConfirmQuitGame_ = new QCheckBox(QStringLiteral("C&onfirm quit game"));
    chkConfirmEnterHiScores_ = new QCheckBox(QStringLiteral("Enter &Hi-Scores"));
    chkShowTipsOfTheDay_ = new QCheckBox(QStringLiteral("Sho&w Tip of the Day at program start"));
    for (QCheckBox* box :
         {chkConfirmOnExit_, chkConfirmQuitGame_, chkConfirmEnterHiScores_, chkShowTipsOfTheDay_})
        boxGroupLayout->addWidget(box);
    boxLayout->addWidget(boxGroup);
    boxLayout->addStretch();
    pgcPages_->addTab(boxPage, QStringLiteral("&Dialog box"));

    // Highlights.
    auto* markPage = new QWidget;
    auto* markLayout = new QGridLayout(markPage);
    markLayout->addWidget(new QLabel(QStringLiteral("Foundation completed")), 0, 0, 1, 2);
    auto* markLabel = new QLabel(QStringLiteral("&Mark:"));
    cboMarkFoundation_ = new QComboBox;
    for (int style = 0; style < kHighlightStyleCount; ++style)
        cboMarkFoundation_->addItem(MarkSample(style), QString::fromLatin1(kMarkNames[style]));
    cboMarkFoundation_->setIconSize(QSize(kMarkSampleWidth, kMarkIconHeight));
    markLabel->setBuddy(cboMarkFoundation_);
    lblColor_ = new QLabel(QStringLiteral("&Color: "));
    cboColorFoundation_ = new C_TColorComboBox;
    for (const NamedColour& colour : kSwatches)
        cboColorFoundation_->AddColor(QString::fromLatin1(colour.name),
                                      colour.r + 256 * colour.g + 65536 * colour.b);
    lblColor_->setBuddy(cboColorFoundation_);
    markLayout->addWidget(markLabel, 1, 0);
    markLayout->addWidget(cboMarkFoundation_, 1, 1);
    markLayout->addWidget(lblColor_, 2, 0);
    markLayout->addWidget(cboColorFoundation_, 2, 1);
    auto* previewGroup = new QGroupBox(QStringLiteral("Preview "));
    auto* previewLayout = new QVBoxLayout(previewGroup);
    imgPreview_ = new QLabel;
    imgPreview_->setFixedSize(kPreviewWidth, kPreviewHeight);
    previewLayout->addWidget(imgPreview_);
    markLayout->addWidget(previewGroup, 1, 2, 3, 1);
    markLayout->setRowStretch(3, 1);
    pgcPages_->addTab(markPage, QStringLiteral("H&ighlights"));

    // Hold and exit.
    auto* holdPage = new QWidget;
    auto* holdLayout = new QVBoxLayout(holdPage);
    auto* holdGroup = new QGroupBox(QStringLiteral("What would you like to do upon exiting? "));
    auto* holdGroupLayout = new QVBoxLayout(holdGroup);
    rbSaveAndExitSignal_ =
        new QRadioButton(QStringLiteral("&Display a message for any unfinished games"));
    rbSaveAndExitNone_ = new QRadioButton(QStringLiteral("&Never display a message and:"));
    cboSaveAndExitNone_ = new QComboBox;
    cboSaveAndExitNone_->addItems({QStringLiteral("abandon the game (1 loss)"),
                                   QStringLiteral("finish the game later (no loss)")});
    holdGroupLayout->addWidget(rbSaveAndExitSignal_);
    holdGroupLayout->addWidget(rbSaveAndExitNone_);
    holdGroupLayout->addWidget(cboSaveAndExitNone_);
    holdLayout->addWidget(holdGroup);
    holdLayout->addStretch();
    pgcPages_->addTab(holdPage, QStringLiteral("&Hold and exit"));

    AddOkCancelHelp(*this, *layout, app, kHelpTopic);

    // The values.
    rbUndo_[std::clamp(values.undoMode, 0, 2)]->setChecked(true);
    chkConfirmOnExit_->setChecked(values.confirmOnExit);
    chkConfirmQuitGame_->setChecked(values.confirmQuitGame);
    chkConfirmEnterHiScores_->setChecked(values.confirmEnterHiScores);
    chkShowTipsOfTheDay_->setChecked(values.tipsAtStart);
    cboMarkFoundation_->setCurrentIndex(
        values.markStyle >= 0 && values.markStyle < kHighlightStyleCount ? values.markStyle : 0);
    cboColorFoundation_->setCurrentIndex(
        values.markColour >= 0 && values.markColour < kHighlightColourCount ? values.markColour
                                                                            : -1);
    (values.holdMessage ? rbSaveAndExitSignal_ : rbSaveAndExitNone_)->setChecked(true);
    cboSaveAndExitNone_->setCurrentIndex(values.holdDefault == 1 ? 1 : 0);

    connect(cboMarkFoundation_, &QComboBox::currentIndexChanged, this, [this] {
        UpdateEnabling();
        PaintPreview();
    });
    connect(cboColorFoundation_, &QComboBox::currentIndexChanged, this, [this] { PaintPreview(); });
    connect(rbSaveAndExitNone_, &QRadioButton::toggled, this, [this] { UpdateEnabling(); });
    UpdateEnabling();
    PaintPreview();
}

void TfrmOptionsAdvanced::UpdateEnabling() {
    const bool marked = cboMarkFoundation_->currentIndex() > 0;
    lblColor_->setEnabled(marked);
    cboColorFoundation_->setEnabled(marked);
    cboSaveAndExitNone_->setEnabled(rbSaveAndExitNone_->isChecked());
}

void TfrmOptionsAdvanced::PaintPreview() {
    QImage image(imgPreview_->size(), QImage::Format_RGB32);
    image.fill(ButtonFace());
    PaintHighlightMark(image, image.rect(), cboMarkFoundation_->currentIndex(),
                       HighlightColour(std::max(0, cboColorFoundation_->currentIndex())));
    imgPreview_->setPixmap(QPixmap::fromImage(image));
}

AdvancedValues TfrmOptionsAdvanced::Values() const {
    AdvancedValues values;
    for (int mode = 0; mode < 3; ++mode)
        if (rbUndo_[mode]->isChecked()) values.undoMode = mode;
    values.confirmOnExit = chkConfirmOnExit_->isChecked();
    values.confirmQuitGame = chkConfirmQuitGame_->isChecked();
    values.confirmEnterHiScores = chkConfirmEnterHiScores_->isChecked();
    values.tipsAtStart = chkShowTipsOfTheDay_->isChecked();
    values.markStyle = cboMarkFoundation_->currentIndex();
    values.markColour = std::max(0, cboColorFoundation_->currentIndex());
    values.holdMessage = rbSaveAndExitSignal_->isChecked();
    values.holdDefault = cboSaveAndExitNone_->currentIndex() == 1 ? 1 : 0;
    return values;
}

}  // namespace vis
