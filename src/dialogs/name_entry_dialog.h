// A one-line name dialog, and the loop that asks for a name until the
// records can keep it: the players and the customized games are both named
// this way.
#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>
#include <optional>
#include <string>

class QLineEdit;

namespace vis {

class UiPort;

class NameEntryDialog : public QDialog {
    Q_OBJECT
public:
    NameEntryDialog(QWidget* parent, const QString& title, const QString& label,
                    const QString& preset, int maxLength, const QStringList& notes = {});
    QLineEdit* NameEdit() const { return edtName_; }

private:
    QLineEdit* edtName_;
};

// Asks (offering what was typed last) until `refusal` has nothing against
// the name or the player cancels; each refusal is shown. `what` names the
// thing in the message for characters the record files cannot hold.
// The name as record text, or empty when cancelled.
std::optional<std::string> AskStorableName(
    UiPort& ui, const std::string& what,
    const std::function<std::optional<QString>(const QString& lastTyped)>& ask,
    const std::function<std::string(const std::string& name)>& refusal, const QString& preset = {});

}  // namespace vis
