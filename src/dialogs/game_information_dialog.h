// TfrmAboutGame, "Game information": the chance of winning of the game in
// play, the current player's totals in it and its best hi-score.
#pragma once

#include <QDialog>

#include "dialogs/app_services.h"

class QFormLayout;
class QLabel;

namespace vis {

class TfrmAboutGame : public QDialog {
    Q_OBJECT
public:
    TfrmAboutGame(QWidget* parent, AppServices& app);

    // The value shown beside each label, by label text ("Games won:"...).
    QString Value(const QString& label) const;

private:
    QLabel* AddValue(QFormLayout* form, const QString& label, const QString& value);
};

void ShowGameInformationDialog(QWidget* parent, AppServices& app);

}  // namespace vis
