#include "options/customize_dialog.h"

#include "dialogs/app_services.h"
#include "model/game_context.h"
#include "view/paint/table_painter.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <filesystem>

#include "media/resource_library.h"
#include "media/resource_names.h"
#include "model/config_file.h"
#include "model/preference_keys.h"
#include "model/program_paths.h"
#include "model/sound_events.h"
#include "model/text.h"
#include "options/bitmap_animated.h"
#include "options/customize_trees.h"
#include "options/customized_backgrounds.h"
#include "view/paint/background_painter.h"
#include "view/paint/card_images.h"

namespace vis {

namespace {

constexpr int kValueRole = Qt::UserRole;
constexpr int kSoundOnRole = Qt::UserRole + 1;
constexpr std::int64_t kButtonFaceColour = -2147483633;  // 8000000F hexadecimal
constexpr int kSampleCount = 6;
constexpr int kMediumSample = 5;
constexpr int kFirstSampleCard = 8;  // hearts 8 to king
constexpr int kQueenOfHearts = 12;
constexpr int kCardGap = 2;
constexpr int kSampleLeft = 4;
constexpr int kLargeSampleTop = 10;
constexpr int kMediumSampleTop = 25;
constexpr int kDefaultWinningTime = 30;
constexpr std::string_view kStopSound = "_t1dz";

QColor ButtonFace() {
    return ColourFromValue(kButtonFaceColour);
}

// Repeats a picture over the target.
void TileInto(QImage& target, const QImage& tile) {
    if (tile.isNull() || tile.width() <= 0 || tile.height() <= 0) return;
    QPainter painter(&target);
    painter.drawTiledPixmap(target.rect(), QPixmap::fromImage(tile));
}

// A colour fading to black at the bottom, as the table draws it.
void FadeInto(QImage& target, QColor colour) {
    QPainter painter(&target);
    QLinearGradient gradient(0, 0, 0, target.height());
    gradient.setColorAt(0, colour);
    gradient.setColorAt(1, Qt::black);
    painter.fillRect(target.rect(), gradient);
}

std::string SampleSetText(int index) {
    return ZeroPad(index == kMediumSample ? 3 : index + 1, 3);
}

char SampleSize(int index) {
    return index == kMediumSample ? 'M' : 'B';
}

}  // namespace

TfrmCustomize::TfrmCustomize(CustomizeHost& main, CustomizePage page)
    : QDialog(&main.HostWindow()), main_(main), page_(page) {
    setWindowTitle(QStringLiteral("Customize"));
    auto* layout = new QVBoxLayout(this);
    pgcPages_ = new QTabWidget(this);
    layout->addWidget(pgcPages_);
    CreateGeneralPage();
    CreateCardsPage();
    CreateDecksPage();
    CreateBackgroundsPage();
    CreateAnimationsPage();
    CreateSoundsPage();
    CreateButtons();

    connect(trvBackGround_, &QTreeWidget::currentItemChanged, this,
            [this] { trvBackGroundChange(); });
    connect(trvBackGround_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        const std::int64_t value = item->data(0, kValueRole).toLongLong();
        if (value == background_node::kCustomizedCategory || value == background_node::kPlaceholder)
            AddCustomizedBackground({});
    });
    connect(trvBackGround_, &QWidget::customContextMenuRequested, this, [this](QPoint at) {
        QMenu menu(this);
        QAction* add = menu.addAction(QStringLiteral("Add a customized background..."));
        QAction* remove = menu.addAction(QStringLiteral("Delete a customized background"));
        QAction* chosen = menu.exec(trvBackGround_->viewport()->mapToGlobal(at));
        if (chosen == add) AddCustomizedBackground({});
        if (chosen == remove) DeleteSelectedCustomizedBackground();
    });
    trvBackGround_->installEventFilter(this);
    connect(btnCustomizedBackgrounds_, &QPushButton::clicked, this,
            [this] { AddCustomizedBackground({}); });
    connect(btnColore_, &QPushButton::clicked, this, [this] { btnColoreClick(); });
    connect(Check("chkFadeBackground"), &QCheckBox::clicked, this,
            [this] { PaintBackgroundPreview(); });
    connect(pgcPages_, &QTabWidget::currentChanged, this,
            [this](int index) { PagesChange(index); });

