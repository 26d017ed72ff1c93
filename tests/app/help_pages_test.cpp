// The help pages against the program they describe: every command they name
// with its menu or its key is in that menu with that key, every menu they
// give a section is a menu of the window, and every link leads to a page.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>

#include "app/main_window_fixture.h"

namespace vis {
namespace {

// A caption as the pages write it: no accelerator, no dots, no key.
QString Plain(QString caption) {
    caption.remove(QLatin1Char('&'));
    caption = caption.section(QLatin1Char('\t'), 0, 0);
    if (caption.endsWith(QStringLiteral("..."))) caption.chop(3);
    return caption.trimmed();
}

QString Joined(QString text) {
    return text.simplified();
}

class HelpPagesTest : public MainWindowTest {
protected:
    void SetUp() override {
        Start();
        for (QAction* top : Window().menuBar()->actions()) {
            QMenu* menu = top->menu();
            if (!menu) continue;
            QStringList& items = menus[Plain(top->text())];
            for (QAction* item : menu->actions()) {
                if (item->isSeparator()) continue;
                items << Plain(item->text());
                shortcuts[Plain(item->text())] = item->shortcut();
            }
        }
        const QDir folder(QStringLiteral(VIS_SOURCE_DIR "/data/help"));
        for (const QString& name : folder.entryList({QStringLiteral("*.html")})) {
            QFile file(folder.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            pages[name] = Joined(QString::fromUtf8(file.readAll()));
        }
        ASSERT_GE(pages.size(), 7);
    }

    std::map<QString, QStringList> menus;  // menu title -> item captions
    std::map<QString, QKeySequence> shortcuts;
    std::map<QString, QString> pages;  // file name -> text on one line
};

TEST_F(HelpPagesTest, CommandsNamedWithTheirMenuAreInThatMenu) {
    static const QRegularExpression kInMenu(
        QStringLiteral("<b>([^<]+)</b>[^<.]*?(?:in|from) the (\\w+) menu"));
    int named = 0;
    for (const auto& [name, text] : pages) {
        for (const auto& match : kInMenu.globalMatch(text)) {
            SCOPED_TRACE((name + QStringLiteral(": ") + match.captured(0)).toStdString());
            const QString menu = match.captured(2);
            ASSERT_TRUE(menus.count(menu)) << "no menu " << menu.toStdString();
            EXPECT_TRUE(menus[menu].contains(match.captured(1)));
            ++named;
        }
    }
    EXPECT_GT(named, 8);
}

TEST_F(HelpPagesTest, MenuSectionsListTheirOwnItems) {
    const QString& text = pages["commands.html"];
    static const QRegularExpression kSection(QStringLiteral("<h2>(\\w+)</h2>(.*?)(?=<h2>|$)"));
    static const QRegularExpression kBold(QStringLiteral("<b>([^<]+)</b>"));
    int sections = 0;
    for (const auto& section : kSection.globalMatch(text)) {
        const QString title = section.captured(1);
        if (!menus.count(title)) continue;
        ++sections;
        for (const auto& item : kBold.globalMatch(section.captured(2))) {
            const QString caption = item.captured(1);
            SCOPED_TRACE((title + QStringLiteral(" > ") + caption).toStdString());
            // A submenu, such as the favourites, counts as an item.
            EXPECT_TRUE(menus[title].contains(caption));
        }
    }
    // File, Game, Statistics, Tools and Help, and no other menu.
    EXPECT_EQ(sections, static_cast<int>(menus.size()));
    static const QRegularExpression kAnySection(QStringLiteral("<h2>([^<]+)</h2>"));
    for (const auto& section : kAnySection.globalMatch(text)) {
        const QString title = section.captured(1);
        EXPECT_TRUE(menus.count(title) || title == QStringLiteral("Toolbar and table"))
            << title.toStdString();
    }
}

TEST_F(HelpPagesTest, KeysGivenForCommandsAreTheirShortcuts) {
    static const QRegularExpression kWithKey(
        QStringLiteral("<b>([^<]+)</b> \\(((?:(?:Shift|Ctrl|Alt)\\+)*(?:F\\d{1,2}|[A-Z]))[),]"));
    int keys = 0;
    for (const auto& [name, text] : pages) {
        for (const auto& match : kWithKey.globalMatch(text)) {
            const QString caption = match.captured(1);
            SCOPED_TRACE((name + QStringLiteral(": ") + match.captured(0)).toStdString());
            ASSERT_TRUE(shortcuts.count(caption)) << "no menu item " << caption.toStdString();
            EXPECT_EQ(shortcuts[caption], QKeySequence(match.captured(2)));
            ++keys;
        }
    }
    EXPECT_GT(keys, 15);
}

TEST_F(HelpPagesTest, LinksLeadToPages) {
    static const QRegularExpression kLink(QStringLiteral("href=\"([^\"]+)\""));
    for (const auto& [name, text] : pages)
        for (const auto& match : kLink.globalMatch(text))
            EXPECT_TRUE(pages.count(match.captured(1)))
                << name.toStdString() << " links to " << match.captured(1).toStdString();
}

}  // namespace
}  // namespace vis
