#include "dialogs/help_window.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "dialogs/app_services.h"
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

const QString kHelpTitle = QStringLiteral("Vistrane Help");
// Smaller than this, beside a dialog, the help would not be worth reading.
constexpr QSize kLeastHelpSize(320, 240);

// The help window for `owner`: a modal dialog blocks every window but its
// own, so the window moves to the dialog that is open.
HelpWindow* WindowFor(QWidget* owner) {
    QPointer<HelpWindow>& window = SharedWindow();
    if (window && window->parentWidget() != owner) {
        window->setParent(owner, window->windowFlags());
    }
    if (!window) window = new HelpWindow(owner);
    return window;
}

// Once the dialog is done, the window stays open for the window the dialog
// came from.
void OutliveDialog(HelpWindow* window, QDialog* dialog) {
    QObject::connect(dialog, &QDialog::finished, window, [window, dialog] {
        if (window->parentWidget() != dialog) return;
        const bool shown = window->isVisible();
        const QPoint at = window->pos();
        window->setParent(dialog->parentWidget(), window->windowFlags());
        window->move(at);
        if (shown) window->show();
    });
}

}  // namespace

QRect PlaceBeside(const QRect& avoid, QSize size, const QRect& screen) {
    // The free bands right of, left of, below and above the dialog.
    const QRect bands[] = {
        QRect(QPoint(avoid.right() + 1, screen.top()), screen.bottomRight()),
        QRect(screen.topLeft(), QPoint(avoid.left() - 1, screen.bottom())),
        QRect(QPoint(screen.left(), avoid.bottom() + 1), screen.bottomRight()),
        QRect(screen.topLeft(), QPoint(screen.right(), avoid.top() - 1)),
    };
    // In a band: level with the dialog's top or left edge as far as it goes,
    // next to the dialog.
    const auto placeIn = [&](const QRect& band, int index, QSize shown) {
        const int x = std::clamp(avoid.left(), band.left(), band.right() + 1 - shown.width());
        const int y = std::clamp(avoid.top(), band.top(), band.bottom() + 1 - shown.height());
        switch (index) {
            case 0:
                return QRect(QPoint(band.left(), y), shown);
            case 1:
                return QRect(QPoint(band.right() + 1 - shown.width(), y), shown);
            case 2:
                return QRect(QPoint(x, band.top()), shown);
            default:
                return QRect(QPoint(x, band.bottom() + 1 - shown.height()), shown);
        }
    };
    for (int i = 0; i < 4; ++i)
        if (bands[i].width() >= size.width() && bands[i].height() >= size.height())
            return placeIn(bands[i], i, size);
    // No band takes it whole: the window shrinks into the roomiest band.
    int best = -1;
    long long bestArea = 0;
    for (int i = 0; i < 4; ++i) {
        const QSize shown = size.boundedTo(bands[i].size());
        const long long area = static_cast<long long>(shown.width()) * shown.height();
        if (shown.width() >= kLeastHelpSize.width() && shown.height() >= kLeastHelpSize.height() &&
            area > bestArea) {
            best = i;
            bestArea = area;
        }
    }
    if (best >= 0) return placeIn(bands[best], best, size.boundedTo(bands[best].size()));
    // A screen too small for that: over the dialog, inside the screen.
    const QSize shown = size.boundedTo(screen.size());
    return QRect(
        QPoint(std::clamp(avoid.left(), screen.left(), screen.right() + 1 - shown.width()),
               std::clamp(avoid.top(), screen.top(), screen.bottom() + 1 - shown.height())),
        shown);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    if (name.scheme() == QLatin1String(kRulesScheme) && rules_) {
        bool ok = false;
        const int game = name.path().toInt(&ok);
        if (ok) return rules_(game);
    }
    return QTextBrowser::loadResource(type, name);
}

HelpWindow::HelpWindow(QWidget* parent)
    : QDialog(parent),
      browser_(new HelpBrowser(this)),
      back_(new QPushButton(tr("&Back"), this)),
      contents_(new QPushButton(tr("&Contents"), this)),
      close_(new QPushButton(tr("Close"), this)) {
    setWindowTitle(kHelpTitle);
    setAttribute(Qt::WA_DeleteOnClose);
    browser_->setOpenExternalLinks(true);
    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = browser_->documentTitle();
        setWindowTitle(title.isEmpty() ? kHelpTitle : title);
    });
    connect(contents_, &QPushButton::clicked, this, [this] {
        const QStringList paths = browser_->searchPaths();
        ShowFile(paths.isEmpty() ? QString() : paths.front(), kHelpIndexPage);
    });
    connect(close_, &QPushButton::clicked, this, &QDialog::close);
    back_->setEnabled(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents_);
    buttons->addWidget(back_);
    buttons->addStretch();
    buttons->addWidget(close_);
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
        setWindowTitle(kHelpTitle);
        return;
    }
    browser_->setSource(QUrl::fromLocalFile(path), QTextDocument::HtmlResource);
}

void HelpWindow::ShowRules(const QString& folder, int game, HelpBrowser::RulesSource source) {
    browser_->setSearchPaths({folder});
    browser_->SetRulesSource(std::move(source));
    QUrl url;
    url.setScheme(QLatin1String(kRulesScheme));
    url.setPath(QString::number(game));
    browser_->setSource(url, QTextDocument::HtmlResource);
}

QString HelpWindow::Text() const {
    return browser_->toPlainText();
}

void ShowHelpTopic(QWidget* parent, AppServices& app, const std::string& windowType, int topic) {
    QWidget* modal = QApplication::activeModalWidget();
    HelpWindow* window = WindowFor(modal ? modal : parent);
    const QString folder = HelpFolder(app.ctx);
    const int game = topic - kRulesTopicOffset;
    if (windowType == kRulesHelpWindow && game >= 0) {
        GameContext& ctx = app.ctx;
        window->ShowRules(folder, game, [&ctx](int number) {
            const std::string page = RulesPageHtml(ctx, number);
            return page.empty() ? QObject::tr("<p>There are no rules for this game.</p>")
                                : QString::fromLatin1(page);
        });
    } else {
        window->ShowFile(folder, kHelpIndexPage);
    }
    if (auto* dialog = qobject_cast<QDialog*>(modal)) OutliveDialog(window, dialog);
    if (modal) {
        const QScreen* screen =
            modal->screen() ? modal->screen() : QGuiApplication::primaryScreen();
        const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
        // The frame around the window, where a window manager draws one.
        const QSize frame = window->frameGeometry().size() - window->size();
        const QRect place =
            PlaceBeside(modal->frameGeometry(), window->frameGeometry().size(), area);
        window->resize(place.size() - frame);
        window->move(place.topLeft());
    }
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace vis
