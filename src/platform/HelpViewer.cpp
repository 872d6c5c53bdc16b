#include "platform/HelpViewer.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "platform/Forms.h"
#include "platform/Paths.h"

namespace vrn {

namespace {

QPointer<HelpWindow> gHelp;

// Scheme of the note shown for a context without a page.
const QString kOhneSeite = QStringLiteral("vrn-ohne-seite");

// Look of every page, so that the pages themselves stay plain.
const char* const kStil =
    "body { font-family: 'Liberation Sans', Arial, sans-serif; font-size: 10pt; }"
    "h2 { color: #1f3f7f; } h3 { color: #1f3f7f; }"
    "p.formel { font-family: 'Liberation Serif', serif; font-size: 12pt; margin-left: 24px; }"
    "table { border-collapse: collapse; } td, th { padding: 2px 6px; }"
    "th { background-color: #e8eef8; text-align: left; }"
    "p.siehe { color: #404040; }";

// The page view: besides the files of the folder it serves the note for a
// context without a page, so that the note takes its place in the history too.
class HelpBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl& name) override {
        if (type == QTextDocument::HtmlResource && name.scheme() == kOhneSeite) {
            const QString index = QUrl::fromLocalFile(helpPagePath(kHelpIndexContext)).toString();
            return QString("<html><head><title>VARNOLT Hilfe</title></head><body><h3>VARNOLT Hilfe</h3>"
                           "<p>Zu diesem Thema (Hilfe-Kontext %1) gibt es noch keine Hilfeseite.</p>"
                           "<p><a href=\"%2\">Zur Übersicht</a></p></body></html>")
                .arg(name.path(), index);
        }
        return QTextBrowser::loadResource(type, name);
    }
};

}  // namespace

QString helpFolder() { return resourceFolder() + "/help"; }

QString helpPagePath(int context) { return helpFolder() + "/" + QString::number(context) + ".html"; }

QUrl helpLinkTarget(const QUrl& link) {
    if (!link.scheme().isEmpty() && link.scheme() != "file") return {};
    const QString path = link.isLocalFile() ? link.toLocalFile() : link.path();
    if (path.isEmpty()) return {};
    const QFileInfo page(QDir::isRelativePath(path) ? QDir(helpFolder()).filePath(path) : path);
    const QString folder = QFileInfo(helpFolder()).canonicalFilePath();
    if (folder.isEmpty() || !page.isFile() || page.suffix().compare("html", Qt::CaseInsensitive) != 0 ||
        QFileInfo(page.canonicalFilePath()).absolutePath() != folder)
        return {};
    QUrl target = QUrl::fromLocalFile(page.canonicalFilePath());
    if (link.hasFragment()) target.setFragment(link.fragment());
    return target;
}

HelpWindow::HelpWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
    setAttribute(Qt::WA_DeleteOnClose, true);
    setWindowTitle("VARNOLT Hilfe");
    resize(700, 560);

    cmdZurueck = new QPushButton("Zurück", this);
    cmdZurueck->setEnabled(false);
    cmdUebersicht = new QPushButton("Übersicht", this);
    browser = new HelpBrowser(this);
    browser->setOpenLinks(false);
    browser->setOpenExternalLinks(false);
    browser->setSearchPaths({helpFolder()});
    browser->document()->setDefaultStyleSheet(kStil);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(cmdZurueck);
    knoepfe->addWidget(cmdUebersicht);
    knoepfe->addStretch(1);
    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(6, 6, 6, 6);
    spalte->addLayout(knoepfe);
    spalte->addWidget(browser, 1);

    connect(cmdZurueck, &QPushButton::clicked, browser, &QTextBrowser::backward);
    connect(cmdUebersicht, &QPushButton::clicked, this, [this] { zeigeKontext(kHelpIndexContext); });
    connect(browser, &QTextBrowser::backwardAvailable, cmdZurueck, &QPushButton::setEnabled);
    connect(browser, &QTextBrowser::anchorClicked, this, &HelpWindow::folgeLink);
    connect(browser, &QTextBrowser::sourceChanged, this, [this] {
        const QString titel = browser->documentTitle();
        setWindowTitle(titel.isEmpty() || titel == "VARNOLT Hilfe" ? "VARNOLT Hilfe" : "VARNOLT Hilfe: " + titel);
    });
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) close();
    else QWidget::keyPressEvent(event);
}

void HelpWindow::zeigeKontext(int context) {
    const QString path = helpPagePath(context);
    if (QFileInfo(path).isFile()) browser->setSource(QUrl::fromLocalFile(path));
    else browser->setSource(QUrl(kOhneSeite + ":" + QString::number(context)));
}

// A link inside the folder opens its page; any other link is not followed.
void HelpWindow::folgeLink(const QUrl& link) {
    const QUrl target = helpLinkTarget(link);
    if (target.isValid()) browser->setSource(target);
}

void HtmlHelp(int context) {
    if (!gHelp) gHelp = new HelpWindow(Forms::mainWindow());
    gHelp->zeigeKontext(context);
    gHelp->show();
    gHelp->raise();
    gHelp->activateWindow();
}

void HtmlHelpCloseAll() {
    if (gHelp) gHelp->close();
}

HelpWindow* helpWindow() { return gHelp.data(); }

QTextBrowser* helpBrowser() { return gHelp ? gHelp->browser : nullptr; }

}  // namespace vrn