    LoadControls();
    pgcPages_->setCurrentIndex(static_cast<int>(page_));
    PagesChange(pgcPages_->currentIndex());
}

TfrmCustomize::~TfrmCustomize() = default;

QCheckBox* TfrmCustomize::Check(const char* name) const {
    return findChild<QCheckBox*>(QString::fromLatin1(name));
}

QAbstractButton* TfrmCustomize::CardSample(int index) const {
    return cardSamples_->button(index);
}

void TfrmCustomize::LoadControls() {
    GameContext& ctx = main_.Ctx();
    const StateBlock& state = ctx.state;
    const auto config = ConfigFilePath(state);
    const auto pref = [&config](std::string_view key) {
        const PreferenceKey* entry = FindPreferenceKey(key);
        return ReadPref(config, kPreferenceSection, key, entry ? entry->defaultValue : "");
    };
    for (const CheckedOption& option : CheckedOptions()) {
        const std::string value = state.Get(option.field);
        Check(option.box.data())->setChecked(option.onlyWhenY ? value == "Y" : value != "N");
    }

    // General.
    Check("chkTBLargeIcons")->setChecked(pref("ToolBar_Large") == "Y");
    Check("chkTBFlatBtn")->setChecked(pref("ToolBar_Flat") == "Y");
    advanced_ = AdvancedValues{
        .confirmOnExit = ReadPref(config, kPreferenceSection, "ConfirmQuit", "N") != "N",
        .confirmQuitGame = state.Get(field::kConfirmQuitGame) != "N",
        .confirmEnterHiScores = state.Get(field::kConfirmEnterHiScores) != "N",
        .tipsAtStart = ReadPref(config, kPreferenceSection, "Tips_StartUp", "N") != "N",
        .undoMode = UndoModeOf(state.Get(field::kUndoMode)),
        .holdMessage = ReadPref(config, kPreferenceSection, "ConfirmSaveAndExit", "N") != "N",
        .holdDefault = ReadPrefInt(config, kPreferenceSection, "ConfirmSaveAndExitType", 0),
        .markStyle = ctx.game.foundationHighlightStyle,
        .markColour = ReadPrefInt(config, kPreferenceSection, "HighLights_Foundations_Color", 0),
    };
    pointer_ = state.GetInt(field::kCursorStyle, 0);

    // Cards, decks, backgrounds.
    cardChoice_ = QString::fromStdString(state.Get(field::kCardSet) + state.Get(field::kCardSize));
    const std::int64_t colour = state.GetInt(field::kBackgroundColour, 0);
    customColour_ = colour != 0 ? colour : kButtonFaceColour;

    // Animations.
    trbSpeed_->setValue(SpeedPositionOf(state.GetInt(field::kSpeedMoveCard, 10)));
    cboWinningAnim_->setCurrentIndex(
        cboWinningAnim_->findText(QString::fromStdString(pref("Winning_Animations"))));
    spnWinningTime_->setEnabled(cboWinningAnim_->currentText() != QStringLiteral("(None)"));
    spnWinningTime_->setValue(
        ReadPrefInt(config, kPreferenceSection, "Winning_Animations_Time", kDefaultWinningTime));

    // The opening snapshot the closing puts back unless OK saved.
    for (std::size_t i = 0; i < snapshot_.size(); ++i)
        snapshot_[i] = state.Get(kCustomizeSnapshotFields[i]);
    revert_ = true;

    // The samples and selections.
    for (int i = 0; i < kSampleCount; ++i)
        if (cardChoice_ == QString::fromStdString(SampleSetText(i)) + QLatin1Char(SampleSize(i)))
            CardSample(i)->setChecked(true);
    Check("chkRandomCard")->setEnabled(!cardChoice_.endsWith(QLatin1Char('M')));
    SelectBack(state.GetInt(field::kBackCard, 0));
    ListCustomizedBackgrounds();
    LoadBackgroundSelection();

    // Sounds.
    const bool allOff = state.Get(field::kSoundsEnabled) != "Y";
    Check("chkSoundsEnabled")->setChecked(allOff);
    trvSounds_->setEnabled(!allOff);
    for (const SoundEvent& event : SoundEvents())
        SetSoundOn(SoundItem(event.number), state.Get(event.field) == "Y");
    UpdateSoundButtons();
    ShowEffectPreview("chkShadowed");
}

