#include "dialogs/help_window.h"

#include <QDir>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "app/app_services.h"
#include "model/game_context.h"
#include "model/program_paths.h"
#include "model/rules_help.h"
#include "model/rules_page.h"

namespace vis {

namespace {

QPointer<HelpWindow>& SharedWindow() {
    static QPointer<HelpWindow> window;
    return window;
}

QString HelpFolder(const GameContext& ctx) {
    return QString::fromStdString((ProgramDir(ctx.state) / kHelpFolder).string());
}

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent), browser_(new QTextBrowser(this)) {
    setWindowTitle(tr("Vistrane Help"));
    setAttribute(Qt::WA_DeleteOnClose);
    browser_->setOpenExternalLinks(true);
    auto* back = new QPushButton(tr("&Back"), this);
    auto* contents = new QPushButton(tr("&Contents"), this);
    auto* close = new QPushButton(tr("Close"), this);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(contents, &QPushButton::clicked, this, [this] {
        const QStringList paths = browser_->searchPaths();
        ShowFile(paths.isEmpty() ? QString() : paths.front(), kHelpIndexPage);
    });
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    back->setEnabled(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
    resize(640, 560);
}

void HelpWindow::ShowFile(const QString& folder, const QString& page) {
    browser_->setSearchPaths({folder});
    const QString path = QDir(folder).filePath(page);
    if (!QFile::exists(path)) {
        browser_->setHtml(tr("<h1>Help</h1><p>The help pages were not found in %1.</p>")
                              .arg(folder.toHtmlEscaped()));
        return;
    }
    browser_->setSource(QUrl::fromLocalFile(path));
}

void HelpWindow::ShowHtml(const QString& title, const QString& html, const QString& folder) {
    browser_->setSearchPaths({folder});
    browser_->setHtml(html);
    setWindowTitle(title);
}

QString HelpWindow::Text() const {
    return browser_->toPlainText();
}

void ShowHelpTopic(QWidget* parent, AppServices& app, const std::string& windowType, int topic) {
    QPointer<HelpWindow>& window = SharedWindow();
    if (!window) window = new HelpWindow(parent);
    const QString folder = HelpFolder(app.ctx);
    const int game = topic - kRulesTopicOffset;
    if (windowType == kRulesHelpWindow && game >= 0) {
        const std::string page = RulesPageHtml(app.ctx, game);
        if (!page.empty()) {
            window->ShowHtml(QObject::tr("Rules"), QString::fromLatin1(page), folder);
        } else {
            window->ShowHtml(QObject::tr("Rules"),
                             QObject::tr("<p>There are no rules for this game.</p>"), folder);
        }
    } else {
        window->setWindowTitle(QObject::tr("Vistrane Help"));
        window->ShowFile(folder, kHelpIndexPage);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace vis
