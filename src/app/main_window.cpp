#include "app/main_window.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/game_session.h"
#include "app/pause_screen.h"
#include "app/table_widget.h"
#include "dialogs/record_text.h"
#include "engine/game_clock.h"
#include "engine/pointer_pile_size_tip.h"
#include "game/start_up.h"
#include "media/resource_library.h"
#include "media/resource_names.h"
#include "media/sound_player.h"
#include "model/config_file.h"
#include "model/preference_keys.h"
#include "model/program_paths.h"
#include "store/file_error.h"
#include "view/geometry/scroll_bar.h"

namespace vis {

namespace {

constexpr int kClockIntervalMs = 1000;
constexpr int kScrollLargeChange = 50;
constexpr int kScrollSmallChange = 2;
constexpr int kScrollExtraMargin = 30;
// Room left after the rightmost card when the table scrolls sideways.
constexpr int kTableRightMargin = 10;
// How soon the scroll bars look again at a table that was busy.
constexpr int kBarsRetryMs = 100;
constexpr int kDefaultWindowPosition = 50;
constexpr int kWindowScreenMargin = 150;
constexpr int kDefaultPointer = 10;

// A table scroll bar, hidden until the table outgrows the window.
QScrollBar* MakeScrollBar(Qt::Orientation orientation, const QString& name, QWidget* parent) {
    auto* bar = new QScrollBar(orientation, parent);
    bar->setObjectName(name);
    bar->setPageStep(kScrollLargeChange);
    bar->setSingleStep(kScrollSmallChange);
    bar->hide();
    return bar;
}

}  // namespace

TfrmMain::TfrmMain(GameSession& session, const ResourceLibrary& library, SoundPlayer& sounds)
    : session_(session),
      library_(library),
      sounds_(sounds),
      services_{session.ctx, session.hooks, library},
      painter_(session.ctx, library),
      motion_(session.ctx, painter_) {
    setWindowTitle(QString::fromUtf8(kProductTitle.data(), int(kProductTitle.size())));
    CreateActions();
    CreateMenus();
    CreateToolbars();
    CreatePanels();
    CreateTable();
    connect(&timer1_, &QTimer::timeout, this, [this] { Timer1Timer(); });
    timer1_.start(kClockIntervalMs);
}

TfrmMain::~TfrmMain() {
    painter_.Picture().SetChangeListener({});
}

GameContext& TfrmMain::Ctx() {
    return session_.ctx;
}

void TfrmMain::CreateTable() {
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    pnlDemo_ = new QWidget(central);
    pnlDemo_->setObjectName(QStringLiteral("pnlDemo"));
    auto* demoRow = new QHBoxLayout(pnlDemo_);
    const std::pair<const char*, void (*)(GameContext&, DemoPanel&)> demoButtons[] = {
        {"|<", DemoFirst}, {"<<", DemoPrevious}, {">>", DemoNext}, {">|", DemoLast}};
    for (const auto& [caption, step] : demoButtons) {
        auto* button = new QPushButton(QString::fromLatin1(caption), pnlDemo_);
        connect(button, &QPushButton::clicked, this, [this, step = step] { step(Ctx(), demo_); });
        demoRow->addWidget(button);
    }
    lblDemo_ = new QLabel(pnlDemo_);
    demoRow->addWidget(lblDemo_);
    demoRow->addStretch();
    pnlDemo_->hide();
    column->addWidget(pnlDemo_);

    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    table_ = new TableWidget(session_, painter_, central);
    table_->setObjectName(QStringLiteral("imgSfondo"));
    row->addWidget(table_, 1);
    scrBarMain_ = MakeScrollBar(Qt::Vertical, QStringLiteral("scrBarMain"), central);
    scrBarMain_->setRange(0, 100);
    connect(scrBarMain_, &QScrollBar::valueChanged, this, [this](int value) {
        Ctx().game.layout.scrollOffset = value;
        table_->update();
    });
    row->addWidget(scrBarMain_);
    column->addLayout(row, 1);
    // A table wider than the window (a small window, many piles) scrolls
    // sideways.
    scrBarHorizontal_ = MakeScrollBar(Qt::Horizontal, QStringLiteral("scrBarHorizontal"), central);
    scrBarHorizontal_->setRange(0, 0);
    connect(scrBarHorizontal_, &QScrollBar::valueChanged, table_,
            &TableWidget::SetHorizontalOffset);
    column->addWidget(scrBarHorizontal_);
    table_->SetScrollBars(scrBarMain_, scrBarHorizontal_);
    // Whatever painted the table (a deal, a move, a repaint), the bars then
    // follow it, once the painting is over.
    barsTimer_.setSingleShot(true);
    barsTimer_.setInterval(0);
    connect(&barsTimer_, &QTimer::timeout, this, [this] { AdjustScrollBars(); });
    table_->SetChangeCallback([this] { barsTimer_.start(); });
    setCentralWidget(central);

    pnlPilesSize_ = new QWidget(table_);
    pnlPilesSize_->setObjectName(QStringLiteral("pnlPilesSize"));
    pnlPilesSize_->setAutoFillBackground(true);
    pnlPilesSize_->setPalette(QPalette(QColor(255, 255, 225)));
    auto* tip = new QVBoxLayout(pnlPilesSize_);
    lblPilesSize_ = new QLabel(pnlPilesSize_);
    tip->addWidget(lblPilesSize_);
    tip->addWidget(new QLabel(QStringLiteral("in this pile"), pnlPilesSize_));
    pnlPilesSize_->hide();
}

void TfrmMain::ApplyStartUpPreferences() {
    ApplyToolbarPreferences();
    statusBar()->setVisible(Ctx().state.Get(field::kStatusBar) != "N");
    SetTablePointer(Ctx().state.GetInt(field::kCursorStyle, kDefaultPointer));
}

ScreenSize TfrmMain::Screen() const {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QRect size = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    return {size.width(), size.height()};
}

TableWindow TfrmMain::CurrentTableWindow() const {
    MainWindowFacts facts;
    const int barWidth = scrBarMain_->isVisible() ? scrBarMain_->width() : 0;
    facts.windowWidth = table_->width() + barWidth;
    facts.scrollBarWidth = barWidth;
    facts.clientHeight = table_->height();
    facts.windowHeight = height();
    facts.scrollPosition = scrBarMain_->value();
    return MainWindowTable(facts);
}

void TfrmMain::ResizeTablePictures() {
    const ScreenSize plain = PlainBackBitmapSize(Screen());
    const int extra = scrBarMain_->isVisible() ? scrBarMain_->maximum() : 0;
    painter_.ResizePictures(QSize(plain.width, plain.height + extra));
}

void TfrmMain::RepaintTable() {
    const TableWindow window = CurrentTableWindow();
    session_.hooks.SetWindow(window, Screen());
    painter_.SetWindow(window, Screen());
    painter_.SetDisplay({.richColours = true, .scrollBarShown = scrBarMain_->isVisible()});
    painter_.RepaintTable();
    // The picture holds the whole table; the window keeps showing the band
    // the scroll bar stands at, and a lifted block stays off its pile.
    if (scrBarMain_->isVisible()) Ctx().game.layout.scrollOffset = scrBarMain_->value();
    motion_.RedrawDragOrigin();
    // At once: the core may wait without handling events right after (the
    // pause before autoplay), and the player sees the table meanwhile.
    table_->repaint();
}

void TfrmMain::PaintEmptyTable() {
    painter_.PaintBackground();
    table_->update();
}

void TfrmMain::UpdateScrollBar() {
    const ScrollBarState state{.shown = scrBarMain_->isVisible(),
                               .clientHeight = table_->height(),
                               .backBitmapHeight = painter_.Picture().Size().height()};
    const ScrollBarPlan plan = vis::UpdateScrollBar(Ctx(), state);
    switch (plan.action) {
        case ScrollBarAction::kNone:
            return;
        case ScrollBarAction::kHide:
            scrBarMain_->setRange(0, 100);
            scrBarMain_->setValue(0);
            scrBarMain_->hide();
            ResizeTablePictures();
            RepaintTable();
            return;
        case ScrollBarAction::kGrow: {
            const int maximum = scrBarMain_->isVisible() ? scrBarMain_->maximum() : 0;
            scrBarMain_->setRange(0, maximum + plan.extra - kScrollExtraMargin);
            scrBarMain_->show();
            const QSize size = painter_.Picture().Size();
            painter_.ResizePictures(QSize(size.width(), size.height() + plan.extra));
            RepaintTable();
            return;
        }
    }
}

void TfrmMain::AdjustScrollBars() {
    // Not while cards move or are held: a repaint would tear them away.
    if (startingUp_ || pause_ || Ctx().flags[Flag::kAnimationRunning] ||
        Ctx().game.draggedCard != 0) {
        barsTimer_.start(kBarsRetryMs);
        return;
    }
    UpdateScrollBar();
    UpdateHorizontalScrollBar();
}

void TfrmMain::UpdateHorizontalScrollBar() {
    const int extent = Ctx().flags[Flag::kGameInProgress] ? Ctx().game.layout.tableRightExtent : 0;
    const int hidden = std::max(0, extent + kTableRightMargin - table_->width());
    scrBarHorizontal_->setRange(0, hidden);
    const bool shown = hidden > 0;
    if (shown == !scrBarHorizontal_->isHidden()) return;
    scrBarHorizontal_->setVisible(shown);
    // The bar takes or gives back a strip of the table's height: the table
    // is laid out again for its new size.
    if (QLayout* layout = centralWidget()->layout()) layout->activate();
    UpdateScrollBar();
    RepaintTable();
}

TableScrollView TfrmMain::ScrollView() const {
    const int position = scrBarMain_->value();
    return {.shown = scrBarMain_->isVisible(),
            .position = position,
            .maximum = scrBarMain_->maximum(),
            .tableTop = position,
            .clientBottom = position + table_->height()};
}

int TfrmMain::ScrollByLargeStep(bool down) {
    scrBarMain_->setValue(scrBarMain_->value() + (down ? 1 : -1) * scrBarMain_->pageStep());
    return scrBarMain_->value();
}

void TfrmMain::SetTablePointer(int shape) {
    table_->setCursor(library_.Cursor(PointerShapeName(shape)));
}

void TfrmMain::ShowPileSizeTip(const QString& text, QPoint pointer) {
    lblPilesSize_->setText(text);
    pnlPilesSize_->adjustSize();
    const QPoint inWindow = table_->WindowAt(pointer);
    const Point at =
        PileSizeTipPosition({inWindow.x(), inWindow.y()}, pnlPilesSize_->width(),
                            pnlPilesSize_->height(), table_->width(), table_->height());
    pnlPilesSize_->move(at.x, at.y);
    pnlPilesSize_->show();
    pnlPilesSize_->raise();
}

void TfrmMain::HidePileSizeTip() {
    pnlPilesSize_->hide();
}

void TfrmMain::ShowDemoPanel(bool shown) {
    pnlDemo_->setVisible(shown);
    actions_[Command::kDemo]->setChecked(shown);
}

void TfrmMain::ShowDemoPosition(int position, int maximum) {
    lblDemo_->setText(QString::number(position) + QLatin1Char('/') + QString::number(maximum));
}

void TfrmMain::UpdateCaption() {
    const QString caption = FromRecordText(MainWindowCaption(Ctx()));
    if (windowTitle() != caption) setWindowTitle(caption);
}

void TfrmMain::BeginPauseScreen() {
    HidePileSizeTip();
    pause_ = std::make_unique<PauseScreen>(library_, table_, [this] {
        // Resuming from inside the filter: let the event that asked for it go first.
        QTimer::singleShot(0, this, [this] {
            if (pause_) SetPaused(Ctx(), false);
        });
    });
}

void TfrmMain::EndPauseScreen() {
    pause_.reset();
}

void TfrmMain::Timer1Timer() {
    ClockTick(Ctx());
    PileSizeTipTick(Ctx());
}

void TfrmMain::WritePreference(std::string_view key, std::string_view value) {
    try {
        WritePref(ConfigFilePath(Ctx().state), kPreferenceSection, key, value);
    } catch (const FileError& error) {
        ReportFileError(error);
    }
}

void TfrmMain::ReportFileError(const std::exception& error) {
    Ctx().ui.ShowError(error.what());
}

void TfrmMain::RestoreWindowState() {
    const auto config = ConfigFilePath(Ctx().state);
    const ScreenSize screen = Screen();
    auto read = [&](std::string_view key, int fallback) {
        return ReadPrefInt(config, kPreferenceSection, key, fallback);
    };
    setGeometry(read("MainWindowState_Left", kDefaultWindowPosition),
                read("MainWindowState_Top", kDefaultWindowPosition),
                read("MainWindowState_Width", screen.width - kWindowScreenMargin),
                read("MainWindowState_Height", screen.height - kWindowScreenMargin));
    // Where no window manager maximizes, the normal bounds stay in force.
    if (ReadPref(config, kPreferenceSection, "MainWindowState_Maximized", "Y") == "Y")
        setWindowState(windowState() | Qt::WindowMaximized);
}

void TfrmMain::SaveWindowState() {
    const auto config = ConfigFilePath(Ctx().state);
    try {
        if (isMaximized()) {
            WritePref(config, kPreferenceSection, "MainWindowState_Maximized", "Y");
            return;
        }
        WritePref(config, kPreferenceSection, "MainWindowState_Maximized", "N");
        const QRect bounds = geometry();
        WritePrefInt(config, kPreferenceSection, "MainWindowState_Left", bounds.x());
        WritePrefInt(config, kPreferenceSection, "MainWindowState_Top", bounds.y());
        WritePrefInt(config, kPreferenceSection, "MainWindowState_Width", bounds.width());
        WritePrefInt(config, kPreferenceSection, "MainWindowState_Height", bounds.height());
    } catch (const FileError& error) {
        ReportFileError(error);
    }
}

void TfrmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    ArrangeToolbarRow();
    if (startingUp_ || pause_) return;
    UpdateScrollBar();
    RepaintTable();
}

bool TfrmMain::event(QEvent* event) {
    // The first activation, or the first showing where no window manager
    // activates windows; after the event, so the dialog opens over a window
    // that is up.
    const bool first = event->type() == QEvent::WindowActivate || event->type() == QEvent::Show;
    if (first && Ctx().flags[Flag::kFirstActivationPending] && !firstActivationQueued_) {
        firstActivationQueued_ = true;
        QTimer::singleShot(0, this, [this] { FirstActivation(); });
    }
    return QMainWindow::event(event);
}

}  // namespace vis
