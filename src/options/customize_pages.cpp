// The six pages of the Customize dialog and its buttons, as controls; what
// they do is in customize_dialog.cpp and customize_apply.cpp.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <functional>

#include "dialogs/clear_values_dialog.h"
#include "dialogs/help_window.h"
#include "media/resource_library.h"
#include "media/resource_names.h"
#include "options/bitmap_animated.h"
#include "options/customize_dialog.h"

#include "dialogs/app_services.h"
#include "model/game_context.h"
#include "options/customize_trees.h"
#include "options/pointers_dialog.h"
#include "view/paint/table_painter.h"

namespace vis {

namespace {

constexpr int kHelpTopic = 1019;
constexpr int kValueRole = Qt::UserRole;
constexpr int kMaximumWinningTime = 990;
constexpr int kWinningTimeStep = 10;
constexpr int kRedKey = 0xff0000;
constexpr int kAnimatedYesInterval = 100;
constexpr int kAnimatedNoInterval = 500;

QCheckBox* AddCheck(QLayout* layout, const char* name, const char* caption) {
    auto* box = new QCheckBox(QString::fromLatin1(caption));
    box->setObjectName(QString::fromLatin1(name));
    layout->addWidget(box);
    return box;
}

QGroupBox* Group(const char* caption, QLayout* layout) {
    auto* group = new QGroupBox(QString::fromLatin1(caption));
    group->setLayout(layout);
    return group;
}

QIcon TreeIcon(const ResourceLibrary& library, int index) {
    QImage image = library.Bitmap(kTreeIconNames[static_cast<std::size_t>(index)])
                       .convertToFormat(QImage::Format_ARGB32);
    // Dark red marks the transparent pixels of the tree icons.
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & 0xffffff) == 0x800000) line[x] = 0;
    }
    return QIcon(QPixmap::fromImage(image));
}

QIcon CategoryIcon(const ResourceLibrary& library) {
    QIcon icon = TreeIcon(library, 0);
    icon.addPixmap(TreeIcon(library, 1).pixmap(kTreeIconSize), QIcon::Selected);
    return icon;
}

QTreeWidget* MakeTree(const char* name) {
    auto* tree = new QTreeWidget;
    tree->setObjectName(QString::fromLatin1(name));
    tree->setHeaderHidden(true);
    tree->setColumnCount(1);
    return tree;
}

}  // namespace

void TfrmCustomize::CreateGeneralPage() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);

    auto* left = new QVBoxLayout;
    auto* pointers = new QPushButton(QStringLiteral("  &Pointers..."));
    pointers->setObjectName(QStringLiteral("btnPointers"));
    left->addWidget(pointers);
    auto* clear = new QPushButton(QStringLiteral("Clear &values..."));
    clear->setObjectName(QStringLiteral("btnClearValues"));
    left->addWidget(clear);
    auto* buttons = new QVBoxLayout;
    AddCheck(buttons, "chkTBLargeIcons", "&Large buttons");
    AddCheck(buttons, "chkTBFlatBtn", "&Flat buttons");
    auto* toolbar = new QVBoxLayout;
    toolbar->addWidget(Group("Buttons ", buttons));
    left->addWidget(Group("Toolbar ", toolbar));
    auto* times = new QVBoxLayout;
    AddCheck(times, "chkShowTime", "Show tim&e");
    AddCheck(times, "chkShowScore", "S&how score");
    left->addWidget(Group("Time / Scores options", times));
    AddCheck(left, "chkShowToolTips", "Sho&w ToolTips");
    auto* advanced = new QPushButton(QStringLiteral("A&dvanced..."));
    advanced->setObjectName(QStringLiteral("btnAdvanced"));
    left->addWidget(advanced);
    left->addStretch();

    auto* right = new QVBoxLayout;
    auto* show = new QVBoxLayout;
    AddCheck(show, "chkVertScrollBar", "Vertic&al Scroll bar");
    AddCheck(show, "chkPilesSize", "P&iles size after the pointer");
    AddCheck(show, "chkMainPopupMenu", "Popup menu in main play a&rea");
    show->addWidget(new QLabel(QStringLiteral("(Ctrl + Right click)")));
    right->addWidget(Group("Show ", show));
    auto* rightClick = new QVBoxLayout;
    AddCheck(rightClick, "chkRightFoundations", "&Move cards to the foundations");
    AddCheck(rightClick, "chkRightTableaus", "M&ove cards to the tableau piles");
    right->addWidget(Group("Right click ", rightClick));
    auto* doubleClick = new QVBoxLayout;
    AddCheck(doubleClick, "chkDoubleFoundations", "Move cards to the fou&ndations");
    AddCheck(doubleClick, "chkDoubleTableaus", "Move cards to the tablea&u piles");
    right->addWidget(Group("Double click ", doubleClick));
    right->addStretch();

    grid->addLayout(left, 0, 0);
    grid->addLayout(right, 0, 1);
    pgcPages_->addTab(page, QStringLiteral("&General"));

    AppServices& app = main_.Services();
    connect(clear, &QPushButton::clicked, this, [this, &app] { ShowClearValues(this, app); });
    connect(pointers, &QPushButton::clicked, this, [this, &app] {
        if (const std::optional<int> chosen = AskPointer(this, app, pointer_)) pointer_ = *chosen;
    });
    connect(advanced, &QPushButton::clicked, this, [this, &app] {
        TfrmOptionsAdvanced dialog(this, app, advanced_);
        if (dialog.exec() == QDialog::Accepted) advanced_ = dialog.Values();
    });
}