void TfrmCustomize::LoadBackgroundSelection() {
    const StateBlock& state = main_.Ctx().state;
    const bool useDefault = state.Get(field::kBackgroundDefault) == "Y";
    if (state.Get(field::kHasCustomBackground) == "Y") {
        const std::string path =
            ReadPref(ConfigFilePath(state), kPreferenceSection, "Customized_Background", "");
        if (SelectBackground(background_node::kCustomizedPicture,
                             QString::fromStdString(CustomizedBackgroundText(Trim(path)))))
            return;
    }
    if (!useDefault && state.GetInt(field::kBackgroundFixedColour, 0) != 0) {
        SelectBackground(state.GetInt(field::kBackgroundFixedColour, 0));
    } else if (!useDefault && state.GetInt(field::kBackgroundPicture, 0) != 0) {
        SelectBackground(state.GetInt(field::kBackgroundPicture, 0));
    } else if (!useDefault) {
        SelectBackground(background_node::kCustomColour);
    } else {
        // No node stands for the default background; a category keeps it.
        SelectBackground(background_node::kCustomizedCategory);
    }
    PaintBackgroundPreview();
}

bool TfrmCustomize::SelectBackground(std::int64_t value, const QString& caption) {
    for (QTreeWidgetItemIterator it(trvBackGround_); *it; ++it) {
        if ((*it)->data(0, kValueRole).toLongLong() != value) continue;
        if (!caption.isEmpty() && (*it)->text(0) != caption) continue;
        trvBackGround_->setCurrentItem(*it);
        return true;
    }
    return false;
}

bool TfrmCustomize::SelectBack(int number) {
    for (QTreeWidgetItemIterator it(trvCardBack_); *it; ++it) {
        if ((*it)->parent() && (*it)->data(0, kValueRole).toInt() == number) {
            trvCardBack_->setCurrentItem(*it);
            return true;
        }
    }
    return false;
}

void TfrmCustomize::ListCustomizedBackgrounds() {
    QTreeWidgetItem* customized = nullptr;
    for (QTreeWidgetItemIterator it(trvBackGround_); *it && !customized; ++it)
        if ((*it)->data(0, kValueRole).toLongLong() == background_node::kCustomizedCategory)
            customized = *it;
    if (!customized) {
        QMessageBox::information(this, windowTitle(), QStringLiteral("Node not found"));
        return;
    }
    qDeleteAll(customized->takeChildren());
    for (const std::string& picture :
         ReadCustomizedBackgrounds(ConfigFilePath(main_.Ctx().state))) {
        auto* node = new QTreeWidgetItem(customized, {QString::fromStdString(picture)});
        node->setIcon(0, pictureIcon_);
        node->setData(0, kValueRole, static_cast<qlonglong>(background_node::kCustomizedPicture));
    }
    if (customized->childCount() == 0) {
        auto* node =
            new QTreeWidgetItem(customized, {QStringLiteral("(Double click to customize)")});
        node->setData(0, kValueRole, static_cast<qlonglong>(background_node::kPlaceholder));
    }
    customized->setExpanded(true);
}

