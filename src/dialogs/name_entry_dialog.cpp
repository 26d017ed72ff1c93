#include "dialogs/name_entry_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "dialogs/record_text.h"
#include "model/ui_port.h"

namespace vis {

NameEntryDialog::NameEntryDialog(QWidget* parent, const QString& title, const QString& label,
                                 const QString& preset, int maxLength, const QStringList& notes)
    : QDialog(parent), edtName_(new QLineEdit(preset)) {
    setWindowTitle(title);
    edtName_->setMaxLength(maxLength);
    edtName_->selectAll();
    auto* caption = new QLabel(label);
    caption->setBuddy(edtName_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(edtName_);
    for (const QString& note : notes) {
        auto* shown = new QLabel(note);
        shown->setWordWrap(true);
        layout->addWidget(shown);
    }
    layout->addWidget(buttons);
}

std::optional<std::string> AskStorableName(
    UiPort& ui, const std::string& what,
    const std::function<std::optional<QString>(const QString& lastTyped)>& ask,
    const std::function<std::string(const std::string& name)>& refusal, const QString& preset) {
    QString typed = preset;
    for (;;) {
        const std::optional<QString> answer = ask(typed);
        if (!answer) return std::nullopt;
        typed = *answer;
        const std::optional<std::string> name = ToRecordText(typed);
        const std::string problem =
            name ? refusal(*name)
                 : "The " + what + " \"" + typed.trimmed().toStdString() +
                       "\" cannot be used: it holds characters the records cannot keep.";
        if (problem.empty()) return name;
        ui.ShowMessage(problem);
    }
}

}  // namespace vis
