#include "dialogs/record_widgets.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace vis {

QLabel* NewDamageLabel() {
    auto* label = new QLabel;
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("color: #a00000"));
    label->hide();
    return label;
}

QHBoxLayout* NewOkRow(QDialog* dialog) {
    auto* ok = new QPushButton(QDialog::tr("OK"));
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    return row;
}

}  // namespace vis
