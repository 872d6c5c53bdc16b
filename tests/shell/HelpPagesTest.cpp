// The help pages as the program reaches them: a titled page behind every help
// context that a menu or window passes, links that stay inside the folder, an
// index that links every page, F1 in the menus and the viewer's history.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMenu>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>

#include "chart/ChartWindowTables.h"
#include "platform/HelpViewer.h"
#include "platform/Paths.h"
#include "app/MainMenus.h"
#include "support/GuiTestSupport.h"

using namespace vrn;

namespace {

QString readUtf8(const QString& path, bool* valid = nullptr) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(f.readAll());
    if (valid) *valid = !utf8.hasError();
    return text;
}

// Every context the program hands to the help: the menu tables, the literal
// HtmlHelp calls of the sources and the five selections of the stirred tank.
QSet<int> programContexts() {
    QSet<int> ctx;
    for (auto rows : {mainMenuRows(), popupMenuRows(), chartMenuRows()})
        for (const MenuRow& r : rows)
            if (r.helpContext) ctx.insert(r.helpContext);
    const QRegularExpression call(R"(HtmlHelp\(\s*(\d+))");
    QDirIterator it(VARNOLT_SOURCE_RESOURCES "/../src", {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        for (const auto& m : call.globalMatch(readUtf8(it.next()))) ctx.insert(m.captured(1).toInt());
    for (int selection = 0; selection <= 4; ++selection) ctx.insert(9000 + selection);
    return ctx;
}

// The link targets of a page, as written in its hrefs.
QStringList hrefs(const QString& html) {
    QStringList out;
    const QRegularExpression href(R"re(href\s*=\s*"([^"]*)")re");
    for (const auto& m : href.globalMatch(html)) out << m.captured(1);
    return out;
}

// Clicks the link of the shown page whose target reads href, as a user would.
bool clickLink(QTextBrowser* b, const QString& href) {
    for (QTextBlock block = b->document()->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            if (!f.charFormat().isAnchor() || f.charFormat().anchorHref() != href) continue;
            QTextCursor c(b->document());
            c.setPosition(f.position() + f.length() / 2);
            b->setTextCursor(c);
            b->ensureCursorVisible();
            QTest::mouseClick(b->viewport(), Qt::LeftButton, {}, b->cursorRect(c).center());
            return true;
        }
    return false;
}

QString shownPage() { return helpBrowser() ? helpBrowser()->source().fileName() : QString(); }

class HelpPages : public ::testing::Test {
protected:
    void TearDown() override {
        HtmlHelpCloseAll();
        test::processEvents();
        setResourceFolder(VARNOLT_SOURCE_RESOURCES);
    }
    test::GuiTest env;
};

}  // namespace

TEST_F(HelpPages, EveryContextOfTheProgramOpensATitledPage) {
    const QSet<int> contexts = programContexts();
    ASSERT_GE(contexts.size(), 20);  // menus, Monte Carlo, stirred tank
    for (int ctx : contexts) {
        HtmlHelp(ctx);
        ASSERT_NE(helpBrowser(), nullptr);
        EXPECT_EQ(helpBrowser()->source(), QUrl::fromLocalFile(helpPagePath(ctx))) << ctx;
        EXPECT_FALSE(helpBrowser()->documentTitle().trimmed().isEmpty()) << ctx;
        EXPECT_FALSE(helpBrowser()->toPlainText().contains("noch keine Hilfeseite")) << ctx;
        EXPECT_TRUE(helpWindow()->windowTitle().endsWith(helpBrowser()->documentTitle())) << ctx;
    }
}

TEST_F(HelpPages, EveryLinkLeadsToAPageOfTheFolderAndTheIndexLinksEveryPage) {
    const QDir folder(helpFolder());
    const QStringList pages = folder.entryList({"*.html"}, QDir::Files);
    ASSERT_GE(pages.size(), 24);
    QSet<QString> linkedFromIndex;
    for (const QString& page : pages) {
        bool utf8 = false;
        const QString html = readUtf8(folder.filePath(page), &utf8);
        EXPECT_TRUE(utf8) << page.toStdString();
        EXPECT_TRUE(html.contains(R"(<meta charset="utf-8">)")) << page.toStdString();
        EXPECT_TRUE(QRegularExpression("<title>[^<]*\\S[^<]*</title>").match(html).hasMatch()) << page.toStdString();
        for (const QString& href : hrefs(html)) {
            const QUrl link(href);
            EXPECT_TRUE(link.scheme().isEmpty()) << page.toStdString() << " -> " << href.toStdString();
            const QUrl target = helpLinkTarget(link);
            ASSERT_TRUE(target.isValid()) << page.toStdString() << " -> " << href.toStdString();
            if (link.hasFragment()) {
                EXPECT_TRUE(readUtf8(target.toLocalFile()).contains("id=\"" + link.fragment() + "\""))
                    << page.toStdString() << " -> " << href.toStdString();
            }
            if (page == "10270.html") linkedFromIndex.insert(QFileInfo(target.toLocalFile()).fileName());
        }
    }
    QSet<QString> others(pages.begin(), pages.end());
    others.remove("10270.html");
    EXPECT_EQ(linkedFromIndex, others);
}

TEST_F(HelpPages, F1OnMenuItemsOpensTheirPagesAndBackWalksTheHistory) {
    MDIVRN w;
    w.MDIForm_Load();
    w.show();
    const auto f1 = [&](const char* menu, const char* item) {
        QMenu* m = w.menu(menu);
        m->popup(QPoint(20, 20));
        QApplication::processEvents();
        m->setActiveAction(w.menuItem(item));
        QTest::keyClick(m, Qt::Key_F1);
        m->hide();
    };
    f1("mnuExpkTAuswertung", "mnukT(1)");
    ASSERT_NE(helpWindow(), nullptr);
    EXPECT_EQ(std::tuple(shownPage(), helpWindow()->cmdZurueck->isEnabled()), std::tuple("10300.html", false));
    test::saveScreenshot(helpWindow(), "help_menu_arrhenius");
    f1("mnuDaten", "mnuLoadProject");  // no context of its own: the menu's
    EXPECT_EQ(shownPage(), "10070.html");
    ASSERT_TRUE(helpWindow()->cmdZurueck->isEnabled());
    QTest::mouseClick(helpWindow()->cmdZurueck, Qt::LeftButton);
    EXPECT_EQ(std::tuple(shownPage(), helpWindow()->cmdZurueck->isEnabled()), std::tuple("10300.html", false));

    QTest::mouseClick(helpWindow()->cmdUebersicht, Qt::LeftButton);
    EXPECT_EQ(shownPage(), "10270.html");
    ASSERT_TRUE(clickLink(helpBrowser(), "8501.html"));
    EXPECT_EQ(shownPage(), "8501.html");
    test::saveScreenshot(helpWindow(), "help_fitting");
    ASSERT_TRUE(clickLink(helpBrowser(), "rechner.html"));
    EXPECT_EQ(shownPage(), "rechner.html");
    QTest::mouseClick(helpWindow()->cmdZurueck, Qt::LeftButton);
    QTest::mouseClick(helpWindow()->cmdZurueck, Qt::LeftButton);
    EXPECT_EQ(shownPage(), "10270.html");
    HtmlHelp(9002);
    test::saveScreenshot(helpWindow(), "help_stirred_tank");
    QTest::keyClick(helpBrowser(), Qt::Key_Escape);
    test::processEvents();
    EXPECT_EQ(helpWindow(), nullptr);
}

// F1 on a highlighted Monte Carlo item opens the page that the Monte Carlo
// window's own "Hilfe" opens for that mode (8000 decay, 8001 equilibrium).
TEST_F(HelpPages, F1OnTheMonteCarloItemsOpensTheWindowsPages) {
    MDIVRN w;
    w.MDIForm_Load();
    w.show();
    const std::pair<const char*, const char*> rows[] = {{"mnuSubMonteCarlo(0)", "8000.html"},
                                                        {"mnuSubMonteCarlo(1)", "8001.html"}};
    for (const auto& [item, page] : rows) {
        SCOPED_TRACE(item);
        HtmlHelpCloseAll();
        test::processEvents();
        QMenu* m = w.menu("mnuMonteCarlo");
        m->popup(QPoint(20, 20));
        QApplication::processEvents();
        m->setActiveAction(w.menuItem(item));
        QTest::keyClick(m, Qt::Key_F1);
        m->hide();
        ASSERT_NE(helpWindow(), nullptr);
        EXPECT_EQ(shownPage(), page);
    }
}

TEST_F(HelpPages, LinksOutOfTheFolderAreNotFollowed) {
    QTemporaryDir res;
    QDir(res.path()).mkdir("help");
    const auto write = [&](const QString& name, const QByteArray& body) {
        QFile f(res.path() + "/" + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("<html><head><meta charset=\"utf-8\"><title>" + name.toUtf8() + "</title></head><body>" + body +
                "</body></html>");
    };
    write("help/1.html", "<p><a href=\"../draussen.html\">draußen</a> <a href=\"https://example.org/\">Netz</a> "
                         "<a href=\"fehlt.html\">fehlt</a> <a href=\"tips.txt\">Text</a> "
                         "<a href=\"2.html#teil\">zwei</a></p>");
    write("help/2.html", "<p>oben</p><p id=\"teil\">Teil</p>");
    write("help/tips.txt", "kein html");
    write("draussen.html", "<p>draußen</p>");
    setResourceFolder(res.path());

    HtmlHelp(1);
    for (const char* href : {"../draussen.html", "https://example.org/", "fehlt.html", "tips.txt"}) {
        ASSERT_TRUE(clickLink(helpBrowser(), href)) << href;
        EXPECT_EQ(shownPage(), "1.html") << href;
    }
    EXPECT_FALSE(helpWindow()->cmdZurueck->isEnabled());
    ASSERT_TRUE(clickLink(helpBrowser(), "2.html#teil"));
    EXPECT_EQ(std::tuple(shownPage(), helpBrowser()->source().fragment()), std::tuple("2.html", "teil"));

    HtmlHelp(3);  // no page: the note takes its place in the history
    EXPECT_TRUE(helpBrowser()->toPlainText().contains("(Hilfe-Kontext 3) gibt es noch keine Hilfeseite"));
    QTest::mouseClick(helpWindow()->cmdZurueck, Qt::LeftButton);
    EXPECT_EQ(shownPage(), "2.html");
}
