// The two toolbars, their context menu, and the clock and score panels on
// the toolbar row.
#include <algorithm>

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>
#include <vector>

#include "app/game_session.h"
#include "app/main_window.h"
#include "app/toolbar_glyphs.h"
#include "model/config_file.h"
#include "model/preference_keys.h"
#include "model/program_paths.h"

namespace vis {

namespace {

constexpr int kLargeButtonWidth = 44;
constexpr int kLargeButtonHeight = 42;
constexpr int kSmallButtonWidth = 23;
constexpr int kSmallButtonHeight = 22;
constexpr int kLargeGlyph = 28;
constexpr int kSmallGlyph = 16;
constexpr int kPanelRightMargin = 15;
constexpr int kPanelGap = 5;
constexpr int kPanelClearance = 3;
constexpr int kLargePanelHeight = 24;
constexpr int kSmallPanelHeight = 20;

QWidget* MakePanel(QWidget* parent, const QString& caption, QLabel** value) {
    auto* panel = new QWidget(parent);
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->addWidget(new QLabel(caption, panel));
    *value = new QLabel(panel);
    layout->addWidget(*value);
    panel->setContextMenuPolicy(Qt::CustomContextMenu);
    return panel;
}

}  // namespace

void TfrmMain::CreateToolbars() {
    auto make = [this](bool large) {
        auto* bar = new QToolBar(large ? QStringLiteral("pnlTB") : QStringLiteral("pnlTB1"), this);
        bar->setObjectName(large ? QStringLiteral("pnlTB") : QStringLiteral("pnlTB1"));
        bar->setMovable(false);
        bar->setFloatable(false);
        bar->setIconSize(large ? QSize(kLargeGlyph, kLargeGlyph) : QSize(kSmallGlyph, kSmallGlyph));
        bar->setToolButtonStyle(large ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
        bar->setContextMenuPolicy(Qt::CustomContextMenu);
        std::vector<QToolButton*> tools;
        for (const ToolbarButton& button : kToolbarButtons) {
            QAction* action = actions_[button.command];
            // The button shows the hint, not the menu caption, and takes it
            // again from the action at every change of the action.
            action->setIconText(QString::fromLatin1(button.hint));
            bar->addAction(action);
            if (auto* tool = qobject_cast<QToolButton*>(bar->widgetForAction(action))) {
                tool->setText(QString::fromLatin1(button.hint));
                tool->setToolTip(QString::fromLatin1(button.hint));
                tools.push_back(tool);
            }
            if (button.separatorAfter) bar->addSeparator();
        }
        // The large buttons grow, all alike, until the longest label shows
        // whole under its glyph in the font in use.
        QSize size = large ? QSize(kLargeButtonWidth, kLargeButtonHeight)
                           : QSize(kSmallButtonWidth, kSmallButtonHeight);
        if (large)
            for (const QToolButton* tool : tools) size = size.expandedTo(tool->sizeHint());
        for (QToolButton* tool : tools) tool->setFixedSize(size);
        connect(bar, &QWidget::customContextMenuRequested, this, [this, bar](QPoint at) {
            QMenu popTB(this);
            const auto choice = [&popTB](const char* caption, bool checked) {
                QAction* item = popTB.addAction(QString::fromLatin1(caption));
                item->setCheckable(true);
                item->setChecked(checked);
                return item;
            };
            QAction* largeIcons = choice("Large icons", toolbarLarge_);
            QAction* smallIcons = choice("Small icons", !toolbarLarge_);
            popTB.addSeparator();
            QAction* flat = choice("Flat button", toolbarFlat_);
            QAction* raised = choice("No flat button", !toolbarFlat_);
            popTB.addSeparator();
            QAction* showTime = popTB.addAction(QStringLiteral("Show time"));
            QAction* showScore = popTB.addAction(QStringLiteral("Show score"));
            showTime->setEnabled(!Ctx().state.GetFlag(field::kShowTime));
            showScore->setEnabled(!Ctx().state.GetFlag(field::kShowScore));
            QAction* chosen = popTB.exec(bar->mapToGlobal(at));
            if (chosen == largeIcons || chosen == smallIcons) SetToolbarLarge(chosen == largeIcons);
            if (chosen == flat || chosen == raised) SetToolbarFlat(chosen == flat);
            if (chosen == showTime) SetPanelShown(true, true);
            if (chosen == showScore) SetPanelShown(false, true);
        });
        addToolBar(Qt::TopToolBarArea, bar);
        return bar;
    };
    pnlTB_ = make(true);
    pnlTB1_ = make(false);
}

void TfrmMain::CreatePanels() {
    pnlTempo_ = MakePanel(this, QStringLiteral("Time:"), &lblTempo_);
    pnlTempo_->setObjectName(QStringLiteral("pnlTempo"));
    pnlScore_ = MakePanel(this, QStringLiteral("Score:"), &lblScore_);
    pnlScore_->setObjectName(QStringLiteral("pnlScore"));
    const QString zero = QStringLiteral("0") + QString::fromStdString(Ctx().ui.TimeSeparator()) +
                         QStringLiteral("00") + QString::fromStdString(Ctx().ui.TimeSeparator()) +
                         QStringLiteral("00");
    lblTempo_->setText(zero);
    lblScore_->setText(QStringLiteral("0"));
    auto hideMenu = [this](QWidget* panel, const QString& caption, bool clock) {
        connect(panel, &QWidget::customContextMenuRequested, this,
                [this, panel, caption, clock](QPoint at) {
                    QMenu menu(this);
                    if (menu.exec({menu.addAction(caption)}, panel->mapToGlobal(at)))
                        SetPanelShown(clock, false);
                });
    };
    hideMenu(pnlTempo_, QStringLiteral("&Hide"), true);
    hideMenu(pnlScore_, QStringLiteral("Hide"), false);
}

void TfrmMain::ApplyToolbarPreferences() {
    const auto config = ConfigFilePath(Ctx().state);
    toolbarVisible_ = ReadPref(config, kPreferenceSection, "ToolBar_Visible", "Y") != "N";
    toolbarLarge_ = ReadPref(config, kPreferenceSection, "ToolBar_Large", "N") == "Y";
    toolbarFlat_ = ReadPref(config, kPreferenceSection, "ToolBar_Flat", "Y") != "N";
    SetToolbarFlat(toolbarFlat_);
    pnlTB_->setVisible(toolbarVisible_ && toolbarLarge_);
    pnlTB1_->setVisible(toolbarVisible_ && !toolbarLarge_);
    ArrangeToolbarRow();
}

void TfrmMain::SetToolbarLarge(bool large) {
    toolbarLarge_ = large;
    WritePreference("ToolBar_Large", large ? "Y" : "N");
    pnlTB_->setVisible(toolbarVisible_ && large);
    pnlTB1_->setVisible(toolbarVisible_ && !large);
    ArrangeToolbarRow();
}

void TfrmMain::SetToolbarFlat(bool flat) {
    if (flat != toolbarFlat_) WritePreference("ToolBar_Flat", flat ? "Y" : "N");
    toolbarFlat_ = flat;
    for (QToolBar* bar : {pnlTB_, pnlTB1_}) {
        for (QAction* action : bar->actions()) {
            if (action->isSeparator()) action->setVisible(flat);
            if (auto* tool = qobject_cast<QToolButton*>(bar->widgetForAction(action)))
                tool->setAutoRaise(flat);
        }
    }
}

void TfrmMain::SetPanelShown(bool clock, bool shown) {
    const StateField f = clock ? field::kShowTime : field::kShowScore;
    Ctx().state.SetFlag(f, shown);
    WritePreference(clock ? "Show_Time" : "Show_Score", shown ? "Y" : "N");
    ArrangeToolbarRow();
}

void TfrmMain::ArrangeToolbarRow() {
    QToolBar* bar = !pnlTB_->isHidden() ? pnlTB_ : (!pnlTB1_->isHidden() ? pnlTB1_ : nullptr);
    if (!bar) {
        pnlTempo_->hide();
        pnlScore_->hide();
        return;
    }
    const bool tips = Ctx().state.Get(field::kShowToolTips) != "N";
    for (QAction* action : bar->actions())
        if (QWidget* tool = bar->widgetForAction(action))
            tool->setToolTip(tips ? action->toolTip() : QString());
    const QRect row = bar->geometry();
    const int height = bar == pnlTB_ ? kLargePanelHeight : kSmallPanelHeight;
    // The buttons that did not fit wait behind the toolbar's extension
    // button; the panels start right of whatever the toolbar shows.
    int exitRight = 0;
    for (const QToolButton* tool : bar->findChildren<QToolButton*>())
        if (!tool->isHidden())
            exitRight = std::max(exitRight, bar->mapTo(this, tool->geometry().topRight()).x());
    int right = width() - kPanelRightMargin;
    auto place = [&](QWidget* panel, bool wanted) {
        panel->adjustSize();
        panel->setFixedHeight(height);
        const int left = right - panel->width();
        const bool shown = wanted && left >= exitRight + kPanelClearance;
        panel->setGeometry(left, row.top() + (row.height() - height) / 2, panel->width(), height);
        panel->setVisible(shown);
        if (shown) {
            panel->raise();
            right = left - kPanelGap;
        }
    };
    place(pnlTempo_, Ctx().state.GetFlag(field::kShowTime));
    place(pnlScore_, Ctx().state.GetFlag(field::kShowScore));
}

void TfrmMain::ShowScore(const QString& text) {
    lblScore_->setText(text);
    ArrangeToolbarRow();
}

void TfrmMain::ShowClock(const QString& text) {
    if (lblTempo_->text() == text) return;
    lblTempo_->setText(text);
}

}  // namespace vis
