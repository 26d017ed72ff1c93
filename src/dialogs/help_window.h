// The help window: general help and the rules page of each game.
#pragma once

#include <QDialog>
#include <QTextBrowser>
#include <functional>
#include <string>

class QPushButton;
class QWidget;

namespace vis {

struct AppServices;

// Where the general help topics lie: "help" beside the program.
inline constexpr const char* kHelpFolder = "help";
inline constexpr const char* kHelpIndexPage = "index.html";
// The address of a game's generated rules page: "rules:" + game number.
inline constexpr const char* kRulesScheme = "rules";

// Opens `topic` in the help window of `windowType` ("proc" for general
// help, "rules" for a game's rules at game number + 3000). Opened from a
// modal dialog, the window belongs to that dialog, so that it takes input,
// and stands beside it.
void ShowHelpTopic(QWidget* parent, AppServices& app, const std::string& windowType, int topic);

// Where a window of `size` goes beside `avoid` inside `screen`: to its
// right, else to its left, else below or above it; where none of these has
// room, made smaller to fit the roomiest of them.
QRect PlaceBeside(const QRect& avoid, QSize size, const QRect& screen);

// The browser of the help window: the pages of the help folder and the
// generated rules pages share one history.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    using RulesSource = std::function<QString(int game)>;
    explicit HelpBrowser(QWidget* parent) : QTextBrowser(parent) {}
    void SetRulesSource(RulesSource source) { rules_ = std::move(source); }
    QVariant loadResource(int type, const QUrl& name) override;

private:
    RulesSource rules_;
};

// The one help window of the program; it stays open beside the table.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent);
    // Shows a page of the help folder.
    void ShowFile(const QString& folder, const QString& page);
    // Shows the rules page of `game`, made by `source`.
    void ShowRules(const QString& folder, int game, HelpBrowser::RulesSource source);
    QString Text() const;
    QPushButton* BackButton() const { return back_; }
    QPushButton* ContentsButton() const { return contents_; }
    QPushButton* CloseButton() const { return close_; }

private:
    HelpBrowser* browser_;
    QPushButton* back_;
    QPushButton* contents_;
    QPushButton* close_;
};

}  // namespace vis