void TfrmCustomize::AddCustomizedBackground(const QString& file) {
    QString chosen = file;
    if (chosen.isEmpty()) {
        const QString start = lastPictureFolder_.isEmpty()
                                  ? QString::fromStdString(ProgramDir(main_.Ctx().state).string())
                                  : lastPictureFolder_;
        chosen =
            QFileDialog::getOpenFileName(this, QString(), start, QStringLiteral("Bitmaps (*.bmp)"));
        if (chosen.isEmpty()) return;
        lastPictureFolder_ = QFileInfo(chosen).absolutePath();
    }
    const std::string text =
        CustomizedBackgroundText(QDir::toNativeSeparators(chosen).toStdString());
    try {
        vis::AddCustomizedBackground(ConfigFilePath(main_.Ctx().state), text);
    } catch (const std::exception& error) {
        main_.Ctx().ui.ShowError(error.what());
        return;
    }
    ListCustomizedBackgrounds();
    SelectBackground(background_node::kCustomizedPicture, QString::fromStdString(text));
}

void TfrmCustomize::DeleteSelectedCustomizedBackground(bool ask) {
    QTreeWidgetItem* item = trvBackGround_->currentItem();
    std::string caption;
    if (item && item->data(0, kValueRole).toLongLong() == background_node::kCustomizedPicture) {
        if (ask &&
            QMessageBox::warning(this, windowTitle(),
                                 QStringLiteral("Are you sure you want to delete this background?"),
                                 QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
            return;
        caption = item->text(0).toStdString();
    }
    RemoveCustomizedBackground(main_.Ctx().ui, ConfigFilePath(main_.Ctx().state), caption);
    ListCustomizedBackgrounds();
    SelectBackground(background_node::kCustomizedPicture);
}

void TfrmCustomize::ChooseCardSample(int index) {
    if (index < 0 || index >= kSampleCount) return;
    CardSample(index)->setChecked(true);
    cardChoice_ = QString::fromStdString(SampleSetText(index)) + QLatin1Char(SampleSize(index));
    Check("chkRandomCard")->setEnabled(index != kMediumSample);
    PaintCardsSample();
}

void TfrmCustomize::PaintCardsSample() {
    const ResourceLibrary& library = main_.Services().library;
    if (samples_.empty()) {
        // Six cards of every sample set, and the queens as the samples.
        for (int i = 0; i < kSampleCount; ++i) {
            CardImages images;
            images.Reload(library, SampleSize(i), SampleSetText(i), "011");
            for (int card = kFirstSampleCard; card < kFirstSampleCard + 6; ++card)
                samples_.push_back(images.Face(card));
            QImage queen(images.Face(kQueenOfHearts).size(), QImage::Format_RGB32);
            queen.fill(ButtonFace());
            QPainter(&queen).drawImage(0, 0, images.Face(kQueenOfHearts));
            auto* button = static_cast<QToolButton*>(CardSample(i));
            button->setIcon(QIcon(QPixmap::fromImage(queen)));
            button->setIconSize(queen.size());
        }
        if (QAbstractButton* chosen = cardSamples_->checkedButton()) {
            if (auto* scroll = findChild<QScrollArea*>(QStringLiteral("scrCards"))) {
                scroll->widget()->adjustSize();
                const int top = chosen->y() - 5;
                scroll->verticalScrollBar()->setValue(top < 20 ? 0 : top);
            }
        }
    }
    QImage box(imgCardSample_->size(), QImage::Format_RGB32);
    box = SelectedBackgroundPicture(box.size()).convertToFormat(QImage::Format_RGB32);
    const int chosen = cardSamples_->checkedId();
    if (chosen >= 0) {
        QPainter painter(&box);
        const int top = chosen == kMediumSample ? kMediumSampleTop : kLargeSampleTop;
        for (int k = 0; k < 6; ++k) {
            const QImage& card = samples_[static_cast<std::size_t>(chosen * 6 + k)];
            painter.drawImage(kSampleLeft + (k % 3) * (card.width() + kCardGap),
                              top + (k / 3) * (card.height() + kCardGap), card);
        }
    }
    imgCardSample_->setPixmap(QPixmap::fromImage(box));
}

void TfrmCustomize::PaintBackSample() {
    QTreeWidgetItem* item = trvCardBack_->currentItem();
    if (!item || !item->parent()) return;
    QImage box =
        SelectedBackgroundPicture(imgBackSample_->size()).convertToFormat(QImage::Format_RGB32);
    CardImages images;
    images.Reload(main_.Services().library, 'B', "001",
                  ZeroPad(item->data(0, kValueRole).toInt(), 3));
    QPainter(&box).drawImage((box.width() - images.Back().width()) / 2,
                             (box.height() - images.Back().height()) / 2, images.Back());
    imgBackSample_->setPixmap(QPixmap::fromImage(box));
    lblBackSample_->setText(item->text(0));
}

std::int64_t TfrmCustomize::SelectedBackgroundValue() const {
    const QTreeWidgetItem* item = trvBackGround_->currentItem();
    return item ? item->data(0, kValueRole).toLongLong() : background_node::kCategory;
}

QImage TfrmCustomize::SelectedBackgroundPicture(QSize size) const {
    QImage image(size, QImage::Format_RGB32);
    const std::int64_t value = SelectedBackgroundValue();
    const bool fade = Check("chkFadeBackground")->isChecked();
    const auto colour = [&](std::int64_t colourValue) {
        if (fade)
            FadeInto(image, ColourFromValue(colourValue));
        else
            image.fill(ColourFromValue(colourValue));
    };
    image.fill(DefaultBackgroundColour(true));
    if (value == background_node::kCustomColour) {
        colour(customColour_);
    } else if (value > background_node::kLastPicture) {
        colour(value);
    } else if (value > 1 && value <= kLastTiledPicture) {
        TileInto(image, main_.Services().library.Bitmap(BackgroundName(static_cast<int>(value))));
    } else if (value > kLastTiledPicture) {
        // Drawn once at the top-left of a table the size of the screen.
        const QSize screen =
            main_.HostWindow().screen() ? main_.HostWindow().screen()->size() : QSize(1024, 768);
        QImage table(screen, QImage::Format_RGB32);
        table.fill(DefaultBackgroundColour(true));
        QPainter(&table).drawImage(
            0, 0, main_.Services().library.Bitmap(BackgroundName(static_cast<int>(value))));
        image = table.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    } else if (value == background_node::kCustomizedPicture) {
        const std::string path =
            CustomizedBackgroundPath(trvBackGround_->currentItem()->text(0).toStdString());
        TileInto(image, QImage(QString::fromStdString(path)));
    }
    return image;
}

void TfrmCustomize::PaintBackgroundPreview() {
    QImage image = SelectedBackgroundPicture(imgBackground_->size());
    if (const QTreeWidgetItem* item = trvBackGround_->currentItem()) {
        QPainter painter(&image);
        painter.setPen(Qt::black);
        painter.drawText(image.rect().translated(1, 1), Qt::AlignCenter, item->text(0));
        painter.setPen(Qt::white);
        painter.drawText(image.rect(), Qt::AlignCenter, item->text(0));
    }
    imgBackground_->setPixmap(QPixmap::fromImage(image));
}

void TfrmCustomize::trvBackGroundChange() {
    const std::int64_t value = SelectedBackgroundValue();
    const bool colour =
        value == background_node::kCustomColour || value > background_node::kLastPicture;
    btnColore_->setEnabled(value == background_node::kCustomColour);
    Check("chkFadeBackground")->setEnabled(colour);
    PaintBackgroundPreview();
}

void TfrmCustomize::SetCustomColour(std::int64_t colour) {
    customColour_ = colour;
    PaintBackgroundPreview();
}

void TfrmCustomize::btnColoreClick() {
    const QColor chosen = QColorDialog::getColor(ColourFromValue(customColour_), this);
    if (!chosen.isValid()) return;
    SetCustomColour(chosen.red() + 256 * chosen.green() +
                    65536 * static_cast<std::int64_t>(chosen.blue()));
}

void TfrmCustomize::ShowEffectPreview(const char* which) {
    auto* stack = findChild<QStackedWidget*>(QStringLiteral("stkEffects"));
    const bool on = Check(which)->isChecked();
    const std::string_view which_ = which;
    if (which_ == "chkAnimated") {
        C_TBitmapAnimated* shown = on ? animYes_ : animNo_;
        C_TBitmapAnimated* hidden = on ? animNo_ : animYes_;
        hidden->SetPlay(false);
        shown->SetPlay(true);
        stack->setCurrentWidget(shown);
        return;
    }
    animYes_->SetPlay(false);
    animNo_->SetPlay(false);
    const std::size_t picture = (which_ == "chkShadowed" ? 0 : 2) + (on ? 0 : 1);
    imgEffect_->setPixmap(
        QPixmap::fromImage(main_.Services().library.Bitmap(kEffectPreviewNames[picture])));
    stack->setCurrentWidget(imgEffect_);
}

QTreeWidgetItem* TfrmCustomize::SoundItem(int eventNumber) const {
    for (QTreeWidgetItemIterator it(trvSounds_); *it; ++it) {
        if (!(*it)->parent()) continue;
        const int index = (*it)->data(0, kValueRole).toInt();
        if (SoundEvents()[static_cast<std::size_t>(index)].number == eventNumber) return *it;
    }
    return nullptr;
}

bool TfrmCustomize::IsSoundOn(const QTreeWidgetItem* item) {
    return item && item->data(0, kSoundOnRole).toBool();
}

void TfrmCustomize::SetSoundOn(QTreeWidgetItem* item, bool on) {
    if (!item || !item->parent()) return;
    item->setData(0, kSoundOnRole, on);
    item->setIcon(0, on ? soundOnIcon_ : QIcon());
}

void TfrmCustomize::UpdateSoundButtons() {
    const QTreeWidgetItem* item = trvSounds_->currentItem();
    const bool event = item && item->parent() && trvSounds_->isEnabled();
    btnSoundsAdd_->setEnabled(event && !IsSoundOn(item));
    btnSoundsDelete_->setEnabled(event && IsSoundOn(item));
    btnSoundsGo_->setEnabled(event);
    btnSoundsStop_->setEnabled(event);
}

void TfrmCustomize::chkSoundsEnabledClick() {
    const bool allOff = Check("chkSoundsEnabled")->isChecked();
    trvSounds_->setEnabled(!allOff);
    for (const SoundEvent& event : SoundEvents()) SetSoundOn(SoundItem(event.number), !allOff);
    UpdateSoundButtons();
}

void TfrmCustomize::PlaySelectedSound(bool play) {
    GameContext& ctx = main_.Ctx();
    if (!play) {
        ctx.ui.PlaySound(std::string(kStopSound), SoundMode::kEvent);
        return;
    }
    const QTreeWidgetItem* item = trvSounds_->currentItem();
    if (!item || !item->parent()) return;
    const SoundEvent& event =
        SoundEvents()[static_cast<std::size_t>(item->data(0, kValueRole).toInt())];
    PlaySoundEvent(ctx.ui, ctx.state, event.sound, true);
}

bool TfrmCustomize::eventFilter(QObject* watched, QEvent* event) {
    if (watched == trvBackGround_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        DeleteSelectedCustomizedBackground();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmCustomize::PagesChange(int index) {
    switch (static_cast<CustomizePage>(index)) {
        case CustomizePage::kCards:
            PaintCardsSample();
            break;
        case CustomizePage::kDecks:
            PaintBackSample();
            break;
        case CustomizePage::kBackgrounds:
            PaintBackgroundPreview();
            break;
        default:
            break;
    }
}

void ShowCustomizeDialog(CustomizeHost& main, CustomizePage page) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    TfrmCustomize dialog(main, page);
    QApplication::restoreOverrideCursor();
    while (dialog.exec() == TfrmCustomize::kPreviewRequested) {
        main.PreviewWinningAnimation(dialog.WinningList()->currentText().toStdString(),
                                     dialog.WinningTime()->value());
        // A close asked for during the preview ends the program, not the
        // preview.
        if (main.Ctx().game.closeAfterAnimation) return;
    }
}

}  // namespace vis
