#include "view/counter/card_counter_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QVBoxLayout>

#include "media/resource_library.h"
#include "media/resource_names.h"
#include "model/config_file.h"
#include "model/preference_keys.h"
#include "model/program_paths.h"
#include "model/rule_index.h"

namespace vis {

namespace {

// The window heights count the caption and the menu; the grid gets the rest.
constexpr int kFrameAllowance = 38;

class GridView : public QWidget {
public:
    GridView(const QImage& image, QWidget* parent) : QWidget(parent), image_(image) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawImage(0, 0, image_);
    }

private:
    const QImage& image_;
};

const char* YesNo(bool on) {
    return on ? "Y" : "N";
}

}  // namespace

TfrmCardCounter::TfrmCardCounter(GameContext& ctx, const ResourceLibrary& library, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      ctx_(ctx),
      library_(library) {
    setObjectName(QStringLiteral("frmCardCounter"));
    setWindowTitle(tr("Card counter"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, kCounterTopStrip, 0, 0);
    layout->setSpacing(0);
    menu_ = new QMenuBar(this);
    layout->setMenuBar(menu_);
    QMenu* options = menu_->addMenu(tr("&Options"));
    mnuTableauOnly_ = options->addAction(tr("&Tableau only"));
    mnuStockOnly_ = options->addAction(tr("&Stock only"));
    options->addSeparator();
    mnuInverted_ = options->addAction(tr("&Inverted"));
    for (QAction* item : {mnuTableauOnly_, mnuStockOnly_, mnuInverted_}) item->setCheckable(true);
    connect(mnuTableauOnly_, &QAction::triggered, this,
            [this] { AreaItemClicked(mnuTableauOnly_, mnuStockOnly_); });
    connect(mnuStockOnly_, &QAction::triggered, this,
            [this] { AreaItemClicked(mnuStockOnly_, mnuTableauOnly_); });
    connect(mnuInverted_, &QAction::triggered, this, [this] { OptionChanged(); });
    refreshTimer_.setSingleShot(true);
    refreshTimer_.setInterval(0);
    connect(&refreshTimer_, &QTimer::timeout, this, [this] {
        if (isVisible()) RefreshCounter();
    });
    grid_ = new GridView(imgBack_, this);
    layout->addWidget(grid_);
    DrawEmptyGrid();
}

CounterOptions TfrmCardCounter::Options() const {
    return {.stockOnly = mnuStockOnly_->isChecked(),
            .tableauOnly = mnuTableauOnly_->isChecked(),
            .inverted = mnuInverted_->isChecked()};
}

void TfrmCardCounter::DrawPicture(const QImage& picture, int x, int y) {
    if (picture.isNull()) return;
    QPainter painter(&imgBack_);
    // The soft edges of the picture before must not show through.
    painter.fillRect(QRect(QPoint(x, y), picture.size()), palette().color(QPalette::Window));
    painter.drawImage(x, y, picture);
}

void TfrmCardCounter::DrawEmptyGrid() {
    const int deckSize = ctx_.rules[rule::kDeckSize];
    const int height = CounterWindowHeight(deckSize) - kFrameAllowance;
    if (imgBack_.size() != QSize(kCounterClientWidth, height)) {
        imgBack_ = QImage(kCounterClientWidth, height, QImage::Format_RGB32);
        grid_->setFixedSize(imgBack_.size());
        setFixedSize(kCounterClientWidth, kCounterTopStrip + height + menu_->sizeHint().height());
    }
    imgBack_.fill(palette().color(QPalette::Window));
    // Only whole labels: a short window cuts off the rows it has no room for.
    for (int row = 0; row < kCounterRowCount && CounterRowTop(row + 1) <= height; ++row)
        DrawPicture(library_.Bitmap(CounterRowLabelName(CounterRowSuit(row))), 0,
                    CounterRowTop(row));
    const QImage none = library_.Bitmap(kCounterEmptyCellName);
    for (CardNumber card = 1; card <= std::min(deckSize, kCounterLastCard); ++card) {
        const CounterPoint at = CounterCellAt(card);
        DrawPicture(none, at.x, at.y);
    }
    grid_->update();
}

void TfrmCardCounter::DrawCounterCell(CardNumber card, bool up, CounterCellKind kind) {
    if (CounterRowOf(card) < 0) return;
    const CounterPoint at = CounterCellAt(card);
    if (kind == CounterCellKind::kNone) {
        DrawPicture(library_.Bitmap(kCounterEmptyCellName), at.x, at.y);
        return;
    }
    const bool shownUp = mnuInverted_->isChecked() ? !up : up;
    DrawPicture(library_.Bitmap(CounterCellName(RankOf(card), shownUp)), at.x, at.y);
}

void TfrmCardCounter::RefreshCounter() {
    DrawEmptyGrid();
    for (const CounterMark& mark : CounterMarks(ctx_, Options()))
        DrawCounterCell(mark.card, mark.up, CounterCellKind::kCard);
    grid_->update();
}

void TfrmCardCounter::RefreshSoon() {
    if (!refreshTimer_.isActive()) refreshTimer_.start();
}

void TfrmCardCounter::MarkCounterCard(CardNumber card, int pileType, bool up,
                                      CounterCellKind kind) {
    if (card == -1) {
        if (mnuStockOnly_->isChecked() || mnuTableauOnly_->isChecked()) RefreshCounter();
        return;
    }
    if (!Options().AreaShown(pileType)) return;
    DrawCounterCell(card, up, kind);
    grid_->update();
}

void TfrmCardCounter::MarkWasteTop(int pileType) {
    if (pileType != static_cast<int>(CounterPileType::kWaste)) return;
    if (!Options().StockAreaShown() || !HasWasteWithoutStock(ctx_)) return;
    const CardNumber top = TopCard(ctx_.piles.mazzo[kWasteIndex]);
    if (top <= 0) return;
    DrawCounterCell(top, true, CounterCellKind::kCard);
    grid_->update();
}

void TfrmCardCounter::Toggle() {
    const bool wasShown = isVisible();
    hide();
    DrawEmptyGrid();
    if (ctx_.flags[Flag::kGameInProgress]) RefreshCounter();
    if (!wasShown) show();
    NotifyVisibility();
}

void TfrmCardCounter::AreaItemClicked(QAction* clicked, QAction* other) {
    if (clicked->isChecked()) other->setChecked(false);
    OptionChanged();
}

void TfrmCardCounter::OptionChanged() {
    RefreshCounter();
    SaveCounterState();
}

void TfrmCardCounter::SaveCounterState() {
    const auto config = ConfigFilePath(ctx_.state);
    WritePref(config, kPreferenceSection, "CardCounter_Stock", YesNo(mnuStockOnly_->isChecked()));
    WritePref(config, kPreferenceSection, "CardCounter_Tableau",
              YesNo(mnuTableauOnly_->isChecked()));
    WritePref(config, kPreferenceSection, "CardCounter_Inverse", YesNo(mnuInverted_->isChecked()));
    WritePrefInt(config, kPreferenceSection, "CardCounter_Left", pos().x());
    WritePrefInt(config, kPreferenceSection, "CardCounter_Top", pos().y());
    WritePref(config, kPreferenceSection, "CardCounter_Visible", YesNo(isVisible()));
}

void TfrmCardCounter::RestoreCounterState() {
    const auto config = ConfigFilePath(ctx_.state);
    const auto flag = [&config](std::string_view key) {
        return ReadPref(config, kPreferenceSection, key, "N") == "Y";
    };
    const int left = ReadPrefInt(config, kPreferenceSection, "CardCounter_Left", -1);
    const int top = ReadPrefInt(config, kPreferenceSection, "CardCounter_Top", -1);
    if (left > 0 && top > 0) move(left, top);
    const bool stock = flag("CardCounter_Stock");
    mnuStockOnly_->setChecked(stock);
    mnuTableauOnly_->setChecked(!stock && flag("CardCounter_Tableau"));
    mnuInverted_->setChecked(flag("CardCounter_Inverse"));
    if (flag("CardCounter_Visible") && !isVisible()) Toggle();
}

void TfrmCardCounter::NotifyVisibility() {
    if (visibilityListener_) visibilityListener_(isVisible());
}

void TfrmCardCounter::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    hide();
    NotifyVisibility();
}

}  // namespace vis
