#include "dialogs/custom_game_help.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/help_window.h"
#include "dialogs/record_text.h"

namespace vis {

TfrmCustomHelp::TfrmCustomHelp(QWidget* parent, AppServices& app, const CustomGameHelp& help)
    : QDialog(parent), grid_(new QGridLayout), btnRules_(new QPushButton(tr("&Rules"))) {
    setWindowTitle(FromRecordText(help.caption));
    setObjectName("frmCustomHelp");
    const QString baseName = FromRecordText(help.baseName);

    auto* from = new QHBoxLayout;
    from->addWidget(new QLabel(tr("This game comes from:")));
    auto* base = new QLabel(baseName);
    QFont bold = base->font();
    bold.setBold(true);
    base->setFont(bold);
    from->addWidget(base);
    from->addStretch();

    const auto heading = [&](const QString& text, int column) {
        auto* label = new QLabel(text);
        label->setFont(bold);
        grid_->addWidget(label, 0, column);
    };
    grid_->addWidget(new QLabel, 0, 0);
    heading(FromRecordText(help.customName), 1);
    heading(baseName, 2);
    int row = 1;
    for (const CustomGameHelp::Row& values : help.rows) {
        grid_->addWidget(new QLabel(QString::fromStdString(values.label)), row, 0);
        grid_->addWidget(new QLabel(QString::fromStdString(values.customValue)), row, 1);
        grid_->addWidget(new QLabel(QString::fromStdString(values.baseValue)), row, 2);
        ++row;
    }
    grid_->setHorizontalSpacing(24);

    btnRules_->setToolTip(FromRecordText(help.rulesButtonHint));
    const int baseGame = help.baseGame;
    connect(btnRules_, &QPushButton::clicked, this, [this, &app, baseGame] {
        ShowHelpTopic(this, app, std::string(kRulesHelpWindow), baseGame + kRulesTopicOffset);
    });
    auto* btnClose = new QPushButton(tr("Close"));
    btnClose->setDefault(true);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(new QLabel(tr("Customized game.")));
    buttons->addStretch();
    buttons->addWidget(btnRules_);
    buttons->addWidget(btnClose);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(from);
    layout->addLayout(grid_);
    layout->addLayout(buttons);
}

QString TfrmCustomHelp::Cell(int row, int column) const {
    const QLayoutItem* item = grid_->itemAtPosition(row, column);
    const auto* label = item ? qobject_cast<const QLabel*>(item->widget()) : nullptr;
    return label ? label->text() : QString();
}

void ShowCustomGameHelpDialog(QWidget* parent, AppServices& app, const CustomGameHelp& help) {
    TfrmCustomHelp dialog(parent, app, help);
    dialog.exec();
}

}  // namespace vis