void TfrmCustomize::CreateCardsPage() {
    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);
    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("Select a card type:")));
    auto* list = new QWidget;
    auto* listLayout = new QVBoxLayout(list);
    cardSamples_ = new QButtonGroup(this);
    cardSamples_->setExclusive(true);
    for (int i = 0; i < 6; ++i) {
        auto* sample = new QToolButton;
        sample->setObjectName(
            QStringLiteral("imgCard%1").arg(i < 5 ? i + 1 : 50, 2, 10, QLatin1Char('0')));
        sample->setCheckable(true);
        sample->setAutoRaise(true);
        cardSamples_->addButton(sample, i);
        listLayout->addWidget(sample);
    }
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("scrCards"));
    scroll->setWidget(list);
    scroll->setWidgetResizable(true);
    scroll->setMinimumWidth(120);
    left->addWidget(scroll);
    layout->addLayout(left);

    auto* right = new QVBoxLayout;
    imgCardSample_ = new QLabel;
    imgCardSample_->setFixedSize(4 + 3 * 71 + 2 * 2 + 4, 25 + 2 * 96 + 2 + 4);
    auto* sampleLayout = new QVBoxLayout;
    sampleLayout->addWidget(imgCardSample_);
    right->addWidget(Group("Sample ", sampleLayout));
    AddCheck(right, "chkRandomCard", "&Random cards");
    right->addStretch();
    layout->addLayout(right);
    pgcPages_->addTab(page, QStringLiteral("  &Cards  "));
    connect(cardSamples_, &QButtonGroup::idClicked, this, [this](int id) { ChooseCardSample(id); });
}

void TfrmCustomize::CreateDecksPage() {
    const ResourceLibrary& library = main_.Services().library;
    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);
    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("Select a card back:")));
    trvCardBack_ = MakeTree("trvCardBack");
    const QIcon category = CategoryIcon(library);
    const QIcon back = TreeIcon(library, 2);
    for (const ChoiceGroup& group : CardBackTree()) {
        auto* node = new QTreeWidgetItem(trvCardBack_, {QString::fromLatin1(group.caption)});
        node->setIcon(0, category);
        node->setData(0, kValueRole, 0);
        for (const ChoiceNode& entry : group.entries) {
            auto* leaf = new QTreeWidgetItem(node, {QString::fromLatin1(entry.caption)});
            leaf->setIcon(0, back);
            leaf->setData(0, kValueRole, static_cast<qlonglong>(entry.value));
        }
    }
    left->addWidget(trvCardBack_);
    layout->addLayout(left);
    auto* right = new QVBoxLayout;
    auto* sampleLayout = new QVBoxLayout;
    imgBackSample_ = new QLabel;
    imgBackSample_->setFixedSize(71 + 40, 96 + 40);
    lblBackSample_ = new QLabel;
    sampleLayout->addWidget(imgBackSample_);
    sampleLayout->addWidget(lblBackSample_);
    right->addWidget(Group("Sample ", sampleLayout));
    AddCheck(right, "chkRandomDeck", "Random &decks");
    right->addStretch();
    layout->addLayout(right);
    pgcPages_->addTab(page, QStringLiteral(" Dec&ks  "));
    connect(trvCardBack_, &QTreeWidget::currentItemChanged, this, [this] { PaintBackSample(); });
}

