#include "options/dialog_buttons.h"

#include <QBoxLayout>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

#include "dialogs/help_window.h"

namespace vis {

void AddOkCancelHelp(QDialog& dialog, QBoxLayout& layout, AppServices& app, int helpTopic) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QPushButton* help = buttons->addButton(QStringLiteral("&?"), QDialogButtonBox::HelpRole);
    layout.addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(help, &QPushButton::clicked, &dialog, [&dialog, &app, helpTopic] {
        ShowHelpTopic(&dialog, app, "proc", helpTopic);
    });
}

}  // namespace vis
