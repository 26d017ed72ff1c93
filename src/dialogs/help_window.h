// The help window: general help and the rules page of each game.
#pragma once

#include <QDialog>
#include <string>

class QTextBrowser;
class QWidget;

namespace vis {

struct AppServices;

// Where the general help topics lie: "help" beside the program.
inline constexpr const char* kHelpFolder = "help";
inline constexpr const char* kHelpIndexPage = "index.html";

// Opens `topic` in the help window of `windowType` ("proc" for general
// help, "rules" for a game's rules at game number + 3000).
void ShowHelpTopic(QWidget* parent, AppServices& app, const std::string& windowType, int topic);

// The one help window of the program; it stays open beside the table.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent);
    // Shows a page of the help folder, or a generated page.
    void ShowFile(const QString& folder, const QString& page);
    void ShowHtml(const QString& title, const QString& html, const QString& folder);
    QString Text() const;

private:
    QTextBrowser* browser_;
};

}  // namespace vis