void TfrmCustomize::CreateBackgroundsPage() {
    const ResourceLibrary& library = main_.Services().library;
    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);
    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("Select a background:")));
    trvBackGround_ = MakeTree("trvBackGround");
    const QIcon category = CategoryIcon(library);
    const QIcon entryIcon = TreeIcon(library, 3);
    pictureIcon_ = entryIcon;
    auto* customized = new QTreeWidgetItem(trvBackGround_, {QStringLiteral("Customized")});
    customized->setIcon(0, category);
    customized->setData(0, kValueRole,
                        static_cast<qlonglong>(background_node::kCustomizedCategory));
    std::function<void(QTreeWidgetItem*, const ChoiceGroup&)> add = [&](QTreeWidgetItem* parent,
                                                                        const ChoiceGroup& group) {
        QTreeWidgetItem* node =
            parent ? new QTreeWidgetItem(parent, {QString::fromLatin1(group.caption)})
                   : new QTreeWidgetItem(trvBackGround_, {QString::fromLatin1(group.caption)});
        node->setIcon(0, category);
        node->setData(0, kValueRole, static_cast<qlonglong>(background_node::kCategory));
        for (const ChoiceGroup& inner : group.groups) add(node, inner);
        for (const ChoiceNode& entry : group.entries) {
            auto* leaf = new QTreeWidgetItem(node, {QString::fromLatin1(entry.caption)});
            leaf->setIcon(0, entryIcon);
            leaf->setData(0, kValueRole, static_cast<qlonglong>(entry.value));
        }
    };
    for (const ChoiceGroup& group : vis::BackgroundTree()) add(nullptr, group);
    trvBackGround_->setContextMenuPolicy(Qt::CustomContextMenu);
    left->addWidget(trvBackGround_);
    layout->addLayout(left);

    auto* right = new QVBoxLayout;
    imgBackground_ = new QLabel;
    imgBackground_->setObjectName(QStringLiteral("imgBackground"));
    imgBackground_->setFixedSize(220, 160);
    right->addWidget(imgBackground_);
    AddCheck(right, "chkFadeBackground", "&Fade background");
    btnColore_ = new QPushButton(QStringLiteral("C&olors..."));
    right->addWidget(btnColore_);
    AddCheck(right, "chkRandomBackground", "&Random backgrounds");
    btnCustomizedBackgrounds_ = new QPushButton(QStringLiteral("A&dd a background..."));
    btnCustomizedBackgrounds_->setToolTip(QStringLiteral("Add a customized background"));
    right->addWidget(btnCustomizedBackgrounds_);
    right->addStretch();
    layout->addLayout(right);
    pgcPages_->addTab(page, QStringLiteral("&Backgrounds"));
}

void TfrmCustomize::CreateAnimationsPage() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);

    auto* speed = new QGridLayout;
    trbSpeed_ = new QSlider(Qt::Horizontal);
    trbSpeed_->setObjectName(QStringLiteral("trbSpeed"));
    trbSpeed_->setRange(1, 5);
    trbSpeed_->setPageStep(1);
    trbSpeed_->setTickPosition(QSlider::TicksBelow);
    speed->addWidget(trbSpeed_, 0, 0, 1, 2);
    speed->addWidget(new QLabel(QStringLiteral("Slow")), 1, 0, Qt::AlignLeft);
    speed->addWidget(new QLabel(QStringLiteral("Fast")), 1, 1, Qt::AlignRight);
    grid->addWidget(Group("Card speed ", speed), 0, 0);

    auto* animations = new QVBoxLayout;
    AddCheck(animations, "chkAutomaticFaceUp", "&Automatic face-up tableau cards");
    AddCheck(animations, "chkRedealAnimation", "&Redeal animation");
    AddCheck(animations, "chkDealAnimation", "D&eal animation");
    grid->addWidget(Group("Animations ", animations), 1, 0);

    auto* effects = new QVBoxLayout;
    AddCheck(effects, "chkShadowed", "S&hadowed");
    AddCheck(effects, "chkIrregularPiles", "&Irregular piles");
    AddCheck(effects, "chkAnimated", "A&nimated");
    auto* preview = new QStackedWidget;
    preview->setObjectName(QStringLiteral("stkEffects"));
    imgEffect_ = new QLabel;
    imgEffect_->setFixedSize(kEffectPreviewWidth, kEffectPreviewHeight);
    const ResourceLibrary& library = main_.Services().library;
    auto makeStrip = [&](std::string_view name, int frames, int interval) {
        auto* strip = new C_TBitmapAnimated;
        strip->resize(kEffectPreviewWidth, kEffectPreviewHeight);
        strip->setFixedWidth(kEffectPreviewWidth);
        strip->SetBitMap(library.Bitmap(name));
        strip->SetFrameCount(frames);
        strip->SetInterval(interval);
        strip->SetTransparentColor(kRedKey);
        return strip;
    };
    animYes_ = makeStrip(kAnimatedYesName, kAnimatedYesFrames, kAnimatedYesInterval);
    animNo_ = makeStrip(kAnimatedNoName, kAnimatedNoFrames, kAnimatedNoInterval);
    preview->addWidget(imgEffect_);
    preview->addWidget(animYes_);
    preview->addWidget(animNo_);
    auto* previewLayout = new QVBoxLayout;
    previewLayout->addWidget(preview);
    auto* effectsRow = new QHBoxLayout;
    effectsRow->addLayout(effects);
    effectsRow->addWidget(Group("Card effects preview ", previewLayout));
    grid->addWidget(Group("Card effects ", effectsRow), 0, 1, 2, 1);

    auto* winning = new QHBoxLayout;
    cboWinningAnim_ = new QComboBox;
    cboWinningAnim_->setObjectName(QStringLiteral("cboWinningAnim"));
    for (std::string_view name : kWinningAnimations)
        cboWinningAnim_->addItem(QString::fromLatin1(name.data(), static_cast<int>(name.size())));
    winning->addWidget(cboWinningAnim_);
    auto* timeLabel = new QLabel(QStringLiteral("&Time:"));
    spnWinningTime_ = new QSpinBox;
    spnWinningTime_->setObjectName(QStringLiteral("edtWinningTime"));
    spnWinningTime_->setRange(0, kMaximumWinningTime);
    spnWinningTime_->setSingleStep(kWinningTimeStep);
    // The field is moved by its arrows only, and never shows 0.
    if (auto* edit = spnWinningTime_->findChild<QLineEdit*>()) edit->setReadOnly(true);
    spnWinningTime_->setSpecialValueText(QStringLiteral("10"));
    timeLabel->setBuddy(spnWinningTime_);
    winning->addWidget(timeLabel);
    winning->addWidget(spnWinningTime_);
    winning->addWidget(new QLabel(QStringLiteral("seconds")));
    btnWinningPreview_ = new QPushButton(QStringLiteral("Pre&view"));
    btnWinningPreview_->setObjectName(QStringLiteral("btnWinningPreview"));
    winning->addWidget(btnWinningPreview_);
    grid->addWidget(Group("Winning animations ", winning), 2, 0, 1, 2);
    pgcPages_->addTab(page, QStringLiteral("Anima&tions"));

    connect(Check("chkShadowed"), &QCheckBox::clicked, this,
            [this] { ShowEffectPreview("chkShadowed"); });
    connect(Check("chkIrregularPiles"), &QCheckBox::clicked, this,
            [this] { ShowEffectPreview("chkIrregularPiles"); });
    connect(Check("chkAnimated"), &QCheckBox::clicked, this,
            [this] { ShowEffectPreview("chkAnimated"); });
    connect(cboWinningAnim_, &QComboBox::currentIndexChanged, this, [this] {
        const bool none = cboWinningAnim_->currentText() == QStringLiteral("(None)");
        spnWinningTime_->setEnabled(!none);
        btnWinningPreview_->setEnabled(!none);
    });
    connect(btnWinningPreview_, &QPushButton::clicked, this, [this] { done(kPreviewRequested); });
}

void TfrmCustomize::CreateSoundsPage() {
    const ResourceLibrary& library = main_.Services().library;
    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);
    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("Events:")));
    trvSounds_ = MakeTree("trvSounds");
    const QIcon category = CategoryIcon(library);
    soundOnIcon_ = TreeIcon(library, 4);
    QTreeWidgetItem* node = nullptr;
    for (std::size_t i = 0; i < SoundEvents().size(); ++i) {
        const SoundEvent& event = SoundEvents()[i];
        const QString group =
            QString::fromLatin1(event.category.data(), static_cast<int>(event.category.size()));
        if (!node || node->text(0) != group) {
            node = new QTreeWidgetItem(trvSounds_, {group});
            node->setIcon(0, category);
            node->setData(0, kValueRole, -1);
        }
        auto* leaf = new QTreeWidgetItem(
            node,
            {QString::fromLatin1(event.caption.data(), static_cast<int>(event.caption.size()))});
        leaf->setData(0, kValueRole, static_cast<int>(i));
    }
    trvSounds_->expandAll();
    left->addWidget(trvSounds_);
    layout->addLayout(left);
    auto* right = new QVBoxLayout;
    btnSoundsAdd_ = new QPushButton(QStringLiteral("E&nable this sound"));
    btnSoundsDelete_ = new QPushButton(QStringLiteral("D&isable this sound"));
    right->addWidget(btnSoundsAdd_);
    right->addWidget(btnSoundsDelete_);
    right->addWidget(new QLabel(QStringLiteral("Preview:")));
    auto* preview = new QHBoxLayout;
    btnSoundsGo_ = new QPushButton(QStringLiteral("\u25B6"));
    btnSoundsGo_->setToolTip(QStringLiteral("Play sound"));
    btnSoundsStop_ = new QPushButton(QStringLiteral("\u25A0"));
    btnSoundsStop_->setToolTip(QStringLiteral("Stop sound"));
    preview->addWidget(btnSoundsGo_);
    preview->addWidget(btnSoundsStop_);
    right->addLayout(preview);
    AddCheck(right, "chkSoundsEnabled", "&Disable all sounds");
    right->addStretch();
    layout->addLayout(right);
    pgcPages_->addTab(page, QStringLiteral(" &Sounds "));

    connect(trvSounds_, &QTreeWidget::currentItemChanged, this, [this] { UpdateSoundButtons(); });
    connect(btnSoundsAdd_, &QPushButton::clicked, this, [this] {
        SetSoundOn(trvSounds_->currentItem(), true);
        UpdateSoundButtons();
    });
    connect(btnSoundsDelete_, &QPushButton::clicked, this, [this] {
        SetSoundOn(trvSounds_->currentItem(), false);
        UpdateSoundButtons();
    });
    connect(btnSoundsGo_, &QPushButton::clicked, this, [this] { PlaySelectedSound(true); });
    connect(btnSoundsStop_, &QPushButton::clicked, this, [this] { PlaySelectedSound(false); });
    connect(Check("chkSoundsEnabled"), &QCheckBox::clicked, this,
            [this] { chkSoundsEnabledClick(); });
}

void TfrmCustomize::CreateButtons() {
    auto* row = new QHBoxLayout;
    row->addStretch();
    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("btnOK"));
    ok->setDefault(true);
    auto* apply = new QPushButton(QStringLiteral("Appl&y"));
    apply->setObjectName(QStringLiteral("btnApply"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    cancel->setObjectName(QStringLiteral("btnCancel"));
    auto* help = new QPushButton(QStringLiteral("&?"));
    for (QPushButton* button : {ok, apply, cancel, help}) row->addWidget(button);
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
    connect(ok, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(apply, &QPushButton::clicked, this, [this] { btnApplyClick(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this,
            [this] { ShowHelpTopic(this, main_.Services(), "proc", kHelpTopic); });
}

}  // namespace vis
